#pragma once

#include "scheduling/ProjectFile.h"

#include <QDate>
#include <QList>
#include <QSet>
#include <QStringList>

// Every saved project held in memory, filled from the files of "/ConstructionProjects".
// One record per project: its header items (PrjNo ... PrjMilestoneCount in the file's order)
// and its milestones (MsName ... MsCompletedDate), milestone j of project i being
// Projects[i].Milestones[j - 1].
struct LoadedProject {
    ProjectHeader Header;               // PrjNo, PrjName, PrjAccountNo, ... PrjMilestoneCount
    QList<MilestoneRecord> Milestones;  // MsName, MsPersonnelType, MsScheduledDate, ... MsCompletedDate
    // The file the project came from and goes back to.
    QString FileName;
    bool ProjectChanged = false;
};

struct LoadedProjectsState {
    // Names of the project files found, 1-based (element 0 unused); project i came from
    // ProjectFiles[i].
    QStringList ProjectFiles{QString()};
    int ProjectCount = 0;
    // The largest milestone count among the loaded projects.
    int MsCount = 0;
    // True while the tables hold every project file as last read; false means a reader must
    // call LoadProjects first.
    bool ProjectsLoaded = false;
    // Element 0 holds a newly saved project read back; 1 to ProjectCount the loaded ones.
    QList<LoadedProject> Projects{LoadedProject{}};
    // Project files left out because they could not be read.
    QStringList DamagedProjectFiles;
};

LoadedProjectsState& LoadedProjects();
void ResetLoadedProjects();

// Lists the project files (by name) into ProjectFiles; with none, ProjectsLoaded becomes false.
int FindProjectFiles();
// Reads every project file into the tables. A file that cannot be read is left out (and
// named in DamagedProjectFiles); it is never rewritten.
void LoadProjects();
// Writes every changed project back to its own file; then the tables are stale. The answer
// lists the files that could not be written.
QStringList SaveProjects();

// A milestone is past due when its date is before today and its status is not exactly
// "Completed".
bool IsPastDue(const MilestoneRecord& milestone, const QDate& today);

struct MilestoneRef {
    int Project;   // 1-based
    int Milestone; // 1-based
};
// The past-due milestones of the loaded projects, in file order.
QList<MilestoneRef> PastDueMilestones();

// Damaged files not yet reported to the user in this run; each is reported once.
QStringList TakeUnreportedDamagedFiles();
