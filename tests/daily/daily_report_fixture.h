#pragma once
// The daily report opened on a fresh data tree: one department "本店" with two bank accounts,
// the suppliers 酒屋 (11, on credit) and 八百屋 (12, for cash), today 10 July 2026.
#include "daily/amount_panel.h"
#include "daily/daily_report_window.h"
#include "daily/day_list_grid.h"
#include "daily/openers.h"
#include "platform/controls.h"
#include "platform/date_navigator.h"
#include "platform/grid.h"
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "support/grid_clicks.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

class DailyReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        using namespace lukana;
        resetSharedState();
        driveRoot = drive.str();
        std::filesystem::create_directories(busyoFolderPath("本店"));
        busyoCount = 1;
        busyoRecs[0].name = "本店";
        busyoRecs[0].id = 1;
        busyoRecs[0].bankName = "みずほ";
        busyoRecs[0].otherBankName[0] = "りそな";
        ASSERT_TRUE(writeDepartments(rootFilePath("misena.dat")).ok());
        siireCount = 2;
        siireNames[0] = "酒屋";
        siireIds[0] = 11;
        siireNames[1] = "八百屋";
        siireIds[1] = 12;
        siirePayKind[1] = 1;
        ASSERT_TRUE(writeSuppliers(rootFilePath("siire.dat")).ok());
        todayYear = 2026;
        todayMonth = 7;
        todayDay = 10;
        curBusyo = 0;
        dailyReportLinks() = {};
    }

    // Opens the window modally; act drives it and closes it. The windows it opens are
    // scripted by inside, in their order.
    void open(const std::function<void(lukana::DailyReportWindow&)>& act,
              const std::function<void()>& inside = {}) {
        script.window<lukana::DailyReportWindow>(act);
        if (inside)
            inside();
        lukana::DailyReportWindow window;
        lukana::platform::runModal(window);
    }

    static void type(lukana::DailyReportWindow& w, int box, const QString& text) {
        w.amounts()->box(box)->setText(text);
    }
    // A line typed into a list's entry row: the party picked at list position pick (none
    // for -1), then the amount.
    static void addLine(lukana::DayListGrid& list, int pick, const QString& amount) {
        lukana::platform::Grid& grid = *list.grid();
        const int row = grid.rows() - 1;
        if (pick >= 0) {
            clickCell(grid, row, 0);
            list.pickList()->setListIndex(pick);
        }
        clickCell(grid, row, 1);
        list.amountEditor()->setText(amount);
    }
    // The record of the day shown.
    static lukana::NippouDay& shownDay() { return lukana::nippouMonth[lukana::curDay]; }

    static std::unique_ptr<lukana::NippouMonth> readMonth(int year, int month) {
        auto m = std::make_unique<lukana::NippouMonth>();
        double costs = 0;
        EXPECT_TRUE(
            lukana::readNippouMonth(lukana::nippouPath("本店", year, month), *m, costs).ok());
        return m;
    }
    static std::unique_ptr<lukana::DenpyouMonth> readVouchers(int year, int month) {
        auto m = std::make_unique<lukana::DenpyouMonth>();
        EXPECT_TRUE(lukana::readDenpyouMonth(lukana::denpyouPath("本店", year, month), *m).ok());
        return m;
    }

    TempDir drive;
    TestScript script;
};

// One step of a spinner of the report's date navigator.
inline void step(lukana::DailyReportWindow& w, lukana::platform::DatePart part, bool up) {
    lukana::platform::Spinner* s = w.dateNavigator()->boxes()->spinner(part);
    up ? s->stepUp() : s->stepDown();
}
