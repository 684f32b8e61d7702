#include "analysis/analysis_window.h"
#include "analysis/chart_viewport.h"
#include "analysis/core/month_fixture.h"
#include "analysis/detail_condition_frame.h"
#include "analysis/period_frame.h"
#include "platform/clock.h"
#include "platform/grid.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "platform/surface.h"
#include "storage/cp932.h"
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/grid_clicks.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace lukana;

namespace {

// Counts the months a window reads, and reads them from the department's files.
struct CountingMonths : MonthSource {
    explicit CountingMonths(std::string department, std::vector<std::pair<int, int>>& reads)
        : files(std::move(department)), reads(reads) {}
    void loadMonth(int year, int month, NippouMonth& into) override {
        reads.emplace_back(year, month);
        files.loadMonth(year, month, into);
    }
    DepartmentMonths files;
    std::vector<std::pair<int, int>>& reads;
};

class AnalysisWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = drive.str();
        for (const char* name : {"本店", "支店"}) {
            busyoRecs[busyoCount].name = name;
            busyoRecs[busyoCount].id = busyoCount + 1;
            ++busyoCount;
            std::filesystem::create_directories(busyoFolderPath(name));
        }
        rebuildBusyoLists();
        curBusyo = 0;
        platform::setToday(platform::CalendarDay{2004, 1, 10});
    }
    void TearDown() override {
        platform::setToday(std::nullopt);
        platform::setMousePointer(platform::Pointer::Normal);
    }

    std::unique_ptr<AnalysisWindow> open(AnalysisKind kind) {
        auto window = std::make_unique<AnalysisWindow>(kind, [this](const std::string& department) {
            return std::make_unique<CountingMonths>(department, reads);
        });
        window->load();
        return window;
    }

    // A slip on a day of a month file of the department.
    static void addSlip(const std::string& department, int year, int month, int day,
                        std::array<double, 8> values,
                        std::vector<std::pair<int, int>> orders = {}) {
        auto m = std::make_unique<NippouMonth>();
        double fixedCosts = 0;
        const std::string path = nippouPath(department, year, month);
        if (std::filesystem::exists(path)) {
            ASSERT_TRUE(readNippouMonth(path, *m, fixedCosts).ok());
        }
        NippouDay& d = (*m)[day];
        const int g = d.slipCount++;
        std::copy(values.begin(), values.end(), d.slipValues[g].begin());
        d.lineCount[g] = static_cast<int>(orders.size());
        for (std::size_t c = 0; c < orders.size(); ++c) {
            d.lineMenu[g][c] = orders[c].first;
            d.lineQty[g][c] = orders[c].second;
        }
        ASSERT_TRUE(writeNippouMonth(path, *m, fixedCosts).ok());
    }

    static void writeMenu(const std::string& department, std::vector<MenuItem> items,
                          std::vector<MenuBunrui> categories) {
        menudCount = static_cast<int>(items.size());
        std::copy(items.begin(), items.end(), menudRecs.begin());
        ASSERT_TRUE(writeMenuItems(busyoFilePath(department, "menud.dat")).ok());
        mbunCount = static_cast<int>(categories.size());
        std::copy(categories.begin(), categories.end(), mbunRecs.begin());
        ASSERT_TRUE(writeMenuCategories(busyoFilePath(department, "mbun.dat")).ok());
        menudCount = mbunCount = 0;
    }

    static MenuItem item(int id, std::string name, int bunruiId) {
        MenuItem i;
        i.id = id;
        i.name = std::move(name);
        i.bunruiId = bunruiId;
        return i;
    }

    static QString cell(const AnalysisWindow& w, int row, int col) {
        return w.rankingGrid()->text(row, col);
    }

    // The file's text, read back from code page 932.
    static std::string fileText(const std::string& path) {
        const auto text = fromCp932(readBytes(path));
        return text ? *text : std::string("<not CP932>");
    }

    std::string target(const char* name) const { return (drive.path() / name).string(); }

    TempDir drive;
    std::vector<std::pair<int, int>> reads;
};

