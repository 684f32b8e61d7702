#pragma once
// The date navigator of the windows that show one day or month: the date boxes with their
// spinners and, when there is a day, the weekday label beside "曜日". The window gets one
// call per move (from, to, whether the month or year changed) and takes it or refuses it,
// typically after its save question; see DateBoxes for what the boxes and spinners do.
#include "date_boxes.h"

class QLabel;

namespace lukana::platform {

// The one-character weekday of a calendar date ("日" .. "土"); empty for any other.
QString weekdayName(const SpinDate& date);

class DateNavigator : public QWidget {
    Q_OBJECT
  public:
    // Captions: one per box ({"年", "月", "日"} by default).
    explicit DateNavigator(DateBoxes::Parts parts = DateBoxes::Parts::YearMonthDay,
                           QStringList captions = {}, QWidget* parent = nullptr);

    DateBoxes* boxes() const { return boxes_; }
    // Null without a day.
    QLabel* weekdayLabel() const { return weekday_; }

    SpinDate date() const { return boxes_->date(); }
    // Loading: the boxes take the date as plain digits and the weekday follows; nothing is
    // called.
    void setDate(const SpinDate& date);

    void onMove(std::function<bool(const DateMove&)> handler) {
        boxes_->onMove(std::move(handler));
    }
    void onTouched(std::function<void()> handler) { boxes_->onTouched(std::move(handler)); }
    // After a taken move, the weekday shown. (The navigator keeps its boxes' own onMoved.)
    void onMoved(std::function<void()> handler) { moved_ = std::move(handler); }

  private:
    void showWeekday();

    DateBoxes* boxes_;
    QLabel* weekday_ = nullptr;
    std::function<void()> moved_;
};

} // namespace lukana::platform
