#include "openers.h"

#include "platform/window.h"
#include "voucher_book_window.h"

namespace lukana {

void openVoucherBook() {
    VoucherBookWindow window;
    platform::runModal(window);
}

VoucherMenuLinks& voucherMenuLinks() {
    static VoucherMenuLinks links;
    return links;
}

} // namespace lukana