constexpr std::array<double, 8> kEightToNine{2, 1, 0, 0, 20, 0, 21, 30}; // 3 persons at 20, 21

} // namespace

TEST_F(AnalysisWindowTest, OpeningRanksLastMonthOfTheCurrentDepartment) {
    addSlip("本店", 2003, 12, 5, kEightToNine);
    auto w = open(AnalysisKind::Customers);
    EXPECT_EQ(w->windowTitle(), "売れ筋メニュー分析");
    EXPECT_EQ(reads, (std::vector<std::pair<int, int>>{{2003, 12}}));
    EXPECT_EQ(w->periodFrame()->period(), (AnalysisPeriod{2003, 12, 1, 2003, 12, 31}));
    EXPECT_EQ(w->periodFrame()->selectedPreset(), PeriodPreset::LastMonth);
    EXPECT_EQ(w->departmentList()->listIndex(), 0);
    ASSERT_EQ(w->rankingGrid()->rows(), 25);
    EXPECT_EQ(w->rankingGrid()->fixedRows(), 1);
    EXPECT_EQ(cell(*w, 0, 0), "順位");
    EXPECT_EQ(cell(*w, 0, 1), "メニュー名");
    EXPECT_EQ(cell(*w, 0, 2), "オーダー数");
    EXPECT_EQ(cell(*w, 1, 1), "21時");
    EXPECT_EQ(cell(*w, 1, 2), "3");
    EXPECT_EQ(cell(*w, 2, 0), "1");
    EXPECT_EQ(cell(*w, 3, 0), "3");
    EXPECT_EQ(w->rankingGrid()->row(), 24); // the last row filled
    EXPECT_NEAR(w->rankingGrid()->colWidth(1), 1900, platform::kTwipsPerPixel);
    EXPECT_EQ(w->analysis().series().count(), 0); // the line chart stays empty
    EXPECT_TRUE(w->detailFrame()->isHidden());
}

TEST_F(AnalysisWindowTest, TheValueColumnShowsTwelveDigitAndNegativeTotalsWhole) {
    addSlip("本店", 2003, 12, 5, {999999999999, 0, 0, 0, 20, 0, 20, 30});
    addSlip("本店", 2003, 12, 6, {-99999999999, 0, 0, 0, 22, 0, 22, 30});
    auto w = open(AnalysisKind::Customers);
    const platform::Grid& grid = *w->rankingGrid();
    QStringList values;
    for (int row = 1; row < grid.rows(); ++row)
        values << grid.text(row, 2);
    EXPECT_TRUE(values.contains("999999999999"));
    EXPECT_TRUE(values.contains("-99999999999"));
    for (const QString& value : values)
        EXPECT_LT(grid.fontMetrics().horizontalAdvance(value) * platform::kTwipsPerPixel,
                  grid.colWidth(2))
            << value.toStdString();
}

TEST_F(AnalysisWindowTest, FilterListsOpenOnAllAndAChoiceRecalculates) {
    addSlip("本店", 2003, 12, 5, kEightToNine); // a Friday
    auto w = open(AnalysisKind::Menu);
    ASSERT_EQ(w->weekdayList()->count(), 8);
    EXPECT_EQ(w->weekdayList()->item(7)->text(), "土曜日");
    ASSERT_EQ(w->arrivalSlotList()->count(), 14);
    EXPECT_EQ(w->arrivalSlotList()->item(1)->text(), " 0時～ 2時");
    ASSERT_EQ(w->customerTypeList()->count(), 10);
    for (platform::ListBox* list : {w->weekdayList(), w->arrivalSlotList(), w->customerTypeList()})
        EXPECT_EQ(list->listIndex(), 0);
    reads.clear();
    w->weekdayList()->setListIndex(7);
    EXPECT_EQ(reads.size(), 1u);
    EXPECT_EQ(w->analysis().filters().weekday, 7);
    w->arrivalSlotList()->setListIndex(11); // 20 to 22 o'clock
    EXPECT_EQ(reads.size(), 2u);
    EXPECT_EQ(w->analysis().filters().arrivalSlot, 11);
    w->arrivalSlotList()->setListIndex(11); // no change, no recalculation
    EXPECT_EQ(reads.size(), 2u);
}

