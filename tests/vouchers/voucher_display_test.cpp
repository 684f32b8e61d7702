// Showing a day: the grid's cells, the split, the period caption, the labels and the summaries.
#include "support/painted_figures.h"
#include "voucher_book_fixture.h"

#include <QGroupBox>
#include <QLabel>

using namespace lukana;
using namespace lukana::platform;

namespace {

class VoucherDisplayTest : public VoucherBookTest {
  protected:
    void fillMonths() {
        append((*march)[20], {9999, 2, 0, 1, 10});       // before the period
        append((*march)[21], {1050, 2, 0, 1, 10, 1, 2}); // 5 %: 1000
        append((*april)[1], {1080, 2, 0, 1, 10, 1, 2});  // 8 %: 1000
        DenpyouDay& day = (*april)[2];
        append(day, {1234.6, 2, 0, 1, 10, 1, 2, 0, 0, 0, "ビール"});
        append(day, {0, 0, 0, 4, 2, 2});
        append(day, {108, 2, 1, 1, 12, 1, 0, 0, 0, 7});    // a stored tax
        append(day, {500, 4, 1, 1, -1, 3, 4, 0, 1, 24});   // exempt, stored tax
        append(day, {200, 5, 0, 2, 0, 0, 99999, 0, 0, 0}); // income, no such title
        append(day, {300, 4, 9, 4, 6, 0, 0, 0, 0, 0});     // banks beyond the slots
        saveMonths();
    }
};

TEST_F(VoucherDisplayTest, ShowsTheDayItsSplitAndThePeriodTotals) {
    fillMonths();
    TestScript script;
    withVoucherBook(script, [&](Window& w) {
        EXPECT_EQ(w.windowTitle(), "仕入仕訳票(本店)   2014年 4月 2日");
        EXPECT_EQ(w.departmentChoice()->currentText(), "本店");
        EXPECT_EQ(w.totalsFrame()->title(), " 3月 21日～ 4月 2日までの合計");
        EXPECT_EQ(cell(w, 0, 5), "消費税( 8%)");
        ASSERT_EQ(w.voucherGrid()->rows(), 8);
        EXPECT_EQ(rowTexts(w, 1), (QStringList{"1", "", "支払い", "本店", "1235", "91", "1144",
                                               "酒屋", "売上", "", "ビール"}));
        EXPECT_EQ(rowTexts(w, 2), (QStringList{"2", "", "入金", "", "", "", "",
                                               "りそな 渋谷 当座 7654321", "", "", ""}));
        EXPECT_EQ(rowTexts(w, 3).mid(0, 8),
                  (QStringList{"3", "", "支払い", "本部", "108", "7", "101", "魚屋"}));
        EXPECT_EQ(rowTexts(w, 4).mid(0, 8),
                  (QStringList{"4", "◎", "銀行から出金", "みずほ 新宿 普通 1234567", "500", "",
                               "500", "その他"}));
        EXPECT_EQ(rowTexts(w, 6).mid(3, 5), (QStringList{"", "300", "22", "278", ""}));
        EXPECT_EQ(rowTexts(w, 7), (QStringList{"7", "", "", "", "", "", "", "", "", "", ""}));
        EXPECT_EQ(w.voucherGrid()->cellBackground(7, 1), QColor(255, 255, 0));
        // The exempt voucher's stored tax goes from memory without marking the month.
        EXPECT_EQ(denpyouMonth[2].tax[3], 0);
        EXPECT_FALSE(w.vouchersChanged());

        // Day: 1235 + 108 + 500 + 200 + 300; period adds 21 March and 1 April.
        EXPECT_EQ(w.dayTotalLabel()->text(), "¥2,343");
        EXPECT_EQ(w.periodTotalLabel()->text(), "¥4,473");
        EXPECT_EQ(w.periodExcludedLabel()->text(), "¥4,209");
        EXPECT_EQ(column(*w.supplierGrid(), 0), (QStringList{"仕入先", "酒屋", "八百屋", "魚屋"}));
        EXPECT_EQ(column(*w.supplierGrid(), 1),
                  (QStringList{"出金額(税込み)", "¥3,365", "¥", "¥108"}));
        EXPECT_EQ(column(*w.supplierGrid(), 2),
                  (QStringList{"税抜き出金額", "¥3,144", "¥", "¥101"}));
        EXPECT_EQ(column(*w.sourceGrid(), 0), (QStringList{"出金元", "本店"}));
        EXPECT_EQ(column(*w.sourceGrid(), 1), (QStringList{"出金額(税込み)", "¥3,473"}));
        EXPECT_EQ(column(*w.incomeGrid(), 1), (QStringList{"入金額(税込み)", "¥200"}));
        EXPECT_EQ(w.accountGrid()->text(0, 0), "勘定科目名");
        EXPECT_EQ(w.accountGrid()->rows(), tekiyouCount + 1);
        EXPECT_EQ(w.supplierGrid()->cellAlignment(1, 1) & Qt::AlignRight, Qt::AlignRight);
    });
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(VoucherDisplayTest, AnEmptyDepartmentShowsTheEntryRowAndEveryRegisterEntry) {
    TestScript script;
    withVoucherBook(script, [&](Window& w) {
        EXPECT_EQ(w.voucherGrid()->rows(), 2);
        EXPECT_EQ(cell(w, 1, 0), "1");
        EXPECT_EQ(w.dayTotalLabel()->text(), "¥");
        EXPECT_EQ(w.periodTotalLabel()->text(), "¥");
        EXPECT_EQ(w.supplierGrid()->rows(), 4);
        EXPECT_EQ(w.supplierGrid()->text(2, 2), "¥");
    });
    EXPECT_TRUE(script.boxes().empty());
    EXPECT_FALSE(std::filesystem::exists(aprilFile()));
}

TEST_F(VoucherDisplayTest, AMarchDayIsSplitAtFivePercent) {
    todayMonth = 3, todayDay = 25;
    append((*march)[25], {105, 2, 0, 1, 10});
    saveMonths();
    TestScript script;
    withVoucherBook(script, [&](Window& w) {
        EXPECT_EQ(cell(w, 0, 5), "消費税( 5%)");
        EXPECT_EQ(cell(w, 1, 5), "5");
        EXPECT_EQ(cell(w, 1, 6), "100");
        EXPECT_EQ(w.totalsFrame()->title(), " 3月 21日～ 3月 25日までの合計");
    });
}

TEST_F(VoucherDisplayTest, WithoutSettingsFilesTheMonthIsThePeriod) {
    std::filesystem::remove(busyoFilePath("本店", "simebi.dat"));
    TestScript script;
    withVoucherBook(script, [&](Window& w) {
        EXPECT_EQ(w.totalsFrame()->title(), " 4月 1日～ 2日までの合計");
        EXPECT_EQ(simeGenkin, 31);
        EXPECT_EQ(kesanTuki, 3);
        EXPECT_EQ(kesanBi, 31);
    });
}

} // namespace

TEST_F(VoucherDisplayTest, NameAndNoteColumnsShowTheirLongestText) {
    BusyoRec& d = busyoRecs[0];
    d.bankName = "みずほ", d.branchName = "東京営業部", d.accountNumber = "1234567";
    ASSERT_TRUE(writeDepartments(rootFilePath("misena.dat")).ok());
    siireNames[0] = "有限会社 酒のやまだ 東京中央卸売市場店";
    DenpyouDay& day = (*april)[2];
    append(day, {1000, 4, 1, 1, 10, 1, 2, 0, 0, 0, "月末にまとめて支払う約束の仕入れ分です"});
    append(day, {2000, 2, 0, 4, 1, 4});
    saveMonths();
    TestScript script;
    withVoucherBook(script, [&](Window& w) {
        const Grid& grid = *w.voucherGrid();
        for (int col : {3, 7, 8, 9, 10})
            for (int row = 1; row < grid.rows(); ++row)
                EXPECT_LT(grid.fontMetrics().horizontalAdvance(grid.text(row, col)) *
                              kTwipsPerPixel,
                          grid.colWidth(col))
                    << grid.text(row, col).toStdString();
        EXPECT_EQ(grid.text(2, 7), "みずほ 東京営業部 普通 1234567");
    });
}

// The text as drawn fits its cell with the grid's margins on either side.
static bool fitsColumn(const Grid& grid, int row, int col) {
    return grid.fontMetrics().horizontalAdvance(grid.shownText(row, col)) + 5 <=
           grid.colWidth(col) / kTwipsPerPixel;
}

TEST_F(VoucherDisplayTest, TwelveDigitFiguresShowWholeBesideALongName) {
    siireNames[0] = "有限会社 酒のやまだ 東京中央卸売市場店 本店営業部 仕入れ窓口 月末締め翌月払い";
    DenpyouDay& day = (*april)[2];
    append(day, {123456789012, 2, 0, 1, 10, 1, 2});
    append(day, {-999999999999, 2, 0, 1, 10, 1, 2});
    append(day, {999999999999, 2, 0, 1, 11, 1, 2, 0, 0, -999999999999}); // a negative stored tax
    saveMonths();
    TestScript script;
    withVoucherBook(script, [&](Window& w) {
        const Grid& grid = *w.voucherGrid();
        EXPECT_EQ(rowTexts(w, 1).mid(4, 3),
                  (QStringList{"123456789012", "9144947334", "114311841678"}));
        EXPECT_EQ(rowTexts(w, 2).mid(4, 3),
                  (QStringList{"-999999999999", "-74074074074", "-925925925925"}));
        for (int row = 1; row < grid.rows(); ++row)
            for (int col : {Window::kAmountCol, Window::kTaxCol, Window::kExcludedCol})
                EXPECT_TRUE(fitsColumn(grid, row, col)) << grid.text(row, col).toStdString();

        // The figures of each summary grid fit and lie in view; a long name is cut short.
        const Grid& suppliers = *w.supplierGrid();
        EXPECT_EQ(suppliers.text(1, 0).toStdString(), siireNames[0]);
        EXPECT_TRUE(suppliers.shownText(1, 0).endsWith(QStringLiteral("…")));
        EXPECT_EQ(suppliers.text(1, 1), "-¥876,543,210,987");
        for (const Grid* g : {w.supplierGrid(), w.sourceGrid(), w.accountGrid(), w.incomeGrid()}) {
            for (int row = 0; row < g->rows(); ++row)
                for (int col = 0; col < g->cols(); ++col)
                    EXPECT_TRUE(fitsColumn(*g, row, col)) << g->text(row, col).toStdString();
            EXPECT_LE(g->cellRect(0, 2, g->viewport()).right(), g->viewport()->width());
        }
    });
}

// A thirteen-digit cash sale, as absorbed from a daily report, and day and period sums of
// thirteen and fourteen digits: the grid's money cells, the summary grids and the total labels
// paint them whole, smaller where they must, their minus sign kept.
TEST_F(VoucherDisplayTest, SumsPastTwelveDigitsArePaintedWholeWithTheirSign) {
    for (int i = 0; i < 10; ++i)
        append((*march)[25], {-999999999999, 2, 0, 1, 10, 1, 2});
    DenpyouDay& day = (*april)[2];
    append(day, {1000016777716, 2, 0, 2, 0, 1, 2}); // a cash sale taken in whole
    for (int i = 0; i < 3; ++i)
        append(day, {-999999999999, 2, 0, 1, 10, 1, 2});
    saveMonths();
    TestScript script;
    withVoucherBook(script, [&](Window& w) {
        Grid& grid = *w.voucherGrid();
        ASSERT_EQ(grid.text(1, Window::kAmountCol), QStringLiteral("1000016777716"));
        ScreenTextRecording rec;
        w.show();
        grid.grab();
        for (int row = 1; row < grid.rows() - 1; ++row)
            for (int col : {Window::kAmountCol, Window::kTaxCol, Window::kExcludedCol}) {
                SCOPED_TRACE(grid.text(row, col).toStdString());
                EXPECT_TRUE(expectPaintedFigure(rec.last(&grid, {col, row}), grid.text(row, col)));
            }
        EXPECT_EQ(w.dayTotalLabel()->text(), QStringLiteral("-¥1,999,983,222,281"));
        EXPECT_EQ(w.periodTotalLabel()->text(), QStringLiteral("-¥11,999,983,222,271"));
        for (QLabel* label : {w.dayTotalLabel(), w.periodTotalLabel(), w.periodExcludedLabel()}) {
            SCOPED_TRACE(label->text().toStdString());
            EXPECT_TRUE(expectPaintedFigure(paintedBy(rec, *label, label), label->text()));
        }
        for (Grid* g : {w.supplierGrid(), w.sourceGrid(), w.accountGrid(), w.incomeGrid()}) {
            rec.texts.clear();
            g->grab();
            for (int row = 1; row < g->rows(); ++row)
                for (int col : {1, 2}) {
                    const QString text = g->text(row, col);
                    SCOPED_TRACE(text.toStdString());
                    if (text.size() > 1) { // a yen mark alone stands for no sum
                        EXPECT_TRUE(expectPaintedFigure(rec.last(g, {col, row}), text));
                    }
                }
        }
    });
}
