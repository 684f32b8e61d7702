#include "guest_slip_window.h"

#include "core/guest_slips.h"
#include "number_editor.h"
#include "order_panel.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/widget_events.h"
#include "slip_printout.h"
#include "storage/display_format.h"
#include "storage/routines.h"

#include <QPushButton>

namespace lukana {

using namespace platform;

namespace {

constexpr int kFirstSlipRow = 3;
constexpr int kColumns = 17;
constexpr int kOrderCol = 13;
constexpr int kPaidCol = 14;
constexpr int kSpendCol = 15;
constexpr int kKindCol = 16;
constexpr int kPaidWidth = 1600, kSpendWidth = 1000; // twips
constexpr int kMarkGrowth = 90;                      // twips
constexpr int kPanelGap = 8;                         // pixels between the grid and the order panel
const QColor kMarkColour(192, 255, 192);

// The slip value a typed column edits, or -1 for a column without the text editor.
int valueOfColumn(int col) {
    if (col >= 1 && col <= 4)
        return col - 1;
    if (col >= 8 && col <= 11)
        return col - 4;
    if (col == kPaidCol)
        return kSlipPaid;
    return -1;
}

// Enter and Right move on along the typed columns.
int nextTypedColumn(int col) {
    switch (col) {
    case 4:
        return 8;
    case 11:
        return kPaidCol;
    default:
        return col + 1;
    }
}
int previousTypedColumn(int col) {
    switch (col) {
    case 1:
        return 1;
    case 8:
        return 4;
    case kPaidCol:
        return 11;
    default:
        return col - 1;
    }
}

} // namespace

GuestSlipWindow::GuestSlipWindow(NippouDay& day, std::string departmentName, QWidget* parent)
    : Window(parent), slips_(new Grid(this)), cellEditor_(new TextBox(this)),
      kindEditor_(new ComboBox(this)),
      deleteButton_(new QPushButton(QStringLiteral("選択データの削除"), this)),
      printButton_(new QPushButton(QStringLiteral("詳細日報の印刷"), this)),
      applyTotalBox_(new CheckBox(QStringLiteral("ご清算額に伝票の合計金額を適用する"), this)),
      orderPanel_(new OrderPanel(this)), day_(day), departmentName_(std::move(departmentName)) {
    resize(1260, 640);
    slips_->setGeometry(10, 10, 875, 570);
    deleteButton_->setGeometry(10, 595, 170, 32);
    printButton_->setGeometry(190, 595, 170, 32);
    applyTotalBox_->setGeometry(380, 595, 360, 32);
    orderPanel_->setGeometry(width() - 10 - 360, 10, 360, 515);
    orderPanel_->hide();
    cellEditor_->setStripCommas(true);
    cellEditor_->setMaxDigits(kAmountDigits);
    cellEditor_->hide();
    kindEditor_->addItems({QStringLiteral("未選択"), QStringLiteral("現金"),
                           QStringLiteral("カード"), QStringLiteral("売掛")});
    kindEditor_->hide();

    slips_->onClick([this] { onSlipClicked(); });
    slips_->onScroll([this] { hideEditors(); });
    cellEditor_->onChange([this] { onCellEdited(); });
    onFocusLost(cellEditor_, [this] { hideEditors(); });
    onKeyDown(cellEditor_, [this](int key, Qt::KeyboardModifiers) { return onCellKey(key); });
    kindEditor_->onChange([this] { onKindChosen(); });
    connect(deleteButton_, &QPushButton::clicked, this, [this] { onDeleteClicked(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { onPrintClicked(); });
    applyTotalBox_->setValue(1);
    orderPanel_->beforeEdit = [this] { return countIfEntry(slipRow); };
    orderPanel_->afterEdit = [this](double total) { onOrderChanged(total); };
    orderPanel_->onHidden = [this] { showAllColumns(); };
}

void GuestSlipWindow::formLoad() {
    detailChanged = 0;
    markedRow = 0;
    slipRow = slipCol = 0;
    slips_->setCols(kColumns);
    slips_->setRows(kFirstSlipRow + 1);
    slips_->setFixedRows(kFirstSlipRow);
    slips_->setFixedCols(1);
    const struct {
        const char* top;
        const char* heading;
        int width;
    } cols[kColumns] = {{"", "No", 600},
                        {"", "男性", 600},
                        {"", "女性", 600},
                        {"", "男児", 600},
                        {"", "女児", 600},
                        {"", "大人合計", -1},
                        {"", "子供合計", -1},
                        {"", "合計人数", -1},
                        {"入店", "時", 600},
                        {"", "分", 600},
                        {"出店", "時", 600},
                        {"", "分", 600},
                        {"", "滞在時間", -1},
                        {"", "ご注文", -1},
                        {"", "ご清算", kPaidWidth},
                        {"", "客単価", kSpendWidth},
                        {"", "種別", -1}};
    for (int c = 0; c < kColumns; ++c) {
        slips_->setText(0, c, QString::fromUtf8(cols[c].top));
        slips_->setText(1, c, QString::fromUtf8(cols[c].heading));
        slips_->setColWidth(c, cols[c].width);
    }
    slips_->setText(2, 0, QStringLiteral("合計"));
    // Every column in view, so that the editors lie on their cells.
    showAllColumns();
    showSlips();
}

// A click on the window itself closes the panel and the kind editor, not the text editor.
void GuestSlipWindow::mousePressEvent(QMouseEvent* event) {
    orderPanel_->hide();
    kindEditor_->hide();
    Window::mousePressEvent(event);
}

void GuestSlipWindow::showSlips() {
    setWindowTitle(
        platform::toQString(Str(curYear) + "年" + Str(curMonth) + "月" + Str(curDay) + "日の詳細"));
    Grid::Filling filling(*slips_);
    slips_->setRows(kFirstSlipRow);
    for (int c = 1; c < kColumns; ++c)
        slips_->setText(2, c, QString());
    const int count = std::clamp(day_.slipCount, 0, kSlipCapacity);
    slips_->setRows(kFirstSlipRow + count);
    for (int t = 0; t < count; ++t) {
        const int row = kFirstSlipRow + t;
        for (int c : {0, 1, 2, 3, 4, 8, 9, 10, 11, kPaidCol, kKindCol})
            slips_->setText(row, c, platform::toQString(*slipCell(day_, t, c)));
        showSlipFigures(t);
    }
    showTotals();
    if (hasEntrySlip(day_))
        appendEntryRow();
}

void GuestSlipWindow::showAllColumns() {
    slips_->resize(slips_->widthShowingAllColumns(), slips_->height());
}

// The order panel opens beside the grid, never over a column of it; the grid scrolls so that
// the order's figures and the kind stay in view.
void GuestSlipWindow::makeRoomForPanel(int row) {
    const int room = orderPanel_->x() - kPanelGap - slips_->x();
    if (slips_->width() > room)
        slips_->resize(room, slips_->height());
    slips_->showCell(row, kKindCol);
}

void GuestSlipWindow::appendEntryRow() {
    const int row = slips_->rows();
    slips_->setRows(row + 1);
    slips_->setText(row, 0, QString::number(row - 2));
}

void GuestSlipWindow::showSlipFigures(int slip) {
    const int row = kFirstSlipRow + slip;
    for (int c : {5, 6, 7, 15})
        if (auto text = slipCell(day_, slip, c))
            slips_->setText(row, c, platform::toQString(*text));
    if (auto stay = slipCell(day_, slip, 12))
        slips_->setText(row, 12, platform::toQString(*stay));
    else
        msgBox(QStringLiteral("時間が不正です"));
}

void GuestSlipWindow::showTotals() {
    const SlipColumnTotals totals = slipColumnTotals(day_);
    for (int c : {1, 2, 3, 4, 5, 6, 7, 12, kPaidCol, 15})
        if (auto text = totalsCell(totals, c))
            slips_->setText(2, c, platform::toQString(*text));
    // The figures grow with what is typed: their columns show them whole.
    slips_->fitColWidthToTexts(kPaidCol, kPaidWidth);
    slips_->fitColWidthToTexts(kSpendCol, kSpendWidth);
}

void GuestSlipWindow::hideEditors() {
    cellEditor_->hide();
    orderPanel_->hide();
    kindEditor_->hide();
}

int GuestSlipWindow::entryRow() const {
    return hasEntrySlip(day_) ? kFirstSlipRow + day_.slipCount : -1;
}

bool GuestSlipWindow::countIfEntry(int row) {
    if (row >= kFirstSlipRow && row == entryRow()) {
        countEntrySlip(day_);
        setChanged();
        if (hasEntrySlip(day_))
            appendEntryRow();
    }
    return row >= kFirstSlipRow && row - kFirstSlipRow < day_.slipCount;
}

void GuestSlipWindow::setChanged() {
    reportChanged = 1;
    detailChanged = 1;
}

void GuestSlipWindow::markRow(int row) {
    Grid::Filling filling(*slips_);
    if (markedRow >= kFirstSlipRow && markedRow < slips_->rows()) {
        slips_->setRowHeight(markedRow, -1);
        for (int c = 1; c < kColumns; ++c)
            slips_->setCellBackground(markedRow, c, QColor());
    }
    slips_->setRowHeight(row, slips_->rowHeight(row) + kMarkGrowth);
    for (int c = 1; c < kColumns; ++c)
        slips_->setCellBackground(row, c, kMarkColour);
    markedRow = row;
}

void GuestSlipWindow::onSlipClicked() {
    const int row = slips_->row();
    const int col = slips_->col();
    if (row < kFirstSlipRow) {
        hideEditors();
        return;
    }
    slipRow = row;
    slipCol = col;
    markRow(row);
    slips_->setCurrentCell(row, col);

    if (col == kOrderCol) {
        makeRoomForPanel(row);
        orderPanel_->openFor(day_, row - kFirstSlipRow);
    } else
        orderPanel_->hide();

    if (col == kKindCol) {
        kindEditor_->setListIndexQuietly(kindOfCellText(slips_->text(row, col).toStdString()));
        slips_->placeEditor(kindEditor_, row, col);
    } else {
        kindEditor_->hide();
    }

    if (valueOfColumn(col) < 0) {
        cellEditor_->hide();
        return;
    }
    openNumberEditor(*slips_, *cellEditor_, row, col);
}

void GuestSlipWindow::onCellEdited() {
    const int n = valueOfColumn(slipCol);
    if (n < 0 || slipRow < kFirstSlipRow)
        return;
    const QString text = cellEditor_->text();
    if (!text.isEmpty())
        countIfEntry(slipRow);
    const int slip = slipRow - kFirstSlipRow;
    if (slip >= day_.slipCount)
        return; // an empty entry row stays uncounted
    setChanged();
    slips_->setText(slipRow, slipCol, text);
    day_.slipValues[slip][n] = leadingNumber(text.toStdString());
    showSlipFigures(slip);
    showTotals();
    slips_->setCurrentCell(slipRow, slipCol);
}

void GuestSlipWindow::onKindChosen() {
    const int kind = kindEditor_->listIndex();
    if (slipCol != kKindCol || kind < 0 || !countIfEntry(slipRow))
        return;
    setChanged();
    slips_->setText(slipRow, kKindCol, platform::toQString(kindCellText(kind)));
    day_.slipValues[slipRow - kFirstSlipRow][kSlipKind] = kind;
}

bool GuestSlipWindow::onCellKey(int key) {
    int row = slips_->row();
    int col = slips_->col();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (col == kPaidCol) {
            countIfEntry(row);
            if (row + 1 < slips_->rows())
                ++row;
            col = 1;
            slips_->setLeftCol(1);
        } else {
            col = nextTypedColumn(col);
        }
        break;
    case Qt::Key_Right:
        if (col != kPaidCol)
            col = nextTypedColumn(col);
        break;
    case Qt::Key_Left:
        col = previousTypedColumn(col);
        break;
    case Qt::Key_Up:
        if (row <= kFirstSlipRow)
            return true;
        --row;
        if (row < slips_->topRow())
            slips_->setTopRow(row);
        break;
    case Qt::Key_Down:
        if (row + 1 >= slips_->rows())
            return true;
        ++row;
        if (row > 38 && row - slips_->topRow() > 35)
            slips_->setTopRow(slips_->topRow() + 1);
        break;
    default:
        return false;
    }
    slips_->setCurrentCell(row, col);
    onSlipClicked();
    return true;
}

void GuestSlipWindow::onDeleteClicked() {
    orderPanel_->hide();
    kindEditor_->hide();
    const int slip = slipRow - kFirstSlipRow;
    if (slipRow < kFirstSlipRow || slip >= day_.slipCount)
        return;
    if (msgBox(platform::toQString(Str(slipRow - 2)) +
                   QStringLiteral("の行を削除します。よろしいですか？"),
               Buttons::YesNo, Icon::Question, std::nullopt,
               QStringLiteral("削除確認")) != Answer::Yes)
        return;
    deleteSlip(day_, slip);
    cellEditor_->hide();
    showSlips();
    markedRow = 0;
    slipRow = slipCol = 0; // the row clicked no longer holds that slip
    setChanged();
}

void GuestSlipWindow::onPrintClicked() {
    printSlips(day_, {departmentName_, curYear, curMonth, curDay});
}

void GuestSlipWindow::onOrderChanged(double total) {
    setChanged();
    if (applyTotalBox_->value() != 1)
        return;
    const int slip = slipRow - kFirstSlipRow;
    day_.slipValues[slip][kSlipPaid] = total;
    slips_->setText(slipRow, kPaidCol,
                    platform::toQString(plainDecimal(day_.slipValues[slip][kSlipPaid])));
    showSlipFigures(slip);
    showTotals();
}

void openGuestSlips(const std::string& departmentName) {
    if (curDay < 1 || curDay >= int(nippouMonth.size()))
        return;
    GuestSlipWindow window(nippouMonth[curDay], departmentName);
    runModal(window);
}

} // namespace lukana