TEST_F(AnalysisWindowTest, NoSuchDepartmentOpensWithoutACalculation) {
    curBusyo = 5;
    auto w = open(AnalysisKind::Customers);
    EXPECT_TRUE(reads.empty());
    EXPECT_EQ(w->departmentList()->listIndex(), -1);
    EXPECT_EQ(w->rankingGrid()->rows(), 1);
    w->periodFrame()->recalculateButton()->click();
    EXPECT_TRUE(reads.empty());
    w->departmentList()->setListIndex(1); // choosing one starts the first calculation
    EXPECT_EQ(reads.size(), 1u);
    EXPECT_EQ(curBusyo, 1);
}

TEST_F(AnalysisWindowTest, MenuDepartmentChangeRefillsCategoriesAndRecalculatesOnce) {
    writeMenu("本店", {item(1, "ビール", 7)}, {{7, "飲物"}});
    writeMenu("支店", {item(1, "ビール", 8), item(2, "枝豆", 9), item(3, "焼酎", 8)},
              {{8, "酒"}, {9, "つまみ"}});
    addSlip("支店", 2003, 12, 5, kEightToNine, {{2, 4}});
    auto w = open(AnalysisKind::Menu);
    ASSERT_EQ(w->categoryList()->count(), 2);
    w->categoryList()->setListIndex(1);
    reads.clear();

    w->departmentList()->setListIndex(1);
    EXPECT_EQ(reads.size(), 1u);
    EXPECT_EQ(curBusyo, 1);
    ASSERT_EQ(w->categoryList()->count(), 3);
    EXPECT_EQ(w->categoryList()->itemText(2), "つまみ");
    EXPECT_EQ(w->categoryList()->listIndex(), 0);
    ASSERT_EQ(w->rankingGrid()->rows(), 4);
    EXPECT_EQ(cell(*w, 1, 1), "枝豆");
    EXPECT_EQ(cell(*w, 1, 2), "4");
    EXPECT_EQ(cell(*w, 2, 1), "焼酎"); // ties: the later item first
    EXPECT_EQ(cell(*w, 2, 0), "2");
    EXPECT_EQ(cell(*w, 3, 0), "2");

    reads.clear();
    w->categoryList()->setListIndex(1); // 酒
    EXPECT_EQ(reads.size(), 1u);
    EXPECT_EQ(w->rankingGrid()->rows(), 3);
}

TEST_F(AnalysisWindowTest, DamagedMenuFilesAreReportedAndLeftAsTheyAre) {
    writeMenu("本店", {item(1, "ビール", 7)}, {{7, "飲物"}});
    for (const char* name : {"menud.dat", "mbun.dat"}) {
        const std::string path = busyoFilePath("本店", name);
        const std::string kept = readBytes(path);
        writeBytes(path, "3\r\nnot a number\r\n");
        TestScript script;
        script.answer(platform::Answer::Ok);
        auto w = open(AnalysisKind::Menu);
        ASSERT_EQ(script.boxes().size(), 1u) << name;
        EXPECT_EQ(script.boxes()[0].text,
                  QString::fromUtf8(name) + " が壊れていて読めませんでした。");
        EXPECT_EQ(readBytes(path), "3\r\nnot a number\r\n");
        // The damaged list reads as empty, the other one as stored.
        const bool items = std::string(name) == "menud.dat";
        EXPECT_EQ(menudCount, items ? 0 : 1) << name;
        EXPECT_EQ(mbunCount, items ? 1 : 0) << name;
        EXPECT_EQ(w->rankingGrid()->rows(), items ? 1 : 2) << name;
        EXPECT_EQ(w->categoryList()->count(), items ? 2 : 1) << name;
        writeBytes(path, kept);
    }
}

