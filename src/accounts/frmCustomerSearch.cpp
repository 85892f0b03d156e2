// The customer screen's search panel, results grid and customer list.
#include "accounts/frmCustomer.h"

#include "accounts/CustomerRecords.h"
#include "accounts/CustomerSearch.h"
#include "accounts/Reports.h"
#include "core/Printing.h"
#include "core/FileAccess.h"
#include "core/GridWheel.h"
#include "core/Settings.h"
#include "platform/FlexGrid.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const char* const SearchCaptions[9] = {
    "by Business Name", "by Address #1",       "by Address #2",       "by City or Addr #3)",
    "by State",         "by Zip Code (or Addr #4)", "by Telephone Number", "by Last Name",
    "by Account Number",
};

// The grid tells of a mouse button released over it.
class MouseUpWatcher : public QObject {
public:
    MouseUpWatcher(QObject* parent, std::function<void()> onMouseUp) : QObject(parent), onMouseUp_(std::move(onMouseUp)) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            onMouseUp_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onMouseUp_;
};
} // namespace

QWidget* frmCustomer::BuildSearchFrames()
{
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    fraSearch = new QGroupBox(QStringLiteral("Customer Search"), area);
    auto* search = new QGridLayout(fraSearch);
    search->addWidget(new QLabel(QStringLiteral("Enter Search Data"), fraSearch), 0, 0);
    txtSearchfor = new TextBox(fraSearch);
    search->addWidget(txtSearchfor, 0, 1, 1, 2);
    for (int i = 0; i < 9; ++i) {
        optSearch[size_t(i)] = new QRadioButton(QString::fromUtf8(SearchCaptions[i]), fraSearch);
        search->addWidget(optSearch[size_t(i)], 1 + i / 3, i % 3);
    }
    auto* buttons = new QHBoxLayout;
    cmdStartSearch = new QPushButton(QStringLiteral("Search"), fraSearch);
    cmdClearSearch = new QPushButton(QStringLiteral("Clear"), fraSearch);
    cmdHideSearch = new QPushButton(QStringLiteral("Hide"), fraSearch);
    buttons->addWidget(cmdStartSearch);
    buttons->addWidget(cmdClearSearch);
    buttons->addWidget(cmdHideSearch);
    buttons->addStretch();
    search->addLayout(buttons, 4, 0, 1, 3);
    fraSearch->hide();
    layout->addWidget(fraSearch);

    // Titled from the start, so that the room it takes is known before it first shows.
    fraCustomersFound = new QGroupBox(QStringLiteral("Customer List"), area);
    auto* found = new QVBoxLayout(fraCustomersFound);
    fgCustomersFound = new FlexGrid(fraCustomersFound);
    fgCustomersFound->SetCols(5);
    const QString headings[5] = {QStringLiteral("Customer"), QStringLiteral("Phone"), QStringLiteral("Street"),
                                 QStringLiteral("City"), QStringLiteral("Rec")};
    for (int col = 0; col < 5; ++col)
        fgCustomersFound->SetTextMatrix(0, col, headings[col]);
    fgCustomersFound->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    fgCustomersFound->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    fgCustomersFound->setMinimumHeight(180);
    found->addWidget(fgCustomersFound);
    // The hints above the buttons, so that the list is no wider than the customer's boxes and
    // still fits beside the data screen.
    auto* hints = new QHBoxLayout;
    for (const QString& hint : {QStringLiteral("Left Click to Select a Customer"), QStringLiteral("Right Click to Load "),
                                QStringLiteral("Click Retry if not Found")})
        hints->addWidget(new QLabel(hint, fraCustomersFound));
    hints->addStretch();
    found->addLayout(hints);
    auto* listButtons = new QHBoxLayout;
    listButtons->addStretch();
    cmdRetry = new QPushButton(QStringLiteral("&Close/Retry"), fraCustomersFound);
    cmdPrintCustomers = new QPushButton(QStringLiteral("&Print"), fraCustomersFound);
    cmdPrintCustomers->setToolTip(QStringLiteral("Prints the Customer Data"));
    listButtons->addWidget(cmdPrintCustomers);
    listButtons->addWidget(cmdRetry);
    found->addLayout(listButtons);
    fraCustomersFound->hide();
    layout->addWidget(fraCustomersFound);

    mnupopup = new QMenu(this);
    mnuSelect = mnupopup->addAction(QStringLiteral("Load Customer"));
    return area;
}

void frmCustomer::ConnectSearch()
{
    for (int i = 0; i < 9; ++i)
        connect(optSearch[size_t(i)], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optSearch_Click(i);
        });
    connect(cmdStartSearch, &QPushButton::clicked, this, [this] { cmdStartSearch_Click(); });
    connect(cmdClearSearch, &QPushButton::clicked, this, [this] { cmdClearSearch_Click(); });
    connect(cmdHideSearch, &QPushButton::clicked, this, [this] { cmdHideSearch_Click(); });
    connect(cmdRetry, &QPushButton::clicked, this, [this] { cmdRetry_Click(); });
    connect(cmdPrintCustomers, &QPushButton::clicked, this, [this] { cmdPrintCustomers_Click(); });
    connect(mnuSelect, &QAction::triggered, this, [this] { mnuSelect_Click(); });
    fgCustomersFound->viewport()->installEventFilter(new MouseUpWatcher(this, [this] { fgCustomersFound_MouseUp(); }));
}

