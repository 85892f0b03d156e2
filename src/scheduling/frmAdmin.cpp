#include "scheduling/frmAdmin.h"

#include "core/GridWheel.h"
#include "core/Navigation.h"
#include "core/Printing.h"
#include "core/Settings.h"
#include "core/Shutdown.h"
#include "core/Utilities.h"
#include "platform/Clock.h"
#include "platform/DatePicker.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/RegionalFormat.h"
#include "platform/WaitCursor.h"
#include "scheduling/AdminTasks.h"
#include "scheduling/LoadedProjects.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct AdminColumn {
    const char* caption;
    bool centred;
    int width; // in characters, blanks included
};
const AdminColumn AdminColumns[6] = {
    {"Proj No", true, 9},  {"Project Name", false, 33},  {"Date", true, 17},
    {"Milestone Event", true, 36}, {"Customer Name", false, 35}, {"Phone", true, 17},
};

} // namespace

frmAdmin::frmAdmin()
{
    setWindowTitle(QStringLiteral("Administrative Events"));
    auto* layout = new QVBoxLayout(this);

    auto* range = new QGridLayout;
    range->addWidget(new QLabel(QStringLiteral("Starting Date"), this), 0, 0);
    DTStart = new DatePicker(this);
    range->addWidget(DTStart, 1, 0);
    range->addWidget(new QLabel(QStringLiteral("Ending Date"), this), 0, 1);
    DTEnd = new DatePicker(this);
    range->addWidget(DTEnd, 1, 1);
    auto* instruction = new QLabel(QStringLiteral("Click on a Starting Date and an Ending Date. Administrative events "
                                                  "(Milestones) will be displayed in the grid below."),
                                   this);
    instruction->setWordWrap(true);
    range->addWidget(instruction, 0, 2, 2, 1);
    range->setColumnStretch(2, 1);
    layout->addLayout(range);

    fgAdminSchedule = new FlexGrid(this);
    fgAdminSchedule->setToolTip(QStringLiteral("Shows Admin events by date range"));
    fgAdminSchedule->SetCols(6);
    for (int col = 0; col < 6; ++col) {
        const AdminColumn& column = AdminColumns[col];
        fgAdminSchedule->SetTextMatrix(0, col, QString::fromUtf8(column.caption));
        fgAdminSchedule->SetColWidthInCharacters(col, column.width);
        fgAdminSchedule->SetColAlignment(col, column.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    }
    fgAdminSchedule->SetRows(2);
    layout->addWidget(fgAdminSchedule, 1);

    auto* buttons = new QHBoxLayout;
    const std::pair<int, const char*> weekly[] = {{3, "&Load Grid"}, {5, "Next Year"}, {6, " Next Month"}, {7, "Next Qtr"}};
    for (const auto& [index, caption] : weekly) {
        cmdWeekly[size_t(index)] = new QPushButton(QString::fromUtf8(caption), this);
        buttons->addWidget(cmdWeekly[size_t(index)]);
        connect(cmdWeekly[size_t(index)], &QPushButton::clicked, this, [this, i = index] { cmdWeekly_Click(i); });
    }
    buttons->addStretch();
    cmdAdmin[0] = new QPushButton(QStringLiteral("&Menu"), this);
    cmdAdmin[0]->setToolTip(QStringLiteral("Return to Main menu"));
    cmdAdmin[1] = new QPushButton(QStringLiteral("&Print"), this);
    cmdAdmin[1]->setToolTip(QStringLiteral("Print Report"));
    for (int i = 0; i < 2; ++i) {
        buttons->addWidget(cmdAdmin[size_t(i)]);
        connect(cmdAdmin[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdAdmin_Click(i); });
    }
    layout->addLayout(buttons);
    connect(DTEnd, &DatePicker::DateClick, this, [this] { DTEnd_Click(); });
    resize(1100, 520);
}

void frmAdmin::Form_Load()
{
    if (!LoadedProjects().ProjectsLoaded) {
        const WaitCursor wait;
        LoadProjects();
    }
    const QStringList damaged = TakeUnreportedDamagedFiles();
    if (!damaged.isEmpty())
        MsgBox(QStringLiteral("These project files could not be read and are left out:\n") + FewLines(damaged),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Damaged Project Files"));
}

void frmAdmin::Form_Activate()
{
    HookFlexGrid(this, fgAdminSchedule);
    SetDefaultDateRange();
    LoadAdminTasks();
}

void frmAdmin::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    UnhookFlexGrid();
    if (unloadMode == UserClosed)
        EndProgram();
}

void frmAdmin::SetDefaultDateRange()
{
    const QDate today = Clock::Today();
    DTStart->SetValue(today);
    DTEnd->SetValue(today.addMonths(1));
}

void frmAdmin::ClearAdminGrid()
{
    for (int row = 1; row < fgAdminSchedule->Rows(); ++row)
        for (int col = 0; col < 6; ++col)
            fgAdminSchedule->SetTextMatrix(row, col, QString());
}

void frmAdmin::LoadAdminTasks()
{
    if (!LoadedProjects().ProjectsLoaded) {
        cmdAdmin[1]->setEnabled(false);
        return;
    }
    ClearAdminGrid();
    fgAdminSchedule->SetRows(2);
    LoadedFirst = DTStart->Value();
    LoadedLast = DTEnd->Value();
    const QList<AdminTaskRow> tasks = ListAdminTasks(LoadedProjects(), LoadedFirst, LoadedLast);
    fgAdminSchedule->SetRows(int(tasks.size()) + 1 + (tasks.isEmpty() ? 1 : 0));
    for (int r = 0; r < tasks.size(); ++r) {
        const AdminTaskRow& task = tasks.at(r);
        const QString texts[6] = {task.ProjectNo, task.ProjectName, ShortDateText(task.Date),
                                  task.Milestone, task.CustomerName, task.Telephone};
        for (int col = 0; col < 6; ++col)
            fgAdminSchedule->SetTextMatrix(r + 1, col, texts[col]);
    }
    cmdAdmin[1]->setEnabled(!tasks.isEmpty());
}

QList<QStringList> frmAdmin::ListedRows() const
{
    QList<QStringList> rows;
    for (int row = 1; row < fgAdminSchedule->Rows(); ++row) {
        QStringList texts;
        for (int col = 0; col < 6; ++col)
            texts.append(fgAdminSchedule->TextMatrix(row, col));
        if (!texts.join(QString()).isEmpty())
            rows.append(texts);
    }
    return rows;
}

void frmAdmin::cmdWeekly_Click(int Index)
{
    const QDate today = Clock::Today();
    switch (Index) {
    case 3:
        LoadAdminTasks();
        return;
    case 5:
        DTEnd->SetValue(today.addYears(1));
        break;
    case 6:
        DTEnd->SetValue(today.addMonths(1));
        break;
    case 7:
        DTEnd->SetValue(today.addMonths(3));
        break;
    default:
        return;
    }
    DTStart->SetValue(today);
    LoadAdminTasks();
}

void frmAdmin::cmdAdmin_Click(int Index)
{
    if (Index == 0) {
        Unload();
        ShowMainMenu();
        return;
    }
    if (Index == 1)
        PrintAdminReport();
}

void frmAdmin::PrintAdminReport()
{
    const QList<QStringList> rows = ListedRows();
    if (rows.isEmpty())
        return;
    // The range the rows were loaded for, not the pickers as they may have been changed since.
    RunPrintJob(QStringLiteral("The Report will not be Printed"),
                [&] { ::PrintAdminReport(LoadedFirst, LoadedLast, rows); });
}

void frmAdmin::DTEnd_Click()
{
    if (DTStart->Value() >= Clock::Today() && DTEnd->Value() >= DTStart->Value())
        return;
    if (Settings().AlarmsOn)
        Beep();
    ShowInvalidCalendar();
    SetDefaultDateRange();
    DTStart->setFocus();
}