TEST_F(AnalysisWindowTest, PresetsTakeTodayFromTheClock) {
    struct Case {
        platform::CalendarDay today;
        PeriodPreset preset;
        AnalysisPeriod period;
    } cases[] = {
        {{2004, 1, 10}, PeriodPreset::LastMonth, {2003, 12, 1, 2003, 12, 31}},
        {{2004, 3, 10}, PeriodPreset::LastMonth, {2004, 2, 1, 2004, 2, 29}},
        {{2004, 5, 20}, PeriodPreset::ThisYear, {2004, 1, 1, 2004, 5, 20}},
        {{2004, 3, 1}, PeriodPreset::ThisMonth, {2004, 3, 1, 2004, 3, 1}},
    };
    auto w = open(AnalysisKind::Customers);
    for (const Case& c : cases) {
        platform::setToday(c.today);
        w->periodFrame()->selectPreset(PeriodPreset::Free);
        reads.clear();
        w->periodFrame()->presetButton(c.preset)->click();
        EXPECT_EQ(w->periodFrame()->period(), c.period) << c.today.month << "/" << c.today.day;
        EXPECT_EQ(w->analysis().period(), c.period);
        EXPECT_FALSE(reads.empty());
        EXPECT_EQ(w->periodFrame()->selectedPreset(), c.preset);
    }
}

TEST_F(AnalysisWindowTest, HandChangeSelectsFreeWithoutRecalculating) {
    auto w = open(AnalysisKind::Customers);
    reads.clear();
    PeriodFrame* p = w->periodFrame();
    p->spinner(1, platform::DatePart::Day)->stepUp(); // 31 December up: 1 January 2004
    EXPECT_EQ(p->selectedPreset(), PeriodPreset::Free);
    EXPECT_TRUE(reads.empty());
    EXPECT_EQ(p->period(), (AnalysisPeriod{2003, 12, 1, 2004, 1, 1}));
    EXPECT_EQ(p->box(1, platform::DatePart::Day)->text(), " 1");
    EXPECT_EQ(p->box(1, platform::DatePart::Month)->text(), " 1");
    EXPECT_EQ(p->box(1, platform::DatePart::Year)->text(), " 2004");
    EXPECT_EQ(w->analysis().period(), (AnalysisPeriod{2003, 12, 1, 2003, 12, 31}));

    p->box(0, platform::DatePart::Month)->setText("11");
    p->box(0, platform::DatePart::Day)->setText("3,1"); // the comma goes; 31 November is 1 December
    EXPECT_EQ(p->box(0, platform::DatePart::Day)->text(), "31");
    EXPECT_EQ(p->box(0, platform::DatePart::Month)->text(), " 12");
    EXPECT_TRUE(reads.empty());
    p->recalculateButton()->click();
    EXPECT_EQ(reads, (std::vector<std::pair<int, int>>{{2003, 12}, {2004, 1}}));
    EXPECT_EQ(w->analysis().period(), (AnalysisPeriod{2003, 12, 1, 2004, 1, 1}));
}

TEST_F(AnalysisWindowTest, CountBoxesClampAndRound) {
    auto w = open(AnalysisKind::Customers);
    DetailConditionFrame* d = w->detailFrame();
    struct Case {
        const char* typed;
        const char* shown;
        int count;
    } cases[] = {
        {"150", "100", 100}, {"-3", "0", 0}, {"2.5", "2.5", 2}, {"3.5", "3.5", 4}, {"x", "x", 0}};
    for (const Case& c : cases) {
        d->countBox(1)->setText(c.typed);
        EXPECT_EQ(d->countBox(1)->text(), c.shown) << c.typed;
        EXPECT_EQ(d->countSpinner(1)->value(), c.count) << c.typed;
    }
    d->countSpinner(1)->stepUp();
    EXPECT_EQ(d->countBox(1)->text(), "1");
}

