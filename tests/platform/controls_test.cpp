#include "platform/controls.h"
#include "support/combo_choice.h"
#include "support/ui_script.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace lukana::platform;

TEST(TextBox, ChangeRunsInsideTheWriteAndOnlyOnARealChange) {
    TextBox box;
    QStringList seen;
    box.onChange([&] { seen << box.text(); });
    box.setText("12");
    EXPECT_EQ(seen, QStringList{"12"}); // synchronously, before setText returns
    box.setText("12");
    EXPECT_EQ(seen, QStringList{"12"}); // same value: no change
    box.setFocus();
    typeText(&box, "3");
    EXPECT_EQ(seen, (QStringList{"12", "123"}));
}

TEST(TextBox, StripsCommasAsTheyAreTyped) {
    TextBox box;
    box.setStripCommas(true);
    QStringList seen;
    box.onChange([&] { seen << box.text(); });
    typeText(&box, "a,b,,c");
    EXPECT_EQ(box.text(), "abc");
    EXPECT_EQ(seen, (QStringList{"a", "ab", "abc"}));
    box.setCursorPosition(1);
    typeText(&box, ",x");
    EXPECT_EQ(box.text(), "axbc"); // typing goes on where the comma was
    box.setText("1,000");
    EXPECT_EQ(box.text(), "1000");
    EXPECT_EQ(seen.back(), "1000");
}

TEST(Controls, NestedCascadeRunsInsideTheOuterHandler) {
    // A handler writing another box: its handler runs before the write returns, and a guard
    // flag set around the write silences it.
    TextBox a, b;
    int guard = 0;
    QStringList log;
    b.onChange([&] {
        if (guard)
            return;
        log << "b=" + b.text();
    });
    a.onChange([&] {
        log << "a:before";
        b.setText(a.text() + "!");
        log << "a:after";
    });
    a.setText("x");
    EXPECT_EQ(log, (QStringList{"a:before", "b=x!", "a:after"}));
    log.clear();
    guard = 1;
    a.setText("y");
    EXPECT_EQ(log, (QStringList{"a:before", "a:after"}));
    EXPECT_EQ(b.text(), "y!");
}

TEST(Controls, ChoiceControlsFireOnRealChangesOnly) {
    ComboBox combo;
    combo.addItems({"a", "b"}); // the first item added selects it
    CheckBox check;
    QWidget group; // option buttons of one parent form a group
    auto& opt1 = *new OptionButton("1", &group);
    auto& opt2 = *new OptionButton("2", &group);
    ScrollBar bar(Qt::Horizontal);
    bar.setRange(0, 10);

    int combos = 0, checks = 0, opts1 = 0, opts2 = 0, bars = 0;
    combo.onChange([&] { ++combos; });
    check.onChange([&] { ++checks; });
    opt1.onChange([&] { ++opts1; });
    opt2.onChange([&] { ++opts2; });
    bar.onChange([&] { ++bars; });

    combo.setListIndex(0); // already chosen
    combo.setListIndex(1);
    combo.setListIndex(1);
    combo.clear(); // to no entry
    EXPECT_EQ(combos, 2);
    EXPECT_EQ(combo.listIndex(), -1);

    check.setValue(0);
    check.setValue(1);
    check.setValue(1);
    EXPECT_EQ(checks, 1);

    opt1.setChecked(true);
    opt2.setChecked(true); // opt1 loses the choice: only opt2's event runs
    opt2.setChecked(true);
    EXPECT_EQ(opts1, 1);
    EXPECT_EQ(opts2, 1);
    EXPECT_FALSE(opt1.isChecked());

    bar.setValue(0);
    bar.setValue(4);
    bar.setValue(4);
    EXPECT_EQ(bars, 1);
}

TEST(Spinner, TopIsTheLargestValueAndTheUpArrowRaises) {
    Spinner spin;
    spin.setRange(0, 32);
    EXPECT_TRUE(spin.setValue(5));
    spin.stepUp();
    EXPECT_EQ(spin.value(), 6);
    spin.stepDown();
    spin.stepDown();
    EXPECT_EQ(spin.value(), 4);
    EXPECT_EQ(spin.minimum(), 0);
    EXPECT_EQ(spin.maximum(), 32);
    ASSERT_TRUE(spin.setValue(32));
    spin.stepUp(); // the top end stays
    EXPECT_EQ(spin.value(), 32);
    // A value it cannot take is refused and changes nothing.
    EXPECT_FALSE(spin.setValue(33));
    EXPECT_FALSE(spin.setValue(-1));
    EXPECT_EQ(spin.value(), 32);
}

