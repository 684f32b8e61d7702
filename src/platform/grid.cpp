#include "grid.h"

#include "controls.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QVarLengthArray>
#include <QVariant>

#include <algorithm>
#include <optional>

namespace lukana::platform {
namespace {

constexpr int kTextMarginPx = 2;

using Size = std::function<int(int)>;

// The sizes of [from, to) added up; negative when `to` comes before `from`.
int span(int from, int to, const Size& size) {
    int sum = 0;
    for (int i = from; i < to; ++i)
        sum += size(i);
    for (int i = to; i < from; ++i)
        sum -= size(i);
    return sum;
}

// Which of the rows or columns [first, end) laid out from 0 covers `pos`; -1 when none.
int indexAt(int pos, int first, int end, const Size& size) {
    for (int i = first, at = 0; i < end && at <= pos; at += size(i++))
        if (pos < at + size(i))
            return i;
    return -1;
}

bool readsAsNumber(const QString& text) {
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace

Grid::Filling::Filling(Grid& grid) : grid_(grid) {
    if (grid_.fillingDepth_++ > 0)
        return;
    grid_.viewport()->setUpdatesEnabled(false);
    grid_.topBeforeFilling_ = grid_.topRow_;
    grid_.leftBeforeFilling_ = grid_.leftCol_;
}

Grid::Filling::~Filling() {
    if (--grid_.fillingDepth_ > 0)
        return;
    grid_.viewport()->setUpdatesEnabled(true);
    grid_.shapeChanged();
    bool moved =
        grid_.topRow_ != grid_.topBeforeFilling_ || grid_.leftCol_ != grid_.leftBeforeFilling_;
    if (moved)
        grid_.afterScroll();
}

Grid::Grid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
    setCols(2);
    setRows(2);
    setFixedRows(1);
    setCurrentCell(1, 0);
}

Grid::~Grid() = default;

// ---- shape ----

int Grid::rows() const {
    return source_ ? fixedRows_ + sourceRows_ : storedRowCount();
}

int Grid::storedRowCount() const {
    return static_cast<int>(rows_.size());
}

bool Grid::isStored(int row) const {
    return row >= 0 && row < storedRowCount() && (!source_ || row < fixedRows_);
}

bool Grid::inGrid(int row, int col) const {
    return row >= 0 && row < rows() && col >= 0 && col < cols_;
}

void Grid::resizeStoredRows(int count) {
    count = std::max(count, 0);
    for (int r = count; r < storedRowCount(); ++r)
        if (r >= fixedRows_ && rows_[r].heightPx >= 0)
            --tallScrollingRows_;
    rows_.resize(count);
    texts_.resize(std::size_t(count) * cols_);
}

void Grid::setRows(int rows) {
    if (source_ || rows == storedRowCount())
        return;
    resizeStoredRows(rows);
    shapeChanged();
}

void Grid::setCols(int cols) {
    cols = std::max(cols, 0);
    if (cols == cols_)
        return;
    std::vector<QString> texts(rows_.size() * cols); // the stored texts at the new stride
    for (int r = 0; r < storedRowCount(); ++r)
        for (int c = 0; c < std::min(cols, cols_); ++c)
            texts[std::size_t(r) * cols + c] = std::move(storedText(r, c));
    texts_ = std::move(texts);
    cols_ = cols;
    for (Row& r : rows_)
        if (!r.styles.empty())
            r.styles.resize(cols);
    colWidthsPx_.resize(cols, -1);
    colAlignments_.resize(cols);
    colElided_.resize(cols, 0);
    shapeChanged();
}

void Grid::setFixedRows(int rows) {
    fixedRows_ = std::max(rows, 0);
    if (source_)
        resizeStoredRows(fixedRows_);
    tallScrollingRows_ = 0;
    for (int r = fixedRows_; r < storedRowCount(); ++r)
        if (rows_[r].heightPx >= 0)
            ++tallScrollingRows_;
    shapeChanged();
}

void Grid::setFixedCols(int cols) {
    fixedCols_ = std::max(cols, 0);
    shapeChanged();
}

int Grid::colWidth(int col) const {
    if (col < 0 || col >= cols_)
        return 0;
    return colWidthsPx_[col] < 0 ? kDefaultColWidth : colWidthsPx_[col] * kTwipsPerPixel;
}

void Grid::setColWidth(int col, int twips) {
    if (col < 0 || col >= cols_)
        return;
    colWidthsPx_[col] = twips < 0 ? -1 : twipsToPixels(twips);
    shapeChanged();
}

void Grid::setColWidthFitting(int col, int twips, const QString& widest) {
    const int needed = fontMetrics().horizontalAdvance(widest) + 2 * kTextMarginPx + 1;
    setColWidth(col, std::max(twips, needed * kTwipsPerPixel));
}

void Grid::setColWidthFitting(int col, int twips, const QStringList& texts) {
    const QFontMetrics metrics = fontMetrics();
    QString widest;
    int widestPx = -1;
    for (const QString& text : texts)
        if (const int px = metrics.horizontalAdvance(text); px > widestPx) {
            widest = text;
            widestPx = px;
        }
    setColWidthFitting(col, twips, widest);
}

void Grid::fitColWidthToTexts(int col, int twips) {
    if (col < 0 || col >= cols_)
        return;
    int needed = 0;
    for (int row = 0; row < storedRowCount(); ++row) {
        const QString& text = storedText(row, col);
        if (text.isEmpty() || !isStored(row))
            continue;
        const CellStyle* s = style(row, col);
        const int px = s && s->font ? QFontMetrics(*s->font).horizontalAdvance(text)
                                    : fontMetrics().horizontalAdvance(text);
        needed = std::max(needed, px);
    }
    setColWidth(col, std::max(twips, (needed + 2 * kTextMarginPx + 1) * kTwipsPerPixel));
}

int Grid::rowHeight(int row) const {
    if (row < 0 || row >= rows())
        return 0;
    return rowHeightPx(row) * kTwipsPerPixel;
}

void Grid::setRowHeight(int row, int twips) {
    if (!isStored(row))
        return;
    int& height = rows_[row].heightPx;
    if (row >= fixedRows_)
        tallScrollingRows_ += (twips >= 0) - (height >= 0);
    height = twips < 0 ? -1 : twipsToPixels(twips);
    shapeChanged();
}

// ---- cells ----

QString Grid::text(int row, int col) const {
    if (!inGrid(row, col))
        return {};
    if (isStored(row))
        return storedText(row, col);
    return source_->text(row - fixedRows_, col);
}

void Grid::setText(int row, int col, const QString& text) {
    if (!inGrid(row, col) || !isStored(row))
        return;
    storedText(row, col) = text;
    repaint();
}

const Grid::CellStyle* Grid::style(int row, int col) const {
    if (!inGrid(row, col) || !isStored(row) || rows_[row].styles.empty())
        return nullptr;
    return &rows_[row].styles[col];
}

Grid::CellStyle* Grid::editableStyle(int row, int col) {
    if (!inGrid(row, col) || !isStored(row))
        return nullptr;
    auto& styles = rows_[row].styles;
    if (styles.empty())
        styles.resize(cols_);
    return &styles[col];
}

void Grid::setColAlignment(int col, Qt::Alignment alignment) {
    if (col < 0 || col >= cols_)
        return;
    colAlignments_[col] = alignment;
    repaint();
}

void Grid::setColElided(int col, bool elided) {
    if (col < 0 || col >= cols_)
        return;
    colElided_[col] = elided;
    repaint();
}

QString Grid::shownText(int row, int col) const {
    const QString t = text(row, col);
    if (col < 0 || col >= cols_)
        return t;
    return fitCell(t, col, ScreenFont(cellFont(row, col)), textRoomPx(col)).text;
}

int Grid::textRoomPx(int col) const {
    return colWidthPx(col) - 2 * kTextMarginPx - 1;
}

FittedText Grid::fitCell(const QString& text, int col, const ScreenFont& font, int room) const {
    if (readsAsFigure(text))
        return font.fit(text, room, TextKeep::End);
    if (colElided_[col]) // a name keeps the grid's size
        return font.fit(text, room, TextKeep::Start, font.points());
    return font.whole(text);
}

void Grid::restyle(int row, int col, const std::function<void(CellStyle&)>& change) {
    if (CellStyle* s = editableStyle(row, col)) {
        change(*s);
        repaint();
    }
}

void Grid::setCellAlignment(int row, int col, Qt::Alignment alignment) {
    restyle(row, col, [&](CellStyle& s) { s.alignment = alignment; });
}

Qt::Alignment Grid::cellAlignment(int row, int col) const {
    if (!inGrid(row, col))
        return {};
    return alignmentFor(style(row, col), col, text(row, col));
}

Qt::Alignment Grid::alignmentFor(const CellStyle* style, int col, const QString& text) const {
    Qt::Alignment a;
    if (style)
        a = style->alignment;
    if (!(a & Qt::AlignHorizontal_Mask))
        a = colAlignments_[col];
    if (!(a & Qt::AlignHorizontal_Mask))
        a = readsAsNumber(text) ? Qt::AlignRight : Qt::AlignLeft;
    return (a & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
}

void Grid::setCellBackground(int row, int col, const QColor& color) {
    restyle(row, col, [&](CellStyle& s) { s.background = color; });
}

QColor Grid::cellBackground(int row, int col) const {
    const CellStyle* s = style(row, col);
    return s ? s->background : QColor();
}

void Grid::setCellFont(int row, int col, const QFont& font) {
    restyle(row, col, [&](CellStyle& s) { s.font = font; });
}

QFont Grid::cellFont(int row, int col) const {
    const CellStyle* s = style(row, col);
    return s && s->font ? *s->font : font();
}

// ---- current cell and scrolling ----

void Grid::setRow(int row) {
    if (row < 0 || row >= rows() || row == row_)
        return;
    row_ = row;
    repaint();
}

void Grid::setCol(int col) {
    if (col < 0 || col >= cols_ || col == col_)
        return;
    col_ = col;
    repaint();
}

void Grid::clampCurrent() {
    row_ = std::clamp(row_, 0, std::max(rows() - 1, 0));
    col_ = std::clamp(col_, 0, std::max(cols_ - 1, 0));
}

int Grid::maxTopRow() const {
    int first = std::min(fixedRows_, rows());
    int room = viewport()->height() - fixedHeightPx();
    if (tallScrollingRows_ == 0) {
        int fit = std::max(room / defaultRowHeightPx(), 1);
        return std::max(rows() - fit, first);
    }
    int r = rows();
    int used = 0;
    while (r > first) {
        used += rowHeightPx(r - 1);
        if (used > room && r < rows())
            break;
        --r;
    }
    return r;
}

int Grid::maxLeftCol() const {
    int last = ownMaxLeftCol();
    if (sideways_) {
        const int first = std::min(fixedCols_, cols_);
        const int reach =
            sideways_->ownMaxLeftCol() - std::min(sideways_->fixedCols_, sideways_->cols_);
        last = std::max(last, std::min(first + reach, std::max(cols_ - 1, first)));
    }
    return last;
}

int Grid::ownMaxLeftCol() const {
    int first = std::min(fixedCols_, cols_);
    int room = viewport()->width() - fixedWidthPx();
    int c = cols_;
    int used = 0;
    while (c > first) {
        used += colWidthPx(c - 1);
        if (used > room && c < cols_)
            break;
        --c;
    }
    return c;
}

void Grid::setTopRow(int row) {
    int top = std::clamp(row, std::min(fixedRows_, rows()), maxTopRow());
    if (top == topRow_)
        return;
    topRow_ = top;
    scrolled();
}

void Grid::setLeftCol(int col) {
    int left = std::clamp(col, std::min(fixedCols_, cols_), maxLeftCol());
    if (left == leftCol_)
        return;
    leftCol_ = left;
    scrolled();
}

void Grid::showCell(int row, int col) {
    if (row >= fixedRows_ && row < rows()) {
        const int room = viewport()->height() - fixedHeightPx();
        int top = std::min(topRow_, row);
        while (top < row && span(top, row + 1, rowSize()) > room)
            ++top;
        setTopRow(top);
    }
    if (col >= fixedCols_ && col < cols_) {
        const int room = viewport()->width() - fixedWidthPx();
        int left = std::min(leftCol_, col);
        while (left < col && span(left, col + 1, colSize()) > room)
            ++left;
        setLeftCol(left);
    }
}

void Grid::scrolled() {
    if (fillingDepth_ > 0)
        return;
    updateScrollBars();
    repaint();
    afterScroll();
}

void Grid::afterScroll() {
    followSideways();
    if (scrollHandler_)
        scrollHandler_();
}

void Grid::scrollSidewaysWith(Grid& other) {
    sideways_ = &other;
    other.sideways_ = this;
    followSideways();
}

void Grid::followSideways() {
    if (!sideways_)
        return;
    const int scrolledCols = leftCol_ - std::min(fixedCols_, cols_);
    sideways_->setLeftCol(std::min(sideways_->fixedCols_, sideways_->cols_) + scrolledCols);
    sideways_->updateScrollBars();
}

void Grid::scrollContentsBy(int, int) {
    if (settingScrollBars_)
        return;
    int top = std::min(fixedRows_, rows()) + verticalScrollBar()->value();
    int left = std::min(fixedCols_, cols_) + horizontalScrollBar()->value();
    if (top == topRow_ && left == leftCol_)
        return;
    topRow_ = top;
    leftCol_ = left;
    scrolled();
}

void Grid::updateScrollBars() {
    if (fillingDepth_ > 0)
        return;
    int firstRow = std::min(fixedRows_, rows());
    int firstCol = std::min(fixedCols_, cols_);
    settingScrollBars_ = true;
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, maxTopRow() - firstRow);
    v->setPageStep(std::max((viewport()->height() - fixedHeightPx()) / defaultRowHeightPx(), 1));
    v->setValue(topRow_ - firstRow);
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, maxLeftCol() - firstCol);
    h->setPageStep(1);
    h->setValue(leftCol_ - firstCol);
    settingScrollBars_ = false;
}

// After any change of shape: the current cell and the view stay inside the grid. While the
// grid is filled the scroll event waits for the end, and runs only if the view moved.
void Grid::shapeChanged() {
    clampCurrent();
    if (fillingDepth_ > 0) {
        // Cheap while filling: a grid cut short starts again at its first rows; the exact
        // place comes at the end.
        topRow_ = std::min(topRow_, std::max(rows() - 1, std::min(fixedRows_, rows())));
        leftCol_ = std::min(leftCol_, std::max(cols_ - 1, std::min(fixedCols_, cols_)));
        return;
    }
    int top = std::clamp(topRow_, std::min(fixedRows_, rows()), maxTopRow());
    int left = std::clamp(leftCol_, std::min(fixedCols_, cols_), maxLeftCol());
    bool moved = top != topRow_ || left != leftCol_;
    topRow_ = top;
    leftCol_ = left;
    updateScrollBars();
    if (sideways_)
        sideways_->updateScrollBars(); // how far the linked grid reaches may have changed
    repaint();
    if (moved)
        afterScroll();
}

void Grid::repaint() {
    if (fillingDepth_ == 0)
        viewport()->update();
}

// ---- rows of a model ----

void Grid::setRowSource(const GridRowSource* source) {
    source_ = nullptr;
    resizeStoredRows(fixedRows_);
    source_ = source;
    sourceRows_ = source_ ? source_->rowCount() : 0;
    shapeChanged();
}

void Grid::rowSourceChanged() {
    sourceRows_ = source_ ? source_->rowCount() : 0;
    shapeChanged();
}

// ---- geometry ----

int Grid::defaultRowHeightPx() const {
    if (defaultRowPx_ < 0)
        defaultRowPx_ = std::max(twipsToPixels(kMinRowHeight), fontMetrics().height() + 2);
    return defaultRowPx_;
}

int Grid::rowHeightPx(int row) const {
    if (isStored(row) && rows_[row].heightPx >= 0)
        return rows_[row].heightPx;
    return defaultRowHeightPx();
}

int Grid::widthShowingAllColumns() const {
    return span(0, cols_, colSize()) + 2 * frameWidth() +
           QWidget::style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

int Grid::colWidthPx(int col) const {
    int px = colWidthsPx_[col];
    return px < 0 ? twipsToPixels(kDefaultColWidth) : px;
}

int Grid::fixedHeightPx() const {
    return span(0, std::min(fixedRows_, rows()), rowSize());
}

int Grid::fixedWidthPx() const {
    return span(0, std::min(fixedCols_, cols_), colSize());
}

QRect Grid::viewportCellRect(int row, int col) const {
    int y = row < fixedRows_ ? span(0, row, rowSize()) : fixedHeightPx() + scrolledRowY(row);
    int x = col < fixedCols_ ? span(0, col, colSize())
                             : fixedWidthPx() + span(leftCol_, col, colSize());
    return {x, y, colWidthPx(col), rowHeightPx(row)};
}

int Grid::scrolledRowY(int row) const {
    if (tallScrollingRows_ == 0)
        return (row - topRow_) * defaultRowHeightPx();
    return span(topRow_, row, rowSize());
}

QRect Grid::cellRect(int row, int col, const QWidget* widget) const {
    if (!inGrid(row, col))
        return {};
    QRect r = viewportCellRect(row, col);
    if (!widget)
        return r.translated(viewport()->mapToGlobal(QPoint(0, 0)));
    return r.translated(widget->mapFromGlobal(viewport()->mapToGlobal(QPoint(0, 0))));
}

namespace {

// The value an editor holds: a text box's text, a list's chosen entry, a box's tick; none
// for any other control.
QVariant editorValue(const QWidget* editor) {
    if (auto* box = qobject_cast<const TextBox*>(editor))
        return box->text();
    if (auto* list = qobject_cast<const ComboBox*>(editor))
        return list->listIndex();
    if (auto* check = qobject_cast<const CheckBox*>(editor))
        return check->value();
    return {};
}

// Writes the value with the change event, as the user's edit would.
void setEditorValue(QWidget* editor, const QVariant& value) {
    if (auto* box = qobject_cast<TextBox*>(editor))
        box->setText(value.toString());
    else if (auto* list = qobject_cast<ComboBox*>(editor))
        list->setListIndex(value.toInt());
    else if (auto* check = qobject_cast<CheckBox*>(editor))
        check->setValue(value.toInt());
}

// Escape in an editor laid over a cell undoes what was typed since it was placed, or since the
// last Enter or Tab, and closes it: the editor gets that value back through its change event,
// so the window's data and totals follow as after any edit, and the cell its text (a 0 shown
// as an empty editor stays "0"). An entry confirmed with Enter stays even where Enter moves
// nowhere. The grid then takes the focus, so the window's own hiding on a lost focus runs as
// after any other leaving.
class EscapeRestoresEditor : public QObject {
  public:
    explicit EscapeRestoresEditor(QWidget* editor) : QObject(editor) {}
    void placedOn(Grid* grid, int row, int col) {
        grid_ = grid;
        row_ = row;
        col_ = col;
        confirm();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
            key == Qt::Key_Backtab) {
            // Before the window's own key handling, which may move on and place it again.
            confirm();
            return false;
        }
        if (key != Qt::Key_Escape)
            return QObject::eventFilter(watched, event);
        auto* editor = static_cast<QWidget*>(parent());
        if (editor->isVisible() && editorValue(editor) != value_) {
            setEditorValue(editor, value_);
            if (grid_)
                grid_->setText(row_, col_, cellText_);
        }
        if (grid_)
            grid_->setFocus();
        editor->hide();
        return true;
    }

  private:
    void confirm() {
        if (grid_)
            cellText_ = grid_->text(row_, col_);
        value_ = editorValue(static_cast<QWidget*>(parent()));
    }

    QPointer<Grid> grid_;
    int row_ = 0, col_ = 0;
    QString cellText_;
    QVariant value_;
};

} // namespace

void Grid::placeEditor(QWidget* editor, int row, int col) {
    editor->setGeometry(cellRect(row, col, editor->parentWidget()));
    EscapeRestoresEditor* escape = nullptr;
    for (QObject* child : editor->children())
        if (auto* found = dynamic_cast<EscapeRestoresEditor*>(child))
            escape = found;
    if (!escape)
        escape = new EscapeRestoresEditor(editor);
    // Installed again, it sees the keys before the window's handlers installed since.
    editor->installEventFilter(escape);
    escape->placedOn(this, row, col);
    editor->raise();
    editor->show();
}

bool Grid::cellAt(QPoint point, int& row, int& col) const {
    int fixedH = fixedHeightPx();
    row = point.y() < fixedH ? indexAt(point.y(), 0, std::min(fixedRows_, rows()), rowSize())
                             : indexAt(point.y() - fixedH, topRow_, rows(), rowSize());
    int fixedW = fixedWidthPx();
    col = point.x() < fixedW ? indexAt(point.x(), 0, std::min(fixedCols_, cols_), colSize())
                             : indexAt(point.x() - fixedW, leftCol_, cols_, colSize());
    return row >= 0 && col >= 0;
}

// ---- events ----

void Grid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    shapeChanged();
}

