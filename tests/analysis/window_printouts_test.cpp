#include "analysis/analysis_window.h"
#include "analysis/detail_condition_frame.h"
#include "platform/clock.h"
#include "platform/grid.h"
#include "storage/cp932.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/grid_clicks.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace lukana;
using lukana::platform::Orientation;
using lukana::platform::PrintRecording;

namespace {

// December 2003 with two slips on the 5th: three persons at 20 and 21, one at 18.
struct DecemberMonths : MonthSource {
    void loadMonth(int year, int month, NippouMonth& into) override {
        if (year != 2003 || month != 12)
            return;
        NippouDay& day = into[5];
        const std::array<std::array<double, 8>, 2> slips{
            {{2, 1, 0, 0, 20, 0, 21, 30}, {1, 0, 0, 0, 18, 0, 18, 30}}};
        for (const auto& values : slips)
            std::copy(values.begin(), values.end(), day.slipValues[day.slipCount++].begin());
    }
};

class WindowPrintoutsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        busyoNames[0] = "本店";
        busyoCount = 1;
        curBusyo = 0;
        platform::setToday(platform::CalendarDay{2004, 1, 10});
        window = std::make_unique<AnalysisWindow>(AnalysisKind::Customers, [](const std::string&) {
            return std::make_unique<DecemberMonths>();
        });
        window->load();
    }
    void TearDown() override { platform::setToday(std::nullopt); }

    // Presses a print button on a chosen printer and returns what was printed.
    PrintRecording press(QPushButton* button) {
        TestScript script;
        script.printer(true);
        button->click();
        EXPECT_EQ(script.printouts().size(), 1u);
        return script.printouts().empty() ? PrintRecording{} : script.printouts()[0];
    }

    std::unique_ptr<AnalysisWindow> window;
};

const QString kShownPeriod = QStringLiteral("【集客状況 2003年 12月 1日～ 2003年 12月 31日 ");

} // namespace

TEST_F(WindowPrintoutsTest, ChartPrintButtonPrintsTheChartOfTheChosenKind) {
    const PrintRecording bar = press(window->rankingPrintButton());
    EXPECT_EQ(bar.documentName, "集客状況レポート_本店_棒グラフ_20031201-20031231");
    EXPECT_EQ(bar.texts(0).mid(0, 3),
              (QStringList{"200,100 集客状況レポート", "400,270 " + kShownPeriod,
                           QStringLiteral("400,330  曜日:全て  客層:全て")}));
    EXPECT_TRUE(bar.texts(0).contains("100,520 21時"));
    EXPECT_TRUE(bar.texts(0).contains("100,720 18時"));

    window->chartKindButton(1)->setChecked(true);
    const PrintRecording pie = press(window->rankingPrintButton());
    EXPECT_EQ(pie.texts(0).first(), "200,1980 集客状況レポート");
    EXPECT_EQ(pie.pages[0].front().toString(), "scale 0,0 2200,3900");
}

TEST_F(WindowPrintoutsTest, LinePrintButtonPrintsTheClickedKeyAndNothingBeforeAClick) {
    {
        TestScript script; // no series yet: no printer choice
        window->linePrintButton()->click();
    }
    clickCell(*window->rankingGrid(), 3, 1); // 18時
    const PrintRecording line = press(window->linePrintButton());
    EXPECT_EQ(line.orientation, Orientation::Landscape);
    EXPECT_EQ(line.documentName, "集客状況レポート_本店_折れ線グラフ_18時_日別_20031201-20031231");
    EXPECT_EQ(line.texts(0).first(), "-100,2300 集客状況レポート【18時】");
}

