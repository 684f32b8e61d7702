#include "main_window.h"
#include "platform/fonts.h"
#include "startup.h"
#include "storage/paths.h"
#include "window_openers.h"

#include <QApplication>

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

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program ends when the main window's exit routine has run, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    lukana::platform::installFonts();
    lukana::driveRoot = lukana::chooseDriveRoot(driveArgument(argc, argv));
    lukana::programDir = QCoreApplication::applicationDirPath().toStdString();
    lukana::registerWindowOpeners();

    std::unique_ptr<lukana::MainWindow> mainWindow = lukana::Main();
    if (!mainWindow)
        return 0;
    QObject::connect(mainWindow.get(), &lukana::MainWindow::programEnded, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    return QApplication::exec();
}
