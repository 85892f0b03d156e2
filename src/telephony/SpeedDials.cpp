#include "telephony/SpeedDials.h"

#include "core/FileAccess.h"
#include "core/WriteFormat.h"

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
        output.WritePlainLine(AsOneLine(list.Name[slot]));
        output.WritePlainLine(AsOneLine(list.Number[slot]));
    }
    return output.Close();
}
