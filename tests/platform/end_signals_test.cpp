#include "platform/end_signals.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <csignal>
#include <gtest/gtest.h>

using namespace lukana::platform;

namespace {

int countEndings(SystemEndWatcher& watcher, const std::function<void()>& act) {
    int endings = 0;
    auto c = QObject::connect(&watcher, &SystemEndWatcher::systemEnding, [&] { ++endings; });
    act();
    QElapsedTimer waited;
    waited.start();
    while (endings == 0 && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
    QObject::disconnect(c);
    return endings;
}

} // namespace

TEST(SystemEndWatcher, EachEndingSignalArrivesOnceThroughTheEventLoop) {
    SystemEndWatcher watcher;
    for (int s : {SIGTERM, SIGHUP, SIGINT})
        EXPECT_EQ(countEndings(watcher, [s] { std::raise(s); }), 1) << s;
    // Two signals before the loop runs again: the run ends once, not twice over.
    EXPECT_EQ(countEndings(watcher,
                           [] {
                               std::raise(SIGTERM);
                               std::raise(SIGTERM);
                           }),
              1);
}

TEST(SystemEndWatcher, GivesTheSignalsBackWhenGone) {
    { SystemEndWatcher watcher; }
    for (int s : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction now = {};
        ::sigaction(s, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << s;
    }
}
