#include "accounts/Reports.h"

#include "accounts/ContactFiles.h"
#include "accounts/CustomerRecords.h"
#include "accounts/frmContacts.h"
#include "accounts/frmCustomer.h"
#include "core/Printing.h"
#include "core/QtPrinters.h"
#include "core/Settings.h"
#include "platform/CommonDialogs.h"
#include "platform/Printer.h"
#include "platform/ProgramNames.h"
#include "support/ScreenFixture.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include <optional>

namespace {

class ReportsTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ThePrinter().Reset();
        Settings().BusinessName = "Acme Builders";
        Live().AddressStyle = UsaStyleAddress;
    }

    // A business, or with a title (which may be empty) the individual "<title> <name> Smith".
    static void AddCustomer(int n, const QString& name, std::optional<QString> title = std::nullopt)
    {
        CustomerRecord customer;
        customer.AccountNo = QStringLiteral("A%1").arg(n);
        customer.AccountType = title ? IndividualType : BusinessType;
        (title ? customer.FirstName : customer.AccountName) = name;
        customer.Title = title.value_or(QString());
        customer.LastName = title ? "Smith" : "";
        customer.Address1 = QStringLiteral("%1 Oak Ave").arg(n);
        customer.City = "Dayton";
        customer.State = "OH";
        customer.Zip2 = "45402";
        customer.Telephone = "937-555-0101";
        ASSERT_TRUE(WriteCustomer(n, customer));
    }

    static void AddContact(int n, const QString& city)
    {
        const ContactRecord contact{"AC1", QStringLiteral("Contact %1").arg(n), "9 Mill Rd", "Unit 2", city, "OH",
                                    "45402", "937-555-0177", "sales@example.com", "Supplier", "Pat"};
        ASSERT_TRUE(WriteContact(n, contact));
    }

    // The texts of a page that start with the prefix, in print order, as "x,y text".
    static QStringList Texts(int page, const QString& prefix)
    {
        QStringList found;
        for (const PrintOperation& op : ThePrinter().Pages().at(page))
            if (op.kind == PrintOperation::Text && op.text.startsWith(prefix))
                found << QStringLiteral("%1,%2 %3").arg(qRound(op.x)).arg(qRound(op.y)).arg(op.text);
        return found;
    }

    // The block headed by the line, as printed.
    static QStringList Block(const QString& head, int lines)
    {
        const QList<PrintOperation>& ops = ThePrinter().Pages().constFirst();
        QStringList block;
        for (qsizetype i = 0; i < ops.size(); ++i)
            if (ops[i].text == head)
                for (const PrintOperation& op : ops.mid(i, lines))
                    block << op.text;
        return block;
    }

    // Seven blocks three to a row, each headed by a line "<prefix><n>", rows the given number of lines apart.
    static QStringList SevenInRows(const QString& prefix, int linesPerRow)
    {
        const double h = ThePrinter().TextHeight("ABC"); // the reports end in their ten-point font
        QStringList starts;
        for (int n = 0; n < 7; ++n)
            starts << QStringLiteral("%1,%2 %3%4").arg(1440 + 4320 * (n % 3)).arg(qRound(3240 + linesPerRow * h * (n / 3))).arg(prefix).arg(n + 1);
        return starts;
    }
};

