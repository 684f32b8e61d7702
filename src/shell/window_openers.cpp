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

void fillWindowLinks() {
    MainWindowLinks& o = mainWindowLinks();
    o.dailyReport = platform::openModal<DailyReportWindow>;
    o.closingDays = platform::openModal<ClosingDaysDialog>;
    o.backup = platform::openModal<BackupDialog>;
    o.recovery = platform::openModal<RecoveryDialog>;
    o.departments = openDepartmentRegister;
    o.suppliers = openSupplierRegister;
    o.accountTitles = openAccountTitleRegister;
    o.subAccounts = openSubAccountRegister;
    o.menuItems = openMenuItemRegister;
    o.menuCategories = openMenuCategoryRegister;
    o.customerAnalysis = openCustomerAnalysis;
    o.salesList = platform::openModal<SalesListWindow>;
    o.bestSellerAnalysis = openBestSellerAnalysis;
    o.voucherBook = openVoucherBook;
    dailyReportLinks().voucherBook = openVoucherBook;
    VoucherMenuLinks& v = voucherMenuLinks();
    v.closingDays = platform::openModal<ClosingDaysDialog>;
    v.taxSettings = platform::openModal<TaxSettingsDialog>;
    v.fiscalYearEnd = platform::openModal<FiscalYearEndDialog>;
    v.monthlySummary = openMonthlySummary;
    v.periodList = openPeriodList;
    v.cashBook = openCashBook;
    dailyReportLinks().guestSlips = openGuestSlips;
}

} // namespace lukana
