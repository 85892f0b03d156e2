#pragma once

#include <QString>

#include <functional>

// How the screens of one subsystem reach those of another and return to the main menu without
// knowing them: the program registers each screen that others open under its class name at
// start-up, and the main menu as the place every screen goes back to.

class Screen;

// `load` returns the screen's one instance, loading it on first use.
void RegisterScreen(const QString& name, std::function<Screen&()> load);
// The registered screen, loaded; nullptr when no such screen is part of the program.
Screen* FindScreen(const QString& name);
// Shows the registered screen modeless; false when there is none.
bool ShowScreen(const QString& name);
// Shows it modal and returns once it is hidden or unloaded; false when there is none.
bool ShowScreenModal(const QString& name);

void SetMainMenu(std::function<void()> show);
void ShowMainMenu();

// The team list was written again: the screens that list the teams refill their lists.
void SetTeamListChangedAction(std::function<void()> action);
void TeamListChanged();

// No project is loaded: the main menu stops offering the routines that need one.
void SetNoProjectsAction(std::function<void()> action);
void NoProjectsLoaded();

// Forgets every registration (tests).
void ForgetScreens();
