// The tax table edits, the date spinners and the tax settings dialog.
#include "settings_dialog_fixture.h"
#include "shell/tax_settings.h"
#include "shell/tax_table.h"
#include "shell_fixture.h"
#include "storage/date_carry.h"
#include "storage/settings.h"

#include <QApplication>
#include <QDate>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>

using namespace lukana;
using platform::Answer;

namespace {

std::vector<std::string> taxLines() {
    std::vector<std::string> lines;
    for (int i = 0; i < taxCount; ++i)
        lines.push_back(taxLine(i));
    return lines;
}

QStringList listLines(const TaxSettingsDialog& w) {
    QStringList lines;
    for (int i = 0; i < w.rateList()->count(); ++i)
        lines << w.rateList()->item(i)->text();
    return lines;
}

SpinDate picked(const TaxSettingsDialog& w) {
    return {w.yearSpinner()->value(), w.monthSpinner()->value(), w.daySpinner()->value()};
}

using TaxTableTest = SettingsDialogTest;

// The dialog on a fresh data tree; the program may also start there.
class TaxDialogTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::create_directories(dataRoot());
        todayYear = 2004, todayMonth = 3, todayDay = 15;
    }
};

} // namespace

TEST_F(TaxTableTest, AddKeepsDateOrderAndASameDateEntryFollows) {
    setDefaultTax();
    ASSERT_EQ(addTaxEntry(2014, 4, 1, 8), TaxAddResult::Added);
    ASSERT_EQ(addTaxEntry(2014, 4, 1, 10), TaxAddResult::Added);
    ASSERT_EQ(addTaxEntry(1990, 1, 1, 3), TaxAddResult::Added);
    EXPECT_EQ(taxLines(),
              (std::vector<std::string>{" 1990年 1月 1日: 3％", " 2000年 1月 1日: 5％",
                                        " 2014年 4月 1日: 8％", " 2014年 4月 1日: 10％"}));
    EXPECT_EQ(Zeiritu(2014, 4, 1), 10);
    EXPECT_EQ(Zeiritu(2014, 3, 31), 5);

    // Entries read from a file may carry out of their ranges; they sort as the calendar does.
    taxYear[1] = 2013;
    taxMonth[1] = 13; // January 2014
    ASSERT_EQ(addTaxEntry(2014, 2, 1, 7), TaxAddResult::Added);
    EXPECT_EQ(taxLine(2), " 2014年 2月 1日: 7％");

    ASSERT_TRUE(deleteTaxEntry(0));
    EXPECT_EQ(taxLine(0), " 2013年 13月 1日: 5％");
    EXPECT_EQ(taxCount, 4);
    EXPECT_FALSE(deleteTaxEntry(4));
    EXPECT_FALSE(deleteTaxEntry(-1));
}

TEST_F(TaxTableTest, RatesAreRoundedHalfToEvenAndBadOnesRefused) {
    struct Case {
        double typed;
        TaxAddResult result;
        int stored;
    };
    for (const Case& c :
         {Case{5.5, TaxAddResult::Added, 6}, Case{4.5, TaxAddResult::Added, 4},
          Case{8.49, TaxAddResult::Added, 8}, Case{0.4, TaxAddResult::Added, 0},
          Case{0, TaxAddResult::NoRate, 0}, Case{-3, TaxAddResult::Negative, 0},
          Case{-0.2, TaxAddResult::Negative, 0}, Case{32767.4, TaxAddResult::Added, 32767},
          Case{32767.6, TaxAddResult::TooLarge, 0}, Case{1e300, TaxAddResult::TooLarge, 0}}) {
        taxCount = 0;
        EXPECT_EQ(addTaxEntry(2000, 1, 1, c.typed), c.result) << c.typed;
        EXPECT_EQ(taxCount, c.result == TaxAddResult::Added ? 1 : 0) << c.typed;
        if (c.result == TaxAddResult::Added) {
            EXPECT_EQ(taxRate[0], c.stored) << c.typed;
        }
    }
}

TEST_F(TaxTableTest, TheTableHoldsAtMost1001Entries) {
    taxCount = 0;
    for (int i = 0; i < kTaxCapacity; ++i)
        ASSERT_EQ(addTaxEntry(2000 + i % 50, 1, 1, 5), TaxAddResult::Added);
    EXPECT_EQ(addTaxEntry(1900, 1, 1, 5), TaxAddResult::Full);
    EXPECT_EQ(taxCount, kTaxCapacity);
    EXPECT_EQ(taxYear[0], 2000); // nothing moved
    EXPECT_TRUE(writeTaxTable(root("opt.dat")).ok());
}

