#include "core/Navigation.h"

#include "platform/Screen.h"

#include <map>

namespace {

struct Registrations {
    std::map<QString, std::function<Screen&()>> Screens;
    std::function<void()> MainMenu;
    std::function<void()> TeamListChanged;
    std::function<void()> NoProjects;
};

Registrations& Registered()
{
    static Registrations registrations;
    return registrations;
}

} // namespace

void RegisterScreen(const QString& name, std::function<Screen&()> load)
{
    Registered().Screens[name] = std::move(load);
}

Screen* FindScreen(const QString& name)
{
    const auto found = Registered().Screens.find(name);
    if (found == Registered().Screens.end() || !found->second)
        return nullptr;
    return &found->second();
}

bool ShowScreen(const QString& name)
{
    Screen* screen = FindScreen(name);
    if (!screen)
        return false;
    screen->Show();
    return true;
}

bool ShowScreenModal(const QString& name)
{
    Screen* screen = FindScreen(name);
    if (!screen)
        return false;
    screen->ShowModal();
    return true;
}

void SetMainMenu(std::function<void()> show)
{
    Registered().MainMenu = std::move(show);
}

void ShowMainMenu()
{
    if (Registered().MainMenu)
        Registered().MainMenu();
}

void SetTeamListChangedAction(std::function<void()> action)
{
    Registered().TeamListChanged = std::move(action);
}

void TeamListChanged()
{
    if (Registered().TeamListChanged)
        Registered().TeamListChanged();
}

void SetNoProjectsAction(std::function<void()> action)
{
    Registered().NoProjects = std::move(action);
}

void NoProjectsLoaded()
{
    if (Registered().NoProjects)
        Registered().NoProjects();
}

void ForgetScreens()
{
    Registered() = Registrations();
}
