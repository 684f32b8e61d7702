#include "openers.h"

#include "cash_book_window.h"
#include "monthly_summary_window.h"
#include "period_list_window.h"
#include "platform/window.h"

namespace lukana {

void openPeriodList() {
    platform::openModal<PeriodListWindow>();
}

void openMonthlySummary() {
    platform::openModal<MonthlySummaryWindow>();
}

void openCashBook() {
    platform::openModal<CashBookWindow>();
}

} // namespace lukana
