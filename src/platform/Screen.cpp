#include "platform/Screen.h"

#include "platform/ProgramNames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QEventLoop>
#include <QLayout>
#include <QScreen>
#include <QPointer>

#include <algorithm>

Screen::Screen(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(ProgramTitle);
}

Screen::~Screen()
{
    ScreenRegistry::Instance().Forget(this);
}

void Screen::Show()
{
    TakeSizing();
    // A screen made without a size of its own takes the one its layout gives it when shown.
    if (!ownSize_.isValid() && testAttribute(Qt::WA_Resized))
        ownSize_ = size();
    show();
    if (!ownSize_.isValid())
        ownSize_ = size();
    raise();
    activateWindow();
    ScreenRegistry::Instance().Activate(this);
    // Activation lays the screen out for its routine; only now is its real size known.
    FitToScreen();
}

bool Screen::Settled() const
{
    return !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

void Screen::FitSoon()
{
    if (fitPending_)
        return;
    fitPending_ = true;
    QTimer::singleShot(0, this, [this] {
        fitPending_ = false;
        FitToScreen();
    });
}

void Screen::TakeSizing()
{
    // Qt's own rule grows a window to its layout's minimum at once, even in the middle of a
    // handler that shows one panel before it hides another; that widened screens past the
    // screen's edge and took a maximised window out of its state. The window follows its
    // layout here instead, once the handler is through.
    if (QLayout* own = layout(); own && own->sizeConstraint() == QLayout::SetDefaultConstraint)
        own->setSizeConstraint(QLayout::SetNoConstraint);
}

void Screen::FitToScreen()
{
    if (fitting_ || !isVisible() || (windowState() & Qt::WindowMinimized))
        return;
    TakeSizing();
    fitting_ = true;
    QSize needed = minimumSize();
    if (QLayout* own = layout()) {
        own->activate();
        needed = own->totalMinimumSize();
    }
    const QRect area = screen()->availableGeometry();
    // The frame the window system adds; none is known before the window is first mapped.
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    const QSize room = area.size().shrunkBy(margins);
    const QSize least = needed.boundedTo(room);
    if (!Settled()) {
        // Maximised: the user's size stays; only a smallest size that it already meets is taken.
        if (least.width() <= width() && least.height() <= height())
            setMinimumSize(least);
        fitting_ = false;
        return;
    }
    setMinimumSize(least);
    const QSize wanted = (ownSize_.isValid() ? ownSize_ : size()).expandedTo(least).boundedTo(room);
    if (wanted != size())
        resize(wanted);
    const QSize outer = size().grownBy(margins);
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - outer.height()));
    if (x != frame.left() || y != frame.top())
        move(x, y);
    fitting_ = false;
}

void Screen::ShowModal()
{
    QPointer<Screen> previous = ScreenRegistry::Instance().Active();
    QPointer<Screen> self = this;
    setWindowModality(Qt::ApplicationModal);
    Show();
    if (isVisible()) {
        QEventLoop loop;
        modalLoop_ = &loop;
        loop.exec();
    }
    if (self) {
        modalLoop_ = nullptr;
        setWindowModality(Qt::NonModal);
    }
    if (previous && ScreenRegistry::Instance().IsLoaded(previous) && previous->isVisible())
        ScreenRegistry::Instance().Activate(previous);
}

void Screen::EndModalLoop()
{
    if (modalLoop_) {
        modalLoop_->quit();
        modalLoop_ = nullptr;
    }
}

void Screen::Hide()
{
    hide();
}

bool Screen::Unload()
{
    if (!loaded_ || unloading_)
        return true;
    bool cancel = false;
    Form_QueryUnload(ProgramUnload, cancel);
    if (cancel)
        return false;
    FinishUnload();
    return true;
}

void Screen::FinishUnload()
{
    unloading_ = true;
    ScreenRegistry::Instance().Deactivate(this);
    Form_Unload();
    hide();
    EndModalLoop();
    loaded_ = false;
    ScreenRegistry::Instance().Forget(this);
    deleteLater();
}

