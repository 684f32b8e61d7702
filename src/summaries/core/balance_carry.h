#pragma once
// Carries a party's balance from month to month through the balance files: a display (one
// party in one month) shows the balance stored for the month before, and leaving it stores
// the previous balance it started from into the month before and its closing balance into
// its own month.
#include "filters.h"
#include "periods.h"

#include "storage/damaged_file.h"

#include <optional>
#include <string>
#include <vector>

namespace lukana {

// Something about a balance file the user must be told.
struct BalanceNotice {
    enum class Kind {
        MovedAside,  // an unreadable file was moved to detail
        KeptDamaged, // an unreadable file could not be moved; it is not written over
        WriteFailed, // the file was left as it was; detail says why
    } kind;
    std::string file;
    std::string detail;
};

class BalanceCarry {
  public:
    // Starts a display: loads the balances of the month before shown and returns the
    // previous-balance box text for the party ("######": empty for 0, "0" without an entry).
    std::string show(const std::string& departmentName, const ShownMonth& shown,
                     const PartyKey& party);
    // Stores the display being left, if one is shown: previousBalance for its party into the
    // month before, closingBalance into its month. Other entries keep their values and order.
    void leave(double previousBalance, double closingBalance);
    bool showing() const { return showing_; }

    // The notices gathered since the last call.
    std::vector<BalanceNotice> takeNotices();

  private:
    void noteDamage(const std::optional<DamagedFile>& damaged);
    void store(const std::string& path, double balance);

    std::string departmentName_;
    ShownMonth shown_;
    PartyKey party_;
    bool showing_ = false;
    std::string previousBalancePath_, shownBalancePath_;
    DamagedFileGuard damaged_;
    std::vector<BalanceNotice> notices_;
};

} // namespace lukana
