#include "window_openers.h"

#include "analysis/openers.h"
#include "backup.h"
#include "closing_days.h"
#include "daily/daily_report_window.h"
#include "daily/guest_slip_window.h"
#include "daily/openers.h"
#include "daily/sales_list_window.h"
#include "openers.h"
#include "platform/window.h"
#include "registers/openers.h"
#include "summaries/openers.h"
#include "tax_settings.h"
#include "vouchers/openers.h"

namespace lukana {

namespace {
template <class W> void openModal() {
    W window;
    platform::runModal(window);
}
} // namespace

void fillWindowLinks() {
    MainWindowLinks& o = mainWindowLinks();
    o.nippou = openModal<DailyReportWindow>;
    o.sime = openModal<ClosingDaysDialog>;
    o.backup = openModal<BackupDialog>;
    o.recovery = openModal<RecoveryDialog>;
    o.tenpo = openDepartmentRegister;
    o.siire = openSiireRegister;
    o.tekiyou = openTekiyouRegister;
    o.ty = openTyRegister;
    o.menu = openMenuItemRegister;
    o.menuBunrui = openMenuBunruiRegister;
    o.kyaku = openCustomerAnalysis;
    o.uriage = openModal<SalesListWindow>;
    o.uresuji = openMenuAnalysis;
    o.denpyou = openVoucherBook;
    dailyReportLinks().voucherBook = openVoucherBook;
    VoucherMenuLinks& v = voucherMenuLinks();
    v.closingDays = openModal<ClosingDaysDialog>;
    v.taxSettings = openModal<TaxSettingsDialog>;
    v.fiscalYearEnd = openModal<FiscalYearEndDialog>;
    v.monthlySummary = openMonthlySummary;
    v.periodList = openPeriodList;
    v.cashBook = openCashBook;
    dailyReportLinks().guestSlips = openGuestSlips;
}

} // namespace lukana
