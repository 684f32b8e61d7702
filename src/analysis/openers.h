#pragma once
// What the main window calls to open the analyses. Each opens its window modally and returns
// when it has closed.
namespace lukana {

void openCustomerAnalysis(); // "集客状況"
void openMenuAnalysis();     // "売れ筋メニュー"

} // namespace lukana
