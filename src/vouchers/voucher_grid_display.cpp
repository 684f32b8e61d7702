// The voucher grid and the summary grids: headings, the shown day's rows, the tax split and
// the totals of the closing-day period.
#include "voucher_book_window.h"

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
    for (int c = 0; c < 3; ++c) {
        grid.setColWidth(c, kSummaryWidths[c]);
        grid.setText(0, c, QString::fromUtf8(headings[c]));
    }
    grid.setColAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    grid.setColAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
}

void summaryRow(Grid& grid, int r, const QString& name, const Money& m) {
    grid.setText(r, 0, name);
    grid.setText(r, 1, yen(m.incl));
    grid.setText(r, 2, yen(m.excl));
}

// A long bank or supplier name, or a total of many digits, widens its column to show it whole.
void fitSummaryColumns(Grid& grid) {
    for (int c = 0; c < 3; ++c)
        grid.fitColWidthToTexts(c, kSummaryWidths[c]);
}

} // namespace

void VoucherBookWindow::Hyouji() {
    curTaxRate = rateOn(curYear, curMonth, curDay);
    {
        Grid::Filling filling(*voucherGrid);
        voucherGrid->setRows(1);
        voucherGrid->setCols(kColumnCount);
        voucherGrid->setFixedRows(1);
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
            voucherGrid->setColWidth(c, kColumnWidths[c]);
            voucherGrid->setText(0, c, headings[c]);
            if (c == kExemptCol)
                voucherGrid->setCellFont(0, c, headingFont(6));
            else if (c != kNumberCol)
                voucherGrid->setCellFont(0, c, headingFont(8));
        }
        voucherGrid->setRows(2);
        voucherGrid->setText(1, kNumberCol, QStringLiteral("1"));
        voucherGrid->setCellBackground(1, kExemptCol, kExemptYellow);
    }
    setUpSummaryGrid(*supplierGrid, "仕入先", "出金額(税込み)", "税抜き出金額");
    setUpSummaryGrid(*sourceGrid, "出金元", "出金額(税込み)", "税抜き出金額");
    setUpSummaryGrid(*accountGrid, "勘定科目名", "出金額(税込み)", "税抜き出金額");
    setUpSummaryGrid(*incomeGrid, "店舗名", "入金額(税込み)", "税抜き入金額");
}

void VoucherBookWindow::hyouji3() {
    hideEditors();
    gridFilling = 1;
    std::fill(amountTyped_.begin(), amountTyped_.end(), false);
    {
        Grid::Filling filling(*voucherGrid);
        voucherGrid->setRows(1);
        const DenpyouDay& day = denpyouMonth[curDay];
        const int count = std::min(day.denpyouCount, kDenpyouCapacity);
        voucherGrid->setRows(count + 1);
        for (int i = 0; i < count; ++i) {
            const int r = i + 1;
            voucherGrid->setText(r, kNumberCol, QString::number(r));
            voucherGrid->setCellBackground(r, kExemptCol, kExemptYellow);
            voucherGrid->setText(r, kExemptCol,
                                 day.taxExempt[i] == 1 ? QStringLiteral("◎") : QString());
            voucherGrid->setText(r, kEntryTypeCol,
                                 platform::toQString(entryTypeWord(day.entryType[i])));
            voucherGrid->setText(r, kToCol,
                                 platform::toQString(partyName(day.toKind[i], day.toId[i], false)));
            voucherGrid->setText(r, kAmountCol, wholeYen(day.amount[i]));
            voucherGrid->setText(
                r, kFromCol, platform::toQString(partyName(day.fromKind[i], day.fromId[i], true)));
            voucherGrid->setText(r, kAccountCol,
                                 platform::toQString(tekiyouName(day.accountId[i])));
            voucherGrid->setText(r, kSubAccountCol,
                                 platform::toQString(tyName(day.subAccountId[i])));
            voucherGrid->setText(r, kNoteCol, platform::toQString(day.note[i]));
        }
        Sounyu();
        fitTextColumns();
    }
    totalsFrame->setTitle(platform::toQString(
        periodCaption(simeGenkin, curMonth, curDay, monthBefore(curYear, curMonth).month)));
    gridFilling = 0;
    goukei();
}

