#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The settings values kept in the small settings files, with their defaults.
struct SettingsValues {
    quint8 StartHour = 8;  // 7 or 8
    quint8 WorkWeek = 5;   // 5 Mon-Fri, 61 Mon-Sat, 62 Sun-Fri, 7 Sun-Sat
    bool DaysOn = true;    // milestones usually measured in days
    bool PromptsOn = true;
    bool AlarmsOn = true;  // beep before error messages
    quint32 BorderColor = 0;
    bool ColorPrinting = true; // as read from the file
    quint8 PrintCopies = 3;    // as read from the file

    QString BusinessName;
    QString BusinessStreet;
    QString BusinessAddress2;
    QString BusinessCity;
    QString BusinessState;
    QString BusinessZip;
    QString BusinessPhone;
    QString BusinessFax;
    QString BusinessExtra;

    // The milestone catalogue, indexed 1 to TplCount (element 0 unused).
    QStringList TplName{QString()};
    QList<qint16> TplPersonnelType{0};
    QList<qint16> TplPhase{0};
    QList<qint16> TplDependency{0};
    QList<qint16> TplInterval{0};
    qint16 TplCount = 0;
    // True once the catalogue file has been read into the arrays.
    bool AttributesLoaded = false;
};

inline const QString UsaStyleAddress = QStringLiteral("USA Style Address");
inline const QString InternationalStyleAddress = QStringLiteral("International Style Address");

// The settings that the rest of the program reads from the settings screen's controls; the
// screen writes every change through to here, and printing, the customer screen and
// scheduling read them.
struct LiveSettings {
    // The address style: "USA Style Address" selects city, two-letter state and zip.
    QString AddressStyle = InternationalStyleAddress;
    bool ColorPrinting = true;   // the "Print" colour box
    quint32 BorderColor = 0;     // border and frame colour
    quint32 TextColor = 0;       // text colour
    quint32 BorderForeColor = 0; // the foreground of the border swatch, the form frame's text colour
    QString FontName = QStringLiteral("Arial");
    int Copies = 3;              // copy count of the printer dialog
    QImage Logo;                 // the logo picture as it is on disk
    QImage AdjustedLogo;         // the logo as adjusted for printing
    double LogoWidth = 1440;     // size of the adjusted logo, twips
    double LogoHeight = 1440;
    QString LogoPath;            // the picture named in "CompanyLogo.txt"

    bool IsUsaStyle() const { return AddressStyle == UsaStyleAddress; }
};

SettingsValues& Settings();
LiveSettings& Live();
void ResetSettings();

inline const QString PromptsPath = QStringLiteral("/Prompts.txt");
inline const QString PrintColorsPath = QStringLiteral("/PrintColors.txt");
inline const QString BusinessDataPath = QStringLiteral("/MyBusinessData.txt");
inline const QString CharacteristicsPath = QStringLiteral("/Characteristics.txt");
inline const QString CompanyLogoPath = QStringLiteral("/CompanyLogo.txt");
inline const QString LogoSettingsPath = QStringLiteral("/LogoSettings.txt");
inline const QString LegacySettingsPath = QStringLiteral("/ConstructionSchedulerSettings.txt");

// The address style that stored business data calls for.
QString AddressStyleFor(bool businessFileExists, const QString& companyName, const QString& zip);

// Loads. A missing file leaves the defaults; an item that cannot be read takes its default.
void LoadBusinessData();
void LoadPrompts();
void LoadConstructionSettings();
void LoadPrintColors();
void LoadCharacteristics();
void LoadLogoSettings();
void LoadLogo();
// Every settings file in the settings screen's load order, then the address style.
void LoadSettingsFiles();

// Saves; each answers false when its file could not be written. A file is replaced whole.
bool SaveBusinessData(const std::array<QString, 9>& businessBoxes);
bool SavePrompts();
bool SaveConstructionSettings();
bool SavePrintColors();
// The catalogue in the order of the screen's list; the attributes follow the positions.
// An empty list writes nothing.
bool SaveCharacteristics(const QStringList& milestoneNames);
// The team list in the order of the screen's list.
bool SaveAssignments(const QStringList& teamNames);
bool SaveLogoSettings();
// Stores the chosen picture's path; an empty choice writes nothing.
bool SaveLogo(const QString& chosenFileName);

// What the settings screen holds when the user saves it.
struct SettingsScreenValues {
    std::array<QString, 9> BusinessBoxes;
    QStringList Assignments;
    QStringList Milestones;
    // Saves the phone choices (kept above core); false when that failed.
    std::function<bool()> SavePhone = nullptr;
};

// The save path of the settings screen's "Save Changes" button.
bool SaveAllSettings(const SettingsScreenValues& screen);
