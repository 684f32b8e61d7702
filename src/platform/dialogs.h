#pragma once
// The common dialogs: the file-save dialog and the printer choice.
#include <QString>

#include <functional>
#include <optional>

class QPrinter;

namespace lukana::platform {

struct SaveFileRequest {
    QString title;
    QString filter;           // e.g. "CSV (*.csv)"
    QString suggested;        // file name or path offered first
    QString folder;           // where the dialog opens; empty: where it was last
    bool askOverwrite = true; // false: the caller asks about an existing file itself
};

// The chosen path, or nothing when the user cancelled.
std::optional<QString> chooseSaveFile(const SaveFileRequest& request);

// Lets the user choose the printer and its settings; false when cancelled.
bool choosePrinter(QPrinter& printer);

// Test seams: when set, the dialogs are not shown and the hook answers.
using SaveFileHook = std::function<std::optional<QString>(const SaveFileRequest&)>;
using PrinterHook = std::function<bool(QPrinter&)>;
void setSaveFileHook(SaveFileHook hook);
void setPrinterHook(PrinterHook hook);

} // namespace lukana::platform
