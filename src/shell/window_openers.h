#pragma once

namespace lukana {

// Fills the links of the main window, the daily report and the voucher book's menus.
void fillWindowLinks();

} // namespace lukana
