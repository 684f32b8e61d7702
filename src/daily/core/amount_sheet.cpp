#include "amount_sheet.h"

#include "storage/display_format.h"
#include "storage/routines.h"

namespace lukana {

double AmountSheet::value(int box) const {
    return leadingNumber(texts_.at(box));
}

double AmountSheet::fixedCosts() const {
    return leadingNumber(fixedCosts_);
}

void AmountSheet::write(int box, std::string_view text) {
    std::string clean = KanmaNuki(text);
    std::string& current = texts_.at(box);
    if (clean == current)
        return;
    current = std::move(clean);
    notify(box);
    follow(box);
}

void AmountSheet::writeFixedCosts(std::string_view text) {
    std::string clean = KanmaNuki(text);
    if (clean == fixedCosts_)
        return;
    fixedCosts_ = std::move(clean);
    notify(kFixedCosts);
    if (shown_.monthDays > 0)
        virtualProfit();
}

void AmountSheet::compute(int box, double value) {
    write(box, plainDecimal(finiteOrZero(value)));
}

void AmountSheet::virtualProfit() {
    compute(21, value(7) - (fixedCosts() / shown_.monthDays + value(4)));
}

// Spend per guest or per group; 0 while there is no one to divide by.
void AmountSheet::perGuest(int box, int divisor) {
    const double d = value(divisor);
    compute(box, d > 0 ? value(7) / d : 0);
}

void AmountSheet::refreshCardSales() {
    if (!shown_.days || !shown_.daysBefore)
        return;
    cardSales_ = lukana::cardSales(shown_, value(6));
    notify(kCardSales);
}

void AmountSheet::follow(int box) {
    switch (box) {
    case 0:
    case 2:
    case 3:
        compute(4, value(0) + value(2) + value(3));
        break;
    case 4:
        copy(10, 4);
        if (shown_.monthDays >= 1)
            virtualProfit();
        break;
    case 5:
    case 6:
    case 37:
        compute(7, value(5) + value(6) + value(37));
        copy(9, 5);
        break;
    case 7:
        if (shown_.monthDays > 0)
            virtualProfit();
        perGuest(16, 12);
        perGuest(15, 13);
        if (shown_.days)
            compute(22, monthToDate(*shown_.days, 7, shown_.day, value(7)));
        refreshCardSales();
        if (shown_.monthDays >= 1)
            virtualProfit();
        break;
    case 8:
    case 9:
        compute(11, value(8) + value(9));
        break;
    case 10:
    case 11:
    case 27:
        compute(31, value(11) + value(27) - value(10));
        break;
    case 12:
        perGuest(16, 12);
        break;
    case 13:
        perGuest(15, 13);
        break;
    case 21:
        if (shown_.days) {
            runningProfit_ =
                Format(monthToDate(*shown_.days, 21, shown_.day, value(21)), "###,###");
            notify(kRunningProfit);
        }
        break;
    case 25:
    case 26:
    case 34:
    case 35:
    case 36:
    case 38:
        compute(27, value(25) + value(34) + value(35) + value(36) + value(38) - value(26));
        copy(8, 26);
        break;
    case 29:
    case 30:
    case 32:
        compute(33, value(29) + value(30) + value(32));
        break;
    case 31:
    case 33:
        compute(28, value(31) - value(33));
        break;
    default:
        break;
    }
}

} // namespace lukana
