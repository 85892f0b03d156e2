#include "scheduling/ProjectFile.h"

#include "core/FileAccess.h"

#include <array>
#include <limits>

namespace {

template <typename Item>
std::optional<qint16> SmallInteger(const Item& item)
{
    const std::optional<qint64> value = item.Integer();
    if (!value || *value < -32768 || *value > 32767)
        return std::nullopt;
    return qint16(*value);
}

// Most milestone items are one of a few short texts (a location, a unit, a status, a slot or
// team number); loaded milestones share one copy of each instead of a text apiece, which spares
// thousands of allocations in a load of every project.
QString CommonText(const ItemView& item)
{
    static const QString words[] = {QStringLiteral("Office/Shop"), QStringLiteral("On Site"), QStringLiteral("Office"),
                                    QStringLiteral("Hours"), QStringLiteral("Days"), StatusScheduled, StatusCompleted,
                                    NotCompleted};
    static const std::array<QString, 100> numbers = [] {
        std::array<QString, 100> texts;
        for (int number = 0; number < 100; ++number)
            texts[size_t(number)] = QString::number(number);
        return texts;
    }();
    if (item.Kind != ReadValue::Kind::Quoted && item.Kind != ReadValue::Kind::Bare)
        return item.Text();
    const QByteArrayView bytes = item.Bytes;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (bytes.size() == 1 && isDigit(bytes[0]))
        return numbers[size_t(bytes[0] - '0')];
    if (bytes.size() == 2 && bytes[0] >= '1' && bytes[0] <= '9' && isDigit(bytes[1]))
        return numbers[size_t((bytes[0] - '0') * 10 + (bytes[1] - '0'))];
    for (const QString& word : words)
        if (word.size() == bytes.size() && word == QLatin1String(bytes.data(), bytes.size()))
            return word;
    return item.Text();
}

QString CommonText(const ReadValue& item)
{
    return item.Text();
}

// The items come as read values or, when a whole file is read, as views into its bytes.
template <typename Items>
std::optional<ProjectHeader> HeaderOf(const Items& items)
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

template <typename Items>
std::optional<MilestoneRecord> MilestoneOf(const Items& items)
{
    if (items.size() < 13)
        return std::nullopt;
    MilestoneRecord m;
    const std::optional<qint16> type = SmallInteger(items.at(1));
    const std::optional<QDate> date = items.at(2).Date();
    const std::optional<qint16> phase = SmallInteger(items.at(3));
    const std::optional<qint16> dependency = SmallInteger(items.at(4));
    const std::optional<qint16> interval = SmallInteger(items.at(5));
    if (!type || !date || !phase || !dependency || !interval)
        return std::nullopt;
    m.MilestoneName = items.at(0).Text();
    m.PersonnelType = *type;
    m.ScheduledDate = *date;
    m.Phase = *phase;
    m.Dependency = *dependency;
    m.Interval = *interval;
    m.Team = CommonText(items.at(6));
    m.WorkLocation = CommonText(items.at(7));
    m.StartSlot = CommonText(items.at(8));
    m.Duration = CommonText(items.at(9));
    m.Unit = CommonText(items.at(10));
    m.Status = CommonText(items.at(11));
    m.CompletedDate = CommonText(items.at(12));
    return m;
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
    return HeaderOf(items);
}

std::optional<MilestoneRecord> ParseMilestoneRecord(const QList<ReadValue>& items)
{
    return MilestoneOf(items);
}

std::optional<ProjectData> ReadProjectFile(const QString& path)
{
    QByteArray buffer;
    return ReadProjectFile(path, buffer);
}

std::optional<ProjectData> ReadProjectFile(const QString& path, QByteArray& buffer)
{
    if (!ReadWholeFile(path, buffer))
        return std::nullopt;
    ItemReader input(buffer);
    if (input.AtEnd())
        return std::nullopt;
    // One list of views serves every line, so no line costs more than its kept texts.
    ItemViews items;
    ProjectData project;
    input.ReadLineViews(items);
    std::optional<ProjectHeader> header = HeaderOf(items);
    if (!header)
        return std::nullopt;
    project.Header = std::move(*header);
    // A damaged count must not claim room for milestones the file cannot hold.
    project.Milestones.reserve(std::min<qsizetype>(project.Header.MilestoneCount, 64));
    for (int j = 1; j <= project.Header.MilestoneCount; ++j) {
        if (input.AtEnd())
            return std::nullopt;
        input.ReadLineViews(items);
        std::optional<MilestoneRecord> milestone = MilestoneOf(items);
        if (!milestone)
            return std::nullopt;
        project.Milestones.append(std::move(*milestone));
    }
    return project;
}

bool WriteProjectFile(const QString& path, const ProjectData& project)
{
    // The header counts the lines that follow it, whatever count it held: a reader trusts it.
    if (project.Milestones.size() > std::numeric_limits<qint16>::max())
        return false;
    TextOutput output = OpenForOutput(path);
    output.WriteRaw(ProjectFileBytes(project));
    return output.Close();
}

QByteArray ProjectFileBytes(const ProjectData& project)
{
    ProjectHeader header = project.Header;
    header.MilestoneCount = qint16(project.Milestones.size());
    QByteArray bytes = FormatProjectHeader(header);
    for (const MilestoneRecord& milestone : project.Milestones)
        bytes += FormatMilestoneRecord(milestone);
    return bytes;
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
