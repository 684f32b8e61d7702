#include "day_lines.h"

#include "storage/bank_slots.h"

#include <algorithm>

namespace lukana {

namespace {

int* parties(NippouDay& day, DayList list) {
    switch (list) {
    case DayList::Payments:
        return day.kaidasiSiireId.data();
    case DayList::Deposits:
        return day.nyukinKouza.data();
    case DayList::Withdrawals:
        return day.hikidasiKouza.data();
    case DayList::CreditSales:
        break;
    }
    return day.urikakeKyaku.data();
}

double* amounts(NippouDay& day, DayList list) {
    switch (list) {
    case DayList::Payments:
        return day.kaidasiGaku.data();
    case DayList::Deposits:
        return day.nyukinGaku.data();
    case DayList::Withdrawals:
        return day.hikidasiGaku.data();
    case DayList::CreditSales:
        break;
    }
    return day.urikakeGaku.data();
}

int& count(NippouDay& day, DayList list) {
    switch (list) {
    case DayList::Payments:
        return day.kaidasiCount;
    case DayList::Deposits:
        return day.nyukinCount;
    case DayList::Withdrawals:
        return day.hikidasiCount;
    case DayList::CreditSales:
        break;
    }
    return day.urikakeCount;
}

bool inRecord(int line) {
    return line >= 0 && line < kNippouLineCapacity;
}

} // namespace

int listTotalBox(DayList list) {
    switch (list) {
    case DayList::Payments:
        return 0;
    case DayList::Deposits:
        return 32;
    case DayList::Withdrawals:
        return 34;
    case DayList::CreditSales:
        break;
    }
    return 37;
}

int lineCount(const NippouDay& day, DayList list) {
    return count(const_cast<NippouDay&>(day), list);
}

double lineAmount(const NippouDay& day, DayList list, int line) {
    return inRecord(line) ? amounts(const_cast<NippouDay&>(day), list)[line] : 0;
}

int lineParty(const NippouDay& day, DayList list, int line) {
    return inRecord(line) ? parties(const_cast<NippouDay&>(day), list)[line] : 0;
}

void setLineParty(NippouDay& day, DayList list, int line, int party) {
    if (inRecord(line))
        parties(day, list)[line] = party;
}

void storeLineAmounts(NippouDay& day, DayList list, const std::vector<double>& values) {
    const int n = std::min<int>(static_cast<int>(values.size()), kNippouLineCapacity);
    double* target = amounts(day, list);
    for (int k = 0; k < n; ++k)
        target[k] = values[k];
    count(day, list) = n;
}

void moveLinesUp(NippouDay& day, DayList list, int line, int lastLine) {
    int* p = parties(day, list);
    const int last = std::min(lastLine, kNippouLineCapacity - 1);
    for (int j = std::max(line + 1, 1); j <= last; ++j) {
        p[j - 1] = p[j];
        if (list == DayList::Payments)
            day.kaidasiHikazei[j - 1] = day.kaidasiHikazei[j];
    }
}

void clearLinesFrom(NippouDay& day, DayList list, int firstLine) {
    int* p = parties(day, list);
    for (int k = std::max(firstLine, 0); k < kNippouLineCapacity; ++k) {
        p[k] = 0;
        if (list == DayList::Payments)
            day.kaidasiHikazei[k] = 0;
    }
}

std::string bankAccountText(const BusyoRec& department, int slot) {
    return slot <= 4 ? bankSlotText(department, slot, true)
                     : ""; // the fourth further slot is never shown
}

} // namespace lukana
