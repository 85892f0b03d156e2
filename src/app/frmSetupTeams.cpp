// The settings screen's Assignments tab: the team list, typed or dropped from the
// sub-contractors of the contact file.
#include "app/frmSetup.h"

#include "accounts/ContactRecord.h"
#include "app/Startup.h"
#include "core/DataUpkeep.h"
#include "core/Settings.h"
#include "core/Shutdown.h"
#include "core/SharedState.h"
#include "core/Utilities.h"
#include "core/WriteFormat.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"
#include "scheduling/TeamList.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int MaxTypedTeams = 40;

// Lets the team list take a name dragged from the sub-contractor list.
class DropTarget : public QObject {
public:
    DropTarget(frmSetup* screen, QListWidget* source) : QObject(screen), screen_(screen), source_(source) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->source() == source_) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->source() == source_) {
                drop->acceptProposedAction();
                screen_->cboAssignments_DragDrop();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    frmSetup* screen_;
    QListWidget* source_;
};

} // namespace

QWidget* frmSetup::BuildAssignmentsTab()
{
    auto* page = new QWidget(this);
    auto* columns = new QHBoxLayout(page);

    auto* left = new QVBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Create up to 40 Work Assignments"), page);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    left->addWidget(heading);
    auto* explanation = new QLabel(QStringLiteral("Assignments can be an Individual, a Team, a Truck Route, a Territory, etc."), page);
    explanation->setWordWrap(true);
    left->addWidget(explanation);
    left->addWidget(new QLabel(QStringLiteral("Drop Here Here"), page));
    cboAssignments = NewTextCombo(page, 0);
    cboAssignments->setMaxVisibleItems(20);
    cboAssignments->setMinimumWidth(300);
    cboAssignments->setToolTip(QStringLiteral("Displays Current Assignment Names"));
    cboAssignments->setAcceptDrops(true);
    cboAssignments->lineEdit()->setAcceptDrops(true);
    left->addWidget(cboAssignments);

    cmdAddNew = new QPushButton(QStringLiteral("&Create a New Assignment"), page);
    cmdSave = new QPushButton(QStringLiteral("&Save this New Assignment "), page);
    cmdChange[4] = new QPushButton(QStringLiteral("Change the &Selected Assignment"), page);
    cmdDelete = new QPushButton(QStringLiteral("&Delete the selected Assignment"), page);
    for (QPushButton* button : {cmdAddNew, cmdSave, cmdChange[4], cmdDelete})
        left->addWidget(button);
    left->addStretch();
    columns->addLayout(left, 1);

    fraContacts = new QGroupBox(QStringLiteral("Sub-Contractors"), page);
    auto* contacts = new QVBoxLayout(fraContacts);
    for (const QString& text : {QStringLiteral("Drag and Drop to add a Sub-Contractor"), QStringLiteral("to your Assignments List"),
                                QStringLiteral("Drag from Here"), QStringLiteral("(Hold the Mouse Down over a selection)")})
        contacts->addWidget(new QLabel(text, fraContacts));
    lstContacts = new QListWidget(fraContacts);
    lstContacts->setDragEnabled(true);
    lstContacts->setDragDropMode(QAbstractItemView::DragOnly);
    contacts->addWidget(lstContacts, 1);
    fraContacts->hide();
    columns->addWidget(fraContacts, 1);

    auto* dropTarget = new DropTarget(this, lstContacts);
    cboAssignments->installEventFilter(dropTarget);
    cboAssignments->lineEdit()->installEventFilter(dropTarget);
    return page;
}

