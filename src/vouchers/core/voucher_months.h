#pragma once
// The months the voucher book holds: the shown month in denpyouMonth and the month before in a
// table of its own (the totals period may start there).
#include "storage/damaged_file.h"
#include "storage/state.h"
#include "storage/status.h"

#include <memory>
#include <string>
#include <vector>

namespace lukana {

class VoucherMonths {
  public:
    VoucherMonths();

    // Loads the month before and the shown month of a department (plain name, older name,
    // else empty). A damaged plain-named file is moved aside first; one that cannot be moved
    // stays and is never saved over. Returns the damaged files met.
    std::vector<DamagedFile> load(const std::string& departmentName, int year, int month);

    // Writes denpyouMonth under the plain name of the month.
    Status save(const std::string& departmentName, int year, int month) const;

    const DenpyouMonth& previous() const { return *previous_; }
    int previousYear() const { return previousYear_; }
    int previousMonth() const { return previousMonth_; }
    int previousDays() const { return previousDays_; }

  private:
    std::unique_ptr<DenpyouMonth> previous_;
    int previousYear_ = 0, previousMonth_ = 0, previousDays_ = 0;
    DamagedFileGuard damaged_;
};

} // namespace lukana
