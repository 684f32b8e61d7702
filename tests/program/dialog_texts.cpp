// The program's start-up under the locale its environment names, with the login window answered
// by a script that prints, one a line, texts the standard dialogs show, then cancels: tests start
// it as a process and read what the print, page-setup and file dialogs would say or list.
#include "platform/ui_script.h"
#include "shell/login_window.h"
#include "shell/program.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QMimeDatabase>
#include <QPageSize>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>

#include <cstdio>

namespace {

// A folder's type and the size of a file of 85 bytes as a file dialog lists them.
QStringList listedFolderTypeAndFileSize() {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    QFile file(dir.path() + QStringLiteral("/a.csv"));
    if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray(85, 'a')) != 85)
        return {};
    file.close();
    QFileDialog dialog(nullptr, QString(), dir.path());
    dialog.setViewMode(QFileDialog::Detail);
    dialog.show();
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!view)
        return {};
    const QAbstractItemModel* model = view->model();
    QDeadlineTimer deadline(10000);
    while (model->rowCount(view->rootIndex()) < 2 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QString folderType, fileSize;
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QModelIndex name = model->index(row, 0, view->rootIndex());
        if (name.data().toString() == QLatin1String("sub"))
            folderType = name.siblingAtColumn(2).data().toString();
        if (name.data().toString() == QLatin1String("a.csv"))
            fileSize = name.siblingAtColumn(1).data().toString();
    }
    dialog.close();
    return {folderType, fileSize};
}

} // namespace

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
        for (const QString& text : listedFolderTypeAndFileSize())
            std::puts(text.toUtf8().constData());
        std::fflush(stdout);
        login.cancelButton()->click();
    });
    return runProgram(argc, argv);
}
