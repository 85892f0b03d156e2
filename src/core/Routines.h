#pragma once

#include <functional>

// The main menu's ten routines and the screens they open. A routine is offered once its screen
// is part of the program and has been registered here.
inline constexpr int RoutineCount = 10;

void RegisterRoutine(int routine, std::function<void()> showScreen);
void ForgetRoutines();
bool RoutineAvailable(int routine);
// Shows the routine's screen; false when the routine has none.
bool ShowRoutineScreen(int routine);
