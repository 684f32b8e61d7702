// The daily report's list grids through their controls: what a pick stores, the 51-line
// limit, the "削除" buttons, the credit-customer register and the take-over of the guest-slip
// totals.
#include "daily/guest_slip_window.h"
#include "daily_report_fixture.h"
#include "registers/sub_account_register.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace lukana;
using namespace lukana::platform;

TEST_F(DailyReportTest, APickStoresItsPartyAndAPickInTheEntryRowAddsARow) {
    tyCount = 1; // a credit customer under 売掛金
    tyNames[0] = "山田様";
    tyIds[0] = 30;
    tyTekiyouIds[0] = 4;
    ASSERT_TRUE(writeSubAccounts(rootFilePath("ty.dat")).ok());
    open([](DailyReportWindow& w) {
        const struct {
            DayListGrid* list;
            int pick;
            QString shown;
            int stored;
        } cases[] = {
            {w.payments(), 2, "その他", -1},       {w.payments(), 1, "八百屋", 12},
            {w.deposits(), 1, "りそな  普通 ", 2}, {w.withdrawals(), 0, "みずほ  普通 ", 1},
            {w.creditSales(), 0, "山田様", 30},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.shown.toStdString());
            Grid& grid = *c.list->grid();
            const int row = grid.rows() - 1;
            addLine(*c.list, c.pick, "10");
            EXPECT_EQ(grid.rows(), row + 2) << "a fresh entry row";
            EXPECT_EQ(grid.text(row, 0), c.shown);
            EXPECT_EQ(lineParty(shownDay(), c.list->list(), row - 1), c.stored);
        }
        // A click on a line's party shows its own party and changes nothing; a pick in an
        // earlier row adds no row.
        reportChanged = 0;
        Grid& grid = *w.payments()->grid();
        clickCell(grid, 2, 0);
        EXPECT_EQ(w.payments()->pickList()->currentText(), "八百屋");
        EXPECT_EQ(reportChanged, 0);
        w.payments()->pickList()->setListIndex(0);
        EXPECT_EQ(grid.rows(), 4);
        EXPECT_EQ(shownDay().kaidasiSiireId[1], 11);
        EXPECT_EQ(reportChanged, 1);
        reportChanged = 0;
        w.closeWindow();
    });
}

TEST_F(DailyReportTest, AListTakesNoLineAfterThe51st) {
    auto month = std::make_unique<NippouMonth>();
    NippouDay& day = (*month)[10];
    day.kaidasiCount = kNippouLineCapacity;
    for (int k = 0; k < kNippouLineCapacity; ++k) {
        day.kaidasiSiireId[k] = 11;
        day.kaidasiGaku[k] = 1;
    }
    ASSERT_TRUE(writeNippouMonth(nippouPath("本店", 2026, 7), *month, 0).ok());
    script.answer(Answer::Ok).answer(Answer::Ok);
    open([](DailyReportWindow& w) {
        Grid& grid = *w.payments()->grid();
        ASSERT_EQ(grid.rows(), kNippouLineCapacity + 2);
        for (int col : {0, 1}) {
            clickCell(grid, kNippouLineCapacity + 1, col);
            EXPECT_FALSE(w.payments()->pickList()->isVisible());
            EXPECT_FALSE(w.payments()->amountEditor()->isVisible());
        }
        EXPECT_EQ(grid.rows(), kNippouLineCapacity + 2);
        EXPECT_EQ(reportChanged, 0);
        w.closeWindow();
    });
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[0].text, "1日に入力できるのは51行までです。");
}

