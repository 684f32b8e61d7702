#pragma once
// The boxes and spinners of one date, which every date entry of the program shares: a year,
// a month and a day box, each with its spinner and caption.
//
// - A number typed into a box goes to its spinner by the typed-box rules of
//   storage/date_carry.h (a day outside 0..31 is corrected in the box first; any other
//   month or year is ignored and stays in the box as typed).
// - A spinner moved, by its arrows or by a typed number, carries the date by the carry
//   rules of the same header. The owner gets one call per move and takes or refuses it.
// - A refused move, or one that goes nowhere (a step past the first or last year), puts
//   the spinners back quietly and leaves the boxes as they are.
// - A taken move writes the spinners and shows each part that changed in its box by Str
//   (" 5"), except the box typed into, which keeps what was typed.
// - setDate loads a date quietly: plain digits in the boxes ("2003", "12", "9"), no call.
#include "storage/date_carry.h"

#include <QWidget>

#include <array>
#include <functional>

namespace lukana::platform {

class TextBox;
class Spinner;

enum class DatePart { Year, Month, Day };

struct DateMove {
    SpinDate from, to;
    DatePart moved;
    bool typed = false; // a number typed into the moved part's box started it
    bool monthChanged() const { return from.year != to.year || from.month != to.month; }
};

class DateBoxes : public QWidget {
    Q_OBJECT
  public:
    enum class Parts {
        YearMonthDay,
        YearMonth, // a month: the day is always 1
        MonthDay,  // a day of a year that setDate fixes; months wrap without a year
    };
    // One caption per box, shown after its spinner: {"年", "月", "日"}.
    DateBoxes(Parts parts, const QStringList& captions, QWidget* parent = nullptr);

    // Null for a part the entry lacks.
    TextBox* box(DatePart part) const { return parts_[index(part)].box; }
    Spinner* spinner(DatePart part) const { return parts_[index(part)].spinner; }

    // The date the spinners hold.
    SpinDate date() const;
    void setDate(SpinDate date);

    // Runs first on every change of a box or spinner, before anything moves (the windows
    // hide their cell editors).
    void onTouched(std::function<void()> handler) { touched_ = std::move(handler); }
    // false refuses the move. Without a handler every move is taken. While it runs, date()
    // is still the date moved from.
    void onMove(std::function<bool(const DateMove&)> handler) { move_ = std::move(handler); }
    // Runs after a taken move, the spinners and boxes written.
    void onMoved(std::function<void()> handler) { moved_ = std::move(handler); }
    // While *guard is not 0 the spinners take the numbers typed or written into the boxes
    // as they are: no carry, no call.
    void setGuard(const int* guard) { guard_ = guard; }

  private:
    struct Part {
        TextBox* box = nullptr;
        Spinner* spinner = nullptr;
        bool typing = false;
    };
    static int index(DatePart part) { return static_cast<int>(part); }
    static int valueOf(const SpinDate& date, DatePart part);

    void addPart(DatePart part, int minimum, int maximum, const QString& caption);
    void boxEdited(DatePart part);
    void spinnerMoved(DatePart part);
    SpinDate spinnerDate() const;
    void writeSpinners(const SpinDate& date);
    void showInBoxes(const DateMove& move);

    Parts layout_;
    std::array<Part, 3> parts_;
    SpinDate date_{2000, 1, 1};
    bool writing_ = false;
    const int* guard_ = nullptr;
    std::function<void()> touched_;
    std::function<bool(const DateMove&)> move_;
    std::function<void()> moved_;
};

} // namespace lukana::platform
