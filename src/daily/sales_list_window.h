#pragma once
// The monthly sales list (売上集計): a department's month of daily reports, a row per day and
// the month's total and averages, with its printout and CSV file. It writes no data file.
#include "platform/controls.h"
#include "platform/window.h"
#include "sales_list.h"

class QPushButton;

namespace lukana::platform {
class Grid;
}

namespace lukana {

class SalesListWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit SalesListWindow(QWidget* parent = nullptr);

    // The window's operations, as its handlers call them.
    void selTenpo();
    void Hyouji();
    void hyouji2();

    const SalesList& list() const { return list_; }

    // The controls, for tests.
    platform::ComboBox* departmentList() const { return departmentList_; }
    platform::TextBox* yearBox() const { return yearBox_; }
    platform::Spinner* yearSpinner() const { return yearSpinner_; }
    platform::TextBox* monthBox() const { return monthBox_; }
    platform::Spinner* monthSpinner() const { return monthSpinner_; }
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
    void onMonthSpun();
    void onYearSpun();
    void onMonthTyped();
    void onYearTyped();
    void onPrintClicked();
    void onCsvClicked();
    // Shows (year, month) after a spin; false when the year would leave its range.
    void moveTo(int year, int month, bool fromBox);
    void loadAndShow();
    std::string busyoName() const;
    bool departmentChosen() const;

    platform::ComboBox* departmentList_;
    platform::TextBox* yearBox_;
    platform::Spinner* yearSpinner_;
    platform::TextBox* monthBox_;
    platform::Spinner* monthSpinner_;
    platform::Grid* dayGrid_;
    platform::Grid* summaryGrid_;
    QPushButton* backButton_;
    QPushButton* printButton_;
    QPushButton* csvButton_;

    SupplierClasses classes_;
    SalesList list_;
    int monthDays_ = 0;
    bool loading_ = false;
    bool spinWriting_ = false;
};

} // namespace lukana