TEST_F(ReportsTest, CustomerReportPrintsThreeEntriesToARowAndPages)
{
    for (int n = 1; n <= 7; ++n)
        AddCustomer(n, QStringLiteral("Customer %1").arg(n));
    for (bool usa : {true, false}) {
        SCOPED_TRACE(usa ? "USA style" : "international style");
        Live().AddressStyle = usa ? UsaStyleAddress : InternationalStyleAddress;
        ThePrinter().Reset();
        SetupPrinter("Landscape", 1);
        PrintReportHeader();
        PrintCustomerList();
        ASSERT_EQ(ThePrinter().Pages().size(), 1);
        EXPECT_EQ(Texts(0, "Customer "), SevenInRows("Customer ", usa ? 5 : 6)); // international: one line more
        EXPECT_EQ(Block("Customer 6", usa ? 4 : 5),
                  usa ? (QStringList{"Customer 6", "6 Oak Ave", "Dayton, OH 45402", "937-555-0101"})
                      : (QStringList{"Customer 6", "6 Oak Ave", "Dayton", "45402", "937-555-0101"}));
        EXPECT_EQ(Texts(0, "Acme Builders"), QStringList{"1440,1152 Acme Builders"});
        EXPECT_EQ(Texts(0, "3/7/2026"), QStringList{"12960,720 3/7/2026"});
    }

    // A long list goes on under a repeated header; an individual without a title starts with a blank.
    for (int n = 8; n <= 30; ++n)
        AddCustomer(n, QStringLiteral("Customer %1").arg(n));
    AddCustomer(31, "Ann", "");
    AddCustomer(32, "Bob", "Dr.");
    Live().AddressStyle = UsaStyleAddress;
    ThePrinter().Reset();
    SetupPrinter("Landscape", 1);
    PrintReportHeader();
    PrintCustomerList();
    ASSERT_EQ(ThePrinter().Pages().size(), 2);
    const QStringList first = Texts(0, "Customer "), second = Texts(1, "Customer ");
    EXPECT_EQ(first.size() % 3, 0);
    EXPECT_EQ(first.size() + second.size(), 30);
    ASSERT_FALSE(second.isEmpty());
    EXPECT_EQ(second[0], QStringLiteral("1440,3240 Customer %1").arg(first.size() + 1));
    for (int page = 0; page < 2; ++page) {
        EXPECT_EQ(Texts(page, "Account Information").size(), 1);
        EXPECT_EQ(Texts(page, "Acme Builders").size(), 1);
        for (const PrintOperation& op : ThePrinter().Pages().at(page))
            EXPECT_LT(op.y + ThePrinter().TextHeight("ABC"), ThePrinter().Height()) << op.text.toStdString();
    }
    EXPECT_EQ(Texts(1, " Ann Smith").size(), 1);
    EXPECT_EQ(Texts(1, "Dr. Bob Smith").size(), 1);

    // A list that just fills the first page starts no other.
    ASSERT_TRUE(QFile::resize(FullPath("/CustomerData.txt"), first.size() * CustomerRecord::Length));
    ThePrinter().Reset();
    PrintReportHeader();
    PrintCustomerList();
    EXPECT_EQ(ThePrinter().Pages().size(), 1);
}

TEST_F(ReportsTest, ContactReportPrintsFiveLineBlocksThreeToARow)
{
    for (int n = 1; n <= 7; ++n)
        AddContact(n, n == 5 ? "" : "Dayton");
    SetupPrinter("Landscape", 1);
    PrintContactReport();
    ASSERT_EQ(ThePrinter().Pages().size(), 1);
    EXPECT_EQ(Texts(0, "Contact "), SevenInRows("Contact ", 5));
    EXPECT_EQ(Block("Contact 1", 5), (QStringList{"Contact 1", "9 Mill Rd", "Dayton, OH 45402", "937-555-0177", "sales@example.com"}));
    EXPECT_EQ(Block("Contact 5", 3), (QStringList{"Contact 5", "9 Mill Rd", ", OH 45402"}));
    EXPECT_EQ(Texts(0, "Unit 2").size() + Texts(0, "Supplier").size(), 0);
    EXPECT_EQ(Texts(0, "Account Information").size(), 1);
    EXPECT_EQ(Texts(0, "3/7/2026"), QStringList{"12960,720 3/7/2026"});
}

