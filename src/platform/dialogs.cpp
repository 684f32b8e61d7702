#include "dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace lukana::platform {
namespace {
SaveFileHook& saveHook() {
    static SaveFileHook h;
    return h;
}
PrinterHook& printerHook() {
    static PrinterHook h;
    return h;
}
} // namespace

void setSaveFileHook(SaveFileHook hook) {
    saveHook() = std::move(hook);
}
void setPrinterHook(PrinterHook hook) {
    printerHook() = std::move(hook);
}

std::optional<QString> chooseSaveFile(const SaveFileRequest& request) {
    if (saveHook())
        return saveHook()(request);
    QString start = request.suggested;
    if (!request.folder.isEmpty())
        start = QDir(request.folder).filePath(request.suggested);
    const QFileDialog::Options options =
        request.askOverwrite ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite;
    QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, start,
                                                request.filter, nullptr, options);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool choosePrinter(QPrinter& printer) {
    if (printerHook())
        return printerHook()(printer);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

} // namespace lukana::platform