TEST(Spinner, APressWhoseButtonWentUpOverAQuestionStepsOnceAndStops) {
    // The change handler asks a question; the user answers it with the mouse, so the button
    // is released over the question, never over the arrow.
    Spinner spin;
    spin.setRange(0, 32);
    ASSERT_TRUE(spin.setValue(5));
    spin.show();
    int asked = 0;
    spin.onChange([&] { ++asked; });
    auto* bar = spin.findChild<ScrollBar*>();
    ASSERT_NE(bar, nullptr);
    const QPointF upArrow(bar->width() / 2.0, 2);
    QMouseEvent press(QEvent::MouseButtonPress, upArrow, bar->mapToGlobal(upArrow), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    EXPECT_EQ(spin.value(), 6);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(bar->repeating()) << "the arrow would step on by itself";
}

TEST(Spinner, TypedNumberMovesTheSpinnerWithoutWritingBackIntoTheBox) {
    TextBox box;
    Spinner spin;
    spin.setRange(0, 13);
    int changes = 0;
    spin.onChange([&] {
        ++changes;
        if (!spin.fromBox())
            box.setText(QString::number(spin.value()));
    });
    box.onChange([&] { spin.setValueFromBox(box.text().toInt()); });
    box.setText("07");
    EXPECT_EQ(spin.value(), 7);
    EXPECT_EQ(box.text(), "07");
    spin.stepUp();
    EXPECT_EQ(box.text(), "8");
    EXPECT_FALSE(spin.fromBox());
    EXPECT_EQ(changes, 2);
}

TEST(ListBox, ChangeOnARealChangeOnlyAndClickOnTheChosenRow) {
    ListBox list;
    list.resize(200, 200);
    list.addItems({"a", "b", "c"});
    list.show();
    int changes = 0, clicks = 0;
    list.onChange([&] { ++changes; });
    list.onClick([&] { ++clicks; });
    auto clickRow = [&](int row) { clickListRow(&list, row); };

    struct Step {
        std::function<void()> act;
        int index, changes, clicks;
    };
    const Step steps[] = {
        {[&] { list.setListIndex(1); }, 1, 1, 0},
        {[&] { list.setListIndex(1); }, 1, 1, 0}, // already chosen
        {[&] { clickRow(1); }, 1, 1, 1},          // the chosen row: a click, no change
        {[&] { clickRow(2); }, 2, 2, 1},          // another row: a change, no click
        {[&] { list.setListIndex(-1); }, -1, 3, 1},
        {[&] { clickRow(0); }, 0, 4, 1},
        {[&] { list.clear(); }, -1, 5, 1},
        {[&] {
             list.setItemsQuietly({"x", "y"});
         },
         -1, 5, 1},
        {[&] { list.setListIndex(5); }, -1, 5, 1}, // no such row
        {[&] { clickRow(0); }, 0, 6, 1},
        {[&] {
             list.setItemsQuietly({"x", "y"});
         },
         -1, 6, 1},
        {[&] { list.setListIndex(0); }, 0, 7, 1}, // chosen anew after the quiet refill
    };
    int n = 0;
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(list.listIndex(), s.index) << "step " << n;
        EXPECT_EQ(changes, s.changes) << "step " << n;
        EXPECT_EQ(clicks, s.clicks) << "step " << n;
        ++n;
    }
}

