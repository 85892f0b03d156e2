#pragma once

#include <QString>

// Project numbers: "Pj" + day of the year + "-" + the sequence of that day ("Pj45-3"), kept in
// "PjCounter.txt" as the day text and the number the next project of that day receives.
struct ProjectCounterState {
    QString PjCounterDay;
    qint16 PjCounterSeq = 1;
    // The number offered to the next project; empty when the day's numbers are all taken.
    QString NewProjectNo;
    // True when every number of the day up to 32767 has a project file, so no project can be
    // made today.
    bool NoNumberLeft = false;
};

ProjectCounterState& ProjectCounter();
void ResetProjectCounter();

inline const QString PjCounterPath = QStringLiteral("/PjCounter.txt");

// Reads the counter (restarting at 1 on a new day of the year), sets NewProjectNo and writes
// the counter back, so the file exists after every read. A number whose project file still
// exists is passed over, so a new project never replaces an old one. False when the counter
// could not be written or no number is left (NoNumberLeft tells which).
bool ReadProjectCounter();
bool SaveProjectCounter();
// Moves on to the next free number; the file is not written. False when no number is left.
bool NextProjectNumber();

inline const QString NoProjectNumberTitle = QStringLiteral("No Project Number");
inline const QString NoProjectNumberMessage =
    QStringLiteral("There is no project number left for today.\r\nPlease create the Project tomorrow.");

QString ProjectNumberFor(const QString& day, qint16 sequence);