TEST_F(AnalysisWindowTest, DetailFrameShowsOnlyForTheDetailedType) {
    addSlip("本店", 2003, 12, 5, kEightToNine);
    auto w = open(AnalysisKind::Customers);
    reads.clear();
    w->customerTypeList()->setListIndex(kDetailed);
    EXPECT_FALSE(w->detailFrame()->isHidden());
    EXPECT_EQ(reads.size(), 1u);
    EXPECT_EQ(cell(*w, 1, 2), "0"); // nobody comes without persons

    w->detailFrame()->countBox(0)->setText("2");
    w->detailFrame()->modeButton(0, 1)->click(); // 2 men or more: still the old figures
    EXPECT_EQ(reads.size(), 1u);
    EXPECT_EQ(w->analysis().filters().detailCounts[0], 0);
    w->detailFrame()->recalculateButton()->click();
    EXPECT_EQ(reads.size(), 2u);
    EXPECT_EQ(cell(*w, 1, 2), "0"); // women 0 exactly fails
    w->detailFrame()->modeButton(1, 1)->click();
    w->detailFrame()->recalculateButton()->click();
    EXPECT_EQ(cell(*w, 1, 2), "3");

    w->customerTypeList()->setListIndex(kWithWomen);
    EXPECT_TRUE(w->detailFrame()->isHidden());
    EXPECT_EQ(reads.size(), 4u);
}

TEST_F(AnalysisWindowTest, RowClickAndAxisBuildTheSeries) {
    addSlip("本店", 2003, 12, 5, kEightToNine);
    auto w = open(AnalysisKind::Customers);
    w->lineAxisButton(2)->click(); // the current row is the last one: 0時
    EXPECT_EQ(w->analysis().keyLabel(), "0時");
    EXPECT_EQ(w->analysis().series().labels, std::vector<std::string>{"12月"});
    w->rankingGrid()->setRow(1);
    w->lineAxisButton(1)->click();
    EXPECT_EQ(w->analysis().keyLabel(), "21時");
    EXPECT_EQ(w->analysis().series().count(), 5);
    reads.clear();
    w->chartKindButton(1)->click(); // the chart kind recalculates and empties the series
    EXPECT_EQ(w->chartKind(), 1);
    EXPECT_EQ(reads.size(), 1u);
    EXPECT_EQ(w->analysis().series().count(), 0);
}

TEST_F(AnalysisWindowTest, AxisWithOnlyTheHeadingRowDoesNothing) {
    auto w = open(AnalysisKind::Menu); // no menu items: the heading row alone
    ASSERT_EQ(w->rankingGrid()->rows(), 1);
    w->lineAxisButton(1)->click();
    EXPECT_EQ(w->analysis().series().count(), 0);
}

