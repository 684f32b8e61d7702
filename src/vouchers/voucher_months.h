#pragma once
// The months the voucher book holds: the shown month in denpyouMonth and the month before in a
// table of its own (the totals period may start there).
#include "storage/state.h"
#include "storage/status.h"

#include <memory>
#include <string>
#include <vector>

namespace lukana {

// A plain-named month file that exists but could not be read.
struct DamagedMonthFile {
    std::string path;
    std::string movedTo; // empty when it could not be moved and stays in place
};

class VoucherMonths {
  public:
    VoucherMonths();

    // Loads the month before and the shown month of a department (plain name, older name,
    // else empty). A damaged plain-named file is moved aside first; one that cannot be moved
    // stays and is never saved over. Returns the damaged files met.
    std::vector<DamagedMonthFile> load(const std::string& busyoName, int year, int month);

    // Writes denpyouMonth under the plain name of the month.
    Status save(const std::string& busyoName, int year, int month) const;

    const DenpyouMonth& previous() const { return *previous_; }
    int previousYear() const { return previousYear_; }
    int previousMonth() const { return previousMonth_; }
    int previousDays() const { return previousDays_; }

  private:
    std::unique_ptr<DenpyouMonth> previous_;
    int previousYear_ = 0, previousMonth_ = 0, previousDays_ = 0;
    std::vector<std::string> keptDamaged_;
};

// The month before year/month (January's is December of the year before).
void monthBefore(int year, int month, int& previousYear, int& previousMonth);

} // namespace lukana