TEST_F(DailyReportTest, DeleteMovesLaterLinesUpWithTheirPartiesAndMarks) {
    open([](DailyReportWindow& w) {
        DayListGrid& list = *w.payments();
        Grid& grid = *list.grid();
        const int picks[] = {0, 1, 2, 0};
        for (int k = 0; k < 4; ++k)
            addLine(list, picks[k], QString::number(100 * (k + 1)));
        clickCell(grid, 3, 2); // line 3 tax-exempt
        list.exemptBox()->setValue(1);

        // The heading and the entry row delete nothing and change nothing.
        reportChanged = 0;
        for (int row : {0, 5}) {
            clickCell(grid, row, 1);
            list.deleteButton()->click();
            EXPECT_EQ(grid.rows(), 6);
            EXPECT_EQ(reportChanged, 0);
        }

        clickCell(grid, 2, 1);
        list.deleteButton()->click();
        EXPECT_EQ(grid.rows(), 5) << "three lines and the entry row";
        EXPECT_EQ(grid.text(4, 2), "");
        EXPECT_EQ(grid.text(2, 0), "その他");
        EXPECT_EQ(grid.text(2, 2), "◎");
        EXPECT_EQ(grid.text(3, 1), "400");
        const NippouDay& day = shownDay();
        EXPECT_EQ(day.kaidasiSiireId[1], -1);
        EXPECT_EQ(day.kaidasiHikazei[1], 1);
        EXPECT_EQ(day.kaidasiSiireId[2], 11);
        EXPECT_EQ(day.kaidasiSiireId[3], 0) << "the entry row's line carries nothing";
        EXPECT_EQ(day.kaidasiHikazei[2], 0);
        EXPECT_EQ(w.sheet().text(0), "800");
        EXPECT_EQ(reportChanged, 1);

        // A mark ticked on the entry row and left there reaches no line typed later.
        clickCell(grid, 4, 2);
        list.exemptBox()->setValue(1);
        clickCell(grid, 3, 1);
        list.deleteButton()->click();
        EXPECT_EQ(grid.text(3, 2), "") << "the new entry row shows no mark either";
        addLine(list, 1, "50");
        EXPECT_EQ(shownDay().kaidasiHikazei[2], 0);
        reportChanged = 0;
        w.closeWindow();
    });
}

TEST_F(DailyReportTest, ACustomerRegisteredFromTheReportCanBePickedAtOnce) {
    open(
        [](DailyReportWindow& w) {
            DayListGrid& list = *w.creditSales();
            addLine(list, -1, "10"); // a line typed before: it keeps its (empty) customer
            EXPECT_EQ(list.pickList()->count(), 0);
            w.customerRegisterButton()->click();
            EXPECT_EQ(urikakeTouroku, 0);
            ASSERT_EQ(list.pickList()->count(), 1);
            EXPECT_EQ(list.pickList()->itemText(0), "山田様");
            EXPECT_EQ(w.customerSubAccounts(), std::vector<int>{tyCount - 2}) << "its 売掛金 entry";
            addLine(list, 0, "20");
            EXPECT_EQ(list.grid()->text(1, 0), "");
            EXPECT_EQ(shownDay().urikakeKyaku[1], tyIds[size_t(tyCount - 2)]);
            reportChanged = 0;
            w.closeWindow();
        },
        [this] {
            script.window<SubAccountRegister>([](SubAccountRegister& reg) {
                EXPECT_EQ(urikakeTouroku, 1);
                EXPECT_EQ(reg.titleChoice()->currentText(), "売掛金");
                reg.nameBox()->setText("山田様");
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(reg.nameBox(), &enter);
                reg.saveButton()->click();
                reg.backButton()->click();
            });
        });
}

namespace {

// The guest slips a stand-in window leaves on the shown day: persons and amount paid by kind.
struct Slip {
    int men, women, kind;
    double paid;
};
void leaveSlips(const std::vector<Slip>& slips) {
    NippouDay& day = nippouMonth[curDay];
    day.slipCount = int(slips.size());
    for (size_t t = 0; t < slips.size(); ++t) {
        day.slipValues[t][0] = slips[t].men;
        day.slipValues[t][1] = slips[t].women;
        day.slipValues[t][8] = slips[t].paid;
        day.slipValues[t][9] = slips[t].kind;
    }
    detailChanged = reportChanged = 1;
}

} // namespace

