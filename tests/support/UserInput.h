#pragma once

// Input as a user gives it: the window at a real size, a click on whatever lies on top at the
// point, keys to the widget that has the focus. A control covered by another, or a key that an
// inner widget never sees, then fails here as it would on the screen.

#include "platform/FlexGrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <optional>

// Shows the widget's window no bigger than a 1280x1024 screen, exposed and active.
inline void ShowAtRealSize(QWidget* widget)
{
    QWidget* window = widget->window();
    window->resize(window->size().boundedTo(QSize(1280, 1024)));
    window->show();
    QApplication::setActiveWindow(window);
    (void)QTest::qWaitForWindowExposed(window);
    QApplication::processEvents();
}

// Clicks at a point of the widget (its centre by default) on what the window has there; returns
// the widget that got the click.
inline QWidget* ClickAt(QWidget* widget, std::optional<QPoint> point = std::nullopt,
                        Qt::MouseButton button = Qt::LeftButton)
{
    QApplication::processEvents();
    QWidget* window = widget->window();
    const QPoint inWindow = widget->mapTo(window, point.value_or(widget->rect().center()));
    QWidget* target = window->childAt(inWindow);
    if (!target && window->rect().contains(inWindow))
        target = window;
    if (!target) {
        ADD_FAILURE() << "nothing under the pointer";
        return nullptr;
    }
    QTest::mouseClick(target, button, {}, target->mapFrom(window, inWindow));
    return target;
}

inline void ClickButton(QWidget* button) { ClickAt(button); }

// Data row r (1-based) of a grid.
inline void ClickRow(FlexGrid* grid, int r, Qt::MouseButton button = Qt::LeftButton)
{
    QApplication::processEvents();
    ClickAt(grid->viewport(), grid->visualRect(grid->model()->index(r - 1, 1)).center(), button);
}

inline void PressKey(Qt::Key key)
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget has the focus";
    QTest::keyClick(focus, key);
}

inline void TypeText(const QString& text)
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget has the focus";
    QTest::keyClicks(focus, text);
}
