#include "filter_texts.h"

namespace lukana {

const std::vector<std::string>& weekdayEntries() {
    static const std::vector<std::string> entries{"全て",   "日曜日", "月曜日", "火曜日",
                                                  "水曜日", "木曜日", "金曜日", "土曜日"};
    return entries;
}

const std::vector<std::string>& arrivalSlotEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> list{"全て"};
        for (int i = 0; i <= 12; ++i) {
            std::string slot(" ");
            slot += std::to_string(2 * i) + "時～ " + std::to_string(2 * i + 2) + "時";
            list.push_back(std::move(slot));
        }
        return list;
    }();
    return entries;
}

const std::vector<std::string>& customerTypeEntries() {
    static const std::vector<std::string> entries{
        "全て",     "男性を含む",       "女性を含む",   "男児を含む",   "女児を含む",
        "カップル", "男女混合グループ", "男性グループ", "女性グループ", "詳細設定"};
    return entries;
}

const std::vector<std::string>& detailModeWords() {
    static const std::vector<std::string> words{"ピタ", "以上", "未満"};
    return words;
}

const std::vector<std::string>& personKindWords() {
    static const std::vector<std::string> words{"男性", "女性", "男児", "女児"};
    return words;
}

std::string entryText(const std::vector<std::string>& entries, int index) {
    return index >= 0 && index < static_cast<int>(entries.size()) ? entries[index] : std::string();
}

} // namespace lukana
