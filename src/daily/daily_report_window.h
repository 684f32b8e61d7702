#pragma once
// The daily report: one day of one department's cash report, its four lists, the weather and
// the staff member on duty, over the working month in memory. It starts on today and on the
// main window's department and keeps a department and a date of its own from then on.
#include "core/amount_sheet.h"
#include "core/day_lines.h"
#include "core/month_files.h"

#include "platform/save_question.h"
#include "platform/window.h"
#include "storage/routines.h"

#include <QString>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace lukana {

class AmountPanel;
class DayListGrid;
namespace platform {
class ComboBox;
class DateNavigator;
struct DateMove;
} // namespace platform

class DailyReportWindow : public platform::Window {
    Q_OBJECT
  public:
    explicit DailyReportWindow(QWidget* parent = nullptr);
    ~DailyReportWindow() override;

    // Controls, for tests that drive the window.
    platform::ComboBox* departmentChoice() const { return departmentChoice_; }
    platform::ComboBox* weatherChoice() const { return weatherChoice_; }
    platform::ComboBox* staffChoice() const { return staffChoice_; }
    platform::DateNavigator* dateNavigator() const { return dateNavigator_; }
    AmountPanel* amounts() const { return amounts_; }
    const AmountSheet& sheet() const { return sheet_; }
    DayListGrid* payments() const { return lists_[0]; }
    DayListGrid* deposits() const { return lists_[1]; }
    DayListGrid* withdrawals() const { return lists_[2]; }
    DayListGrid* creditSales() const { return lists_[3]; }
    QPushButton* customerRegisterButton() const { return customerRegisterButton_; }
    QPushButton* voucherBookButton() const { return voucherBookButton_; }
    QPushButton* slipsButton() const { return slipsButton_; }
    QPushButton* backButton() const { return backButton_; }
    // Item k of the customer list: its position in the sub-accounts.
    const std::vector<int>& customerSubAccounts() const { return customerSubAccounts_; }

    // Shows the day of curDay again from its record.
    void showDay();
    // Copies the screen into the shown day's record.
    void storeShownDay();
    // Writes the month and posts the shown day into vouchers; false when the month could
    // not be written (the user has been told).
    bool saveMonth();

  protected:
    void formLoad() override;
    void formActivate() override;
    bool queryUnload() override;

  private:
    platform::SaveAnswer askToSave();
    void setUpLists();
    // Reads the chosen department's closing days and menus and lists its bank accounts.
    void loadDepartment();
    // Shows curYear/curMonth/curDay: the title, the month's files when another month, the day.
    void showDate();
    void postShownDay();
    void hideEditors();
    void buildLayout();
    void wireHandlers();
    void loadRegisters();
    void fillChoices();
    void fillCustomerList();
    void fillSupplierList();
    void setDayEnabled(bool enabled);

    // Handlers.
    void onDepartmentChosen();
    void onWeatherOrStaffChosen();
    bool onDateMove(const platform::DateMove& move);
    void onCustomerRegisterClicked();
    void onVoucherBookClicked();
    void onSlipsClicked();
    void onBoxChanged();
    void onListEdited();
    void takeOverSlipTotals();

    QString partyName(DayList list, int party) const;
    NippouDay& shownRecord() { return nippouMonth[curDay]; }

    AmountSheet sheet_;
    DailyMonthFiles monthFiles_;
    int creditClosingDay_ = 31; // of the department shown
    bool showingDay_ = false;   // set while showDay fills the controls: no edit
    int department_ = -1;       // position in the department list, -1 before a choice
    std::string departmentName_;
    int monthDays_ = 0;
    std::unique_ptr<NippouMonth> previousMonth_; // the month before the shown one
    YearMonth previous_{};                       // which month that is
    int shownYear_ = 0, shownMonth_ = 0, shownDay_ = 0;
    std::vector<int> customerSubAccounts_;

    platform::ComboBox* departmentChoice_;
    platform::ComboBox* weatherChoice_;
    platform::ComboBox* staffChoice_;
    platform::DateNavigator* dateNavigator_ = nullptr;
    AmountPanel* amounts_;
    std::array<DayListGrid*, 4> lists_{};
    QPushButton* customerRegisterButton_;
    QPushButton* voucherBookButton_;
    QPushButton* printButton_;
    QPushButton* slipsButton_;
    QPushButton* backButton_;
    std::vector<QWidget*> dayControls_; // disabled while no department is chosen
};

} // namespace lukana
