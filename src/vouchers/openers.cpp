#include "openers.h"

#include "platform/window.h"
#include "voucher_book_window.h"

namespace lukana {

void openVoucherBook() {
    VoucherBookWindow window;
    platform::runModal(window);
}

VoucherMenuOpeners& voucherMenuOpeners() {
    static VoucherMenuOpeners openers;
    return openers;
}

} // namespace lukana
