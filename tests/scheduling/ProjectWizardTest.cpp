#include "core/Settings.h"
#include "scheduling/ProjectWizard.h"
#include "support/ProgramFolderFixture.h"

namespace {

class ProjectWizardTest : public ProgramFolderTest {
protected:
    struct Entry {
        const char* name;
        int dependency;
        int interval;
    };
    static void Catalogue(std::initializer_list<Entry> entries)
    {
        SettingsValues& s = Settings();
        for (const Entry& e : entries) {
            s.TplName.append(e.name);
            s.TplPersonnelType.append(2);
            s.TplPhase.append(1);
            s.TplDependency.append(qint16(e.dependency));
            s.TplInterval.append(qint16(e.interval));
        }
        s.TplCount = qint16(entries.size());
    }
};

TEST_F(ProjectWizardTest, DependenciesAreRenumberedAmongTheSelectedMilestones)
{
    // A; B; C after A, 3 days; D after C, 2 days; E after A, 5 days; F after G (later).
    Catalogue({{"A", 0, 0}, {"B", 0, 0}, {"C", 1, 3}, {"D", 3, 2}, {"E", 1, 5}, {"F", 7, 4}, {"G", 0, 0}});
    struct Case {
        QList<bool> selected;
        QStringList dependencies; // name:dependency:interval
    } cases[] = {
        {{true, false, true, true, false, false, false}, {"A:0:0", "C:1:3", "D:2:2"}},
        {{true, false, false, false, true, false, false}, {"A:0:0", "E:1:5"}},
        {{false, true, true, true, false, true, true}, {"B:0:0", "C:0:0", "D:2:2", "F:0:0", "G:0:0"}},
    };
    for (const Case& c : cases) {
        QStringList got;
        for (const MilestoneRecord& m : BuildMilestoneArrays(c.selected))
            got << QStringLiteral("%1:%2:%3").arg(m.MilestoneName).arg(m.Dependency).arg(m.Interval);
        EXPECT_EQ(got, c.dependencies) << got.join(' ').toStdString();
    }
}

TEST_F(ProjectWizardTest, ProposalsLandOnWorkdaysTheCalendarTakes)
{
    const QDate tuesday(2026, 3, 10), friday(2026, 3, 13), monday(2026, 3, 16), sunday(2026, 3, 15);
    struct Case {
        int workWeek;
        QDate dependency;
        int bookedDays, interval;
        QDate proposal;
    } cases[] = {
        {5, tuesday, 0, 1, tuesday}, // after hours on D with interval 1: D itself
        {5, friday, 0, 1, friday},
        {5, friday, 3, 1, QDate(2026, 3, 17)},
        {61, friday, 3, 1, QDate(2026, 3, 17)},
        {7, friday, 3, 1, monday},
        {62, friday, 1, 0, sunday},
        {5, friday, 1, 0, monday},
    };
    for (const Case& c : cases) {
        Settings().WorkWeek = quint8(c.workWeek);
        EXPECT_EQ(ProposeStartDate(c.dependency, c.bookedDays, c.interval), c.proposal) << c.workWeek;
    }

    Settings().WorkWeek = 5;
    const QDate today(2026, 3, 10), latest(2028, 3, 10);
    EXPECT_EQ(SettleScheduleDate(today, QDateTime(today, QTime(19, 59)), latest, 5), today);
    EXPECT_EQ(SettleScheduleDate(today, QDateTime(today, QTime(20, 0)), latest, 5), QDate(2026, 3, 11));
    EXPECT_EQ(SettleScheduleDate(QDate(2026, 3, 2), QDateTime(today, QTime(9, 0)), latest, 5), today);
    EXPECT_EQ(SettleScheduleDate(QDate(2026, 3, 13), QDateTime(QDate(2026, 3, 13), QTime(21, 0)), latest, 5), monday);
    // Saturday 2028-03-11 would be Monday the 13th, past the latest date: Friday the 10th.
    EXPECT_EQ(SettleScheduleDate(QDate(2028, 3, 11), QDateTime(today, QTime(9, 0)), latest, 5), QDate(2028, 3, 10));
}

TEST_F(ProjectWizardTest, SummaryDaysCountFromTheFirstMilestone)
{
    auto milestones = [](std::initializer_list<std::pair<int, int>> phaseAndDay) {
        QList<MilestoneRecord> list;
        for (auto [phase, day] : phaseAndDay) {
            MilestoneRecord m;
            m.Phase = qint16(phase);
            m.ScheduledDate = QDate(2026, 3, 1).addDays(day);
            list.append(m);
        }
        return list;
    };
    struct Case {
        QList<MilestoneRecord> milestones;
        qint64 pre, construction, total;
    } cases[] = {
        {milestones({{1, 0}, {1, 4}}), 0, 1, 4},          // all before construction
        {milestones({{1, 2}, {2, 2}, {3, 2}}), 0, 1, 1},  // one day
        {milestones({{1, 0}, {2, 5}, {2, 9}}), 5, 1, 9},  // no post-construction
        {milestones({{1, 0}, {2, 3}, {3, 10}}), 3, 7, 10},
        {milestones({{1, 8}, {2, 2}, {3, 5}}), -6, 3, -3}, // dates out of order
        {milestones({{0, 0}, {0, 6}}), 0, 1, 6},
    };
    for (const Case& c : cases) {
        const SummaryFigures f = SummaryDays(c.milestones);
        EXPECT_EQ(f.PreConstructionDays, c.pre);
        EXPECT_EQ(f.ConstructionDays, c.construction);
        EXPECT_EQ(f.TotalDays, c.total);
    }
    EXPECT_EQ(PhaseName(3), "Post Construction");
    EXPECT_EQ(PhaseName(0), "");
}

} // namespace
