#pragma once
// The guest slips of the working day (詳細日報): one row per guest group with its persons,
// times, amount paid and payment kind, a totals row, in-cell editors, the order panel, deletion
// and the printout. Edits go straight into the day record in memory; the daily report saves it.
#include "platform/window.h"
#include "storage/state.h"

#include <string>

class QPushButton;

namespace lukana::platform {
class CheckBox;
class ComboBox;
class Grid;
class TextBox;
} // namespace lukana::platform

namespace lukana {

class OrderPanel;

class GuestSlipWindow : public platform::Window {
    Q_OBJECT
  public:
    // day: the working day's record; departmentName: the daily report's department, for the
    // printout.
    GuestSlipWindow(NippouDay& day, std::string departmentName, QWidget* parent = nullptr);

    // The controls, for tests.
    platform::Grid* slips() const { return slips_; }
    platform::TextBox* cellEditor() const { return cellEditor_; }
    platform::ComboBox* kindEditor() const { return kindEditor_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QPushButton* printButton() const { return printButton_; }
    platform::CheckBox* applyTotalBox() const { return applyTotalBox_; }
    OrderPanel* orderPanel() const { return orderPanel_; }

  protected:
    void formLoad() override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void showSlips();
    // The persons, stay and spend computed for one slip's row.
    void showSlipFigures(int slip);
    // The totals row.
    void showTotals();
    void hideEditors();

    void onSlipClicked();
    void onCellEdited();
    void onKindChosen();
    bool onCellKey(int key);
    void onDeleteClicked();
    void onPrintClicked();
    void onOrderChanged(double total);

    int entryRow() const; // the row of the entry slip, or -1 without one
    // Counts the entry slip when row is its row; false when row holds no counted slip after.
    bool countIfEntry(int row);
    void appendEntryRow();
    void showAllColumns();
    void makeRoomForPanel(int row);
    void markRow(int row);
    void setChanged();

    platform::Grid* slips_;
    platform::TextBox* cellEditor_;     // persons, times and amount paid
    platform::ComboBox* kindEditor_;    // 未選択, 現金, カード, 売掛
    QPushButton* deleteButton_;         // 選択データの削除
    QPushButton* printButton_;          // 詳細日報の印刷
    platform::CheckBox* applyTotalBox_; // ご清算額に伝票の合計金額を適用する
    OrderPanel* orderPanel_;

    NippouDay& day_;
    std::string departmentName_;
    int slipRow = 0, slipCol = 0; // the cell last clicked in this opening; 0: none
    int markedRow = 0;
};

// Opens the window modally on the working day of the month in memory.
void openGuestSlips(const std::string& departmentName);

} // namespace lukana
