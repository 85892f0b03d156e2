// The customer screen's six free-text boxes and their large edit window.
#include "accounts/frmCustomer.h"

#include "accounts/AuxData.h"
#include "accounts/CustomerRecords.h"
#include "core/FileAccess.h"
#include "core/Utilities.h"
#include "platform/CodePage.h"
#include "platform/Controls.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QWidget* frmCustomer::BuildAuxFrame()
{
    fraAux = new QGroupBox(QStringLiteral("Use this screen to store data about each Customer Account"), this);
    auto* layout = new QVBoxLayout(fraAux);
    lblAccount = new QLabel(fraAux);
    QFont bold = lblAccount->font();
    bold.setBold(true);
    lblAccount->setFont(bold);
    layout->addWidget(lblAccount);

    auto* boxes = new QGridLayout;
    for (int i = 0; i < AuxBoxCount; ++i) {
        txtHeading[size_t(i)] = new TextBox(fraAux);
        txtHeading[size_t(i)]->setText(QStringLiteral("Heading #%1").arg(i + 1));
        txtHeading[size_t(i)]->setToolTip(QStringLiteral("Applies to All Accounts"));
        // Room for a heading of a few words, such as one naming a preferred contact time.
        txtHeading[size_t(i)]->setMinimumWidth(
            txtHeading[size_t(i)]->fontMetrics().horizontalAdvance(QString(24, QLatin1Char('x'))) + 8);
        lblClear[size_t(i)] = new PictureBox(fraAux);
        lblClear[size_t(i)]->setText(QStringLiteral("<Clear"));
        lblClear[size_t(i)]->setToolTip(QStringLiteral("Clears the Aux Data Box"));
        txtAux[size_t(i)] = new MultiLineTextBox(fraAux);
        txtAux[size_t(i)]->setToolTip(QStringLiteral("Dbl Click to show in Big Window"));
        txtAux[size_t(i)]->setMinimumHeight(48);
        const int row = (i / 2) * 2;
        const int col = (i % 2) * 2;
        boxes->addWidget(txtHeading[size_t(i)], row, col);
        boxes->addWidget(lblClear[size_t(i)], row, col + 1);
        boxes->addWidget(txtAux[size_t(i)], row + 1, col, 1, 2);
    }
    layout->addLayout(boxes);

    ckSaveAux = new QCheckBox(QStringLiteral("RETAIN Aux Data between Accounts"), fraAux);
    ckSaveAux->setToolTip(QStringLiteral("The data for one account is not cleared when the next account is loaded"));
    layout->addWidget(ckSaveAux);

    const std::pair<int, const char*> buttons[] = {
        {0, "Save &Headings"}, {2, "&Close Window"}, {3, "&Reload This Acct"}, {8, "Show &Previous Account"},
        {7, "&Show Next Account"}, {4, "Hi&de"}, {5, "Clear"}, {6, "Oops, Reload"},
    };
    for (const auto& [index, caption] : buttons)
        cmdSaveAux[size_t(index)] = new QPushButton(QString::fromUtf8(caption), fraAux);
    // Two rows, so that the data screen beside the customer still fits a small screen.
    auto* rows = new QGridLayout;
    int place = 0;
    for (int index : {0, 3, 2, 8, 7}) {
        rows->addWidget(cmdSaveAux[size_t(index)], place / 3, place % 3);
        ++place;
    }
    layout->addLayout(rows);

    // The large edit window for one box.
    fraBig = new QGroupBox(fraAux);
    auto* big = new QVBoxLayout(fraBig);
    lblEditing = new QLabel(fraBig);
    lblEditing->setWordWrap(true);
    big->addWidget(lblEditing);
    txtBig = new MultiLineTextBox(fraBig);
    big->addWidget(txtBig, 1);
    auto* bigButtons = new QHBoxLayout;
    for (int index : {4, 5, 6})
        bigButtons->addWidget(cmdSaveAux[size_t(index)]);
    bigButtons->addStretch();
    big->addLayout(bigButtons);
    fraBig->hide();
    layout->addWidget(fraBig, 1);

    fraAux->hide();
    return fraAux;
}

void frmCustomer::ConnectAux()
{
    for (int i = 0; i < AuxBoxCount; ++i) {
        connect(lblClear[size_t(i)], &PictureBox::clicked, this, [this, i] { lblClear_Click(i); });
        connect(txtAux[size_t(i)], &MultiLineTextBox::doubleClicked, this, [this, i] { txtAux_DblClick(i); });
    }
    for (size_t index = 0; index < cmdSaveAux.size(); ++index)
        if (cmdSaveAux[index])
            connect(cmdSaveAux[index], &QPushButton::clicked, this, [this, index] { cmdSaveAux_Click(int(index)); });
    connect(mnuAux, &QAction::triggered, this, [this] { mnuAux_Click(); });
}

