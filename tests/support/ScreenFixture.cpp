#include "support/ScreenFixture.h"

#include "accounts/AuxData.h"
#include "app/Startup.h"
#include "core/Navigation.h"
#include "core/Settings.h"
#include "platform/FlexGrid.h"
#include "platform/Screen.h"
#include "scheduling/LoadedProjects.h"
#include "scheduling/TeamDayStore.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>

QStringList& ScreenEvents()
{
    static QStringList events;
    return events;
}

void ScreenFixture::SetUp()
{
    ScreenEvents().clear();
    ProgramFolderTest::SetUp();
    ResetStartupState();
    AuxRefusalShown() = false;
    SetProgramEndAction([] {});
    RegisterScreens();
    script_.emplace();
}

void ScreenFixture::TearDown()
{
    ScreenRegistry::Instance().UnloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (script_) {
        for (const ShownMessage& box : script_->Unanswered())
            ADD_FAILURE() << "unanswered message box: " << box.Title.toStdString() << ": "
                          << box.Prompt.toStdString();
        script_.reset();
    }
    ResetStartupState();
    ForgetScreens();
    SetProgramEndAction(nullptr);
    ProgramFolderTest::TearDown();
}

