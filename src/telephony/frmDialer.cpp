#include "telephony/frmDialer.h"

#include "core/DialService.h"
#include "core/Shutdown.h"
#include "platform/Controls.h"
#include "platform/SerialPort.h"
#include "telephony/Modem.h"
#include "telephony/PhoneSettings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString ReadyText = QStringLiteral("Ready to Dial......");
// Enough of the modem's output to find an "OK" split over two reads.
constexpr int ReplyTail = 32;

} // namespace

frmDialer::frmDialer()
{
    setWindowTitle(QStringLiteral("Call ..............."));
    auto* layout = new QVBoxLayout(this);

    auto* party = new QHBoxLayout;
    auto* picture = new QLabel(this);
    picture->setPixmap(PhonePicture(48));
    party->addWidget(picture, 0, Qt::AlignTop);
    auto* labels = new QVBoxLayout;
    lblName = new QLabel(this);
    lblName->setToolTip(QStringLiteral("Customer that you are Calling"));
    QFont large = lblName->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    large.setBold(true);
    lblName->setFont(large);
    lblNumber = new QLabel(this);
    lblNumber->setFont(large);
    lblStatus = new QLabel(this);
    lblStatus->setToolTip(QStringLiteral("Dailing Status"));
    lblStatus->setFrameShape(QFrame::StyledPanel);
    for (QLabel* label : {lblName, lblNumber, lblStatus}) {
        // The rows keep their place while a label is empty.
        label->setMinimumHeight(label->fontMetrics().height() + 4);
        labels->addWidget(label);
    }
    party->addLayout(labels, 1);
    layout->addLayout(party);

    auto* buttons = new QHBoxLayout;
    cmdNewDial = new QPushButton(QStringLiteral("&Dial"), this);
    cmdNewDial->setToolTip(QStringLiteral("Dial the number"));
    cmdCancel = new QPushButton(QStringLiteral("Pick up the receiver then &Click to Talk"), this);
    cmdCancel->setToolTip(QStringLiteral("Make connection"));
    cmdCancel->hide();
    cmdHangup = new QPushButton(QStringLiteral("D&isconnect/Cancel"), this);
    cmdHangup->setToolTip(QStringLiteral("Return to previous Screen"));
    ckDial1 = new QCheckBox(QStringLiteral("Dial a Prefix  1-"), this);
    ckDial1->setToolTip(QStringLiteral("Click for Long Distance Calls"));
    buttons->addWidget(cmdNewDial);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdHangup);
    buttons->addStretch();
    buttons->addWidget(ckDial1);
    layout->addLayout(buttons);

    layout->addWidget(BuildSpeedDials());
    layout->addWidget(BuildHelp());

    auto* modem = new QHBoxLayout;
    Text1 = new QLineEdit(this);
    Text1->setReadOnly(true);
    Label2[3] = new QLabel(QStringLiteral("COM Port #"), this);
    modem->addWidget(Text1, 1);
    modem->addWidget(Label2[3]);
    cmdHelp = new QPushButton(QStringLiteral("Show Help"), this);
    modem->addWidget(cmdHelp);
    layout->addLayout(modem);

    connect(cmdNewDial, &QPushButton::clicked, this, [this] { cmdNewDial_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(cmdHangup, &QPushButton::clicked, this, [this] { cmdHangup_Click(); });
    connect(ckDial1, &QCheckBox::toggled, this, [this] { ckDial1_Click(); });
    connect(cmdHelp, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
    for (int i = 0; i < 10; ++i)
        connect(cmdDialer[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdDialer_Click(i); });
    for (int i = 0; i < 5; ++i)
        connect(cmdSpeedDialer[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdSpeedDialer_Click(i); });
    connect(&MSComm1(), &SerialPort::DataArrived, this, [this] { ModemOutput(); });
    connect(&MSComm1(), &SerialPort::Lost, this, [this] { ModemGone(); });
    resize(560, 420);
}

QWidget* frmDialer::BuildHelp()
{
    fraHelp = new QGroupBox(QStringLiteral("Help!"), this);
    auto* layout = new QVBoxLayout(fraHelp);
    const QStringList hints = {
        QStringLiteral("Connect the modem's line socket to the wall socket and your telephone to the modem's phone socket."),
        QStringLiteral("Click Dial, wait until the status reads \"Pickup Receiver\", lift the handset, then click to talk."),
        QStringLiteral("Tick \"Dial a Prefix 1-\" for long-distance numbers."),
        QStringLiteral("Click a named speed-dial button to show its number, then Dial. Click an empty one to add an entry."),
    };
    for (const QString& hint : hints) {
        auto* label = new QLabel(hint, fraHelp);
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    fraHelp->hide();
    return fraHelp;
}

void frmDialer::Form_Load()
{
    lblName->setText(DialRequest().Name);
    lblNumber->setText(DialRequest().Number);
    Text1->setText(ModemState().StatusText);
    Label2[3]->setText(ModemState().PortLabel);
}

void frmDialer::Form_Activate()
{
    ResetDialer();
    OpenModemPort();
    LoadSpeedDials();
}

void frmDialer::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    Dialling = false;
    if (unloadMode == UserClosed)
        EndProgram();
}

void frmDialer::Form_Unload()
{
    Dialling = false;
}

void frmDialer::ResetDialer()
{
    cmdSpeedDialer[2]->setEnabled(false);
    cmdNewDial->show();
    cmdCancel->hide();
    lblStatus->setText(ReadyText);
}

bool frmDialer::OpenModemPort()
{
    SerialPort& port = MSComm1();
    if (!port.PortOpen()) {
        bool number = false;
        const int commPort = ModemState().ModemPortText.trimmed().toInt(&number);
        if (number && commPort >= 1 && commPort <= 16 && port.SetCommPort(commPort))
            port.SetPortOpen(true);
    }
    const bool usable = port.PortOpen();
    cmdNewDial->setEnabled(usable);
    if (!usable)
        lblStatus->setText(NoModemText);
    return usable;
}

void frmDialer::cmdNewDial_Click()
{
    if (!OpenModemPort())
        return;
    cmdNewDial->hide();
    lblStatus->setText(QStringLiteral("Dialing..... ") + lblNumber->text());
    SerialPort& port = MSComm1();
    // Whatever the modem said before this dial (a late "OK") must not connect it.
    port.ClearInput();
    Reply.clear();
    Dialling = true;
    if (!port.Output(DialCommand(lblNumber->text()))) {
        // Nothing was dialled, so there is no answer to wait for: the port is as good as gone.
        port.SetPortOpen(false);
        ModemGone();
        return;
    }
    // An answer may have come in while the command was written.
    ModemOutput();
}

void frmDialer::ModemGone()
{
    // No "OK" can come any more; the next activation opens the port again.
    Dialling = false;
    cmdNewDial->show();
    cmdNewDial->setEnabled(false);
    cmdCancel->hide();
    lblStatus->setText(NoModemText);
}

void frmDialer::ModemOutput()
{
    if (!Dialling)
        return;
    Reply += QString::fromLatin1(MSComm1().Input());
    if (!Reply.contains(QLatin1String("OK"))) {
        Reply = Reply.right(ReplyTail);
        return;
    }
    Dialling = false;
    lblStatus->setText(QStringLiteral("Pickup Receiver - Then Click Hangup"));
    cmdCancel->show();
    cmdCancel->setFocus();
}

void frmDialer::cmdCancel_Click()
{
    HangUpModem();
}

void frmDialer::HangUpModem()
{
    ResetDialer();
    cmdHangup_Click();
}

void frmDialer::cmdHangup_Click()
{
    Dialling = false;
    SerialPort& port = MSComm1();
    port.Output(ModemCommand::HangUp);
    port.SetPortOpen(false);
    Unload();
}

void frmDialer::ckDial1_Click()
{
    const QString number = lblNumber->text();
    if (ckDial1->isChecked())
        lblNumber->setText(QStringLiteral("1-") + number);
    else if (number.startsWith(QLatin1String("1-")))
        lblNumber->setText(number.mid(2));
}

void frmDialer::cmdHelp_Click()
{
    fraHelp->setVisible(fraHelp->isHidden());
    cmdHelp->setText(fraHelp->isHidden() ? QStringLiteral("Show Help") : QStringLiteral("Hide Help"));
}