TEST(ComboBox, ClickOnEveryChoiceAlsoOfTheEntryAlreadyChosen) {
    ComboBox combo;
    combo.addItems({"a", "b", "c"});
    combo.setListIndexQuietly(-1);
    combo.show();
    int changes = 0, clicks = 0;
    combo.onChange([&] { ++changes; });
    combo.onClick([&] { ++clicks; });

    struct Step {
        const char* what;
        std::function<void()> act;
        int index, changes, clicks;
    };
    const Step steps[] = {
        {"window chooses", [&] { combo.setListIndex(1); }, 1, 1, 1},
        {"window chooses it again", [&] { combo.setListIndex(1); }, 1, 1, 1},
        {"user chooses it again", [&] { chooseFromList(&combo, 1); }, 1, 1, 2},
        {"user chooses another", [&] { chooseFromList(&combo, 2); }, 2, 2, 3},
        {"quiet load", [&] { combo.setListIndexQuietly(0); }, 0, 2, 3},
        {"user chooses the loaded one", [&] { chooseFromList(&combo, 0); }, 0, 2, 4},
        {"list opened and left",
         [&] {
             combo.showPopup();
             combo.hidePopup();
         },
         0, 2, 4},
        {"then the window chooses", [&] { combo.setListIndex(2); }, 2, 3, 5},
        {"emptied", [&] { combo.clear(); }, -1, 4, 6},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(combo.listIndex(), s.index);
        EXPECT_EQ(changes, s.changes);
        EXPECT_EQ(clicks, s.clicks);
    }
}

TEST(Controls, QuietLoadsRunNoChangeEventAndCountAsTheValueSeen) {
    TextBox box;
    ComboBox list;
    list.addItems({"未選択", "現金", "カード", "売掛"});
    CheckBox tick;
    QStringList log;
    box.onChange([&] { log << "box=" + box.text(); });
    list.onChange([&] { log << QString("list=%1").arg(list.listIndex()); });
    tick.onChange([&] { log << QString("tick=%1").arg(tick.value()); });

    box.setTextQuietly("-500");
    list.setListIndexQuietly(3);
    tick.setValueQuietly(1);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(box.text(), "-500");
    EXPECT_EQ(list.listIndex(), 3);
    EXPECT_EQ(tick.value(), 1);

    // The loaded value is what the next write compares with.
    box.setText("-500");
    list.setListIndex(3);
    tick.setValue(1);
    EXPECT_TRUE(log.isEmpty());
    box.setText("-50");
    list.setListIndex(-1);
    tick.setValue(0);
    EXPECT_EQ(log, (QStringList{"box=-50", "list=-1", "tick=0"}));

    // Commas still go, quietly.
    log.clear();
    box.setStripCommas(true);
    box.setTextQuietly("1,500");
    EXPECT_EQ(box.text(), "1500");
    EXPECT_TRUE(log.isEmpty());
}