void frmCustomer::optSearch_Click(int Index)
{
    txtSearchfor->setFocus();
    if (Index == SearchByTelephone) {
        txtSearchfor->setText(Settings().BusinessPhone.left(8));
        txtSearchfor->end(false);
    } else {
        txtSearchfor->clear();
    }
}

void frmCustomer::cmdStartSearch_Click()
{
    int option = SearchByAccountNumber;
    for (int i = 0; i < 8; ++i)
        if (optSearch[size_t(i)]->isChecked()) {
            option = i;
            break;
        }
    if (option == SearchByTelephone && txtSearchfor->text().size() < 12) {
        if (Settings().AlarmsOn)
            Beep();
        txtSearchfor->setFocus();
        return;
    }
    SearchCustomers(option, txtSearchfor->text().trimmed().toUpper());
    fraSearch->hide();
}

void frmCustomer::cmdClearSearch_Click()
{
    txtSearchfor->clear();
    txtSearchfor->setFocus();
}

void frmCustomer::cmdHideSearch_Click()
{
    fraSearch->hide();
}

void frmCustomer::AddFoundCustomer(int row, const FoundCustomer& found)
{
    fgCustomersFound->SetRows(row + 1);
    fgCustomersFound->SetTextMatrix(row, 0, found.Customer);
    fgCustomersFound->SetTextMatrix(row, 1, found.Phone);
    fgCustomersFound->SetTextMatrix(row, 2, found.Street);
    fgCustomersFound->SetTextMatrix(row, 3, found.City);
    fgCustomersFound->SetTextMatrix(row, 4, QString::number(found.RecordNo));
    for (int col : {1, 4})
        if (QTableWidgetItem* cell = fgCustomersFound->item(row - 1, col))
            cell->setTextAlignment(Qt::AlignCenter);
}

void frmCustomer::SearchCustomers(int option, const QString& searchText)
{
    const QList<FoundCustomer> found = SearchCustomerRecords(option, searchText);
    fgCustomersFound->SetRows(1);
    for (int row = 1; row <= found.size(); ++row)
        AddFoundCustomer(row, found.at(row - 1));
    if (option == ListAllCustomers)
        return;

    if (found.isEmpty()) {
        txtSearchfor->clear();
        if (MsgBox(QStringLiteral("No Accounts Matching the Search Data were Found\nWould you like to Create a New Account?"),
                   MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Customer not Found"))
            == MsgAnswer::Yes) {
            fraSearch->hide();
            mnuAdd_Click();
        } else {
            fraCustomersFound->hide();
            mnuPrint->setText(QStringLiteral("View Customer List"));
        }
        return;
    }
    fraSearch->hide();
    if (found.size() == 1) {
        CurrentRec = found.first().RecordNo;
        LoadCustomer();
        return;
    }
    fraCustomersFound->setTitle(QStringLiteral("Customers Search Results"));
    cmdPrintCustomers->hide();
    fraCustomersFound->show();
}

void frmCustomer::mnuPrint_Click()
{
    if (!FileExists(CustomerDataPath)) {
        if (Settings().AlarmsOn)
            Beep();
        return;
    }
    fraSearch->hide();
    fraCustomersFound->setTitle(QStringLiteral("Customer List"));
    cmdPrintCustomers->show();
    fraCustomersFound->show();
    SearchCustomers(ListAllCustomers, QStringLiteral("All"));
}

void frmCustomer::fgCustomersFound_MouseUp()
{
    mnuPrint->setText(QStringLiteral("View Customer List"));
    mnupopup->popup(QCursor::pos());
}

void frmCustomer::mnuSelect_Click()
{
    const int row = fgCustomersFound->currentRow() + 1;
    if (row < 1 || row >= fgCustomersFound->Rows())
        return;
    bool ok = false;
    const int recordNo = fgCustomersFound->TextMatrix(row, 4).toInt(&ok);
    if (!ok)
        return;
    CurrentRec = recordNo;
    LoadCustomer();
    fraCustomersFound->hide();
}

void frmCustomer::cmdRetry_Click()
{
    fraCustomersFound->hide();
    mnuPrint->setText(QStringLiteral("View Customer List"));
}

void frmCustomer::cmdPrintCustomers_Click()
{
    if (MsgBox(QStringLiteral("Click Yes to print a Customer Report"), MsgButtons::YesNo, MsgIcon::Question,
               QStringLiteral("Customer Report"))
        != MsgAnswer::Yes)
        return;
    RunPrintJob(QStringLiteral("The Customer List will not be Printed"), [] {
        SetupPrinter(QStringLiteral("Landscape"), ColorPrintingFlag());
        PrintReportHeader();
        PrintCustomerList();
    });
}
