#pragma once
// How the daily report opens the windows of its buttons "伝票入力" and "詳細情報入力". The
// voucher book and the guest-slip window register themselves here before the main window
// loads; a button whose opener is empty stays disabled.
#include <functional>
#include <string>

namespace lukana {

struct DailyReportOpeners {
    std::function<void()> voucherBook;                            // 伝票入力
    std::function<void(const std::string& busyoName)> guestSlips; // 詳細情報入力, on the day shown
};

DailyReportOpeners& dailyReportOpeners();

} // namespace lukana
