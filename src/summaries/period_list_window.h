#pragma once
// "期間集計表": every voucher of the voucher book's department within a period of whole days,
// by the filters, with running sums per month and the period's totals. It writes no file.
#include "platform/period_entry.h"
#include "summary_window.h"

namespace lukana {

class PeriodListWindow : public SummaryWindow {
    Q_OBJECT
  public:
    explicit PeriodListWindow(QWidget* parent = nullptr);

    platform::PeriodEntry* periodEntry() const { return periodEntry_; }
    QPushButton* recalculateButton() const { return recalculateButton_; }

  protected:
    void formLoad() override;
    std::vector<MonthSpan> periodSpans() override;
    bool restartEachMonth() const override { return true; }
    void periodShown() override;
    QString printTitle() const override;
    double printDateX() const override { return 70; }
    double printLeft() const override { return 60; }
    QString filePeriod() const override;

  private:
    platform::PeriodEntry* periodEntry_;
    QPushButton* recalculateButton_;

    // The period of the last recalculation, which its printout names.
    SpinDate listedFrom_, listedTo_;
};

} // namespace lukana
