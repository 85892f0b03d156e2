#include "core/Routines.h"

#include <array>

namespace {
std::array<std::function<void()>, RoutineCount + 1>& Screens()
{
    static std::array<std::function<void()>, RoutineCount + 1> screens;
    return screens;
}
} // namespace

void RegisterRoutine(int routine, std::function<void()> showScreen)
{
    if (routine >= 1 && routine <= RoutineCount)
        Screens()[size_t(routine)] = std::move(showScreen);
}

void ForgetRoutines()
{
    Screens().fill(nullptr);
}

bool RoutineAvailable(int routine)
{
    return routine >= 1 && routine <= RoutineCount && Screens()[size_t(routine)] != nullptr;
}

bool ShowRoutineScreen(int routine)
{
    if (!RoutineAvailable(routine))
        return false;
    Screens()[size_t(routine)]();
    return true;
}
