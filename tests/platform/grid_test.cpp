#include "platform/controls.h"
#include "platform/grid.h"
#include "support/grid_clicks.h"
#include "support/painted_figures.h"
#include "support/ui_script.h"

#include <QFontInfo>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

using namespace lukana::platform;

namespace {

// A grid inside a window, sized so that a known number of rows is visible.
struct GridInWindow {
    QWidget window;
    Grid* grid = new Grid(&window);
    GridInWindow(int cols = 3, int rows = 2) {
        window.resize(600, 400);
        grid->setGeometry(40, 30, 400, 200);
        grid->setCols(cols);
        grid->setRows(rows);
        window.show();
    }
    int rowPx() const { return grid->rowHeight(1) / kTwipsPerPixel; }
};

// Texts computed on demand; counts what was asked.
class CountingRows : public GridRowSource {
  public:
    int count = 0;
    mutable int asked = 0;
    int rowCount() const override { return count; }
    QString text(int row, int col) const override {
        ++asked;
        return QString("%1/%2").arg(row).arg(col);
    }
};

} // namespace

TEST(Grid, NewGridHasAHeadingRowAndNoFixedColumn) {
    Grid g;
    EXPECT_EQ(g.rows(), 2);
    EXPECT_EQ(g.cols(), 2);
    EXPECT_EQ(g.fixedRows(), 1);
    EXPECT_EQ(g.fixedCols(), 0);
    EXPECT_EQ(g.row(), 1);
    EXPECT_EQ(g.topRow(), 1);
    EXPECT_EQ(g.leftCol(), 0);
}

TEST(Grid, ShapeKeepsTextsAndDropsCellsCutOff) {
    Grid g;
    g.setCols(3);
    g.setRows(4);
    g.setText(0, 2, "金額");
    g.setText(3, 1, "500");
    g.setRows(6);
    EXPECT_EQ(g.text(3, 1), "500");
    EXPECT_EQ(g.text(5, 1), "");
    g.setCurrentCell(5, 2);
    g.setRows(3); // row 3 goes, and the current row with it
    EXPECT_EQ(g.row(), 2);
    g.setRows(4);
    EXPECT_EQ(g.text(3, 1), ""); // a row added again starts empty
    g.setCols(2);
    EXPECT_EQ(g.col(), 1);
    g.setCols(3);
    EXPECT_EQ(g.text(0, 2), "");

    // Outside the grid: writes are ignored, reads are empty.
    g.setText(4, 0, "x");
    g.setText(-1, 0, "x");
    g.setText(0, 3, "x");
    EXPECT_EQ(g.text(4, 0), "");
    EXPECT_EQ(g.text(0, 3), "");
    g.setCurrentCell(9, 9);
    EXPECT_EQ(g.row(), 2);
    EXPECT_EQ(g.col(), 1);
}

TEST(Grid, ColumnChangeKeepsEachTextInItsCell) {
    struct Case {
        int from, to;
    } cases[] = {{3, 5}, {5, 2}, {3, 1}, {2, 0}};
    for (const Case& c : cases) {
        Grid g;
        g.setCols(c.from);
        g.setRows(4);
        for (int r = 0; r < 4; ++r)
            for (int col = 0; col < c.from; ++col)
                g.setText(r, col, QString("%1/%2").arg(r).arg(col));
        g.setCols(c.to);
        g.setCols(std::max(c.from, c.to));
        for (int r = 0; r < 4; ++r)
            for (int col = 0; col < std::max(c.from, c.to); ++col)
                EXPECT_EQ(g.text(r, col),
                          col < std::min(c.from, c.to) ? QString("%1/%2").arg(r).arg(col) : "")
                    << c.from << " to " << c.to << " at " << r << "," << col;
    }
}

