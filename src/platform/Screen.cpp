#include "platform/Screen.h"

#include "platform/ComboWheel.h"
#include "platform/ProgramNames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QEventLoop>
#include <QHash>
#include <QKeyEvent>
#include <QPushButton>
#include <QLayout>
#include <QScreen>
#include <QPointer>

#include <algorithm>

Screen::Screen(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(ProgramTitle);
    InstallComboWheelRule();
}

Screen::~Screen()
{
    ScreenRegistry::Instance().Forget(this);
}

namespace {

// The frame the window manager put around the last screen it framed: the best guess for a
// screen it has not framed yet (none where no window manager runs).
QMargins& KnownFrame()
{
    static QMargins frame;
    return frame;
}

// Per screen class, where the user last left the frame in this run.
QHash<QByteArray, QPoint>& UserPlaces()
{
    static QHash<QByteArray, QPoint> places;
    return places;
}

} // namespace

void Screen::Show()
{
    TakeSizing();
    // A screen made without a size of its own takes the one its layout gives it when shown.
    if (!ownSize_.isValid() && testAttribute(Qt::WA_Resized))
        ownSize_ = size();
    if (!isVisible())
        MeasureReserved();
    if (!isVisible() && Settled()) {
        // Sized and placed before the window manager sees the window, so that it places it once;
        // the place is corrected once the real frame is known.
        ensurePolished();
        const QMargins margins = FrameMargins();
        const QSize room = screen()->availableGeometry().size().shrunkBy(margins);
        const QSize least = NeededSize().boundedTo(room);
        // A window with neither its own size nor a layout keeps the window system's default.
        const QSize hint = sizeHint().isValid() ? sizeHint() : size();
        const QSize wanted = (ownSize_.isValid() ? ownSize_ : hint).expandedTo(least).boundedTo(room);
        if (wanted != size())
            resize(wanted);
        MoveFrameTo(Place(size().grownBy(margins)));
        placing_ = true;
        placeDue_ = false;
    }
    show();
    if (!ownSize_.isValid())
        ownSize_ = size();
    raise();
    activateWindow();
    ScreenRegistry::Instance().Activate(this);
    // Activation lays the screen out for its routine; only now is its real size known.
    FitToScreen();
}

void Screen::SetAlternatePanels(const QList<QWidget*>& panels)
{
    panels_.clear();
    for (QWidget* panel : panels)
        panels_.append(panel);
}

void Screen::SetReservedPanels(const QList<QWidget*>& panels)
{
    reserved_.clear();
    for (QWidget* panel : panels)
        reserved_.append(panel);
}

void Screen::MeasureReserved()
{
    // Measured with each turn-taker in its place and every reserved panel showing. Showing a
    // panel of a hidden window only marks it shown: nothing is drawn or moved.
    reservedSize_ = QSize();
    if (reserved_.isEmpty() && panels_.isEmpty())
        return;
    QList<std::pair<QPointer<QWidget>, bool>> was;
    for (const QPointer<QWidget>& panel : reserved_ + panels_)
        if (panel)
            was.append({panel, panel->isHidden()});
    for (const QPointer<QWidget>& panel : reserved_)
        if (panel)
            panel->setVisible(true);
    QLayout* own = layout();
    const auto least = [this, own] {
        // Every layout from the panels out measured afresh for the panels now marked shown: a
        // hidden window lays nothing out by itself.
        for (const QPointer<QWidget>& panel : reserved_ + panels_)
            for (QWidget* w = panel ? panel->parentWidget() : nullptr; w && w != this; w = w->parentWidget()) {
                if (QLayout* inner = w->layout()) {
                    inner->invalidate();
                    inner->activate();
                }
                w->updateGeometry();
            }
        own->invalidate();
        own->activate();
        return own->totalMinimumSize();
    };
    QSize measured(0, 0);
    if (own && panels_.isEmpty())
        measured = least();
    for (const QPointer<QWidget>& turn : panels_) {
        if (!turn || !own)
            continue;
        for (const QPointer<QWidget>& panel : panels_)
            if (panel)
                panel->setVisible(panel == turn);
        measured = measured.expandedTo(least());
    }
    for (const auto& [panel, hidden] : was)
        if (panel)
            panel->setVisible(!hidden);
    reservedSize_ = own ? measured : QSize();
}