TEST_F(WindowPrintoutsTest, PrintoutsShowTheDetailedConditionOfTheLastRecalculation) {
    window->customerTypeList()->setListIndex(kDetailed);
    clickCell(*window->rankingGrid(), 3, 1);          // a key for the line printout
    window->detailFrame()->countBox(0)->setText("2"); // not yet recalculated
    for (QPushButton* button :
         {window->rankingPrintButton(), window->linePrintButton(), window->tablePrintButton()}) {
        const QString condition = press(button).texts(0).filter(QStringLiteral("男性:")).join("");
        EXPECT_TRUE(condition.contains(QStringLiteral("男性: 0人ピタ")))
            << button->objectName().toStdString();
        EXPECT_FALSE(condition.contains(QStringLiteral("男性: 2人")));
    }

    window->detailFrame()->recalculateButton()->click();
    const QStringList texts = press(window->tablePrintButton()).texts(0);
    EXPECT_EQ(texts[0], "300,40 " + kShownPeriod);
    EXPECT_TRUE(texts[1].contains(QStringLiteral("男性: 2人ピタ")));
    EXPECT_TRUE(texts[3].endsWith(",400 1位")); // the table starts below the two-piece condition
    EXPECT_EQ(texts[5], "500,400 " + window->rankingGrid()->text(1, 1));
    EXPECT_TRUE(window->rankingGrid()->isVisibleTo(window.get()));
}

TEST_F(WindowPrintoutsTest, TablePrintoutLeavesTheCurrentCellWhereItWas) {
    clickCell(*window->rankingGrid(), 3, 1); // 18時
    press(window->tablePrintButton());
    EXPECT_EQ(window->rankingGrid()->row(), 3);
    EXPECT_EQ(window->rankingGrid()->col(), 1);
    window->lineAxisButton(2)->click(); // the line chart still follows the clicked row
    EXPECT_EQ(window->analysis().keyLabel(), "18時");
}

TEST_F(WindowPrintoutsTest, EveryOutputProposesANameOfItsOwn) {
    clickCell(*window->rankingGrid(), 3, 1); // 18時
    QStringList names;
    auto proposedCsv = [&](QPushButton* button) {
        TestScript script;
        script.saveFile(std::nullopt);
        button->click();
        return script.saveRequests().empty() ? QString() : script.saveRequests()[0].suggested;
    };
    names << QFileInfo(proposedCsv(window->tableCsvButton())).completeBaseName()
          << QFileInfo(proposedCsv(window->seriesCsvButton())).completeBaseName();
    window->lineAxisButton(2)->click();
    names << QFileInfo(proposedCsv(window->seriesCsvButton())).completeBaseName();
    for (QPushButton* button :
         {window->rankingPrintButton(), window->linePrintButton(), window->tablePrintButton()})
        names << press(button).documentName;
    window->chartKindButton(1)->setChecked(true);
    names << press(window->rankingPrintButton()).documentName;
    EXPECT_EQ(names, (QStringList{"集客状況レポート_本店_ランキング_20031201-20031231",
                                  "集客状況レポート_本店_推移_18時_日別_20031201-20031231",
                                  "集客状況レポート_本店_推移_18時_月別_20031201-20031231",
                                  "集客状況レポート_本店_棒グラフ_20031201-20031231",
                                  "集客状況レポート_本店_折れ線グラフ_18時_月別_20031201-20031231",
                                  "集客状況レポート_本店_ランキング表_20031201-20031231",
                                  "集客状況レポート_本店_円グラフ_20031201-20031231"}));
}

TEST_F(WindowPrintoutsTest, TheSeriesCsvSavedAfterTheRankingCsvUnderItsProposedNameLeavesBoth) {
    clickCell(*window->rankingGrid(), 3, 1); // 18時
    TempDir folder;
    TestScript script;
    script.answer(platform::Answer::Ok).answer(platform::Answer::Ok); // two successes
    int dialogs = 0;
    // Each dialog is accepted with the name it proposes; a third one is cancelled.
    platform::setSaveFileHook([&](const platform::SaveFileRequest& request) {
        return ++dialogs <= 2
                   ? std::optional(
                         QDir(QString::fromStdString(folder.str())).filePath(request.suggested))
                   : std::nullopt;
    });
    window->tableCsvButton()->click();
    window->seriesCsvButton()->click();
    EXPECT_EQ(dialogs, 2);
    std::vector<std::string> firstLines;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        const std::string bytes = readBytes(entry.path().string());
        firstLines.push_back(bytes.substr(0, bytes.find('\r')));
    }
    std::sort(firstLines.begin(), firstLines.end());
    EXPECT_EQ(firstLines, (std::vector<std::string>{*toCp932("集客状況レポート"),
                                                    *toCp932("集客状況レポート【18時】")}));
}