TEST(Grid, SizesAreInTwipsRoundedToPixels) {
    Grid g;
    g.setCols(3);
    struct Case {
        int twips, expect;
    } cases[] = {{1300, 1305}, {4560, 4560}, {600, 600}, {1, 0}, {-1, Grid::kDefaultColWidth}};
    for (const Case& c : cases) {
        g.setColWidth(1, c.twips);
        EXPECT_EQ(g.colWidth(1), c.expect) << c.twips;
    }
    int normal = g.rowHeight(1);
    EXPECT_GE(normal, Grid::kMinRowHeight);
    g.setRowHeight(1, normal + 90);
    EXPECT_EQ(g.rowHeight(1), normal + 90);
    g.setRowHeight(1, -1);
    EXPECT_EQ(g.rowHeight(1), normal);
}

TEST(Grid, FittingWidthGrowsOnlyForTextThatWouldBeCut) {
    Grid g;
    g.setCols(2);
    const QString wide = QStringLiteral(" 2003/ 12/ 31");
    const int needed = (g.fontMetrics().horizontalAdvance(wide) + 5) * kTwipsPerPixel;
    g.setColWidthFitting(0, 150, wide);
    EXPECT_GE(g.colWidth(0), needed);
    EXPECT_LT(g.colWidth(0), needed + 2 * kTwipsPerPixel);
    g.setColWidthFitting(0, needed + 3000, wide);
    EXPECT_EQ(g.colWidth(0), needed + 3000);
}

TEST(Grid, AnElidedColumnDrawsALongTextCutShortAndKeepsItWhole) {
    QWidget window;
    Grid& g = *new Grid(&window);
    g.setGeometry(0, 0, 400, 200);
    g.setCols(2);
    g.setColWidth(0, 1200);
    g.setColWidth(1, 1200);
    const QString name = QStringLiteral("有限会社 酒のやまだ 東京中央卸売市場店 仕入れ窓口");
    g.setText(1, 0, name);
    g.setText(1, 1, name);
    g.setColElided(0, true);
    window.show();
    EXPECT_EQ(g.text(1, 0), name);
    ScreenTextRecording rec;
    const ScreenText* painted = paintedBy(rec, g, &g, {0, 1});
    ASSERT_TRUE(painted);
    const QString shown = painted->fitted.text;
    EXPECT_TRUE(shown.endsWith(QStringLiteral("…"))) << shown.toStdString();
    EXPECT_TRUE(name.startsWith(shown.chopped(1)));
    EXPECT_LE(g.fontMetrics().horizontalAdvance(shown) + 5, g.colWidth(0) / kTwipsPerPixel);
    EXPECT_EQ(painted->fitted.points, QFontInfo(g.font()).pointSizeF()); // a name is not shrunk
    EXPECT_EQ(g.shownText(1, 0), shown);
    // A column not elided draws its text as it is.
    painted = rec.last(&g, {1, 1});
    ASSERT_TRUE(painted);
    EXPECT_EQ(painted->fitted.text, name);
    EXPECT_EQ(g.shownText(1, 1), name);
    g.setText(1, 0, QStringLiteral("酒"));
    painted = paintedBy(rec, g, &g, {0, 1});
    ASSERT_TRUE(painted);
    EXPECT_EQ(painted->fitted.text, QStringLiteral("酒"));
    EXPECT_EQ(g.shownText(1, 0), QStringLiteral("酒"));
}

