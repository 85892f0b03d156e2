#pragma once

#include "core/WriteFormat.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// A project file, "/ConstructionProjects/<ProjectNo>.txt": one header line of 19 items, then one
// line of 13 items per milestone, all write-format lines.

struct ProjectHeader {
    QString ProjectNo;
    QString ProjectName;   // the project title
    QString AccountNo;
    QString ProposalNo;
    // The billing block, as handed over by the customer or proposal screen.
    QString CustomerName;
    QString Address1;
    QString Address2;
    QString City;          // address line 3 in the international style
    QString State;         // address line 4 in the international style
    QString Zip;
    QString Telephone;
    // The job-site block.
    QString SiteName;
    QString SiteAddress1;
    QString SiteAddress2;
    QString SiteCity;
    QString SiteState;
    QString SiteZip;
    QString SiteTelephone;
    qint16 MilestoneCount = 0;
};

inline const QString StatusScheduled = QStringLiteral("Scheduled");
inline const QString StatusCompleted = QStringLiteral("Completed");
// The trailing blank is part of the value.
inline const QString NotCompleted = QStringLiteral("Not Completed ");

struct MilestoneRecord {
    QString MilestoneName;
    qint16 PersonnelType = 0; // 1 administrative, 2 technical
    QDate ScheduledDate;
    qint16 Phase = 0;         // 1 before, 2 during, 3 after construction
    qint16 Dependency = 0;    // position of the milestone this one follows; 0 none
    qint16 Interval = 0;      // days after the dependency
    QString Team;             // team number as digits, "" when none
    QString WorkLocation;     // "Office/Shop", "On Site" or "Office"
    QString StartSlot;        // hour slot 1 to 12 as digits
    QString Duration;         // hours or days as digits
    QString Unit;             // "Hours", "Days" or ""
    QString Status = StatusScheduled;
    QString CompletedDate = NotCompleted;
};

struct ProjectData {
    ProjectHeader Header;
    QList<MilestoneRecord> Milestones;
};

inline const QString ProjectsFolder = QStringLiteral("/ConstructionProjects");
inline const QString ProjectTempFilePath = QStringLiteral("/ProjectTempFile.txt");

QString ProjectFilePath(const QString& projectNo);

QByteArray FormatProjectHeader(const ProjectHeader& header);
QByteArray FormatMilestoneRecord(const MilestoneRecord& milestone);
// Nothing when the line lacks items or holds an item of the wrong type.
std::optional<ProjectHeader> ParseProjectHeader(const QList<ReadValue>& items);
std::optional<MilestoneRecord> ParseMilestoneRecord(const QList<ReadValue>& items);

// A whole project file; nothing when it is missing, ends early or holds an unreadable item.
std::optional<ProjectData> ReadProjectFile(const QString& path);
// The same, reading through `buffer`, which a reader of every project file keeps from one
// file to the next.
std::optional<ProjectData> ReadProjectFile(const QString& path, QByteArray& buffer);
// The bytes of a whole project file: the header, counting the milestones, and a line for each.
QByteArray ProjectFileBytes(const ProjectData& project);
// Writes a whole project file (replacing it): every milestone held, the header counting them.
// False when it could not be written.
bool WriteProjectFile(const QString& path, const ProjectData& project);

// The wizard's scratch copy: the header starts a new "ProjectTempFile.txt", each scheduled
// milestone appends its line. False, and nothing appended, when the old scratch copy or its
// backup could not be deleted.
bool WriteProjectHeader(const ProjectHeader& header);
bool AppendMilestoneRecord(const MilestoneRecord& milestone);
