#include "scheduling/ProjectWizard.h"

#include "core/Settings.h"
#include "scheduling/ScheduleViews.h"
#include "scheduling/TeamDayStore.h"

QList<MilestoneRecord> BuildMilestoneArrays(const QList<bool>& selected)
{
    const SettingsValues& s = Settings();
    QList<MilestoneRecord> milestones;
    for (qsizetype i = 0; i < selected.size(); ++i) {
        if (!selected.at(i))
            continue;
        const int c = int(i) + 1;
        MilestoneRecord m;
        m.MilestoneName = s.TplName.value(c);
        m.PersonnelType = s.TplPersonnelType.value(c);
        m.Phase = s.TplPhase.value(c);
        const int d = s.TplDependency.value(c);
        // Only an earlier, selected entry can be followed (a hand-edited catalogue may name
        // others).
        if (d >= 1 && d < c && selected.value(d - 1)) {
            int position = 0;
            for (int e = 1; e <= d; ++e)
                position += selected.value(e - 1) ? 1 : 0;
            m.Dependency = qint16(position);
            m.Interval = s.TplInterval.value(c);
        }
        milestones.append(m);
    }
    return milestones;
}

QDate ProposeStartDate(const QDate& dependencyDate, int bookedDays, int interval)
{
    const QDate a = SkipNonWorkDays(dependencyDate.addDays(bookedDays));
    const QDate b = SkipNonWorkDays(dependencyDate.addDays(bookedDays - 1));
    const QDate c = SkipNonWorkDays(b.addDays(interval));
    return c > a ? c : a;
}

QDate SettleScheduleDate(const QDate& date, const QDateTime& now, const QDate& latest, int workWeek)
{
    const QDate today = now.date();
    QDate day = SkipNonWorkDays(std::max(date, today));
    if (day == today)
        day = SkipNonWorkDays(now.time().hour() > 19 ? today.addDays(1) : today);
    while (day > latest && day > today)
        day = StepScheduleDay(day, false, workWeek);
    return day;
}

SummaryFigures SummaryDays(const QList<MilestoneRecord>& milestones)
{
    SummaryFigures figures;
    if (milestones.isEmpty())
        return figures;
    const QDate first = milestones.first().ScheduledDate;
    QDate construction = first, post = first;
    bool constructionFound = false, postFound = false;
    for (const MilestoneRecord& m : milestones) {
        if (!constructionFound) {
            if (m.Phase == 2) {
                construction = m.ScheduledDate;
                constructionFound = true;
            } else {
                construction = first;
            }
        }
        if (!postFound) {
            if (m.Phase == 3) {
                post = m.ScheduledDate;
                postFound = true;
            } else {
                post = construction;
            }
        }
    }
    const QDate last = milestones.last().ScheduledDate;
    figures.TotalDays = first.daysTo(last);
    figures.PreConstructionDays = first.daysTo(construction);
    figures.ConstructionDays = construction.daysTo(post);
    if (figures.ConstructionDays == 0)
        figures.ConstructionDays = 1;
    if (figures.TotalDays == 0)
        figures.TotalDays = 1;
    return figures;
}

QString PhaseName(int phase)
{
    switch (phase) {
    case 1:
        return QStringLiteral("Pre-Construction");
    case 2:
        return QStringLiteral("Construction");
    case 3:
        return QStringLiteral("Post Construction");
    default:
        return QString();
    }
}
