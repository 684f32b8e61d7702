#include "guest_slips.h"

#include "storage/display_format.h"

#include <cmath>

namespace lukana {

namespace {
constexpr const char* kKindTexts[kKindCount] = {"", "現金", "カード", "掛売"};
constexpr int kMinutesPerDay = 1440;

// The stored value as a 16-bit whole number, halves to even; nothing outside 16 bits.
std::optional<long long> whole16(double value) {
    const double r = std::nearbyint(value);
    if (!(r >= -32768 && r <= 32767))
        return std::nullopt;
    return static_cast<long long>(r);
}

void clearSlip(NippouDay& day, int slip) {
    day.slipValues[slip] = {};
    day.lineCount[slip] = 0;
    day.lineMenu[slip] = {};
    day.lineQty[slip] = {};
}

int lineOf(const NippouDay& day, int slip, int menuId) {
    for (int c = 0; c < day.lineCount[slip]; ++c)
        if (day.lineMenu[slip][c] == menuId)
            return c;
    return -1;
}

// In double precision: twelve-digit amounts keep every digit.
std::string spendText(double paid, double people) {
    return Format(paid / people, "\\@###,###.##");
}
} // namespace

std::string kindCellText(int kind) {
    return kind >= 1 && kind < kKindCount ? kKindTexts[kind] : "";
}

int kindOfCellText(const std::string& text) {
    for (int k = 1; k < kKindCount; ++k)
        if (text == kKindTexts[k])
            return k;
    return 0;
}

double adults(const SlipValues& v) {
    return v[kSlipMen] + v[kSlipWomen];
}
double children(const SlipValues& v) {
    return v[kSlipBoys] + v[kSlipGirls];
}
double persons(const SlipValues& v) {
    return adults(v) + children(v);
}

std::optional<long long> stayMinutes(const SlipValues& v) {
    auto ah = whole16(v[kSlipArrivalHour]), am = whole16(v[kSlipArrivalMinute]);
    auto dh = whole16(v[kSlipDepartureHour]), dm = whole16(v[kSlipDepartureMinute]);
    if (!ah || !am || !dh || !dm)
        return std::nullopt;
    long long stay = (*dh * 60 + *dm) - (*ah * 60 + *am);
    if (stay < 0)
        stay = (stay % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
    return stay;
}

std::string stayText(long long minutes) {
    return Str(double(minutes / 60)) + ":" + Str(double(minutes % 60));
}

std::optional<std::string> slipCell(const NippouDay& day, int slip, int column) {
    const SlipValues& v = day.slipValues[slip];
    switch (column) {
    case 0:
        return plainDecimal(slip + 1);
    case 1:
    case 2:
    case 3:
    case 4:
        return plainDecimal(v[column - 1]);
    case 5:
        return plainDecimal(adults(v));
    case 6:
        return plainDecimal(children(v));
    case 7:
        return plainDecimal(persons(v));
    case 8:
    case 9:
    case 10:
    case 11:
        return plainDecimal(v[column - 4]);
    case 12:
        if (auto stay = stayMinutes(v))
            return stayText(*stay);
        return std::nullopt;
    case 13:
        return std::string();
    case 14:
        return plainDecimal(v[kSlipPaid]);
    case 15:
        if (persons(v) > 0)
            return spendText(v[kSlipPaid], persons(v));
        return std::nullopt;
    case 16:
        return kindCellText(static_cast<int>(v[kSlipKind]));
    }
    return std::nullopt;
}

SlipColumnTotals slipColumnTotals(const NippouDay& day) {
    SlipColumnTotals t;
    for (int s = 0; s < day.slipCount && s < kSlipCapacity; ++s) {
        const SlipValues& v = day.slipValues[s];
        for (int n = 0; n < 4; ++n)
            t.people[n] += v[n];
        t.adults += adults(v);
        t.children += children(v);
        t.persons += persons(v);
        if (auto stay = stayMinutes(v))
            t.stayMinutes += *stay;
        t.paid += v[kSlipPaid];
    }
    return t;
}

std::optional<std::string> totalsCell(const SlipColumnTotals& t, int column) {
    switch (column) {
    case 0:
        return std::string("合計");
    case 1:
    case 2:
    case 3:
    case 4:
        return plainDecimal(t.people[column - 1]);
    case 5:
        return plainDecimal(t.adults);
    case 6:
        return plainDecimal(t.children);
    case 7:
        return plainDecimal(t.persons);
    case 12:
        return stayText(t.stayMinutes);
    case 14:
        return plainDecimal(t.paid);
    case 15:
        if (t.persons > 0)
            return spendText(t.paid, t.persons);
        return std::nullopt;
    }
    return std::string();
}

bool hasEntrySlip(const NippouDay& day) {
    return day.slipCount >= 0 && day.slipCount < kMaxSlips;
}

bool countEntrySlip(NippouDay& day) {
    if (!hasEntrySlip(day))
        return false;
    clearSlip(day, day.slipCount);
    ++day.slipCount;
    return true;
}

bool deleteSlip(NippouDay& day, int slip) {
    if (slip < 0 || slip >= day.slipCount || day.slipCount > kSlipCapacity)
        return false;
    for (int i = slip; i < day.slipCount - 1; ++i) {
        day.slipValues[i] = day.slipValues[i + 1];
        day.lineCount[i] = day.lineCount[i + 1];
        day.lineMenu[i] = day.lineMenu[i + 1];
        day.lineQty[i] = day.lineQty[i + 1];
    }
    --day.slipCount;
    clearSlip(day, day.slipCount);
    return true;
}

QuantityEdit setQuantity(NippouDay& day, int slip, int menuId, double value) {
    const double q = std::nearbyint(value);
    if (q > kMaxQuantity)
        return QuantityEdit::TooLarge;
    int& count = day.lineCount[slip];
    const int c = lineOf(day, slip, menuId);
    if (!(q >= 1)) {
        if (c < 0)
            return QuantityEdit::Unchanged;
        for (int i = c; i < count - 1; ++i) {
            day.lineMenu[slip][i] = day.lineMenu[slip][i + 1];
            day.lineQty[slip][i] = day.lineQty[slip][i + 1];
        }
        --count;
        day.lineMenu[slip][count] = 0;
        day.lineQty[slip][count] = 0;
        return QuantityEdit::Removed;
    }
    if (c >= 0) {
        day.lineQty[slip][c] = static_cast<int>(q);
        return QuantityEdit::Stored;
    }
    if (count >= kSlipLineCapacity)
        return QuantityEdit::TooManyLines;
    day.lineMenu[slip][count] = menuId;
    day.lineQty[slip][count] = static_cast<int>(q);
    ++count;
    return QuantityEdit::Stored;
}

std::optional<int> quantityOf(const NippouDay& day, int slip, int menuId) {
    const int c = lineOf(day, slip, menuId);
    if (c < 0)
        return std::nullopt;
    return day.lineQty[slip][c];
}

OrderSummary orderSummary(const NippouDay& day, int slip, std::span<const MenuItem> menus) {
    OrderSummary out;
    for (const MenuItem& item : menus) {
        if (auto q = quantityOf(day, slip, item.id)) {
            out.total += *q * item.price;
            out.pieces += *q;
        }
    }
    return out;
}

std::vector<int> menusShown(std::span<const MenuItem> menus, std::span<const MenuBunrui> categories,
                            int filter) {
    std::vector<int> shown;
    for (size_t i = 0; i < menus.size(); ++i) {
        if (filter == 0 ||
            (filter - 1 < int(categories.size()) && menus[i].bunruiId == categories[filter - 1].id))
            shown.push_back(int(i));
    }
    return shown;
}

} // namespace lukana
