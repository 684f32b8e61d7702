#pragma once
// A closing day (1 to 31, 31 the end of the month): a box with a spinner whose arrows cycle
// through the days, 32 wrapping to 1 and 0 to 31. A number typed into the box goes to the
// spinner by the day box's rules: below 0 the box is corrected to "0", above 31 to "31"; a
// typed 0, an empty box or letters give 31 while the box keeps what was typed. The box shows
// the spinner's day as plain digits, except while typed in.
#include <QWidget>

#include <functional>

namespace lukana::platform {

class TextBox;
class Spinner;

class ClosingDayBox : public QWidget {
    Q_OBJECT
  public:
    explicit ClosingDayBox(QWidget* parent = nullptr);

    TextBox* box() const { return box_; }
    Spinner* spinner() const { return spinner_; }

    int day() const;
    // Loads a day quietly (no change event); a day outside 1..31 is refused and nothing
    // changes.
    bool setDay(int day);
    // Runs for every new day, whether typed or spun.
    void onChange(std::function<void()> handler) { changed_ = std::move(handler); }

  private:
    void boxEdited();
    void spinnerMoved();

    TextBox* box_;
    Spinner* spinner_;
    bool typing_ = false;
    bool loading_ = false;
    std::function<void()> changed_;
};

} // namespace lukana::platform
