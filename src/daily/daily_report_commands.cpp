// The buttons that open other windows: the credit-customer register, the voucher book and
// the guest slips with the take-over of their totals.
#include "amount_panel.h"
#include "core/slip_totals.h"
#include "daily_report_window.h"
#include "day_list_grid.h"
#include "openers.h"

#include "platform/message_box.h"
#include "platform/pointer.h"
#include "registers/openers.h"
#include "storage/display_format.h"

namespace lukana {

using namespace platform;

void DailyReportWindow::onCustomerRegisterClicked() {
    hideEditors();
    openCreditCustomerRegister();
    // Lines already in the grid keep their names and customers.
    fillCustomerList();
}

void DailyReportWindow::onVoucherBookClicked() {
    hideEditors();
    const auto& open = dailyReportLinks().voucherBook;
    if (!open)
        return;
    setMousePointer(Pointer::Busy);
    open(); // unsaved edits stay in memory; activation puts the date back
}

void DailyReportWindow::onSlipsClicked() {
    hideEditors();
    const auto& open = dailyReportLinks().guestSlips;
    if (!open)
        return;
    open(departmentName_);
    if (detailChanged != 1)
        return;
    if (msgBox(QStringLiteral("詳細情報の客数と売り上げを日報に反映させますか"), Buttons::YesNo,
               Icon::Question, std::nullopt, QStringLiteral("反映確認")) == Answer::Yes)
        takeOverSlipTotals();
}

void DailyReportWindow::takeOverSlipTotals() {
    const SlipTotals t = slipTotals(shownRecord());
    sheet_.write(12, plainDecimal(t.groups));
    sheet_.write(13, plainDecimal(finiteOrZero(t.persons)));
    sheet_.write(5, plainDecimal(finiteOrZero(t.cash)));
    sheet_.write(6, plainDecimal(finiteOrZero(t.card)));
    sheet_.write(37, plainDecimal(finiteOrZero(t.credit)));
}

} // namespace lukana
