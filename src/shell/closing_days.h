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

    platform::ComboBox* departmentChoice;
    std::array<platform::ClosingDayBox*, 4> closingDays;
    std::array<platform::TextBox*, 4> dayBoxes;
    std::array<platform::Spinner*, 4> daySpinners;
    QPushButton* okButton;

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

    std::string currentFile_;
    int shownIndex_ = -1;
    bool loading_ = false;
    bool restoring_ = false;
};

class FiscalYearEndDialog : public platform::Window {
    Q_OBJECT
  public:
    explicit FiscalYearEndDialog(QWidget* parent = nullptr);

    platform::DateNavigator* navigator; // month and day of a year without 29 February
    platform::TextBox* monthBox;
    platform::Spinner* monthSpinner;
    platform::TextBox* dayBox;
    platform::Spinner* daySpinner;
    QLabel* weekdayLabel; // weekday of the date under test
    QPushButton* okButton;

    // Writes kesanTuki and kesanBi to the kesan.dat of the voucher book's department.
    Status save();
    // kesanTuki and kesanBi into the date boxes, made a date of the year under test.
    void showFiscalYearEnd();

  protected:
    void formLoad() override;
    void formActivate() override;
    bool queryUnload() override;
};

} // namespace lukana
