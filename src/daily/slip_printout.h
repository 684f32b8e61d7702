#pragma once
// The day's guest slips on paper: a ruled table of at most 43 slips a page, a page head on
// every page and a totals row after the last slip.
#include "platform/drawing.h"
#include "storage/state.h"

#include <string>

namespace lukana {

struct SlipPrintoutHead {
    std::string departmentName;
    int year = 0, month = 0, day = 0;
};

// Draws the whole document onto writer, ending it; stops at the first failure. A slip whose
// arrival or departure cannot be read is printed without its stay, which the stay total
// leaves out; that is no failure of the printout.
void drawSlipPrintout(platform::PageWriter& writer, const NippouDay& day,
                      const SlipPrintoutHead& head);

// Asks for the printer and prints; Cancel, or no printer at all, end silently. A printer
// chosen that cannot take the document is told, as a failure while printing is.
void printSlips(const NippouDay& day, const SlipPrintoutHead& head);

} // namespace lukana
