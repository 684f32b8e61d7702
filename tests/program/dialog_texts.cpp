// The program's start-up under the locale its environment names, with the login window answered
// by a script that prints, one a line, texts the standard dialogs show, then cancels: tests start
// it as a process and read what the print, page-setup and file dialogs would say.
#include "platform/ui_script.h"
#include "shell/login_window.h"
#include "shell/program.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QMimeDatabase>
#include <QPageSize>
#include <QPushButton>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace lukana;
    platform::UiScript script([](const QString& what) {
        std::fprintf(stderr, "script: %s\n", what.toLocal8Bit().constData());
    });
    script.window<LoginWindow>([](LoginWindow& login) {
        const QString texts[] = {
            QCoreApplication::translate("QPrintDialog", "Print"),
            QPageSize::name(QPageSize::LetterExtra),
            QLocale().toString(QDateTime(QDate(2026, 12, 11), QTime(11, 58, 53)),
                               QLocale::ShortFormat),
            QMimeDatabase()
                .mimeTypeForFile(QStringLiteral("a.csv"), QMimeDatabase::MatchExtension)
                .comment(),
        };
        for (const QString& text : texts)
            std::puts(text.toUtf8().constData());
        std::fflush(stdout);
        login.cancelButton()->click();
    });
    return runProgram(argc, argv);
}
