#pragma once
// A UiScript whose surprises fail the running test.
#include "platform/ui_script.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

class TestScript : public lukana::platform::UiScript {
  public:
    TestScript() : UiScript([](const QString& what) { ADD_FAILURE() << what.toStdString(); }) {}
};

// Types text into a widget key by key, as the user would.
inline void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// Presses and releases a key in a widget, as the user would (Escape, Enter, Tab, an arrow,
// Ctrl+Z).
inline void sendKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, modifiers);
        QApplication::sendEvent(widget, &event);
    }
}

// A mouse click on a row of a list, as the user makes it (the row scrolled into view first).
inline void clickListRow(QListWidget* list, int row,
                         Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    list->scrollToItem(list->item(row));
    const QPointF at = list->visualItemRect(list->item(row)).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          modifiers);
        QApplication::sendEvent(list->viewport(), &event);
    }
}
