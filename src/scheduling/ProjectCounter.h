#pragma once

#include <QString>

// Project numbers: "Pj" + day of the year + "-" + the sequence of that day ("Pj45-3"), kept in
// "PjCounter.txt" as the day text and the number the next project of that day receives.
struct ProjectCounterState {
    QString PjCounterDay;
    qint16 PjCounterSeq = 1;
    // The number offered to the next project.
    QString NewProjectNo;
};

ProjectCounterState& ProjectCounter();
void ResetProjectCounter();

inline const QString PjCounterPath = QStringLiteral("/PjCounter.txt");

// Reads the counter (restarting at 1 on a new day of the year), sets NewProjectNo and writes
// the counter back, so the file exists after every read. A number whose project file still
// exists is passed over, so a new project never replaces an old one.
bool ReadProjectCounter();
bool SaveProjectCounter();
// Moves on to the next free number; the file is not written.
void NextProjectNumber();

QString ProjectNumberFor(const QString& day, qint16 sequence);
