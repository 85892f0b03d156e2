#pragma once

#include <QDate>
#include <QString>

#include <array>

// The printed day of one team: the daily work schedule (the twelve hour slots, portrait, on
// plain paper) or the completion report (the eight working slots in a ruled grid with a payment
// block per job, landscape, on perforated response paper). Built from what the day window shows.

struct ScheduleSlot {
    QString TimeLabel;  // the label beside the slot's day-window box
    QString HourText;   // the hour grid's text of the slot
    // As the day window holds it: 0 telephone, 1 name, 2 address 1, 3 city line, 4 event key,
    // 5 event date, 6 fourth address line.
    std::array<QString, 7> AccountInfo;
};

struct SchedulePage {
    QString TeamName;
    QDate Date;
    std::array<ScheduleSlot, 12> Slots; // slot 1 first
    bool UsaStyle = false;
};

// The first and last slot a document prints: all twelve, or the eight working slots.
int FirstPrintedSlot(bool completionReport);
int LastPrintedSlot(bool completionReport);

void PrintScheduleHeader(const SchedulePage& page, bool completionReport);
void PrintDaySlots(const SchedulePage& page, bool completionReport);
void DrawCompletionGrid(const SchedulePage& page);
void PrintPaymentBlocks(const SchedulePage& page);
// One payment block for the slot (1-based) at a position in inches.
void PrintCompletionData(const SchedulePage& page, int slot, double x, double y);
// The whole page of one team, set up on the printer in its orientation.
void PrintSchedule(const SchedulePage& page, bool completionReport);
