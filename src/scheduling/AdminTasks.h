#pragma once

#include "scheduling/LoadedProjects.h"

#include <QDate>
#include <QList>
#include <QString>

// The office's to-do list: the administrative milestones of the loaded projects whose date
// falls in a range.
struct AdminTaskRow {
    QString ProjectNo;
    QString ProjectName;
    QDate Date;
    QString Milestone;
    QString CustomerName;
    QString Telephone;
};

// Both ends included; in project order and, within a project, in milestone order.
QList<AdminTaskRow> ListAdminTasks(const LoadedProjectsState& projects, const QDate& first, const QDate& last);

// The "Administrative Tasks" report of rows as the screen lists them (six texts each), on a
// landscape page.
void PrintAdminHeader(const QDate& first, const QDate& last);
void PrintAdminRows(const QDate& first, const QDate& last, const QList<QStringList>& rows);
void PrintAdminReport(const QDate& first, const QDate& last, const QList<QStringList>& rows);