// A figure in any column, twelve to fourteen digits, positive or negative, with or without the
// yen mark or separators: painted whole in a column as wide as twelve digits need, smaller where
// it must be, and cut with its sign kept in a column narrower still.
TEST(Grid, AFigureWiderThanItsCellIsPaintedSmallerOrCutWithItsSign) {
    const QString figures[] = {
        QStringLiteral("999999999999"),          QStringLiteral("-999999999999"),
        QStringLiteral("-¥999,999,999,999"),     QStringLiteral("¥999,999,999,999"),
        QStringLiteral("1000016777716"),         QStringLiteral("-1999999999998"),
        QStringLiteral("1,999,999,999,998"),     QStringLiteral("-¥1,999,999,999,998"),
        QStringLiteral("29999999999970"),        QStringLiteral("-29,999,999,999,970"),
        QStringLiteral("¥29,999,999,999,970"),   QStringLiteral("-¥29,999,999,999,970"),
        QStringLiteral("@3,333,333,333,333.33"),
    };
    QWidget window;
    Grid& g = *new Grid(&window);
    g.setGeometry(0, 0, 600, 400);
    g.setCols(3);
    g.setRows(1 + int(std::size(figures)));
    g.setColWidth(0, 1350); // as the voucher grid's amount column
    g.setColWidthFitting(1, 0, QStringLiteral("-¥999,999,999,999"));
    g.setColWidth(2, 500);
    for (int i = 0; i < int(std::size(figures)); ++i)
        for (int col = 0; col < 3; ++col)
            g.setText(i + 1, col, figures[i]);
    window.show();
    ScreenTextRecording rec;
    g.grab();
    for (int i = 0; i < int(std::size(figures)); ++i)
        for (int col = 0; col < 3; ++col) {
            SCOPED_TRACE(figures[i].toStdString() + " in column " + std::to_string(col));
            const ScreenText* painted = rec.last(&g, {col, i + 1});
            const bool whole = expectPaintedFigure(painted, figures[i]);
            ASSERT_TRUE(painted);
            EXPECT_EQ(painted->room.width(), g.colWidth(col) / kTwipsPerPixel - 5);
            EXPECT_EQ(g.shownText(i + 1, col), painted->fitted.text);
            if (col == 1 && figures[i] != figures[std::size(figures) - 1]) {
                EXPECT_TRUE(whole);
            }
            if (col == 2 && figures[i].size() > 12) {
                EXPECT_FALSE(whole);
            }
            if (whole && g.fontMetrics().horizontalAdvance(figures[i]) + 5 <=
                             g.colWidth(col) / kTwipsPerPixel) {
                EXPECT_EQ(painted->fitted.points, QFontInfo(g.font()).pointSizeF());
            }
        }
}

TEST(Grid, AlignmentCellOverColumnOverGeneral) {
    Grid g;
    g.setCols(3);
    g.setRows(3);
    struct Case {
        QString text;
        Qt::Alignment expect;
    } general[] = {{"1500", Qt::AlignRight},
                   {"-2.5", Qt::AlignRight},
                   {"abc", Qt::AlignLeft},
                   {"", Qt::AlignLeft},
                   {"12円", Qt::AlignLeft}};
    for (const Case& c : general) {
        g.setText(1, 0, c.text);
        EXPECT_EQ(g.cellAlignment(1, 0), c.expect | Qt::AlignVCenter) << c.text.toStdString();
    }
    g.setColAlignment(1, Qt::AlignRight);
    g.setText(1, 1, "合計");
    EXPECT_EQ(g.cellAlignment(1, 1), Qt::AlignRight | Qt::AlignVCenter);
    g.setCellAlignment(2, 1, Qt::AlignHCenter);
    EXPECT_EQ(g.cellAlignment(2, 1), Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(g.cellAlignment(1, 1), Qt::AlignRight | Qt::AlignVCenter);
}

TEST(Grid, BackgroundAndFontPerCell) {
    Grid g;
    g.setCols(3);
    g.setRows(3);
    const QColor yellow(255, 255, 0);
    g.setCellBackground(2, 2, yellow);
    EXPECT_EQ(g.cellBackground(2, 2), yellow);
    EXPECT_FALSE(g.cellBackground(2, 1).isValid());
    EXPECT_FALSE(g.cellBackground(1, 2).isValid());
    g.setCellBackground(2, 2, QColor());
    EXPECT_FALSE(g.cellBackground(2, 2).isValid());

    QFont small = g.font();
    small.setPointSize(6);
    g.setCellFont(0, 1, small);
    EXPECT_EQ(g.cellFont(0, 1).pointSize(), 6);
    EXPECT_EQ(g.cellFont(0, 0), g.font());

    // A row cut off and added again has lost its colours.
    g.setCellBackground(2, 0, yellow);
    g.setRows(2);
    g.setRows(3);
    EXPECT_FALSE(g.cellBackground(2, 0).isValid());
}

TEST(Grid, ClickMakesTheCellCurrentBeforeTheHandlerRuns) {
    GridInWindow w(3, 4);
    std::vector<std::pair<int, int>> seen;
    w.grid->onClick([&] { seen.emplace_back(w.grid->row(), w.grid->col()); });
    clickCell(*w.grid, 2, 1);
    clickCell(*w.grid, 0, 2); // the heading row is clicked like any row
    clickCell(*w.grid, 3, 0);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{2, 1}, {0, 2}, {3, 0}}));
}