TEST_F(AnalysisWindowTest, AxisChosenOnTheHeadingRowEmptiesTheLineChartAndItsSeries) {
    addSlip("本店", 2003, 12, 5, kEightToNine);
    auto w = open(AnalysisKind::Customers);
    clickCell(*w->rankingGrid(), 1, 1); // 21時 by day
    ASSERT_EQ(w->analysis().series().count(), 31);
    EXPECT_EQ(w->lineScrollBar().maximum(), 110);
    clickCell(*w->rankingGrid(), 0, 1); // the heading: the click itself draws nothing
    ASSERT_EQ(w->rankingGrid()->row(), 0);
    EXPECT_EQ(w->analysis().series().count(), 31);

    w->lineAxisButton(1)->click(); // no key under the new axis: nothing of the old one stays
    EXPECT_EQ(w->lineAxis(), LineAxis::Weeks);
    EXPECT_EQ(w->analysis().series().count(), 0);
    EXPECT_EQ(w->lineScale(), LineScale{});
    EXPECT_EQ(w->lineScrollBar().maximum(), 0);
    QImage blank(w->surface(ChartPicture::LineTexts).image().size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(w->surface(ChartPicture::LineTexts).image(), blank);

    TestScript script; // the line printout finds nothing to print and asks for no printer
    w->linePrintButton()->click();
    script.saveFile(QString::fromStdString(target("series.csv")));
    script.answer(platform::Answer::Ok);
    w->seriesCsvButton()->click();
    EXPECT_EQ(fileText(target("series.csv")), "集客状況レポート【21時】\r\n"
                                              "【集客状況 2003年 12月 1日～ 2003年 12月 31日 \r\n"
                                              " 曜日:全て  客層:全て\r\n\r\n");

    clickCell(*w->rankingGrid(), 2, 1); // a row again: its line by week
    EXPECT_EQ(w->analysis().keyLabel(), "20時");
    EXPECT_EQ(w->analysis().series().count(), 5);
}

TEST_F(AnalysisWindowTest, TableCsvOfDecemberByteForByte) {
    addSlip("本店", 2003, 12, 5, kEightToNine);
    auto w = open(AnalysisKind::Customers);
    TestScript script;
    script.saveFile(QString::fromStdString(target("table.csv")));
    script.answer(platform::Answer::Ok);
    w->tableCsvButton()->click();
    ASSERT_EQ(script.saveRequests().size(), 1u);
    EXPECT_EQ(script.saveRequests()[0].suggested,
              "集客状況レポート_本店_ランキング_20031201-20031231.csv");
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, "ﾌｧｲﾙ処理に成功しました");
    EXPECT_EQ(fileText(target("table.csv")),
              analysis_fixtures::decemberCustomerTableCsv() + "\r\n");
}

TEST_F(AnalysisWindowTest, HeadingOnlyMenuTableAndAQuotedName) {
    auto w = open(AnalysisKind::Menu);
    TestScript script;
    script.saveFile(QString::fromStdString(target("menu.csv")));
    script.answer(platform::Answer::Ok);
    w->tableCsvButton()->click();
    EXPECT_EQ(fileText(target("menu.csv")),
              "売れ筋メニューレポート\r\n"
              "【売れ筋メニュー 2003年 12月 1日～ 2003年 12月 31日 \r\n"
              " 曜日:全て  時間帯:全て  客層:全て  分類:全て】\r\n"
              "順位,メニュー名,オーダー数\r\n\r\n");

    writeMenu("本店", {item(4, "\"特\"定食", 0)}, {});
    w->departmentList()->setListIndex(-1);
    w->departmentList()->setListIndex(0);
    script.saveFile(QString::fromStdString(target("menu2.csv")));
    script.answer(platform::Answer::Ok);
    w->tableCsvButton()->click();
    EXPECT_EQ(fileText(target("menu2.csv")),
              "売れ筋メニューレポート\r\n"
              "【売れ筋メニュー 2003年 12月 1日～ 2003年 12月 31日 \r\n"
              " 曜日:全て  時間帯:全て  客層:全て  分類:全て】\r\n"
              "順位,メニュー名,オーダー数\r\n"
              "1,\"\"\"特\"\"定食\",0\r\n\r\n");
}

TEST_F(AnalysisWindowTest, SeriesCsvOfAnHourByMonthThenEmpty) {
    addSlip("本店", 2003, 12, 5, kEightToNine);
    auto w = open(AnalysisKind::Customers);
    w->rankingGrid()->setRow(2); // 20時
    w->lineAxisButton(2)->click();
    TestScript script;
    script.saveFile(QString::fromStdString(target("series.csv")));
    script.answer(platform::Answer::Ok);
    w->seriesCsvButton()->click();
    const std::string header = "集客状況レポート【20時】\r\n"
                               "【集客状況 2003年 12月 1日～ 2003年 12月 31日 \r\n"
                               " 曜日:全て  客層:全て\r\n";
    EXPECT_EQ(fileText(target("series.csv")), header + "12月,3\r\n\r\n");

    w->periodFrame()->recalculateButton()->click(); // empties the series
    script.saveFile(QString::fromStdString(target("empty.csv")));
    script.answer(platform::Answer::Ok);
    w->seriesCsvButton()->click();
    EXPECT_EQ(fileText(target("empty.csv")), header + "\r\n");
}

