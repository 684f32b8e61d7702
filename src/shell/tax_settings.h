#pragma once
// The tax settings dialog: the table of tax rates with the dates from which they apply, the
// rounding of tax fractions and when a credit sale counts as sales. It edits the shared tax
// table and switches in place; OK and Apply write opt.dat, Cancel reads it back.
#include "platform/controls.h"
#include "platform/date_boxes.h"
#include "platform/window.h"

#include <array>

class QPushButton;
class QTabBar;

namespace lukana {

class TaxSettingsDialog : public platform::Window {
    Q_OBJECT
  public:
    explicit TaxSettingsDialog(QWidget* parent = nullptr);

    QTabBar* tabs;
    std::array<QWidget*, 2> tabPages;
    platform::ListBox* rateList;
    platform::DateBoxes* dateBoxes;
    platform::TextBox* yearBox;
    platform::TextBox* monthBox;
    platform::TextBox* dayBox;
    platform::Spinner* yearSpinner;
    platform::Spinner* monthSpinner;
    platform::Spinner* daySpinner;
    platform::TextBox* rateBox;
    QPushButton* addButton;                                    // 追加
    QPushButton* deleteButton;                                 // 削除
    std::array<platform::OptionButton*, 2> roundingOptions;    // taxRounding
    std::array<platform::OptionButton*, 2> salesTimingOptions; // salesTiming
    QPushButton* okButton;
    QPushButton* cancelButton;
    QPushButton* applyButton;

    // The shared settings into the controls, today's date into the date boxes.
    void showSettings();
    void fillRateList();

    void showTab(int index);
    void nextTab();
    void previousTab();

    void onAddClicked();
    void onDeleteClicked();
    void onOkClicked();
    void onApplyClicked();
    void onCancelClicked();

  protected:
    void formLoad() override;
    void formActivate() override;

  private:
    bool writeOpt();
};

} // namespace lukana
