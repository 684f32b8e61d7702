#include "month_files.h"

#include "posting.h"
#include "storage/masters.h"

#include <filesystem>
#include <system_error>

namespace lukana {

std::optional<DamagedFile> moveAsideUnreadable(const MonthLoadReport& report) {
    if (!report.plainUnreadable)
        return std::nullopt;
    const std::string& path = report.plainPath;
    DamagedFile damaged{path, moveAside(path), report.plainFailure};
    return damaged;
}

std::vector<DamagedFile> DailyMonthFiles::load(const std::string& busyoName, int year, int month,
                                               NippouMonth& before) {
    int beforeYear = year;
    int beforeMonth = month - 1;
    if (beforeMonth == 0) {
        beforeMonth = 12;
        --beforeYear;
    }
    std::vector<DamagedFile> damaged;
    // A damaged month before would carry 0 into day 1 without a word, and day 1 would store it.
    double beforeCosts = 0;
    if (auto d = moveAsideUnreadable(
            loadNippouMonthInto(busyoName, beforeYear, beforeMonth, before, beforeCosts)))
        damaged.push_back(std::move(*d));
    kept_.clear();
    if (auto d = moveAsideUnreadable(loadNippouMonth(busyoName, year, month))) {
        if (!d->movedTo)
            kept_ = d->path;
        damaged.push_back(std::move(*d));
    }
    return damaged;
}

Status DailyMonthFiles::save(const std::string& busyoName, int year, int month) const {
    const std::string path = nippouPath(busyoName, year, month);
    std::error_code ec;
    if (!kept_.empty() && path == kept_ &&
        std::filesystem::exists(std::filesystem::symlink_status(kept_, ec)))
        return Status::failure(kept_ + " は読めなかったファイルのため、上書きしません。"
                                       "別の場所に移してから保存してください。");
    return writeNippouMonth(path, nippouMonth, koteihi);
}

PostingOutcome postIntoVoucherMonth(const std::string& busyoName, int year, int month, int day,
                                    const NippouDay& record) {
    PostingOutcome outcome;
    outcome.damaged = moveAsideUnreadable(loadDenpyouMonth(busyoName, year, month));
    if (outcome.damaged && !outcome.damaged->movedTo) {
        outcome.skipped = true;
        return outcome;
    }
    if (day >= 1 && day <= 31)
        outcome.posted = postNippouDay(record, salesTiming, siireCount, siireIds, siirePayKind,
                                       denpyouMonth[day]);
    outcome.written = writeDenpyouMonth(denpyouPath(busyoName, year, month), denpyouMonth);
    return outcome;
}

} // namespace lukana
