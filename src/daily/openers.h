#pragma once
// The links of the daily report's buttons "伝票入力" and "詳細情報入力" to the voucher book and
// the guest-slip window. The shell fills them before the main window loads; a button whose
// link is empty stays disabled.
#include <functional>
#include <string>

namespace lukana {

struct DailyReportLinks {
    std::function<void()> voucherBook; // 伝票入力
    std::function<void(const std::string& departmentName)>
        guestSlips; // 詳細情報入力, on the day shown
};

DailyReportLinks& dailyReportLinks();

} // namespace lukana
