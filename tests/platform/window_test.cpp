#include "platform/message_box.h"
#include "platform/pointer.h"
#include "platform/window.h"
#include "support/ui_script.h"

#include <QApplication>
#include <QCloseEvent>

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
