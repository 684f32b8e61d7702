#include "cash_listing.h"

#include "summary_list.h"
#include "summary_texts.h"

#include <algorithm>

namespace lukana {

void CashListing::list(const std::string& departmentName, const std::vector<MonthSpan>& spans,
                       const PartyKey& party, const AccountFilter& filter, CashSwitches switches,
                       double openingBalance, DenpyouMonth& month) {
    rows_.clear();
    openingBalance_ = openingBalance;
    in_ = out_ = allIn_ = allOut_ = 0;
    for (const MonthSpan& span : spans) {
        if (span.firstDay > span.lastDay ||
            !loadListedMonth(departmentName, span.year, span.month, month))
            continue;
        for (int d = std::max(span.firstDay, 1); d <= std::min(span.lastDay, 31); ++d)
            addDay(month[d], span.month, d, party, filter, switches);
    }
}

void CashListing::addDay(const DenpyouDay& day, int month, int dayNumber, const PartyKey& party,
                         const AccountFilter& filter, CashSwitches switches) {
    const int count = std::clamp(day.denpyouCount, 0, kDenpyouCapacity);
    for (int j = 0; j < count; ++j) {
        if (switches.excludes(day.accountId[j]))
            continue;
        const bool out = party.matches(day.fromKind[j], day.fromId[j]);
        const bool in = party.matches(day.toKind[j], day.toId[j]);
        if (!out && !in)
            continue;
        if (out)
            allOut_ += day.amount[j];
        if (in)
            allIn_ += day.amount[j];
        if (!filter.passes(day, j))
            continue;
        if (out)
            addRow(day, j, month, dayNumber, false);
        if (in)
            addRow(day, j, month, dayNumber, true);
    }
}

void CashListing::addRow(const DenpyouDay& day, int j, int month, int dayNumber, bool moneyIn) {
    CashRow row;
    row.amount = day.amount[j];
    (moneyIn ? in_ : out_) += row.amount;
    row.runningIn = in_;
    row.runningOut = out_;
    row.balance = openingBalance_ + in_ - out_;
    row.otherKind = moneyIn ? day.fromKind[j] : day.toKind[j];
    row.otherId = moneyIn ? day.fromId[j] : day.toId[j];
    row.accountId = day.accountId[j];
    row.subAccountId = day.subAccountId[j];
    row.note = day.note[j];
    row.month = static_cast<std::int8_t>(month);
    row.day = static_cast<std::int8_t>(dayNumber);
    row.moneyIn = moneyIn;
    rows_.push_back(std::move(row));
}

std::string cashCellText(const CashRow& row, int column, const PartyNames& parties,
                         const AccountNames& accounts) {
    switch (column) {
    case 0:
        return monthDayText(row.month, row.day);
    case 1:
        return row.moneyIn ? yen(row.amount) : std::string();
    case 2:
        return row.moneyIn ? yen(row.runningIn) : std::string();
    case 3:
        return row.moneyIn ? std::string() : yen(row.amount);
    case 4:
        return row.moneyIn ? std::string() : yen(row.runningOut);
    case 5:
        return yen(row.balance);
    case 6:
        return parties.nameOf(row.otherKind, row.otherId);
    case 7:
        return accounts.accountTitle(row.accountId);
    case 8:
        return accounts.subAccount(row.subAccountId);
    case 9:
        return row.note;
    default:
        return {};
    }
}

} // namespace lukana
