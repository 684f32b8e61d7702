#pragma once
// What the voucher book's menu calls to open the summary windows. Each opens a fresh window
// modally and returns when it has closed; the caller has asked its save question and shown
// the busy pointer, which the window puts back when it is shown.
namespace lukana {

void openPeriodList();     // "期間集計表"
void openMonthlySummary(); // "月間支出集計"
void openCashBook();       // "出納帳"

} // namespace lukana