TEST(Grid, ClickBelowTheLastRowDoesNothing) {
    GridInWindow w(3, 2);
    int clicks = 0;
    w.grid->onClick([&] { ++clicks; });
    w.grid->setCurrentCell(1, 1);
    QRect last = w.grid->cellRect(1, 1, w.grid->viewport());
    QPointF below(last.center().x(), last.bottom() + 20);
    QMouseEvent press(QEvent::MouseButtonPress, below, w.grid->viewport()->mapToGlobal(below),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.grid->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, below, w.grid->viewport()->mapToGlobal(below),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w.grid->viewport(), &release);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(w.grid->row(), 1);
}

TEST(Grid, CellRectFollowsWidthsHeightsAndScrolling) {
    GridInWindow w(3, 50);
    Grid& g = *w.grid;
    g.setColWidth(0, 1500); // 100 px
    g.setColWidth(1, 750);  // 50 px
    const int h = w.rowPx();
    const QPoint gridAt = g.viewport()->mapTo(&w.window, QPoint(0, 0));

    QRect r = g.cellRect(3, 1, &w.window);
    EXPECT_EQ(r, QRect(gridAt + QPoint(100, 3 * h), QSize(50, h)));

    g.setTopRow(11); // rows 11.. now follow the heading row
    r = g.cellRect(12, 1, &w.window);
    EXPECT_EQ(r.topLeft(), gridAt + QPoint(100, 2 * h));
    // The heading row stays where it is.
    EXPECT_EQ(g.cellRect(0, 1, &w.window).topLeft(), gridAt + QPoint(100, 0));

    // A taller row pushes the rows below it down.
    g.setRowHeight(11, g.rowHeight(11) + 90);
    r = g.cellRect(12, 1, &w.window);
    EXPECT_EQ(r.topLeft(), gridAt + QPoint(100, 2 * h + 6));
    EXPECT_EQ(g.cellRect(11, 1, &w.window).height(), h + 6);
}

TEST(Grid, FixedRowsAndColumnStayWhileTheRestScrolls) {
    // The guest-slip shape: three fixed rows, fixed column 0.
    GridInWindow w(17, 60);
    Grid& g = *w.grid;
    g.setFixedRows(3);
    g.setFixedCols(1);
    for (int c = 0; c < 17; ++c)
        g.setColWidth(c, 600);
    EXPECT_EQ(g.topRow(), 3);
    EXPECT_EQ(g.leftCol(), 1);
    const int h = w.rowPx();
    g.setTopRow(20);
    g.setLeftCol(5);
    QRect fixedCorner = g.cellRect(2, 0, g.viewport());
    EXPECT_EQ(fixedCorner.topLeft(), QPoint(0, 2 * h));
    EXPECT_EQ(g.cellRect(20, 0, g.viewport()).topLeft(), QPoint(0, 3 * h));
    EXPECT_EQ(g.cellRect(20, 5, g.viewport()).topLeft(), QPoint(40, 3 * h));
    EXPECT_EQ(g.cellRect(1, 6, g.viewport()).topLeft(), QPoint(80, h));

    std::vector<std::pair<int, int>> seen;
    g.onClick([&] { seen.emplace_back(g.row(), g.col()); });
    clickCell(g, 21, 6);
    clickCell(g, 2, 0);
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{21, 6}, {2, 0}}));
    g.setLeftCol(0); // scrolled fully to the left
    EXPECT_EQ(g.leftCol(), 1);
}

