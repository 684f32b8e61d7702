#pragma once
// What the period list and the monthly summary share: the filter lists, the list and totals
// grids over the window's own listing, recalculation, printing and "戻る". A subclass names
// the months to list and the title of its printout.
#include "core/summary_list.h"
#include "filter_controls.h"
#include "list_grids.h"
#include "platform/grid.h"
#include "platform/window.h"

#include <QPushButton>

#include <memory>

namespace lukana {

class SummaryWindow : public platform::Window {
    Q_OBJECT
  public:
    FilterControls* filters() const { return filters_; }
    platform::Grid* listGrid() const { return listGrid_; }
    platform::Grid* totalsGrid() const { return totalsGrid_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* backButton() const { return backButton_; }

    // The recalculation: the grids laid out afresh, the months listed, the totals shown.
    void recalculate();
    void onPrintClicked();
    const SummaryList& list() const { return list_; }

  protected:
    FilterControls* filters_;
    platform::Grid* listGrid_;
    platform::Grid* totalsGrid_;
    QPushButton* printButton_;
    QPushButton* backButton_;

    SummaryWindow(DateForm dateForm, const QString& fromHeading, const QString& toHeading,
                  QWidget* parent);
    void formActivate() override;

    // The months and days of the period to list, when the recalculation runs.
    virtual std::vector<MonthSpan> periodSpans() = 0;
    virtual bool restartEachMonth() const = 0;
    virtual void periodShown() {}
    // The printout's title up to "種別" and the x of its date column, its left edge.
    virtual QString printTitle() const = 0;
    virtual double printDateX() const = 0;
    virtual double printLeft() const = 0;
    // The listed period as a file name gives it: "202612", "20260401-20261231".
    virtual QString filePeriod() const = 0;

    // The voucher book's department, which the window lists.
    static std::string shownDepartmentName();
    // The filter lists filled, without a recalculation.
    void fillFilters() { filters_->fill(); }

  private:
    DateForm dateForm_;
    QString fromHeading_, toHeading_;
    SummaryList list_;
    SummaryRows rows_;
    std::unique_ptr<DenpyouMonth> month_ = std::make_unique<DenpyouMonth>();
};

// The filter part of a printout title: "種別；どこからからどこへへ科目の補助".
QString filterTitle(const FilterControls& filters);

} // namespace lukana
