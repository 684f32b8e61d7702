// The save question, the copy of the screen into the day's record, the write of the month and
// the posting of the shown day into vouchers.
#include "amount_panel.h"
#include "daily_report_window.h"
#include "day_list_grid.h"

#include "platform/controls.h"
#include "platform/damaged_file.h"
#include "platform/message_box.h"
#include "platform/text.h"

namespace lukana {

using namespace platform;

SaveAnswer DailyReportWindow::askToSave() {
    return platform::askToSave(reportChanged, [this] {
        storeShownDay();
        return saveMonth();
    });
}

void DailyReportWindow::storeShownDay() {
    if (department_ < 0 || curDay < 1 || curDay > 31)
        return;
    NippouDay& day = shownRecord();
    for (DayListGrid* list : {payments(), deposits(), withdrawals(), creditSales()})
        storeLineAmounts(day, list->list(), list->amounts());
    for (int i : kAmountBoxes)
        day.kingaku[i] = finiteOrZero(sheet_.value(i));
    koteihi = finiteOrZero(sheet_.fixedCosts());
    if (weatherChoice_->listIndex() >= 0)
        day.sentaku[1] = weatherChoice_->listIndex();
    const int staff = staffChoice_->listIndex();
    if (staff >= 0 && staff < kanriCount)
        day.sentaku[2] = kanriIds[staff];
}

bool DailyReportWindow::saveMonth() {
    const Status saved = monthFiles_.save(departmentName_, curYear, curMonth);
    if (!saved) {
        msgBox(QStringLiteral("%1 を保存できませんでした。\r%2")
                   .arg(platform::fileNameText(nippouPath(departmentName_, curYear, curMonth)),
                        QString::fromStdString(saved.message())),
               Buttons::Ok, Icon::Critical);
        return false;
    }
    postShownDay();
    return true;
}

void DailyReportWindow::postShownDay() {
    const PostingOutcome out =
        postIntoVoucherMonth(departmentName_, curYear, curMonth, curDay, shownRecord());
    if (out.damaged)
        tellDamagedFile(
            *out.damaged, false,
            QStringLiteral("この日は伝票に記帳していません（伝票処理の「日報会計の吸収」で"
                           "後から取り込めます）。"));
    if (!out.skipped && !out.written)
        msgBox(QStringLiteral("%1 を保存できませんでした。この日は伝票に記帳されていません。\r%2")
                   .arg(platform::fileNameText(denpyouPath(departmentName_, curYear, curMonth)),
                        QString::fromStdString(out.written.message())),
               Buttons::Ok, Icon::Critical);
}

} // namespace lukana
