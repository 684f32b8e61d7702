#include "analysis/analysis_window.h"
#include "platform/clock.h"
#include "shell/shell_fixture.h"

using namespace lukana;

TEST_F(ShellTest, AnalysesOpenFromTheMainWindowAndLeaveTheirDepartmentChosen) {
    fillWindowLinks();
    platform::setToday(platform::CalendarDay{2004, 1, 10});
    TestScript script;
    auto main = firstStart(script);
    ASSERT_TRUE(main);
    addBusyo("二号店", 8);
    ASSERT_TRUE(main->button("customersButton")->isEnabled());
    ASSERT_TRUE(main->button("bestSellersButton")->isEnabled());

    script.window<AnalysisWindow>([](AnalysisWindow& w) {
        EXPECT_EQ(w.analysis().kind(), AnalysisKind::Customers);
        EXPECT_EQ(w.analysis().period(), (AnalysisPeriod{2003, 12, 1, 2003, 12, 31}));
        EXPECT_EQ(w.analysis().rows().size(), 24u);
        w.departmentList()->setListIndex(1);
        w.closeWindow();
    });
    main->button("customersButton")->click();
    EXPECT_EQ(main->departmentChoice()->currentText(), "二号店");

    script.window<AnalysisWindow>([](AnalysisWindow& w) {
        EXPECT_EQ(w.analysis().kind(), AnalysisKind::Menu);
        EXPECT_EQ(w.departmentList()->currentText(), "二号店");
        EXPECT_EQ(w.categoryList()->currentText(), "全て");
        w.departmentList()->setListIndex(0);
        w.closeWindow();
    });
    main->button("bestSellersButton")->click();
    EXPECT_EQ(main->departmentChoice()->currentText(), "本店");
    platform::setToday(std::nullopt);
    exitProgram(script, *main, platform::Answer::No);
}
