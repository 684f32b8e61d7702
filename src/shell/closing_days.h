#pragma once
// The closing-day dialog (four closing days of a department, simebi.dat) and the fiscal
// year-end dialog (month and day of the voucher book's department, kesan.dat). Neither asks
// whether to save: the closing days are written on OK and on a change of department, the
// fiscal year end on every close.
#include "platform/closing_day_box.h"
#include "platform/controls.h"
#include "platform/date_navigator.h"
#include "platform/window.h"
#include "storage/status.h"

#include <array>
#include <string>

class QLabel;
class QPushButton;

namespace lukana {

class ClosingDaysDialog : public platform::Window {
    Q_OBJECT
  public:
    explicit ClosingDaysDialog(QWidget* parent = nullptr);

    platform::ComboBox* departmentChoice() const { return departmentChoice_; }
    const std::array<platform::TextBox*, 4>& dayBoxes() const { return dayBoxes_; }
    const std::array<platform::Spinner*, 4>& daySpinners() const { return daySpinners_; }
    QPushButton* okButton() const { return okButton_; }

    // Writes the four shared closing days to the file of the department shown.
    Status save();
    void onOkClicked();

    // The simebi.dat shown, empty while no department is.
    const std::string& currentFile() const { return currentFile_; }

  protected:
    void formLoad() override;

  private:
    void onDepartmentChanged();
    void selectDepartment(int index);

    platform::ComboBox* departmentChoice_;
    std::array<platform::ClosingDayBox*, 4> closingDays_;
    std::array<platform::TextBox*, 4> dayBoxes_;
    std::array<platform::Spinner*, 4> daySpinners_;
    QPushButton* okButton_;
    std::string currentFile_;
    int shownIndex_ = -1;
    bool loading_ = false;
    bool restoring_ = false;
};

class FiscalYearEndDialog : public platform::Window {
    Q_OBJECT
  public:
    explicit FiscalYearEndDialog(QWidget* parent = nullptr);

    platform::TextBox* monthBox() const { return monthBox_; }
    platform::Spinner* monthSpinner() const { return monthSpinner_; }
    platform::TextBox* dayBox() const { return dayBox_; }
    platform::Spinner* daySpinner() const { return daySpinner_; }
    QLabel* weekdayLabel() const { return weekdayLabel_; } // weekday of the date under test
    QPushButton* okButton() const { return okButton_; }

    // Writes kesanTuki and kesanBi to the kesan.dat of the voucher book's department.
    Status save();
    // kesanTuki and kesanBi into the date boxes, made a date of the year under test.
    void showFiscalYearEnd();

  protected:
    void formLoad() override;
    void formActivate() override;
    bool queryUnload() override;

  private:
    platform::DateNavigator* navigator_; // month and day of a year without 29 February
    platform::TextBox* monthBox_;
    platform::Spinner* monthSpinner_;
    platform::TextBox* dayBox_;
    platform::Spinner* daySpinner_;
    QLabel* weekdayLabel_;
    QPushButton* okButton_;
};

} // namespace lukana
