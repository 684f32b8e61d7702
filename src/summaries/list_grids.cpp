#include "list_grids.h"

namespace lukana {

using platform::Grid;

QString SummaryRows::text(int row, int col) const {
    if (row < 0 || row >= rowCount() || !names_)
        return {};
    return QString::fromStdString(
        summaryCellText(list_.rows()[static_cast<size_t>(row)], col, form_, *names_));
}

void CashRows::refresh() {
    parties_ = std::make_unique<PartyNames>();
    accounts_ = std::make_unique<AccountNames>();
}

QStringList SummaryRows::partyNames() const {
    QStringList out;
    if (names_)
        for (const std::string& name : names_->all())
            out << QString::fromStdString(name);
    return out;
}

QString CashRows::text(int row, int col) const {
    if (row < 0 || row >= rowCount() || !parties_)
        return {};
    return QString::fromStdString(
        cashCellText(listing_.rows()[static_cast<size_t>(row)], col, *parties_, *accounts_));
}

void layOutGrid(Grid& grid, int rows, const QStringList& headings, const std::vector<int>& widths,
                int rightAligned, const QString& widestFirst) {
    grid.setCols(static_cast<int>(widths.size()));
    grid.setRows(rows);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        grid.setColWidthFitting(c, widths[static_cast<size_t>(c)],
                                c == 0 ? widestFirst : QString());
        if (c < rightAligned)
            grid.setColAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        grid.setText(0, c, c < headings.size() ? headings[c] : QString());
    }
}

void layOutSummaryGrids(Grid& list, Grid& totals, const QString& fromHeading,
                        const QString& toHeading, DateForm form) {
    const std::vector<int> widths{1000, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500};
    SummaryRow latest;
    latest.year = 2000;
    latest.month = 12;
    latest.day = 28;
    const QString widestDate = QString::fromStdString(summaryDateText(latest, form));
    layOutGrid(list, 1,
               {"日付", "税抜き額", "税抜き額計", "消費税", "消費税累計", "金額", "金額計",
                fromHeading, toHeading},
               widths, 9, widestDate);
    layOutGrid(totals, 2, {"", "税抜き額合計", "", "消費税合計", "", "金額合計"}, widths, 9,
               widestDate);
    totals.setText(1, 0, QStringLiteral("合計"));
}

namespace {
// What a list column shows: its heading and the texts of every row.
QStringList columnTexts(const Grid& list, const platform::GridRowSource& rows, int col) {
    QStringList texts{list.text(0, col)};
    for (int r = 0; r < rows.rowCount(); ++r)
        texts << rows.text(r, col);
    return texts;
}
} // namespace

void fitSummaryGrids(Grid& list, Grid& totals, const SummaryRows& rows) {
    const QStringList names = rows.partyNames();
    for (int col = 1; col < kSummaryColumns; ++col) {
        // Figures and their totals left of the party columns, which show their longest name.
        const QStringList texts = col < 7 ? columnTexts(list, rows, col)
                                                << totals.text(0, col) << totals.text(1, col)
                                          : names;
        for (Grid* grid : {&list, &totals})
            grid->setColWidthFitting(col, 1500, texts);
    }
}

void showSummaryTotals(Grid& totals, const SummaryTotals& values) {
    totals.setText(1, 1, QString::fromStdString(yen(values.exTax)));
    totals.setText(1, 3, QString::fromStdString(yen(values.tax)));
    totals.setText(1, 5, QString::fromStdString(yen(values.amount)));
}

namespace {
const std::vector<int> kCashListWidths{1000, 1450, 1450, 1450, 1450, 1450, 1450, 1450, 1450, 1450};
const std::vector<int> kCashTotalsWidths{1000, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500};
} // namespace

void layOutCashGrids(Grid& list, Grid& totals) {
    layOutGrid(list, 1,
               {"日付", "入金額", "入金額計", "出金額", "出金額計", "差し引き額", "勘定相手",
                "勘定科目", "補助科目", "備考"},
               kCashListWidths, 6);
    layOutGrid(totals, 2, {"", "", "入金額計", "", "出金額計", "差し引き額"}, kCashTotalsWidths, 6);
}

void fitCashGrids(Grid& list, Grid& totals, const CashRows& rows) {
    for (int c = 0; c < static_cast<int>(kCashListWidths.size()); ++c)
        list.setColWidthFitting(c, kCashListWidths[static_cast<size_t>(c)],
                                columnTexts(list, rows, c));
    for (int c = 0; c < static_cast<int>(kCashTotalsWidths.size()); ++c)
        totals.fitColWidthToTexts(c, kCashTotalsWidths[static_cast<size_t>(c)]);
}

void showCashTotals(Grid& totals, const CashListing& listing) {
    totals.setText(1, 2, QString::fromStdString(yen(listing.receiptsTotal())));
    totals.setText(1, 4, QString::fromStdString(yen(listing.paymentsTotal())));
    totals.setText(1, 5,
                   QString::fromStdString(yen(listing.receiptsTotal() - listing.paymentsTotal())));
}

} // namespace lukana
