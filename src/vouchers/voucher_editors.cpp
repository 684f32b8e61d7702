// Editing the voucher grid: the editor of the clicked cell, what each editor writes into the
// grid and the shown day, the Enter order, the delete and the absorption of the daily report.
#include "voucher_book_window.h"

#include "platform/grid.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/widget_events.h"
#include "storage/display_format.h"
#include "storage/months.h"
#include "storage/routines.h"
#include "storage/state.h"
#include "vouchers/core/absorption.h"

#include <QPushButton>

#include <memory>

namespace lukana {

using namespace platform;

namespace {

const QString kFullDayMessage = QStringLiteral("1日に入力できる伝票は401件までです。");

// The item whose text is the cell's, none for an empty cell or a text no item has.
int itemOf(const ComboBox& editor, const QString& cellText) {
    return cellText.isEmpty() ? -1 : editor.findText(cellText, Qt::MatchExactly);
}

// A list laid over a cell and put back to no choice (Escape on a cell that had none): the cell's
// field goes empty. A list emptied while hidden (a refill) changes nothing.
bool choseNone(const ComboBox& editor) {
    return editor.listIndex() < 0 && editor.isVisible();
}

// Enter moves on (the column Enter goes to from each editor's column; -1 the next row's).
bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

void VoucherBookWindow::buildEditors() {
    amountEditor_->setStripCommas(true);
    taxEditor_->setStripCommas(true);
    amountEditor_->setMaxDigits(kAmountDigits);
    taxEditor_->setMaxDigits(kAmountDigits);
    noteEditor_->setStripCommas(true);
    voucherGrid_->onClick([this] { onGridClicked(); });
    voucherGrid_->onScroll([this] { hideEditors(); });
    exemptEditor_->onChange([this] { onExemptChanged(); });
    // A choice of the entry already chosen counts too (a type chosen again clears a tick).
    entryTypeEditor_->onClick([this] { onEntryTypeChosen(); });
    fromEditor_->onClick([this] { onPartyChosen(fromEditor_, fromChoices_, true); });
    toEditor_->onClick([this] { onPartyChosen(toEditor_, toChoices_, false); });
    accountEditor_->onClick([this] { onAccountChosen(); });
    subAccountEditor_->onClick([this] { onSubAccountChosen(); });
    amountEditor_->onChange([this] { onAmountChanged(); });
    taxEditor_->onChange([this] { onTaxChanged(); });
    noteEditor_->onChange([this] { onNoteChanged(); });

    const std::pair<QWidget*, int> enterOrder[] = {
        {entryTypeEditor_, kFromCol},  {fromEditor_, kAccountCol}, {accountEditor_, kSubAccountCol},
        {subAccountEditor_, kNoteCol}, {noteEditor_, -1},          {amountEditor_, kToCol},
        {toEditor_, kAmountCol},
    };
    for (const auto& [editor, next] : enterOrder)
        onKeyDown(editor, [this, next](int key, Qt::KeyboardModifiers) {
            if (!isEnter(key))
                return false;
            if (next >= 0) {
                moveTo(voucherGrid_->row(), next);
            } else {
                if (onEntryRow())
                    addEntryRow();
                moveTo(voucherGrid_->row() + 1, kEntryTypeCol);
            }
            return true;
        });

    connect(deleteButton_, &QPushButton::clicked, this, [this] { onDeleteClicked(); });
    connect(absorbButton_, &QPushButton::clicked, this, [this] { onAbsorbClicked(); });
}

DenpyouDay& VoucherBookWindow::shownDay() const {
    return denpyouMonth[curDay];
}

bool VoucherBookWindow::onEntryRow() const {
    return voucherGrid_->row() == voucherGrid_->rows() - 1;
}

void VoucherBookWindow::moveTo(int row, int col) {
    voucherGrid_->setCurrentCell(row, col);
    // An editor laid over a cell out of view could not be seen while typing.
    voucherGrid_->showCell(row, col);
    onGridClicked();
}

void VoucherBookWindow::onGridClicked() {
    lastRow_ = voucherGrid_->row();
    hideEditors();
    placeEditor();
}

// Placing an editor changes nothing: its value is loaded quietly.
void VoucherBookWindow::placeEditor() {
    const int row = voucherGrid_->row();
    const int col = voucherGrid_->col();
    if (row < 1 || col == kNumberCol || col == kExcludedCol)
        return;
    const int slot = slotOfRow(row);
    if (slot < 0) {
        msgBox(kFullDayMessage);
        return;
    }
    const QString cell = voucherGrid_->text(row, col);
    const DenpyouDay& day = shownDay();
    QWidget* editor = nullptr;
    switch (col) {
    case kAmountCol:
    case kTaxCol: {
        TextBox* box = col == kAmountCol ? amountEditor_ : taxEditor_;
        box->setTextQuietly(leadingNumber(cell.toStdString()) > 0 ? cell : QString());
        editor = box;
        break;
    }
    case kEntryTypeCol:
        entryTypeEditor_->setListIndexQuietly(itemOf(*entryTypeEditor_, cell));
        editor = entryTypeEditor_;
        break;
    case kFromCol:
    case kToCol: {
        const bool from = col == kFromCol;
        ComboBox* box = from ? fromEditor_ : toEditor_;
        std::vector<PartyChoice>& list = from ? fromChoices_ : toChoices_;
        list = from ? fromChoices(day.entryType[slot]) : toChoices(day.entryType[slot]);
        QStringList texts;
        for (const PartyChoice& c : list)
            texts << platform::toQString(c.text);
        fillQuietly(*box, texts);
        box->setListIndexQuietly(itemOf(*box, cell));
        editor = box;
        break;
    }
    case kExemptCol:
        exemptEditor_->setValueQuietly(cell.isEmpty() ? 0 : 1);
        editor = exemptEditor_;
        break;
    case kAccountCol:
        accountEditor_->setListIndexQuietly(itemOf(*accountEditor_, cell));
        editor = accountEditor_;
        break;
    case kSubAccountCol:
        subAccountChoices_ = subAccountChoices(day.accountId[slot]);
        {
            QStringList texts;
            for (const SubAccountChoice& c : subAccountChoices_)
                texts << platform::toQString(c.text);
            fillQuietly(*subAccountEditor_, texts);
        }
        subAccountEditor_->setListIndexQuietly(itemOf(*subAccountEditor_, cell));
        editor = subAccountEditor_;
        break;
    case kNoteCol:
        noteEditor_->setTextQuietly(cell);
        editor = noteEditor_;
        break;
    default:
        return;
    }
    voucherGrid_->placeEditor(editor, row, col);
    editor->setFocus();
}

void VoucherBookWindow::appendOnEntryRow() {
    if (onEntryRow())
        addEntryRow();
}

void VoucherBookWindow::onExemptChanged() {
    const int slot = slotOfRow(voucherGrid_->row());
    if (slot < 0)
        return;
    const int ticked = exemptEditor_->value();
    voucherGrid_->setText(voucherGrid_->row(), voucherGrid_->col(),
                          ticked ? QStringLiteral("◎") : QString());
    shownDay().taxExempt[slot] = ticked;
    showTotals();
    vouchersChanged_ = true;
}

void VoucherBookWindow::onEntryTypeChosen() {
    vouchersChanged_ = true;
    const int item = entryTypeEditor_->listIndex();
    lastRow_ = voucherGrid_->row();
    lastCol_ = voucherGrid_->col();
    const int slot = slotOfRow(lastRow_);
    if ((item < 0 && !choseNone(*entryTypeEditor_)) || slot < 0)
        return;
    const bool exempt = item == 3 || item == 4;
    voucherGrid_->setText(lastRow_, kExemptCol, exempt ? QStringLiteral("◎") : QString());
    voucherGrid_->setText(lastRow_, lastCol_, entryTypeEditor_->itemText(item));
    shownDay().taxExempt[slot] = exempt ? 1 : 0;
    shownDay().entryType[slot] = std::max(item, 0);
    appendOnEntryRow();
    showTotals();
}

void VoucherBookWindow::onPartyChosen(ComboBox* editor, const std::vector<PartyChoice>& choices,
                                      bool from) {
    vouchersChanged_ = true;
    const int item = editor->listIndex();
    lastRow_ = voucherGrid_->row();
    lastCol_ = voucherGrid_->col();
    const int slot = slotOfRow(lastRow_);
    const bool none = choseNone(*editor);
    if ((item < 0 && !none) || item >= static_cast<int>(choices.size()) || slot < 0)
        return;
    const PartyChoice chosen = none ? PartyChoice{} : choices[item];
    voucherGrid_->setText(lastRow_, lastCol_, platform::toQString(chosen.text));
    fitTextColumns();
    DenpyouDay& day = shownDay();
    (from ? day.fromKind : day.toKind)[slot] = chosen.kind;
    (from ? day.fromId : day.toId)[slot] = chosen.id;
    appendOnEntryRow();
    showTotals();
}

void VoucherBookWindow::onAccountChosen() {
    vouchersChanged_ = true;
    const int item = accountEditor_->listIndex();
    lastRow_ = voucherGrid_->row();
    lastCol_ = voucherGrid_->col();
    const int slot = slotOfRow(lastRow_);
    const bool none = choseNone(*accountEditor_);
    if ((item < 0 && !none) || item >= tekiyouCount || slot < 0)
        return;
    const QString text = none ? QString() : accountEditor_->itemText(item);
    DenpyouDay& day = shownDay();
    if (text != voucherGrid_->text(lastRow_, lastCol_)) {
        voucherGrid_->setText(lastRow_, kSubAccountCol, QString());
        day.subAccountId[slot] = 0;
    }
    voucherGrid_->setText(lastRow_, lastCol_, text);
    day.accountId[slot] = none ? 0 : tekiyouIds[item];
    fitTextColumns();
    appendOnEntryRow();
    showTotals();
}

void VoucherBookWindow::onSubAccountChosen() {
    vouchersChanged_ = true;
    const int item = subAccountEditor_->listIndex();
    lastRow_ = voucherGrid_->row();
    lastCol_ = voucherGrid_->col();
    const int slot = slotOfRow(lastRow_);
    const bool none = choseNone(*subAccountEditor_);
    if ((item < 0 && !none) || item >= static_cast<int>(subAccountChoices_.size()) || slot < 0)
        return;
    const SubAccountChoice chosen = none ? SubAccountChoice{} : subAccountChoices_[item];
    voucherGrid_->setText(lastRow_, lastCol_, platform::toQString(chosen.text));
    fitTextColumns();
    shownDay().subAccountId[slot] = !none && chosen.position < tyCount ? tyIds[chosen.position] : 0;
    appendOnEntryRow();
    showTotals();
}

void VoucherBookWindow::onAmountChanged() {
    const int row = voucherGrid_->row();
    const int slot = slotOfRow(row);
    if (slot < 0)
        return;
    const QString text = amountEditor_->text();
    voucherGrid_->setText(row, voucherGrid_->col(),
                          platform::toQString(Format(text.toStdString(), "######")));
    amountTyped_[static_cast<size_t>(slot)] = true;
    // A new amount drops its own row's stored tax; other rows keep theirs.
    shownDay().tax[slot] = 0;
    showTotals();
    if (onEntryRow() && !text.isEmpty())
        addEntryRow();
    if (!fillingGrid_)
        vouchersChanged_ = true;
}

void VoucherBookWindow::onTaxChanged() {
    const int row = voucherGrid_->row();
    const int slot = slotOfRow(row);
    if (slot < 0)
        return;
    const QString text = taxEditor_->text();
    voucherGrid_->setText(row, kTaxCol, platform::toQString(Format(text.toStdString(), "######")));
    const double tax = leadingNumber(text.toStdString());
    const double amount = leadingNumber(voucherGrid_->text(row, kAmountCol).toStdString());
    voucherGrid_->setText(row, kExcludedCol, platform::toQString(plainDecimal(amount - tax)));
    voucherGrid_->setCol(kTaxCol);
    // The tax the cell shows is the voucher's from now on (0: none, the rate decides).
    shownDay().tax[slot] = leadingNumber(voucherGrid_->text(row, kTaxCol).toStdString());
    if (!fillingGrid_)
        vouchersChanged_ = true;
}

void VoucherBookWindow::onNoteChanged() {
    lastRow_ = voucherGrid_->row();
    lastCol_ = voucherGrid_->col();
    const int slot = slotOfRow(lastRow_);
    if (slot < 0)
        return;
    const QString text = noteEditor_->text();
    voucherGrid_->setText(lastRow_, lastCol_, text);
    shownDay().note[slot] = KanmaNuki(text.toStdString());
    fitTextColumns();
    appendOnEntryRow();
    vouchersChanged_ = true;
}

void VoucherBookWindow::onDeleteClicked() {
    hideEditors();
    if (lastRow_ < 1)
        return;
    storeShownDay();
    DenpyouDay& day = shownDay();
    const int count = day.denpyouCount;
    if (lastRow_ - 1 < count) {
        for (int i = lastRow_ - 1; i < count - 1; ++i) {
            day.toKind[i] = day.toKind[i + 1];
            day.toId[i] = day.toId[i + 1];
            day.amount[i] = day.amount[i + 1];
            day.tax[i] = day.tax[i + 1];
            day.entryType[i] = day.entryType[i + 1];
            day.fromKind[i] = day.fromKind[i + 1];
            day.fromId[i] = day.fromId[i + 1];
            day.accountId[i] = day.accountId[i + 1];
            day.subAccountId[i] = day.subAccountId[i + 1];
            day.note[i] = day.note[i + 1];
            day.taxExempt[i] = day.taxExempt[i + 1];
        }
        day.denpyouCount = count - 1;
        vouchersChanged_ = true;
    }
    showDay();
}

void VoucherBookWindow::onAbsorbClicked() {
    storeShownDay();
    auto ownMonth = std::make_unique<NippouMonth>();
    double ownFixedCosts = 0;
    loadNippouMonthInto(busyoNames[denpyouBusyo], curYear, curMonth, *ownMonth, ownFixedCosts);
    const AbsorptionResult result =
        absorbDailyReportDay((*ownMonth)[curDay], salesTiming, shownDay());
    vouchersChanged_ = true;
    showDay();
    if (result.notTaken > 0)
        msgBox(kFullDayMessage +
               QStringLiteral("\r日報の %1 件は取り込めませんでした。").arg(result.notTaken));
}

} // namespace lukana
