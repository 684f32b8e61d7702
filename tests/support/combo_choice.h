#pragma once
// A choice from a combo box's open list, as the user makes it: the list opens, the row becomes
// the list's current one and Enter takes it.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

inline void chooseFromList(QComboBox* box, int row) {
    box->showPopup();
    QAbstractItemView* view = box->view();
    view->setCurrentIndex(box->model()->index(row, box->modelColumn()));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(view, &press);
}
