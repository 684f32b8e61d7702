#include "openers.h"

#include "cash_book_window.h"
#include "monthly_summary_window.h"
#include "period_list_window.h"

namespace lukana {

namespace {
template <typename W> void openModal() {
    W window;
    platform::runModal(window);
}
} // namespace

void openPeriodList() {
    openModal<PeriodListWindow>();
}

void openMonthlySummary() {
    openModal<MonthlySummaryWindow>();
}

void openCashBook() {
    openModal<CashBookWindow>();
}

} // namespace lukana
