#include "summary_texts.h"

#include "storage/display_format.h"

namespace lukana {
std::string monthDayText(int month, int day) {
    return Str(month) + "/" + Str(day);
}

std::string summaryDateText(const SummaryRow& row, DateForm form) {
    std::string monthDay = monthDayText(row.month, row.day);
    if (form == DateForm::MonthDay)
        return monthDay;
    return Str(row.year) + "/" + monthDay;
}

std::string yen(double value) {
    return Format(value, "\\\\###,###");
}

std::string summaryCellText(const SummaryRow& row, int column, DateForm form,
                            const PartyNames& names) {
    switch (column) {
    case 0:
        return summaryDateText(row, form);
    case 1:
        return yen(row.exTax());
    case 2:
        return yen(row.sumExTax);
    case 3:
        return yen(row.tax);
    case 4:
        return yen(row.sumTax());
    case 5:
        return yen(row.amount);
    case 6:
        return yen(row.sumAmount);
    case 7:
        return names.nameOf(row.fromKind, row.fromId);
    case 8:
        return names.nameOf(row.toKind, row.toId);
    default:
        return {};
    }
}

std::string printedDate(const SummaryRow& row, DateForm form) {
    std::string text = summaryDateText(row, form);
    if (form == DateForm::YearMonthDay)
        return text.size() > 3 ? text.substr(3) : std::string();
    return text;
}

} // namespace lukana
