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
    amountEditor->setStripCommas(true);
    taxEditor->setStripCommas(true);
    amountEditor->setMaxDigits(platform::kAmountDigits);
    taxEditor->setMaxDigits(platform::kAmountDigits);
    noteEditor->setStripCommas(true);
    voucherGrid->onClick([this] { onGridClicked(); });
    voucherGrid->onScroll([this] { hideEditors(); });
    exemptEditor->onChange([this] { onExemptChanged(); });
    // A choice of the entry already chosen counts too (a type chosen again clears a tick).
    entryTypeEditor->onClick([this] { onEntryTypeChosen(); });
    fromEditor->onClick([this] { onPartyChosen(fromEditor, fromChoices_, true); });
    toEditor->onClick([this] { onPartyChosen(toEditor, toChoices_, false); });
    accountEditor->onClick([this] { onAccountChosen(); });
    subAccountEditor->onClick([this] { onSubAccountChosen(); });
    amountEditor->onChange([this] { onAmountChanged(); });
    taxEditor->onChange([this] { onTaxChanged(); });
    noteEditor->onChange([this] { onNoteChanged(); });

    const std::pair<QWidget*, int> enterOrder[] = {
        {entryTypeEditor, kFromCol},  {fromEditor, kAccountCol}, {accountEditor, kSubAccountCol},
        {subAccountEditor, kNoteCol}, {noteEditor, -1},          {amountEditor, kToCol},
        {toEditor, kAmountCol},
    };
    for (const auto& [editor, next] : enterOrder)
        onKeyDown(editor, [this, next](int key, Qt::KeyboardModifiers) {
            if (!isEnter(key))
                return false;
            if (next >= 0) {
                moveTo(voucherGrid->row(), next);
            } else {
                if (onEntryRow())
                    Sounyu();
                moveTo(voucherGrid->row() + 1, kEntryTypeCol);
            }
            return true;
        });

    connect(deleteButton, &QPushButton::clicked, this, [this] { onDeleteClicked(); });
    connect(absorbButton, &QPushButton::clicked, this, [this] { onAbsorbClicked(); });
}

DenpyouDay& VoucherBookWindow::shownDay() const {
    return denpyouMonth[curDay];
}

bool VoucherBookWindow::onEntryRow() const {
    return voucherGrid->row() == voucherGrid->rows() - 1;
}

void VoucherBookWindow::moveTo(int row, int col) {
    voucherGrid->setCurrentCell(row, col);
    // An editor laid over a cell out of view could not be seen while typing.
    voucherGrid->showCell(row, col);
    onGridClicked();
}

void VoucherBookWindow::onGridClicked() {
    savedRow = voucherGrid->row();
    hideEditors();
    placeEditor();
}

