// The settings screen's Milestones and Attributes tabs: the milestone catalogue and the wizard
// that gives each entry its function, phase, dependency and interval. Attributes belong to
// positions in the catalogue, not to names.
#include "app/frmSetup.h"

#include "core/Settings.h"
#include "core/Utilities.h"
#include "core/WriteFormat.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int MaxInterval = 90;

QLabel* BoldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Writes the catalogue and tells the user when it could not be written.
bool SaveCatalogue(const QStringList& names)
{
    if (SaveCharacteristics(names))
        return true;
    ShowWriteFailure(QStringLiteral("The Milestone list could not be saved."));
    return false;
}

// The entry chosen in an editable list: its position while the box shows that entry's text.
int SelectedEntry(const QComboBox* list)
{
    const int index = list->currentIndex();
    return index >= 0 && list->itemText(index) == list->currentText() ? index : -1;
}
} // namespace

QWidget* frmSetup::BuildMilestonesTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(QStringLiteral("Milestones are events within a Project you wish to Track."), page));
    layout->addWidget(BoldLabel(QStringLiteral("Typical Project Milestones in Order of Occurance"), page));

    auto* row = new QHBoxLayout;
    cboMilestones = NewTextCombo(page, 0);
    cboMilestones->setMaxVisibleItems(20);
    cboMilestones->setMinimumWidth(300);
    cboMilestones->setToolTip(QStringLiteral("Milestone Events that will be Tracked and Scheduled for each Project that you Create"));
    row->addWidget(cboMilestones);
    updnMilestone = new UpDown(page);
    updnMilestone->setToolTip(QStringLiteral("Reposition Milestone within List"));
    row->addWidget(updnMilestone);
    row->addWidget(new QLabel(QStringLiteral("Reposition Milestone within List"), page));
    row->addStretch();
    layout->addLayout(row);

    auto* buttons = new QHBoxLayout;
    cmdAddMilestone = new QPushButton(QStringLiteral("Add to List"), page);
    cmdDeleteMilestone = new QPushButton(QStringLiteral("Delete from List"), page);
    cmdClear = new QPushButton(QStringLiteral("Clear Milestone List"), page);
    cmdSaveMilestones = new QPushButton(QStringLiteral("Save Positions"), page);
    Command1 = new QPushButton(QStringLiteral("Toggle Grid"), page);
    for (QPushButton* button : {cmdAddMilestone, cmdDeleteMilestone, cmdClear, cmdSaveMilestones, Command1})
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons);
    cmdBuildAttributes = new QPushButton(QStringLiteral("Milestone List Complete Create Attributes for each Milestone"), page);
    layout->addWidget(cmdBuildAttributes, 0, Qt::AlignLeft);

    fgMilestones = new FlexGrid(page);
    fgMilestones->SetCols(4);
    const QString headings[4] = {QStringLiteral("Milestone"), QStringLiteral("Performed by"),
                                 QStringLiteral("Dependent upon"), QStringLiteral("Interval (Days)")};
    for (int col = 0; col < 4; ++col)
        fgMilestones->SetTextMatrix(0, col, headings[col]);
    fgMilestones->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    fgMilestones->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    layout->addWidget(fgMilestones, 1);
    return page;
}

