#include "projects/frmCustomerSelection.h"

#include "core/GridWheel.h"
#include "core/Navigation.h"
#include "core/Shutdown.h"
#include "core/Utilities.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "scheduling/ProposalHandOver.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const InfoCaptions[9] = {"",           "Name",       "Address #1", "Address #2", "Address #3",
                                     "Address #4", "Address #5", "Telephone",  " Cell Phone"};

QGroupBox* InstructionPanel(QWidget* parent, const QString& text)
{
    auto* panel = new QGroupBox(parent);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* box = new QVBoxLayout(panel);
    auto* label = new QLabel(text, panel);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    box->addWidget(label);
    return panel;
}

} // namespace

frmCustomerSelection::frmCustomerSelection()
{
    setWindowTitle(QStringLiteral("Customer Selection"));
    auto* layout = new QVBoxLayout(this);

    fraInstructions[0] =
        InstructionPanel(this, QStringLiteral("Select a Customer from your Customer List or an Existing Proposal"));
    cmdStartup[0] = new QPushButton(QStringLiteral("Select Customer from Customer List"), fraInstructions[0]);
    cmdStartup[1] = new QPushButton(QStringLiteral("Select Customer from Existing Proposal"), fraInstructions[0]);
    auto* startButtons = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        startButtons->addWidget(cmdStartup[size_t(i)]);
        connect(cmdStartup[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdStartup_Click(i); });
    }
    static_cast<QVBoxLayout*>(fraInstructions[0]->layout())->addLayout(startButtons);
    layout->addWidget(fraInstructions[0]);
    fraInstructions[1] = InstructionPanel(this, QStringLiteral("Click Create"));
    layout->addWidget(fraInstructions[1]);

    fraProposals = new QGroupBox(QStringLiteral("Existing Proposals"), this);
    auto* proposals = new QVBoxLayout(fraProposals);
    fgProposals = new FlexGrid(fraProposals);
    fgProposals->SetCols(4);
    const char* const headings[4] = {"Proposal No", "Created on", "Customer Information", "Amount"};
    for (int col = 0; col < 4; ++col) {
        fgProposals->SetTextMatrix(0, col, QString::fromLatin1(headings[col]));
        fgProposals->SetColAlignment(col, col == 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    }
    fgProposals->horizontalHeaderItem(2)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fgProposals->setColumnWidth(0, 130);
    fgProposals->setColumnWidth(1, 110);
    fgProposals->setColumnWidth(2, 300);
    fgProposals->horizontalHeader()->setStretchLastSection(true);
    proposals->addWidget(fgProposals, 1);
    auto* pickRow = new QHBoxLayout;
    pickRow->addWidget(new QLabel(QStringLiteral("Left Click on a Proposal to Select it"), fraProposals));
    pickRow->addStretch();
    cmdCancelselectProposal = new QPushButton(QStringLiteral("Cancel Select from Proposal"), fraProposals);
    pickRow->addWidget(cmdCancelselectProposal);
    proposals->addLayout(pickRow);
    fraProposals->hide();
    layout->addWidget(fraProposals, 4);
    layout->addStretch(1);
    connect(cmdCancelselectProposal, &QPushButton::clicked, this, [this] { cmdCancelselectProposal_Click(); });
    connect(fgProposals, &QTableWidget::cellClicked, this, [this](int row, int) { fgProposals_Click(row + 1); });

    layout->addWidget(BuildProjectInfo());
    resize(720, 560);
}

QWidget* frmCustomerSelection::BuildProjectInfo()
{
    fraProjectInfo = new QGroupBox(QStringLiteral("Customer Information"), this);
    auto* grid = new QGridLayout(fraProjectInfo);
    grid->addWidget(new QLabel(QStringLiteral("Acct No"), fraProjectInfo), 0, 0);
    lblAccount = new QLabel(fraProjectInfo);
    grid->addWidget(lblAccount, 0, 1);
    for (int i = 1; i <= 8; ++i) {
        grid->addWidget(new QLabel(QString::fromLatin1(InfoCaptions[i]), fraProjectInfo), i, 0);
        lblCustomerInfo[size_t(i)] = new ElidedLabel(fraProjectInfo);
        lblCustomerInfo[size_t(i)]->setMinimumWidth(300);
        grid->addWidget(lblCustomerInfo[size_t(i)], i, 1);
    }
    grid->setColumnStretch(1, 1);
    const char* const captions[3] = {"Return to Menu", "&Create", "Select a Different Customer"};
    auto* buttons = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        cmdCreation[size_t(i)] = new QPushButton(QString::fromLatin1(captions[i]), fraProjectInfo);
        buttons->addWidget(cmdCreation[size_t(i)]);
        connect(cmdCreation[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdCreation_Click(i); });
    }
    grid->addLayout(buttons, 9, 0, 1, 2);
    return fraProjectInfo;
}