// Placing an editor changes nothing: its value is loaded quietly.
void VoucherBookWindow::placeEditor() {
    const int row = voucherGrid->row();
    const int col = voucherGrid->col();
    if (row < 1 || col == kNumberCol || col == kExcludedCol)
        return;
    const int slot = slotOfRow(row);
    if (slot < 0) {
        msgBox(kFullDayMessage);
        return;
    }
    const QString cell = voucherGrid->text(row, col);
    const DenpyouDay& day = shownDay();
    QWidget* editor = nullptr;
    switch (col) {
    case kAmountCol:
    case kTaxCol: {
        TextBox* box = col == kAmountCol ? amountEditor : taxEditor;
        box->setTextQuietly(leadingNumber(cell.toStdString()) > 0 ? cell : QString());
        editor = box;
        break;
    }
    case kEntryTypeCol:
        entryTypeEditor->setListIndexQuietly(itemOf(*entryTypeEditor, cell));
        editor = entryTypeEditor;
        break;
    case kFromCol:
    case kToCol: {
        const bool from = col == kFromCol;
        ComboBox* box = from ? fromEditor : toEditor;
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
        exemptEditor->setValueQuietly(cell.isEmpty() ? 0 : 1);
        editor = exemptEditor;
        break;
    case kAccountCol:
        accountEditor->setListIndexQuietly(itemOf(*accountEditor, cell));
        editor = accountEditor;
        break;
    case kSubAccountCol:
        subAccountChoices_ = subAccountChoices(day.accountId[slot]);
        {
            QStringList texts;
            for (const SubAccountChoice& c : subAccountChoices_)
                texts << platform::toQString(c.text);
            fillQuietly(*subAccountEditor, texts);
        }
        subAccountEditor->setListIndexQuietly(itemOf(*subAccountEditor, cell));
        editor = subAccountEditor;
        break;
    case kNoteCol:
        noteEditor->setTextQuietly(cell);
        editor = noteEditor;
        break;
    default:
        return;
    }
    voucherGrid->placeEditor(editor, row, col);
    editor->setFocus();
}

void VoucherBookWindow::appendOnEntryRow() {
    if (onEntryRow())
        Sounyu();
}

void VoucherBookWindow::onExemptChanged() {
    const int slot = slotOfRow(voucherGrid->row());
    if (slot < 0)
        return;
    const int ticked = exemptEditor->value();
    voucherGrid->setText(voucherGrid->row(), voucherGrid->col(),
                         ticked ? QStringLiteral("◎") : QString());
    shownDay().taxExempt[slot] = ticked;
    goukei();
    denpyouChanged = 1;
}

void VoucherBookWindow::onEntryTypeChosen() {
    denpyouChanged = 1;
    const int item = entryTypeEditor->listIndex();
    savedRow = voucherGrid->row();
    savedCol = voucherGrid->col();
    const int slot = slotOfRow(savedRow);
    if ((item < 0 && !choseNone(*entryTypeEditor)) || slot < 0)
        return;
    const bool exempt = item == 3 || item == 4;
    voucherGrid->setText(savedRow, kExemptCol, exempt ? QStringLiteral("◎") : QString());
    voucherGrid->setText(savedRow, savedCol, entryTypeEditor->itemText(item));
    shownDay().taxExempt[slot] = exempt ? 1 : 0;
    shownDay().entryType[slot] = std::max(item, 0);
    appendOnEntryRow();
    goukei();
}

void VoucherBookWindow::onPartyChosen(ComboBox* editor, const std::vector<PartyChoice>& choices,
                                      bool from) {
    denpyouChanged = 1;
    const int item = editor->listIndex();
    savedRow = voucherGrid->row();
    savedCol = voucherGrid->col();
    const int slot = slotOfRow(savedRow);
    const bool none = choseNone(*editor);
    if ((item < 0 && !none) || item >= static_cast<int>(choices.size()) || slot < 0)
        return;
    const PartyChoice chosen = none ? PartyChoice{} : choices[item];
    voucherGrid->setText(savedRow, savedCol, platform::toQString(chosen.text));
    fitTextColumns();
    DenpyouDay& day = shownDay();
    (from ? day.fromKind : day.toKind)[slot] = chosen.kind;
    (from ? day.fromId : day.toId)[slot] = chosen.id;
    appendOnEntryRow();
    goukei();
}

void VoucherBookWindow::onAccountChosen() {
    denpyouChanged = 1;
    const int item = accountEditor->listIndex();
    savedRow = voucherGrid->row();
    savedCol = voucherGrid->col();
    const int slot = slotOfRow(savedRow);
    const bool none = choseNone(*accountEditor);
    if ((item < 0 && !none) || item >= tekiyouCount || slot < 0)
        return;
    const QString text = none ? QString() : accountEditor->itemText(item);
    DenpyouDay& day = shownDay();
    if (text != voucherGrid->text(savedRow, savedCol)) {
        voucherGrid->setText(savedRow, kSubAccountCol, QString());
        day.subAccountId[slot] = 0;
    }
    voucherGrid->setText(savedRow, savedCol, text);
    day.accountId[slot] = none ? 0 : tekiyouIds[item];
    fitTextColumns();
    appendOnEntryRow();
    goukei();
}

void VoucherBookWindow::onSubAccountChosen() {
    denpyouChanged = 1;
    const int item = subAccountEditor->listIndex();
    savedRow = voucherGrid->row();
    savedCol = voucherGrid->col();
    const int slot = slotOfRow(savedRow);
    const bool none = choseNone(*subAccountEditor);
    if ((item < 0 && !none) || item >= static_cast<int>(subAccountChoices_.size()) || slot < 0)
        return;
    const SubAccountChoice chosen = none ? SubAccountChoice{} : subAccountChoices_[item];
    voucherGrid->setText(savedRow, savedCol, platform::toQString(chosen.text));
    fitTextColumns();
    shownDay().subAccountId[slot] = !none && chosen.position < tyCount ? tyIds[chosen.position] : 0;
    appendOnEntryRow();
    goukei();
}

void VoucherBookWindow::onAmountChanged() {
    const int row = voucherGrid->row();
    const int slot = slotOfRow(row);
    if (slot < 0)
        return;
    const QString text = amountEditor->text();
    voucherGrid->setText(row, voucherGrid->col(),
                         platform::toQString(Format(text.toStdString(), "######")));
    amountTyped_[static_cast<size_t>(slot)] = true;
    // A new amount drops its own row's stored tax; other rows keep theirs.
    shownDay().tax[slot] = 0;
    goukei();
    if (onEntryRow() && !text.isEmpty())
        Sounyu();
    if (gridFilling != 1)
        denpyouChanged = 1;
}

void VoucherBookWindow::onTaxChanged() {
    const int row = voucherGrid->row();
    const int slot = slotOfRow(row);
    if (slot < 0)
        return;
    const QString text = taxEditor->text();
    voucherGrid->setText(row, kTaxCol, platform::toQString(Format(text.toStdString(), "######")));
    const double tax = leadingNumber(text.toStdString());
    const double amount = leadingNumber(voucherGrid->text(row, kAmountCol).toStdString());
    voucherGrid->setText(row, kExcludedCol, platform::toQString(plainDecimal(amount - tax)));
    voucherGrid->setCol(kTaxCol);
    // The tax the cell shows is the voucher's from now on (0: none, the rate decides).
    shownDay().tax[slot] = leadingNumber(voucherGrid->text(row, kTaxCol).toStdString());
    if (gridFilling != 1)
        denpyouChanged = 1;
}

void VoucherBookWindow::onNoteChanged() {
    savedRow = voucherGrid->row();
    savedCol = voucherGrid->col();
    const int slot = slotOfRow(savedRow);
    if (slot < 0)
        return;
    const QString text = noteEditor->text();
    voucherGrid->setText(savedRow, savedCol, text);
    shownDay().note[slot] = KanmaNuki(text.toStdString());
    fitTextColumns();
    appendOnEntryRow();
    denpyouChanged = 1;
}

void VoucherBookWindow::onDeleteClicked() {
    hideEditors();
    if (savedRow < 1)
        return;
    preHozon();
    DenpyouDay& day = shownDay();
    const int count = day.denpyouCount;
    if (savedRow - 1 < count) {
        for (int i = savedRow - 1; i < count - 1; ++i) {
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
        denpyouChanged = 1;
    }
    hyouji3();
}

void VoucherBookWindow::onAbsorbClicked() {
    preHozon();
    auto ownMonth = std::make_unique<NippouMonth>();
    double ownFixedCosts = 0;
    loadNippouMonthInto(busyoNames[denpyouBusyo], curYear, curMonth, *ownMonth, ownFixedCosts);
    const AbsorptionResult result = absorbNippouDay((*ownMonth)[curDay], salesTiming, shownDay());
    denpyouChanged = 1;
    hyouji3();
    if (result.notTaken > 0)
        msgBox(kFullDayMessage +
               QStringLiteral("\r日報の %1 件は取り込めませんでした。").arg(result.notTaken));
}

} // namespace lukana
