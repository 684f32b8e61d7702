#include "platform/message_box.h"
#include "platform/pointer.h"
#include "platform/window.h"
#include "support/ui_script.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace lukana::platform;

namespace {

// Logs its events; the test sets what its activation and close request do.
class Probe : public Window {
  public:
    explicit Probe(QString name, QStringList& log) : name_(std::move(name)), log_(log) {}
    std::function<void()> onLoad, onActivate;
    bool refuseClose = false;

  protected:
    void formLoad() override {
        log_ << name_ + ":load";
        if (onLoad)
            onLoad();
    }
    void formActivate() override {
        log_ << name_ + ":activate";
        if (onActivate)
            onActivate();
    }
    bool queryUnload() override {
        log_ << name_ + ":query";
        return !refuseClose;
    }
    void formUnload() override { log_ << name_ + ":unload"; }

  private:
    QString name_;
    QStringList& log_;
};

// A dialog sized by its content with a Cancel button.
class SmallDialog : public Window {
  public:
    SmallDialog() : cancel(new QPushButton(QStringLiteral("キャンセル"), this)) {
        makeFixedDialog();
        setEscapeButton(cancel);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(cancel);
        connect(cancel, &QPushButton::clicked, this, [this] { unloadWindow(); });
    }
    QPushButton* cancel;
};

void pressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

} // namespace

TEST(Window, ActivatesOnFirstShowingAndOnReturnFromItsWindowOnly) {
    QStringList log;
    Probe main("main", log), child("child", log);
    TestScript script;
    showModeless(main);
    script.answer(Answer::Ok).answer(Answer::Ok).window([&](Window& w) {
        EXPECT_EQ(&w, &child);
        msgBox("question inside the child"); // no activation of anyone after a box
        w.closeWindow();
    });
    msgBox("question in main");
    runModal(child);
    EXPECT_EQ(log, (QStringList{"main:load", "main:activate", "child:load", "child:activate",
                                "child:query", "child:unload", "main:activate"}));
    EXPECT_FALSE(child.isOpen());
    EXPECT_FALSE(child.isLoaded());
    main.unloadWindow();
}

// A window being shown is not the active one yet: a box it raises (a damaged file found on
// its first show) still belongs to it, not to the window beneath.
TEST(Window, AMessageBelongsToTheWindowItIsRaisedIn) {
    QStringList log;
    Probe main("main", log), child("child", log);
    TestScript script;
    showModeless(main);
    QApplication::processEvents();
    child.onLoad = [] { msgBox("while loading"); };
    child.onActivate = [] { msgBox("on the first show"); };
    script.answer(Answer::Ok).answer(Answer::Ok).answer(Answer::Ok).window([&](Window& w) {
        msgBox("inside");
        w.closeWindow();
    });
    runModal(child);
    const struct {
        const char* text;
        const QWidget* parent;
    } expected[] = {{"while loading", &main}, {"on the first show", &child}, {"inside", &child}};
    ASSERT_EQ(script.boxes().size(), std::size(expected));
    for (size_t k = 0; k < std::size(expected); ++k) {
        EXPECT_EQ(script.boxes()[k].text, expected[k].text);
        EXPECT_EQ(script.boxes()[k].parent, expected[k].parent) << expected[k].text;
    }
    main.unloadWindow();
}

TEST(Window, NestedWindowsReturnToTheirOwnOpener) {
    QStringList log;
    Probe main("main", log), a("a", log), b("b", log);
    TestScript script;
    showModeless(main);
    script
        .window([&](Window&) {
            runModal(b);
            a.hideWindow();
        })
        .window([&](Window& w) {
            w.hideWindow(); // hidden, still loaded
        });
    runModal(a);
    EXPECT_TRUE(b.isLoaded());
    EXPECT_FALSE(b.isOpen());
    EXPECT_EQ(log, (QStringList{"main:load", "main:activate", "a:load", "a:activate", "b:load",
                                "b:activate", "a:activate", "main:activate"}));
    // A hidden window opens again without loading twice.
    log.clear();
    script.window([](Window& w) { w.closeWindow(); });
    runModal(b);
    EXPECT_EQ(log, (QStringList{"b:activate", "b:query", "b:unload", "main:activate"}));
    main.unloadWindow();
    a.unloadWindow();
}

TEST(Window, RefusedCloseKeepsTheWindowOpen) {
    QStringList log;
    Probe w("w", log);
    w.refuseClose = true;
    TestScript script;
    script.window([&](Window&) {
        EXPECT_FALSE(w.closeWindow());
        EXPECT_TRUE(w.isOpen());
        QCloseEvent event; // the close box
        QApplication::sendEvent(&w, &event);
        EXPECT_FALSE(event.isAccepted());
        EXPECT_TRUE(w.isOpen());
        w.refuseClose = false;
        QApplication::sendEvent(&w, &event);
        EXPECT_TRUE(event.isAccepted());
        EXPECT_FALSE(w.isOpen());
    });
    runModal(w);
}

