#include "headline.h"

#include "filter_texts.h"

#include <algorithm>

namespace lukana {
namespace {

// A number preceded by one blank, as the headers write the period and the counts.
std::string blankNumber(int n) {
    std::string text(1, n < 0 ? '-' : ' ');
    text += std::to_string(n < 0 ? -static_cast<long long>(n) : n);
    return text;
}

bool isMenu(AnalysisKind kind) {
    return kind == AnalysisKind::Menu;
}

} // namespace

std::string reportTitle(AnalysisKind kind) {
    return isMenu(kind) ? "売れ筋メニューレポート" : "集客状況レポート";
}

std::string keyTitle(std::string_view keyLabel) {
    return "【" + std::string(keyLabel) + "】";
}

std::string periodLine(AnalysisKind kind, const AnalysisPeriod& p) {
    return std::string(isMenu(kind) ? "【売れ筋メニュー" : "【集客状況") + blankNumber(p.fromYear) +
           "年" + blankNumber(p.fromMonth) + "月" + blankNumber(p.fromDay) + "日～" +
           blankNumber(p.toYear) + "年" + blankNumber(p.toMonth) + "月" + blankNumber(p.toDay) +
           "日 ";
}

std::string detailConditionText(const Filters& filters) {
    if (filters.customerType != kDetailed)
        return {};
    std::string text;
    for (int kind = 0; kind < 4; ++kind)
        text += "  " + personKindWords()[kind] + ":" + blankNumber(filters.detailCounts[kind]) +
                "人" + entryText(detailModeWords(), filters.detailModes[kind]);
    return text;
}

std::string conditionLine(AnalysisKind kind, const Filters& filters, std::string_view categoryText,
                          bool withDetail, std::string_view mark) {
    std::string line = " 曜日:" + entryText(weekdayEntries(), filters.weekday);
    if (isMenu(kind))
        line += "  時間帯:" + entryText(arrivalSlotEntries(), filters.arrivalSlot);
    line += "  客層:" + entryText(customerTypeEntries(), filters.customerType);
    if (withDetail)
        line += detailConditionText(filters);
    if (isMenu(kind))
        line += "  分類:" + std::string(categoryText);
    line += mark;
    if (isMenu(kind))
        line += "】";
    return line;
}

std::vector<std::string> splitByCharacters(std::string_view text, int perLine) {
    std::vector<std::string> lines;
    std::string line;
    int chars = 0;
    for (std::size_t i = 0; i < text.size();) {
        // One UTF-8 character: a lead byte and its continuation bytes.
        std::size_t end = i + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        if (chars == perLine) {
            lines.push_back(std::move(line));
            line.clear();
            chars = 0;
        }
        line.append(text.substr(i, end - i));
        ++chars;
        i = end;
    }
    if (!line.empty() || lines.empty())
        lines.push_back(std::move(line));
    return lines;
}

ChartLabelLines chartLabelLines(std::string_view label, int lineBase) {
    const int pieces = static_cast<int>(splitByCharacters(label, 16).size());
    if (pieces <= 1)
        return {9, {std::string(label)}};
    return {std::max(1, 9 - pieces), splitByCharacters(label, 3 * (pieces - 2) + lineBase)};
}

} // namespace lukana
