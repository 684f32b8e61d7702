#pragma once
// Controls with the one change event the windows rely on: it runs for the user's edits and
// for the window's own writes alike, synchronously inside the write, and only when the value
// really changes. Handlers may write other controls, whose handlers then run nested inside;
// the windows guard such cascades with their display flags (hyoujiChu and their own).
#include "storage/display_format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

#include <functional>

namespace lukana::platform {

using ChangeHandler = std::function<void()>;

class TextBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit TextBox(QWidget* parent = nullptr);
    void onChange(ChangeHandler handler) { handler_ = std::move(handler); }
    // Commas are removed as they are typed (a comma would split a stored value); the change
    // event then runs once, for the text without them.
    void setStripCommas(bool strip) { stripCommas_ = strip; }
    // An amount box: a typed edit (a key, a paste, an undo) that brings the whole part of the
    // number past this many digits, as typed or as the figure it reads as (1e20), is refused
    // with a message, and the text and cursor stay as they were before it (0: no limit). What
    // the window writes is never refused, and a long figure it wrote may be shortened and
    // brought back.
    void setMaxDigits(int digits) { maxDigits_ = digits; }
    // Loads a text without the change event (an editor laid over a cell); commas are still
    // stripped.
    void setTextQuietly(const QString& text);
    // Keeps the box at least wide enough to show this text whole.
    void setWidestText(const QString& text);

  protected:
    // While the box is not being typed in, a figure wider than the box is drawn as a label
    // draws it (figure_label.h); being typed in, the box shows its text as it is.
    void paintEvent(QPaintEvent* event) override;

  private:
    void textWasChanged(const QString& text);
    bool refuseLongNumber(const QString& text);
    ChangeHandler handler_;
    bool stripCommas_ = false;
    int maxDigits_ = 0;
    bool quiet_ = false;
    bool typed_ = false; // the change under way is the user's
    // The text after the last change (what a refused edit goes back to) and the cursor before
    // the change under way.
    QString reported_;
    int cursorBefore_ = 0;
    QString windowText_; // the text the window wrote last
};

using lukana::kAmountDigits;

// The change event follows the chosen entry (its index), whether the user or the window
// chose it; clearing the list changes it to no entry (-1). The click event runs with every
// change event and also when the user chooses from the list the entry already chosen, for
// handlers that act on the choice itself. Its width comes from the layout, never from its
// entries, so that a long list or a long name cannot widen a window past the screen.
class ComboBox : public QComboBox {
    Q_OBJECT
  public:
    // Characters shown at the least, where the layout gives no more room.
    static constexpr int kComboMinimumChars = 14;

    explicit ComboBox(QWidget* parent = nullptr);
    void onChange(ChangeHandler handler) { handler_ = std::move(handler); }
    void onClick(ChangeHandler handler) { click_ = std::move(handler); }
    int listIndex() const { return currentIndex(); }
    void setListIndex(int index) { setCurrentIndex(index); }
    // Chooses an entry without the change event.
    void setListIndexQuietly(int index);
    // Keeps the box at least wide enough to show this text whole.
    void setWidestText(const QString& text);

    // The drop-down list is at most as wide as the window holding the box; longer entries
    // are cut short with an ellipsis.
    void showPopup() override;

  private:
    static constexpr int kNoPopup = -2;
    ChangeHandler handler_;
    ChangeHandler click_;
    bool quiet_ = false;
    // The entry chosen when the list was opened; kNoPopup once anything changed it.
    int indexAtPopup_ = kNoPopup;
};

// A list of texts whose index is the chosen row (-1: none). The change event follows the
// index, whether the user or the window changed it; clearing the list changes it to -1. The
// click event runs when the user clicks the row that is already chosen, so that every click
// runs one of the two. Refill with setItemsQuietly, not with the signals blocked: the change
// event compares against the index it last reported.
class ListBox : public QListWidget {
    Q_OBJECT
  public:
    explicit ListBox(QWidget* parent = nullptr);
    ~ListBox() override;
    void onChange(ChangeHandler handler) { change_ = std::move(handler); }
    void onClick(ChangeHandler handler) { click_ = std::move(handler); }
    int listIndex() const;
    // -1 (or any row the list does not have) chooses none.
    void setListIndex(int index);
    // Replaces the rows without a change event; none is chosen after.
    void setItemsQuietly(const QStringList& items);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void followIndex();
    ChangeHandler change_;
    ChangeHandler click_;
    int reported_ = -1;
    int indexAtPress_ = -1;
    bool quiet_ = false;
};

class CheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit CheckBox(const QString& text = {}, QWidget* parent = nullptr);
    void onChange(ChangeHandler handler) { handler_ = std::move(handler); }
    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int v) { setChecked(v != 0); }
    // Ticks or clears without the change event.
    void setValueQuietly(int v);

  private:
    ChangeHandler handler_;
    bool quiet_ = false;
};

// The change event runs when the button becomes the chosen one of its group.
class OptionButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit OptionButton(const QString& text = {}, QWidget* parent = nullptr);
    void onChange(ChangeHandler handler) { handler_ = std::move(handler); }

  private:
    ChangeHandler handler_;
};

// A change handler may open a modal window (a save question): the arrow held down steps no
// further while it is open, and a press whose button was released over it ends, so that the
// bar never runs on by itself.
class ScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);
    void onChange(ChangeHandler handler) { handler_ = std::move(handler); }
    // An arrow or the trough is held down and steps on by itself.
    bool repeating() const { return repeatAction() != SliderNoAction; }

  private:
    void changed();
    void endPress();

    ChangeHandler handler_;
};

// The stepper beside a number box: a vertical scroll bar whose top end is the largest value,
// so that its up arrow raises the number.
class Spinner : public QWidget {
    Q_OBJECT
  public:
    explicit Spinner(QWidget* parent = nullptr);
    void onChange(ChangeHandler handler) { handler_ = std::move(handler); }

    void setRange(int minimum, int maximum);
    int minimum() const { return -bar_->maximum(); }
    int maximum() const { return -bar_->minimum(); }
    int value() const { return -bar_->value(); }
    // A value outside the range is refused (false) and nothing changes.
    bool setValue(int value);
    // Moves the spinner to a number typed into its box; while its change event runs,
    // fromBox() is true, so the handler leaves the box as typed.
    bool setValueFromBox(int value);
    bool fromBox() const { return fromBox_; }

    // What the arrows do.
    void stepUp();
    void stepDown();

  private:
    ScrollBar* bar_;
    ChangeHandler handler_;
    bool fromBox_ = false;
};

} // namespace lukana::platform
