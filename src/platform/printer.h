#pragma once
// Starting and finishing a printout. The printer choice comes first; its Cancel ends the
// printout before anything is drawn. runPrintout is the whole sequence every printout uses.
#include "drawing.h"

#include <QString>

#include <functional>
#include <memory>

namespace lukana::platform {

enum class Orientation { Portrait, Landscape };

struct Printout {
    // NoPrinter: the platform has no printer at all. Failed: the printer or file chosen
    // cannot take the document.
    enum class Status { Cancelled, NoPrinter, Failed, Ready };
    Status status = Status::Cancelled;
    std::unique_ptr<PageWriter> writer; // set when Ready
};

// Sets the orientation, shows the printer choice and opens the document on the chosen printer,
// or in a PDF file when the choice was to print to a file.
// The document name (see fileNameFrom) is also the file name the choice proposes.
Printout startPrintout(Orientation orientation, const QString& documentName);

// True when the printout can be drawn. A printer that cannot take it, or none at all, shows
// failureMessage (OK, no title of its own); a cancel ends it silently.
bool printoutStarted(const Printout& printout, const QString& failureMessage);

// Ends the document when the printout has not; when anything failed, shows failureMessage
// once (OK, no title of its own) and aborts the job. True when the document was printed.
bool finishPrintout(PageWriter& writer, const QString& failureMessage);

// What a printout says when it cannot be printed, unless it names its own message.
inline const QString kPrinterMissing = QStringLiteral("プリンターが接続されていません");

struct PrintoutOptions {
    QString failureMessage = kPrinterMissing;
    // No printer at all ends the printout as silently as a cancel.
    bool silentWithoutPrinter = false;
};

// The printer choice, then draw onto the document, then its end: Cancel ends silently, and a
// printer that cannot take the document, or any failure while drawing, shows the failure
// message once and abandons the job. True when the document was printed.
bool runPrintout(Orientation orientation, const QString& documentName,
                 const std::function<void(PageWriter&)>& draw, const PrintoutOptions& options = {});

// Test seam: when set, startPrintout asks the hook instead of the printer choice.
using PrintoutHook = std::function<Printout(Orientation, const QString& documentName)>;
void setPrintoutHook(PrintoutHook hook);

} // namespace lukana::platform