TEST_F(TaxDialogTest, AddAndDeleteThroughTheDialogAndOkWritesOptDat) {
    setDefaultTax();
    TaxSettingsDialog w;
    TestScript script;
    script.answer(Answer::Ok).window<TaxSettingsDialog>([&](TaxSettingsDialog& d) {
        EXPECT_EQ(d.yearBox()->text(), " 2004");
        EXPECT_EQ(d.monthBox()->text(), " 3");
        EXPECT_EQ(d.dayBox()->text(), " 15");
        EXPECT_EQ(listLines(d), QStringList{" 2000年 1月 1日: 5％"});
        EXPECT_FALSE(d.deleteButton()->isEnabled());

        // An empty rate is refused.
        d.addButton()->click();
        EXPECT_EQ(taxCount, 1);

        d.yearBox()->setText("2014");
        d.monthBox()->setText("4");
        d.dayBox()->setText("1");
        d.rateBox()->setText("8");
        d.addButton()->click();
        d.rateBox()->setText("9.5");
        d.addButton()->click(); // same date: after the 8
        EXPECT_EQ(listLines(d), (QStringList{" 2000年 1月 1日: 5％", " 2014年 4月 1日: 8％",
                                             " 2014年 4月 1日: 10％"}));
        EXPECT_EQ(d.rateBox()->text(), "9.5"); // the inputs stay for the next entry

        d.rateList()->setCurrentRow(0);
        EXPECT_TRUE(d.deleteButton()->isEnabled());
        d.deleteButton()->click();
        EXPECT_FALSE(d.deleteButton()->isEnabled());
        EXPECT_EQ(d.rateList()->currentRow(), -1);
        EXPECT_EQ(listLines(d), (QStringList{" 2014年 4月 1日: 8％", " 2014年 4月 1日: 10％"}));

        d.roundingOptions()[1]->click();
        d.tabs()->setCurrentIndex(1);
        EXPECT_TRUE(d.tabPages()[1]->isEnabled());
        EXPECT_FALSE(d.tabPages()[0]->isEnabled());
        d.salesTimingOptions()[1]->click();
        d.okButton()->click();
    });
    runModal(w);
    EXPECT_EQ(script.boxes().at(0).text, "税率が入力されていません");
    EXPECT_EQ(readBytes(root("opt.dat")),
              " 2\r\n 2014\r\n 4\r\n 1\r\n 8\r\n 2014\r\n 4\r\n 1\r\n 10\r\n 1\r\n 1\r\n");
}

// The table is the one the program's first start writes into opt.dat.
TEST_F(TaxDialogTest, TheStandardRatesAreListedInDateOrder) {
    std::filesystem::remove(dataRoot());
    TestScript script;
    auto main = firstStart(script);
    ASSERT_TRUE(main);
    setDefaultTax();
    ASSERT_TRUE(readTaxTable(root("opt.dat")).ok());
    QStringList lines;
    TaxSettingsDialog w;
    script.window<TaxSettingsDialog>([&](TaxSettingsDialog& d) {
        lines = listLines(d);
        d.closeWindow();
    });
    runModal(w);
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.back(), " 2019年 10月 1日: 10％");
    const QRegularExpression date(QStringLiteral(R"(^ *(\d+)年 *(\d+)月 *(\d+)日:)"));
    QDate previous;
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = date.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        const QDate from(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (previous.isValid()) {
            EXPECT_LT(previous, from) << line.toStdString();
        }
        previous = from;
    }
    exitProgram(script, *main, Answer::No);
}

TEST_F(TaxDialogTest, DeleteWithoutASelectedLineOnlyDisablesAndAClickEnablesAgain) {
    setDefaultTax();
    ASSERT_EQ(addTaxEntry(2014, 4, 1, 8), TaxAddResult::Added);
    TaxSettingsDialog w;
    TestScript script;
    script.window<TaxSettingsDialog>([&](TaxSettingsDialog& d) {
        clickListRow(d.rateList(), 1);
        EXPECT_TRUE(d.deleteButton()->isEnabled());
        clickListRow(d.rateList(), 1, Qt::ControlModifier); // deselected; it stays the current line
        ASSERT_TRUE(d.rateList()->selectedItems().isEmpty());
        d.deleteButton()->click();
        EXPECT_FALSE(d.deleteButton()->isEnabled());
        EXPECT_EQ(taxCount, 2);
        // Clicking the same line again selects it and enables the button.
        clickListRow(d.rateList(), 1);
        EXPECT_TRUE(d.deleteButton()->isEnabled());
        d.deleteButton()->click();
        EXPECT_EQ(listLines(d), QStringList{" 2000年 1月 1日: 5％"});
        d.closeWindow();
    });
    runModal(w);
}

TEST_F(TaxDialogTest, ApplyWritesAndStaysCancelReadsBackTheCloseBoxDoesNeither) {
    setDefaultTax();
    ASSERT_TRUE(writeTaxTable(root("opt.dat")).ok());
    const std::string stored = readBytes(root("opt.dat"));

    {
        TaxSettingsDialog w;
        TestScript script;
        script.window<TaxSettingsDialog>([&](TaxSettingsDialog& d) {
            d.roundingOptions()[1]->click();
            EXPECT_EQ(taxRounding, 1); // at once in memory
            d.cancelButton()->click();
        });
        runModal(w);
        EXPECT_EQ(taxRounding, 0); // read back from the file
        EXPECT_EQ(readBytes(root("opt.dat")), stored);
    }
    {
        TaxSettingsDialog w;
        TestScript script;
        script.window<TaxSettingsDialog>([&](TaxSettingsDialog& d) {
            d.rateBox()->setText("8");
            d.addButton()->click();
            d.applyButton()->click();
            EXPECT_TRUE(d.isOpen());
            EXPECT_EQ(readBytes(root("opt.dat")),
                      " 2\r\n 2000\r\n 1\r\n 1\r\n 5\r\n 2004\r\n 3\r\n 15\r\n 8\r\n 0\r\n 0\r\n");
            d.nextTab();
            d.salesTimingOptions()[1]->click();
            d.closeWindow(); // the close box: the switch stays in memory only
        });
        runModal(w);
        EXPECT_EQ(salesTiming, 1);
        EXPECT_EQ(readBytes(root("opt.dat")),
                  " 2\r\n 2000\r\n 1\r\n 1\r\n 5\r\n 2004\r\n 3\r\n 15\r\n 8\r\n 0\r\n 0\r\n");
    }
}

