// The system ending the program (a signal, the session ending): the exit routine's file steps
// run, nothing is asked, and what open windows hold unsaved stays unwritten.
#include "registers/account_title_register.h"
#include "shell_fixture.h"

#include <QKeyEvent>

using namespace lukana;

TEST_F(ShellTest, SystemEndWritesCountersRemovesTheLockAndAsksNothing) {
    TestScript script;
    auto main = firstStartWithLinks(script);
    ASSERT_TRUE(main);
    ASSERT_TRUE(fs::exists(root("login.dat")));
    const std::string titlesBefore = readBytes(root("tekiyou.dat"));
    bool ended = false;
    QObject::connect(main.get(), &MainWindow::programEnded, [&] { ended = true; });

    script.window<AccountTitleRegister>([&](AccountTitleRegister& w) {
        w.nameBox()->setText("広告費");
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w.nameBox(), &enter);
        ASSERT_TRUE(w.listChanged()); // an unsaved insert
        ttidSiire = 9;                // issued during the run, not yet written
        const size_t boxesBefore = script.boxes().size();
        endProgramBySystem();
        EXPECT_EQ(script.boxes().size(), boxesBefore); // no question, no backup offered
        EXPECT_FALSE(w.isLoaded());
    });
    main->button("accountTitlesButton")->click();

    EXPECT_TRUE(ended);
    EXPECT_FALSE(main->isLoaded());
    // The counters in memory, the id the unsaved insert took included: ids are never reused.
    EXPECT_EQ(readBytes(root("ttid.dat")),
              " 0\r\n 0\r\n 0\r\n 0\r\n 9\r\n 22\r\n 10\r\n 0\r\n 0\r\n 2\r\n");
    EXPECT_FALSE(fs::exists(root("login.dat")));
    EXPECT_EQ(readBytes(root("tekiyou.dat")), titlesBefore);
    EXPECT_TRUE(fs::is_empty(drive.path() / "ktlukanabu")); // the automatic backup skipped
}

TEST_F(ShellTest, SystemEndBeforeTheMainWindowRemovesOnlyThisStartsOwnLock) {
    struct Case {
        int loginLock; // 1: this start took the lock; 0: another run's lock, forced
        bool lockRemains;
    };
    for (const Case& c : {Case{1, false}, Case{0, true}}) {
        fs::create_directories(root());
        writeBytes(root("login.dat"), " 1\r\n");
        loginLock = c.loginLock;
        endProgramBySystem();
        EXPECT_EQ(fs::exists(root("login.dat")), c.lockRemains) << c.loginLock;
        EXPECT_FALSE(fs::exists(root("ttid.dat"))); // the counters were never read
    }
}
