#pragma once

#include <QByteArray>
#include <QString>

// The 297-byte event record shared by "ProjectRecords.txt", "Slips.txt" and "Meetings.txt":
// twenty fixed-width text fields, no separators.
struct SlipRecord {
    static constexpr int Length = 297;

    QString RecordTag;    // 10
    QString EventKey;     // 10
    QString TeamNo;       // 2
    QString Unit;         // 6
    QString Duration;     // 2
    QString EventDate;    // 10, short-date text
    QString StartSlot;    // 2
    QString EventText;    // 30
    QString Status;       // 20
    QString Extra1;       // 20
    QString Extra2;       // 20
    QString Amount;       // 10
    QString AccountNo;    // 20
    QString CustomerName; // 30
    QString Address1;     // 35
    QString Address2;     // 25
    QString City;         // 20
    QString State;        // 2
    QString Zip;          // 10
    QString Telephone;    // 13

    static SlipRecord FromBytes(const QByteArray& bytes);
    QByteArray ToBytes() const;
};
