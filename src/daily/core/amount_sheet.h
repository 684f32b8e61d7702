#pragma once
// The texts of the daily report's amount boxes and the cash reconciliation between them.
// Every write, typed or made by the window, removes the commas and, when the text changed,
// brings the boxes that depend on it up to date at once, each of those in turn; the window
// follows through onChanged.
#include "amount_boxes.h"
#include "month_figures.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace lukana {

class AmountSheet {
  public:
    // Fields besides the boxes 0..38 that onChanged names.
    static constexpr int kFixedCosts = 100;    // 今月の月間固定費
    static constexpr int kRunningProfit = 101; // 累計仮想粗利
    static constexpr int kCardSales = 102;     // the credit period's caption and figure

    std::function<void(int field)> onChanged;

    // What the month-to-date figures read; the window renews it whenever it shows a day.
    void setShownDay(const ShownDay& shown) { shown_ = shown; }
    const ShownDay& shownDay() const { return shown_; }

    const std::string& text(int box) const { return texts_.at(box); }
    double value(int box) const; // the leading number of the text; none is 0
    void write(int box, std::string_view text);

    const std::string& fixedCostsText() const { return fixedCosts_; }
    double fixedCosts() const;
    void writeFixedCosts(std::string_view text);

    const std::string& runningProfit() const { return runningProfit_; }
    const CardSales& cardSales() const { return cardSales_; }
    void refreshCardSales();

  private:
    void follow(int box);
    void compute(int box, double value);
    void copy(int box, int from) { write(box, texts_[from]); }
    void virtualProfit();
    void perGuest(int box, int divisor);
    void notify(int field) {
        if (onChanged)
            onChanged(field);
    }

    std::array<std::string, kAmountIndexCount> texts_;
    std::string fixedCosts_;
    std::string runningProfit_;
    CardSales cardSales_;
    ShownDay shown_;
};

} // namespace lukana
