// The program as a process, ended from outside by a signal.
#include "shell_fixture.h"

#include <QProcess>

#include <chrono>
#include <csignal>
#include <thread>

using namespace lukana;

namespace {

class ProgramSignalTest : public ShellTest {
  protected:
    // Starts a program on the test's drive with its settings kept below the drive.
    void start(QProcess& p, const char* program) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(drive.str() + "/config"));
        p.setProcessEnvironment(env);
        p.start(program, {"--drive", QString::fromStdString(drive.str())});
        ASSERT_TRUE(p.waitForStarted());
    }
    static void endWith(QProcess& p, int signal) {
        ::kill(static_cast<pid_t>(p.processId()), signal);
        ASSERT_TRUE(p.waitForFinished(10000)) << "still running after signal " << signal;
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(p.exitCode(), 0) << signal;
    }
};

} // namespace

TEST_F(ProgramSignalTest, EndedAtTheMainWindowItWritesTheCountersAndRemovesTheLock) {
    {
        TestScript script;
        auto main = firstStart(script); // a tree with a department and the password "pw"
        ASSERT_TRUE(main);
        exitProgram(script, *main, platform::Answer::No);
    }
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const auto before = fs::file_time_type::clock::now() - std::chrono::hours(1);
        fs::last_write_time(root("ttid.dat"), before);
        QProcess p;
        start(p, LUKANA_SCRIPTED_LOGIN);
        ASSERT_TRUE(p.waitForReadyRead(10000)) << p.readAllStandardError().toStdString();
        ASSERT_EQ(p.readAllStandardOutput().trimmed(), "ready");
        ASSERT_TRUE(fs::exists(root("login.dat")));
        endWith(p, signal);
        EXPECT_EQ(p.readAllStandardError().count("script:"), 0) << "a question was shown";
        EXPECT_FALSE(fs::exists(root("login.dat"))) << signal;
        EXPECT_GT(fs::last_write_time(root("ttid.dat")), before) << signal;
        EXPECT_TRUE(fs::is_empty(drive.path() / "ktlukanabu")) << signal;
    }
}

TEST_F(ProgramSignalTest, EndedAtTheLoginWindowItLeavesAnotherRunsLock) {
    fs::create_directories(root());
    writeBytes(root("login.dat"), " 1\r\n");
    QProcess p;
    start(p, LUKANA_PROGRAM);
    // The data tree is made just before the login window opens.
    for (int i = 0; i < 200 && !fs::exists(root("siire")); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    ASSERT_TRUE(fs::exists(root("siire")));
    endWith(p, SIGTERM);
    EXPECT_EQ(readBytes(root("login.dat")), " 1\r\n");
    EXPECT_FALSE(fs::exists(root("ttid.dat")));
}
