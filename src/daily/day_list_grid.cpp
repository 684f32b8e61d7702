#include "day_list_grid.h"

#include "core/amount_sheet.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/widget_events.h"
#include "storage/display_format.h"
#include "storage/routines.h"

#include <QColor>
#include <QFont>
#include <QPushButton>

namespace lukana {

namespace {

const QColor kExemptMark(255, 255, 0);
const QString kExempt = QStringLiteral("◎");

struct Shape {
    QString party;
    int partyWidth;
};

Shape shapeOf(DayList list) {
    switch (list) {
    case DayList::Payments:
        return {QStringLiteral("仕入先"), 1300};
    case DayList::Deposits:
    case DayList::Withdrawals:
        // Narrow enough that the window, its amounts whole, fits a 1280-pixel screen; longer
        // names are cut with "…".
        return {QStringLiteral("銀行名"), 3400};
    case DayList::CreditSales:
        break;
    }
    return {QStringLiteral("お客様名"), 1300};
}

} // namespace

DayListGrid::DayListGrid(DayList list, AmountSheet& sheet, QWidget* parent)
    : QObject(parent), list_(list), sheet_(sheet), grid_(new platform::Grid(parent)),
      pick_(new platform::ComboBox(parent)), amount_(new platform::TextBox(parent)),
      delete_(new QPushButton(QStringLiteral("削除"), parent)) {
    amount_->setStripCommas(true);
    amount_->setMaxDigits(platform::kAmountDigits);
    amount_->setAttribute(Qt::WA_InputMethodEnabled, false);
    amount_->hide();
    pick_->hide();
    if (list == DayList::Payments) {
        exempt_ = new platform::CheckBox(QString(), parent);
        exempt_->hide();
        exempt_->onChange([this] { exemptClicked(); });
    }
    grid_->onClick([this] { clicked(); });
    // Scrolling, or the focus leaving the amount editor or the pick list (a Tab away), takes
    // the editors off the cells.
    const auto hideAll = [this] {
        if (hideAllEditors)
            hideAllEditors();
    };
    grid_->onScroll(hideAll);
    platform::onFocusLost(amount_, hideAll);
    platform::onFocusLost(pick_, hideAll);
    pick_->onChange([this] { picked(); });
    amount_->onChange([this] { amountTyped(); });
    connect(delete_, &QPushButton::clicked, this, [this] { deleteLine(); });
}

void DayListGrid::setUp() {
    platform::Grid::Filling filling(*grid_);
    const bool payments = list_ == DayList::Payments;
    grid_->setRows(1);
    grid_->setCols(payments ? 3 : 2);
    grid_->setFixedRows(1);
    grid_->setFixedCols(0);
    const Shape shape = shapeOf(list_);
    grid_->setColWidth(0, shape.partyWidth);
    grid_->setColElided(0, true);
    grid_->setText(0, 0, shape.party);
    // Amounts are shown as typed, the widest of them whole.
    grid_->setColWidthFitting(1, 1000, platform::toQString(plainDecimal(kWidestAmount)));
    grid_->setText(0, 1, QStringLiteral("金額"));
    if (payments) {
        grid_->setColWidth(2, 800);
        grid_->setText(0, 2, QStringLiteral("非課税"));
        QFont small = grid_->font();
        small.setPointSize(8);
        grid_->setCellFont(0, 2, small);
    }
    grid_->setRows(2);
    if (payments)
        grid_->setCellBackground(1, 2, kExemptMark);
    // Every column in view, the amount column too: its editor lies on the cell.
    grid_->setMinimumWidth(grid_->widthShowingAllColumns());
}

void DayListGrid::setPickItems(const std::vector<QString>& names, const std::vector<int>& parties) {
    loading_ = true;
    pick_->clear();
    for (size_t k = 0; k < names.size() && k < parties.size(); ++k)
        pick_->addItem(names[k], parties[k]);
    pick_->setListIndex(-1);
    loading_ = false;
}

void DayListGrid::show(const NippouDay& day, const std::function<QString(int party)>& partyName) {
    platform::Grid::Filling filling(*grid_);
    const bool payments = list_ == DayList::Payments;
    const int n = std::clamp(lineCount(day, list_), 0, kNippouLineCapacity);
    grid_->setRows(1);
    grid_->setRows(n + 2);
    for (int k = 0; k < n; ++k) {
        const int row = k + 1;
        grid_->setText(row, 0, partyName(lineParty(day, list_, k)));
        grid_->setText(row, 1, platform::toQString(plainDecimal(lineAmount(day, list_, k))));
        if (payments) {
            grid_->setText(row, 2, day.kaidasiHikazei[k] == 1 ? kExempt : QString());
            grid_->setCellBackground(row, 2, kExemptMark);
        }
    }
    if (payments)
        grid_->setCellBackground(n + 1, 2, kExemptMark);
    grid_->setCurrentCell(n + 1, 0);
    grid_->setTopRow(1);
    clearLinesFrom(record(), list_, n);
}

int DayListGrid::lines() const {
    return grid_->rows() - 2;
}

std::vector<double> DayListGrid::amounts() const {
    std::vector<double> out;
    for (int row = 1; row <= grid_->rows() - 2; ++row)
        out.push_back(leadingNumber(grid_->text(row, 1).toStdString()));
    return out;
}

void DayListGrid::hideEditors() {
    pick_->hide();
    amount_->hide();
    if (exempt_)
        exempt_->hide();
}

bool DayListGrid::isEntryRow(int row) const {
    return row == grid_->rows() - 1;
}

void DayListGrid::clicked() {
    if (hideAllEditors)
        hideAllEditors();
    editRow_ = grid_->row();
    editCol_ = grid_->col();
    if (editRow_ == 0)
        return;
    // A list holds 51 lines: the entry row after the 51st takes nothing.
    if (isEntryRow(editRow_) && lines() >= kNippouLineCapacity) {
        platform::msgBox(QStringLiteral("1日に入力できるのは51行までです。"));
        return;
    }
    const QString cell = grid_->text(editRow_, editCol_);
    loading_ = true;
    if (editCol_ == 1) {
        // The stored text stays as it is, negative amounts included; an empty amount opens empty.
        amount_->setText(leadingNumber(cell.toStdString()) == 0 ? QString() : cell);
        grid_->placeEditor(amount_, editRow_, 1);
        amount_->setFocus();
    } else if (editCol_ == 0) {
        int index = -1;
        if (!cell.isEmpty()) // the party stored for the line, not the first of that name
            index = pick_->findData(lineParty(record(), list_, editRow_ - 1));
        pick_->setListIndex(index);
        grid_->placeEditor(pick_, editRow_, 0);
        pick_->setFocus();
    } else if (editCol_ == 2 && exempt_) {
        exempt_->setValue(cell.isEmpty() ? 0 : 1);
        grid_->placeEditor(exempt_, editRow_, 2);
        exempt_->setFocus();
    }
    loading_ = false;
}

void DayListGrid::picked() {
    if (loading_)
        return;
    editRow_ = grid_->row();
    editCol_ = grid_->col();
    grid_->setCol(0);
    // No choice (the list put back by Escape on a line without a party): the line has none.
    const bool none = pick_->listIndex() < 0;
    grid_->setText(editRow_, 0, none ? QString() : pick_->currentText());
    setLineParty(record(), list_, editRow_ - 1, none ? 0 : pick_->currentData().toInt());
    if (isEntryRow(editRow_) && !none)
        appendEntryRow();
    grid_->setCurrentCell(editRow_, editCol_);
    if (onEdited)
        onEdited();
}

void DayListGrid::amountTyped() {
    if (loading_)
        return;
    editRow_ = grid_->row();
    editCol_ = grid_->col();
    const QString text = amount_->text();
    grid_->setText(editRow_, 1, text);
    if (isEntryRow(editRow_) && !text.isEmpty())
        appendEntryRow();
    writeTotal();
    grid_->setCurrentCell(editRow_, editCol_);
    if (onEdited)
        onEdited();
}

void DayListGrid::exemptClicked() {
    if (loading_)
        return;
    const int value = exempt_->value();
    grid_->setText(editRow_, 2, value ? kExempt : QString());
    if (editRow_ >= 1 && editRow_ - 1 < kNippouLineCapacity)
        record().kaidasiHikazei[editRow_ - 1] = value;
    if (onEdited)
        onEdited();
}

void DayListGrid::appendEntryRow() {
    const int rows = grid_->rows() + 1;
    grid_->setRows(rows);
    if (list_ == DayList::Payments)
        grid_->setCellBackground(rows - 1, 2, kExemptMark);
    // The fresh entry row carries only what is picked on screen from now on.
    clearLinesFrom(record(), list_, rows - 2);
}

void DayListGrid::writeTotal() {
    double sum = 0;
    {
        platform::Grid::Filling filling(*grid_);
        for (int row = 1; row < grid_->rows(); ++row)
            sum += leadingNumber(grid_->text(row, 1).toStdString());
    }
    sheet_.write(listTotalBox(list_), plainDecimal(finiteOrZero(sum)));
}

void DayListGrid::deleteLine() {
    if (hideAllEditors)
        hideAllEditors();
    const int row = grid_->row();
    const int rows = grid_->rows();
    if (row == 0 || isEntryRow(row))
        return;
    {
        platform::Grid::Filling filling(*grid_);
        moveLinesUp(record(), list_, row - 1, rows - 2);
        for (int j = row; j <= rows - 2; ++j)
            for (int col = 0; col < grid_->cols(); ++col)
                grid_->setText(j, col, grid_->text(j + 1, col));
        for (int col = 0; col < grid_->cols(); ++col) // the entry row goes empty
            grid_->setText(rows - 2, col, QString());
        grid_->setRows(rows - 1);
        clearLinesFrom(record(), list_, rows - 3);
    }
    writeTotal();
    editRow_ = grid_->rows() - 1;
    editCol_ = grid_->col();
    grid_->setCurrentCell(editRow_, editCol_);
    if (onEdited)
        onEdited();
}

} // namespace lukana
