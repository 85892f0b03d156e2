#pragma once

#include "scheduling/ProjectFile.h"

#include <QList>
#include <QDate>
#include <QString>

#include <utility>

// The copies of the team day files taken when the wizard opens: it books straight into the
// live files, and on an abandon frees its own bookings; a day that then holds again what the
// copy holds gets the copy's bytes back. The copy is never put back whole over the live files,
// which another program writes into too. The folders are "/<yyyy>/Team# <n>" and
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
// that holds exactly the project number, "-" and the milestone name. Nothing else changes: what
// another program wrote meanwhile stays. A day that then holds just what the copy of the team
// files made when the wizard opened holds is put back as it was (a day file the booking made
// goes). A milestone whose team is not in the team list is skipped. False when a day could not
// be read or written; those days, with their team texts, are added to `notGivenBack`.
bool UndoDaysEvents(const QString& projectNo, const QList<MilestoneRecord>& scheduled,
                    QList<std::pair<QString, QDate>>* notGivenBack = nullptr);

// The text a milestone's booking leaves in its team's slots.
QString BookingText(const QString& projectNo, const QString& milestoneName);
