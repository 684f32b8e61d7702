#pragma once
// What other windows call to open the voucher book, and the table of the windows its menus
// open that live above it (the shell fills the table; the voucher book does not link the shell).
#include <functional>

namespace lukana {

// "伝票処理" / "伝票入力": the voucher book, modally; returns when it has closed.
void openVoucherBook();

// Each opens its window modally and returns when it has closed. An empty one leaves its menu
// item disabled.
struct VoucherMenuOpeners {
    std::function<void()> closingDays;    // 締め日(&C)
    std::function<void()> taxSettings;    // 税率(&T)
    std::function<void()> fiscalYearEnd;  // 決算日(&Y)
    std::function<void()> monthlySummary; // 集計(&C)
    std::function<void()> periodList;     // 期間集計(&B)
    std::function<void()> cashBook;       // 出納帳(&B)
};

VoucherMenuOpeners& voucherMenuOpeners();

} // namespace lukana
