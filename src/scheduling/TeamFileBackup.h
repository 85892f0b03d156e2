#pragma once

#include "scheduling/ProjectFile.h"

#include <QList>
#include <QString>

// The copies of the team day files that let a new project be abandoned: the wizard backs up
// every team's days when it opens, books straight into the live files, and on an abandon frees
// its bookings and puts the copy back. The folders are "/<yyyy>/Team# <n>" and
// "/Backup/<yyyy>/Team# <n>" for this year and the next two.

// Deletes every file of the live (true) or backup (false) team folders; the folders stay.
// False when a file could not be deleted.
bool ClearTeamFiles(bool live);
// Mirrors the live team folders' ".txt" files into the backup folders (and back). A missing
// target folder is made; each file is copied over its target first and only then are the
// target's other files removed, so a failure never leaves a folder emptied. False when any
// folder could not be made or any file copied or removed. A restore puts back only a copy that
// was made whole in this run and otherwise touches nothing and answers false.
bool BackupTeamFiles();
bool RestoreTeamFiles();

// Frees the bookings of a project's milestones scheduled so far: for each technical one, on its
// team's booked days (its date for "Hours", the workdays from its date for "Days"), every slot
// that holds exactly the project number, "-" and the milestone name. A milestone whose team is
// not in the team list is skipped. False when a day could not be read or written.
bool UndoDaysEvents(const QString& projectNo, const QList<MilestoneRecord>& scheduled);

// The text a milestone's booking leaves in its team's slots.
QString BookingText(const QString& projectNo, const QString& milestoneName);
