#pragma once
// The tax settings dialog: the table of tax rates with the dates from which they apply, the
// rounding of tax fractions and when a credit sale counts as sales. It edits the shared tax
// table and switches in place; OK and Apply write opt.dat, Cancel reads it back.
#include "platform/controls.h"
#include "platform/window.h"

#include <array>

class QListWidget;
class QPushButton;
class QTabBar;

namespace lukana {

class frmOptions : public platform::Window {
    Q_OBJECT
  public:
    explicit frmOptions(QWidget* parent = nullptr);

    QTabBar* tbsOptions;
    std::array<QWidget*, 2> picOptions;
    QListWidget* List1;
    platform::TextBox* txy;
    platform::TextBox* txm;
    platform::TextBox* txd;
    platform::Spinner* VSy;
    platform::Spinner* VSm;
    platform::Spinner* VSd;
    platform::TextBox* Text5;
    QPushButton* Command11;                         // 追加
    QPushButton* Command10;                         // 削除
    std::array<platform::OptionButton*, 2> Option1; // taxRounding
    std::array<platform::OptionButton*, 2> Option2; // salesTiming
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;

    void Hyouji();
    void Ls1Ire();
    // The picked date is a calendar date.
    bool Youbi() const;

    void showTab(int index);
    void nextTab();
    void previousTab();

    void Command11_Click();
    void Command10_Click();
    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();

  protected:
    void formLoad() override;
    void formActivate() override;

  private:
    enum class DateField { Year, Month, Day };
    void boxChanged(DateField field);
    void spinnerChanged(DateField field);
    bool writeOpt();

    bool settingSpinners_ = false; // the dialog moves its spinners itself
    bool typingYear_ = false, typingMonth_ = false, typingDay_ = false;
};

} // namespace lukana
