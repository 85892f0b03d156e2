#include "core/Settings.h"
#include "app/frmSetup.h"

#include "app/Startup.h"
#include "core/DataUpkeep.h"
#include "core/QtPrinters.h"
#include "core/SharedState.h"
#include "support/ScreenFixture.h"

#include <QImage>

#include <tuple>

namespace {

class SettingsTest : public ScreenFixture {
protected:
    // Attributes of two catalogue entries, by position.
    static void UseCatalogueAttributes()
    {
        Settings().TplPersonnelType = {0, 1, 2};
        Settings().TplPhase = {0, 1, 3};
        Settings().TplDependency = {0, 0, 1};
        Settings().TplInterval = {0, 0, 5};
    }
};

TEST_F(SettingsTest, MissingFilesGiveTheDefaults)
{
    LoadSettingsFiles();
    const SettingsValues& s = Settings();
    const LiveSettings& live = Live();
    EXPECT_EQ(std::tuple(s.StartHour, s.WorkWeek, s.PrintCopies, s.TplCount), std::tuple(8, 5, 3, 0));
    EXPECT_TRUE(s.DaysOn && s.PromptsOn && s.AlarmsOn && s.ColorPrinting && live.ColorPrinting);
    EXPECT_FALSE(s.AttributesLoaded);
    EXPECT_TRUE(s.BusinessName.isEmpty() && s.BusinessExtra.isEmpty());
    EXPECT_EQ(live.AddressStyle, "International Style Address");
    EXPECT_EQ(std::tuple(s.BorderColor, live.BorderColor, live.TextColor, live.Copies), std::tuple(0u, 0u, 0u, 3));
    EXPECT_EQ(live.FontName, "Arial");
    EXPECT_EQ(QSizeF(live.LogoWidth, live.LogoHeight), QSizeF(1440, 1440));
    // Without a picture there are no logo settings to keep; loading writes nothing.
    EXPECT_FALSE(Exists("/LogoSettings.txt"));
}

TEST_F(SettingsTest, SavedFilesHoldTheExpectedBytes)
{
    WriteFile("/ConstructionSchedulerSettings.txt", "8\r\n5\r\n");
    WriteFile("/Backup/ConstructionSchedulerSettings.txt", "8\r\n5\r\n");
    Settings().StartHour = 7;
    Settings().WorkWeek = 61;
    Settings().AlarmsOn = false;
    ASSERT_TRUE(SaveConstructionSettings());
    ASSERT_TRUE(SavePrompts());
    ASSERT_TRUE(SaveAssignments({"North crew", "Smith, Jones"}));
    // The attributes belong to the position, whatever name the list puts there.
    UseCatalogueAttributes();
    ASSERT_TRUE(SaveCharacteristics({"Survey", "Permit"}));

    EXPECT_EQ(ReadFile("/SchedulerSettings.txt"), "7\r\n61\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    EXPECT_EQ(ReadFile("/Prompts.txt"), "#TRUE#,#FALSE#\r\n");
    EXPECT_EQ(ReadFile("/Assignto.txt"), "\"North crew\"\r\n\"Smith, Jones\"\r\n");
    EXPECT_EQ(ReadFile("/Characteristics.txt"), "\"Survey\",1,1,0,0\r\n\"Permit\",2,3,1,5\r\n");

    // The old settings file goes once the new one has been there before a save.
    EXPECT_TRUE(Exists("/ConstructionSchedulerSettings.txt"));
    ASSERT_TRUE(SaveConstructionSettings());
    EXPECT_FALSE(Exists("/ConstructionSchedulerSettings.txt"));
    EXPECT_FALSE(Exists("/Backup/ConstructionSchedulerSettings.txt"));

    ResetSettings();
    LoadSettingsFiles();
    EXPECT_EQ(Settings().StartHour, 7);
    EXPECT_EQ(Settings().WorkWeek, 61);
    EXPECT_FALSE(Settings().AlarmsOn);
    EXPECT_EQ(Settings().TplName, (QStringList{"", "Survey", "Permit"}));
    EXPECT_EQ(Settings().TplInterval, (QList<qint16>{0, 0, 5}));
}

TEST_F(SettingsTest, BusinessDataWithCommasReadsBackIntact)
{
    const std::array<QString, 9> boxes = {"Smith, Jones & Co", "12 Main St, Suite 4", "", "Springfield", "IL",
                                          "62704", "(217) 555-0100", "555-0101", "Reg. 12,345"};
    ASSERT_TRUE(SaveBusinessData(boxes));
    EXPECT_EQ(ReadFile("/MyBusinessData.txt"),
              "\"Smith, Jones & Co\",\"12 Main St, Suite 4\",\"\",\"Springfield\",\"IL\",\"62704\","
              "\"(217) 555-0100\",\"555-0101\",\"Reg. 12,345\"\r\n");

    ResetSettings();
    LoadBusinessData();
    const SettingsValues& s = Settings();
    EXPECT_EQ((std::array<QString, 9>{s.BusinessName, s.BusinessStreet, s.BusinessAddress2, s.BusinessCity,
                                      s.BusinessState, s.BusinessZip, s.BusinessPhone, s.BusinessFax,
                                      s.BusinessExtra}),
              boxes);
    EXPECT_EQ(Live().AddressStyle, "USA Style Address");
}

TEST_F(SettingsTest, PrintColorsAreWrittenFromTheLiveSettingsAndReadBack)
{
    WriteFile("/Backup/PrintColors.txt", "0\r\n0\r\n\"Arial\"\r\n#TRUE#\r\n3\r\n");
    Live().BorderColor = 255;
    Live().TextColor = 0xFF8000;
    Live().FontName = "Times New Roman";
    Live().ColorPrinting = false;
    Live().Copies = 2;
    ASSERT_TRUE(SavePrintColors());
    EXPECT_EQ(ReadFile("/PrintColors.txt"), "255\r\n16744448\r\n\"Times New Roman\"\r\n#FALSE#\r\n2\r\n");
    EXPECT_FALSE(Exists("/Backup/PrintColors.txt"));

    ResetSettings();
    LoadPrintColors();
    EXPECT_EQ(std::tuple(Settings().BorderColor, Live().TextColor, Live().Copies), std::tuple(255u, 0xFF8000u, 2));
    EXPECT_EQ(Live().FontName, "Times New Roman");
    EXPECT_FALSE(Live().ColorPrinting);
}

TEST_F(SettingsTest, ValuesOutOfRangeAreCorrected)
{
    WriteFile("/SchedulerSettings.txt", "9\r\n3\r\n\"\"\r\n\"\"\r\n#FALSE#\r\n");
    LoadConstructionSettings();
    EXPECT_EQ(Settings().StartHour, 8);
    EXPECT_EQ(Settings().WorkWeek, 5);
    ASSERT_TRUE(SaveConstructionSettings());
    EXPECT_EQ(ReadFile("/SchedulerSettings.txt"), "8\r\n5\r\n\"\"\r\n\"\"\r\n#FALSE#\r\n");

    for (const auto& [line, size] : {std::pair{"3000,2880", QSizeF(1440, 2880)}, std::pair{"0,-5", QSizeF(1440, 1440)}}) {
        WriteFile("/LogoSettings.txt", QByteArray(line) + "\r\n");
        LoadLogoSettings();
        EXPECT_EQ(QSizeF(Live().LogoWidth, Live().LogoHeight), size) << line;
    }
    for (const char* copies : {"0", "300"}) {
        WriteFile("/PrintColors.txt", QByteArray("0\r\n0\r\n\"Arial\"\r\n#TRUE#\r\n") + copies + "\r\n");
        LoadPrintColors();
        EXPECT_EQ(Settings().PrintCopies, 3) << copies;
        EXPECT_EQ(Live().Copies, 3) << copies;
    }
}

TEST_F(SettingsTest, DamagedOrShortFilesTakeDefaultsAndStartUpGoesOn)
{
    WriteFile("/SchedulerSettings.txt", "\"early\"\r\n\"weekdays\"\r\n\"\"\r\n\"\"\r\n\"maybe\"\r\n");
    WriteFile("/PrintColors.txt", "\"red\"\r\n65280\r\n");
    WriteFile("/Prompts.txt", "#FALSE#\r\n");
    WriteFile("/LogoSettings.txt", "\"wide\"\r\n");
    WriteFile("/Characteristics.txt", "\"Permit\",\"one\"\r\n\r\n\"Survey\"\r\n");
    WriteFile("/CompanyLogo.txt", "");
    WriteFile("/MyBusinessData.txt", "\"Acme\"\r\n");

    ASSERT_TRUE(Main());
    const SettingsValues& s = Settings();
    EXPECT_EQ(std::tuple(s.StartHour, s.WorkWeek), std::tuple(8, 5));
    EXPECT_TRUE(s.DaysOn && s.AlarmsOn);
    EXPECT_FALSE(s.PromptsOn);
    EXPECT_EQ(std::tuple(Live().BorderColor, Live().TextColor, Live().Copies), std::tuple(0u, 65280u, 3));
    EXPECT_EQ(Live().FontName, "Arial");
    EXPECT_EQ(QSizeF(Live().LogoWidth, Live().LogoHeight), QSizeF(1440, 1440));
    EXPECT_EQ(s.TplName, (QStringList{"", "Permit", "Survey"}));
    EXPECT_EQ(s.TplPersonnelType, (QList<qint16>{0, 0, 0}));
    EXPECT_EQ(s.BusinessName, "Acme");
    EXPECT_TRUE(Script().Shown().isEmpty());
}

TEST_F(SettingsTest, SaveAllSettingsWritesEverySettingsFile)
{
    SettingsScreenValues screen{{"Acme", "1 Road", "", "Leeds", "West Yorkshire", "", "0113 555", "", ""},
                                {"North", "South"},
                                {"Permit", "Survey"}};
    // The settings screen saves while it is loaded, and it holds the team list.
    ScreenInstance<frmSetup>();
    UseCatalogueAttributes();
    Settings().WorkWeek = 62;
    Settings().PromptsOn = false;
    Live().FontName = "Verdana";

    ASSERT_TRUE(SaveAllSettings(screen));
    EXPECT_TRUE(CheckSettingsFiles());
    EXPECT_EQ(Shared().TeamNames, (QStringList{"populated", "North", "South"}));
    EXPECT_TRUE(IsFolder("/2026/Team# 2"));
    EXPECT_EQ(ReadFile("/SchedulerSettings.txt"), "8\r\n62\r\n\"\"\r\n\"\"\r\n#TRUE#\r\n");
    EXPECT_EQ(ReadFile("/Prompts.txt"), "#FALSE#,#TRUE#\r\n");
    EXPECT_TRUE(ReadFile("/PrintColors.txt").contains("\"Verdana\""));
    EXPECT_EQ(ReadFile("/Characteristics.txt"), "\"Permit\",1,1,0,0\r\n\"Survey\",2,3,1,5\r\n");
    EXPECT_EQ(Script().Beeps(), 0);
}

TEST_F(SettingsTest, AnEmptyCatalogueIsNeverWritten)
{
    const QByteArray catalogue = "\"Permit\",1,1,0,0\r\n";
    WriteFile("/Characteristics.txt", catalogue);
    LoadCharacteristics();

    // Its only entry deleted from the list and the screen saved: a beep, and the file stays.
    ASSERT_TRUE(SaveAllSettings({}));
    EXPECT_EQ(ReadFile("/Characteristics.txt"), catalogue);
    EXPECT_EQ(Script().Beeps(), 1);
    Settings().AlarmsOn = false;
    SaveAllSettings({});
    EXPECT_EQ(Script().Beeps(), 1);

    // The entry is back at the next start.
    ResetSettings();
    LoadCharacteristics();
    EXPECT_EQ(Settings().TplName, (QStringList{"", "Permit"}));
}

TEST_F(SettingsTest, AddressStyleFollowsTheStoredBusinessData)
{
    const QString usa = "USA Style Address";
    const QString international = "International Style Address";
    EXPECT_EQ(AddressStyleFor(false, "Acme", "62704"), international);
    EXPECT_EQ(AddressStyleFor(true, "Acme", "SW1A 1AA"), usa);
    EXPECT_EQ(AddressStyleFor(true, "Acme", ""), international);
    EXPECT_EQ(AddressStyleFor(true, "", ""), usa);
    EXPECT_EQ(AddressStyleFor(true, "", "62704"), usa);
    EXPECT_EQ(AddressStyleFor(true, "", "SW1A 1AA"), international);
}

TEST_F(SettingsTest, CompanyLogoIsLoadedOnlyWhenItsPictureExists)
{
    const QString picture = FullPath("/logo.png");
    WriteFile("/CompanyLogo.txt", "\"" + picture.toUtf8() + "\"\r\n");
    LoadSettingsFiles();
    EXPECT_TRUE(Live().Logo.isNull());

    QImage image(8, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture));
    LoadSettingsFiles();
    EXPECT_EQ(Live().Logo.size(), QSize(8, 4));
    EXPECT_EQ(Live().AdjustedLogo.size(), QSize(8, 4));
}

} // namespace
