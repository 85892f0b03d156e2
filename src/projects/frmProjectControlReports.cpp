// The control board's reports: one project, every project, and the past-due milestones.
#include "projects/frmProjectControl.h"

#include "core/Printing.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "projects/ProjectReports.h"
#include "scheduling/LoadedProjects.h"

void frmProjectControl::mnuPrint_Click()
{
    if (!ProjectRowSelected())
        return;
    if (MsgBox(QStringLiteral("This Routine Prints the Selected Project\nClick Yes to Continue"), MsgButtons::YesNo,
               MsgIcon::Question, QStringLiteral("Print Project")) == MsgAnswer::Yes)
        PrintSelectedProject();
}

void frmProjectControl::cmdPrint_Click()
{
    mnuPrint_Click();
}

void frmProjectControl::PrintSelectedProject()
{
    RunPrintJob(QStringLiteral("The Project will not be Printed"), [this] {
        SelectedProject = fgProjects->currentRow() + 1;
        PrintProject(SelectedProject);
    });
}

void frmProjectControl::mnuPrintAll_Click()
{
    if (LoadedProjects().ProjectCount < 1)
        return;
    if (MsgBox(QStringLiteral("This Routine Prints all Projects\nClick Yes to Continue"), MsgButtons::YesNo,
               MsgIcon::Question, QStringLiteral("Print All Projects")) != MsgAnswer::Yes)
        return;
    // Each project is a print job of its own.
    RunPrintJob(QStringLiteral("The Projects will not be Printed"), LoadedProjects().ProjectCount,
                [](int document) { PrintProject(document + 1); });
}

void frmProjectControl::cmdPrintPastCompletion_Click()
{
    QList<QStringList> rows;
    for (int r = 1; r < fgCompleted->Rows(); ++r) {
        if (fgCompleted->TextMatrix(r, 0).isEmpty())
            continue;
        rows.append({fgCompleted->TextMatrix(r, 0), fgCompleted->TextMatrix(r, 1), fgCompleted->TextMatrix(r, 2),
                     fgCompleted->TextMatrix(r, 3)});
    }
    RunPrintJob(QStringLiteral("The Report will not be Printed"), [&rows] { PrintPastDueReport(rows); });
}