TEST(Grid, ScrollEventOnEveryMoveOfTheView) {
    GridInWindow w(3, 100);
    Grid& g = *w.grid;
    int scrolls = 0;
    g.onScroll([&] { ++scrolls; });
    g.setTopRow(10);
    EXPECT_EQ(scrolls, 1);
    g.setTopRow(10); // no move, no event
    EXPECT_EQ(scrolls, 1);
    g.verticalScrollBar()->setValue(g.verticalScrollBar()->value() + 3); // the user
    EXPECT_EQ(g.topRow(), 13);
    EXPECT_EQ(scrolls, 2);

    // The view never runs past the last rows.
    int visible = (g.viewport()->height() - w.rowPx()) / w.rowPx();
    g.setTopRow(1000);
    EXPECT_EQ(g.topRow(), 100 - visible);
    g.setTopRow(-5);
    EXPECT_EQ(g.topRow(), 1);
    // Cutting the rows below the view moves it.
    g.setTopRow(50);
    scrolls = 0;
    g.setRows(5);
    EXPECT_EQ(g.topRow(), 1);
    EXPECT_EQ(scrolls, 1);
}

// A list and its totals beneath: the totals, narrower in their fixed columns and wider in
// their view, scroll with the list as far as the list needs, and the list with them.
TEST(Grid, LinkedGridsScrollSidewaysTogether) {
    GridInWindow w(12, 40);
    Grid& list = *w.grid;
    list.setFixedCols(2);
    Grid& totals = *new Grid(&w.window);
    totals.setGeometry(40, 240, 500, 60);
    totals.setCols(11);
    totals.setFixedCols(1);
    for (Grid* g : {&list, &totals})
        for (int c = 0; c < g->cols(); ++c)
            g->setColWidth(c, 1200);
    totals.show();
    list.setLeftCol(100);
    const int listEnd = list.leftCol(); // beyond what the totals need alone
    list.setLeftCol(0);
    int scrolls = 0;
    list.onScroll([&] { ++scrolls; }); // the window's own handler still runs
    list.scrollSidewaysWith(totals);
    list.setLeftCol(100);
    EXPECT_EQ(list.leftCol(), listEnd);
    EXPECT_EQ(totals.leftCol(), list.leftCol() - 1);
    EXPECT_EQ(scrolls, 1);
    totals.horizontalScrollBar()->setValue(totals.horizontalScrollBar()->maximum()); // the user
    EXPECT_EQ(list.leftCol(), totals.leftCol() + 1);
    totals.setLeftCol(3);
    EXPECT_EQ(list.leftCol(), 4);
    EXPECT_EQ(scrolls, 2);
}

TEST(Grid, ShowCellScrollsAsLittleAsNeeded) {
    GridInWindow w(12, 100); // wider and taller than its view
    Grid& g = *w.grid;
    auto inView = [&](int row, int col) {
        return g.viewport()->rect().contains(g.cellRect(row, col, g.viewport()));
    };
    const std::pair<int, int> cells[] = {{40, 11}, {45, 11}, {3, 1}, {99, 0}, {1, 6}};
    for (const auto& [row, col] : cells) {
        g.showCell(row, col);
        EXPECT_TRUE(inView(row, col)) << row << "/" << col;
    }
    g.setTopRow(20);
    g.showCell(22, 1); // already in view
    EXPECT_EQ(g.topRow(), 20);
    g.showCell(60, 1); // below the view: becomes its last row
    EXPECT_TRUE(inView(60, 1));
    EXPECT_FALSE(inView(61, 1));
    g.showCell(0, 1); // the heading row is always in view
    EXPECT_TRUE(inView(60, 1));
}

TEST(Grid, FillingDrawsNothingAndReportsOneScrollAtTheEnd) {
    GridInWindow w(3, 100);
    Grid& g = *w.grid;
    g.setTopRow(50);
    int scrolls = 0;
    g.onScroll([&] { ++scrolls; });
    {
        Grid::Filling filling(g);
        EXPECT_FALSE(g.viewport()->updatesEnabled());
        g.setRows(1); // a day rebuilt: cut to the heading, then filled
        for (int r = 1; r < 80; ++r) {
            g.setRows(r + 1);
            g.setText(r, 0, QString::number(r));
        }
        { Grid::Filling nested(g); }
        EXPECT_FALSE(g.viewport()->updatesEnabled());
        EXPECT_EQ(scrolls, 0);
    }
    EXPECT_TRUE(g.viewport()->updatesEnabled());
    EXPECT_EQ(g.topRow(), 1);
    EXPECT_EQ(scrolls, 1);
    EXPECT_EQ(g.text(79, 0), "79");
    EXPECT_EQ(g.verticalScrollBar()->value(), 0);

    // A filling that leaves the view where it was reports nothing.
    {
        Grid::Filling filling(g);
        g.setText(5, 1, "x");
    }
    EXPECT_EQ(scrolls, 1);
}