TEST_F(AnalysisWindowTest, CsvCancelledOrRefusedWritesNothing) {
    auto w = open(AnalysisKind::Customers);
    const std::string existing = target("old.csv");
    writeBytes(existing, "old");
    TestScript script;
    script.saveFile(std::nullopt);
    w->tableCsvButton()->click();
    EXPECT_TRUE(script.boxes().empty());

    script.saveFile(QString::fromStdString(existing));
    script.answer(platform::Answer::No);
    script.saveFile(std::nullopt); // asked again, then cancelled
    w->seriesCsvButton()->click();
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].title, "上書確認");
    EXPECT_EQ(readBytes(existing), "old");
}

TEST_F(AnalysisWindowTest, CsvReadOnlyTargetFailsAndKeepsTheFile) {
    auto w = open(AnalysisKind::Customers);
    const std::string existing = target("locked.csv");
    writeBytes(existing, "kept");
    ::chmod(existing.c_str(), 0444);
    TestScript script;
    script.saveFile(QString::fromStdString(existing));
    script.answer(platform::Answer::Yes);
    script.answer(platform::Answer::Ok);
    w->tableCsvButton()->click();
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[1].text, "ファイルの作成に失敗しました");
    EXPECT_EQ(readBytes(existing), "kept");
    ::chmod(existing.c_str(), 0644);
}

TEST_F(AnalysisWindowTest, ScrollBarsMoveTheTextsSurfacesAndNewChartsClampThem) {
    addSlip("本店", 2003, 12, 5, kEightToNine);
    auto w = open(AnalysisKind::Customers);
    platform::ScrollBar& bar = w->rankingScrollBar();
    EXPECT_FALSE(bar.hasTracking()); // the picture moves when the thumb is let go
    EXPECT_EQ(bar.singleStep(), 1);
    EXPECT_EQ(bar.pageStep(), 1);
    EXPECT_EQ(bar.maximum(), 108);
    bar.setValue(108);
    EXPECT_EQ(w->surface(ChartPicture::RankingTexts).topTwips(), -10800);
    EXPECT_EQ(w->surface(ChartPicture::RankingTexts).y(), -720);
    EXPECT_EQ(w->surface(ChartPicture::RankingFigure).topTwips(), 0);
    bar.triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(w->surface(ChartPicture::RankingTexts).topTwips(), -10700);

    platform::ScrollBar& line = w->lineScrollBar();
    line.setMaximum(20);
    line.setValue(20);
    EXPECT_EQ(w->surface(ChartPicture::LineTexts).leftTwips(), -2000);
    w->periodFrame()->recalculateButton()->click(); // a bar chart again: still scrolled
    EXPECT_EQ(bar.value(), 107);
    EXPECT_EQ(w->surface(ChartPicture::RankingTexts).topTwips(), -10700);
    EXPECT_EQ(line.maximum(), 0);
    EXPECT_EQ(w->surface(ChartPicture::LineTexts).leftTwips(), 0);
    EXPECT_EQ(w->rankingScale(), (RankingScale{24, 3, 0}));

    w->chartKindButton(1)->click(); // the pie fits the viewport
    EXPECT_EQ(bar.maximum(), 0);
    EXPECT_EQ(w->surface(ChartPicture::RankingTexts).topTwips(), 0);
    EXPECT_EQ(w->surface(ChartPicture::RankingTexts).heightTwips(), 7215);
    EXPECT_EQ(w->rankingScale(), (RankingScale{10, 3, 0}));
}

