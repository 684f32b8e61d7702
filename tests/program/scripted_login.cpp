// The program as it runs, with the login window answered by a script (password "pw"): tests
// start it as a process and end it from outside. It prints "ready" once the main window waits
// for the user, and every surprise of the script on the error output.
#include "platform/ui_script.h"
#include "shell/login_window.h"
#include "shell/program.h"

#include <QPushButton>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace lukana;
    platform::UiScript script([](const QString& what) {
        std::fprintf(stderr, "script: %s\n", what.toLocal8Bit().constData());
    });
    script.window<LoginWindow>([](LoginWindow& login) {
        // Runs once the program's own event loop runs, with the main window shown.
        QTimer::singleShot(0, [] {
            std::puts("ready");
            std::fflush(stdout);
        });
        login.passwordBox()->setText(QStringLiteral("pw"));
        login.okButton()->click();
    });
    return runProgram(argc, argv);
}
