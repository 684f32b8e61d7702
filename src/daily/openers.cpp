#include "openers.h"

namespace lukana {

DailyReportOpeners& dailyReportOpeners() {
    static DailyReportOpeners openers;
    return openers;
}

} // namespace lukana
