#pragma once
// The program's one grid: a table of text cells with fixed heading rows and columns, edited
// by editors the window lays over a cell.
//
// - A new grid has 2 rows and 2 columns, row 0 fixed, no fixed column.
// - Rows and columns count from 0, fixed ones included: row 0 is the first heading row.
//   Fixed rows stay at the top and fixed columns at the left while the rest scrolls.
// - Sizes are in twips, 15 to a pixel; -1 stands for the default size.
// - A click on a cell makes it the current cell, then runs the click handler. Every change
//   of the first visible row or column, by the user or by the window, runs the scroll
//   handler.
// - Filling many cells: hold a Grid::Filling guard (the old "hide the grid while it is
//   filled"); nothing is drawn or measured until the last guard ends.
// - Editors: placeEditor lays any control over a cell's rectangle and shows it. Load its
//   value first, with the controls' quiet setters (setTextQuietly, setListIndexQuietly,
//   setValueQuietly), so that a click changes no data. Placing remembers that value and the
//   cell's text, and Enter or Tab in the editor remembers them anew (the entry is confirmed):
//   Escape in the editor gives the editor the value remembered last back through the change
//   event (the window's handlers undo what was typed since), puts that cell text back and
//   closes the editor.
// - Lists of any length: setRowSource gives the rows below the fixed rows from a model,
//   read-only, asked only for the rows drawn or read.
#include "screen_fit.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPointer>

#include <functional>
#include <optional>
#include <vector>

namespace lukana::platform {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// The rows of a read-only list below the grid's fixed rows; row 0 is the first of them.
class GridRowSource {
  public:
    virtual ~GridRowSource() = default;
    virtual int rowCount() const = 0;
    virtual QString text(int row, int col) const = 0;
};

class Grid : public QAbstractScrollArea {
    Q_OBJECT
  public:
    static constexpr int kDefaultColWidth = 960; // twips
    // Rows are at least this tall, and tall enough for the grid's font.
    static constexpr int kMinRowHeight = 225; // twips

    explicit Grid(QWidget* parent = nullptr);
    ~Grid() override;

