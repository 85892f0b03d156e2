#pragma once

#include "scheduling/ProjectFile.h"

// The header of the benchmarks' sample project number p: a customer of its own, the job at the
// billing address, as the wizard writes it.
inline ProjectHeader SampleProjectHeader(int p)
{
    ProjectHeader h;
    h.ProjectNo = QStringLiteral("Pj%1-%2").arg(p % 366 + 1).arg(p / 366 + 1);
    h.ProjectName = QStringLiteral("Addition and kitchen remodel");
    h.AccountNo = QStringLiteral("ACCT%1").arg(p);
    h.CustomerName = h.SiteName = QStringLiteral("Customer %1").arg(p);
    h.Address1 = h.SiteAddress1 = QStringLiteral("%1 Main Street").arg(p);
    h.City = h.SiteCity = QStringLiteral("Springfield");
    h.State = h.SiteState = QStringLiteral("IL");
    h.Zip = h.SiteZip = QStringLiteral("62701");
    h.Telephone = h.SiteTelephone = QStringLiteral("(217)555-0100");
    return h;
}

// Sample project p with 5 to 15 milestones, administrative and technical by turns, spread over
// `teams` teams from `first` on.
inline ProjectData SampleMixedProject(int p, int teams, const QDate& first)
{
    ProjectData project;
    project.Header = SampleProjectHeader(p);
    const int milestones = 5 + p % 11;
    project.Header.MilestoneCount = qint16(milestones);
    for (int j = 1; j <= milestones; ++j) {
        MilestoneRecord m;
        m.MilestoneName = QStringLiteral("Milestone %1").arg(j);
        m.PersonnelType = qint16(1 + j % 2);
        m.ScheduledDate = first.addDays(p % 300 + j * 3);
        m.Phase = qint16(1 + j % 3);
        m.Team = QString::number(1 + j % teams);
        m.WorkLocation = QStringLiteral("On Site");
        m.StartSlot = QStringLiteral("3");
        m.Duration = QStringLiteral("2");
        m.Unit = QStringLiteral("Days");
        project.Milestones.append(m);
    }
    return project;
}
