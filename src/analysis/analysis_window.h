#pragma once
// The analysis window, one design for both analyses: customers by hour (集客状況) and menu
// items by ordered quantity (売れ筋メニュー). It ranks the keys of the chosen department over a
// period with filters, and builds the line series of a clicked row; its CSV buttons save the
// table and the series. It writes no data file.
#include "analysis.h"
#include "platform/controls.h"
#include "platform/window.h"

#include <array>
#include <functional>
#include <memory>

class QGroupBox;
class QPushButton;
class QWidget;

namespace lukana::platform {
class Grid;
}

namespace lukana::analysis {

class DetailConditionFrame;
class PeriodFrame;

// Where a recalculation reads the months of a department; tests count the reads.
using MonthSourceMaker = std::function<std::unique_ptr<MonthSource>(const std::string& busyo)>;

class AnalysisWindow : public platform::Window {
    Q_OBJECT
  public:
    // Without a maker the months come from the department's month files.
    explicit AnalysisWindow(AnalysisKind kind, MonthSourceMaker months = {},
                            QWidget* parent = nullptr);
    ~AnalysisWindow() override;

    const Analysis& analysis() const { return analysis_; }
    int chartKind() const { return chartKind_; }
    LineAxis lineAxis() const { return lineAxis_; }

    // The window's operations, as its handlers call them.
    void selTenpo();
    void preHyouji();
    void hyouji2();
    void hyouji3();

    // The controls, for tests.
    platform::ComboBox* departmentList() const { return departmentList_; }
    platform::ComboBox* categoryList() const { return categoryList_; }
    platform::ComboBox* weekdayList() const { return weekdayList_; }
    platform::ComboBox* arrivalSlotList() const { return arrivalSlotList_; }
    platform::ComboBox* customerTypeList() const { return customerTypeList_; }
    PeriodFrame* periodFrame() const { return periodFrame_; }
    DetailConditionFrame* detailFrame() const { return detailFrame_; }
    platform::Grid* rankingGrid() const { return grid_; }
    platform::OptionButton* chartKindButton(int kind) const { return chartKindButtons_[kind]; }
    platform::OptionButton* lineAxisButton(int axis) const { return lineAxisButtons_[axis]; }
    QPushButton* tableCsvButton() const { return tableCsvButton_; }
    QPushButton* seriesCsvButton() const { return seriesCsvButton_; }

  protected:
    void formLoad() override;

  private:
    QWidget* buildFilters();
    QWidget* buildRankingChart();
    QWidget* buildTable();
    QWidget* buildLineChart();
    void fillList(platform::ComboBox* list, const std::vector<std::string>& entries);

    void onDepartmentChosen();
    void onCategoryChosen();
    void onFilterChosen();
    void onCustomerTypeChosen();
    void onChartKindChosen(int kind);
    void onLineAxisChosen(int axis);
    void onRowClicked();
    void onTableCsvClicked();
    void onSeriesCsvClicked();
    Filters currentFilters() const;

    AnalysisKind kind_;
    MonthSourceMaker months_;
    Analysis analysis_;
    bool loadingGuard_ = false;
    bool combo2Filling_ = false;
    bool listFilling_ = false;
    int chartKind_ = 0;
    LineAxis lineAxis_ = LineAxis::Days;

    platform::ComboBox* departmentList_ = nullptr;
    platform::ComboBox* categoryList_ = nullptr;
    platform::ComboBox* weekdayList_ = nullptr;
    platform::ComboBox* arrivalSlotList_ = nullptr;
    platform::ComboBox* customerTypeList_ = nullptr;
    PeriodFrame* periodFrame_ = nullptr;
    DetailConditionFrame* detailFrame_ = nullptr;
    platform::Grid* grid_ = nullptr;
    std::array<platform::OptionButton*, 2> chartKindButtons_{};
    std::array<platform::OptionButton*, 3> lineAxisButtons_{};
    QPushButton* tableCsvButton_ = nullptr;
    QPushButton* seriesCsvButton_ = nullptr;
};

} // namespace lukana::analysis
