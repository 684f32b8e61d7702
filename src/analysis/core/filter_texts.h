#pragma once
// The entries of the filter lists, as the lists show them and the headers repeat them.
#include <string>
#include <vector>

namespace lukana {

const std::vector<std::string>& weekdayEntries();     // "全て", "日曜日" .. "土曜日"
const std::vector<std::string>& arrivalSlotEntries(); // "全て", " 0時～ 2時" .. " 24時～ 26時"
const std::vector<std::string>& customerTypeEntries(); // "全て" .. "詳細設定"
const std::vector<std::string>& detailModeWords();     // "ピタ", "以上", "未満"
const std::vector<std::string>& personKindWords();     // "男性", "女性", "男児", "女児"

// The entry at `index`, or an empty text when there is none.
std::string entryText(const std::vector<std::string>& entries, int index);

} // namespace lukana
