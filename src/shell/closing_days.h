#pragma once
#include "date_spin.h"
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

class frmSime : public platform::Window {
    Q_OBJECT
  public:
    explicit frmSime(QWidget* parent = nullptr);

    platform::ComboBox* Combo1;
    std::array<platform::TextBox*, 4> Text4;
    std::array<platform::Spinner*, 4> VScroll3;
    QPushButton* Command6;

    // Writes the four shared closing days to the file of the department shown.
    Status hozon();
    void Command6_Click();

    // The simebi.dat shown, empty while no department is.
    const std::string& currentFile() const { return currentFile_; }

  protected:
    void formLoad() override;

  private:
    void Combo1_Change();
    void selectDepartment(int index);
    void VScroll3_Change(int i);
    void Text4_Change(int i);

    std::string currentFile_;
    int shownIndex_ = -1;
    bool loading_ = false;
    bool typing_ = false;
    bool restoring_ = false;
};

class frmKoguti : public platform::Window {
    Q_OBJECT
  public:
    explicit frmKoguti(QWidget* parent = nullptr);

    platform::TextBox* txm;
    platform::Spinner* VSm;
    platform::TextBox* txd;
    platform::Spinner* VSd;
    QLabel* Label6; // weekday of the date under test
    QPushButton* Command1;

    // Writes kesanTuki and kesanBi to the kesan.dat of the voucher book's department.
    Status hozon();
    void hyouji3();

  protected:
    void formLoad() override;
    void formActivate() override;
    bool queryUnload() override;

  private:
    void txm_Change();
    void txd_Change();
    void VSm_Change();
    void VSd_Change();
    bool Youbi(int month, int day); // the date under test, in a year without 29 February
    // Puts a spun date into both spinners, the shared fiscal year end and the weekday label.
    void takeSpunDate(const SpinDate& d);

    bool typingMonth_ = false, typingDay_ = false;
    bool adjusting_ = false;
};

} // namespace lukana
