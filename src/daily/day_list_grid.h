#pragma once
// One list of the daily report on screen: its grid, the pick list over column 0, the amount
// editor over column 1, for payments the tax-exempt box over column 2, and its "削除" button.
// The party and exempt mark of a line go into the day's record at once; the amounts stay in
// the grid until the screen is copied back.
#include "core/day_lines.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QPushButton;
class QWidget;

namespace lukana {

class AmountSheet;
namespace platform {
class Grid;
class ComboBox;
class TextBox;
class CheckBox;
} // namespace platform

class DayListGrid : public QObject {
    Q_OBJECT
  public:
    DayListGrid(DayList list, AmountSheet& sheet, QWidget* parent);

    DayList list() const { return list_; }
    platform::Grid* grid() const { return grid_; }
    platform::ComboBox* pickList() const { return pick_; }
    platform::TextBox* amountEditor() const { return amount_; }
    platform::CheckBox* exemptBox() const { return exempt_; } // payments only
    QPushButton* deleteButton() const { return delete_; }

    // The record the list edits: the shown day of the working month.
    std::function<NippouDay&()> record;
    // Every edit of the list (the window marks the report changed unless it is showing a day).
    std::function<void()> onEdited;
    // Before a click opens an editor: the window hides every grid's editors.
    std::function<void()> hideAllEditors;

    // Headings, widths and the empty entry row.
    void setUp();
    // The pick list's items, each with the party it stores.
    void setPickItems(const std::vector<QString>& names, const std::vector<int>& parties);
    // Rebuilds the rows from a day record: party names by partyName, amounts as stored.
    void show(const NippouDay& day, const std::function<QString(int party)>& partyName);
    // The amounts of the lines (every row but the heading and the entry row).
    std::vector<double> amounts() const;
    int lines() const;
    void hideEditors();
    // The "削除" button: the line of the current row goes, later lines move up.
    void deleteLine();

  private:
    void clicked();
    void picked();
    void amountTyped();
    void exemptClicked();
    void appendEntryRow();
    void writeTotal();
    bool isEntryRow(int row) const;

    DayList list_;
    AmountSheet& sheet_;
    platform::Grid* grid_;
    platform::ComboBox* pick_;
    platform::TextBox* amount_;
    platform::CheckBox* exempt_ = nullptr;
    QPushButton* delete_;
    int editRow_ = 0, editCol_ = 0;
    bool loading_ = false; // an editor is being loaded from its cell
};

} // namespace lukana
