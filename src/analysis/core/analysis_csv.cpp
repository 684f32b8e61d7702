#include "analysis_csv.h"

#include "headline.h"
#include "storage/routines.h"

namespace lukana {
namespace {

void addLine(std::string& text, const std::vector<std::string>& fields) {
    text += csvLine(fields);
    text += "\r\n";
}

std::string headerLines(const Analysis& a, const std::string& firstLine) {
    std::string text;
    addLine(text, {firstLine});
    addLine(text, {a.periodLine()});
    addLine(text, {a.conditionLine(true)});
    return text;
}

} // namespace

std::string rankingTableCsv(const Analysis& a) {
    std::string text = headerLines(a, a.reportTitle());
    addLine(text, {"順位", "メニュー名", "オーダー数"});
    for (const RankingRow& row : a.rows())
        addLine(text, {std::to_string(row.rank), row.label, std::to_string(row.value)});
    return text;
}

std::string lineSeriesCsv(const Analysis& a) {
    std::string text = headerLines(a, a.reportTitle() + keyTitle(a.keyLabel()));
    const Series& s = a.series();
    for (int i = 0; i < s.count(); ++i)
        addLine(text, {s.labels[i], std::to_string(s.values[i])});
    return text;
}

} // namespace lukana
