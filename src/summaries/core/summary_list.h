#pragma once
// The rows of the period list and the monthly summary: one compact value per listed voucher,
// with its running sums and the list's totals. Texts are made only when a row is drawn or
// printed (summary_texts.h).
#include "filters.h"
#include "periods.h"
#include "storage/state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lukana {

struct SummaryRow {
    double amount = 0;    // including tax
    double tax = 0;       // as stored with the voucher
    double sumAmount = 0; // running sums after this row
    double sumExTax = 0;
    std::int32_t fromId = 0, toId = 0;
    std::int16_t year = 0, fromKind = 0, toKind = 0;
    std::int8_t month = 0, day = 0;

    double exTax() const { return amount - tax; }
    double sumTax() const { return sumAmount - sumExTax; }
};

// colTotals 1, 3 and 5: the tax total sums the stored taxes, so exTax + tax = amount.
struct SummaryTotals {
    double exTax = 0, tax = 0, amount = 0;
};

class SummaryList {
  public:
    // Empties the list, its totals and the running sums.
    void clear();
    // Running sums start again (the period list does so at every month).
    void restartRunningSums() { sumAmount_ = sumExTax_ = 0; }

    // Appends voucher j of a day when the filter lists it.
    void addVoucherRow(const VoucherFilter& filter, const DenpyouDay& day, int j, int year,
                       int month, int dayNumber) {
        if (filter.voucherMatches(day, j))
            append(day, j, year, month, dayNumber);
    }
    // Every voucher of the span's days, in file order.
    void addMonth(const VoucherFilter& filter, const DenpyouMonth& month, const MonthSpan& span);

    const std::vector<SummaryRow>& rows() const { return rows_; }
    const SummaryTotals& totals() const { return totals_; }

  private:
    void append(const DenpyouDay& day, int j, int year, int month, int dayNumber);

    std::vector<SummaryRow> rows_;
    SummaryTotals totals_;
    double sumAmount_ = 0, sumExTax_ = 0;
};

// Loads a month of the department into month (its own storage, not the voucher book's), the
// plain name first, then the older one. False, without reading, when neither file is there:
// the month lists nothing.
bool loadListedMonth(const std::string& departmentName, int year, int month, DenpyouMonth& target);

// Loads each month of the spans from the department's files into month (its own storage,
// not the voucher book's) and lists it; restartEachMonth starts the running sums again at
// every month. The list is emptied first.
void listSpans(const std::string& departmentName, const std::vector<MonthSpan>& spans,
               const VoucherFilter& filter, bool restartEachMonth, SummaryList& list,
               DenpyouMonth& month);

} // namespace lukana