TEST_F(ReportsTest, PrintButtonsAskThenGoThroughThePrinterDialog)
{
    AddCustomer(1, "Customer 1");
    AddContact(1, "Dayton");
    frmCustomer& customers = ScreenInstance<frmCustomer>();
    frmContacts& contacts = ScreenInstance<frmContacts>();
    DialogScript dialogs;
    Live().ColorPrinting = false;

    Script().Queue(MsgAnswer::No);
    customers.cmdPrintCustomers_Click();
    EXPECT_EQ(dialogs.Shown(), 0);
    EXPECT_TRUE(ThePrinter().Pages()[0].isEmpty());
    for (int i = 0; i < 3; ++i) {
        Script().Queue(MsgAnswer::Yes);
        Script().Queue(MsgAnswer::Ok);
    }
    dialogs.QueueCancel();
    customers.cmdPrintCustomers_Click();
    EXPECT_TRUE(ThePrinter().Pages()[0].isEmpty());
    dialogs.QueuePrinter(FullPath("/no such folder/report.pdf"));
    customers.cmdPrintCustomers_Click();
    dialogs.QueueCancel();
    contacts.cmdPrintContacts_Click();
    QStringList boxes;
    for (const ShownMessage& box : Script().Shown())
        boxes << box.Title + ": " + box.Prompt;
    EXPECT_EQ(boxes, (QStringList{"Customer Report: Click Yes to print a Customer Report",
                                  "Customer Report: Click Yes to print a Customer Report",
                                  ProgramTitle + ": The Customer List will not be Printed",
                                  "Customer Report: Click Yes to print a Customer Report",
                                  "Print Error: A Print Error has occurred\nThe Customer List will not be Printed",
                                  "Contact Report: Click Yes to print a Contact Report",
                                  ProgramTitle + ": The Contact List will not be Printed"}));

    // Customers print in colour as the settings say; contacts always do.
    Script().Queue(MsgAnswer::Yes);
    dialogs.QueuePrinter();
    customers.cmdPrintCustomers_Click();
    EXPECT_EQ(Texts(0, "Customer 1").size(), 1);
    EXPECT_EQ(ThePrinter().orientation, Printer::Landscape);
    EXPECT_FALSE(ThePrinter().colorMode);
    Script().Queue(MsgAnswer::Yes);
    dialogs.QueuePrinter();
    contacts.cmdPrintContacts_Click();
    EXPECT_EQ(Texts(0, "Contact 1").size(), 1);
    EXPECT_TRUE(ThePrinter().colorMode);
    EXPECT_EQ(dialogs.Unanswered(), 0);
}

TEST_F(ReportsTest, CustomerReportRendersToPdf)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    AddCustomer(1, "Harbor Lumber");
    AddCustomer(2, "Jones", "Mrs.");
    DialogScript dialogs;
    Script().Queue(MsgAnswer::Yes);
    dialogs.QueuePrinter(FullPath("/report.pdf"));
    ScreenInstance<frmCustomer>().cmdPrintCustomers_Click();
    ASSERT_TRUE(Exists("/report.pdf"));
    QProcess process;
    process.start(pdftotext, {FullPath("/report.pdf"), "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* expected : {"Account Information", "Harbor Lumber", "Mrs. Jones Smith"})
        EXPECT_TRUE(text.contains(expected)) << expected << " missing from:\n" << text.toStdString();
}

TEST_F(ReportsTest, TitlesAreCentredOnTheLandscapePage)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    AddCustomer(1, "Harbor Lumber");
    AddContact(1, "Dayton");
    DialogScript dialogs;
    for (const bool customers : {true, false}) {
        SCOPED_TRACE(customers ? "customer report" : "contact report");
        const QString pdf = FullPath(customers ? "/customers.pdf" : "/contacts.pdf");
        Script().Queue(MsgAnswer::Yes);
        dialogs.QueuePrinter(pdf);
        if (customers)
            ScreenInstance<frmCustomer>().cmdPrintCustomers_Click();
        else
            ScreenInstance<frmContacts>().cmdPrintContacts_Click();
        // Where the words stand on the printed page, in points.
        QProcess process;
        process.start(pdftotext, {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
        ASSERT_TRUE(process.waitForFinished(30000));
        const QString page = QString::fromUtf8(process.readAllStandardOutput());
        const QRegularExpressionMatch size = QRegularExpression(R"re(<page width="([\d.]+)")re").match(page);
        const auto word = [&page](const char* text) {
            return QRegularExpression(QStringLiteral(R"re(xMin="([\d.]+)"[^>]*xMax="([\d.]+)"[^>]*>%1<)re").arg(text)).match(page);
        };
        const QRegularExpressionMatch first = word("Account"), last = word("Information");
        ASSERT_TRUE(size.hasMatch() && first.hasMatch() && last.hasMatch()) << page.toStdString();
        const double width = size.captured(1).toDouble();
        EXPECT_NEAR(width, 792, 1); // eleven inches across
        EXPECT_NEAR((first.captured(1).toDouble() + last.captured(2).toDouble()) / 2, width / 2, 2);
    }
}

} // namespace
