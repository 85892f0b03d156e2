#include "scheduling/ProjectFile.h"

#include "core/FileAccess.h"

#include <limits>

namespace {

std::optional<qint16> SmallInteger(const ReadValue& item)
{
    const std::optional<qint64> value = item.Integer();
    if (!value || *value < -32768 || *value > 32767)
        return std::nullopt;
    return qint16(*value);
}

} // namespace

QString ProjectFilePath(const QString& projectNo)
{
    return ProjectsFolder + QLatin1Char('/') + projectNo + QStringLiteral(".txt");
}

QByteArray FormatProjectHeader(const ProjectHeader& h)
{
    return FormatWriteLine({h.ProjectNo, h.ProjectName, h.AccountNo, h.ProposalNo, h.CustomerName,
                            h.Address1, h.Address2, h.City, h.State, h.Zip, h.Telephone, h.SiteName,
                            h.SiteAddress1, h.SiteAddress2, h.SiteCity, h.SiteState, h.SiteZip,
                            h.SiteTelephone, int(h.MilestoneCount)});
}

QByteArray FormatMilestoneRecord(const MilestoneRecord& m)
{
    return FormatWriteLine({m.MilestoneName, int(m.PersonnelType), m.ScheduledDate, int(m.Phase),
                            int(m.Dependency), int(m.Interval), m.Team, m.WorkLocation, m.StartSlot,
                            m.Duration, m.Unit, m.Status, m.CompletedDate});
}

std::optional<ProjectHeader> ParseProjectHeader(const QList<ReadValue>& items)
{
    if (items.size() < 19)
        return std::nullopt;
    ProjectHeader h;
    QString* texts[] = {&h.ProjectNo, &h.ProjectName, &h.AccountNo, &h.ProposalNo, &h.CustomerName,
                        &h.Address1, &h.Address2, &h.City, &h.State, &h.Zip, &h.Telephone, &h.SiteName,
                        &h.SiteAddress1, &h.SiteAddress2, &h.SiteCity, &h.SiteState, &h.SiteZip,
                        &h.SiteTelephone};
    for (int i = 0; i < 18; ++i)
        *texts[i] = items.at(i).Text();
    const std::optional<qint16> count = SmallInteger(items.at(18));
    if (!count || *count < 0)
        return std::nullopt;
    h.MilestoneCount = *count;
    return h;
}

std::optional<MilestoneRecord> ParseMilestoneRecord(const QList<ReadValue>& items)
{
    if (items.size() < 13)
        return std::nullopt;
    MilestoneRecord m;
    m.MilestoneName = items.at(0).Text();
    const std::optional<qint16> type = SmallInteger(items.at(1));
    const std::optional<QDate> date = items.at(2).Date();
    const std::optional<qint16> phase = SmallInteger(items.at(3));
    const std::optional<qint16> dependency = SmallInteger(items.at(4));
    const std::optional<qint16> interval = SmallInteger(items.at(5));
    if (!type || !date || !phase || !dependency || !interval)
        return std::nullopt;
    m.PersonnelType = *type;
    m.ScheduledDate = *date;
    m.Phase = *phase;
    m.Dependency = *dependency;
    m.Interval = *interval;
    m.Team = items.at(6).Text();
    m.WorkLocation = items.at(7).Text();
    m.StartSlot = items.at(8).Text();
    m.Duration = items.at(9).Text();
    m.Unit = items.at(10).Text();
    m.Status = items.at(11).Text();
    m.CompletedDate = items.at(12).Text();
    return m;
}

std::optional<ProjectData> ReadProjectFile(const QString& path)
{
    TextInput input = OpenForInput(path);
    if (!input.IsOpen() || input.AtEnd())
        return std::nullopt;
    ProjectData project;
    std::optional<ProjectHeader> header = ParseProjectHeader(input.ReadLineItems());
    if (!header)
        return std::nullopt;
    project.Header = *header;
    for (int j = 1; j <= project.Header.MilestoneCount; ++j) {
        if (input.AtEnd())
            return std::nullopt;
        std::optional<MilestoneRecord> milestone = ParseMilestoneRecord(input.ReadLineItems());
        if (!milestone)
            return std::nullopt;
        project.Milestones.append(*milestone);
    }
    return project;
}

bool WriteProjectFile(const QString& path, const ProjectData& project)
{
    // The header counts the lines that follow it, whatever count it held: a reader trusts it.
    if (project.Milestones.size() > std::numeric_limits<qint16>::max())
        return false;
    ProjectHeader header = project.Header;
    header.MilestoneCount = qint16(project.Milestones.size());
    QByteArray bytes = FormatProjectHeader(header);
    for (const MilestoneRecord& milestone : project.Milestones)
        bytes += FormatMilestoneRecord(milestone);
    TextOutput output = OpenForOutput(path);
    output.WriteRaw(bytes);
    return output.Close();
}

bool WriteProjectHeader(const ProjectHeader& header)
{
    // Appending to what could not be deleted would put the header after an old project.
    if (!DeleteWithBackup(ProjectTempFilePath))
        return false;
    TextOutput output = OpenForAppend(ProjectTempFilePath);
    output.WriteRaw(FormatProjectHeader(header));
    return output.Close();
}

bool AppendMilestoneRecord(const MilestoneRecord& milestone)
{
    TextOutput output = OpenForAppend(ProjectTempFilePath);
    output.WriteRaw(FormatMilestoneRecord(milestone));
    return output.Close();
}
