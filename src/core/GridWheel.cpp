#include "core/GridWheel.h"

#include "platform/FlexGrid.h"

#include <QApplication>
#include <QPointer>
#include <QWheelEvent>

#include <cmath>

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

// Watches the wheel messages of the hooked screen's window.
class WheelWatcher : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Wheel)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || !Hook().HookForm || !Hook().HookGrid || widget->window() != Hook().HookForm)
            return false;
        auto* wheel = static_cast<QWheelEvent*>(event);
        FlexGridMouseWheel(wheel->angleDelta().y());
        return true;
    }
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