TEST_F(DailyReportTest, TheGuestSlipTotalsAreTakenOverOnlyOnYes) {
    const struct {
        const char* what;
        std::vector<Slip> slips; // empty: the window changes nothing
        std::optional<Answer> answer;
        std::array<QString, 5> boxes; // 組, 名様, 現金売上, カード売上, 売掛金合計
    } cases[] = {
        {"Yes",
         {{2, 1, 1, 80}, {0, 3, 2, 90}, {1, 0, 0, 30}},
         Answer::Yes,
         {"3", "7", "110", "90", "0"}},
        {"No", {{2, 1, 1, 80}}, Answer::No, {"", "", "5", "", "0"}},
        {"no change", {}, std::nullopt, {"", "", "5", "", "0"}},
        {"an unknown kind counts as cash",
         {{1, 0, 7, 40}, {1, 0, 3, 60}},
         Answer::Yes,
         {"2", "2", "40", "0", "60"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string handed;
        dailyReportLinks().guestSlips = [&](const std::string& departmentName) {
            handed = departmentName;
            detailChanged = 0;
            if (!c.slips.empty())
                leaveSlips(c.slips);
        };
        const size_t asked = script.boxes().size();
        if (c.answer)
            script.answer(*c.answer);
        open([&](DailyReportWindow& w) {
            type(w, 5, "5");
            ASSERT_TRUE(w.slipsButton()->isEnabled());
            w.slipsButton()->click();
            const int boxes[] = {12, 13, 5, 6, 37};
            for (size_t i = 0; i < 5; ++i)
                EXPECT_EQ(QString::fromStdString(w.sheet().text(boxes[i])), c.boxes[i]) << i;
            reportChanged = 0;
            w.closeWindow();
        });
        EXPECT_EQ(handed, "本店");
        ASSERT_EQ(script.boxes().size() - asked, c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(script.boxes().back().text, "詳細情報の客数と売り上げを日報に反映させますか");
            EXPECT_EQ(script.boxes().back().title, "反映確認");
        }
    }
}

TEST_F(DailyReportTest, SlipsTypedInTheGuestSlipWindowAreTakenOverAndSaved) {
    dailyReportLinks().guestSlips = openGuestSlips;
    script.answer(Answer::Yes).answer(Answer::Yes);
    open(
        [](DailyReportWindow& w) {
            w.slipsButton()->click();
            EXPECT_EQ(w.sheet().text(12), "3");
            EXPECT_EQ(w.sheet().text(13), "7");
            EXPECT_EQ(w.sheet().text(5), "110");
            EXPECT_EQ(w.sheet().text(6), "90");
            EXPECT_EQ(w.sheet().text(37), "0");
            w.closeWindow();
        },
        [this] {
            script.window<GuestSlipWindow>([](GuestSlipWindow& g) {
                const struct {
                    QString men, women, paid;
                    int kind;
                } slips[] = {{"2", "1", "80", 1}, {"", "3", "90", 2}, {"1", "", "30", 0}};
                auto typeCell = [&g](int row, int col, const QString& text) {
                    clickCell(*g.slips(), row, col);
                    g.cellEditor()->setText(text);
                };
                for (int t = 0; t < 3; ++t) {
                    const int row = 3 + t;
                    if (!slips[t].men.isEmpty())
                        typeCell(row, 1, slips[t].men);
                    if (!slips[t].women.isEmpty())
                        typeCell(row, 2, slips[t].women);
                    typeCell(row, 14, slips[t].paid);
                    if (slips[t].kind) {
                        clickCell(*g.slips(), row, 16);
                        g.kindEditor()->setListIndex(slips[t].kind);
                    }
                }
                g.closeWindow();
            });
        });
    const auto month = readMonth(2026, 7);
    const NippouDay& day = (*month)[10];
    ASSERT_EQ(day.slipCount, 3);
    EXPECT_EQ(day.slipValues[0][1], 1);
    EXPECT_EQ(day.slipValues[1][8], 90);
    EXPECT_EQ(day.slipValues[1][9], 2);
    EXPECT_EQ(day.slipValues[2][0], 1);
}

TEST_F(DailyReportTest, SlipPrintoutNamesTheDailyReportsDepartmentNotTheMainWindows) {
    busyoCount = 2;
    busyoRecs[1].name = "支店";
    busyoRecs[1].id = 2;
    ASSERT_TRUE(writeDepartments(rootFilePath("misena.dat")).ok());
    std::filesystem::create_directories(busyoFolderPath("支店"));
    dailyReportLinks().guestSlips = openGuestSlips;
    open(
        [](DailyReportWindow& w) {
            w.departmentChoice()->setListIndex(1);
            w.slipsButton()->click();
            w.closeWindow();
        },
        [this] {
            script.window<GuestSlipWindow>([this](GuestSlipWindow& g) {
                script.printer(true);
                g.printButton()->click();
                g.closeWindow();
            });
        });
    EXPECT_EQ(curBusyo, 0); // the main window still shows 本店
    ASSERT_EQ(script.printouts().size(), 1u);
    EXPECT_TRUE(script.printouts()[0].texts(0)[0].startsWith(QStringLiteral("200,60 支店  ：")))
        << script.printouts()[0].texts(0)[0].toStdString();
}

// Escape in a list's editors puts back the cell, the line (in the day's record or the amounts)
// and the list's total as they were when the editor opened; a click elsewhere keeps the edit.
TEST_F(DailyReportTest, EscapeInAListEditorPutsTheLineBack) {
    using Editor = QWidget* (*)(DayListGrid&);
    const struct {
        const char* what;
        int row, col;
        Editor editor;
        void (*edit)(DayListGrid&);
        double (*stored)(DayListGrid&);
        QString before, edited;
        const char* totalEdited;
    } cases[] = {
        {"amount", 1, 1, [](DayListGrid& l) -> QWidget* { return l.amountEditor(); },
         [](DayListGrid& l) { typeText(l.amountEditor(), "5"); },
         [](DayListGrid& l) { return l.amounts()[0]; }, "100", "1005", "1205"},
        {"party", 1, 0, [](DayListGrid& l) -> QWidget* { return l.pickList(); },
         [](DayListGrid& l) { sendKey(l.pickList(), Qt::Key_Down); },
         [](DayListGrid&) { return double(shownDay().kaidasiSiireId[0]); }, "酒屋", "八百屋",
         "300"},
        {"no party", 2, 0, [](DayListGrid& l) -> QWidget* { return l.pickList(); },
         [](DayListGrid& l) { sendKey(l.pickList(), Qt::Key_Down); },
         [](DayListGrid&) { return double(shownDay().kaidasiSiireId[1]); }, "", "酒屋", "300"},
        {"exempt mark", 1, 2, [](DayListGrid& l) -> QWidget* { return l.exemptBox(); },
         [](DayListGrid& l) { sendKey(l.exemptBox(), Qt::Key_Space); },
         [](DayListGrid&) { return double(shownDay().kaidasiHikazei[0]); }, "", "◎", "300"},
    };
    for (const auto& c : cases)
        for (bool escape : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (escape ? ", Escape" : ", a click away"));
            open([&](DailyReportWindow& w) {
                DayListGrid& list = *w.payments();
                Grid& grid = *list.grid();
                addLine(list, 0, "100"); // 酒屋
                addLine(list, -1, "200");
                const int total = listTotalBox(DayList::Payments);
                const double stored = c.stored(list);
                clickCell(grid, c.row, c.col);
                QWidget* editor = c.editor(list);
                ASSERT_TRUE(editor->isVisible());
                c.edit(list);
                ASSERT_EQ(grid.text(c.row, c.col), c.edited);
                if (escape)
                    sendKey(editor, Qt::Key_Escape);
                else
                    clickCell(grid, 0, 1);
                EXPECT_FALSE(editor->isVisible());
                EXPECT_EQ(grid.rows(), 4) << "two lines and the entry row";
                EXPECT_EQ(grid.text(c.row, c.col), escape ? c.before : c.edited);
                EXPECT_EQ(w.sheet().text(total), escape ? "300" : c.totalEdited);
                if (escape) {
                    EXPECT_EQ(c.stored(list), stored);
                } else {
                    EXPECT_NE(c.stored(list), stored);
                }
                reportChanged = 0;
                w.closeWindow();
            });
        }
}
