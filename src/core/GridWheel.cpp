#include "core/GridWheel.h"

#include "platform/ComboWheel.h"
#include "platform/Controls.h"
#include "platform/FlexGrid.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QPointer>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>

namespace {

struct WheelHook {
    QPointer<QWidget> HookForm;
    QPointer<FlexGrid> HookGrid;
};

WheelHook& Hook()
{
    static WheelHook hook;
    return hook;
}

// A control that scrolls or steps with the wheel of its own accord; a drop-down list only while
// it has the focus, so that a passing pointer changes no value.
bool TakesTheWheel(const QWidget* widget)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        return ComboTakesWheel(combo);
    return widget->isEnabled()
           && (qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
               || qobject_cast<const QAbstractSlider*>(widget)
               || qobject_cast<const QCalendarWidget*>(widget) || qobject_cast<const UpDown*>(widget));
}

// Watches the wheel messages of the hooked screen's window. Over the hooked grid, or over a
// control that does nothing with the wheel, a notch pages the grid; a list, box or calendar
// under the pointer scrolls itself as usual, and the grid stays where it is.
class WheelWatcher : public QObject {
public:
    // Part of a notch from a fine-stepping wheel, kept until it makes a whole one.
    int pending = 0;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        FlexGrid* grid = Hook().HookGrid;
        if (!widget || !Hook().HookForm || !grid || widget->window() != Hook().HookForm)
            return false;
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int rotation = wheel->angleDelta().y();
        if (rotation == 0)
            return false; // sideways, or the start or end of a touchpad scroll
        // The event climbs from the control under the pointer to its parents when that control
        // leaves it; the choice is made for the control under the pointer each time.
        QWidget* under = widget->childAt(wheel->position().toPoint());
        if (!under)
            under = widget;
        if (under != grid && !grid->isAncestorOf(under))
            for (QWidget* w = under; w && w != Hook().HookForm; w = w->parentWidget())
                if (TakesTheWheel(w))
                    return false;
        if ((pending > 0) != (rotation > 0))
            pending = 0;
        pending += rotation;
        while (std::abs(pending) >= WheelNotch) {
            const int notch = pending > 0 ? WheelNotch : -WheelNotch;
            FlexGridMouseWheel(notch);
            pending -= notch;
        }
        return true;
    }

private:
    static constexpr int WheelNotch = 120;
};

WheelWatcher& Watcher()
{
    static WheelWatcher watcher;
    return watcher;
}

} // namespace

int WheelTopRow(double gridHeightTwips, double rowHeightTwips, int topRow, int rows, int rotation)
{
    int step = rowHeightTwips > 0 ? int(std::floor(gridHeightTwips / rowHeightTwips)) : 0;
    if (step < 10)
        step = 10;
    if (rotation > 0)
        return std::max(1, topRow - step);
    return std::max(1, std::min(topRow + step, rows - 1));
}

void HookFlexGrid(QWidget* screen, FlexGrid* grid)
{
    // Hooking again replaces the target; the watcher is installed once.
    Hook().HookForm = screen;
    Hook().HookGrid = grid;
    Watcher().pending = 0;
    // The rule for drop-down lists goes with the watcher: neither steps a list the pointer passes.
    InstallComboWheelRule();
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(&Watcher());
        app->installEventFilter(&Watcher());
    }
}

void UnhookFlexGrid()
{
    Hook().HookForm = nullptr;
    Hook().HookGrid = nullptr;
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(&Watcher());
}

void FlexGridMouseWheel(int rotation)
{
    FlexGrid* grid = Hook().HookGrid;
    if (!grid || grid->Rows() < 2)
        return;
    grid->SetTopRow(WheelTopRow(grid->HeightTwips(), grid->RowHeightTwips(1), grid->TopRow(), grid->Rows(), rotation));
}

QWidget* HookedScreen()
{
    return Hook().HookForm;
}

FlexGrid* HookedGrid()
{
    return Hook().HookGrid;
}
