#include "core/QtPrinters.h"
#include "app/frmSetup.h"
#include "core/Settings.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"
#include "support/ScreenFixture.h"
#include "support/UserInput.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

// Three entries whose attributes all differ, so a moved or lost attribute shows.
const QByteArray ThreeEntries = "\"A\",1,1,0,5\r\n\"B\",2,2,1,10\r\n\"C\",1,3,2,15\r\n";

class MilestoneCatalogueTest : public ScreenFixture {
protected:
    frmSetup& LoadWithCatalogue(const QByteArray& characteristics)
    {
        WriteFile(CharacteristicsPath, characteristics);
        return ScreenInstance<frmSetup>();
    }

    static QStringList GridRow(const frmSetup& setup, int row)
    {
        QStringList cells;
        for (int col = 0; col < 4; ++col)
            cells.append(setup.fgMilestones->TextMatrix(row, col));
        return cells;
    }

    static void Choose(frmSetup& setup, int index) { setup.cboMilestones->setCurrentIndex(index); }

    // Accepts the entry shown; from the second step on the wizard asks first.
    void Accept(frmSetup& setup, MsgAnswer verify = MsgAnswer::Yes)
    {
        Script().Queue(verify);
        setup.cmdCharContinue_Click();
    }

    QStringList Prompts()
    {
        QStringList prompts;
        for (const ShownMessage& box : Script().Shown())
            prompts.append(box.Prompt);
        return prompts;
    }
};

TEST_F(MilestoneCatalogueTest, DeletingAnEntryClearsEveryEntrysAttributes)
{
    frmSetup& setup = LoadWithCatalogue(ThreeEntries);
    EXPECT_EQ(GridRow(setup, 2), (QStringList{"B", "Technical", "A", "10"}));

    Choose(setup, 1);
    Script().Queue(MsgAnswer::Cancel);
    setup.cmdDeleteMilestone_Click();
    EXPECT_EQ(ReadFile(CharacteristicsPath), ThreeEntries);
    EXPECT_EQ(setup.MilestoneNames(), (QStringList{"A", "B", "C"}));

    Choose(setup, 1);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdDeleteMilestone_Click();
    ASSERT_EQ(Script().Shown().size(), 2);
    EXPECT_EQ(Script().Shown()[1].Title, "Delete Warning");
    EXPECT_EQ(ReadFile(CharacteristicsPath), "\"A\",0,0,0,0\r\n\"C\",0,0,0,0\r\n");
    EXPECT_EQ(setup.MilestoneNames(), (QStringList{"A", "C"}));
    EXPECT_EQ(setup.fgMilestones->Rows(), 3);
    EXPECT_EQ(GridRow(setup, 1), (QStringList{"A", "Technical", "None", "0"}));
    EXPECT_EQ(GridRow(setup, 2), (QStringList{"C", "Technical", "None", "0"}));
}

TEST_F(MilestoneCatalogueTest, DeleteAndAddRefuseWhatTheyCannotUse)
{
    frmSetup& setup = LoadWithCatalogue(ThreeEntries);

    // Typed but not chosen from the list, then nothing at all.
    setup.cboMilestones->setEditText(QStringLiteral("B"));
    Script().Queue(MsgAnswer::Ok);
    setup.cmdDeleteMilestone_Click();
    setup.cboMilestones->setEditText(QString());
    Script().Queue(MsgAnswer::Ok);
    setup.cmdDeleteMilestone_Click();
    EXPECT_EQ(Prompts(), QStringList(2, "Select a Milestone from the List to the Left"));
    EXPECT_EQ(Script().Beeps(), 2);

    Script().Queue(MsgAnswer::Ok);
    setup.cmdAddMilestone_Click();
    EXPECT_EQ(Prompts().value(2), "Enter a New Milestone in the Box to the Left");

    setup.cboMilestones->setEditText(QStringLiteral("C"));
    setup.cmdAddMilestone_Click();
    EXPECT_EQ(setup.cboMilestones->currentText(), "");
    EXPECT_EQ(Script().Shown().size(), 3);
    EXPECT_EQ(ReadFile(CharacteristicsPath), ThreeEntries);

    // A new name keeps the others' attributes and starts with none.
    setup.cboMilestones->setEditText(QStringLiteral("c"));
    setup.cmdAddMilestone_Click();
    EXPECT_EQ(ReadFile(CharacteristicsPath), ThreeEntries + "\"c\",0,0,0,0\r\n");
    EXPECT_EQ(setup.MilestoneNames(), (QStringList{"A", "B", "C", "c"}));
}

