#include "balance_carry.h"

#include "storage/balances.h"
#include "storage/display_format.h"
#include "storage/state.h"

#include <utility>

namespace lukana::summaries {
std::string BalanceCarry::show(const std::string& busyoName, const ShownMonth& shown,
                               const PartyKey& party) {
    busyoName_ = busyoName;
    shown_ = shown;
    party_ = party;
    showing_ = true;
    shownZanPath_ = zanPath(busyoName, shown.year, shown.month);
    prevZanPath_ = zanPath(busyoName, shown.prevYear(), shown.prevMonth());
    const ZanLoad load = loadZanMonth(busyoName, shown.prevYear(), shown.prevMonth());
    noteLoad(prevZanPath_, load.movedAsideTo.has_value(), load.movedAsideTo.value_or(""),
             load.damagedKept);
    prevKept_ = load.damagedKept;
    const std::optional<double> balance = findZanBalance(party.kind, party.id);
    return balance ? Format(*balance, "######") : std::string("0");
}

void BalanceCarry::leave(double previousBalance, double closingBalance) {
    if (!showing_)
        return;
    // The table still holds the month before as it was read when the display began.
    store(prevZanPath_, prevKept_, previousBalance);
    const ZanLoad load = loadZanMonth(busyoName_, shown_.year, shown_.month);
    noteLoad(shownZanPath_, load.movedAsideTo.has_value(), load.movedAsideTo.value_or(""),
             load.damagedKept);
    store(shownZanPath_, load.damagedKept, closingBalance);
}

void BalanceCarry::noteLoad(const std::string& path, bool movedAside, const std::string& movedTo,
                            bool kept) {
    if (movedAside)
        notices_.push_back({BalanceNotice::Kind::MovedAside, path, movedTo});
    else if (kept)
        notices_.push_back({BalanceNotice::Kind::KeptDamaged, path, {}});
}

void BalanceCarry::store(const std::string& path, bool keptDamaged, double balance) {
    auto failed = [&](std::string why) {
        notices_.push_back(
            {BalanceNotice::Kind::WriteFailed, path.empty() ? busyoName_ : path, std::move(why)});
    };
    if (path.empty())
        return failed("部署名をフォルダー名にできません");
    if (keptDamaged)
        return failed("読めなかったファイルのため、上書きしません");
    if (!setZanBalance(party_.kind, party_.id, balance))
        return failed("件数が上限を超えています");
    if (Status written = writeBalances(path); !written)
        failed(written.message());
}

std::vector<BalanceNotice> BalanceCarry::takeNotices() {
    return std::exchange(notices_, {});
}

} // namespace lukana::summaries
