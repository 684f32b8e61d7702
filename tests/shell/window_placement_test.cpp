// Windows opened through the real links: centred on the window that opened them, whole on
// the screen, and the dialogs fixed in size without a maximise button.
#include "shell/tax_settings.h"
#include "shell_fixture.h"
#include "vouchers/openers.h"
#include "vouchers/voucher_book_window.h"

#include <QScreen>

using namespace lukana;

namespace {

// Centred on the opener where the window fits there, else as near as the screen allows.
void expectPlacedOver(const QWidget& w, const QWidget& opener) {
    const QRect screen = opener.screen()->availableGeometry();
    const QRect frame = w.frameGeometry();
    const char* name = w.metaObject()->className();
    EXPECT_TRUE(screen.contains(frame) || frame.topLeft() == screen.topLeft()) << name;
    QRect centred = frame;
    centred.moveCenter(opener.frameGeometry().center());
    if (screen.contains(centred)) {
        EXPECT_LE((frame.center() - centred.center()).manhattanLength(), 2) << name;
    }
}

void expectFixedDialog(const QWidget& w) {
    const char* name = w.metaObject()->className();
    EXPECT_EQ(w.minimumSize(), w.maximumSize()) << name;
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint) << name;
}

} // namespace

TEST_F(ShellTest, WindowsOpenCentredOnTheirOpener) {
    TestScript script;
    auto main = firstStartWithLinks(script);
    ASSERT_TRUE(main);
    main->move(120, 90);

    struct Case {
        const char* button;
        bool fixedDialog;
    };
    for (const Case& c : {Case{"closingDaysButton", true}, Case{"backupButton", true},
                          Case{"accountTitlesButton", false}, Case{"salesListButton", false}}) {
        script.window([&](platform::Window& w) {
            expectPlacedOver(w, *main);
            if (c.fixedDialog)
                expectFixedDialog(w);
            w.unloadWindow();
        });
        main->button(c.button)->click();
    }

    // The voucher book's menus open their dialogs over the voucher book.
    script.window<VoucherBookWindow>([&](VoucherBookWindow& book) {
        expectPlacedOver(book, *main);
        book.move(40, 30);
        for (const std::function<void()>& open :
             {voucherMenuLinks().taxSettings, voucherMenuLinks().fiscalYearEnd}) {
            script.window([&](platform::Window& w) {
                expectPlacedOver(w, book);
                expectFixedDialog(w);
                w.unloadWindow();
            });
            open();
        }
        book.unloadWindow();
    });
    main->button("voucherBookButton")->click();
    exitProgram(script, *main, platform::Answer::No);
}

TEST_F(ShellTest, EscapePressesCancelInTheDialogsThatHaveOne) {
    TestScript script;
    auto main = firstStartWithLinks(script);
    ASSERT_TRUE(main);
    for (const char* button : {"backupButton", "closingDaysButton"}) {
        script.window([&](platform::Window& w) {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&w, &escape);
            // The closing-day dialog has OK only: Escape leaves it open.
            EXPECT_EQ(w.isOpen(), std::string_view(button) == "closingDaysButton") << button;
            w.unloadWindow();
        });
        main->button(button)->click();
    }
    exitProgram(script, *main, platform::Answer::No);
}
