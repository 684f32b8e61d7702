#include "month_files.h"

#include "posting.h"
#include "storage/routines.h"

namespace lukana {

std::vector<DamagedFile> DailyMonthFiles::load(const std::string& departmentName, int year,
                                               int month, NippouMonth& before) {
    const YearMonth monthAgo = monthBefore(year, month);
    // A damaged month before would carry 0 into day 1 without a word, and day 1 would store it.
    double beforeCosts = 0;
    std::vector<DamagedFile> damaged = moveAsideUnreadable(
        {loadNippouMonthInto(departmentName, monthAgo.year, monthAgo.month, before, beforeCosts),
         loadNippouMonth(departmentName, year, month)});
    damaged_.reset(damaged);
    return damaged;
}

Status DailyMonthFiles::save(const std::string& departmentName, int year, int month) const {
    const std::string path = nippouPath(departmentName, year, month);
    if (Status refused = damaged_.check(path); !refused)
        return refused;
    return writeNippouMonth(path, nippouMonth, koteihi);
}

PostingOutcome postIntoVoucherMonth(const std::string& departmentName, int year, int month, int day,
                                    const NippouDay& record) {
    PostingOutcome outcome;
    outcome.damaged = moveAsideUnreadable(loadDenpyouMonth(departmentName, year, month));
    if (outcome.damaged && !outcome.damaged->movedTo) {
        outcome.skipped = true;
        return outcome;
    }
    if (day >= 1 && day <= 31)
        outcome.posted = postDailyReportDay(record, salesTiming, siireCount, siireIds, siirePayKind,
                                            denpyouMonth[day]);
    outcome.written = writeDenpyouMonth(denpyouPath(departmentName, year, month), denpyouMonth);
    return outcome;
}

} // namespace lukana
