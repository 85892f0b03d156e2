#include "projects/frmWorkOrder.h"

#include "accounts/WorkOrderCustomer.h"
#include "accounts/frmCustomer.h"
#include "app/Startup.h"
#include "app/frmStartup.h"
#include "core/FileAccess.h"
#include "core/Navigation.h"
#include "core/QtPrinters.h"
#include "core/RecordFile.h"
#include "core/Routines.h"
#include "core/Settings.h"
#include "core/SharedState.h"
#include "platform/CommonDialogs.h"
#include "platform/Printer.h"
#include "platform/TextBox.h"
#include "projects/NarrativeTemplate.h"
#include "projects/PickLists.h"
#include "support/CustomerFiles.h"
#include "support/ScreenFixture.h"
#include "support/UserInput.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest/QTest>

namespace {

QByteArray PricedRecord(int length, int nameWidth, int priceOffset, const QString& name, double price)
{
    QByteArray record(length, ' ');
    WriteTextField(record, 0, nameWidth, name);
    WriteCurrency(record, priceOffset, CurrencyFromAmount(price));
    return record;
}

QByteArray ServiceRecord(const QString& name, const QString& price)
{
    QByteArray record(ServiceRecordLength, ' ');
    WriteTextField(record, 0, 60, name);
    WriteTextField(record, 60, 10, price);
    return record;
}

// The pages of a PDF file, counted by their page objects.
int PdfPageCount(const QByteArray& pdf)
{
    int pages = 0;
    QRegularExpressionMatchIterator page = QRegularExpression("/Type\\s*/Page\\b").globalMatch(QString::fromLatin1(pdf));
    for (; page.hasNext(); page.next())
        ++pages;
    return pages;
}

QStringList Entries(const QListWidget* list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->item(i)->text();
    return entries;
}

class WorkOrderScreenTest : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ResetWorkOrderCustomer();
        ResetCustomerBuffers();
        ThePrinter().Reset();
        // A customer file, so that the main menu offers every routine without asking.
        WriteFile("/CustomerData.txt", QByteArray(CustomerRecord::Length, ' '));
        WriteFile(InventoryPath, PricedRecord(124, 40, 68, "Hinge", 4.5) + PricedRecord(124, 40, 68, "Door Knob", 12)
                                     + PricedRecord(124, 40, 68, "Nails", 0.25));
        WriteFile(CustomItemsPath, PricedRecord(70, 50, 50, "Oak Shelf", 80) + PricedRecord(70, 50, 50, "Rail", 1200));
        WriteFile(ServicesPath, ServiceRecord("Paint Room", "  125.00") + ServiceRecord("Haul Debris", "40"));
        CustomerRecord record;
        record.Address1 = "1 Main St   ";
        record.City = "Dayton";
        record.State = "OH";
        record.Zip2 = "45402";
        WorkOrderCustomer() = BuildWorkOrderCustomer(
            {"A100", "JANE DOE BOX", "1 Main St", "Apt 2", "unused", "45402", "937-555-0101", "jd@example.com"},
            "Jane Doe", record);
    }
    void TearDown() override
    {
        ForgetRoutines();
        ScreenFixture::TearDown();
        ResetWorkOrderCustomer();
        ResetCustomerBuffers();
    }

    static frmWorkOrder& Open()
    {
        frmWorkOrder& screen = ScreenInstance<frmWorkOrder>();
        screen.Show();
        return screen;
    }
};

TEST_F(WorkOrderScreenTest, PickListsAndAccountLabelsFill)
{
    frmWorkOrder& screen = Open();
    EXPECT_EQ(screen.windowTitle(), "Create Work Order or Estimate");
    EXPECT_EQ(Entries(screen.lstItems), (QStringList{"Hinge", "Door Knob", "Nails", "Oak Shelf", "Rail"}));
    EXPECT_EQ(ComboItems(screen.cboPrices[1]), (QStringList{"$4.50", "$12.00", "$0.25", "$80.00", "$1,200.00"}));
    EXPECT_EQ(ComboItems(screen.cboPrices[0]), (QStringList{"125.00", "40"}));
    EXPECT_EQ(screen.lstItems->currentRow(), 0);
    EXPECT_EQ(screen.cboHeading->currentText(), "Work Order");

    QStringList labels;
    for (QLabel* label : screen.lblAccount)
        labels << label->text();
    EXPECT_EQ(labels, (QStringList{"A100", "Jane Doe", "1 Main St", "Apt 2", "City", "45402", "937-555-0101",
                                   "jd@example.com"}));
    EXPECT_FALSE(screen.cmdWO[8]->isEnabled()); // no template yet

    screen.mnuAccount->trigger();
    EXPECT_TRUE(screen.fraAccount->isHidden());
    screen.mnuAccount->trigger();
    EXPECT_FALSE(screen.fraAccount->isHidden());
    screen.cmdWO[2]->click();
    EXPECT_TRUE(screen.fraAccount->isHidden());
}

