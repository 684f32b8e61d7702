#pragma once
// A UiScript whose surprises fail the running test.
#include "platform/ui_script.h"

#include <QApplication>
#include <QKeyEvent>
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
