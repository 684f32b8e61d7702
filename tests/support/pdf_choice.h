#pragma once
// Answers every printer choice with print-to-file into one path, while it lives.
#include "platform/dialogs.h"

#include <QPrinter>

#include <string>

struct PdfChoice {
    explicit PdfChoice(const std::string& path) {
        lukana::platform::setPrinterHook([path](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(path));
            return true;
        });
    }
    ~PdfChoice() { lukana::platform::setPrinterHook({}); }
    PdfChoice(const PdfChoice&) = delete;
    PdfChoice& operator=(const PdfChoice&) = delete;
};