TEST_F(MilestoneCatalogueTest, ANameIsKeptAndComparedAsTheFileHoldsIt)
{
    frmSetup& setup = LoadWithCatalogue(ThreeEntries);
    setup.Show();
    ShowAtRealSize(&setup);
    QTabBar* tabs = setup.tabSetup->tabBar();
    ClickAt(tabs, tabs->tabRect(frmSetup::MilestonesTab).center());
    for (int i = 0; i < 2; ++i) {
        ClickAt(setup.cboMilestones);
        QGuiApplication::clipboard()->setText(QStringLiteral("Tile \"\u0141azienka\" \U0001F642"));
        Script().Queue(MsgAnswer::Ok);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
        ClickButton(setup.cmdAddMilestone);
    }
    EXPECT_EQ(ReadFile(CharacteristicsPath), ThreeEntries + "\"Tile 'azienka' \",0,0,0,0\r\n");
    EXPECT_EQ(Prompts(), QStringList(2, QStringLiteral("This character, (\u0141) cannot be stored")));
}

TEST_F(MilestoneCatalogueTest, MovedNamesLeaveTheirAttributesBehind)
{
    frmSetup& setup = LoadWithCatalogue(ThreeEntries);
    Choose(setup, 2);
    setup.updnMilestone->ClickUp();
    setup.updnMilestone->ClickUp();
    setup.updnMilestone->ClickUp();
    EXPECT_EQ(setup.MilestoneNames(), (QStringList{"C", "A", "B"}));
    // Moving writes nothing.
    EXPECT_EQ(ReadFile(CharacteristicsPath), ThreeEntries);

    setup.cmdSaveMilestones_Click();
    EXPECT_EQ(ReadFile(CharacteristicsPath), "\"C\",1,1,0,5\r\n\"A\",2,2,1,10\r\n\"B\",1,3,2,15\r\n");
    EXPECT_EQ(setup.cboMilestones->currentIndex(), 0);

    // The last entry does not move further down.
    Choose(setup, 2);
    setup.updnMilestone->ClickDown();
    Choose(setup, 0);
    setup.updnMilestone->ClickDown();
    EXPECT_EQ(setup.MilestoneNames(), (QStringList{"A", "C", "B"}));
}

TEST_F(MilestoneCatalogueTest, ClearingOrEmptyingTheListWritesNothing)
{
    frmSetup& setup = LoadWithCatalogue(ThreeEntries);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdClear_Click();
    EXPECT_EQ(Script().Shown().value(0).Title, "Clear Milestones");
    EXPECT_EQ(setup.cboMilestones->count(), 0);
    EXPECT_FALSE(setup.tabSetup->isTabEnabled(frmSetup::AttributesTab));
    setup.cmdSaveMilestones_Click();
    EXPECT_EQ(ReadFile(CharacteristicsPath), ThreeEntries);

    // The wizard has nothing to work on.
    Script().Queue(MsgAnswer::Ok);
    setup.tabSetup->setCurrentIndex(frmSetup::AttributesTab);
    EXPECT_EQ(Prompts().value(1), "You need to Create Milestones\r\nBefore Assigning Attributes");
    EXPECT_EQ(setup.tabSetup->currentIndex(), frmSetup::MilestonesTab);

    WriteFile(CharacteristicsPath, "\"A\",2,3,0,7\r\n");
    setup.ReloadCharacteristics();
    Choose(setup, 0);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdDeleteMilestone_Click();
    EXPECT_EQ(setup.cboMilestones->count(), 0);
    EXPECT_EQ(ReadFile(CharacteristicsPath), "\"A\",2,3,0,7\r\n");
}

