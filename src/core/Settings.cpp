#include "core/Settings.h"

#include "core/DataUpkeep.h"
#include "core/FileAccess.h"
#include "core/Navigation.h"
#include "core/SharedState.h"
#include "core/Utilities.h"
#include "platform/MessageBox.h"

#include <QFileInfo>

namespace {

const ReadValue& ItemAt(const QList<ReadValue>& items, int index)
{
    static const ReadValue missing(ReadValue::Kind::Null, QString());
    return index < items.size() ? items.at(index) : missing;
}

qint64 IntegerOr(const ReadValue& item, qint64 fallback)
{
    return item.Integer().value_or(fallback);
}

bool BooleanOr(const ReadValue& item, bool fallback)
{
    return item.Boolean().value_or(fallback);
}

quint32 ColourOr(const ReadValue& item, quint32 fallback)
{
    const qint64 value = IntegerOr(item, fallback);
    return value >= 0 && value <= 0xFFFFFF ? quint32(value) : fallback;
}

// The first item of each of the next lines of a file.
QList<ReadValue> FirstItems(TextInput& input, int lines)
{
    QList<ReadValue> items;
    for (int i = 0; i < lines && !input.AtEnd(); ++i)
        items.append(input.ReadLineItems().constFirst());
    return items;
}

double LogoSideOr1440(const ReadValue& item)
{
    const double side = item.Number().value_or(1440);
    return side > 0 && side <= 2880 ? side : 1440;
}

} // namespace

SettingsValues& Settings()
{
    static SettingsValues values;
    return values;
}

LiveSettings& Live()
{
    static LiveSettings live;
    return live;
}

void ResetSettings()
{
    Settings() = SettingsValues{};
    Live() = LiveSettings{};
}

QString AddressStyleFor(bool businessFileExists, const QString& companyName, const QString& zip)
{
    if (!businessFileExists)
        return InternationalStyleAddress;
    if (!companyName.isEmpty())
        return zip.isEmpty() ? InternationalStyleAddress : UsaStyleAddress;
    return zip.isEmpty() || ReadsAsNumber(zip) ? UsaStyleAddress : InternationalStyleAddress;
}

void LoadBusinessData()
{
    const bool exists = FileExists(BusinessDataPath);
    if (exists) {
        TextInput input = OpenForInput(BusinessDataPath);
        const QList<ReadValue> items = input.ReadLineItems();
        SettingsValues& s = Settings();
        QString* fields[] = {&s.BusinessName, &s.BusinessStreet, &s.BusinessAddress2,
                             &s.BusinessCity, &s.BusinessState, &s.BusinessZip,
                             &s.BusinessPhone, &s.BusinessFax, &s.BusinessExtra};
        for (int i = 0; i < 9; ++i)
            *fields[i] = ItemAt(items, i).Text();
    }
    Live().AddressStyle = AddressStyleFor(exists, Settings().BusinessName, Settings().BusinessZip);
}

void LoadPrompts()
{
    SettingsValues& s = Settings();
    s.PromptsOn = true;
    s.AlarmsOn = true;
    if (FileExists(PromptsPath)) {
        TextInput input = OpenForInput(PromptsPath);
        const QList<ReadValue> items = input.ReadLineItems();
        s.PromptsOn = BooleanOr(ItemAt(items, 0), true);
        s.AlarmsOn = BooleanOr(ItemAt(items, 1), true);
    }
}

void LoadConstructionSettings()
{
    SettingsValues& s = Settings();
    qint64 startHour = 8;
    qint64 workWeek = 5;
    bool daysOn = true;
    if (FileExists(ConstructionSettingsPath())) {
        TextInput input = OpenForInput(ConstructionSettingsPath());
        const QList<ReadValue> lines = FirstItems(input, 5);
        startHour = IntegerOr(ItemAt(lines, 0), 8);
        workWeek = IntegerOr(ItemAt(lines, 1), 5);
        daysOn = BooleanOr(ItemAt(lines, 4), true);
    }
    s.StartHour = startHour == 7 ? 7 : 8;
    s.WorkWeek = (workWeek == 5 || workWeek == 61 || workWeek == 62 || workWeek == 7) ? quint8(workWeek) : 5;
    s.DaysOn = daysOn;
}