void VoucherBookWindow::Sounyu() {
    const int r = voucherGrid->rows();
    voucherGrid->setRows(r + 1);
    savedRow = voucherGrid->row();
    savedCol = voucherGrid->col();
    voucherGrid->setText(r, kNumberCol, QString::number(r));
    voucherGrid->setCellBackground(r, kExemptCol, kExemptYellow);
    if (fromEditor->count() == 1)
        voucherGrid->setText(r, kFromCol, departmentName());
    // Whatever an earlier entry row left in this slot never became a voucher.
    if (const int slot = slotOfRow(r); slot >= 0 && slot >= denpyouMonth[curDay].denpyouCount) {
        DenpyouDay& day = denpyouMonth[curDay];
        day.toKind[slot] = day.toId[slot] = day.fromKind[slot] = day.fromId[slot] = 0;
        day.amount[slot] = day.tax[slot] = 0;
        day.entryType[slot] = day.accountId[slot] = day.subAccountId[slot] = 0;
        day.taxExempt[slot] = 0;
        day.note[slot].clear();
    }
    voucherGrid->setCurrentCell(savedRow, savedCol);
}

void VoucherBookWindow::fitTextColumns() {
    for (int c : {kFromCol, kToCol, kAccountCol, kSubAccountCol, kNoteCol})
        voucherGrid->fitColWidthToTexts(c, kColumnWidths[c]);
}

void VoucherBookWindow::lstIre() {
    QStringList titles;
    for (int i = 0; i < tekiyouCount; ++i)
        titles << platform::toQString(tekiyouNames[i]);
    fillQuietly(*accountEditor, titles);
}

void VoucherBookWindow::hideEditors() {
    for (QWidget* editor : std::initializer_list<QWidget*>{
             amountEditor, taxEditor, toEditor, fromEditor, accountEditor, subAccountEditor,
             entryTypeEditor, exemptEditor, noteEditor})
        editor->hide();
}

void VoucherBookWindow::goukei() {
    savedCol = voucherGrid->col();
    savedRow = voucherGrid->row();

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
    const int rows = voucherGrid->rows();
    std::vector<double> amounts;
    amounts.reserve(rows > 1 ? rows - 1 : 0);
    for (int r = 1; r < rows; ++r)
        amounts.push_back(leadingNumber(voucherGrid->text(r, kAmountCol).toStdString()));
    DenpyouDay& day = denpyouMonth[curDay];
    const std::vector<ShownRowSplit> split =
        addShownDay(totals, day, amounts, curTaxRate, taxRounding);
    {
        Grid::Filling filling(*voucherGrid);
        for (int r = 1; r < rows; ++r) {
            const ShownRowSplit& s = split[r - 1];
            if (r - 1 >= kDenpyouCapacity)
                continue;
            if (s.clearStoredTax)
                day.tax[r - 1] = 0;
            voucherGrid->setText(r, kExcludedCol, wholeYen(s.excluded));
            voucherGrid->setText(r, kTaxCol, wholeYen(s.tax));
        }
    }

    dayTotalLabel->setText(yen(totals.dayTotal));
    voucherGrid->setCol(savedCol);
    voucherGrid->setRow(savedRow);
    periodTotalLabel->setText(yen(totals.period.incl));
    periodExcludedLabel->setText(yen(totals.period.excl));

    {
        Grid::Filling filling(*supplierGrid);
        supplierGrid->setRows(1 + siireCount);
        for (int i = 0; i < siireCount; ++i)
            summaryRow(*supplierGrid, i + 1, platform::toQString(siireNames[i]),
                       totals.supplier(siireIds[i]));
        fitSummaryColumns(*supplierGrid);
    }
    {
        Grid::Filling filling(*sourceGrid);
        sourceGrid->setRows(2);
        summaryRow(*sourceGrid, 1, departmentName(), totals.payingSource);
        fitSummaryColumns(*sourceGrid);
    }
    {
        Grid::Filling filling(*accountGrid);
        accountGrid->setRows(1 + tekiyouCount);
        for (int i = 0; i < tekiyouCount; ++i)
            summaryRow(*accountGrid, i + 1, platform::toQString(tekiyouNames[i]),
                       totals.account(tekiyouIds[i]));
        fitSummaryColumns(*accountGrid);
    }
    {
        Grid::Filling filling(*incomeGrid);
        incomeGrid->setRows(2);
        summaryRow(*incomeGrid, 1, departmentName(), totals.departmentIncome);
        fitSummaryColumns(*incomeGrid);
    }
}

} // namespace lukana