    // Shape. New rows and columns are empty; fewer drops the cells beyond. The current cell
    // and the first visible row are kept inside the grid. With a row source the rows below
    // the fixed ones are the source's and setRows leaves them alone.
    int rows() const;
    void setRows(int rows);
    int cols() const { return cols_; }
    void setCols(int cols);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int rows);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int cols);

    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    // As setColWidth, but never narrower than the widest text needs: a width set for a
    // narrower screen font must not cut off what the column shows.
    void setColWidthFitting(int col, int twips, const QString& widest);
    // As setColWidthFitting, for the widest of these texts.
    void setColWidthFitting(int col, int twips, const QStringList& texts);
    // As setColWidthFitting, for the widest text the column holds now (a row source's rows
    // aside), each measured in its cell's font.
    void fitColWidthToTexts(int col, int twips);
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    // The widget width, in pixels, that shows every column beside a vertical scroll bar.
    int widthShowingAllColumns() const;

    // Cell texts. Cells outside the grid read empty and ignore writes, as do the rows of a
    // row source.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);

    // Alignment: a cell's own, else its column's, else general (a number to the right, any
    // other text to the left), always centred vertically.
    void setColAlignment(int col, Qt::Alignment alignment);
    void setCellAlignment(int row, int col, Qt::Alignment alignment);
    Qt::Alignment cellAlignment(int row, int col) const;

    // A column of names keeps its width: a longer text is drawn cut short with an ellipsis
    // rather than running to the rule, so the figures beside it stay in view. The cell keeps
    // the whole text. A figure in any column is drawn smaller, or cut with its sign kept,
    // where it is wider than its cell (screen_fit.h).
    void setColElided(int col, bool elided);
    // The text as the cell draws it.
    QString shownText(int row, int col) const;

    // An invalid colour gives the cell the grid's normal background again.
    void setCellBackground(int row, int col, const QColor& color);
    QColor cellBackground(int row, int col) const;

    // A cell without a font of its own uses the grid's font.
    void setCellFont(int row, int col, const QFont& font);
    QFont cellFont(int row, int col) const;

    // The current cell; the window's writes do not scroll it into view.
    int row() const { return row_; }
    int col() const { return col_; }
    void setRow(int row);
    void setCol(int col);
    void setCurrentCell(int row, int col) {
        setRow(row);
        setCol(col);
    }

    // The first visible row below the fixed rows and column right of the fixed columns;
    // kept where the last rows or columns still fill the view.
    int topRow() const { return topRow_; }
    void setTopRow(int row);
    int leftCol() const { return leftCol_; }
    void setLeftCol(int col);
    // Scrolls as little as needed for the cell to lie wholly in view (as far as it fits).
    void showCell(int row, int col);

    // Where the cell is drawn now, in the coordinates of `widget` (an editor's parent).
    QRect cellRect(int row, int col, const QWidget* widget) const;
    // Lays the editor over the cell, in front, and shows it. The window has loaded its value.
    void placeEditor(QWidget* editor, int row, int col);

    void onClick(std::function<void()> handler) { clickHandler_ = std::move(handler); }
    void onScroll(std::function<void()> handler) { scrollHandler_ = std::move(handler); }
    // Links the sideways scrolling of two grids whose scrolling columns stand one under the
    // other (their fixed columns may differ in number): scrolling either scrolls the other
    // alike, and both scroll as far as the one that needs more. Both grids live as long.
    void scrollSidewaysWith(Grid& other);

    // Read-only rows from a model (nullptr ends it; the stored rows below the fixed ones are
    // dropped either way). The grid keeps the pointer: call rowSourceChanged after every
    // recalculation of the model, and before the model goes.
    void setRowSource(const GridRowSource* source);
    void rowSourceChanged();

    class Filling {
      public:
        explicit Filling(Grid& grid);
        ~Filling();
        Filling(const Filling&) = delete;
        Filling& operator=(const Filling&) = delete;

      private:
        Grid& grid_;
    };

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    struct CellStyle {
        QColor background;
        Qt::Alignment alignment;
        std::optional<QFont> font;
    };
    struct Row {
        std::vector<CellStyle> styles; // empty until a cell of the row gets a style
        int heightPx = -1;
    };

    bool inGrid(int row, int col) const;
    bool isStored(int row) const;
    const CellStyle* style(int row, int col) const;
    // The text as a cell of col draws it in room pixels in font: a figure fitted, a name cut
    // short where the column elides, any other text whole.
    FittedText fitCell(const QString& text, int col, const ScreenFont& font, int room) const;
    int textRoomPx(int col) const;
    Qt::Alignment alignmentFor(const CellStyle* style, int col, const QString& text) const;
    CellStyle* editableStyle(int row, int col);
    void restyle(int row, int col, const std::function<void(CellStyle&)>& change);
    int storedRowCount() const;
    void resizeStoredRows(int count);
    QString& storedText(int row, int col) { return texts_[std::size_t(row) * cols_ + col]; }
    const QString& storedText(int row, int col) const {
        return texts_[std::size_t(row) * cols_ + col];
    }

    int colWidthPx(int col) const;
    int rowHeightPx(int row) const;
    int defaultRowHeightPx() const;
    std::function<int(int)> rowSize() const {
        return [this](int row) { return rowHeightPx(row); };
    }
    std::function<int(int)> colSize() const {
        return [this](int col) { return colWidthPx(col); };
    }
    int fixedWidthPx() const;
    int fixedHeightPx() const;
    // Distance from the top of the scrolling area to the top of `row`, which may lie above
    // or below the first visible row.
    int scrolledRowY(int row) const;
    QRect viewportCellRect(int row, int col) const;
    // The cell under a point of the viewport, or false.
    bool cellAt(QPoint point, int& row, int& col) const;
    int maxTopRow() const;
    int maxLeftCol() const;
    int ownMaxLeftCol() const; // as far as this grid alone needs
    void followSideways();     // the linked grid takes this grid's first column
    void afterScroll();

    void shapeChanged();
    void scrolled();
    void updateScrollBars();
    void repaint();
    void clampCurrent();

    int cols_ = 0;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    int row_ = 0, col_ = 0;
    int topRow_ = 0, leftCol_ = 0;
    int pressedRow_ = -1, pressedCol_ = -1;
    int fillingDepth_ = 0;
    int topBeforeFilling_ = 0, leftBeforeFilling_ = 0;
    // Count of scrolling rows with a height of their own: without any, row positions are
    // computed, not summed.
    int tallScrollingRows_ = 0;
    mutable int defaultRowPx_ = -1; // measured from the font when first needed
    std::vector<Row> rows_;
    // The stored rows' texts, row by row, cols_ to a row. One vector rather than one per row:
    // a list is cut and refilled to much the same length again and again, and a single vector
    // keeps its room across the refills instead of allocating (and the heap returning) a
    // block for every row.
    std::vector<QString> texts_;
    std::vector<int> colWidthsPx_;
    std::vector<Qt::Alignment> colAlignments_;
    std::vector<char> colElided_;
    const GridRowSource* source_ = nullptr;
    int sourceRows_ = 0;
    bool settingScrollBars_ = false;
    std::function<void()> clickHandler_;
    std::function<void()> scrollHandler_;
    QPointer<Grid> sideways_;
};

} // namespace lukana::platform
