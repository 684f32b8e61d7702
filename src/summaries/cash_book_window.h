#pragma once
// "出納帳": the money out of and into one party of the voucher book's department over a
// closing-day month, with a running balance from the previous balance, which is carried from
// month to month through the balance files. Leaving a display (another party, another month,
// closing the window) stores it.
#include "core/balance_carry.h"
#include "core/cash_listing.h"
#include "filter_controls.h"
#include "list_grids.h"
#include "platform/controls.h"
#include "platform/grid.h"
#include "platform/window.h"

#include <QPushButton>

#include <memory>

namespace lukana {

class CashBookWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit CashBookWindow(QWidget* parent = nullptr);

    FilterControls* filters() const { return filters_; }
    platform::TextBox* previousBalanceBox() const { return previousBalanceBox_; }
    platform::Grid* listGrid() const { return listGrid_; }
    platform::Grid* totalsGrid() const { return totalsGrid_; }
    QPushButton* previousMonthButton() const { return previousMonthButton_; }
    QPushButton* nextMonthButton() const { return nextMonthButton_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* backButton() const { return backButton_; }

    // Lists the shown month of the chosen party again.
    void recalculate();
    // Stores the display being left, then shows the chosen party's previous balance.
    void switchParty();
    void stepShownMonth(int delta);
    void onPrintClicked();

    const CashListing& listing() const { return listing_; }
    const ShownMonth& shownMonth() const { return shown_; }

  protected:
    void formLoad() override;
    void formActivate() override;
    void formUnload() override;

  private:
    FilterControls* filters_;
    platform::TextBox* previousBalanceBox_; // "先月残高"
    platform::CheckBox* receivablesSwitch_; // "売掛金をはずす"
    platform::CheckBox* payablesSwitch_;    // "買掛金をはずす"
    platform::Grid* listGrid_;
    platform::Grid* totalsGrid_;
    QPushButton* previousMonthButton_;
    QPushButton* nextMonthButton_;
    QPushButton* printButton_;
    QPushButton* backButton_;

    void leaveDisplay();
    void showPreviousBalance();
    void previousBalanceEdited();
    void tellNotices();
    PartyKey shownParty() const;
    std::string departmentName() const;

    ShownMonth shown_;
    double previousBalance_ = 0;
    CashSwitches switches_;
    bool formLoading_ = false;
    CashListing listing_;
    CashRows rows_;
    BalanceCarry carry_;
    std::unique_ptr<DenpyouMonth> month_ = std::make_unique<DenpyouMonth>();
};

} // namespace lukana