TEST(Window, WindowThatUnloadsWhileLoadingIsNeverShown) {
    QStringList log;
    Probe w("w", log);
    w.onLoad = [&] { w.unloadWindow(); };
    TestScript script; // no window expected
    runModal(w);
    EXPECT_EQ(log, (QStringList{"w:load", "w:unload"}));
    EXPECT_EQ(script.windowsShown(), 0);
}

TEST(Window, LeftOpenByTheScriptFailsAndIsClosed) {
    QStringList log, failures;
    Probe w("w", log);
    {
        UiScript script([&](const QString& f) { failures << f; });
        script.window([](Window&) {});
        runModal(w);
    }
    EXPECT_EQ(failures.size(), 1);
    EXPECT_FALSE(w.isOpen());
}

TEST(Window, LoadedWindowsInLoadOrder) {
    QStringList log;
    Probe main("main", log), child("child", log);
    showModeless(main);
    TestScript script;
    script.window([&](Window& w) {
        EXPECT_EQ(loadedWindows(), (std::vector<Window*>{&main, &child}));
        w.hideWindow();
    });
    runModal(child);
    main.unloadWindow();
    EXPECT_EQ(loadedWindows(), std::vector<Window*>{&child});
    child.unloadWindow();
    EXPECT_TRUE(loadedWindows().empty());
}

TEST(MousePointer, OneStateNotAStack) {
    setMousePointer(Pointer::Normal); // normal without busy first
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    setMousePointer(Pointer::Busy);
    setMousePointer(Pointer::Busy);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    setMousePointer(Pointer::Normal);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(mousePointer(), Pointer::Normal);
    setMousePointer(Pointer::Normal);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(Window, OpensCentredOnItsOpenerAndWholeOnTheScreen) {
    QStringList log;
    Probe main("main", log), child("child", log), grandchild("grandchild", log);
    child.resize(300, 200);
    grandchild.resize(120, 80);
    showModeless(main);
    const QRect screen = main.screen()->availableGeometry();
    // Centres within the frame's width: before a window is first shown its frame is unknown.
    const auto near = [](QPoint a, QPoint b) { return (a - b).manhattanLength() <= 4; };
    EXPECT_TRUE(near(main.frameGeometry().center(), screen.center())); // the first: the screen
    TestScript script;
    main.resize(400, 300);
    // In the middle of the screen it centres; over a corner it stays whole on the screen.
    for (QPoint at :
         {QPoint(200, 250), QPoint(-200, -200), screen.bottomRight() - QPoint(100, 100)}) {
        main.move(at);
        script.window([&](Window& w) {
            const QRect frame = w.frameGeometry();
            EXPECT_TRUE(screen.contains(frame)) << at.x() << "," << at.y();
            if (at == QPoint(200, 250))
                EXPECT_TRUE(near(frame.center(), main.frameGeometry().center()));
            else
                EXPECT_TRUE(at.x() < 0 ? frame.topLeft() == screen.topLeft()
                                       : frame.bottomRight() == screen.bottomRight());
            EXPECT_EQ(w.size(), QSize(300, 200)); // placing never resizes
            w.closeWindow();
        });
        runModal(child);
    }
    // A window opened from a modal window centres on that one, not on the main window.
    main.move(0, 0);
    script.window([&](Window&) {
        child.move(300, 300);
        script.window([&](Window& w) {
            EXPECT_TRUE(near(w.frameGeometry().center(), child.frameGeometry().center()));
            w.closeWindow();
        });
        runModal(grandchild);
        child.closeWindow();
    });
    runModal(child);
    main.unloadWindow();
}

TEST(Window, FixedDialogKeepsItsSizeHasNoMaximiseAndEscapeCancels) {
    QStringList log;
    Probe main("main", log);
    showModeless(main);
    SmallDialog dialog;
    TestScript script;
    script.window([&](Window& w) {
        EXPECT_EQ(w.minimumSize(), w.maximumSize());
        EXPECT_EQ(w.size(), w.sizeHint());
        EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
        dialog.cancel->setEnabled(false);
        pressKey(&w, Qt::Key_Escape); // a disabled Cancel cannot be pressed by a key either
        EXPECT_TRUE(w.isOpen());
        dialog.cancel->setEnabled(true);
        pressKey(&w, Qt::Key_Return);
        EXPECT_TRUE(w.isOpen());
        pressKey(&w, Qt::Key_Escape);
        EXPECT_FALSE(w.isOpen());
    });
    runModal(dialog);
    // Escape in a window without a Cancel button does nothing.
    pressKey(&main, Qt::Key_Escape);
    EXPECT_TRUE(main.isOpen());
    main.unloadWindow();
}
