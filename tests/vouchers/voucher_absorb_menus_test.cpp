// Taking over the daily report, and the menus to the registers, settings and summaries.
#include "voucher_book_fixture.h"

#include "daily/openers.h"
#include "shell/closing_days.h"
#include "shell/openers.h"
#include "shell/window_openers.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;

namespace {

using W = VoucherBook;

class VoucherAbsorbTest : public VoucherBookTest {};

TEST_F(VoucherAbsorbTest, TakesOverTheShownDayOfTheFileAndLeavesTheReportInMemory) {
    append((*april)[2], {3000, 2, 0, 1, 10, 1});
    saveMonths();
    auto report = std::make_unique<NippouMonth>();
    NippouDay& day = (*report)[2];
    day.kaidasiCount = 2;
    day.kaidasiSiireId[0] = 10, day.kaidasiGaku[0] = 3000; // already a voucher
    day.kaidasiSiireId[1] = -1, day.kaidasiGaku[1] = 700;
    day.kingaku[5] = 25000;
    ASSERT_TRUE(writeNippouMonth(nippouPath("本店", 2014, 4), *report, 0).ok());
    // The daily report's month in memory is its own.
    nippouMonth[2].kingaku[5] = 1;
    koteihi = 42;
    TestScript script;
    script.answer(Answer::No);
    withVoucherBook(script, [&](W& w) {
        w.absorbButton()->click();
        EXPECT_TRUE(w.vouchersChanged());
        ASSERT_EQ(w.voucherGrid()->rows(), 5);
        EXPECT_EQ(rowTexts(w, 2).mid(0, 8),
                  (QStringList{"2", "", "支払い", "本店", "700", "51", "649", "その他"}));
        EXPECT_EQ(cell(w, 3, W::kAmountCol), "25000");
        EXPECT_EQ(cell(w, 3, W::kNoteCol), "当日分現金売上");
        w.absorbButton()->click(); // nothing more to take over
        EXPECT_EQ(w.voucherGrid()->rows(), 5);
    });
    EXPECT_EQ(nippouMonth[2].kingaku[5], 1);
    EXPECT_EQ(koteihi, 42);
    EXPECT_TRUE(script.boxes().size() == 1u);
}

TEST_F(VoucherAbsorbTest, WithoutAReportNothingIsAppendedButTheMonthIsChanged) {
    TestScript script;
    script.answer(Answer::No);
    withVoucherBook(script, [&](W& w) {
        w.absorbButton()->click();
        EXPECT_EQ(w.voucherGrid()->rows(), 2);
        EXPECT_TRUE(w.vouchersChanged());
    });
}

TEST_F(VoucherAbsorbTest, ANearlyFullDaySaysWhatItCouldNotTake) {
    for (int i = 0; i < kDenpyouCapacity - 1; ++i)
        append((*april)[2], {1, 2, 0, 1, 10});
    saveMonths();
    auto report = std::make_unique<NippouMonth>();
    (*report)[2].kaidasiCount = 3;
    for (int i = 0; i < 3; ++i)
        (*report)[2].kaidasiSiireId[i] = 10, (*report)[2].kaidasiGaku[i] = 100 + i;
    ASSERT_TRUE(writeNippouMonth(nippouPath("本店", 2014, 4), *report, 0).ok());
    TestScript script;
    script.answer(Answer::Ok).answer(Answer::No);
    withVoucherBook(script, [&](W& w) {
        w.absorbButton()->click();
        EXPECT_EQ(denpyouMonth[2].denpyouCount, kDenpyouCapacity);
        EXPECT_EQ(w.voucherGrid()->rows(), kDenpyouCapacity + 2);
    });
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_TRUE(script.boxes()[0].text.contains("2 件"));
}

class VoucherMenusTest : public VoucherBookTest {
  protected:
    void SetUp() override {
        VoucherBookTest::SetUp();
        fillWindowLinks();
    }
    static QAction* menuItem(W& w, const QString& menu, const QString& caption) {
        for (QAction* m : w.menuBar()->actions())
            if (m->text() == menu)
                for (QAction* a : m->menu()->actions())
                    if (a->text() == caption)
                        return a;
        ADD_FAILURE() << "no item " << caption.toStdString();
        return nullptr;
    }
};

TEST_F(VoucherMenusTest, MenuBarCaptions) {
    TestScript script;
    withVoucherBook(script, [&](W& w) {
        QStringList menus;
        for (QAction* m : w.menuBar()->actions())
            menus << m->text();
        EXPECT_EQ(menus, (QStringList{"ファイル(&F)", "登録(&I)", "設定(&C)", "ツール(&T)"}));
        EXPECT_TRUE(menuItem(w, "登録(&I)", "補助科目(&R)")->isEnabled());
        EXPECT_TRUE(menuItem(w, "設定(&C)", "決算日(&Y)")->isEnabled());
    });
}

TEST_F(VoucherMenusTest, EachItemAsksThenOpensAndTheBookStartsOver) {
    append((*april)[2], {100, 2, 0, 1, 10});
    saveMonths();
    TestScript script;
    // Cancel opens nothing; No opens the register and the day shows the file's vouchers.
    script.answer(Answer::Cancel).answer(Answer::No);
    script.window<VoucherBook>([&](VoucherBook& w) {
        click(w, 1, W::kNoteCol);
        w.deleteButton()->click();
        w.departmentChoice()->setListIndex(1); // Cancel: nothing changes
        EXPECT_EQ(w.departmentChoice()->listIndex(), 0);
        EXPECT_TRUE(w.vouchersChanged());
        menuItem(w, "登録(&I)", "補助科目(&R)")->trigger();
        EXPECT_EQ(w.voucherGrid()->rows(), 3);
        EXPECT_FALSE(w.vouchersChanged());
        menuItem(w, "設定(&C)", "締め日(&C)")->trigger();
        EXPECT_EQ(w.totalsFrame()->title(), " 3月 26日～ 4月 2日までの合計");
        EXPECT_EQ(curYear, 2014);
        EXPECT_EQ(curDay, 2);
        w.closeWindow();
    });
    script.window([&](platform::Window& opened) {
        EXPECT_EQ(registerKind, 3);
        opened.closeWindow();
    });
    script.window<ClosingDaysDialog>([&](ClosingDaysDialog& d) {
        writeClosingDays("本店", 25);
        d.closeWindow();
    });
    openVoucherBook();
    EXPECT_EQ(script.boxes().size(), 2u);
}

} // namespace

