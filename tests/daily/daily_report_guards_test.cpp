// What the daily report must not lose or leave standing: editors that go when the focus
// leaves, stored amounts that survive a visit, clicks that change nothing, the party of a line
// among items of one name, a refused department change, damaged files and failed writes told
// in the window itself.
#include "daily_report_fixture.h"
#include "platform/damaged_file.h"
#include "storage/atomic_file.h"
#include "storage/display_format.h"
#include "storage/masters.h"
#include "support/files.h"

#include <QApplication>
#include <QPushButton>

#include <optional>
#include <string>
#include <vector>

using namespace lukana;
using namespace lukana::platform;
namespace fs = std::filesystem;

namespace {

void focusOn(QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

// A real press gives the grid the focus before the click opens an editor.
void pressCell(Grid& grid, int row, int col) {
    focusOn(&grid);
    clickCell(grid, row, col);
}

bool anyEditorShown(const DailyReportWindow& w) {
    for (DayListGrid* list : {w.payments(), w.deposits(), w.withdrawals(), w.creditSales()})
        if (list->pickList()->isVisible() || list->amountEditor()->isVisible() ||
            (list->exemptBox() && list->exemptBox()->isVisible()))
            return true;
    return false;
}

// The damaged copies moved aside from path.
std::vector<std::string> asideCopies(const std::string& path) {
    std::vector<std::string> out;
    const std::string prefix = fs::path(path).filename().string() + ".broken-";
    for (const auto& entry : fs::directory_iterator(fs::path(path).parent_path()))
        if (entry.path().filename().string().starts_with(prefix))
            out.push_back(entry.path().string());
    return out;
}

const std::string kDamaged = "こわれた\r\n";

} // namespace

TEST_F(DailyReportTest, EditorsLeaveTheirCellsWhenTheFocusLeaves) {
    open([](DailyReportWindow& w) {
        w.activateWindow();
        QApplication::processEvents();
        // The amount editor and the pick list of every list: a Tab away hides them.
        for (DayListGrid* list : {w.payments(), w.deposits(), w.withdrawals(), w.creditSales()})
            for (int col : {0, 1}) {
                SCOPED_TRACE(list->grid()->text(0, 0).toStdString() + " column " +
                             std::to_string(col));
                pressCell(*list->grid(), 1, col);
                QWidget* editor = col == 0 ? static_cast<QWidget*>(list->pickList())
                                           : static_cast<QWidget*>(list->amountEditor());
                ASSERT_TRUE(editor->isVisible());
                ASSERT_TRUE(editor->hasFocus());
                if (col == 0) { // its own drop-down list keeps it up
                    list->pickList()->showPopup();
                    QApplication::processEvents();
                    EXPECT_TRUE(editor->isVisible());
                    list->pickList()->hidePopup();
                    focusOn(editor);
                }
                focusOn(w.backButton());
                EXPECT_FALSE(anyEditorShown(w));
            }
        // The tax-exempt box stays while the focus visits a chooser, and goes when the focus
        // leaves the chooser.
        for (ComboBox* chooser : {w.departmentChoice(), w.weatherChoice(), w.staffChoice()}) {
            pressCell(*w.payments()->grid(), 1, 2);
            ASSERT_TRUE(w.payments()->exemptBox()->isVisible());
            focusOn(chooser);
            EXPECT_TRUE(w.payments()->exemptBox()->isVisible());
            focusOn(w.backButton());
            EXPECT_FALSE(anyEditorShown(w));
        }
        EXPECT_EQ(reportChanged, 0) << "hiding changes nothing";
        w.closeWindow();
    });
}

TEST_F(DailyReportTest, StoredNegativeAndFractionalAmountsSurviveAVisitAndCarryOver) {
    for (double stored : {-1200.0, 1234.5}) {
        const QString text = QString::fromStdString(plainDecimal(stored));
        SCOPED_TRACE(text.toStdString());
        fs::remove_all(busyoFolderPath("本店"));
        SetUp();
        auto month = std::make_unique<NippouMonth>();
        for (int i : {25, 27, 31, 28}) // 前日残現金 through to 最終残高
            (*month)[9].kingaku[i] = stored;
        ASSERT_TRUE(writeNippouMonth(nippouPath("本店", 2026, 7), *month, 0).ok());
        todayDay = 9;
        script.answer(Answer::Yes);
        open([&](DailyReportWindow& w) {
            EXPECT_EQ(QString::fromStdString(w.sheet().text(25)), text);
            step(w, DatePart::Day, true);
            EXPECT_EQ(QString::fromStdString(w.sheet().text(25)), text) << "carried into day 10";
            step(w, DatePart::Day, false);
            EXPECT_EQ(QString::fromStdString(w.sheet().text(25)), text);
            EXPECT_EQ(QString::fromStdString(w.sheet().text(28)), text);
            EXPECT_EQ(reportChanged, 0);
            type(w, 12, "3"); // an edit that touches no balance, so that the month is saved
            w.closeWindow();
        });
        const auto saved = readMonth(2026, 7);
        EXPECT_EQ((*saved)[9].kingaku[25], stored);
        EXPECT_EQ((*saved)[9].kingaku[28], stored);
        EXPECT_EQ((*saved)[10].kingaku[25], stored);
    }
}

TEST_F(DailyReportTest, AClickOnAnAmountThatIsNoPositiveNumberChangesNothing) {
    auto month = std::make_unique<NippouMonth>();
    NippouDay& day = (*month)[10];
    day.kaidasiCount = 2;
    day.kaidasiSiireId[0] = day.kaidasiSiireId[1] = 11;
    day.kaidasiGaku[0] = 300;
    day.kaidasiGaku[1] = -500;
    ASSERT_TRUE(writeNippouMonth(nippouPath("本店", 2026, 7), *month, 0).ok());
    open([](DailyReportWindow& w) {
        Grid& grid = *w.payments()->grid();
        addLine(*w.payments(), -1, "abc"); // a third line whose amount is no number
        const struct {
            int row;
            QString cell, editor;
        } cases[] = {{2, "-500", "-500"}, {3, "abc", ""}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.cell.toStdString());
            clickCell(grid, 1, 1); // the editor holds "300" before the click
            reportChanged = 0;
            const std::string total = w.sheet().text(0);
            clickCell(grid, c.row, 1);
            ASSERT_TRUE(w.payments()->amountEditor()->isVisible());
            EXPECT_EQ(w.payments()->amountEditor()->text(), c.editor);
            EXPECT_EQ(grid.text(c.row, 1), c.cell);
            EXPECT_EQ(w.sheet().text(0), total);
            EXPECT_EQ(grid.rows(), 5);
            EXPECT_EQ(reportChanged, 0);
        }
        reportChanged = 0;
        w.closeWindow();
    });
}

