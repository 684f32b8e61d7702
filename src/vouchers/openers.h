#pragma once
// What other windows call to open the voucher book, and the links of its menus to the windows
// that live above it (the shell fills them; the voucher book does not link the shell).
#include <functional>

namespace lukana {

// "伝票処理" / "伝票入力": the voucher book, modally; returns when it has closed.
void openVoucherBook();

// Each link opens its window modally and returns when it has closed. An empty one leaves its
// menu item disabled.
struct VoucherMenuLinks {
    std::function<void()> closingDays;    // 締め日(&C)
    std::function<void()> taxSettings;    // 税率(&T)
    std::function<void()> fiscalYearEnd;  // 決算日(&Y)
    std::function<void()> monthlySummary; // 集計(&C)
    std::function<void()> periodList;     // 期間集計(&B)
    std::function<void()> cashBook;       // 出納帳(&B)
};

VoucherMenuLinks& voucherMenuLinks();

} // namespace lukana
