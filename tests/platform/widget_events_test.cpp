#include "platform/controls.h"
#include "platform/widget_events.h"
#include "support/ui_script.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

using namespace lukana::platform;

namespace {
void press(QWidget* w, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier,
                   key == Qt::Key_Return ? QString("\r") : QString());
    QApplication::sendEvent(w, &down);
}
} // namespace

TEST(WidgetEvents, KeyHandlerRunsFirstAndMayKeepTheKey) {
    TextBox box;
    QList<int> keys;
    onKeyDown(&box, [&](int key, Qt::KeyboardModifiers) {
        keys << key;
        return key == Qt::Key_Return;
    });
    typeText(&box, "12");
    press(&box, Qt::Key_Return);
    press(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "1"); // Backspace reached the box
    EXPECT_EQ(keys.size(), 4);
    EXPECT_EQ(keys[2], Qt::Key_Return);

    // A second handler replaces the first.
    int calls = 0;
    onKeyDown(&box, [&](int, Qt::KeyboardModifiers) {
        ++calls;
        return true;
    });
    typeText(&box, "9");
    EXPECT_EQ(box.text(), "1");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(keys.size(), 4);
}

TEST(WidgetEvents, FocusLostAndGained) {
    QWidget window;
    auto* a = new TextBox(&window);
    auto* b = new ComboBox(&window);
    b->move(0, 40);
    window.show();
    window.activateWindow();
    QStringList log;
    onFocusLost(a, [&] { log << "a lost"; });
    onFocusGained(b, [&] { log << "b gained"; });
    a->setFocus();
    QApplication::processEvents();
    b->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(log, (QStringList{"a lost", "b gained"}));
}