TEST_F(TaxDialogTest, AFailedWriteIsToldAndTheDialogStaysOpen) {
    setDefaultTax();
    setWriteFaultHook([](WriteStage stage) { return stage == WriteStage::Rename; });
    TaxSettingsDialog w;
    TestScript script;
    script.answer(Answer::Ok).window<TaxSettingsDialog>([&](TaxSettingsDialog& d) {
        d.okButton()->click();
        EXPECT_TRUE(d.isOpen());
        d.closeWindow();
    });
    runModal(w);
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_TRUE(script.boxes()[0].text.startsWith("税率の設定を保存できませんでした。"));
    EXPECT_FALSE(std::filesystem::exists(root("opt.dat")));
}

TEST_F(TaxDialogTest, NegativeRatesAndAFullTableAreRefusedWithAMessage) {
    taxCount = 0;
    for (int i = 0; i < kTaxCapacity; ++i)
        ASSERT_EQ(addTaxEntry(2000, 1, 1, 5), TaxAddResult::Added);
    TaxSettingsDialog w;
    TestScript script;
    script.answer(Answer::Ok)
        .answer(Answer::Ok)
        .window<TaxSettingsDialog>([&](TaxSettingsDialog& d) {
            d.rateBox()->setText("-5");
            d.addButton()->click();
            d.rateBox()->setText("5");
            d.addButton()->click();
            EXPECT_EQ(d.rateList()->count(), kTaxCapacity);
            d.closeWindow();
        });
    runModal(w);
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[0].text, "マイナスの税率は登録できません");
    EXPECT_EQ(script.boxes()[1].text, "税率は1001件までしか登録できません");
    EXPECT_EQ(taxCount, kTaxCapacity);
}

TEST_F(TaxDialogTest, DateBoxesMoveTheSpinnersAndTheSpinnersRollOver) {
    setDefaultTax();
    TaxSettingsDialog w;
    TestScript script;
    script.window<TaxSettingsDialog>([&](TaxSettingsDialog& d) {
        // Typing past the range: the day box shows 31, the month box leaves its spinner.
        d.dayBox()->setText("45");
        EXPECT_EQ(d.dayBox()->text(), "31");
        EXPECT_EQ(picked(d), (SpinDate{2004, 3, 31}));
        d.monthBox()->setText("13");
        EXPECT_EQ(d.monthSpinner()->value(), 3);
        d.yearBox()->setText("10000");
        EXPECT_EQ(d.yearSpinner()->value(), 2004);

        // Emptying the day box picks the last day of the month before; the box stays empty.
        d.monthBox()->setText(" 3");
        d.dayBox()->clear();
        EXPECT_EQ(picked(d), (SpinDate{2004, 2, 29}));
        EXPECT_EQ(d.dayBox()->text(), "");
        EXPECT_EQ(d.monthBox()->text(), " 2");
        d.rateBox()->setText("5");
        d.addButton()->click();
        EXPECT_EQ(d.rateList()->item(1)->text(), " 2004年 2月 29日: 5％");

        // The arrows: down from 1 March 2004, up past December.
        d.dayBox()->setText("1");
        d.monthBox()->setText("3");
        d.daySpinner()->stepDown();
        EXPECT_EQ(picked(d), (SpinDate{2004, 2, 29}));
        EXPECT_EQ(d.dayBox()->text(), " 29");
        EXPECT_EQ(d.monthBox()->text(), " 2");
        d.monthBox()->setText("12");
        d.monthSpinner()->stepUp();
        EXPECT_EQ(picked(d), (SpinDate{2005, 1, 29}));
        EXPECT_EQ(d.yearBox()->text(), " 2005");

        // A month typed into a longer day steps the day back; years stay in range.
        d.dayBox()->setText("31");
        d.monthBox()->setText("4");
        EXPECT_EQ(picked(d), (SpinDate{2005, 4, 30}));
        d.yearBox()->setText("9999");
        d.monthBox()->setText("12");
        d.dayBox()->setText("31");
        d.daySpinner()->stepUp(); // no step past the last year: nothing moves
        EXPECT_EQ(picked(d), (SpinDate{9999, 12, 31}));
        EXPECT_EQ(d.dayBox()->text(), "31");
        d.closeWindow();
    });
    runModal(w);
}