namespace {

TEST_F(VoucherMenusTest, TheMainWindowAndTheDailyReportOpenTheVoucherBook) {
    ASSERT_TRUE(mainWindowLinks().voucherBook);
    ASSERT_TRUE(dailyReportLinks().voucherBook);
    TestScript script;
    script.window<VoucherBook>([](VoucherBook& w) { w.closeWindow(); });
    script.window<VoucherBook>([](VoucherBook& w) { w.closeWindow(); });
    mainWindowLinks().voucherBook();
    dailyReportLinks().voucherBook();
    EXPECT_EQ(script.windowsShown(), 2);
}

} // namespace

namespace {

TEST_F(VoucherMenusTest, EveryItemOpensItsWindow) {
    struct Case {
        const char* menu;
        const char* item;
        int registerKindSeen; // 0: left as it was
    };
    const Case cases[] = {
        {"登録(&I)", "仕入先(&S)", 0},   {"登録(&I)", "銀行(&B)", 0},
        {"登録(&I)", "勘定科目(&I)", 2}, {"登録(&I)", "補助科目(&R)", 3},
        {"設定(&C)", "締め日(&C)", 0},   {"設定(&C)", "税率(&T)", 0},
        {"設定(&C)", "決算日(&Y)", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        registerKind = 0;
        TestScript script;
        script.window<VoucherBook>([&](VoucherBook& w) {
            menuItem(w, QString::fromUtf8(c.menu), QString::fromUtf8(c.item))->trigger();
            w.closeWindow();
        });
        int kindSeen = -1;
        script.window([&](platform::Window& opened) {
            kindSeen = registerKind;
            opened.closeWindow();
        });
        openVoucherBook();
        EXPECT_EQ(script.windowsShown(), 2);
        EXPECT_EQ(kindSeen, c.registerKindSeen);
    }
}

} // namespace
