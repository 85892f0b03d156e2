// The settings screen's Operations tab: work days and start time, printing, assistance.
// The phone connection page is in frmSetupPhone.cpp.
#include "app/frmSetup.h"

#include "core/Settings.h"
#include "platform/CommonDialogs.h"
#include "platform/Units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

QWidget* frmSetup::BuildOperationsTab()
{
    SSTab1 = new QTabWidget(this);
    SSTab1->addTab(BuildWorkDaysTab(), QStringLiteral("Work Days"));
    SSTab1->addTab(BuildPhoneTab(), QStringLiteral(" Phone Connection"));
    SSTab1->addTab(BuildPrintingTab(), QStringLiteral("Printing"));
    SSTab1->addTab(BuildAssistanceTab(), QStringLiteral("Assistance"));
    return SSTab1;
}

QWidget* frmSetup::BuildWorkDaysTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);

    auto* startTime = new QGroupBox(QStringLiteral("Start Time"), page);
    auto* startLayout = new QVBoxLayout(startTime);
    ck8 = new QRadioButton(QStringLiteral("08:00 am"), startTime);
    ck7 = new QRadioButton(QStringLiteral("07:00 am"), startTime);
    startLayout->addWidget(ck8);
    startLayout->addWidget(ck7);
    layout->addWidget(startTime);

    auto* days = new QGroupBox(QStringLiteral("Allow Scheduling These Days"), page);
    auto* daysLayout = new QVBoxLayout(days);
    optMF = new QRadioButton(QStringLiteral("Monday thru Friday"), days);
    optMS = new QRadioButton(QStringLiteral("Monday thru Saturday"), days);
    optSF = new QRadioButton(QStringLiteral("Sunday thru Friday"), days);
    optSS = new QRadioButton(QStringLiteral("Sunday thru Saturday"), days);
    for (QRadioButton* option : {optMF, optMS, optSF, optSS})
        daysLayout->addWidget(option);
    layout->addWidget(days);

    ckDays = new QCheckBox(QStringLiteral("Check if Milesstones are typically in Days"), page);
    layout->addWidget(ckDays);
    layout->addStretch();
    return page;
}

QWidget* frmSetup::BuildPrintingTab()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);

    grid->addWidget(new QLabel(QStringLiteral("Color"), page), 0, 0);
    ckColor = new QCheckBox(QStringLiteral("Print"), page);
    ckColor->setToolTip(QStringLiteral("Headings, totals etc are printed in highlighting colors"));
    grid->addWidget(ckColor, 0, 1);

    grid->addWidget(new QLabel(QStringLiteral("Border / Frame Color"), page), 1, 0);
    txtBorders = new QLabel(page);
    grid->addWidget(txtBorders, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Text Color"), page), 2, 0);
    txtData = new QLabel(page);
    grid->addWidget(txtData, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Printer Font"), page), 3, 0);
    lblFont = new QLabel(page);
    lblFont->setFrameShape(QFrame::StyledPanel);
    lblFont->setMinimumWidth(160);
    grid->addWidget(lblFont, 3, 1);
    for (QLabel* swatch : {txtBorders, txtData}) {
        swatch->setFixedSize(160, 22);
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::StyledPanel);
    }
    for (int i = 1; i <= 3; ++i) {
        cmdChange[size_t(i)] = new QPushButton(QStringLiteral("Change"), page);
        grid->addWidget(cmdChange[size_t(i)], i, 2);
    }

    grid->addWidget(new QLabel(QStringLiteral("Printer Copies"), page), 4, 0);
    cboCopies = new QComboBox(page);
    cboCopies->setEditable(true);
    grid->addWidget(cboCopies, 4, 1, Qt::AlignLeft);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget* frmSetup::BuildAssistanceTab()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    ckPrompts = new QCheckBox(QStringLiteral("Show Prompts and Confirmations"), page);
    ckAlarms = new QCheckBox(QStringLiteral("Sound Alarm on Errors"), page);
    layout->addWidget(ckPrompts);
    layout->addWidget(ckAlarms);
    layout->addStretch();
    return page;
}

void frmSetup::ConnectOperations()
{
    auto whenChecked = [this](QRadioButton* option, void (frmSetup::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    };
    whenChecked(ck7, &frmSetup::ck7_Click);
    whenChecked(ck8, &frmSetup::ck8_Click);
    whenChecked(optMF, &frmSetup::optMF_Click);
    whenChecked(optMS, &frmSetup::optMS_Click);
    whenChecked(optSF, &frmSetup::optSF_Click);
    whenChecked(optSS, &frmSetup::optSS_Click);
    connect(ckDays, &QCheckBox::toggled, this, [this] { ckDays_Click(); });
    connect(ckPrompts, &QCheckBox::toggled, this, [this] { ckPrompts_Click(); });
    connect(ckAlarms, &QCheckBox::toggled, this, [this] { ckAlarms_Click(); });
    connect(ckColor, &QCheckBox::toggled, this, [this] { ckColor_Click(); });
    for (int i = 1; i <= 3; ++i)
        connect(cmdChange[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdChange_Click(i); });
    connect(cboCopies, &QComboBox::currentTextChanged, this, [this] { cboCopies_Change(); });
}

void frmSetup::ck7_Click() { Settings().StartHour = 7; }
void frmSetup::ck8_Click() { Settings().StartHour = 8; }
void frmSetup::optMF_Click() { Settings().WorkWeek = 5; }
void frmSetup::optMS_Click() { Settings().WorkWeek = 61; }
void frmSetup::optSF_Click() { Settings().WorkWeek = 62; }
void frmSetup::optSS_Click() { Settings().WorkWeek = 7; }
void frmSetup::ckDays_Click() { Settings().DaysOn = ckDays->isChecked(); }
void frmSetup::ckPrompts_Click() { Settings().PromptsOn = ckPrompts->isChecked(); }
void frmSetup::ckAlarms_Click() { Settings().AlarmsOn = ckAlarms->isChecked(); }
void frmSetup::ckColor_Click() { Live().ColorPrinting = ckColor->isChecked(); }

void frmSetup::SetSwatch(QLabel* swatch, quint32 color)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, ColorFromValue(color));
    swatch->setPalette(palette);
}

void frmSetup::cmdChange_Click(int Index)
{
    if (Index == 0 || Index == 4) {
        RenameTeam(Index == 4);
        return;
    }
    if (Index == 1 || Index == 2) {
        quint32& target = Index == 1 ? Live().BorderColor : Live().TextColor;
        const std::optional<quint32> color = ChooseColor(target);
        if (!color)
            return;
        target = *color;
        if (Index == 1)
            Settings().BorderColor = *color;
        SetSwatch(Index == 1 ? txtBorders : txtData, *color);
        return;
    }
    if (Index == 3) {
        const std::optional<QString> family = ChooseFont(Live().FontName);
        if (!family)
            return;
        Live().FontName = *family;
        lblFont->setText(*family);
    }
}

void frmSetup::FillCopiesList()
{
    const QSignalBlocker blocker(cboCopies);
    cboCopies->clear();
    for (int copies = 1; copies <= 5; ++copies)
        cboCopies->addItem(QString::number(copies));
    cboCopies->setCurrentText(QString::number(Settings().PrintCopies));
    SetDialogCopies(Settings().PrintCopies);
}

void frmSetup::cboCopies_Change()
{
    bool ok = false;
    const int copies = cboCopies->currentText().trimmed().toInt(&ok);
    if (!ok || copies < 1 || copies > 255)
        return;
    Settings().PrintCopies = quint8(copies);
    Live().Copies = copies;
    SetDialogCopies(copies);
}
