#pragma once
#include <string>

namespace lukana {

// The caption of the totals frame, naming the period that ends on the shown day
// (" 3月 21日～ 4月 2日までの合計").
std::string periodCaption(int closingDay, int month, int day, int previousMonth);

} // namespace lukana
