#include "telephony/SpeedDials.h"

#include "core/FileAccess.h"

namespace {

// A line break inside an entry would split it into two lines and shift every later pair.
QString OneLine(const QString& text)
{
    QString line = text;
    for (QChar& c : line)
        if (c.unicode() < 0x20)
            c = QLatin1Char(' ');
    return line;
}

} // namespace

SpeedDialList ReadSpeedDials()
{
    SpeedDialList list;
    if (!FileExists(SpeedNumbersPath))
        return list;
    TextInput input = OpenForInput(SpeedNumbersPath);
    list.Unreadable = !input.IsOpen();
    for (size_t slot = 0; slot < list.Name.size() && !input.AtEnd(); ++slot) {
        list.Name[slot] = input.ReadLine();
        list.Number[slot] = input.AtEnd() ? QString() : input.ReadLine();
    }
    return list;
}

bool WriteSpeedDials(const SpeedDialList& list)
{
    TextOutput output = OpenForOutput(SpeedNumbersPath);
    for (size_t slot = 0; slot < list.Name.size(); ++slot) {
        if (list.Name[slot].isEmpty())
            continue;
        output.WritePlainLine(OneLine(list.Name[slot]));
        output.WritePlainLine(OneLine(list.Number[slot]));
    }
    return output.Close();
}