TEST(Grid, EditorLiesOverTheCellAndLoadsQuietly) {
    GridInWindow w(3, 5);
    Grid& g = *w.grid;
    TextBox editor(&w.window);
    editor.hide();
    int changes = 0;
    editor.onChange([&] { ++changes; });
    editor.setText("-500"); // an earlier edit
    changes = 0;

    g.setText(3, 1, "1200");
    g.onClick([&] {
        g.placeEditor(&editor, g.row(), g.col());
        editor.setTextQuietly(g.text(g.row(), g.col()));
    });
    clickCell(g, 3, 1);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.geometry(), g.cellRect(3, 1, &w.window));
    EXPECT_EQ(editor.text(), "1200");
    EXPECT_EQ(changes, 0);
    editor.setText("1200"); // what it holds already: still no change
    EXPECT_EQ(changes, 0);
    editor.setText("1300");
    EXPECT_EQ(changes, 1);
}

TEST(Grid, RowSourceGivesReadOnlyRowsOnDemand) {
    GridInWindow w(3, 1);
    Grid& g = *w.grid;
    g.setText(0, 0, "日付");
    CountingRows model;
    model.count = 1'000'000;
    g.setRowSource(&model);
    EXPECT_EQ(g.rows(), 1'000'001);
    EXPECT_EQ(g.text(0, 0), "日付"); // the heading row stays the grid's
    EXPECT_EQ(g.text(1, 2), "0/2");
    EXPECT_EQ(g.text(1'000'000, 1), "999999/1");
    g.setText(5, 1, "x");
    EXPECT_EQ(g.text(5, 1), "4/1");
    g.setRows(3); // the model decides the rows
    EXPECT_EQ(g.rows(), 1'000'001);

    // Drawing asks only for the rows in view.
    g.setTopRow(500'000);
    model.asked = 0;
    g.viewport()->grab();
    int visibleCells = 3 * (g.viewport()->height() / w.rowPx() + 1);
    EXPECT_GT(model.asked, 0);
    EXPECT_LE(model.asked, 2 * visibleCells); // text and alignment of each cell

    // A recalculation with fewer rows: rows and view follow once told.
    model.count = 10;
    g.rowSourceChanged();
    EXPECT_EQ(g.rows(), 11);
    EXPECT_EQ(g.topRow(), 1);
    EXPECT_EQ(g.text(10, 0), "9/0");
    EXPECT_EQ(g.text(11, 0), "");

    // Back to stored rows: only the fixed rows remain.
    g.setRowSource(nullptr);
    EXPECT_EQ(g.rows(), 1);
    EXPECT_EQ(g.text(0, 0), "日付");
}

TEST(Grid, ColumnsFitTheirWidestTextInItsOwnFont) {
    Grid g;
    g.setCols(2);
    g.setRows(4);
    const QString longest = QStringLiteral("みずほ 東京営業部 普通 1234567");
    g.setText(1, 0, QStringLiteral("本部"));
    g.setText(2, 0, longest);
    QFont big = g.font();
    big.setPointSize(big.pointSize() * 2);
    g.setCellFont(3, 1, big);
    g.setText(3, 1, QStringLiteral("@1,666.67"));
    g.fitColWidthToTexts(0, 150);
    g.fitColWidthToTexts(1, 150);
    EXPECT_GT(g.colWidth(0), g.fontMetrics().horizontalAdvance(longest) * kTwipsPerPixel);
    EXPECT_GT(g.colWidth(1),
              QFontMetrics(big).horizontalAdvance(QStringLiteral("@1,666.67")) * kTwipsPerPixel);
    g.setText(2, 0, QString());
    g.fitColWidthToTexts(0, 3000); // never narrower than asked
    EXPECT_EQ(g.colWidth(0), 3000);

    g.setColWidthFitting(1, 150, QStringList{QStringLiteral("1"), longest, QStringLiteral("22")});
    EXPECT_GT(g.colWidth(1), g.fontMetrics().horizontalAdvance(longest) * kTwipsPerPixel);
}

TEST(Grid, EscapeClosesAnyCellEditorWithoutWritingTheCell) {
    QWidget window;
    window.resize(400, 300);
    auto* g = new Grid(&window);
    g->setGeometry(0, 0, 400, 300);
    g->setCols(2);
    g->setRows(3);
    g->setText(1, 1, QStringLiteral("12"));
    auto* text = new TextBox(&window);
    auto* combo = new ComboBox(&window);
    combo->addItems({QStringLiteral("現金"), QStringLiteral("カード")});
    auto* check = new CheckBox(QString(), &window);
    int changes = 0;
    text->onChange([&] { ++changes; });
    combo->onChange([&] { ++changes; });
    check->onChange([&] { ++changes; });
    window.show();
    for (QWidget* editor : std::initializer_list<QWidget*>{text, combo, check}) {
        SCOPED_TRACE(editor->metaObject()->className());
        g->placeEditor(editor, 1, 1);
        for (int pass = 0; pass < 2; ++pass) { // and again after it was placed once
            editor->show();
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(editor, &escape);
            EXPECT_FALSE(editor->isVisible());
        }
    }
    EXPECT_EQ(g->text(1, 1), QStringLiteral("12"));
    EXPECT_EQ(changes, 0);
}

// Escape after an edit: the editor's value as placed comes back through its change event, the
// cell its text as it was, and the editor closes. Leaving any other way keeps the edit.
TEST(Grid, EscapeUndoesWhatWasTypedIntoACellEditor) {
    GridInWindow w(3, 3);
    Grid& g = *w.grid;
    g.setText(1, 0, QStringLiteral("0")); // a 0 opens an empty editor
    g.setText(1, 1, QStringLiteral("現金"));
    g.setText(1, 2, QString());
    auto* text = new TextBox(&w.window);
    auto* combo = new ComboBox(&w.window);
    combo->addItems({QStringLiteral("現金"), QStringLiteral("カード")});
    auto* check = new CheckBox(QString(), &w.window);
    // As the windows' handlers do, each editor writes the current cell on every change.
    std::vector<QString> written;
    const auto write = [&](const QString& value) {
        written.push_back(value);
        g.setText(g.row(), g.col(), value);
    };
    text->onChange([&] { write(text->text()); });
    combo->onChange([&] { write(combo->currentText()); });
    check->onChange([&] { write(check->value() ? QStringLiteral("◎") : QString()); });
    const struct {
        QWidget* editor;
        int col;
        std::function<void()> load;
        std::function<void()> edit;
        QString edited;
        QString undone; // what the change event writes back
    } cases[] = {
        {text, 0, [&] { text->setTextQuietly(QString()); }, [&] { typeText(text, "45"); },
         QStringLiteral("45"), QString()},
        {combo, 1, [&] { combo->setListIndexQuietly(0); }, [&] { sendKey(combo, Qt::Key_Down); },
         QStringLiteral("カード"), QStringLiteral("現金")},
        {check, 2, [&] { check->setValueQuietly(0); }, [&] { sendKey(check, Qt::Key_Space); },
         QStringLiteral("◎"), QString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.editor->metaObject()->className());
        const QString before = g.text(1, c.col);
        for (bool escape : {true, false}) {
            c.load();
            g.setCurrentCell(1, c.col);
            g.placeEditor(c.editor, 1, c.col);
            c.editor->setFocus();
            c.edit();
            EXPECT_EQ(g.text(1, c.col), c.edited);
            written.clear();
            if (escape) {
                sendKey(c.editor, Qt::Key_Escape);
                EXPECT_EQ(written, std::vector<QString>{c.undone});
                EXPECT_EQ(g.text(1, c.col), before);
            } else {
                // Enter, or the window hiding it (a click elsewhere, a Tab away), keeps the
                // edit; a later Escape has no editor left to undo.
                sendKey(c.editor, Qt::Key_Return);
                c.editor->hide();
                sendKey(c.editor, Qt::Key_Escape);
                EXPECT_TRUE(written.empty());
                EXPECT_EQ(g.text(1, c.col), c.edited);
                g.setText(1, c.col, before);
            }
            EXPECT_FALSE(c.editor->isVisible());
        }
    }

    // Placed again on another cell, the editor remembers that cell.
    g.setText(2, 0, QStringLiteral("7"));
    text->setTextQuietly(QStringLiteral("7"));
    g.setCurrentCell(2, 0);
    g.placeEditor(text, 2, 0);
    text->setText(QStringLiteral("8"));
    sendKey(text, Qt::Key_Escape);
    EXPECT_EQ(text->text(), QStringLiteral("7"));
    EXPECT_EQ(g.text(2, 0), QStringLiteral("7"));
    EXPECT_EQ(g.text(1, 0), QStringLiteral("0"));
}

// Enter or Tab confirms what was typed, even where the window moves nowhere: a later Escape
// puts back only what was typed after it.
TEST(Grid, EscapeAfterEnterUndoesOnlyWhatWasTypedSince) {
    GridInWindow w(3, 3);
    Grid& g = *w.grid;
    auto* text = new TextBox(&w.window);
    auto* combo = new ComboBox(&w.window);
    combo->addItems({QStringLiteral("現金"), QStringLiteral("カード")});
    auto* check = new CheckBox(QString(), &w.window);
    text->onChange([&] { g.setText(g.row(), g.col(), text->text()); });
    combo->onChange([&] { g.setText(g.row(), g.col(), combo->currentText()); });
    check->onChange(
        [&] { g.setText(g.row(), g.col(), check->value() ? QStringLiteral("◎") : QString()); });
    const struct {
        const char* what;
        QWidget* editor;
        int col;
        int confirmKey;
        std::function<void()> load;
        std::function<void()> first;
        std::function<void()> second;
        QString confirmed;
    } cases[] = {
        {"text, Enter", text, 0, Qt::Key_Return, [&] { text->setTextQuietly(QString()); },
         [&] { typeText(text, "5000"); },
         [&] {
             text->selectAll();
             typeText(text, "7000");
         },
         QStringLiteral("5000")},
        {"text, Tab", text, 0, Qt::Key_Tab, [&] { text->setTextQuietly(QString()); },
         [&] { typeText(text, "45"); }, [&] { typeText(text, "6"); }, QStringLiteral("45")},
        {"list, Enter", combo, 1, Qt::Key_Return, [&] { combo->setListIndexQuietly(0); },
         [&] { sendKey(combo, Qt::Key_Down); }, [&] { sendKey(combo, Qt::Key_Up); },
         QStringLiteral("カード")},
        {"check box, Enter", check, 2, Qt::Key_Return, [&] { check->setValueQuietly(0); },
         [&] { sendKey(check, Qt::Key_Space); }, [&] { sendKey(check, Qt::Key_Space); },
         QStringLiteral("◎")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        g.setText(1, c.col, QString());
        c.load();
        g.setCurrentCell(1, c.col);
        g.placeEditor(c.editor, 1, c.col);
        c.editor->setFocus();
        c.first();
        sendKey(c.editor, c.confirmKey);
        ASSERT_TRUE(c.editor->isVisible()) << "nothing here moves or hides it";
        c.second();
        EXPECT_NE(g.text(1, c.col), c.confirmed);
        sendKey(c.editor, Qt::Key_Escape);
        EXPECT_EQ(g.text(1, c.col), c.confirmed);
        EXPECT_FALSE(c.editor->isVisible());
    }
    EXPECT_EQ(text->text(), QStringLiteral("45"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("カード"));
    EXPECT_EQ(check->value(), 1);
}
