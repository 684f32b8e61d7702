#pragma once
// A period as two dates, from (index 0) and to (index 1), each of year, month and day boxes
// with carrying spinners (DateBoxes: no weekday, no question). The spinners hold the period
// that counts; the boxes show it, except where the user typed.
#include "date_boxes.h"

namespace lukana::platform {

class PeriodEntry : public QWidget {
    Q_OBJECT
  public:
    explicit PeriodEntry(QWidget* parent = nullptr);

    // The entry keeps the dates' onMoved for its report.
    DateBoxes* date(int index) const { return dates_[index]; }

    // While *guard is not 0 (the window filling the boxes) the spinners take what the boxes
    // hand them as it is: no carry and no report.
    void setGuard(const int* guard);
    // Runs after every move of either date outside the guard.
    void onChangedByUser(std::function<void()> handler) { changed_ = std::move(handler); }

    // Index 0 or 1: the date its spinners hold, and its box texts (year, month, day).
    SpinDate spinnerDate(int index) const { return dates_[index]->date(); }
    QStringList boxTexts(int index) const;
    // Loads both dates quietly, as plain digits.
    void setDates(const SpinDate& from, const SpinDate& to);

  private:
    std::array<DateBoxes*, 2> dates_;
    std::function<void()> changed_;
};

} // namespace lukana::platform
