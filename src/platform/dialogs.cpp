#include "dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
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
// Qt's file list writes its modification times in the system's locale; they follow the program's
// Japanese one instead.
class LocalDates : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override {
        constexpr int kModifiedColumn = 3;
        auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
        if (files && role == Qt::DisplayRole && index.column() == kModifiedColumn)
            return QLocale().toString(files->lastModified(mapToSource(index)),
                                      QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }
};

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
    QFileDialog dialog(QApplication::activeWindow(), request.title, start, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askOverwrite);
    dialog.setProxyModel(new LocalDates(&dialog)); // a native dialog ignores it
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString path = dialog.selectedFiles().value(0);
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
