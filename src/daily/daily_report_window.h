#pragma once
// The daily report: one day of one department's cash report, its four lists, the weather and
// the staff member on duty, over the working month in memory. It starts on today and on the
// main window's department and keeps a department and a date of its own from then on.
#include "core/amount_sheet.h"
#include "core/day_lines.h"
#include "core/month_files.h"

#include "platform/save_question.h"
#include "platform/window.h"

#include <QString>

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
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

    // Operations named as the rest of the system knows them.
    void aa() {}
    platform::SaveAnswer askToSave();
    void IDSkn2();
    void Hyouji();
    void hyouji2();
    void hyouji3();
    void preHozon();
    bool hozon(); // false when the month could not be written
    void Hozon2();
    void selTenpo();
    void hideEditors();

    // Controls, for the window's handlers and for tests that drive it.
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
    QPushButton* printButton() const { return printButton_; }
    QPushButton* slipsButton() const { return slipsButton_; }
    QPushButton* backButton() const { return backButton_; }

    // Window state.
    int showingDay = 0;
    std::string shownBusyoName;
    int monthDays = 0;
    int shownBusyo = -1;
    std::unique_ptr<NippouMonth> zengetuNippou;
    int zengetuYear = 0, zengetuMonth = 0;
    int shownYear = 0, shownMonth = 0, shownDay = 0;
    std::vector<int> subAccountMap; // item k of the customer list: position in the sub-accounts

  protected:
    void formLoad() override;
    void formActivate() override;
    bool queryUnload() override;

  private:
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
    int creditClosingDay_ = 31;                      // of the department shown
    std::unordered_map<int, int> supplierPositions_; // IDSkn2

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