void Screen::closeEvent(QCloseEvent* event)
{
    if (!loaded_ || unloading_) {
        event->accept();
        return;
    }
    bool cancel = false;
    Form_QueryUnload(UserClosed, cancel);
    if (cancel) {
        event->ignore();
        return;
    }
    if (loaded_ && !unloading_)
        FinishUnload();
    event->accept();
}

bool Screen::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        // The window system reports activations late, so a report only asks for a look at
        // which window is active once the pending events are through.
        ScreenRegistry::Instance().CheckActiveWindowSoon();
        // A window manager frames a window before it activates it; the frame is known now.
        FitSoon();
        break;
    case QEvent::LayoutRequest: {
        // A panel shown or hidden: the layout has answered by now, the window follows.
        const bool handled = QWidget::event(event);
        FitToScreen();
        return handled;
    }
    case QEvent::Resize:
        if (!event->spontaneous()) {
            // A window system that never reports back (an offscreen one) keeps only the last few.
            if (askedSizes_.size() >= 8)
                askedSizes_.removeFirst();
            askedSizes_.append(size());
        } else if (const qsizetype asked = askedSizes_.indexOf(size()); asked >= 0) {
            // The window system catching up with an earlier request, perhaps a stale one.
            askedSizes_.remove(0, asked + 1);
            FitSoon();
        } else if (isVisible() && Settled()) {
            // A size nobody here asked for is the user's.
            askedSizes_.clear();
            ownSize_ = size();
        }
        break;
    case QEvent::Move:
        // A window manager that frames the window after it is placed can push the frame out of
        // the area; a window the user drags is left where it goes.
        if (event->spontaneous() && QGuiApplication::mouseButtons() == Qt::NoButton)
            FitSoon();
        break;
    case QEvent::Hide:
        if (!event->spontaneous()) {
            ScreenRegistry::Instance().Deactivate(this);
            EndModalLoop();
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

ScreenRegistry& ScreenRegistry::Instance()
{
    static ScreenRegistry registry;
    return registry;
}

void ScreenRegistry::Register(Screen* screen)
{
    loaded_.push_back(screen);
}

void ScreenRegistry::Forget(Screen* screen)
{
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), screen), loaded_.end());
    if (active_ == screen)
        active_ = nullptr;
}

bool ScreenRegistry::IsLoaded(const Screen* screen) const
{
    return std::find(loaded_.begin(), loaded_.end(), screen) != loaded_.end();
}

void ScreenRegistry::Activate(Screen* screen)
{
    if (active_ == screen)
        return;
    if (Screen* old = active_) {
        active_ = nullptr;
        old->Form_Deactivate();
        // The old screen's handler may have unloaded the new one, which must then stay quiet.
        if (screen->unloading_)
            return;
    }
    active_ = screen;
    screen->Form_Activate();
}

void ScreenRegistry::CheckActiveWindowSoon()
{
    if (checkPending_)
        return;
    checkPending_ = true;
    QTimer::singleShot(0, [this] {
        checkPending_ = false;
        // Coming from another screen of this program makes that one active; a closed message
        // box or a return from another application finds the active screen unchanged.
        auto* screen = qobject_cast<Screen*>(QApplication::activeWindow());
        // While a modal window is up only it can be the active screen; a late report for a
        // window it blocks is stale.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != screen)
            return;
        if (screen && IsLoaded(screen) && screen->isVisible() && !screen->unloading_ && screen != active_)
            Activate(screen);
    });
}

void ScreenRegistry::Deactivate(Screen* screen)
{
    if (active_ != screen)
        return;
    active_ = nullptr;
    screen->Form_Deactivate();
}

void ScreenRegistry::UnloadAll()
{
    while (!loaded_.empty()) {
        Screen* newest = loaded_.back();
        // A screen whose own unload ended the program finishes that unload itself.
        if (newest->unloading_) {
            Forget(newest);
            continue;
        }
        bool cancel = false;
        newest->Form_QueryUnload(Screen::ProgramUnload, cancel);
        // The program is ending: a screen cannot keep itself loaded.
        newest->FinishUnload();
    }
}

void ScreenRegistry::Load(Screen* screen)
{
    Instance().Register(screen);
    screen->loaded_ = true;
    screen->Form_Load();
}
