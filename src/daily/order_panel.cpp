#include "order_panel.h"

#include "core/guest_slips.h"
#include "number_editor.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/widget_events.h"
#include "storage/display_format.h"
#include "storage/routines.h"

#include <QLabel>

#include <algorithm>
#include <span>

namespace lukana {

using namespace platform;

namespace {
constexpr int kNameCol = 0, kPriceCol = 1, kQuantityCol = 2;
constexpr int kColWidths[] = {3000, 1100, 800}; // twips

// The registers keep room for their capacity: only the first count entries are listed.
template <class T> std::span<const T> listed(const std::vector<T>& records, int count) {
    return std::span<const T>(records).first(size_t(std::clamp(count, 0, int(records.size()))));
}
std::span<const MenuItem> listedMenus() {
    return listed(menudRecs, menudCount);
}
} // namespace

OrderPanel::OrderPanel(QWidget* parent)
    : QFrame(parent), caption_(new QLabel(this)), filter_(new ComboBox(this)),
      orders_(new Grid(this)), quantityEditor_(new TextBox(this)) {
    setFrameShape(QFrame::Box);
    caption_->setGeometry(8, 6, 150, 22);
    filter_->setGeometry(160, 4, 190, 24);
    orders_->setGeometry(8, 34, 344, 470);
    orders_->setCols(3);
    orders_->setRows(2);
    orders_->setFixedRows(1);
    orders_->setFixedCols(2);
    const char* headings[] = {"メニュー", "単価", "購入数"};
    for (int c = 0; c < 3; ++c) {
        orders_->setText(0, c, QString::fromUtf8(headings[c]));
        orders_->setColWidth(c, kColWidths[c]);
    }
    orders_->setColElided(kNameCol, true);
    orders_->setColWidthFitting(kPriceCol, kColWidths[kPriceCol],
                                platform::toQString(Format(kWidestAmount, "\\\\###,###")));
    priceWidth_ = orders_->colWidth(kPriceCol);
    quantityEditor_->setStripCommas(true);
    quantityEditor_->setMaxDigits(kAmountDigits);
    quantityEditor_->hide();

    filter_->onChange([this] {
        if (filter_->listIndex() >= 0 && day_)
            fill(filter_->listIndex());
    });
    orders_->onClick([this] { onOrderClicked(); });
    orders_->onScroll([this] { hideEditor(); });
    quantityEditor_->onChange([this] { onQuantityChanged(); });
    onFocusLost(quantityEditor_, [this] { hideEditor(); });
    onKeyDown(quantityEditor_,
              [this](int key, Qt::KeyboardModifiers) { return onQuantityKey(key); });
}

void OrderPanel::hideEvent(QHideEvent* event) {
    QFrame::hideEvent(event);
    if (isHidden() && onHidden) // hidden itself, not with its window
        onHidden();
}

void OrderPanel::openFor(NippouDay& day, int slip) {
    day_ = &day;
    slip_ = slip;
    hideEditor();
    caption_->setText(platform::toQString(Str(slip + 1)) + QStringLiteral("番の伝票"));
    QStringList items{QStringLiteral("全てのメニュー")};
    for (const MenuBunrui& c : listed(mbunRecs, mbunCount))
        items << platform::toQString(c.name);
    if (filter_->count() != items.size()) {
        filter_->setListIndexQuietly(-1);
        filter_->clear();
        filter_->addItems(items);
    }
    filter_->setListIndexQuietly(0);
    fill(0);
    show();
    raise();
}

void OrderPanel::fill(int filterIndex) {
    hideEditor();
    Grid::Filling filling(*orders_);
    shown_ = menusShown(listedMenus(), listed(mbunRecs, mbunCount), filterIndex);
    orders_->setRows(1);
    orders_->setRows(int(shown_.size()) + 2);
    for (size_t r = 0; r < shown_.size(); ++r) {
        const MenuItem& item = menudRecs[shown_[r]];
        const int row = int(r) + 1;
        orders_->setText(row, 0, platform::toQString(item.name));
        orders_->setText(row, 1, platform::toQString(plainDecimal(item.price)));
        auto quantity = quantityOf(*day_, slip_, item.id);
        orders_->setText(row, kQuantityCol, quantity ? QString::number(*quantity) : QString());
    }
    showTotal();
}

void OrderPanel::showTotal() {
    const int row = orders_->rows() - 1;
    const OrderSummary summary = orderSummary(*day_, slip_, listedMenus());
    orders_->setText(row, 0, QStringLiteral("合計"));
    orders_->setText(row, 1, platform::toQString(Format(summary.total, "\\\\###,###")));
    orders_->setText(row, 2,
                     platform::toQString(Str(double(summary.pieces))) + QStringLiteral("個"));
    orders_->setCellAlignment(row, 1, Qt::AlignRight | Qt::AlignVCenter);
    orders_->setCellAlignment(row, 2, Qt::AlignRight | Qt::AlignVCenter);
    fitColumns();
}

void OrderPanel::fitColumns() {
    orders_->fitColWidthToTexts(kPriceCol, priceWidth_);
    orders_->fitColWidthToTexts(kQuantityCol, kColWidths[kQuantityCol]);
    orders_->setColWidth(kNameCol, kColWidths[kNameCol]);
    const int excess = orders_->widthShowingAllColumns() - orders_->width();
    if (excess > 0)
        orders_->setColWidth(kNameCol, kColWidths[kNameCol] - excess * kTwipsPerPixel);
}

int OrderPanel::lastMenuRow() const {
    return orders_->rows() - 2;
}

void OrderPanel::onOrderClicked() {
    const int row = orders_->row();
    if (orders_->col() != kQuantityCol || row < 1 || row > lastMenuRow()) {
        hideEditor();
        return;
    }
    openNumberEditor(*orders_, *quantityEditor_, row, kQuantityCol);
}

void OrderPanel::onQuantityChanged() {
    const int row = orders_->row();
    if (!day_ || row < 1 || row > lastMenuRow())
        return;
    const QString text = quantityEditor_->text();
    if (!text.isEmpty() && beforeEdit && !beforeEdit())
        return;
    if (slip_ >= day_->slipCount)
        return; // nothing is stored under a slip that is not counted
    const MenuItem& item = menudRecs[shown_[row - 1]];
    const QuantityEdit result =
        setQuantity(*day_, slip_, item.id, leadingNumber(text.toStdString()));
    if (result == QuantityEdit::TooLarge || result == QuantityEdit::TooManyLines) {
        msgBox(result == QuantityEdit::TooLarge
                   ? QStringLiteral("数量は32767までです")
                   : QStringLiteral("1枚の伝票に入力できるメニューは101品目までです"));
        auto stored = quantityOf(*day_, slip_, item.id);
        const QString shown = stored ? QString::number(*stored) : QString();
        orders_->setText(row, kQuantityCol, shown);
        quantityEditor_->setTextQuietly(shown);
        return;
    }
    orders_->setText(row, kQuantityCol, text);
    showTotal();
    if (afterEdit)
        afterEdit(orderSummary(*day_, slip_, listedMenus()).total);
}

bool OrderPanel::onQuantityKey(int key) {
    int row = orders_->row();
    if (key == Qt::Key_Up) {
        if (row <= 1)
            return true;
        --row;
        if (row < orders_->topRow())
            orders_->setTopRow(row);
    } else if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (row >= lastMenuRow())
            return true;
        ++row;
        if (row > 29 && row - orders_->topRow() > 27)
            orders_->setTopRow(orders_->topRow() + 1);
    } else {
        return false;
    }
    orders_->setCurrentCell(row, kQuantityCol);
    onOrderClicked();
    return true;
}

void OrderPanel::hideEditor() {
    quantityEditor_->hide();
}

} // namespace lukana