void LoadPrintColors()
{
    quint32 border = 0;
    quint32 text = 0;
    QString font = QStringLiteral("Arial");
    bool colour = true;
    qint64 copies = 3;
    if (FileExists(PrintColorsPath)) {
        TextInput input = OpenForInput(PrintColorsPath);
        const QList<ReadValue> lines = FirstItems(input, 5);
        border = ColourOr(ItemAt(lines, 0), 0);
        text = ColourOr(ItemAt(lines, 1), 0);
        if (lines.size() > 2 && !lines.at(2).Text().trimmed().isEmpty())
            font = lines.at(2).Text();
        colour = BooleanOr(ItemAt(lines, 3), true);
        copies = IntegerOr(ItemAt(lines, 4), 3);
    }
    SettingsValues& s = Settings();
    s.BorderColor = border;
    s.ColorPrinting = colour;
    s.PrintCopies = copies >= 1 && copies <= 255 ? quint8(copies) : 3;

    LiveSettings& live = Live();
    live.BorderColor = border;
    live.TextColor = text;
    live.FontName = font;
    live.ColorPrinting = colour;
    live.Copies = s.PrintCopies;
}

void LoadCharacteristics()
{
    SettingsValues& s = Settings();
    s.TplCount = 0;
    s.AttributesLoaded = false;
    if (!FileExists(CharacteristicsPath))
        return;

    s.TplName = {QString()};
    s.TplPersonnelType = {0};
    s.TplPhase = {0};
    s.TplDependency = {0};
    s.TplInterval = {0};
    s.AttributesLoaded = true;

    TextInput input = OpenForInput(CharacteristicsPath);
    while (!input.AtEnd()) {
        const QList<ReadValue> items = input.ReadLineItems();
        // A blank line carries no entry.
        if (items.size() == 1 && items.first().Text().isEmpty())
            continue;
        s.TplName.append(ItemAt(items, 0).Text());
        s.TplPersonnelType.append(qint16(IntegerOr(ItemAt(items, 1), 0)));
        s.TplPhase.append(qint16(IntegerOr(ItemAt(items, 2), 0)));
        s.TplDependency.append(qint16(IntegerOr(ItemAt(items, 3), 0)));
        s.TplInterval.append(qint16(IntegerOr(ItemAt(items, 4), 0)));
        ++s.TplCount;
    }
}

void LoadLogoSettings()
{
    LiveSettings& live = Live();
    if (FileExists(LogoSettingsPath)) {
        TextInput input = OpenForInput(LogoSettingsPath);
        const QList<ReadValue> items = input.ReadLineItems();
        live.LogoWidth = LogoSideOr1440(ItemAt(items, 0));
        live.LogoHeight = LogoSideOr1440(ItemAt(items, 1));
    } else {
        live.LogoWidth = 1440;
        live.LogoHeight = 1440;
        SaveLogoSettings();
    }
}

void LoadLogo()
{
    LiveSettings& live = Live();
    live.LogoPath.clear();
    live.Logo = QImage();
    live.AdjustedLogo = QImage();
    if (!FileExists(CompanyLogoPath))
        return;
    TextInput input = OpenForInput(CompanyLogoPath);
    const QString path = input.ReadLineItems().constFirst().Text();
    live.LogoPath = path;
    // A picture that is gone or cannot be decoded means no logo, without a word.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    QImage picture(path);
    if (picture.isNull())
        return;
    live.Logo = picture;
    live.AdjustedLogo = picture;
}

void LoadSettingsFiles()
{
    LoadBusinessData();
    LoadPrompts();
    LoadConstructionSettings();
    LoadCharacteristics();
    LoadPrintColors();
    LoadLogoSettings();
    if (FileExists(CompanyLogoPath))
        LoadLogo();
}

bool SaveBusinessData(const std::array<QString, 9>& businessBoxes)
{
    SettingsValues& s = Settings();
    QString* fields[] = {&s.BusinessName, &s.BusinessStreet, &s.BusinessAddress2,
                         &s.BusinessCity, &s.BusinessState, &s.BusinessZip,
                         &s.BusinessPhone, &s.BusinessFax, &s.BusinessExtra};
    QList<WriteItem> items;
    for (int i = 0; i < 9; ++i) {
        *fields[i] = businessBoxes[size_t(i)];
        items.append(*fields[i]);
    }
    TextOutput output = OpenForOutput(BusinessDataPath);
    output.WriteItems(items);
    return output.Close();
}

