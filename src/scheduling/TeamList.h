#pragma once

#include <QString>
#include <QStringList>

// The folder and file work behind the team list: a new team's folder, and the renumbering
// that deleting a team calls for. A team is known everywhere by its 1-based position, so every
// team after a deleted one moves down by one: its day folders in every year and in the backup
// mirror, and its number in the project files and in the event records ("ProjectRecords.txt",
// "Slips.txt" and "Meetings.txt").

// Makes the running year's folder of the last team of a list of that many teams.
void CreateTeamFolder(int teamCount);

// Milestones not completed in the project files that are booked to the team.
int OpenMilestonesOfTeam(int teamNo);

// Service slips and meetings of the team dated today or later: they go with its days when the
// team is deleted.
struct TeamEventCounts {
    int Slips = 0;
    int Meetings = 0;
};
TeamEventCounts UpcomingEventsOfTeam(int teamNo);

struct TeamDeletion {
    bool Done = false;
    // The folder or file that stopped the deletion; the teams were left as they were.
    QString Problem;
    // A deletion, this one or one cut short before, could be neither finished nor put back: its
    // marker stays, and the program must end before it writes anything of the teams; the next
    // start settles it.
    bool Unsettled = false;
    // Files whose team numbers could not be brought in line after the deletion.
    QStringList NotRenumbered;
    // Folders of the deleted team that were set aside but could not be removed.
    QStringList NotRemoved;
};

// Deletes team `teamNo` of `teamCountBefore` teams: writes the remaining names as the new team
// list and renumbers the folders, project files and event records (the deleted team's own
// bookings are left without a team; its slips and meetings from today on go with its days).
// Every new file is written, and every name checked, before anything is changed; a deletion
// that is refused midway puts back exactly what it did, and one cut short is finished or put
// back at the next start.
TeamDeletion PurgeFolder(int teamNo, int teamCountBefore, const QStringList& remainingNames);
