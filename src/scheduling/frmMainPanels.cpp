// The scheduling screen's panels: the project page with the customer and job site, the side
// panel of team, time unit, location and milestone, the summary and the help.
#include "scheduling/frmMain.h"

#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/TextBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* NewValue(QWidget* parent)
{
    auto* label = new ElidedLabel(parent);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(60);
    return label;
}

} // namespace

QWidget* frmMain::BuildProjectPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    fraProjectInfo = new QGroupBox(QStringLiteral("Project Information"), page);
    auto* info = new QGridLayout(fraProjectInfo);
    int row = 0;
    info->addWidget(new QLabel(QStringLiteral("Project No"), fraProjectInfo), row, 0);
    lblProjectNo = NewValue(fraProjectInfo);
    info->addWidget(lblProjectNo, row, 1);
    info->addWidget(new QLabel(QStringLiteral("Account"), fraProjectInfo), row, 2);
    lblAccount = NewValue(fraProjectInfo);
    info->addWidget(lblAccount, row++, 3);
    lblPropNo[0] = new QLabel(QStringLiteral("Proposal Number"), fraProjectInfo);
    lblPropNo[1] = NewValue(fraProjectInfo);
    info->addWidget(lblPropNo[0], row, 0);
    info->addWidget(lblPropNo[1], row, 1);
    auto* titleLabel = new QLabel(QStringLiteral("Project Title"), fraProjectInfo);
    info->addWidget(titleLabel, row, 2);
    cboProjectTitle = NewTextCombo(fraProjectInfo, 30);
    info->addWidget(cboProjectTitle, row++, 3);

    auto* billing = new QLabel(QStringLiteral("Billing Address"), fraProjectInfo);
    auto* site = new QLabel(QStringLiteral("Job Site"), fraProjectInfo);
    QFont bold = billing->font();
    bold.setBold(true);
    billing->setFont(bold);
    site->setFont(bold);
    info->addWidget(billing, row, 1);
    info->addWidget(site, row, 3);
    imgDialer = new PictureBox(fraProjectInfo);
    imgDialer->setText(QString(QChar(0x260E)));
    QFont big = imgDialer->font();
    big.setPointSize(big.pointSize() * 2);
    imgDialer->setFont(big);
    imgDialer->setToolTip(QStringLiteral("Call Account Phone"));
    info->addWidget(imgDialer, row++, 2, Qt::AlignRight);
    const char* captions[8] = {"", "Name", "Address 1", "Address 2", "City", "State", "Zip", "Telephone"};
    for (int i = 1; i <= 7; ++i) {
        info->addWidget(new QLabel(QString::fromLatin1(captions[i]), fraProjectInfo), row, 0);
        lblCustomerInfo[size_t(i)] = NewValue(fraProjectInfo);
        info->addWidget(lblCustomerInfo[size_t(i)], row, 1);
        txtCustomerInfo[size_t(i)] = new TextBox(fraProjectInfo);
        info->addWidget(txtCustomerInfo[size_t(i)], row++, 2, 1, 2);
    }
    txtCustomerInfo[1]->SetMaxLength(30);
    txtCustomerInfo[2]->SetMaxLength(35);
    txtCustomerInfo[3]->SetMaxLength(25);
    txtCustomerInfo[4]->SetMaxLength(20);
    txtCustomerInfo[5]->SetMaxLength(20);
    txtCustomerInfo[6]->SetMaxLength(10);
    txtCustomerInfo[7]->SetMaxLength(13);
    cmdSetJobSite = new QPushButton(QStringLiteral("Toggle / Clear"), fraProjectInfo);
    info->addWidget(cmdSetJobSite, row++, 2, 1, 2);
    info->addWidget(new QLabel(QStringLiteral("Milestones to Schedule"), fraProjectInfo), row++, 0, 1, 4);
    lstMilestoneSelection = new QListWidget(fraProjectInfo);
    lstMilestoneSelection->setSelectionMode(QAbstractItemView::MultiSelection);
    lstMilestoneSelection->setMinimumHeight(90);
    info->addWidget(lstMilestoneSelection, row++, 0, 1, 4);
    info->setColumnStretch(1, 1);
    info->setColumnStretch(3, 1);
    layout->addWidget(fraProjectInfo);

    fraBasicInst = new QGroupBox(QStringLiteral("Instructions"), page);
    auto* instructions = new QVBoxLayout(fraBasicInst);
    auto* text = new QLabel(QStringLiteral("Select the Milestones to schedule, enter a Title and the Job Site,\n"
                                           "then click Continue. Each Milestone is then given its date,\n"
                                           "and a Team and its Hours or Days when it is Technical."),
                            fraBasicInst);
    instructions->addWidget(text);
    layout->addWidget(fraBasicInst);
    layout->addStretch();
    return page;
}

