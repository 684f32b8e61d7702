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

    // The routines the window's handlers call.
    void Sounyu();
    void lstIre();
    void goukei();
    void preHozon();
    platform::SaveAnswer askToSave();
    // False when the month could not be written (the user has been told).
    bool hozon();
    void Hyouji();
    void hyouji2();
    void hyouji3();
    void hideEditors();

    // The window's state.
    int denpyouChanged = 0;
    int gridFilling = 0;
    int denpyouYearLoaded = 0;
    int denpyouMonthLoaded = 0;
    int busyoReload = 0;
    int savedRow = 0;
    int savedCol = 0;

    // Controls, for the tests to drive.
    platform::ComboBox* departmentChoice;
    platform::DateNavigator* dateNavigator;
    platform::Grid* voucherGrid;
    QGroupBox* totalsFrame;
    platform::Grid* supplierGrid;
    platform::Grid* sourceGrid;
    platform::Grid* accountGrid;
    platform::Grid* incomeGrid;
    QLabel* dayTotalLabel;
    QLabel* periodTotalLabel;
    QLabel* periodExcludedLabel;
    QPushButton* absorbButton;
    QPushButton* deleteButton;
    QPushButton* backButton;
    QMenuBar* menuBar;

    // Cell editors of the voucher grid.
    platform::CheckBox* exemptEditor;
    platform::ComboBox* entryTypeEditor;
    platform::ComboBox* fromEditor;
    platform::TextBox* amountEditor;
    platform::TextBox* taxEditor;
    platform::ComboBox* toEditor;
    platform::ComboBox* accountEditor;
    platform::ComboBox* subAccountEditor;
    platform::TextBox* noteEditor;

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

    VoucherMonths months_;
    std::vector<PartyChoice> fromChoices_, toChoices_;
    std::vector<SubAccountChoice> subAccountChoices_;
    // Slots of the shown day whose amount was typed since the grid was last filled.
    std::vector<bool> amountTyped_ = std::vector<bool>(kDenpyouCapacity);
};

} // namespace lukana
