#include "code_picker.h"

#include <QSignalBlocker>

namespace lukana {

using platform::TextBox;

TextCombo::TextCombo(QWidget* parent) : ComboBox(parent), edit_(new TextBox(this)) {
    setLineEdit(edit_);
    // Enter must not add the typed text to the list.
    setInsertPolicy(QComboBox::NoInsert);
    edit_->setStripCommas(true);
}

void TextCombo::setText(const QString& text) {
    setCurrentIndex(-1);
    edit_->setText(text);
}

CodePicker::CodePicker(QWidget* parent) : TextCombo(parent) {
    connect(this, &QComboBox::activated, this, [this](int row) {
        if (pick_)
            pick_(row);
    });
}

void CodePicker::setEntries(const std::vector<Entry>& entries) {
    const QString shown = text();
    QSignalBlocker quietList(this);
    QSignalBlocker quietText(textBox());
    clear();
    for (const Entry& e : entries)
        addItem(e.name, e.code);
    setCurrentIndex(-1);
    textBox()->setText(shown);
}

QString CodePicker::codeAt(int row) const {
    return row >= 0 && row < count() ? itemData(row).toString() : QString();
}

void CodePicker::pick(int row) {
    if (row < 0 || row >= count())
        return;
    setCurrentIndex(row);
    setEditText(itemText(row));
    emit activated(row);
}

} // namespace lukana
