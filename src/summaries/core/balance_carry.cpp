#include "balance_carry.h"

#include "storage/balances.h"
#include "storage/display_format.h"
#include "storage/state.h"

#include <utility>

namespace lukana {
std::string BalanceCarry::show(const std::string& departmentName, const ShownMonth& shown,
                               const PartyKey& party) {
    departmentName_ = departmentName;
    shown_ = shown;
    party_ = party;
    showing_ = true;
    shownBalancePath_ = zanPath(departmentName, shown.year, shown.month);
    previousBalancePath_ = zanPath(departmentName, shown.prevYear(), shown.prevMonth());
    damaged_.clear();
    noteDamage(loadZanMonth(departmentName, shown.prevYear(), shown.prevMonth()).damaged);
    const std::optional<double> balance = findZanBalance(party.kind, party.id);
    return balance ? Format(*balance, "######") : std::string("0");
}

void BalanceCarry::leave(double previousBalance, double closingBalance) {
    if (!showing_)
        return;
    // The table still holds the month before as it was read when the display began.
    store(previousBalancePath_, previousBalance);
    noteDamage(loadZanMonth(departmentName_, shown_.year, shown_.month).damaged);
    store(shownBalancePath_, closingBalance);
}

void BalanceCarry::noteDamage(const std::optional<DamagedFile>& damaged) {
    if (!damaged)
        return;
    damaged_.note(*damaged);
    if (damaged->movedTo)
        notices_.push_back({BalanceNotice::Kind::MovedAside, damaged->path, *damaged->movedTo});
    else
        notices_.push_back({BalanceNotice::Kind::KeptDamaged, damaged->path, {}});
}

void BalanceCarry::store(const std::string& path, double balance) {
    auto failed = [&](std::string why) {
        notices_.push_back({BalanceNotice::Kind::WriteFailed, path.empty() ? departmentName_ : path,
                            std::move(why)});
    };
    if (path.empty())
        return failed("部署名をフォルダー名にできません");
    if (damaged_.keeps(path))
        return failed("読めなかったファイルのため、上書きしません");
    if (!setZanBalance(party_.kind, party_.id, balance))
        return failed("件数が上限を超えています");
    if (Status written = writeBalances(path); !written)
        failed(written.message());
}

std::vector<BalanceNotice> BalanceCarry::takeNotices() {
    return std::exchange(notices_, {});
}

} // namespace lukana
