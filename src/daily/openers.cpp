#include "openers.h"

namespace lukana {

DailyReportLinks& dailyReportLinks() {
    static DailyReportLinks links;
    return links;
}

} // namespace lukana
