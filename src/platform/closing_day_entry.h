#pragma once
// A closing day in a box with its spinner. The arrows cycle through 1 to 31. A typed number
// below 0 or above 31 is corrected in the box to "0" or "31"; a typed 0, an empty box or
// one without a number gives 31 (the month's end) while the box keeps what was typed.
#include "controls.h"

#include <QWidget>

#include <functional>

namespace lukana::platform {

class ClosingDayEntry : public QWidget {
    Q_OBJECT
  public:
    explicit ClosingDayEntry(QWidget* parent = nullptr);

    TextBox* box() const { return box_; }
    Spinner* spinner() const { return spinner_; }

    // The day the spinner holds, 1 to 31.
    int day() const { return spinner_->value(); }
    // Puts a stored day into the box as plain digits; the spinner follows. False when the
    // spinner cannot take it (outside 0..32): spinner and box stay as they were.
    bool setDay(int day);
    // Runs each time the spinner settles on a day 1 to 31.
    void onDayChanged(std::function<void(int)> handler) { changed_ = std::move(handler); }

  private:
    void spinnerMoved();
    void boxEdited();

    TextBox* box_;
    Spinner* spinner_;
    bool typing_ = false;
    std::function<void(int)> changed_;
};

} // namespace lukana::platform
