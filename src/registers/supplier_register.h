#pragma once
// The supplier register (siire.dat in the data root, one list for every department): for each
// supplier its pay kind, closing day and months after it, class and the department it serves.
#include "damaged_files.h"
#include "register_window.h"

#include <array>
#include <map>
#include <optional>
#include <string_view>

namespace lukana {

// What a closing-day or months box stands for: its leading number rounded half to even, kept
// within 0..31; `clamped` when the text said something outside that range.
struct DayBoxValue {
    int value = 0;
    bool clamped = false;
};
DayBoxValue dayBoxValue(std::string_view text);

// The day spinners run one step past 1..31 at both ends: 0 becomes 31 and 32 becomes 1.
// Values in between stay.
int wrapDaySpinner(int value);

// Department id -> position in busyoIds. A map, since ids can be any 32-bit number.
using DepartmentPositions = std::map<int, int>;
// The row of the department list ("全て" first) that shows a supplier's department id; none
// for an id that no registered department has.
std::optional<int> departmentRow(const DepartmentPositions& positions, int departmentId);

class SupplierRegister : public RegisterWindow {
    Q_OBJECT
  public:
    explicit SupplierRegister(QWidget* parent = nullptr);

    const std::array<platform::OptionButton*, 2>& payKindOptions() const { return payKindOptions_; }
    const std::array<platform::TextBox*, 2>& dayBoxes() const { return dayBoxes_; }
    const std::array<platform::Spinner*, 2>& daySpinners() const { return daySpinners_; }
    const std::array<platform::OptionButton*, 3>& classOptions() const { return classOptions_; }
    platform::ListBox* departmentList() const { return departmentList_; }

    void onPayKindClicked(int index);
    void onClassClicked(int index);
    void onDepartmentListClicked();
    void onDayBoxEdited(int index);
    void onDaySpinnerChanged(int index);

  protected:
    RegisterEntries& entries() override { return list_; }
    void readList() override;
    Status writeList() override;
    void openRenameDialog() override;
    void showSelectedEntry() override;
    void formLoad() override;
    void formActivate() override;

  private:
    std::array<platform::OptionButton*, 2> payKindOptions_; // 買い掛け, 現金仕入れ
    std::array<platform::TextBox*, 2> dayBoxes_;            // closing day, months later
    std::array<platform::Spinner*, 2> daySpinners_;         // their spinners
    std::array<platform::OptionButton*, 3> classOptions_;   // 酒類, 食品一般, その他雑費
    platform::ListBox* departmentList_;                     // 全て, then the departments

    // True (and said so) when no supplier is selected.
    bool noSelection();
    void setDayBoxesEnabled(bool enabled);
    void reloadDepartments();
    // Rebuilds the department position table from busyoIds.
    void buildDepartmentPositions();
    ParallelList list_;
    // Set while showSelectedEntry fills the panel: edits then store but change nothing.
    bool showing_ = false;
    RegisterFileGuard file_;
    DepartmentPositions departmentPositions_;
};

} // namespace lukana
