#pragma once
// Starting and finishing a printout. The printer choice comes first; its Cancel ends the
// printout before anything is drawn.
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
Printout startPrintout(Orientation orientation, const QString& documentName);

// True when the printout can be drawn. A printer that cannot take it, or none at all, shows
// failureMessage (OK, no title of its own); a cancel ends it silently.
bool printoutStarted(const Printout& printout, const QString& failureMessage);

// Ends the document when the printout has not; when anything failed, shows failureMessage
// once (OK, no title of its own) and aborts the job. True when the document was printed.
bool finishPrintout(PageWriter& writer, const QString& failureMessage);

// Test seam: when set, startPrintout asks the hook instead of the printer choice.
using PrintoutHook = std::function<Printout(Orientation, const QString& documentName)>;
void setPrintoutHook(PrintoutHook hook);

} // namespace lukana::platform