TEST_F(WorkOrderScreenTest, ChosenPartsKeepTheirPricesAndAreNeverDoubled)
{
    frmWorkOrder& screen = Open();
    screen.lstItems->setCurrentRow(1);
    EXPECT_EQ(screen.cboPrices[1]->currentText(), "$12.00");
    SetComboText(screen.cboPrices[1], "$10.00"); // a price typed over the preset
    screen.cmdWO[5]->click();
    screen.cmdWO[5]->click();
    EXPECT_EQ(Script().Beeps(), 1);
    EXPECT_EQ(Entries(screen.lstItemsList), QStringList{"Door Knob"});

    screen.cmdWO[9]->click();
    EXPECT_EQ(Entries(screen.lstItemsList), (QStringList{"Door Knob", "Hinge", "Nails", "Oak Shelf", "Rail"}));
    EXPECT_EQ(Entries(screen.lstPrices[1]), (QStringList{"$10.00", "$4.50", "$0.25", "$80.00", "$1,200.00"}));
    EXPECT_EQ(Script().Beeps(), 1);

    screen.lstServices->setCurrentRow(0);
    screen.cmdWO[4]->click();
    EXPECT_EQ(Entries(screen.lstPrices[0]), QStringList{"125.00"});

    // After Clear All nothing is selected, so Add adds no row with a stale price.
    screen.cmdWO[3]->click();
    EXPECT_TRUE(Entries(screen.lstItemsList).isEmpty());
    screen.cmdWO[5]->click();
    screen.cmdWO[4]->click();
    EXPECT_TRUE(Entries(screen.lstItemsList).isEmpty());
    EXPECT_TRUE(Entries(screen.lstServicesList).isEmpty());
    EXPECT_EQ(Script().Beeps(), 3);
}

TEST_F(WorkOrderScreenTest, ARecordThatCannotHoldAPriceOffersNone)
{
    // Text where a whole record's price belongs, and a last record torn off after 100 bytes.
    QByteArray textPrice = PricedRecord(124, 40, 68, "Gutter", 0);
    textPrice.replace(68, 8, "GUTTERS ");
    const QByteArray torn = QByteArray("Ladder, 8 ft, aluminium, with stand-off arms and rubber feet ").repeated(2).left(100);
    WriteFile(InventoryPath, PricedRecord(124, 40, 68, "Hinge", 4.5) + textPrice + torn);
    frmWorkOrder& screen = Open();
    ShowAtRealSize(&screen);
    EXPECT_EQ(ComboItems(screen.cboPrices[1]), (QStringList{"$4.50", "", "", "$80.00", "$1,200.00"}));

    // Picked, the torn item waits for a typed price; Select All adds it with none.
    QListWidget* items = screen.lstItems;
    ClickAt(items->viewport(), items->visualItemRect(items->item(2)).center());
    EXPECT_EQ(screen.cboPrices[1]->currentText(), "");
    ClickButton(screen.cmdWO[5]);
    ClickButton(screen.cmdWO[9]);
    EXPECT_EQ(Entries(screen.lstItemsList).first(), "Ladder, 8 ft, aluminium, with stand-off");
    EXPECT_EQ(Entries(screen.lstPrices[1]), (QStringList{"", "$4.50", "", "$80.00", "$1,200.00"}));
}

TEST_F(WorkOrderScreenTest, OnlyANewVisitEmptiesTheChosenLists)
{
    frmWorkOrder& screen = Open();
    screen.cmdWO[5]->click();
    Script().Queue(MsgAnswer::Ok);
    screen.cmdWO[6]->click(); // empty narrative
    EXPECT_EQ(Script().Shown().last().Prompt, "Enter Data in Narrative Box");
    EXPECT_FALSE(Exists(NarrativeTemplatePath));
    DialogScript dialogs;
    dialogs.QueueCancel();
    Script().Queue(MsgAnswer::Ok);
    screen.cmdWO[1]->click();
    EXPECT_EQ(Entries(screen.lstItemsList), QStringList{"Hinge"});

    screen.txtWONarrative->setPlainText("Keep me");
    screen.cmdWO[0]->click();
    EXPECT_TRUE(screen.isHidden());
    screen.Show();
    EXPECT_TRUE(Entries(screen.lstItemsList).isEmpty());
    EXPECT_EQ(screen.txtWONarrative->toPlainText(), "Keep me");
}

TEST_F(WorkOrderScreenTest, TemplatesSaveLoadAndGo)
{
    frmWorkOrder& screen = Open();
    screen.txtWONarrative->setPlainText("Remove tile\nLay tile");
    screen.cmdWO[6]->click();
    EXPECT_EQ(ReadFile(NarrativeTemplatePath), "Remove tile\r\nLay tile\r\n");
    ASSERT_TRUE(screen.cmdWO[8]->isEnabled());
    screen.cmdWO[7]->click();
    EXPECT_TRUE(screen.txtWONarrative->toPlainText().isEmpty());
    screen.cmdWO[8]->click();
    EXPECT_EQ(screen.txtWONarrative->toPlainText(), "Remove tile\nLay tile\n");

    // The template goes while the button is enabled: the narrative stays.
    ASSERT_TRUE(DeleteWithBackup(NarrativeTemplatePath));
    screen.cmdWO[8]->click();
    EXPECT_EQ(screen.txtWONarrative->toPlainText(), "Remove tile\nLay tile\n");
    EXPECT_FALSE(screen.cmdWO[8]->isEnabled());
    EXPECT_EQ(Script().Beeps(), 1);
}