TEST_F(DailyReportTest, TheLineKeepsItsPartyAmongItemsOfOneName) {
    siireCount = 3; // a second 酒屋 after 八百屋
    siireNames[2] = "酒屋";
    siireIds[2] = 13;
    ASSERT_TRUE(writeSuppliers(rootFilePath("siire.dat")).ok());
    auto month = std::make_unique<NippouMonth>();
    NippouDay& day = (*month)[10];
    day.kaidasiCount = 1;
    day.kaidasiSiireId[0] = 13;
    day.kaidasiGaku[0] = 100;
    ASSERT_TRUE(writeNippouMonth(nippouPath("本店", 2026, 7), *month, 0).ok());
    script.answer(Answer::Yes);
    open([](DailyReportWindow& w) {
        Grid& grid = *w.payments()->grid();
        EXPECT_EQ(grid.text(1, 0), QStringLiteral("酒屋"));
        clickCell(grid, 1, 0);
        EXPECT_EQ(w.payments()->pickList()->listIndex(), 2) << "the line's own 酒屋";
        clickCell(grid, 1, 1);
        EXPECT_EQ(shownDay().kaidasiSiireId[0], 13);
        EXPECT_EQ(reportChanged, 0);
        type(w, 2, "50");
        w.closeWindow();
    });
    EXPECT_EQ((*readMonth(2026, 7))[10].kaidasiSiireId[0], 13);
}

TEST_F(DailyReportTest, ACancelledDepartmentChangeKeepsTheChoiceAndTheEdits) {
    busyoCount = 2;
    busyoRecs[1].name = "支店";
    busyoRecs[1].id = 2;
    ASSERT_TRUE(writeDepartments(rootFilePath("misena.dat")).ok());
    fs::create_directories(busyoFolderPath("支店"));
    script.answer(Answer::Cancel).answer(Answer::No);
    open([](DailyReportWindow& w) {
        type(w, 2, "50");
        addLine(*w.payments(), 0, "300");
        w.departmentChoice()->setListIndex(1);
        EXPECT_EQ(w.departmentChoice()->listIndex(), 0);
        EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("本店")));
        EXPECT_EQ(w.sheet().text(2), "50");
        EXPECT_EQ(w.payments()->grid()->text(1, 1), QStringLiteral("300"));
        EXPECT_EQ(shownDay().kaidasiSiireId[0], 11);
        EXPECT_EQ(reportChanged, 1);
        w.closeWindow();
    });
    EXPECT_EQ(script.boxes().size(), 2u) << "one question on the change, one on closing";
}