TEST_F(MilestoneCatalogueTest, WizardWalksTheCatalogueAndWritesItAtTheEnd)
{
    frmSetup& setup = LoadWithCatalogue("\"A\",1,1,0,0\r\n\"B\",0,0,0,0\r\n\"C\",0,0,1,0\r\n");
    setup.tabSetup->setCurrentIndex(frmSetup::AttributesTab);
    EXPECT_EQ(setup.txtMilestone->text(), "A");
    EXPECT_TRUE(Script().Shown().isEmpty());
    EXPECT_TRUE(setup.fraDependencies->isHidden());

    Accept(setup, MsgAnswer::No);
    EXPECT_EQ(Script().Shown().value(0).Title, "Verify Attributes");
    EXPECT_EQ(setup.txtMilestone->text(), "A");

    Accept(setup);
    EXPECT_EQ(setup.txtMilestone->text(), "B");
    EXPECT_FALSE(setup.fraDependencies->isHidden());
    ASSERT_EQ(setup.lstDependencies->count(), 1);
    EXPECT_TRUE(setup.lstDependencies->selectedItems().isEmpty());
    setup.optTech->setChecked(true);
    setup.optdCon->setChecked(true);

    Accept(setup);
    EXPECT_EQ(setup.txtMilestone->text(), "C");
    ASSERT_EQ(setup.lstDependencies->count(), 2);
    EXPECT_EQ(setup.lstDependencies->item(0)->text(), "A");
    EXPECT_EQ(setup.lstDependencies->item(1)->text(), "B");
    EXPECT_EQ(setup.lstDependencies->currentRow(), 0);
    EXPECT_TRUE(setup.lstDependencies->item(0)->isSelected());
    EXPECT_FALSE(setup.fraLeadTime->isHidden());
    EXPECT_TRUE(setup.optAdmin->isChecked());
    setup.optaCon->setChecked(true);
    for (int i = 0; i < 4; ++i)
        setup.UpDnDays->ClickUp();
    setup.UpDnDays->ClickDown();
    EXPECT_EQ(setup.txtDays->text(), "3");

    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdCharContinue_Click();
    EXPECT_EQ(Prompts().last(), "The Milestone Characteristics have been Created");
    EXPECT_EQ(setup.tabSetup->currentIndex(), frmSetup::HelpTab);
    EXPECT_EQ(ReadFile(CharacteristicsPath), "\"A\",1,1,0,0\r\n\"B\",2,2,0,0\r\n\"C\",1,3,1,3\r\n");
    EXPECT_EQ(GridRow(setup, 2), (QStringList{"B", "Technical", "None", "0"}));
    EXPECT_EQ(GridRow(setup, 3), (QStringList{"C", "Administrative", "A", "3"}));
}

TEST_F(MilestoneCatalogueTest, ADependencyClickedWithTheMouseAsksForItsInterval)
{
    frmSetup& setup = LoadWithCatalogue("\"A\",1,1,0,0\r\n\"B\",2,2,0,0\r\n\"C\",2,2,0,0\r\n");
    setup.Show();
    ShowAtRealSize(&setup);
    setup.tabSetup->setCurrentIndex(frmSetup::AttributesTab);
    Accept(setup);
    Accept(setup);
    ASSERT_EQ(setup.txtMilestone->text(), "C");
    ASSERT_TRUE(setup.fraLeadTime->isHidden());

    QListWidget* list = setup.lstDependencies;
    ClickAt(list->viewport(), list->visualItemRect(list->item(1)).center());
    EXPECT_TRUE(list->item(1)->isSelected());
    EXPECT_FALSE(setup.fraLeadTime->isHidden());
    PressKey(Qt::Key_Up); // the arrow keys choose too
    EXPECT_TRUE(list->item(0)->isSelected());
    EXPECT_FALSE(setup.fraLeadTime->isHidden());
    ClickAt(setup.UpDnDays->findChildren<QToolButton*>().value(0));
    ClickAt(setup.UpDnDays->findChildren<QToolButton*>().value(0));
    EXPECT_EQ(setup.txtDays->text(), "2");

    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdCharContinue_Click();
    EXPECT_EQ(ReadFile(CharacteristicsPath), "\"A\",1,1,0,0\r\n\"B\",2,2,0,0\r\n\"C\",2,2,1,2\r\n");
}

