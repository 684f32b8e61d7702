#include "dialogs.h"

#include <QApplication>
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
    QString path = QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title,
                                                request.suggested, request.filter);
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
