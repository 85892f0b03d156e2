#include "telephony/frmSlip.h"

#include "core/DialService.h"
#include "core/Navigation.h"
#include "core/SharedState.h"
#include "core/Shutdown.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "scheduling/EventRecords.h"
#include "telephony/PhoneSettings.h"
#include "telephony/SlipLookup.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmSlip::frmSlip()
{
    setWindowTitle(QStringLiteral("Service Attention Slip"));
    auto* layout = new QVBoxLayout(this);
    lblServiceSlip = new QLabel(this);
    QFont heading = lblServiceSlip->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    heading.setBold(true);
    lblServiceSlip->setFont(heading);
    lblServiceSlip->setFrameShape(QFrame::StyledPanel);
    lblServiceSlip->setMinimumHeight(lblServiceSlip->fontMetrics().height() + 8);
    lblServiceSlip->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(lblServiceSlip);

    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    int row = 0;
    lblName = AddRow(grid, row++, "Account Name");
    lblStreet = AddRow(grid, row++, "Street/Addr 1");
    lblApt = AddRow(grid, row++, "Apt/Addr 2");
    lblCity = AddRow(grid, row++, "City/Addr 3");
    lblState = AddRow(grid, row++, "State/Addr 4");
    lblZip = AddRow(grid, row++, "Zip/Addr 3");
    lblTelephone = AddRow(grid, row++, "Telephone");
    lblAccount = AddRow(grid, row++, "Account Number");
    // Date and hour share one caption.
    AddCaption(grid, row, "Scheduled For:");
    lblDate = new QLabel(this);
    lblTime = new QLabel(this);
    auto* when = new QHBoxLayout;
    when->addWidget(lblDate);
    when->addWidget(lblTime);
    when->addStretch();
    grid->addLayout(when, row++, 1);
    lblDuration = AddRow(grid, row++, "Duration:");
    lblProblem = AddRow(grid, row++, "Problem Reported");
    lblProblem->setWordWrap(true);
    lblAssignto = AddRow(grid, row++, "Assigned To:");
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* bottom = new QHBoxLayout;
    fraDial = new QGroupBox(QStringLiteral(" Call Customer"), this);
    auto* dial = new QHBoxLayout(fraDial);
    imgDialer = new PictureBox(fraDial);
    imgDialer->setPixmap(PhonePicture(40));
    imgDialer->setToolTip(QStringLiteral("Click to Dial"));
    dial->addWidget(imgDialer);
    bottom->addWidget(fraDial);
    bottom->addStretch();
    cmdAttn = new QPushButton(QStringLiteral("&Close"), this);
    bottom->addWidget(cmdAttn, 0, Qt::AlignBottom);
    layout->addLayout(bottom);

    connect(imgDialer, &PictureBox::clicked, this, [this] { imgDialer_Click(); });
    connect(cmdAttn, &QPushButton::clicked, this, [this] { cmdAttn_Click(); });
    resize(480, 460);
}

void frmSlip::AddCaption(QGridLayout* layout, int row, const char* caption)
{
    auto* captionLabel = new QLabel(QString::fromLatin1(caption), this);
    QFont bold = captionLabel->font();
    bold.setBold(true);
    captionLabel->setFont(bold);
    layout->addWidget(captionLabel, row, 0, Qt::AlignTop);
}

QLabel* frmSlip::AddRow(QGridLayout* layout, int row, const char* caption)
{
    AddCaption(layout, row, caption);
    auto* value = new QLabel(this);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(value, row, 1);
    return value;
}

void frmSlip::Form_Activate()
{
    // The dial picture follows the phone flag, as on every screen.
    fraDial->setVisible(PhoneSettings().PhoneOn);
    lblServiceSlip->setText(Shared().SelectedEntry);
    ReadCallSlip();
}

void frmSlip::ClearSlip()
{
    for (QLabel* label : {lblName, lblStreet, lblApt, lblCity, lblState, lblZip, lblTelephone, lblAccount, lblDate,
                          lblTime, lblDuration, lblProblem, lblAssignto})
        label->clear();
}

void frmSlip::ReadCallSlip()
{
    ClearSlip();
    const std::optional<SlipRecord> found = FindSlip(Shared().EntryKind, Shared().SelectedEntry);
    if (found) {
        SlipRec() = *found;
        LoadRecData();
        return;
    }
    // A record found without a customer name (a meeting) is still shown.
    MsgBox(QStringLiteral("No Data Available"));
    cmdAttn_Click();
}

void frmSlip::LoadRecData()
{
    const SlipRecord& record = SlipRec();
    lblName->setText(record.CustomerName.trimmed());
    lblStreet->setText(record.Address1.trimmed());
    lblApt->setText(record.Address2.trimmed());
    lblCity->setText(record.City.trimmed());
    lblState->setText(record.State.trimmed());
    lblZip->setText(record.Zip.trimmed());
    lblTelephone->setText(record.Telephone.trimmed());
    lblAccount->setText(record.AccountNo.trimmed());
    lblDate->setText(record.EventDate);
    bool number = false;
    const int slot = record.StartSlot.trimmed().toInt(&number);
    const QStringList& labels = Shared().TimeSlotLabels;
    if (number && slot >= 1 && slot <= 12 && slot < labels.size())
        lblTime->setText(labels.at(slot));
    // The fields keep their stored widths: "4", two blanks, "Hours" and a blank.
    lblDuration->setText(record.Duration.leftJustified(2) + QLatin1Char(' ') + record.Unit.leftJustified(6));
    lblProblem->setText(record.EventText.trimmed());
    lblAssignto->setText(Shared().EntryTeam);
}

void frmSlip::cmdAttn_Click()
{
    Hide();
}

void frmSlip::imgDialer_Click()
{
    DialRequest() = {lblName->text(), lblTelephone->text()};
    ShowScreenModal(QStringLiteral("frmDialer"));
}

void frmSlip::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    if (unloadMode == UserClosed)
        EndProgram();
}