QSize Screen::NeededSize()
{
    QLayout* own = layout();
    if (!own)
        return minimumSize();
    own->activate();
    QSize needed = own->totalMinimumSize();
    // Measured while hidden: what shows now, and room for what can come.
    if (reservedSize_.isValid())
        return needed.expandedTo(reservedSize_);
    // Not measured yet: the panel showing stands in for the largest of its turn-takers.
    QSize shown(0, 0), largest(0, 0);
    QWidget* tallest = nullptr;
    for (const QPointer<QWidget>& panel : panels_) {
        if (!panel)
            continue;
        const QSize least = panel->minimumSizeHint().expandedTo(panel->minimumSize());
        if (!tallest || least.height() > largest.height())
            tallest = panel;
        largest = largest.expandedTo(least);
        if (panel->isVisibleTo(this))
            shown = shown.expandedTo(least);
    }
    needed.rheight() += largest.height() - shown.height();
    // With one showing, the width the others need was measured while the window was hidden.
    if (shown.width() == 0 && tallest) {
        // None showing: the panel to come stands between the window's margins, spaced from
        // whatever else shows in the layout that holds it.
        const QMargins margins = own->contentsMargins();
        needed.setWidth(std::max(needed.width(), largest.width() + margins.left() + margins.right()));
        QLayout* home = tallest->parentWidget() ? tallest->parentWidget()->layout() : nullptr;
        bool beside = false;
        for (int i = 0; home && i < home->count(); ++i)
            beside = beside || (home->itemAt(i)->widget() && home->itemAt(i)->widget()->isVisibleTo(this));
        if (beside)
            needed.rheight() += std::max(0, home->spacing());
    }
    return needed;
}

QMargins Screen::FrameMargins() const
{
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    if (margins.isNull())
        return KnownFrame();
    KnownFrame() = margins;
    return margins;
}

QPoint Screen::Place(const QSize& outer) const
{
    const QRect area = screen()->availableGeometry();
    QPoint at(area.left() + (area.width() - outer.width()) / 2, area.top() + (area.height() - outer.height()) / 2);
    if (const auto user = UserPlaces().constFind(metaObject()->className()); user != UserPlaces().constEnd())
        at = *user;
    return {std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())),
            std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height()))};
}

void Screen::MoveFrameTo(const QPoint& place)
{
    if (askedPlaces_.size() >= 8)
        askedPlaces_.removeFirst();
    askedPlaces_.append(place);
    // A window's position is its frame's.
    move(place);
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
    const QSize needed = NeededSize();
    const QRect area = screen()->availableGeometry();
    const bool framed = frameGeometry() != geometry();
    const QMargins margins = FrameMargins();
    const QSize room = area.size().shrunkBy(margins);
    const QSize least = needed.boundedTo(room);
    if (!Settled()) {
        // Maximised: the user's size stays; only a smallest size that it already meets is taken.
        if (least.width() <= width() && least.height() <= height())
            setMinimumSize(least);
        placing_ = false;
        fitting_ = false;
        return;
    }
    setMinimumSize(least);
    const QSize wanted = (ownSize_.isValid() ? ownSize_ : size()).expandedTo(least).boundedTo(room);
    if (wanted != size())
        resize(wanted);
    const QSize outer = size().grownBy(margins);
    QPoint at = pos();
    if (placing_ && (framed || placeDue_)) {
        // The window manager has framed and placed the window: the place it was meant to have,
        // now that the frame is known.
        placing_ = placeDue_ = false;
        at = Place(outer);
    }
    const int x = std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height()));
    if (x != pos().x() || y != pos().y())
        MoveFrameTo({x, y});
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
        if (placing_)
            placeDue_ = true;
        FitSoon();
        break;
    case QEvent::KeyPress: {
        // Enter on a focused button presses it, as on the desktop the program was made for; a
        // button that answers Enter itself (a default button) never lets the key come here.
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat()
            && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && button && button->window() == this
            && button->isEnabled() && button->isVisible()) {
            button->click();
            return true;
        }
        break;
    }
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
        if (!event->spontaneous())
            break;
        if (const qsizetype asked = askedPlaces_.indexOf(pos()); asked >= 0) {
            askedPlaces_.remove(0, asked + 1);
        } else if (placing_) {
            // The window manager's own placement, corrected once the frame is known.
            FitSoon();
        } else if (isVisible() && Settled()) {
            // A place nobody here asked for is the user's: kept, and used when the screen is
            // shown again.
            askedPlaces_.clear();
            UserPlaces().insert(metaObject()->className(), pos());
        }
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