void Grid::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        defaultRowPx_ = -1;
        shapeChanged();
    }
}

void Grid::mousePressEvent(QMouseEvent* event) {
    pressedRow_ = pressedCol_ = -1;
    if (event->button() != Qt::LeftButton)
        return;
    int r, c;
    // The viewport's events arrive here in its coordinates.
    if (!cellAt(event->position().toPoint(), r, c))
        return;
    pressedRow_ = r;
    pressedCol_ = c;
    setCurrentCell(r, c);
}

void Grid::mouseReleaseEvent(QMouseEvent* event) {
    bool pressed = pressedRow_ >= 0 && event->button() == Qt::LeftButton;
    pressedRow_ = pressedCol_ = -1;
    if (pressed && clickHandler_)
        clickHandler_();
}

// Drawing a screen of a long list is the hot path: each cell's text is fetched once, the
// painter's font and pen change only when a cell needs another one, and the rules of a row are
// drawn together after its cells. A text is clipped (by drawText) only when it overflows.
void Grid::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QRect view = viewport()->rect();
    const QPalette& pal = palette();
    const QColor lines = pal.color(QPalette::Mid);
    const QColor fixedBack = pal.color(QPalette::Button);
    const QColor back = pal.color(QPalette::Base);
    const QColor fixedInk = pal.color(QPalette::ButtonText);
    const QColor ink = pal.color(QPalette::Text);
    const QFont baseFont = font();
    const int lastFixedRow = std::min(fixedRows_, rows());
    const int lastFixedCol = std::min(fixedCols_, cols_);
    const QFont* painterFont = &baseFont;
    p.setFont(baseFont);
    // Measured once for the grid's font and again only when a cell's own font differs.
    std::optional<ScreenFont> measured;
    const QFont* measuredFor = nullptr;
    auto measuredFont = [&](const QFont* f) -> const ScreenFont& {
        if (f != measuredFor && (!measured || measured->font() != *f))
            measured.emplace(*f);
        measuredFor = f;
        return *measured;
    };
    QColor painterInk = ink;
    p.setPen(ink);
    QVarLengthArray<QLine, 64> rules;
    QRect focusCell;

    auto paintCell = [&](int row, int col, const QRect& r) {
        const bool fixed = row < lastFixedRow || col < lastFixedCol;
        const CellStyle* s = style(row, col);
        const QColor own = s ? s->background : QColor();
        p.fillRect(r, own.isValid() ? own : fixed ? fixedBack : back);
        const QString t = text(row, col);
        if (!t.isEmpty()) {
            const QFont* f = s && s->font ? &*s->font : &baseFont;
            if (f != painterFont && *f != *painterFont)
                p.setFont(*f);
            painterFont = f;
            const QColor& wanted = fixed ? fixedInk : ink;
            if (wanted != painterInk) {
                p.setPen(wanted);
                painterInk = wanted;
            }
            const QRect inner = r.adjusted(kTextMarginPx, 0, -kTextMarginPx - 1, -1);
            const ScreenFont& measuredF = measuredFont(f);
            drawFitted(p, inner, alignmentFor(s, col, t),
                       fitCell(t, col, measuredF, textRoomPx(col)), measuredF, this, {col, row});
        }
        rules.append(QLine(r.topRight(), r.bottomRight()));
        rules.append(QLine(r.bottomLeft(), r.bottomRight()));
        if (!fixed && row == row_ && col == col_)
            focusCell = r;
    };
    auto drawRules = [&] {
        p.setPen(lines);
        p.drawLines(rules.constData(), int(rules.size()));
        rules.clear();
        if (focusCell.isValid()) {
            p.setPen(QPen(ink, 1, Qt::DotLine));
            p.drawRect(focusCell.adjusted(1, 1, -2, -2));
            focusCell = QRect();
        }
        p.setPen(painterInk);
    };
    auto paintRow = [&](int row, int y, int h) {
        int x = 0;
        for (int c = 0; c < lastFixedCol; ++c) {
            paintCell(row, c, QRect(x, y, colWidthPx(c), h));
            x += colWidthPx(c);
        }
        drawRules();
        const int fixedW = x;
        p.setClipRect(QRect(fixedW, y, view.width() - fixedW, h));
        for (int c = leftCol_; c < cols_ && x < view.width(); ++c) {
            paintCell(row, c, QRect(x, y, colWidthPx(c), h));
            x += colWidthPx(c);
        }
        drawRules();
        p.setClipping(false);
    };

    p.fillRect(view, pal.color(QPalette::Window));
    int y = 0;
    for (int r = 0; r < lastFixedRow; ++r) {
        paintRow(r, y, rowHeightPx(r));
        y += rowHeightPx(r);
    }
    for (int r = topRow_; r < rows() && y < view.height(); ++r) {
        paintRow(r, y, rowHeightPx(r));
        y += rowHeightPx(r);
    }
}

} // namespace lukana::platform