TEST_F(MilestoneCatalogueTest, WizardShowsStoredValuesOutsideItsRangeWithoutChangingThem)
{
    frmSetup& setup = LoadWithCatalogue("\"A\",1,1,0,0\r\n\"B\",2,2,1,120\r\n\"C\",2,3,7,4\r\n");
    EXPECT_EQ(GridRow(setup, 2), (QStringList{"B", "Technical", "A", "120"}));
    EXPECT_EQ(GridRow(setup, 3), (QStringList{"C", "Technical", "None", "4"}));

    setup.tabSetup->setCurrentIndex(frmSetup::AttributesTab);
    Accept(setup);
    EXPECT_EQ(setup.txtMilestone->text(), "B");
    EXPECT_EQ(setup.UpDnDays->Value(), 90);
    EXPECT_EQ(setup.txtDays->text(), "90");
    setup.lblReset_Click();
    EXPECT_EQ(setup.txtDays->text(), "0");

    // C: a dependency beyond the list selects nothing; Reset drops it.
    Accept(setup);
    EXPECT_TRUE(setup.lstDependencies->selectedItems().isEmpty());
    EXPECT_EQ(setup.txtDays->text(), "4");
    setup.cmdResetDepend_Click();
    EXPECT_TRUE(setup.fraLeadTime->isHidden());

    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdCharContinue_Click();
    EXPECT_EQ(ReadFile(CharacteristicsPath), "\"A\",1,1,0,0\r\n\"B\",2,2,1,120\r\n\"C\",2,3,0,4\r\n");
}

TEST_F(MilestoneCatalogueTest, WizardTakesTheNamesInTheListsOrder)
{
    frmSetup& setup = LoadWithCatalogue(ThreeEntries);
    Choose(setup, 2);
    setup.updnMilestone->ClickUp();
    setup.updnMilestone->ClickUp();
    setup.tabSetup->setCurrentIndex(frmSetup::AttributesTab);
    EXPECT_EQ(setup.txtMilestone->text(), "C");
    Accept(setup);
    EXPECT_EQ(setup.txtMilestone->text(), "A");
    EXPECT_EQ(setup.lstDependencies->item(0)->text(), "C");
}

TEST_F(MilestoneCatalogueTest, ACatalogueThatCannotBeWrittenIsReported)
{
    frmSetup& setup = LoadWithCatalogue(ThreeEntries);
    // A folder where the catalogue file has to go.
    ASSERT_TRUE(QFile::remove(FullPath(CharacteristicsPath)));
    MakeFolders(CharacteristicsPath);

    // The last step tells of the failure and claims nothing more.
    setup.tabSetup->setCurrentIndex(frmSetup::AttributesTab);
    Accept(setup);
    Accept(setup);
    Script().Queue(MsgAnswer::Yes);
    Script().Queue(MsgAnswer::Ok);
    setup.cmdCharContinue_Click();
    EXPECT_EQ(Script().Shown().size(), 4);
    EXPECT_FALSE(Prompts().contains("The Milestone Characteristics have been Created"));

    // Save Positions tells of it too, and the list keeps its new order.
    const qsizetype shown = Script().Shown().size();
    Choose(setup, 2);
    setup.updnMilestone->ClickUp();
    Script().Queue(MsgAnswer::Ok);
    setup.cmdSaveMilestones_Click();
    EXPECT_EQ(Script().Shown().size(), shown + 1);
    EXPECT_EQ(setup.MilestoneNames(), (QStringList{"A", "C", "B"}));
}

} // namespace
