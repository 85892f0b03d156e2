#include "projects/ProjectSummary.h"

#include "core/SharedState.h"
#include "platform/RegionalFormat.h"
#include "projects/MilestoneScheduling.h"
#include "scheduling/TeamDayStore.h"

int ProjectDayTotal(const LoadedProject& project)
{
    if (project.Milestones.isEmpty())
        return 0;
    const MilestoneRecord& first = project.Milestones.first();
    const MilestoneRecord& last = project.Milestones.last();
    return int(first.ScheduledDate.daysTo(last.ScheduledDate)) + last.Interval;
}

QString ProposalText(const ProjectHeader& header)
{
    const QString number = header.ProposalNo.trimmed();
    if (number.isEmpty() || number == QLatin1String("Proposal Number"))
        return {};
    return QStringLiteral("No. ") + header.ProposalNo;
}

QString CityLine(const ProjectHeader& header)
{
    return header.City + QStringLiteral(", ") + header.State + QLatin1Char(' ') + header.Zip;
}

std::array<QString, 8> MilestoneDetailTexts(const LoadedProject& project, int milestone)
{
    static const QString Phases[4] = {QString(), QStringLiteral("Pre-Construction"), QStringLiteral("Construction"),
                                      QStringLiteral("Post Construction")};
    const MilestoneRecord& m = project.Milestones.at(milestone - 1);
    const SharedState& shared = Shared();
    std::array<QString, 8> texts;
    texts[0] = m.MilestoneName;
    if (!IsTechnical(m)) {
        texts[1] = QStringLiteral("Administrative Staff");
    } else {
        texts[1] = TeamName(m.Team);
    }
    texts[2] = m.Phase >= 1 && m.Phase <= 3 ? Phases[m.Phase] : QString();
    texts[3] = ShortDateText(m.ScheduledDate);
    if (IsTechnical(m)) {
        bool ok = false;
        const int slot = m.StartSlot.trimmed().toInt(&ok);
        if (ok && slot >= 1 && slot <= 12 && slot < shared.TimeSlotLabels.size())
            texts[3] += QStringLiteral(" at ") + shared.TimeSlotLabels.at(slot);
    }
    texts[4] = IsTechnical(m) ? m.Duration + QLatin1Char(' ') + m.Unit : QStringLiteral("No Time Established");
    if (m.Dependency < 1 || m.Dependency > project.Milestones.size())
        texts[5] = QStringLiteral("has no Dependency");
    else
        texts[5] = project.Milestones.at(m.Dependency - 1).MilestoneName;
    texts[6] = m.Status;
    if (m.Status == StatusCompleted)
        texts[6] += QLatin1Char(' ') + m.CompletedDate;
    texts[7] = m.WorkLocation;
    return texts;
}
