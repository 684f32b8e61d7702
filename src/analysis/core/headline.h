#pragma once
// The header texts of the outputs: what was analysed, over which period, with which filters
// and for which key.
#include "analysis_types.h"

#include <string>
#include <string_view>
#include <vector>

namespace lukana {

std::string reportTitle(AnalysisKind kind);
// "【" key label "】"
std::string keyTitle(std::string_view keyLabel);
std::string periodLine(AnalysisKind kind, const AnalysisPeriod& period);
// Empty unless the customer type is the detailed condition.
std::string detailConditionText(const Filters& filters);
// The category text is the menu analysis's; the detailed condition goes in where the output
// carries it. A mark (the pie's top ten) closes the conditions, before the menu's "】".
std::string conditionLine(AnalysisKind kind, const Filters& filters, std::string_view categoryText,
                          bool withDetail, std::string_view mark = {});

// Printed lines of at most `perLine` characters (not bytes).
std::vector<std::string> splitByCharacters(std::string_view text, int perLine = 45);

// A chart label: up to 16 characters stay one line at 9 points. A longer one needs a piece for
// each 16 characters begun; it takes 9 − pieces points (never below 1) and is cut into lines of
// 3 × (pieces − 2) + lineBase characters.
struct ChartLabelLines {
    int points = 9;
    std::vector<std::string> lines;
    bool wrapped() const { return lines.size() > 1; }
};
ChartLabelLines chartLabelLines(std::string_view label, int lineBase);

} // namespace lukana
