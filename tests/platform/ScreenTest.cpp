#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "support/ScreenFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

class ScreenTest : public ScreenFixture {
protected:
    // The events recorded so far, once the window system has delivered what it queued
    // (activation, hiding), as the event loop does when a handler returns.
    static QStringList TakeEvents()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        return std::exchange(ScreenEvents(), {});
    }

    // Answers the next real message box with OK once it is up.
    static void ClickOkOnNextBox()
    {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, poll, [poll] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll->start(20);
    }
};

TEST_F(ScreenTest, ShowingHidingAndSwitchingScreensActivateInOrder)
{
    ScreenA& a = ScreenInstance<ScreenA>();
    EXPECT_EQ(&ScreenInstance<ScreenA>(), &a);
    a.Show();
    EXPECT_EQ(TakeEvents(), (QStringList{"A.Load", "A.Activate"}));

    ScreenB& b = ScreenInstance<ScreenB>();
    b.Show();
    EXPECT_EQ(TakeEvents(), (QStringList{"B.Load", "A.Deactivate", "B.Activate"}));
    b.Hide();
    EXPECT_EQ(TakeEvents(), QStringList{"B.Deactivate"});
    EXPECT_EQ(ScreenRegistry::Instance().Active(), nullptr);

    // One handler hides a screen and shows another.
    a.Show();
    a.Hide();
    b.Show();
    EXPECT_EQ(TakeEvents(), (QStringList{"A.Activate", "A.Deactivate", "B.Activate"}));
}

TEST_F(ScreenTest, ScreensShownBackToBackAreEachActivatedOnce)
{
    ScreenA& a = ScreenInstance<ScreenA>();
    ScreenB& b = ScreenInstance<ScreenB>();
    ScreenEvents().clear();

    // Both shown before the event loop runs again: the window system's late report of the first
    // window's activation must not switch back to it.
    a.Show();
    b.Show();
    EXPECT_EQ(TakeEvents(), (QStringList{"A.Activate", "A.Deactivate", "B.Activate"}));
    EXPECT_EQ(ScreenRegistry::Instance().Active(), &b);
}

TEST_F(ScreenTest, MessageBoxesDoNotActivateTheScreenAgain)
{
    script_.reset(); // real boxes, answered by a timer
    ScreenA& a = ScreenInstance<ScreenA>();
    a.Show();
    TakeEvents();
    ClickOkOnNextBox();
    EXPECT_EQ(MsgBox("Saved"), MsgAnswer::Ok);
    EXPECT_TRUE(TakeEvents().isEmpty());

    // A box shown from the screen's own Activate.
    ScreenB& b = ScreenInstance<ScreenB>();
    b.OnActivate = [&b] {
        b.OnActivate = nullptr;
        ClickOkOnNextBox();
        MsgBox("Welcome back");
    };
    b.Show();
    EXPECT_EQ(TakeEvents(), (QStringList{"B.Load", "A.Deactivate", "B.Activate"}));
}

TEST_F(ScreenTest, CloseBoxAndProgramUnloadGiveTheirReasons)
{
    // Guarded: once the event loop has run, a closed screen is gone.
    QPointer<ScreenA> a = &ScreenInstance<ScreenA>();
    a->Show();
    ScreenB& b = ScreenInstance<ScreenB>();
    TakeEvents();
    EXPECT_TRUE(b.Unload());
    EXPECT_EQ(TakeEvents(), (QStringList{"B.QueryUnload1", "B.Unload"}));

    a->RefuseUnload = true;
    EXPECT_FALSE(a->close());
    EXPECT_FALSE(a->Unload());
    EXPECT_EQ(TakeEvents(), (QStringList{"A.QueryUnload0", "A.QueryUnload1"}));
    EXPECT_TRUE(IsScreenLoaded<ScreenA>() && a->isVisible());

    a->RefuseUnload = false;
    EXPECT_TRUE(a->close());
    const QStringList events = TakeEvents();
    EXPECT_EQ(events.value(0), "A.QueryUnload0");
    EXPECT_TRUE(events.contains("A.Unload"));
    EXPECT_TRUE(events.contains("A.Deactivate")); // it was the active screen
    EXPECT_FALSE(IsScreenLoaded<ScreenA>() || (a && a->isVisible()));

    // The next use makes a fresh instance in its initial state.
    if (a)
        a->RefuseUnload = true;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.isNull());
    ScreenA& again = ScreenInstance<ScreenA>();
    EXPECT_FALSE(again.RefuseUnload);
    EXPECT_EQ(TakeEvents(), QStringList{"A.Load"});

    // At program end a screen cannot keep itself loaded.
    again.RefuseUnload = true;
    ScreenRegistry::Instance().UnloadAll();
    EXPECT_FALSE(IsScreenLoaded<ScreenA>());
}

