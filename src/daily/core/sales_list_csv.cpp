#include "sales_list_csv.h"

#include "storage/display_format.h"
#include "storage/routines.h"

#include <vector>

namespace lukana {

namespace {

void addLine(std::string& text, std::string_view first, std::string_view second,
             const SalesListRow& cells) {
    std::vector<std::string> fields;
    fields.reserve(2 + cells.size());
    fields.emplace_back(first);
    fields.emplace_back(second);
    fields.insert(fields.end(), cells.begin(), cells.end());
    text += csvLine(fields);
    text += "\r\n";
}

} // namespace

std::string salesListTitle(int year, int month, const std::string& departmentName) {
    return Str(year) + "年" + Str(month) + "月　" + departmentName;
}

std::string salesListCsv(const SalesList& list, int year, int month,
                         const std::string& departmentName) {
    std::string text = csvLine({salesListTitle(year, month, departmentName)}) + "\r\n";
    std::vector<std::string> headings = {"", ""};
    for (int j = 0; j < kSalesListAmountColumns; ++j)
        headings.emplace_back(kSalesListHeadings[j]);
    text += csvLine(headings) + "\r\n";
    for (size_t d = 1; d <= list.days.size(); ++d)
        addLine(text, Str(static_cast<double>(d)), weekdayName(year, month, static_cast<int>(d)),
                list.days[d - 1]);
    for (size_t r = 0; r < list.summary.size(); ++r)
        addLine(text, kSalesListSummaryLabels[r], "", list.summary[r]);
    return text;
}

} // namespace lukana