std::optional<QString> frmCustomer::AuxAccount()
{
    const QString accountNo = txtCustomer[0]->text().trimmed();
    // A number the file cannot keep as typed names a folder nothing would find again.
    if (IsSafePathPart(accountNo) && FitsCodePage(accountNo))
        return accountNo;
    if (!AuxRefusalShown()) {
        AuxRefusalShown() = true;
        MsgBox(QStringLiteral("The data boxes of this account cannot be kept:\nits Account Number is empty or cannot name a folder."),
               MsgButtons::OkOnly, MsgIcon::None, QStringLiteral("Account Data"));
    }
    return std::nullopt;
}

void frmCustomer::LoadAuxHeadings()
{
    const QStringList headings = ReadAuxHeadings();
    for (int i = 0; i < headings.size() && i < AuxBoxCount; ++i) {
        txtHeading[size_t(i)]->setText(headings.at(i));
        // A heading longer than its box shows its beginning, not its end.
        txtHeading[size_t(i)]->setCursorPosition(0);
    }
}

void frmCustomer::LoadAuxData()
{
    // Whatever loaded the customer (a navigation button, a cancelled add), the data screen names
    // the account its boxes now belong to.
    lblAccount->setText(AuxAccountLine());
    if (ckSaveAux->isChecked())
        return;
    for (MultiLineTextBox* box : txtAux)
        box->clear();
    // A new customer with no number yet simply has empty boxes.
    if (txtCustomer[0]->text().trimmed().isEmpty())
        return;
    const std::optional<QString> account = AuxAccount();
    if (!account)
        return;
    for (int i = 0; i < AuxBoxCount; ++i)
        txtAux[size_t(i)]->setPlainText(ReadAuxBox(*account, i));
}

void frmCustomer::SaveAuxData()
{
    const std::optional<QString> account = AuxAccount();
    if (!account)
        return;
    bool saved = true;
    for (int i = 0; i < AuxBoxCount; ++i)
        saved = WriteAuxBox(*account, i, txtAux[size_t(i)]->toPlainText()) && saved;
    if (!saved)
        ShowWriteFailure(QStringLiteral("The data boxes could not be saved."));
}

QString frmCustomer::AuxAccountLine() const
{
    if (lbLType->text() == BusinessType)
        return txtCustomer[1]->text();
    return cboTitle->currentText() + QLatin1Char(' ') + txtCustomer[8]->text() + QLatin1Char(' ') + txtCustomer[10]->text();
}

void frmCustomer::mnuAux_Click()
{
    if (fraAux->isVisible()) {
        fraAux->hide();
        return;
    }
    lblAccount->setText(AuxAccountLine());
    fraAux->show();
}

void frmCustomer::cmdSaveAux_Click(int Index)
{
    switch (Index) {
    case 0: {
        QStringList headings;
        for (TextBox* heading : txtHeading)
            headings.append(heading->text());
        if (!SaveAuxHeadings(headings))
            ShowWriteFailure(QStringLiteral("The headings could not be saved."));
        break;
    }
    case 2:
        SaveAuxData();
        fraAux->hide();
        break;
    case 3:
        LoadAuxData();
        break;
    case 4:
        txtAux[size_t(AuxBoxIndex)]->setPlainText(txtBig->toPlainText());
        fraBig->hide();
        break;
    case 5:
        txtBig->clear();
        break;
    case 6:
        txtBig->setPlainText(txtAux[size_t(AuxBoxIndex)]->toPlainText());
        break;
    case 7:
    case 8: {
        SaveAuxData();
        const bool next = Index == 7;
        if ((next && CurrentRec >= RecordCount) || (!next && CurrentRec < 2))
            break;
        CurrentRec += next ? 1 : -1;
        LoadCustomer();
        break;
    }
    default:
        break;
    }
}

void frmCustomer::lblClear_Click(int Index)
{
    txtAux[size_t(Index)]->clear();
    txtAux[size_t(Index)]->setFocus();
}

void frmCustomer::txtAux_DblClick(int Index)
{
    AuxBoxIndex = Index;
    txtBig->setPlainText(txtAux[size_t(Index)]->toPlainText());
    lblEditing->setText(QStringLiteral("Editing Data Box # %1 - %2 - for %3")
                            .arg(Index + 1)
                            .arg(txtHeading[size_t(Index)]->text(), lblAccount->text()));
    fraBig->show();
    txtBig->setFocus();
}