TEST_F(ScreenTest, HandlersThatUnloadScreensLeaveNoneHalfUnloaded)
{
    // The old screen's Deactivate unloads the screen being shown: it is not activated.
    ScreenA& a = ScreenInstance<ScreenA>();
    a.Show();
    QPointer<ScreenB> b = &ScreenInstance<ScreenB>();
    a.OnDeactivate = [b] { b->Unload(); };
    TakeEvents();
    b->Show();
    EXPECT_EQ(TakeEvents(), (QStringList{"A.Deactivate", "B.QueryUnload1", "B.Unload"}));
    EXPECT_EQ(ScreenRegistry::Instance().Active(), nullptr);
    a.OnDeactivate = nullptr;

    // A screen whose unload ends the program is unloaded once, the others newest first.
    ScreenInstance<ScreenB>();
    a.OnUnload = [] { ScreenRegistry::Instance().UnloadAll(); };
    TakeEvents();
    EXPECT_TRUE(a.Unload());
    EXPECT_EQ(TakeEvents(), (QStringList{"A.QueryUnload1", "A.Unload", "B.QueryUnload1", "B.Unload"}));
    EXPECT_TRUE(ScreenRegistry::Instance().Loaded().empty());
}

TEST_F(ScreenTest, ShowModalReturnsWhenTheScreenGoesAndReactivatesThePrevious)
{
    ScreenA& a = ScreenInstance<ScreenA>();
    a.Show();
    ScreenB& b = ScreenInstance<ScreenB>();
    TakeEvents();
    QTimer::singleShot(50, &b, [&b] { b.Hide(); });
    b.ShowModal();
    EXPECT_EQ(TakeEvents(), (QStringList{"A.Deactivate", "B.Activate", "B.Deactivate", "A.Activate"}));
    EXPECT_EQ(ScreenRegistry::Instance().Active(), &a);

    QTimer::singleShot(50, &b, [&b] { b.Unload(); });
    b.ShowModal();
    const QStringList events = TakeEvents();
    EXPECT_FALSE(IsScreenLoaded<ScreenB>());
    EXPECT_EQ(events.mid(0, 2), (QStringList{"A.Deactivate", "B.Activate"}));
    EXPECT_EQ(events.last(), "A.Activate");
}

TEST_F(ScreenTest, AStaleActivationOfAWindowBehindAModalScreenChangesNothing)
{
    ScreenA& a = ScreenInstance<ScreenA>();
    a.Show();
    ScreenB& b = ScreenInstance<ScreenB>();
    TakeEvents();
    QTimer::singleShot(0, &b, [&] {
        // The window system reports the window behind late, as if it were still active.
        QApplication::setActiveWindow(&a);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&a, &activate);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        EXPECT_EQ(ScreenRegistry::Instance().Active(), &b);
        b.Hide();
    });
    b.ShowModal();
    EXPECT_EQ(TakeEvents(), (QStringList{"A.Deactivate", "B.Activate", "B.Deactivate", "A.Activate"}));
}

TEST_F(ScreenTest, AScreenWithPanelsTakingTurnsKeepsOneHeight)
{
    // Two panels in one place, the second far taller than the first and than the screen's own size.
    Screen screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* small = new QWidget(&screen);
    small->setMinimumSize(100, 100);
    auto* tall = new QWidget(&screen);
    tall->setMinimumSize(100, 500);
    layout->addWidget(small);
    layout->addWidget(tall);
    tall->hide();
    screen.SetAlternatePanels({small, tall});
    screen.resize(300, 200);
    screen.Show();
    QCoreApplication::processEvents();
    const int height = screen.height();
    EXPECT_GE(height, 500);
    small->hide();
    tall->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(screen.height(), height);
    tall->hide();
    small->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(screen.height(), height);
    // Centred on the screen's available area.
    EXPECT_EQ(screen.frameGeometry().center(), screen.screen()->availableGeometry().center());
}

TEST_F(ScreenTest, PanelsTakingTurnsThatNoneShowsYetLeaveTheWidthAlone)
{
    // The panels open in turn under a row of buttons; at first neither shows.
    Screen screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* buttons = new QWidget(&screen);
    buttons->setMinimumSize(400, 50);
    auto* search = new QWidget(&screen);
    search->setMinimumSize(380, 100);
    auto* list = new QWidget(&screen);
    list->setMinimumSize(390, 200);
    layout->addWidget(buttons);
    layout->addWidget(search);
    layout->addWidget(list);
    search->hide();
    list->hide();
    screen.SetAlternatePanels({search, list});
    screen.resize(500, 200);
    screen.Show();
    QCoreApplication::processEvents();
    EXPECT_EQ(screen.width(), 500);
    const int height = screen.height();
    EXPECT_GE(height, 250);
    list->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(screen.size(), QSize(500, height));
}

TEST_F(ScreenTest, EnterPressesTheFocusedButtonAndNothingElse)
{
    Screen screen;
    auto* layout = new QVBoxLayout(&screen);
    auto* box = new QLineEdit(&screen);
    auto* accept = new QPushButton("&Accept", &screen);
    auto* cancel = new QPushButton("&Cancel", &screen);
    for (QWidget* control : {static_cast<QWidget*>(box), static_cast<QWidget*>(accept), static_cast<QWidget*>(cancel)})
        layout->addWidget(control);
    QStringList pressed;
    QObject::connect(accept, &QPushButton::clicked, [&pressed] { pressed.append("Accept"); });
    QObject::connect(cancel, &QPushButton::clicked, [&pressed] { pressed.append("Cancel"); });
    screen.Show();
    ShowAtRealSize(&screen);
    box->setFocus();

    // Enter in a text box presses no button; on a button reached with Tab it presses that one.
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), accept);
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Tab);
    PressKey(Qt::Key_Enter);
    EXPECT_EQ(pressed, QStringList({"Accept", "Cancel"}));
    // A greyed button takes no key.
    cancel->setEnabled(false);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(pressed.size(), 2);
}

} // namespace
