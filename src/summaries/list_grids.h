#pragma once
// The list grid and the totals grid of the summary windows and the cash book. The list
// grid reads its rows on demand from the window's listing; the totals grid holds one row.
#include "core/cash_listing.h"
#include "core/party_names.h"
#include "core/summary_texts.h"
#include "platform/grid.h"

#include <QStringList>

#include <memory>

namespace lukana {

class SummaryRows : public platform::GridRowSource {
  public:
    SummaryRows(const SummaryList& list, DateForm form) : list_(list), form_(form) {}
    // Names are taken from the registers once per recalculation.
    void refresh() { names_ = std::make_unique<PartyNames>(); }
    // Every party name the from and to columns can show.
    QStringList partyNames() const;
    int rowCount() const override { return static_cast<int>(list_.rows().size()); }
    QString text(int row, int col) const override;

  private:
    const SummaryList& list_;
    DateForm form_;
    std::unique_ptr<PartyNames> names_;
};

class CashRows : public platform::GridRowSource {
  public:
    explicit CashRows(const CashListing& listing) : listing_(listing) {}
    void refresh();
    int rowCount() const override { return static_cast<int>(listing_.rows().size()); }
    QString text(int row, int col) const override;

  private:
    const CashListing& listing_;
    std::unique_ptr<PartyNames> parties_;
    std::unique_ptr<AccountNames> accounts_;
};

// Headings in row 0, widths in twips, right alignment for the first rightAligned columns,
// one fixed row and column; the first column at least as wide as widestFirst needs.
void layOutGrid(platform::Grid& grid, int rows, const QStringList& headings,
                const std::vector<int>& widths, int rightAligned, const QString& widestFirst = {});

// The nine columns of the summary lists ("どこから"/"どこへ" or "出金元"/"入金先" last) and
// their totals grid with "合計"; the date column fits the dates of the form.
void layOutSummaryGrids(platform::Grid& list, platform::Grid& totals, const QString& fromHeading,
                        const QString& toHeading, DateForm form);
void showSummaryTotals(platform::Grid& totals, const SummaryTotals& values);
// The figure columns of both grids widen to the widest figure either shows and the party
// columns to the longest party name; both grids keep the same widths, column under column.
void fitSummaryGrids(platform::Grid& list, platform::Grid& totals, const SummaryRows& rows);

void layOutCashGrids(platform::Grid& list, platform::Grid& totals);
void showCashTotals(platform::Grid& totals, const CashListing& listing);
// Every column of both grids widens to its longest text (a long party name, a figure of many
// digits); the list's rows are read from its row source.
void fitCashGrids(platform::Grid& list, platform::Grid& totals, const CashRows& rows);

} // namespace lukana