TEST_F(AnalysisWindowTest, FiveHundredOneItemsScrollPastSixteenBitOffsets) {
    std::vector<MenuItem> items;
    for (int id = 1; id <= 501; ++id)
        items.push_back(item(id, "品" + std::to_string(id), 0));
    writeMenu("本店", items, {});
    auto w = open(AnalysisKind::Menu);
    ASSERT_EQ(w->rankingGrid()->rows(), 502);
    platform::ScrollBar& bar = w->rankingScrollBar();
    EXPECT_EQ(bar.maximum(), 2970);
    for (int value : {330, 2970}) { // offsets just past 32767 twips and at the very end
        bar.setValue(value);
        EXPECT_EQ(w->surface(ChartPicture::RankingTexts).topTwips(), -100 * value);
        EXPECT_EQ(w->surface(ChartPicture::RankingTexts).y(), -100 * value / 15);
    }
    EXPECT_EQ(w->surface(ChartPicture::RankingFigure).topTwips(), 0);
}

TEST_F(AnalysisWindowTest, CopyButtonsPutWholePicturesOnTheClipboard) {
    addSlip("本店", 2003, 12, 5, kEightToNine);
    auto w = open(AnalysisKind::Customers);
    w->rankingScrollBar().setValue(108);
    QClipboard* clipboard = QGuiApplication::clipboard();
    w->copyButton(ChartPicture::RankingTexts)->click();
    EXPECT_EQ(clipboard->image().size(), QSize(503, 1060));
    EXPECT_EQ(clipboard->image(), w->surface(ChartPicture::RankingTexts).image());
    w->copyButton(ChartPicture::RankingFigure)->click();
    EXPECT_EQ(clipboard->image(), w->surface(ChartPicture::RankingFigure).image());
    EXPECT_EQ(clipboard->image().size(), QSize(493, 1060));
    const QImage figure = clipboard->image().convertToFormat(QImage::Format_RGB32);
    int barPixels = 0; // the figure alone is drawn when copied: its bar is there
    for (int y = 0; y < figure.height(); ++y)
        for (int x = 0; x < figure.width(); ++x)
            barPixels += figure.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_GT(barPixels, 1000);
    w->copyButton(ChartPicture::LineTexts)->click(); // nothing drawn: a blank picture
    QImage blank(789, 133, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(clipboard->image().convertToFormat(QImage::Format_RGB32), blank);
    for (const char* name : {"rankingChartPrintButton", "lineChartPrintButton", "tablePrintButton"})
        EXPECT_TRUE(w->findChild<QPushButton*>(name)) << name;
    for (int p = 0; p < 4; ++p)
        EXPECT_TRUE(w->copyButton(ChartPicture(p))->isEnabled());
}

TEST_F(AnalysisWindowTest, RowClickDrawsTheLineChartAndANewRankingClearsIt) {
    addSlip("本店", 2003, 12, 5, kEightToNine);
    auto w = open(AnalysisKind::Customers);
    w->rankingGrid()->setRow(1);
    w->lineAxisButton(1)->click(); // 21時 by week
    EXPECT_EQ(w->lineScale(), (LineScale{5, 3, 0}));
    EXPECT_EQ(w->lineScrollBar().maximum(), 0);
    w->lineAxisButton(0)->click(); // by day: 31 points
    EXPECT_EQ(w->surface(ChartPicture::LineTexts).widthTwips(), 22800);
    EXPECT_EQ(w->lineScrollBar().maximum(), 110);
    w->lineScrollBar().setValue(110);
    EXPECT_EQ(w->surface(ChartPicture::LineTexts).leftTwips(), -11000);
    EXPECT_EQ(w->rankingScale(), (RankingScale{24, 3, 0})); // the ranking's scale stays its own

    w->periodFrame()->recalculateButton()->click();
    EXPECT_EQ(w->lineScale(), LineScale{});
    EXPECT_EQ(w->lineScrollBar().maximum(), 0);
    EXPECT_EQ(w->surface(ChartPicture::LineTexts).leftTwips(), 0);
    QImage blank(w->surface(ChartPicture::LineTexts).image().size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(w->surface(ChartPicture::LineTexts).image(), blank);
}
