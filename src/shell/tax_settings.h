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

    QTabBar* tabs() const { return tabs_; }
    const std::array<QWidget*, 2>& tabPages() const { return tabPages_; }
    platform::ListBox* rateList() const { return rateList_; }
    platform::TextBox* yearBox() const { return yearBox_; }
    platform::TextBox* monthBox() const { return monthBox_; }
    platform::TextBox* dayBox() const { return dayBox_; }
    platform::Spinner* yearSpinner() const { return yearSpinner_; }
    platform::Spinner* monthSpinner() const { return monthSpinner_; }
    platform::Spinner* daySpinner() const { return daySpinner_; }
    platform::TextBox* rateBox() const { return rateBox_; }
    QPushButton* addButton() const { return addButton_; }       // 追加
    QPushButton* deleteButton() const { return deleteButton_; } // 削除
    const std::array<platform::OptionButton*, 2>& roundingOptions() const {
        return roundingOptions_;
    } // taxRounding
    const std::array<platform::OptionButton*, 2>& salesTimingOptions() const {
        return salesTimingOptions_;
    } // salesTiming
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* applyButton() const { return applyButton_; }

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

    QTabBar* tabs_;
    std::array<QWidget*, 2> tabPages_;
    platform::ListBox* rateList_;
    platform::DateBoxes* dateBoxes_;
    platform::TextBox* yearBox_;
    platform::TextBox* monthBox_;
    platform::TextBox* dayBox_;
    platform::Spinner* yearSpinner_;
    platform::Spinner* monthSpinner_;
    platform::Spinner* daySpinner_;
    platform::TextBox* rateBox_;
    QPushButton* addButton_;                                    // 追加
    QPushButton* deleteButton_;                                 // 削除
    std::array<platform::OptionButton*, 2> roundingOptions_;    // taxRounding
    std::array<platform::OptionButton*, 2> salesTimingOptions_; // salesTiming
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QPushButton* applyButton_;
};

} // namespace lukana
