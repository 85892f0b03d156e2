#include "core/Utilities.h"

#include "core/Settings.h"
#include "platform/Shell.h"
#include "platform/TextBox.h"
#include "support/ScreenFixture.h"

#include <QtTest/QTest>

namespace {

TEST(KeyEntryTest, RefusesNameBreakingCharactersUnlessTheBoxHoldsANumber)
{
    struct Case {
        int key;
        const char* boxText;
        bool allowed;
    };
    const Case cases[] = {
        {8, "", true},         {8, "Smith", true},    {'/', "", false},     {'/', "Smith", false},
        {'.', "12", true},     {'/', "12", true},     {'a', "Smith", true}, {',', "Smith", false},
        {'&', "Smith", false}, {'\\', "", false},     {'*', "", false},     {'?', "", false},
        {'.', "A1", false},    {'.', "-3", true},     {'?', "1,234.5", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyEntryAllowed(c.key, QString::fromLatin1(c.boxText)), c.allowed)
            << "key " << c.key << " into \"" << c.boxText << "\"";

    for (const char* number : {"1,234.5", "-3", " 12 ", "+7", "0.5"})
        EXPECT_TRUE(ReadsAsNumber(QString::fromLatin1(number))) << number;
    for (const char* other : {"", " ", "12a", "-", ".", "1.2.3", "1 2"})
        EXPECT_FALSE(ReadsAsNumber(QString::fromLatin1(other))) << other;
}

class UtilitiesScreenTest : public ScreenFixture {};

TEST_F(UtilitiesScreenTest, RefusedKeyIsSwallowedWithAMessageAndABeepOnlyWhenAlarmsAreOn)
{
    TextBox box;
    box.SetKeyFilter([&box](int key) { return CheckKeyEntry(key, &box); });
    box.setText("Smith");

    Settings().AlarmsOn = true;
    Script().Queue(MsgAnswer::Ok);
    EXPECT_EQ(CheckKeyEntry('/', &box), 0);
    ASSERT_EQ(Script().Shown().size(), 1);
    EXPECT_EQ(Script().Shown()[0].Prompt, "This character, (/) is invalid for this field");
    EXPECT_EQ(Script().Shown()[0].Title, "Invalid Key entry");
    EXPECT_EQ(Script().Shown()[0].Buttons, MsgButtons::OkOnly);
    EXPECT_EQ(Script().Beeps(), 1);

    // Typed into the box: the refused key never arrives, the others do.
    Settings().AlarmsOn = false;
    Script().Queue(MsgAnswer::Ok);
    QTest::keyClicks(&box, "A?B");
    EXPECT_EQ(box.text(), "SmithAB");
    EXPECT_EQ(Script().Shown().size(), 2);
    EXPECT_EQ(Script().Beeps(), 1);
}

TEST(JoinNamePartsTest, JoinsTrimmedPartsAndLeavesOutTheMiddleInitial)
{
    EXPECT_EQ(JoinNameParts("Mr", "John", "Q", "Smith"), "Mr John Smith");
    EXPECT_EQ(JoinNameParts("  Mr ", " John  ", "", "  Smith "), "Mr John Smith");
    EXPECT_EQ(JoinNameParts("", "John", "", "Smith"), "John Smith");
    EXPECT_EQ(JoinNameParts("Mr", "John", "", ""), "Mr John ");
    EXPECT_EQ(JoinNameParts(" ", " ", " ", " "), "");
}

class OpenWebPageTest : public ProgramFolderTest {};

TEST_F(OpenWebPageTest, WritesTheShortcutAndHandsTheAddressToTheBrowser)
{
    ShellRecorder shell;
    EXPECT_TRUE(OpenWebPage("https://www.example.com/first"));
    EXPECT_EQ(ReadFile("/Temp.url"), "[InternetShortcut]\r\nURL = https://www.example.com/first\r\n");
    EXPECT_TRUE(OpenWebPage("https://www.example.com/b"));
    EXPECT_EQ(ReadFile("/Temp.url"), "[InternetShortcut]\r\nURL = https://www.example.com/b\r\n");
    EXPECT_EQ(shell.Opened(), (QStringList{"https://www.example.com/first", "https://www.example.com/b"}));
}

} // namespace
