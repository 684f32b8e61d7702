#pragma once
#include "storage/date_carry.h"
// The closing-day dialog (four closing days of a department, simebi.dat) and the fiscal
// year-end dialog (month and day of the voucher book's department, kesan.dat). Neither asks
// whether to save: the closing days are written on OK and on a change of department, the
// fiscal year end on every close.
#include "platform/controls.h"
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
    std::array<platform::TextBox*, 4> dayBoxes;
    std::array<platform::Spinner*, 4> daySpinners;
    QPushButton* okButton;

    // Writes the four shared closing days to the file of the department shown.
    Status hozon();
    void onOkClicked();

    // The simebi.dat shown, empty while no department is.
    const std::string& currentFile() const { return currentFile_; }

  protected:
    void formLoad() override;

  private:
    void onDepartmentChanged();
    void selectDepartment(int index);
    void onDaySpinnerChanged(int i);
    void onDayBoxEdited(int i);

    std::string currentFile_;
    int shownIndex_ = -1;
    bool loading_ = false;
    bool typing_ = false;
    bool restoring_ = false;
};

class FiscalYearEndDialog : public platform::Window {
    Q_OBJECT
  public:
    explicit FiscalYearEndDialog(QWidget* parent = nullptr);

    platform::TextBox* monthBox;
    platform::Spinner* monthSpinner;
    platform::TextBox* dayBox;
    platform::Spinner* daySpinner;
    QLabel* weekdayLabel; // weekday of the date under test
    QPushButton* okButton;

    // Writes kesanTuki and kesanBi to the kesan.dat of the voucher book's department.
    Status hozon();
    void hyouji3();

  protected:
    void formLoad() override;
    void formActivate() override;
    bool queryUnload() override;

  private:
    void onMonthBoxEdited();
    void onDayBoxEdited();
    void onMonthSpinnerChanged();
    void onDaySpinnerChanged();
    bool Youbi(int month, int day); // the date under test, in a year without 29 February
    // Puts a spun date into both spinners, the shared fiscal year end and the weekday label.
    void takeSpunDate(const SpinDate& d);

    bool typingMonth_ = false, typingDay_ = false;
    bool adjusting_ = false;
};

} // namespace lukana
