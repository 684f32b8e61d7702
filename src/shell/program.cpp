#include "program.h"

#include "main_window.h"
#include "platform/end_signals.h"
#include "platform/fonts.h"
#include "platform/translations.h"
#include "startup.h"
#include "storage/paths.h"
#include "window_openers.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// "--drive DIR" or "--drive=DIR"; empty when not given.
std::string driveArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string_view arg(argv[i]);
        if (arg == "--drive" && i + 1 < argc)
            return argv[i + 1];
        if (arg.starts_with("--drive="))
            return std::string(arg.substr(8));
    }
    return {};
}

} // namespace

namespace lukana {

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program ends when the main window's exit routine has run, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::installFonts();
    platform::installQtJapanese();
    driveRoot = chooseDriveRoot(driveArgument(argc, argv));
    programDir = QCoreApplication::applicationDirPath().toStdString();
    fillWindowLinks();
    platform::SystemEndWatcher endWatcher;
    QObject::connect(&endWatcher, &platform::SystemEndWatcher::systemEnding, [] {
        endProgramBySystem();
        // The windows beneath the one that was open must not go on with their work.
        std::fflush(nullptr);
        std::_Exit(0);
    });

    std::unique_ptr<MainWindow> mainWindow = Main();
    if (!mainWindow)
        return 0;
    QObject::connect(mainWindow.get(), &MainWindow::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return QApplication::exec();
}

} // namespace lukana