QWidget* frmSetup::BuildAttributesTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);

    auto* title = new QHBoxLayout;
    title->addWidget(new QLabel(QStringLiteral("Set Attributes for Milestone Titled:"), page));
    txtMilestone = BoldLabel(QString(), page);
    title->addWidget(txtMilestone, 1);
    layout->addLayout(title, 0, 0, 1, 2);

    fraFunction = new QGroupBox(QStringLiteral("which is Performed by"), page);
    auto* function = new QVBoxLayout(fraFunction);
    optAdmin = new QRadioButton(QStringLiteral("Administrative Personnel"), fraFunction);
    optTech = new QRadioButton(QStringLiteral("Technical Personnel"), fraFunction);
    function->addWidget(optAdmin);
    function->addWidget(optTech);
    layout->addWidget(fraFunction, 1, 0);

    fraSeq = new QGroupBox(QStringLiteral("and must be Accomplished"), page);
    auto* sequence = new QVBoxLayout(fraSeq);
    optbCon = new QRadioButton(QStringLiteral("before Construction commences"), fraSeq);
    optdCon = new QRadioButton(QStringLiteral("during Construction"), fraSeq);
    optaCon = new QRadioButton(QStringLiteral("after Construction completes "), fraSeq);
    for (QRadioButton* option : {optbCon, optdCon, optaCon})
        sequence->addWidget(option);
    layout->addWidget(fraSeq, 2, 0);

    fraDependencies = new QGroupBox(QStringLiteral("and is Dependent upon Completion of"), page);
    auto* dependencies = new QVBoxLayout(fraDependencies);
    lstDependencies = new QListWidget(fraDependencies);
    dependencies->addWidget(lstDependencies, 1);
    auto* dependencyRow = new QHBoxLayout;
    cmdResetDepend = new QPushButton(QStringLiteral("Reset"), fraDependencies);
    cmdResetDepend->setToolTip(QStringLiteral("Cancels the Dependency"));
    dependencyRow->addWidget(cmdResetDepend);
    dependencyRow->addWidget(new QLabel(QStringLiteral("before Commencing"), fraDependencies));
    dependencyRow->addStretch();
    dependencies->addLayout(dependencyRow);
    layout->addWidget(fraDependencies, 1, 1, 2, 1);

    lblDependency = new QLabel(QStringLiteral("Select a Dependent Milestone and Interval (in days) if required"), page);
    lblDependency->setWordWrap(true);
    layout->addWidget(lblDependency, 3, 1);

    fraLeadTime = new QGroupBox(QStringLiteral("Interval (in Days)"), page);
    auto* leadTime = new QHBoxLayout(fraLeadTime);
    txtDays = new QLabel(QStringLiteral("0"), fraLeadTime);
    txtDays->setFrameShape(QFrame::StyledPanel);
    txtDays->setMinimumWidth(40);
    txtDays->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    leadTime->addWidget(txtDays);
    UpDnDays = new UpDown(fraLeadTime);
    UpDnDays->SetRange(0, MaxInterval);
    leadTime->addWidget(UpDnDays);
    lblReset = new PictureBox(fraLeadTime);
    lblReset->setText(QStringLiteral("RESET"));
    lblReset->setToolTip(QStringLiteral("Resets Interval Day Counter"));
    leadTime->addWidget(lblReset);
    leadTime->addStretch();
    layout->addWidget(fraLeadTime, 4, 1);

    cmdCharContinue = new QPushButton(QStringLiteral("&Accept Settings and Display Next Milestone"), page);
    layout->addWidget(cmdCharContinue, 5, 0, 1, 2, Qt::AlignRight);
    layout->setRowStretch(6, 1);

    fraDependencies->hide();
    lblDependency->hide();
    fraLeadTime->hide();
    return page;
}