void frmSetup::ConnectTeams()
{
    // A choice by the user counts even when it is the entry already current.
    connect(cboAssignments, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            cboAssignments_Click(index);
    });
    connect(cboAssignments, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            cboAssignments_Click(index);
    });
    connect(cmdAddNew, &QPushButton::clicked, this, [this] { cmdAddNew_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdChange[4], &QPushButton::clicked, this, [this] { cmdChange_Click(4); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
}

QStringList frmSetup::AssignmentNames() const
{
    return ComboItems(cboAssignments);
}

void frmSetup::FillAssignmentsList()
{
    const QSignalBlocker blocker(cboAssignments);
    cboAssignments->clear();
    cboAssignments->addItems(Shared().TeamNames.mid(1));
    SetComboText(cboAssignments, QString());
    ClearTeamSelection();
}

void frmSetup::ClearTeamSelection()
{
    SelectedTeamIndex = -1;
    cmdChange[4]->setEnabled(false);
    cmdDelete->setEnabled(false);
}

void frmSetup::cboAssignments_Click(int index)
{
    SelectedTeamIndex = index;
    cmdChange[4]->setEnabled(true);
    cmdDelete->setEnabled(true);
}

void frmSetup::cmdAddNew_Click()
{
    SetComboText(cboAssignments, QString());
    ClearTeamSelection();
    cboAssignments->setFocus();
}

// Writes the list, rebuilds the team list in memory and refills every list of teams.
void frmSetup::SaveTeamChange()
{
    if (!SaveAssignments(AssignmentNames()))
        ShowSettingsSaveFailure(QStringLiteral("The Assignments could not be saved."));
    ReadAssignments();
    FillTeamLists();
}

void frmSetup::cmdSave_Click()
{
    if (!AddedByDrop) {
        // The list holds the names as the file gives them back.
        const QString name = AsReadBack(cboAssignments->currentText());
        if (name.isEmpty())
            return;
        if (cboAssignments->count() >= MaxTypedTeams) {
            if (Settings().AlarmsOn)
                Beep();
            cboAssignments->setFocus();
            return;
        }
        if (AssignmentNames().contains(name, Qt::CaseSensitive)) {
            cboAssignments->setEditText(QString());
            cmdSave->setFocus();
            return;
        }
        const QSignalBlocker blocker(cboAssignments);
        cboAssignments->addItem(name);
        SetComboText(cboAssignments, QString());
    }
    SaveTeamChange();
    CreateTeamFolder(cboAssignments->count());
    cmdAddNew->setFocus();
    AddedByDrop = false;
}

void frmSetup::RenameTeam(bool requireText)
{
    const QString name = cboAssignments->currentText();
    if (requireText && name.isEmpty())
        return;
    if (SelectedTeamIndex < 0 || SelectedTeamIndex >= cboAssignments->count())
        return;
    {
        const QSignalBlocker blocker(cboAssignments);
        cboAssignments->setItemText(SelectedTeamIndex, name);
    }
    SaveTeamChange();
    cmdSave->setEnabled(true);
}

void frmSetup::cmdDelete_Click()
{
    const QString name = cboAssignments->currentText();
    int position = -1;
    if (SelectedTeamIndex >= 0 && SelectedTeamIndex < cboAssignments->count()
        && cboAssignments->itemText(SelectedTeamIndex) == name)
        position = SelectedTeamIndex;
    else
        position = int(AssignmentNames().indexOf(name));
    if (position < 0) {
        cboAssignments->setFocus();
        return;
    }

    DeletedTeamNo = position + 1;
    const int open = OpenMilestonesOfTeam(DeletedTeamNo);
    if (open > 0) {
        MsgBox(QStringLiteral("%1 still has %2 Milestone(s) that are not Completed.\n"
                              "Complete them, or delete their Projects, on the Project Control board before deleting it.")
                   .arg(name, QString::number(open)),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Delete Assignment"));
        return;
    }
    // The team's coming slips and meetings go with its days; the user decides.
    const TeamEventCounts upcoming = UpcomingEventsOfTeam(DeletedTeamNo);
    if ((upcoming.Slips > 0 || upcoming.Meetings > 0)
        && MsgBox(QStringLiteral("%1 has %2 Service Slip(s) and %3 Meeting(s) from today on.\n"
                                 "They will be deleted with its Schedule.\nDelete %1?")
                      .arg(name, QString::number(upcoming.Slips), QString::number(upcoming.Meetings)),
                  MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Delete Assignment"), 1)
               != MsgAnswer::Yes) {
        cboAssignments->setFocus();
        return;
    }

    QStringList remaining = AssignmentNames();
    const int countBefore = int(remaining.size());
    remaining.removeAt(position);
    const TeamDeletion deletion = PurgeFolder(DeletedTeamNo, countBefore, remaining);
    if (deletion.Unsettled) {
        // Anything written to the teams' files now could be undone or lost when the deletion
        // is settled: the next start settles it first.
        MsgBox(QStringLiteral("%1 could not be deleted, nor could the deletion be undone:\n%2 could not be changed.\n"
                              "The program will end. Start it again once that can be changed.")
                   .arg(name, deletion.Problem),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Delete Assignment"));
        EndProgram();
        return;
    }
    if (!deletion.Done) {
        MsgBox(QStringLiteral("%1 could not be deleted:\n%2 could not be changed.\nThe Assignments were not changed.")
                   .arg(name, deletion.Problem),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Delete Assignment"));
        return;
    }
    if (!deletion.NotRenumbered.isEmpty())
        MsgBox(QStringLiteral("%1 was deleted, but the Assignment numbers in these files could not be updated:\n%2")
                   .arg(name, FewLines(deletion.NotRenumbered)),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Delete Assignment"));
    if (!deletion.NotRemoved.isEmpty())
        MsgBox(QStringLiteral("%1 was deleted, but these folders of its days could not be removed:\n%2")
                   .arg(name, FewLines(deletion.NotRemoved)),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Delete Assignment"));
    ReadAssignments();
    FillTeamLists();
    cboAssignments->setFocus();
}

void frmSetup::LoadSubContractors()
{
    lstContacts->clear();
    const QStringList names = LoadSubContractorNames();
    lstContacts->addItems(names);
    if (!names.isEmpty())
        fraContacts->show();
}

void frmSetup::cboAssignments_DragDrop()
{
    QListWidgetItem* dragged = lstContacts->currentItem();
    if (!dragged || !dragged->isSelected())
        return;
    // A sub-contractor's name may hold a double quote, which the file keeps as an apostrophe.
    const QString name = AsReadBack(dragged->text());
    if (AssignmentNames().contains(name, Qt::CaseSensitive))
        return;
    {
        const QSignalBlocker blocker(cboAssignments);
        cboAssignments->addItem(name);
        SetComboText(cboAssignments, name);
    }
    AddedByDrop = true;
    cmdSave_Click();
}
