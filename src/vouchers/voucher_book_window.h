#pragma once
// The voucher book: one department's vouchers, one day at a time, with the consumption-tax
// split, the totals of the closing-day period and the summaries by supplier, paying source,
// account title and department income. The month is kept in memory (denpyouMonth, and the
// month before for the totals) and written back only when the save question is answered Yes.
#include "platform/controls.h"
#include "platform/save_question.h"
#include "platform/window.h"
#include "vouchers/core/voucher_months.h"
#include "vouchers/core/voucher_parties.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QGroupBox;
class QLabel;
class QMenuBar;
class QAction;
class QPushButton;

namespace lukana {

namespace platform {
class Grid;
class DateNavigator;
} // namespace platform
struct SpinDate;

// Refills a list without its change event, leaving no entry chosen.
void fillQuietly(platform::ComboBox& box, const QStringList& items);

class VoucherBookWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit VoucherBookWindow(QWidget* parent = nullptr);
    ~VoucherBookWindow() override;

    // What tests read and drive.
    // True while the shown month has changes not written yet.
    bool vouchersChanged() const { return vouchersChanged_; }
    platform::ComboBox* departmentChoice() const { return departmentChoice_; }
    platform::DateNavigator* dateNavigator() const { return dateNavigator_; }
    platform::Grid* voucherGrid() const { return voucherGrid_; }
    QGroupBox* totalsFrame() const { return totalsFrame_; }
    platform::Grid* supplierGrid() const { return supplierGrid_; }
    platform::Grid* sourceGrid() const { return sourceGrid_; }
    platform::Grid* accountGrid() const { return accountGrid_; }
    platform::Grid* incomeGrid() const { return incomeGrid_; }
    QLabel* dayTotalLabel() const { return dayTotalLabel_; }
    QLabel* periodTotalLabel() const { return periodTotalLabel_; }
    QLabel* periodExcludedLabel() const { return periodExcludedLabel_; }
    QPushButton* absorbButton() const { return absorbButton_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QMenuBar* menuBar() const { return menuBar_; }
    platform::CheckBox* exemptEditor() const { return exemptEditor_; }
    platform::ComboBox* entryTypeEditor() const { return entryTypeEditor_; }
    platform::ComboBox* fromEditor() const { return fromEditor_; }
    platform::TextBox* amountEditor() const { return amountEditor_; }
    platform::TextBox* taxEditor() const { return taxEditor_; }
    platform::ComboBox* toEditor() const { return toEditor_; }
    platform::ComboBox* accountEditor() const { return accountEditor_; }
    platform::ComboBox* subAccountEditor() const { return subAccountEditor_; }
    platform::TextBox* noteEditor() const { return noteEditor_; }

    // Grid columns.
    enum Column {
        kNumberCol = 0,
        kExemptCol,
        kEntryTypeCol,
        kFromCol,
        kAmountCol,
        kTaxCol,
        kExcludedCol,
        kToCol,
        kAccountCol,
        kSubAccountCol,
        kNoteCol,
        kColumnCount
    };

  protected:
    void formLoad() override;
    void formActivate() override;
    bool queryUnload() override;

  private:
    // Appends the empty entry row a new voucher is typed into.
    void addEntryRow();
    // Fills the account-title editor's list.
    void fillAccountList();
    // Splits the shown rows' tax and shows the day's, the period's and the summaries' totals.
    void showTotals();
    // Copies the typed amounts and taxes of the grid into the shown day's record.
    void storeShownDay();
    platform::SaveAnswer askToSave();
    // False when the month could not be written (the user has been told).
    bool saveMonth();
    // Sets up the headings of the voucher grid (with the tax rate of the shown day) and of the
    // summary grids.
    void setUpGrids();
    // Shows curYear/curMonth/curDay: the title, the month's files when another month (or
    // reloadMonth), the day.
    void showDate(bool reloadMonth = false);
    // Fills the voucher grid from the shown day's record.
    void showDay();
    void hideEditors();

    void buildControls();
    void buildEditors();
    void buildMenus();
    // Menu items: the save question, then the window modally; the activation does the rest.
    void openFromMenu(const std::function<void()>& open);

    // Editing the grid.
    void onGridClicked();
    void placeEditor();
    // The name and note columns widen to their longest text.
    void fitTextColumns();
    void onExemptChanged();
    void onEntryTypeChosen();
    void onPartyChosen(platform::ComboBox* editor, const std::vector<PartyChoice>& choices,
                       bool from);
    void onAccountChosen();
    void onSubAccountChosen();
    void onAmountChanged();
    void onTaxChanged();
    void onNoteChanged();
    void moveTo(int row, int col);
    void appendOnEntryRow();
    bool onEntryRow() const;
    DenpyouDay& shownDay() const;
    void onDeleteClicked();
    void onAbsorbClicked();

    void layOut();
    void onDepartmentChosen();
    void loadDepartmentSettings();
    bool onDateMove(const SpinDate& to);
    void setInputEnabled(bool enabled);
    QString departmentName() const;
    int rowCount() const;
    int slotOfRow(int row) const;

    bool vouchersChanged_ = false;
    bool fillingGrid_ = false; // set while showDay fills the grid: no edit
    int loadedYear_ = 0, loadedMonth_ = 0;
    // The cell last clicked or edited; the delete button removes its row's voucher.
    int lastRow_ = 0, lastCol_ = 0;

    platform::ComboBox* departmentChoice_;
    platform::DateNavigator* dateNavigator_;
    platform::Grid* voucherGrid_;
    QGroupBox* totalsFrame_;
    platform::Grid* supplierGrid_;
    platform::Grid* sourceGrid_;
    platform::Grid* accountGrid_;
    platform::Grid* incomeGrid_;
    QLabel* dayTotalLabel_;
    QLabel* periodTotalLabel_;
    QLabel* periodExcludedLabel_;
    QPushButton* absorbButton_;
    QPushButton* deleteButton_;
    QPushButton* backButton_;
    QMenuBar* menuBar_;
    // Cell editors of the voucher grid.
    platform::CheckBox* exemptEditor_;
    platform::ComboBox* entryTypeEditor_;
    platform::ComboBox* fromEditor_;
    platform::TextBox* amountEditor_;
    platform::TextBox* taxEditor_;
    platform::ComboBox* toEditor_;
    platform::ComboBox* accountEditor_;
    platform::ComboBox* subAccountEditor_;
    platform::TextBox* noteEditor_;

    VoucherMonths months_;
    std::vector<PartyChoice> fromChoices_, toChoices_;
    std::vector<SubAccountChoice> subAccountChoices_;
    // Slots of the shown day whose amount was typed since the grid was last filled.
    std::vector<bool> amountTyped_ = std::vector<bool>(kDenpyouCapacity);
};

} // namespace lukana
