#pragma once
// Combo boxes whose text is typed or picked: TextCombo for free text with a list, CodePicker
// for names that carry a code (banks, branches). The typed text is a TextBox, so commas go as
// they are typed and the change event runs for typing and for picks alike.
#include "platform/controls.h"

#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace lukana {

class TextCombo : public platform::ComboBox {
    Q_OBJECT
  public:
    explicit TextCombo(QWidget* parent = nullptr);

    platform::TextBox* textBox() const { return edit_; }
    QString text() const { return edit_->text(); }
    // Shows a text without choosing an entry of the list.
    void setText(const QString& text);
    // The change event of the text, typed or picked.
    void onChange(platform::ChangeHandler handler) { edit_->onChange(std::move(handler)); }

  private:
    platform::TextBox* edit_;
};

class CodePicker : public TextCombo {
    Q_OBJECT
  public:
    struct Entry {
        QString name; // shown
        QString code; // written into the code box on a pick
    };
    explicit CodePicker(QWidget* parent = nullptr);

    // Replaces the list; the text shown stays as it was and no change event runs.
    void setEntries(const std::vector<Entry>& entries);
    int entryCount() const { return count(); }
    QString codeAt(int row) const;

    // Runs when the user picks an entry, after the text shows its name.
    void onPick(std::function<void(int row)> handler) { pick_ = std::move(handler); }
    // What a pick by the user does.
    void pick(int row);

  private:
    std::function<void(int)> pick_;
};

} // namespace lukana
