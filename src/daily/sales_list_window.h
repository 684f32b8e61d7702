#pragma once
// The monthly sales list (売上集計): a department's month of daily reports, a row per day and
// the month's total and averages, with its printout and CSV file. It writes no data file.
#include "core/sales_list.h"
#include "platform/controls.h"
#include "platform/date_boxes.h"
#include "platform/window.h"

class QPushButton;

namespace lukana::platform {
class Grid;
}

namespace lukana {

class SalesListWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit SalesListWindow(QWidget* parent = nullptr);

    const SalesList& list() const { return list_; }

    // The controls, for tests.
    platform::ComboBox* departmentList() const { return departmentList_; }
    platform::TextBox* yearBox() const { return monthEntry_->box(platform::DatePart::Year); }
    platform::Spinner* yearSpinner() const {
        return monthEntry_->spinner(platform::DatePart::Year);
    }
    platform::TextBox* monthBox() const { return monthEntry_->box(platform::DatePart::Month); }
    platform::Spinner* monthSpinner() const {
        return monthEntry_->spinner(platform::DatePart::Month);
    }
    platform::Grid* dayGrid() const { return dayGrid_; }
    platform::Grid* summaryGrid() const { return summaryGrid_; }
    QPushButton* backButton() const { return backButton_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* csvButton() const { return csvButton_; }

  protected:
    void formLoad() override;
    void formActivate() override;

  private:
    void onDepartmentChosen();
    void onMonthMoved();
    void onPrintClicked();
    void onCsvClicked();
    void loadAndShow();
    void showDepartmentCaption();
    // The headings and the days of the month shown, every figure blank.
    void layOutMonth();
    // Computes the list from the month in memory and fills both grids with it.
    void showSalesList();
    // Every column as wide as its widest text, an amount column at least as wide as the
    // widest amount; both grids keep their columns in line.
    void fitColumns();
    std::string departmentName() const;
    bool departmentChosen() const;

    platform::ComboBox* departmentList_;
    platform::DateBoxes* monthEntry_;
    platform::Grid* dayGrid_;
    platform::Grid* summaryGrid_;
    QPushButton* backButton_;
    QPushButton* printButton_;
    QPushButton* csvButton_;

    SupplierClasses classes_;
    SalesList list_;
    int monthDays_ = 0;
    bool loading_ = false;
};

} // namespace lukana