void frmCustomerSelection::Form_Load()
{
    LoadProposals();
}

void frmCustomerSelection::Form_Activate()
{
    HookFlexGrid(this, fgProposals);
    ClearCustomerInfo();
    ShowStartPanel(true);
}

void frmCustomerSelection::Form_Deactivate()
{
    UnhookFlexGrid();
}

void frmCustomerSelection::Form_QueryUnload(int unloadMode, bool& cancel)
{
    Q_UNUSED(cancel);
    UnhookFlexGrid();
    if (unloadMode == UserClosed)
        EndProgram();
}

void frmCustomerSelection::LoadProposals()
{
    const ProposalListing listing = ReadProposals();
    const QStringList unreported = TakeUnreportedProposals(listing.Unreadable);
    if (!unreported.isEmpty())
        MsgBox(QStringLiteral("These proposal files could not be read and are left out:\n") +
                   FewLines(unreported),
               MsgButtons::OkOnly, MsgIcon::Exclamation, QStringLiteral("Damaged Proposal Files"));
    if (listing.Proposals.isEmpty()) {
        MsgBox(QStringLiteral("No Proposals Exist"));
        cmdStartup[1]->setEnabled(false);
        return;
    }
    cmdStartup[1]->setEnabled(true);
    const int n = int(listing.Proposals.size());
    fgProposals->SetRows(n + 1);
    Proposals = QList<ProposalRecord>{ProposalRecord{}} + listing.Proposals;
    for (int j = 1; j <= n; ++j) {
        const ProposalRecord& p = Proposals.at(j);
        fgProposals->SetTextMatrix(j, 0, p.ProposalNo.Text());
        fgProposals->SetTextMatrix(j, 1, p.CreatedOnText());
        fgProposals->SetTextMatrix(j, 2, p.CustomerName.Text());
        fgProposals->SetTextMatrix(j, 3, p.AmountText());
    }
    fgProposals->setCurrentCell(0, 0);
}

void frmCustomerSelection::ClearCustomerInfo()
{
    for (int i = 1; i <= 8; ++i)
        lblCustomerInfo[size_t(i)]->clear();
    lblAccount->clear();
}

void frmCustomerSelection::ShowStartPanel(bool start)
{
    cmdCreation[1]->setEnabled(!start);
    cmdCreation[2]->setEnabled(!start);
    fraInstructions[start ? 1 : 0]->hide();
    fraInstructions[start ? 0 : 1]->show();
}

void frmCustomerSelection::cmdStartup_Click(int Index)
{
    if (Index == 1) {
        fraProposals->show();
        return;
    }
    ShowScreen(QStringLiteral("frmCustomer"));
    FromProposal = false;
    // The next project is the customer's own: no proposal number is waiting for it.
    ResetProposalHandOver();
    Unload();
}

void frmCustomerSelection::cmdCancelselectProposal_Click()
{
    fraProposals->hide();
    ShowStartPanel(true);
}

void frmCustomerSelection::fgProposals_Click(int row)
{
    if (row < 1 || row >= Proposals.size())
        return;
    ProposalRow = qint16(row);
    cmdCreation[1]->setEnabled(true);
    const ProposalRecord& p = Proposals.at(row);
    lblAccount->setText(p.AccountNo.Text());
    const std::array<QString, 8> block = p.CustomerBlock();
    for (int i = 1; i <= 7; ++i)
        lblCustomerInfo[size_t(i)]->setText(block[size_t(i)]);
    fraProposals->hide();
    ShowStartPanel(false);
    FromProposal = true;
}

void frmCustomerSelection::cmdCreation_Click(int Index)
{
    switch (Index) {
    case 0:
        Hide();
        ShowMainMenu();
        break;
    case 1:
        Create();
        break;
    case 2:
        ShowStartPanel(true);
        break;
    default:
        break;
    }
}

void frmCustomerSelection::Create()
{
    std::array<QString, 8> labels;
    for (int i = 1; i <= 7; ++i)
        labels[size_t(i)] = lblCustomerInfo[size_t(i)]->text();
    const QString proposalNo = FromProposal ? fgProposals->TextMatrix(ProposalRow, 0) : QString();
    ProposalHandOver() = BuildProposalHandOver(labels, lblAccount->text(), FromProposal, proposalNo);
    if (ShowScreen(QStringLiteral("frmMain")))
        Hide();
}
