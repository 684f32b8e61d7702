#pragma once
// The daily report's month files: the working month with the month before, its save, and the
// posting of the shown day into the voucher month. A plain-named file that exists but cannot
// be read is moved aside before anything can be written in its place; one that cannot be
// moved is never written over.
#include "storage/damaged_file.h"
#include "storage/months.h"
#include "storage/state.h"
#include "storage/status.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lukana {

class DailyMonthFiles {
  public:
    // The month before into `before` (empty when it cannot be read), then the working month
    // into nippouMonth and koteihi. Returns the damaged files met, the month before first.
    std::vector<DamagedFile> load(const std::string& departmentName, int year, int month,
                                  NippouMonth& before);
    // Writes nippouMonth and koteihi under the plain name, unless that is a damaged file
    // still in place.
    Status save(const std::string& departmentName, int year, int month) const;

  private:
    DamagedFileGuard damaged_;
};

struct PostingOutcome {
    int posted = 0;
    std::optional<DamagedFile> damaged; // the voucher file that could not be read
    bool skipped = false;               // it could not be moved: nothing posted or written
    Status written;
};

// Loads the department's voucher month into denpyouMonth, posts `day` into its day when that
// has no vouchers yet (with the suppliers and salesTiming in memory) and writes the month
// under the plain name, also when nothing was posted.
PostingOutcome postIntoVoucherMonth(const std::string& departmentName, int year, int month, int day,
                                    const NippouDay& record);

} // namespace lukana
