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