QWidget* frmMain::BuildSummaryFrame()
{
    fraSummary = new QGroupBox(QStringLiteral("Project Summary"), this);
    auto* layout = new QGridLayout(fraSummary);
    int row = 0;
    layout->addWidget(new QLabel(QStringLiteral("Project"), fraSummary), row, 0);
    lblSummaryProNo = NewValue(fraSummary);
    layout->addWidget(lblSummaryProNo, row, 1);
    lblSummaryProName = NewValue(fraSummary);
    layout->addWidget(lblSummaryProName, row++, 2, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Customer"), fraSummary), row, 0);
    layout->addWidget(new QLabel(QStringLiteral("Job Site"), fraSummary), row++, 2);
    for (int i = 0; i < 3; ++i) {
        lblSummaryCust[size_t(i)] = NewValue(fraSummary);
        lblSite[size_t(i)] = NewValue(fraSummary);
        layout->addWidget(lblSummaryCust[size_t(i)], row, 0, 1, 2);
        layout->addWidget(lblSite[size_t(i)], row++, 2, 1, 2);
    }
    fgSummary = new FlexGrid(fraSummary);
    fgSummary->SetCols(4);
    const char* headings[4] = {"Milestone", "Phase", "Date", "Team"};
    for (int c = 0; c < 4; ++c)
        fgSummary->SetTextMatrix(0, c, QString::fromLatin1(headings[c]));
    fgSummary->horizontalHeader()->setStretchLastSection(true);
    fgSummary->setColumnWidth(0, 180);
    fgSummary->setColumnWidth(1, 130);
    fgSummary->setColumnWidth(2, 90);
    fgSummary->setMinimumWidth(560);
    layout->addWidget(fgSummary, row++, 0, 1, 4);
    const char* days[3] = {"Pre-Construction Days", "Construction Days", "Total Days"};
    std::array<TextBox**, 3> boxes = {&txtPreDays, &txtConDays, &txtDaysTotal};
    for (int i = 0; i < 3; ++i) {
        layout->addWidget(new QLabel(QString::fromLatin1(days[i]), fraSummary), row, 0, 1, 2);
        *boxes[size_t(i)] = new TextBox(fraSummary);
        (*boxes[size_t(i)])->setReadOnly(true);
        layout->addWidget(*boxes[size_t(i)], row++, 2);
    }
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(3, 1);
    fraSummary->hide();
    return fraSummary;
}

QWidget* frmMain::BuildSidePanel()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    fraConEvents = new QGroupBox(QStringLiteral("Milestone"), panel);
    auto* milestone = new QVBoxLayout(fraConEvents);
    txtConEvents = NewValue(fraConEvents);
    milestone->addWidget(txtConEvents);
    lblConstructionInstructions[0] = new QLabel(fraConEvents);
    lblConstructionInstructions[1] = new QLabel(QStringLiteral("Pick the date of this Administrative Milestone\n"
                                                               "on the Calendar, then click Continue"),
                                                fraConEvents);
    lblConstructionInstructions[0]->hide();
    milestone->addWidget(lblConstructionInstructions[1]);
    layout->addWidget(fraConEvents);

    fraDependent = new QGroupBox(QStringLiteral("Follows"), panel);
    auto* dependent = new QGridLayout(fraDependent);
    txtDependentEvent = NewValue(fraDependent);
    txtConEventsDays = NewValue(fraDependent);
    dependent->addWidget(txtDependentEvent, 0, 0, 1, 2);
    dependent->addWidget(new QLabel(QStringLiteral("Days after"), fraDependent), 1, 0);
    dependent->addWidget(txtConEventsDays, 1, 1);
    layout->addWidget(fraDependent);

    fraTeam = new QGroupBox(QStringLiteral("Team"), panel);
    auto* team = new QGridLayout(fraTeam);
    txtCurrentTeam = NewValue(fraTeam);
    txtCurrentTeam->setToolTip(QStringLiteral("Team Currently Displayed"));
    txtCurrentTeam->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    team->addWidget(txtCurrentTeam, 0, 0);
    UpDnTeam = new UpDown(fraTeam, Qt::Vertical);
    team->addWidget(UpDnTeam, 0, 1);
    lstTeam = new QListWidget(fraTeam);
    lstTeam->setMaximumHeight(110);
    team->addWidget(lstTeam, 1, 0, 1, 2);
    layout->addWidget(fraTeam);

    fraTime = new QGroupBox(QStringLiteral("Time Required"), panel);
    auto* time = new QGridLayout(fraTime);
    txtTime = new TextBox(fraTime);
    txtTime->SetMaxLength(3);
    txtTime->setMaximumWidth(50);
    UpDnTime = new UpDown(fraTime, Qt::Vertical);
    lblMode = new QLabel(QStringLiteral("Hours"), fraTime);
    time->addWidget(txtTime, 0, 0);
    time->addWidget(UpDnTime, 0, 1);
    time->addWidget(lblMode, 0, 2);
    optSelect[0] = new QRadioButton(QStringLiteral("Hours"), fraTime);
    optSelect[1] = new QRadioButton(QStringLiteral("Days"), fraTime);
    time->addWidget(optSelect[0], 1, 0, 1, 2);
    time->addWidget(optSelect[1], 1, 2);
    tgTime = new QPushButton(QStringLiteral("Hours / Days"), fraTime);
    time->addWidget(tgTime, 2, 0, 1, 3);
    layout->addWidget(fraTime);

    fraLocation = new QGroupBox(QStringLiteral("Work Location"), panel);
    auto* location = new QVBoxLayout(fraLocation);
    optSite = new QRadioButton(QStringLiteral("On Site"), fraLocation);
    optOffice = new QRadioButton(QStringLiteral("Office/Shop"), fraLocation);
    location->addWidget(optSite);
    location->addWidget(optOffice);
    layout->addWidget(fraLocation);

    fra8or12HourSchedule = new QGroupBox(QStringLiteral("Schedules"), panel);
    auto* schedules = new QVBoxLayout(fra8or12HourSchedule);
    lblPrintSchedule = new QLabel(QStringLiteral("Print Schedule"), fra8or12HourSchedule);
    schedules->addWidget(lblPrintSchedule);
    optWorkSchedule[0] = new QRadioButton(QStringLiteral("Daily Work Schedule"), fra8or12HourSchedule);
    optWorkSchedule[1] = new QRadioButton(QStringLiteral("Completion Report"), fra8or12HourSchedule);
    optWorkSchedule[0]->setChecked(true);
    // Its own caption: the print frame it opens has the "&Print" that prints.
    cmdPrint = new QPushButton(QStringLiteral("Prepare to Print"), fra8or12HourSchedule);
    for (QWidget* control : {static_cast<QWidget*>(optWorkSchedule[0]), static_cast<QWidget*>(optWorkSchedule[1]),
                             static_cast<QWidget*>(cmdPrint)})
        schedules->addWidget(control);
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    layout->addWidget(fra8or12HourSchedule);

    fraPrint = new QGroupBox(QStringLiteral("Perforated Response Paper"), panel);
    auto* print = new QVBoxLayout(fraPrint);
    lblPrintWhat = new QLabel(fraPrint);
    print->addWidget(lblPrintWhat);
    cmdInvoiceContinue = new QPushButton(QStringLiteral("&Print"), fraPrint);
    cmdInvoiceContinue->setToolTip(QStringLiteral("Proceed to Printing"));
    print->addWidget(cmdInvoiceContinue);
    connect(cmdInvoiceContinue, &QPushButton::clicked, this, [this] { cmdInvoiceContinue_Click(); });
    cmdCancelPrint = new QPushButton(QStringLiteral("Cancel Print"), fraPrint);
    print->addWidget(cmdCancelPrint);
    fraPrint->hide();
    layout->addWidget(fraPrint);
    layout->addStretch();
    return panel;
}

QWidget* frmMain::BuildHelpFrame()
{
    fraHelp = new QGroupBox(QStringLiteral("Help"), this);
    fraHelp->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(fraHelp);
    layout->addWidget(new QLabel(QStringLiteral("Pick a Team and a Date: the Calendar shows the Hours already booked in red.\n"
                                                "The arrows step through the Workdays and the Teams.\n"
                                                "Show Hourly lists the Hours of the Day; View shows who is booked where.\n"
                                                "Clear empties the Day shown for the Team shown."),
                                 fraHelp));
    cmdHelp[0] = new QPushButton(QStringLiteral("Toggle Help Screen"), this);
    cmdHelp[1] = new QPushButton(QStringLiteral("Close Help Screen"), fraHelp);
    layout->addWidget(cmdHelp[1], 0, Qt::AlignRight);
    layout->addStretch();
    fraHelp->hide();
    return fraHelp;
}
