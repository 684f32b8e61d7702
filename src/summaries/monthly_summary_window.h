#pragma once
// "月間支出集計": the vouchers of one closing-day month of the voucher book's department, by
// the filters, with sums running over the whole period. The closing day can be changed while
// the window is open (it is not stored). It writes no file.
#include "platform/closing_day_entry.h"
#include "summary_window.h"

#include <QLabel>

namespace lukana {

class MonthlySummaryWindow : public SummaryWindow {
    Q_OBJECT
  public:
    explicit MonthlySummaryWindow(QWidget* parent = nullptr);

    QLabel* periodCaption() const { return periodCaption_; }
    platform::ClosingDayEntry* closingDay() const { return closingDay_; }
    QPushButton* recalculateButton() const { return recalculateButton_; }
    QPushButton* previousMonthButton() const { return previousMonthButton_; }

    const ShownMonth& shownMonth() const { return shown_; }
    void stepShownMonth(int delta);

  protected:
    void formLoad() override;
    std::vector<MonthSpan> periodSpans() override;
    bool restartEachMonth() const override { return false; }
    void periodShown() override;
    QString printTitle() const override;
    double printDateX() const override { return 110; }
    double printLeft() const override { return 80; }
    QString filePeriod() const override;

  private:
    QLabel* periodCaption_;
    platform::ClosingDayEntry* closingDay_;
    QPushButton* recalculateButton_;
    QPushButton* previousMonthButton_;
    QPushButton* nextMonthButton_;

    ShownMonth shown_;
};

} // namespace lukana