bool SavePrompts()
{
    TextOutput output = OpenForOutput(PromptsPath);
    output.WriteItems({Settings().PromptsOn, Settings().AlarmsOn});
    return output.Close();
}

bool SaveConstructionSettings()
{
    if (FileExists(ConstructionSettingsPath()))
        DeleteWithBackup(LegacySettingsPath);
    const SettingsValues& s = Settings();
    TextOutput output = OpenForOutput(ConstructionSettingsPath());
    output.WriteItems({int(s.StartHour)});
    output.WriteItems({int(s.WorkWeek)});
    output.WriteItems({QString()});
    output.WriteItems({QString()});
    output.WriteItems({s.DaysOn});
    const bool written = output.Close();
    LoadConstructionSettings();
    return written;
}

bool SavePrintColors()
{
    SettingsValues& s = Settings();
    const LiveSettings& live = Live();
    // What the Printing tab shows is what is kept.
    s.BorderColor = live.BorderColor;
    s.ColorPrinting = live.ColorPrinting;
    s.PrintCopies = live.Copies >= 1 && live.Copies <= 255 ? quint8(live.Copies) : 3;

    TextOutput output = OpenForOutput(PrintColorsPath);
    output.WriteItems({qint64(s.BorderColor)});
    output.WriteItems({qint64(live.TextColor)});
    output.WriteItems({live.FontName});
    output.WriteItems({s.ColorPrinting});
    output.WriteItems({int(s.PrintCopies)});
    if (!output.Close())
        return false;
    DeleteFile(BackupPathOf(PrintColorsPath));
    return true;
}

bool SaveCharacteristics(const QStringList& milestoneNames)
{
    if (milestoneNames.isEmpty())
        return true;
    const SettingsValues& s = Settings();
    auto at = [](const QList<qint16>& list, qsizetype i) { return i < list.size() ? int(list.at(i)) : 0; };
    TextOutput output = OpenForOutput(CharacteristicsPath);
    for (qsizetype i = 0; i < milestoneNames.size(); ++i)
        output.WriteItems({milestoneNames.at(i), at(s.TplPersonnelType, i + 1), at(s.TplPhase, i + 1),
                           at(s.TplDependency, i + 1), at(s.TplInterval, i + 1)});
    return output.Close();
}

bool SaveAssignments(const QStringList& teamNames)
{
    if (Shared().TeamListUnreadable)
        return false;
    TextOutput output = OpenForOutput(AssignmentsPath);
    for (const QString& name : teamNames)
        output.WriteItems({name});
    return output.Close();
}

bool SaveLogoSettings()
{
    const LiveSettings& live = Live();
    if (live.AdjustedLogo.isNull())
        return true;
    TextOutput output = OpenForOutput(LogoSettingsPath);
    output.WriteItems({double(float(live.LogoWidth)), double(float(live.LogoHeight))});
    return output.Close();
}

bool SaveLogo(const QString& chosenFileName)
{
    if (chosenFileName.isEmpty())
        return true;
    TextOutput output = OpenForOutput(CompanyLogoPath);
    output.WriteItems({chosenFileName});
    if (!output.Close())
        return false;
    DeleteFile(BackupPathOf(CompanyLogoPath));
    return SaveLogoSettings();
}

bool SaveAllSettings(const SettingsScreenValues& screen)
{
    bool saved = SaveBusinessData(screen.BusinessBoxes);
    LoadBusinessData();

    saved = SaveAssignments(screen.Assignments) && saved;
    ReadAssignments();
    TeamListChanged();

    if (screen.SavePhone)
        saved = screen.SavePhone() && saved;

    saved = SaveConstructionSettings() && saved;
    saved = SavePrompts() && saved;
    saved = SavePrintColors() && saved;
    LoadConstructionSettings();

    if (!screen.Milestones.isEmpty()) {
        saved = SaveCharacteristics(screen.Milestones) && saved;
        LoadCharacteristics();
    } else if (Settings().AlarmsOn) {
        Beep();
    }
    return saved;
}
