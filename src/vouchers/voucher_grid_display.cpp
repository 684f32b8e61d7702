// The voucher grid and the summary grids: headings, the shown day's rows, the tax split and
// the totals of the closing-day period.
#include "voucher_book_window.h"

#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/text.h"
#include "storage/display_format.h"
#include "storage/routines.h"
#include "storage/state.h"
#include "vouchers/core/period_caption.h"
#include "vouchers/core/voucher_parties.h"
#include "vouchers/core/voucher_totals.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <vector>

namespace lukana {

using namespace platform;

namespace {

const QColor kExemptYellow(255, 255, 0);
constexpr int kColumnWidths[VoucherBookWindow::kColumnCount] = {500,  450,  1350, 1350, 1350, 1350,
                                                                1350, 1350, 1350, 1350, 2050};

QString wholeYen(double value) {
    return platform::toQString(Format(value, "######"));
}

QString yen(double value) {
    return platform::toQString(Format(value, R"(\\###,###)"));
}

// Digits of the widest figure a money column shows, 0 for the other columns: an amount and a
// tax take twelve, the amount less a typed tax may reach thirteen.
int figureDigits(int col) {
    switch (col) {
    case VoucherBookWindow::kAmountCol:
    case VoucherBookWindow::kTaxCol:
        return kAmountDigits;
    case VoucherBookWindow::kExcludedCol:
        return kAmountDigits + 1;
    default:
        return 0;
    }
}

QFont headingFont(int pointSize) {
    QFont f;
    f.setPointSize(pointSize);
    f.setBold(false);
    return f;
}

constexpr int kSummaryWidths[] = {2000, 1500, 1500};

void setUpSummaryGrid(Grid& grid, const char* name, const char* incl, const char* excl) {
    grid.setRows(1);
    grid.setCols(3);
    const char* headings[] = {name, incl, excl};
    // The name column keeps its width, so that the figures beside it stay in view.
    grid.setColWidth(0, kSummaryWidths[0]);
    grid.setColElided(0, true);
    for (int c = 0; c < 3; ++c)
        grid.setText(0, c, QString::fromUtf8(headings[c]));
    for (int c = 1; c < 3; ++c) {
        grid.setColWidthFitting(c, kSummaryWidths[c], {grid.text(0, c), yen(kWidestAmount)});
        grid.setColAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void summaryRow(Grid& grid, int r, const QString& name, const Money& m) {
    grid.setText(r, 0, name);
    grid.setText(r, 1, yen(m.incl));
    grid.setText(r, 2, yen(m.excl));
}

// A total past twelve digits widens its column to show it whole.
void fitSummaryColumns(Grid& grid) {
    for (int c = 1; c < 3; ++c)
        grid.fitColWidthToTexts(c, grid.colWidth(c));
}

} // namespace

void VoucherBookWindow::setUpGrids() {
    curTaxRate = rateOn(curYear, curMonth, curDay);
    {
        Grid::Filling filling(*voucherGrid_);
        voucherGrid_->setRows(1);
        voucherGrid_->setCols(kColumnCount);
        voucherGrid_->setFixedRows(1);
        const QString headings[kColumnCount] = {
            QStringLiteral("No."),
            QStringLiteral("非課税"),
            QStringLiteral("入出金別"),
            QStringLiteral("どこから"),
            QStringLiteral("金額(税込み)"),
            QStringLiteral("消費税(%1%)").arg(platform::toQString(Str(curTaxRate))),
            QStringLiteral("税抜き額"),
            QStringLiteral("どこへ"),
            QStringLiteral("勘定科目"),
            QStringLiteral("補助科目"),
            QStringLiteral("備考"),
        };
        for (int c = 0; c < kColumnCount; ++c) {
            voucherGrid_->setColWidth(c, kColumnWidths[c]);
            voucherGrid_->setText(0, c, headings[c]);
            if (const int digits = figureDigits(c); digits > 0)
                voucherGrid_->setColWidthFitting(c, kColumnWidths[c],
                                                 wholeYen(widestFigure(digits)));
            if (c == kExemptCol)
                voucherGrid_->setCellFont(0, c, headingFont(6));
            else if (c != kNumberCol)
                voucherGrid_->setCellFont(0, c, headingFont(8));
        }
        voucherGrid_->setRows(2);
        voucherGrid_->setText(1, kNumberCol, QStringLiteral("1"));
        voucherGrid_->setCellBackground(1, kExemptCol, kExemptYellow);
    }
    setUpSummaryGrid(*supplierGrid_, "仕入先", "出金額(税込み)", "税抜き出金額");
    setUpSummaryGrid(*sourceGrid_, "出金元", "出金額(税込み)", "税抜き出金額");
    setUpSummaryGrid(*accountGrid_, "勘定科目名", "出金額(税込み)", "税抜き出金額");
    setUpSummaryGrid(*incomeGrid_, "店舗名", "入金額(税込み)", "税抜き入金額");
}

void VoucherBookWindow::showDay() {
    hideEditors();
    fillingGrid_ = true;
    std::fill(amountTyped_.begin(), amountTyped_.end(), false);
    {
        Grid::Filling filling(*voucherGrid_);
        voucherGrid_->setRows(1);
        const DenpyouDay& day = denpyouMonth[curDay];
        const int count = std::min(day.denpyouCount, kDenpyouCapacity);
        voucherGrid_->setRows(count + 1);
        for (int i = 0; i < count; ++i) {
            const int r = i + 1;
            voucherGrid_->setText(r, kNumberCol, QString::number(r));
            voucherGrid_->setCellBackground(r, kExemptCol, kExemptYellow);
            voucherGrid_->setText(r, kExemptCol,
                                  day.taxExempt[i] == 1 ? QStringLiteral("◎") : QString());
            voucherGrid_->setText(r, kEntryTypeCol,
                                  platform::toQString(entryTypeWord(day.entryType[i])));
            voucherGrid_->setText(
                r, kToCol, platform::toQString(partyName(day.toKind[i], day.toId[i], false)));
            voucherGrid_->setText(r, kAmountCol, wholeYen(day.amount[i]));
            voucherGrid_->setText(
                r, kFromCol, platform::toQString(partyName(day.fromKind[i], day.fromId[i], true)));
            voucherGrid_->setText(r, kAccountCol,
                                  platform::toQString(accountTitleName(day.accountId[i])));
            voucherGrid_->setText(r, kSubAccountCol,
                                  platform::toQString(subAccountName(day.subAccountId[i])));
            voucherGrid_->setText(r, kNoteCol, platform::toQString(day.note[i]));
        }
        addEntryRow();
        fitTextColumns();
    }
    totalsFrame_->setTitle(platform::toQString(
        periodCaption(simeGenkin, curMonth, curDay, monthBefore(curYear, curMonth).month)));
    fillingGrid_ = false;
    showTotals();
}

void VoucherBookWindow::addEntryRow() {
    const int r = voucherGrid_->rows();
    voucherGrid_->setRows(r + 1);
    lastRow_ = voucherGrid_->row();
    lastCol_ = voucherGrid_->col();
    voucherGrid_->setText(r, kNumberCol, QString::number(r));
    voucherGrid_->setCellBackground(r, kExemptCol, kExemptYellow);
    if (fromEditor_->count() == 1)
        voucherGrid_->setText(r, kFromCol, departmentName());
    // Whatever an earlier entry row left in this slot never became a voucher.
    if (const int slot = slotOfRow(r); slot >= 0 && slot >= denpyouMonth[curDay].denpyouCount) {
        DenpyouDay& day = denpyouMonth[curDay];
        day.toKind[slot] = day.toId[slot] = day.fromKind[slot] = day.fromId[slot] = 0;
        day.amount[slot] = day.tax[slot] = 0;
        day.entryType[slot] = day.accountId[slot] = day.subAccountId[slot] = 0;
        day.taxExempt[slot] = 0;
        day.note[slot].clear();
    }
    voucherGrid_->setCurrentCell(lastRow_, lastCol_);
}

void VoucherBookWindow::fitTextColumns() {
    for (int c : {kFromCol, kToCol, kAccountCol, kSubAccountCol, kNoteCol})
        voucherGrid_->fitColWidthToTexts(c, kColumnWidths[c]);
}

void VoucherBookWindow::fillAccountList() {
    QStringList titles;
    for (int i = 0; i < tekiyouCount; ++i)
        titles << platform::toQString(tekiyouNames[i]);
    fillQuietly(*accountEditor_, titles);
}

void VoucherBookWindow::hideEditors() {
    for (QWidget* editor : std::initializer_list<QWidget*>{
             amountEditor_, taxEditor_, toEditor_, fromEditor_, accountEditor_, subAccountEditor_,
             entryTypeEditor_, exemptEditor_, noteEditor_})
        editor->hide();
}

void VoucherBookWindow::showTotals() {
    lastCol_ = voucherGrid_->col();
    lastRow_ = voucherGrid_->row();

    VoucherTotals totals;
    PeriodSource source;
    source.year = curYear, source.month = curMonth, source.day = curDay;
    source.closingDay = simeGenkin;
    source.taxRounding = taxRounding;
    source.shownMonth = &denpyouMonth;
    source.previousMonth = &months_.previous();
    source.previousYear = months_.previousYear();
    source.previousMonthNumber = months_.previousMonth();
    source.previousDays = months_.previousDays();
    addStoredDays(totals, source);

    curTaxRate = rateOn(curYear, curMonth, curDay);
    const int rows = voucherGrid_->rows();
    std::vector<double> amounts;
    amounts.reserve(rows > 1 ? rows - 1 : 0);
    for (int r = 1; r < rows; ++r)
        amounts.push_back(leadingNumber(voucherGrid_->text(r, kAmountCol).toStdString()));
    DenpyouDay& day = denpyouMonth[curDay];
    const std::vector<ShownRowSplit> split =
        addShownDay(totals, day, amounts, curTaxRate, taxRounding);
    {
        Grid::Filling filling(*voucherGrid_);
        for (int r = 1; r < rows; ++r) {
            const ShownRowSplit& s = split[r - 1];
            if (r - 1 >= kDenpyouCapacity)
                continue;
            if (s.clearStoredTax)
                day.tax[r - 1] = 0;
            voucherGrid_->setText(r, kExcludedCol, wholeYen(s.excluded));
            voucherGrid_->setText(r, kTaxCol, wholeYen(s.tax));
        }
    }

    dayTotalLabel_->setText(yen(totals.dayTotal));
    voucherGrid_->setCol(lastCol_);
    voucherGrid_->setRow(lastRow_);
    periodTotalLabel_->setText(yen(totals.period.incl));
    periodExcludedLabel_->setText(yen(totals.period.excl));

    {
        Grid::Filling filling(*supplierGrid_);
        supplierGrid_->setRows(1 + siireCount);
        for (int i = 0; i < siireCount; ++i)
            summaryRow(*supplierGrid_, i + 1, platform::toQString(siireNames[i]),
                       totals.supplier(siireIds[i]));
        fitSummaryColumns(*supplierGrid_);
    }
    {
        Grid::Filling filling(*sourceGrid_);
        sourceGrid_->setRows(2);
        summaryRow(*sourceGrid_, 1, departmentName(), totals.payingSource);
        fitSummaryColumns(*sourceGrid_);
    }
    {
        Grid::Filling filling(*accountGrid_);
        accountGrid_->setRows(1 + tekiyouCount);
        for (int i = 0; i < tekiyouCount; ++i)
            summaryRow(*accountGrid_, i + 1, platform::toQString(tekiyouNames[i]),
                       totals.account(tekiyouIds[i]));
        fitSummaryColumns(*accountGrid_);
    }
    {
        Grid::Filling filling(*incomeGrid_);
        incomeGrid_->setRows(2);
        summaryRow(*incomeGrid_, 1, departmentName(), totals.departmentIncome);
        fitSummaryColumns(*incomeGrid_);
    }
}

} // namespace lukana
