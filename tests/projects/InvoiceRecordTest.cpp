#include "core/QtPrinters.h"
#include "projects/InvoiceRecord.h"
#include "support/ProgramFolderFixture.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>

namespace {

class InvoiceRecordTest : public ProgramFolderTest {
protected:
    static ProjectHeader Project(const QString& proposalNo)
    {
        ProjectHeader h;
        h.ProjectNo = " Pj66-2";
        h.ProjectName = "  Garage addition ";
        h.AccountNo = "  SMITH01 ";
        h.ProposalNo = proposalNo;
        h.CustomerName = "John \"Jack\" Smith";
        h.Address1 = "12 Elm Street";
        h.City = "Springfield";
        h.State = "IL";
        h.Zip = "62701";
        h.Telephone = "217-555-0100";
        h.SiteName = "Smith Garage";
        h.SiteAddress1 = "14 Elm Street";
        h.SiteCity = "Springfield";
        h.SiteState = "IL";
        h.SiteZip = "62701";
        return h;
    }
};

TEST_F(InvoiceRecordTest, TheNumberComesFromTheNumberFileOrStartsTheYear)
{
    struct Case {
        const char* file;       // nullptr: no number file
        const char* backupOnly; // the number file only in the backup folder
        qint32 number;
    };
    const Case cases[] = {
        {nullptr, nullptr, 20260001}, {"0\r\n", nullptr, 20260000},      {"\"abc\"\r\n", nullptr, 20260000},
        {"20250017\r\n", nullptr, 20260001}, {"20260042\r\n", nullptr, 20260042}, {nullptr, "20260042\r\n", 20260042},
    };
    for (const Case& c : cases) {
        QFile::remove(FullPath(InvoiceNumberPath));
        QFile::remove(FullPath("/Backup" + InvoiceNumberPath));
        if (c.file)
            WriteFile(InvoiceNumberPath, c.file);
        if (c.backupOnly)
            WriteFile("/Backup" + InvoiceNumberPath, c.backupOnly);
        EXPECT_EQ(GetInvoiceNumber(), c.number) << (c.file ? c.file : c.backupOnly ? c.backupOnly : "none");
    }
}

TEST_F(InvoiceRecordTest, TheRecordHoldsItsTwentySevenLinesForTheInvoicer)
{
    WriteFile(InvoiceNumberPath, "20260042\r\n");
    WriteFile("/Backup" + InvoiceNumberPath, "20260042\r\n");
    WriteFile(ProposalPaymentsFolder + "/P-17.txt", "1,250.00\r\nsecond line\r\n");
    MakeFolders(IncompleteInvoicesFolder);

    const InvoiceRecordResult result = CreateInvoiceRecord(Project("P-17"));
    EXPECT_EQ(result.outcome, InvoiceRecordResult::Created);
    EXPECT_EQ(result.InvoiceNo, 20260042);
    const QByteArray golden = "20260042\r\n"
                              "SMITH01\r\n"
                              "John \"Jack\" Smith\r\n"
                              "3/7/2026\r\n"
                              "\"John 'Jack' Smith\"\r\n"
                              "\"12 Elm Street\"\r\n"
                              "\"\"\r\n"
                              "\"Springfield\"\r\n"
                              "\"IL\"\r\n"
                              "\"62701\"\r\n"
                              "\"Smith Garage\"\r\n"
                              "\"14 Elm Street\"\r\n"
                              "\"\"\r\n"
                              "\"Springfield\"\r\n"
                              "\"IL\"\r\n"
                              "\"62701\"\r\n"
                              "20260042\r\n"
                              "SMITH01\r\n"
                              "Pj66-2\r\n"
                              "\r\n"
                              "1\r\n"
                              "1\r\n"
                              "  Garage addition \r\n"
                              "3/7/2026\r\n"
                              "1,250.00\r\n"
                              "1,250.00\r\n"
                              "False\r\n";
    EXPECT_EQ(ReadFile(IncompleteInvoicesFolder + "/20260042.txt"), golden);
    EXPECT_EQ(ReadFile(InvoiceNumberPath), "20260043\r\n");
    EXPECT_FALSE(Exists("/Backup" + InvoiceNumberPath));

    // Without a payment file, or with a proposal number that cannot name one, the amount is zero;
    // a record already there under the next number is passed over.
    WriteFile(IncompleteInvoicesFolder + "/20260043.txt", "the invoicer's own");
    for (const char* proposal : {"P-18", "Proposal Number", "", "../P-17"}) {
        const InvoiceRecordResult next = CreateInvoiceRecord(Project(proposal));
        const QList<QByteArray> lines = ReadFile(InvoiceRecordPath(next.InvoiceNo)).split('\n');
        ASSERT_EQ(lines.size(), 28) << proposal;
        EXPECT_EQ(lines[24], "$0.00\r") << proposal;
    }
    EXPECT_EQ(ReadFile(IncompleteInvoicesFolder + "/20260043.txt"), "the invoicer's own");
    EXPECT_TRUE(Exists(IncompleteInvoicesFolder + "/20260047.txt"));
    EXPECT_EQ(ReadFile(InvoiceNumberPath), "20260048\r\n");
}

TEST_F(InvoiceRecordTest, ARecordThatCannotBeWrittenAdvancesNothing)
{
    WriteFile(InvoiceNumberPath, "20260042\r\n");
    // The invoicer's folder is a file: the record's folder cannot be made.
    WriteFile("/TamselInvoicer", "not a folder");
    const InvoiceRecordResult result = CreateInvoiceRecord(Project("P-17"));
    EXPECT_EQ(result.outcome, InvoiceRecordResult::RecordNotWritten);
    EXPECT_EQ(ReadFile(InvoiceNumberPath), "20260042\r\n");

    // Nor is one made, or the number file written over, when the number cannot be read.
    QFile::remove(FullPath("/TamselInvoicer"));
    if (!MakeUnreadableFile(InvoiceNumberPath))
        return;
    EXPECT_EQ(CreateInvoiceRecord(Project("P-17")).outcome, InvoiceRecordResult::RecordNotWritten);
    EXPECT_TRUE(QFileInfo(FullPath(InvoiceNumberPath)).isSymLink());
    EXPECT_FALSE(Exists(IncompleteInvoicesFolder + "/20260001.txt"));
}

} // namespace
