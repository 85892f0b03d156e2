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

void ScreenFixture::ClickAt(QWidget* widget, const QPoint& at, Qt::MouseButton button)
{
    QApplication::processEvents();
    QWidget* window = widget->window();
    const QPoint inWindow = widget->mapTo(window, at);
    QWidget* target = window->childAt(inWindow);
    if (!target && window->rect().contains(inWindow))
        target = window;
    ASSERT_TRUE(target) << "nothing under the pointer";
    const QPoint local = target->mapFrom(window, inWindow);
    QTest::mouseClick(target, button, {}, local);
}

void ScreenFixture::ClickRow(FlexGrid* grid, int r, Qt::MouseButton button)
{
    QApplication::processEvents();
    const QRect cell = grid->visualRect(grid->model()->index(r - 1, 1));
    ClickAt(grid->viewport(), cell.center(), button);
}

void ScreenFixture::ClickButton(QWidget* button)
{
    ClickAt(button, button->rect().center());
}
