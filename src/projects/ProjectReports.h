#pragma once

#include <QList>
#include <QStringList>

// The control board's printed reports: the status and event report of a loaded project
// (landscape, past-due milestones in red, rows in groups of five) and the report of milestones
// past their completion date. They draw on the program's printer inside a print run.

inline const QString ProjectReportTitle = QStringLiteral("Construction Project Status and Event Report");
inline const QString PastDueReportTitle = QStringLiteral("Milestones Past Competion Report");

void PrintProjectHeader(int project);
void PrintProject(int project);
void PrintPastDueHeader();
// One row per past-due milestone: project number, project name, milestone, scheduled date.
void PrintPastDueReport(const QList<QStringList>& rows);