// The digit limit concerns typing only: a key or a paste past it is refused with the message
// and leaves the text and cursor as they were before it; a figure the window writes, however
// long, is taken without a word, may be shortened and brought back by an undo.
TEST(TextBox, OnlyTypingPastTheDigitLimitIsRefused) {
    const QString twelve = QStringLiteral("999999999999");
    const QString thirteen = QStringLiteral("1234567890123");
    const QString fifteen = QStringLiteral("123456789012345");
    constexpr int kUndo = -1; // Ctrl+Z
    auto keys = [](std::vector<int> pressed) {
        return [pressed](TextBox& b) {
            for (int key : pressed)
                key == kUndo ? sendKey(&b, Qt::Key_Z, Qt::ControlModifier) : sendKey(&b, key);
        };
    };
    auto paste = [](const char* text) {
        return [text](TextBox& b) {
            QApplication::clipboard()->setText(QString::fromUtf8(text));
            b.paste();
        };
    };
    const struct {
        const char* what;
        QString start; // written by the window
        int cursor;
        std::function<void(TextBox&)> act;
        QString after;
        int cursorAfter;
        bool refused;
    } cases[] = {
        {"window writes 13 digits", "5", 1, [&](TextBox& b) { b.setText(thirteen); }, thirteen, 13,
         false},
        {"window loads 13 digits quietly", "5", 1, [&](TextBox& b) { b.setTextQuietly(thirteen); },
         thirteen, 13, false},
        {"13th digit typed at the end", twelve, 12, [](TextBox& b) { typeText(&b, "9"); }, twelve,
         12, true},
        {"13th digit typed inside", twelve, 3, [](TextBox& b) { typeText(&b, "1"); }, twelve, 3,
         true},
        {"12th digit typed", "99999999999", 11, [](TextBox& b) { typeText(&b, "9"); }, twelve, 12,
         false},
        {"13 digits pasted", "12", 1, paste("1,234,567,890,123"), "12", 1, true},
        {"12 digits pasted", "", 0, paste("999,999,999,999"), twelve, 12, false},
        {"decimals do not count", "999999999999.2", 14, [](TextBox& b) { typeText(&b, "5"); },
         "999999999999.25", 15, false},
        {"13th digit before the point", "999999999999.2", 0, [](TextBox& b) { typeText(&b, "1"); },
         "999999999999.2", 0, true},
        {"the minus does not count", "-99999999999", 12, [](TextBox& b) { typeText(&b, "9"); },
         "-999999999999", 13, false},
        {"13th digit after a minus", "-999999999999", 13, [](TextBox& b) { typeText(&b, "9"); },
         "-999999999999", 13, true},
        {"a long written figure is shortened", thirteen, 13,
         [](TextBox& b) { sendKey(&b, Qt::Key_Backspace); }, "123456789012", 12, false},
        {"a long written figure grows no further", thirteen, 13,
         [](TextBox& b) { typeText(&b, "4"); }, thirteen, 13, true},
        {"a long written figure takes no new digit in place of one", thirteen, 13,
         [](TextBox& b) {
             b.setSelection(12, 1);
             typeText(&b, "9");
         },
         thirteen, 13, true},
        {"an exponent past the limit typed", "1e2", 3, [](TextBox& b) { typeText(&b, "0"); }, "1e2",
         3, true},
        {"an exponent past the limit after a minus", "-1e1", 4,
         [](TextBox& b) { typeText(&b, "2"); }, "-1e1", 4, true},
        {"an exponent within the limit", "1e", 2, [](TextBox& b) { typeText(&b, "5"); }, "1e5", 3,
         false},
        {"an exponent that reads as twelve digits", "9.99e1", 6,
         [](TextBox& b) { typeText(&b, "1"); }, "9.99e11", 7, false},
        {"an exponent past a double", "1e40", 4, [](TextBox& b) { typeText(&b, "0"); }, "1e40", 4,
         true},
        {"an exponent the commas hid", "", 0, paste("1,0e20"), "", 0, true},
        {"half a yen past the limit", "999999999999.", 13, [](TextBox& b) { typeText(&b, "5"); },
         "999999999999.", 13, true},
        // An undo that brings back the long figure the window wrote, or part of it, makes no new
        // figure.
        {"a long written figure shortened and brought back", thirteen, 13,
         keys({Qt::Key_Backspace, kUndo}), thirteen, 13, false},
        {"a long written figure emptied and brought back", thirteen, 0,
         keys({Qt::Key_Delete, Qt::Key_Delete, kUndo}), thirteen, 0, false},
        {"the later of two deletions brought back", fifteen, 15,
         keys({Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete, kUndo}),
         QStringLiteral("12345678901234"), 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestScript script;
        TextBox box;
        box.setStripCommas(true);
        box.setMaxDigits(kAmountDigits);
        box.setText(c.start);
        box.setCursorPosition(c.cursor);
        QStringList seen;
        box.onChange([&] { seen << box.text(); });
        if (c.refused)
            script.answer(Answer::Ok);
        c.act(box);
        EXPECT_EQ(box.text(), c.after);
        EXPECT_EQ(box.cursorPosition(), c.cursorAfter);
        EXPECT_EQ(script.boxes().size(), c.refused ? 1u : 0u);
        if (c.refused && !script.boxes().empty()) {
            EXPECT_EQ(script.boxes()[0].text, QStringLiteral("金額は12桁までです。"));
            EXPECT_TRUE(seen.isEmpty()) << "a refused edit is no change";
        }
    }
}

TEST(ComboBox, DropDownListIsNoWiderThanItsWindow) {
    QWidget window;
    window.resize(400, 300);
    auto* combo = new ComboBox(&window);
    combo->setGeometry(200, 10, 150, 24);
    combo->addItem(QString(300, QChar(0x9b5a))); // a 300-character supplier name
    combo->addItem(QStringLiteral("酒屋"));
    window.show();
    combo->showPopup();
    const QWidget* popup = combo->view()->window();
    ASSERT_TRUE(popup->isVisible());
    const QRect holder(window.mapToGlobal(QPoint(0, 0)), window.size());
    EXPECT_LE(popup->width(), holder.width());
    EXPECT_GE(popup->x(), holder.left());
    EXPECT_LE(popup->geometry().right(), holder.right());
    EXPECT_EQ(combo->view()->textElideMode(), Qt::ElideRight);
    combo->hidePopup();
}