TEST_F(WorkOrderScreenTest, LoadingAndSavingATemplateLeavesItAsItWas)
{
    const QByteArray stored = "Replace the ridge cap.\r\n\r\nCheck the flashing.\r\n";
    WriteFile(NarrativeTemplatePath, stored);
    frmWorkOrder& screen = Open();
    ShowAtRealSize(&screen);
    for (int i = 0; i < 2; ++i) {
        ClickButton(screen.cmdWO[8]);
        ClickButton(screen.cmdWO[6]);
        EXPECT_EQ(ReadFile(NarrativeTemplatePath), stored);
    }
    EXPECT_EQ(screen.txtWONarrative->toPlainText(), "Replace the ridge cap.\n\nCheck the flashing.\n");
}

TEST_F(WorkOrderScreenTest, PrintingCutsTheHeadingAndReturnsToTheMenu)
{
    frmWorkOrder& screen = Open();
    screen.cboHeading->setEditText("Kitchen Remodel");
    screen.ckCompletion->setChecked(true);
    screen.cmdWO[10]->click();
    DialogScript dialogs;

    // Cancel: neither document prints, the screen stays.
    dialogs.QueueCancel();
    Script().Queue(MsgAnswer::Ok);
    screen.cmdWO[1]->click();
    EXPECT_EQ(Script().Shown().last().Prompt, "The Work Order will not be Printed");
    EXPECT_EQ(dialogs.Shown(), 1);
    EXPECT_EQ(screen.cboHeading->currentText(), "Kitchen Remo");
    EXPECT_FALSE(screen.isHidden());

    // A printer that fails: the print error, no summary, the screen stays.
    dialogs.QueuePrinter(FullPath("/no such folder/wo.pdf"));
    Script().Queue(MsgAnswer::Ok);
    screen.cmdWO[1]->click();
    EXPECT_EQ(Script().Shown().last().Title, "Print Error");
    EXPECT_EQ(Script().Shown().last().Prompt, "A Print Error has occurred\nThe Work Order will not be Printed");
    EXPECT_EQ(dialogs.Shown(), 2);
    EXPECT_FALSE(screen.isHidden());

    // One dialog for both: the file holds the instruction and parts pages, then the summary.
    dialogs.QueuePrinter(FullPath("/wo.pdf"));
    screen.cmdWO[1]->click();
    EXPECT_EQ(dialogs.Shown(), 3);
    EXPECT_TRUE(screen.isHidden());
    EXPECT_EQ(PdfPageCount(ReadFile("/wo.pdf")), 3);
    QStringList summary;
    for (const PrintOperation& op : ThePrinter().Pages().last())
        summary << op.text;
    EXPECT_TRUE(summary.contains("Kitchen Remo"));
    EXPECT_FALSE(FindScreen("frmStartup")->isHidden());
}

TEST_F(WorkOrderScreenTest, FromTheMainMenuToAPrintedWorkOrderAndBack)
{
    SeedCustomer(1, "A7", "Best Roofing");
    WriteFile(NarrativeTemplatePath, "Replace the ridge cap.\r\n");
    RegisterRoutineScreens();
    frmStartup& menu = ScreenInstance<frmStartup>();
    menu.Show();
    menu.optProgramRoutine[1]->setChecked(true);
    menu.cmdStart_Click();
    frmCustomer& customers = ScreenInstance<frmCustomer>();
    ASSERT_TRUE(customers.isVisible());
    customers.txtCustomer[2]->setText("9 Elm St ");
    customers.txtCustomer[6]->setText("937-555-0199");
    customers.cmdSchedule_Click(); // saves the customer, then hands it over
    frmWorkOrder& screen = ScreenInstance<frmWorkOrder>();
    ASSERT_TRUE(screen.isVisible());
    EXPECT_TRUE(customers.isHidden());
    EXPECT_EQ(screen.lblAccount[0]->text(), "A7");
    EXPECT_EQ(screen.lblAccount[1]->text(), customers.DisplayName);
    EXPECT_EQ(screen.lblAccount[6]->text(), "937-555-0199");

    screen.cmdWO[8]->click();
    screen.cmdWO[9]->click();
    DialogScript dialogs;
    dialogs.QueuePrinter(FullPath("/wo.pdf"));
    screen.cmdWO[1]->click();
    EXPECT_TRUE(ReadFile("/wo.pdf").startsWith("%PDF"));
    QStringList texts;
    for (const auto& page : ThePrinter().Pages())
        for (const PrintOperation& op : page)
            texts << op.text;
    EXPECT_TRUE(texts.contains("Replace the ridge cap."));
    EXPECT_TRUE(texts.contains("9 Elm St"));
    EXPECT_TRUE(texts.contains("Rail"));
    EXPECT_TRUE(screen.isHidden());
    EXPECT_TRUE(ScreenInstance<frmStartup>().isVisible());
}

} // namespace