// A damaged month before is moved aside and told, where the month is loaded (here on a move
// into the next month); one that cannot be moved stays and is told so.
TEST_F(DailyReportTest, ADamagedMonthBeforeIsToldInTheWindow) {
    const std::string july = nippouPath("本店", 2026, 7);
    for (bool movable : {true, false}) {
        SCOPED_TRACE(movable ? "moved aside" : "cannot be moved");
        fs::remove_all(busyoFolderPath("本店"));
        SetUp();
        if (!movable)
            setMoveAsideHook([](const std::string&) { return std::optional<std::string>(); });
        const size_t asked = script.boxes().size();
        script.answer(Answer::Ok);
        const QWidget* shownIn = nullptr;
        open([&](DailyReportWindow& w) {
            shownIn = &w;
            writeBytes(july, kDamaged); // July, read again as the month before August
            step(w, DatePart::Month, true);
            w.closeWindow();
        });
        setMoveAsideHook({});
        ASSERT_EQ(script.boxes().size() - asked, 1u);
        const MessageBoxRecord& box = script.boxes().back();
        EXPECT_EQ(box.parent, shownIn);
        EXPECT_EQ(box.icon, Icon::Warning);
        const std::vector<std::string> aside = asideCopies(july);
        if (movable) {
            ASSERT_EQ(aside.size(), 1u);
            EXPECT_EQ(box.text, movedAsideMessage(QStringLiteral("20267.dat"), aside[0], false));
            EXPECT_FALSE(fs::exists(july));
        } else {
            EXPECT_TRUE(aside.empty());
            EXPECT_TRUE(box.text.startsWith(QStringLiteral(
                "20267.dat が壊れていて読めず、別の名前に移すこともできませんでした。")));
            EXPECT_EQ(readBytes(july), kDamaged);
        }
    }
}

// Posting on a save: what goes wrong with the voucher file is told in the report's own window,
// and the daily month, written, counts as saved.
TEST_F(DailyReportTest, VoucherTroubleOnSaveIsToldInTheWindowAndTheMonthCountsAsSaved) {
    const std::string vouchers = denpyouPath("本店", 2026, 7);
    const struct {
        const char* what;
        bool damaged, movable, writeFails;
        QString message; // how the box begins
    } cases[] = {
        {"damaged, moved aside", true, true, false,
         QStringLiteral("20267u.dat が壊れていて読めませんでした。")},
        {"damaged, cannot be moved", true, false, false,
         QStringLiteral("20267u.dat が壊れていて読めず、別の名前に移すこともできませんでした。\r"
                        "この日は伝票に記帳していません")},
        {"the write fails", false, true, true,
         QStringLiteral("20267u.dat を保存できませんでした。この日は伝票に記帳されていません。")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(busyoFolderPath("本店"));
        SetUp();
        if (c.damaged)
            writeBytes(vouchers, kDamaged);
        if (!c.movable)
            setMoveAsideHook([](const std::string&) { return std::optional<std::string>(); });
        int renames = 0; // the month first, then the vouchers
        if (c.writeFails)
            setWriteFaultHook(
                [&](WriteStage stage) { return stage == WriteStage::Rename && ++renames == 2; });
        const size_t asked = script.boxes().size();
        script.answer(Answer::Yes).answer(Answer::Ok);
        const QWidget* shownIn = nullptr;
        open([&](DailyReportWindow& w) {
            shownIn = &w;
            type(w, 5, "700");
            EXPECT_TRUE(w.closeWindow());
            EXPECT_EQ(reportChanged, 0);
        });
        setWriteFaultHook({});
        setMoveAsideHook({});
        ASSERT_EQ(script.boxes().size() - asked, 2u) << "the question and one message";
        const MessageBoxRecord& box = script.boxes().back();
        EXPECT_TRUE(box.text.startsWith(c.message)) << box.text.toStdString();
        EXPECT_EQ(box.parent, shownIn);
        EXPECT_EQ((*readMonth(2026, 7))[10].kingaku[5], 700);
    }
}
