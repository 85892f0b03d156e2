#include "scheduling/EventRecords.h"

#include "core/FileAccess.h"
#include "core/SharedState.h"
#include "platform/RegionalFormat.h"
#include "scheduling/LoadedProjects.h"

SlipRecord& SlipRec()
{
    static SlipRecord record;
    return record;
}

void ResetSlipRec()
{
    SlipRec() = SlipRecord{};
}

bool FillProjectRecord(int position)
{
    const QList<LoadedProject>& projects = LoadedProjects().Projects;
    if (projects.isEmpty() || position < 1 || position > projects.at(0).Milestones.size())
        return false;
    const LoadedProject& project = projects.at(0);
    const ProjectHeader& header = project.Header;
    const MilestoneRecord& milestone = project.Milestones.at(position - 1);
    SlipRecord& record = SlipRec();

    // Nothing of this program reads the tag; it is left blank rather than carry an old value.
    record.RecordTag.clear();
    record.EventKey = header.ProjectNo;
    record.AccountNo = header.AccountNo;
    record.CustomerName = header.SiteName;
    record.Address1 = header.SiteAddress1;
    record.Address2 = header.SiteAddress2;
    record.City = header.SiteCity;
    record.State = header.SiteState;
    record.Zip = header.SiteZip;
    record.Telephone = header.SiteTelephone;
    record.EventDate = ShortDateText(milestone.ScheduledDate);
    record.Unit = milestone.Unit;
    record.Duration = milestone.Duration;
    record.TeamNo = milestone.Team;
    // The milestone's position, in the currency form (not a price).
    record.Amount = CurrencyText(position);
    record.Extra2.clear();
    record.Status = StatusScheduled;
    record.Extra1.clear();
    record.EventText = milestone.MilestoneName.trimmed();
    record.StartSlot = milestone.StartSlot;
    return true;
}

bool AppendRecord(const QString& path)
{
    RecordFile file = GetRecordCount(path);
    Shared().SlipRecNext = Shared().SlipRecCount + 1;
    return file.Write(Shared().SlipRecNext, SlipRec().ToBytes());
}

bool IsRecordOfProject(const SlipRecord& record, const ProjectData& project)
{
    // The project's own fields as a written record holds them, cut to their widths.
    SlipRecord own;
    own.EventKey = project.Header.ProjectNo.trimmed();
    own.AccountNo = project.Header.AccountNo;
    own = SlipRecord::FromBytes(own.ToBytes());
    if (own.EventKey.isEmpty() || record.EventKey.trimmed() != own.EventKey.trimmed())
        return false;
    constexpr int KeyWidth = 10;
    if (project.Header.ProjectNo.trimmed().size() < KeyWidth)
        return true;
    if (record.AccountNo.trimmed() != own.AccountNo.trimmed())
        return false;
    for (const MilestoneRecord& milestone : project.Milestones) {
        if (milestone.PersonnelType != 2)
            continue;
        SlipRecord named;
        named.EventText = milestone.MilestoneName.trimmed();
        if (record.EventText.trimmed() == SlipRecord::FromBytes(named.ToBytes()).EventText.trimmed())
            return true;
    }
    return false;
}

QList<SlipRecord> ReadEventRecords(const QString& path)
{
    QList<SlipRecord> records;
    if (!FileExists(path))
        return records;
    RecordFile file = OpenForRandom(path, SlipRecord::Length);
    const qint64 count = file.Count();
    for (qint64 n = 1; n <= count; ++n)
        records.append(SlipRecord::FromBytes(file.Read(n)));
    return records;
}
