#pragma once
// Clicks on a grid's cells as the user makes them.
#include "platform/grid.h"

#include <QApplication>
#include <QMouseEvent>

// Presses and releases the left button in the middle of the cell as it is drawn now.
inline void clickCell(lukana::platform::Grid& grid, int row, int col) {
    QWidget* view = grid.viewport();
    QPointF at = grid.cellRect(row, col, view).center();
    QPointF global = view->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(view, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(view, &release);
}