void frmSetup::ConnectMilestones()
{
    connect(cmdAddMilestone, &QPushButton::clicked, this, [this] { cmdAddMilestone_Click(); });
    connect(cmdDeleteMilestone, &QPushButton::clicked, this, [this] { cmdDeleteMilestone_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(updnMilestone, &UpDown::DownClick, this, [this] { updnMilestone_DownClick(); });
    connect(updnMilestone, &UpDown::UpClick, this, [this] { updnMilestone_UpClick(); });
    connect(cmdSaveMilestones, &QPushButton::clicked, this, [this] { cmdSaveMilestones_Click(); });
    connect(cmdBuildAttributes, &QPushButton::clicked, this, [this] { cmdBuildAttributes_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cmdCharContinue, &QPushButton::clicked, this, [this] { cmdCharContinue_Click(); });
    // A mouse click makes the entry current before it selects it; the handler needs the selection.
    connect(lstDependencies, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = lstDependencies->currentRow(); row >= 0)
            lstDependencies_Click(row);
    });
    connect(cmdResetDepend, &QPushButton::clicked, this, [this] { cmdResetDepend_Click(); });
    connect(lblReset, &PictureBox::clicked, this, [this] { lblReset_Click(); });
    connect(UpDnDays, &UpDown::UpClick, this, [this] { UpDnDays_Click(); });
    connect(UpDnDays, &UpDown::DownClick, this, [this] { UpDnDays_Click(); });
    connect(UpDnDays, &UpDown::ValueShown, this, [this](int value) { txtDays->setText(QString::number(value)); });
}

QStringList frmSetup::MilestoneNames() const
{
    return ComboItems(cboMilestones);
}

void frmSetup::EnsureCatalogueSize()
{
    SettingsValues& s = Settings();
    const qsizetype size = qsizetype(s.TplCount) + 1;
    while (s.TplName.size() < size)
        s.TplName.append(QString());
    for (QList<qint16>* list : {&s.TplPersonnelType, &s.TplPhase, &s.TplDependency, &s.TplInterval})
        while (list->size() < size)
            list->append(0);
}

void frmSetup::ReloadCharacteristics()
{
    LoadCharacteristics();
    ShowCatalogue();
}

void frmSetup::ShowCatalogue()
{
    const SettingsValues& s = Settings();
    if (!s.AttributesLoaded) {
        tabSetup->setTabEnabled(AttributesTab, false);
        return;
    }
    {
        const QSignalBlocker blocker(cboMilestones);
        cboMilestones->clear();
        for (int i = 1; i <= s.TplCount; ++i)
            cboMilestones->addItem(s.TplName.value(i));
    }
    SetComboText(cboMilestones, QString());
    const bool any = cboMilestones->count() > 0;
    tabSetup->setTabEnabled(AttributesTab, any);
    mnuToggle->setEnabled(any);
    if (any)
        FillMilestoneGrid();
}

void frmSetup::FillMilestoneGrid()
{
    const SettingsValues& s = Settings();
    fgMilestones->SetRows(s.TplCount + 1);
    for (int r = 1; r <= s.TplCount; ++r) {
        const int dependency = s.TplDependency.value(r);
        fgMilestones->SetTextMatrix(r, 0, s.TplName.value(r));
        fgMilestones->SetTextMatrix(r, 1, s.TplPersonnelType.value(r) == 1 ? QStringLiteral("Administrative")
                                                                          : QStringLiteral("Technical"));
        // A dependency outside the catalogue (a file edited by hand) shows as none.
        fgMilestones->SetTextMatrix(r, 2, dependency >= 1 && dependency <= s.TplCount ? s.TplName.value(dependency)
                                                                                       : QStringLiteral("None"));
        fgMilestones->SetTextMatrix(r, 3, QString::number(s.TplInterval.value(r)));
    }
}

void frmSetup::cmdAddMilestone_Click()
{
    // The catalogue holds the names as the file gives them back.
    const QString name = AsReadBack(cboMilestones->currentText());
    if (name.isEmpty()) {
        MsgBox(QStringLiteral("Enter a New Milestone in the Box to the Left"));
        return;
    }
    SettingsValues& s = Settings();
    if (s.TplName.mid(1, s.TplCount).contains(name, Qt::CaseSensitive)) {
        cboMilestones->setEditText(QString());
        cboMilestones->setFocus();
        return;
    }
    ++s.TplCount;
    EnsureCatalogueSize();
    s.TplName[s.TplCount] = name;
    {
        const QSignalBlocker blocker(cboMilestones);
        cboMilestones->addItem(name);
        SetComboText(cboMilestones, QString());
    }
    if (SaveCatalogue(MilestoneNames()))
        ReloadCharacteristics();
    cboMilestones->setFocus();
}

void frmSetup::cmdDeleteMilestone_Click()
{
    SettingsValues& s = Settings();
    const int selected = SelectedEntry(cboMilestones);
    if (cboMilestones->currentText().isEmpty() || selected < 0 || s.TplCount < 1) {
        MsgBox(QStringLiteral("Select a Milestone from the List to the Left"));
        if (s.AlarmsOn)
            Beep();
        cboMilestones->setFocus();
        return;
    }
    if (MsgBox(QStringLiteral("If you Delete a Milestone, ALL Attributes are Deleted\r\n"
                              "You must proceed to ATTRIBUTES and Rebuild Them\r\n"
                              "Milestones can be ignored in any Project Schedule\r\n"
                              "Press OK to continue to Delete"),
               MsgButtons::OkCancel, MsgIcon::Exclamation, QStringLiteral("Delete Warning"))
        != MsgAnswer::Ok)
        return;

    {
        const QSignalBlocker blocker(cboMilestones);
        cboMilestones->removeItem(selected);
        SetComboText(cboMilestones, QString());
    }
    --s.TplCount;
    s.TplName = QStringList{QString()} + MilestoneNames();
    DemensionCharacteristics();
    if (cboMilestones->count() > 0) {
        if (SaveCatalogue(MilestoneNames()))
            ReloadCharacteristics();
        cboMilestones->setFocus();
    } else if (s.AlarmsOn) {
        Beep();
    }
}

void frmSetup::cmdClear_Click()
{
    if (MsgBox(QStringLiteral("This will Clear All Milestones"), MsgButtons::OkCancel, MsgIcon::Question,
               QStringLiteral("Clear Milestones"))
        != MsgAnswer::Ok)
        return;
    {
        const QSignalBlocker blocker(cboMilestones);
        cboMilestones->clear();
        cboMilestones->setEditText(QString());
    }
    SettingsValues& s = Settings();
    s.AttributesLoaded = false;
    s.TplCount = 0;
    s.TplName = {QString()};
    DemensionCharacteristics();
    fgMilestones->SetRows(1);
    tabSetup->setTabEnabled(AttributesTab, false);
    cboMilestones->setFocus();
}

void frmSetup::updnMilestone_DownClick()
{
    const int selected = SelectedEntry(cboMilestones);
    if (selected < 0 || selected >= cboMilestones->count() - 1)
        return;
    const QSignalBlocker blocker(cboMilestones);
    const QString name = cboMilestones->itemText(selected);
    cboMilestones->removeItem(selected);
    cboMilestones->insertItem(selected + 1, name);
    cboMilestones->setCurrentIndex(selected + 1);
}

void frmSetup::updnMilestone_UpClick()
{
    const int selected = SelectedEntry(cboMilestones);
    if (selected < 1)
        return;
    const QSignalBlocker blocker(cboMilestones);
    const QString name = cboMilestones->itemText(selected);
    cboMilestones->removeItem(selected);
    cboMilestones->insertItem(selected - 1, name);
    cboMilestones->setCurrentIndex(selected - 1);
}

void frmSetup::cmdSaveMilestones_Click()
{
    if (cboMilestones->count() == 0) {
        if (Settings().AlarmsOn)
            Beep();
        return;
    }
    if (!SaveCatalogue(MilestoneNames()))
        return;
    ReloadCharacteristics();
    cboMilestones->setCurrentIndex(0);
}

void frmSetup::cmdBuildAttributes_Click()
{
    if (cboMilestones->count() == 0)
        return;
    tabSetup->setTabEnabled(AttributesTab, true);
    tabSetup->setCurrentIndex(AttributesTab);
}

void frmSetup::mnuToggle_Click()
{
    if (tabSetup->currentIndex() == MilestonesTab)
        fgMilestones->setVisible(!fgMilestones->isVisible());
}

void frmSetup::Command1_Click()
{
    mnuToggle_Click();
}

void frmSetup::DemensionCharacteristics()
{
    SettingsValues& s = Settings();
    const qsizetype size = qsizetype(std::max<qint16>(s.TplCount, 0)) + 1;
    s.TplPersonnelType = QList<qint16>(size, 0);
    s.TplPhase = QList<qint16>(size, 0);
    s.TplDependency = QList<qint16>(size, 0);
    s.TplInterval = QList<qint16>(size, 0);
}

void frmSetup::StartAttributeWizard()
{
    SettingsValues& s = Settings();
    s.TplCount = qint16(cboMilestones->count());
    if (s.TplCount == 0) {
        MsgBox(QStringLiteral("You need to Create Milestones\r\nBefore Assigning Attributes"));
        tabSetup->setCurrentIndex(MilestonesTab);
        return;
    }
    // The wizard works on the names as they stand in the list now.
    s.TplName = QStringList{QString()} + MilestoneNames();
    EnsureCatalogueSize();
    WizardStarted = 0;
    if (!s.AttributesLoaded)
        DemensionCharacteristics();
    ConfirmEachStep = false;
    cmdCharContinue_Click();
}

void frmSetup::cmdCharContinue_Click()
{
    SettingsValues& s = Settings();
    if (ConfirmEachStep
        && MsgBox(QStringLiteral("Review your Selections\r\nIf correct, press YES"), MsgButtons::YesNo,
                  MsgIcon::Question, QStringLiteral("Verify Attributes"))
               != MsgAnswer::Yes)
        return;
    if (WizardStarted == 0) {
        WizardStarted = 1;
        EntriesDone = 0;
        ConfirmEachStep = true;
    }
    EnsureCatalogueSize();

    if (EntriesDone >= s.TplCount) {
        CurrentEntry = EntriesDone + 1;
        StoreCharacteristics();
        // The catalogue is written at once, so nothing set here is lost if the program ends.
        if (!SaveCatalogue(MilestoneNames()))
            return;
        MsgBox(QStringLiteral("The Milestone Characteristics have been Created"));
        FillMilestoneGrid();
        tabSetup->setCurrentIndex(HelpTab);
        return;
    }

    CurrentEntry = EntriesDone + 1;
    UpDnDays->SetValue(0);
    if (EntriesDone > 0)
        StoreCharacteristics();
    if (s.AttributesLoaded)
        LoadButtons();

    {
        const QSignalBlocker blocker(lstDependencies);
        lstDependencies->clear();
        for (int i = 1; i <= EntriesDone; ++i)
            lstDependencies->addItem(s.TplName.value(i));
    }
    const int dependency = s.TplDependency.value(CurrentEntry);
    if (dependency > 0 && dependency - 1 < lstDependencies->count())
        lstDependencies->setCurrentRow(dependency - 1);

    txtMilestone->setText(s.TplName.value(CurrentEntry));
    fraDependencies->setVisible(EntriesDone > 0);
    lblDependency->setVisible(EntriesDone > 0);
    ++EntriesDone;
}

void frmSetup::StoreCharacteristics()
{
    const int p = CurrentEntry - 1;
    SettingsValues& s = Settings();
    if (p < 1 || p >= s.TplPersonnelType.size())
        return;
    s.TplPersonnelType[p] = optAdmin->isChecked() ? 1 : 2;
    s.TplPhase[p] = optbCon->isChecked() ? 1 : optdCon->isChecked() ? 2 : 3;
}

void frmSetup::LoadButtons()
{
    const int p = CurrentEntry;
    const SettingsValues& s = Settings();
    (s.TplPersonnelType.value(p) == 2 ? optTech : optAdmin)->setChecked(true);
    switch (s.TplPhase.value(p)) {
    case 1:
        optbCon->setChecked(true);
        break;
    case 2:
        optdCon->setChecked(true);
        break;
    case 3:
        optaCon->setChecked(true);
        break;
    default:
        break;
    }
    fraLeadTime->hide();
    const int interval = s.TplInterval.value(p);
    if (interval > 0) {
        fraLeadTime->show();
        // An interval above the counter's range shows as its top; the stored value stays.
        UpDnDays->SetValue(std::min(interval, MaxInterval));
    }
}

void frmSetup::lstDependencies_Click(int position)
{
    SettingsValues& s = Settings();
    if (CurrentEntry >= 1 && CurrentEntry < s.TplDependency.size())
        s.TplDependency[CurrentEntry] = qint16(position + 1);
    fraLeadTime->hide();
    if (QListWidgetItem* item = lstDependencies->item(position); item && item->isSelected())
        fraLeadTime->show();
}

void frmSetup::cmdResetDepend_Click()
{
    SettingsValues& s = Settings();
    if (CurrentEntry >= 1 && CurrentEntry < s.TplDependency.size())
        s.TplDependency[CurrentEntry] = 0;
    fraLeadTime->hide();
    const QSignalBlocker blocker(lstDependencies);
    lstDependencies->clearSelection();
    lstDependencies->setCurrentRow(-1);
}

void frmSetup::lblReset_Click()
{
    UpDnDays->SetValue(0);
}

void frmSetup::UpDnDays_Click()
{
    SettingsValues& s = Settings();
    if (CurrentEntry >= 1 && CurrentEntry < s.TplInterval.size())
        s.TplInterval[CurrentEntry] = qint16(UpDnDays->Value());
}
