#pragma once
// The analysis window, one design for both analyses: customers by hour (集客状況) and menu
// items by ordered quantity (売れ筋メニュー). It ranks the keys of the chosen department over a
// period with filters, draws the ranking as a bar or pie chart and the series of a clicked row
// as a line chart, copies the charts to the clipboard and saves the table and the series as
// CSV files. It writes no data file.
#include "core/analysis.h"
#include "line_chart.h"
#include "platform/controls.h"
#include "platform/window.h"
#include "ranking_scale.h"

#include <array>
#include <functional>
#include <memory>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace lukana::platform {
class Grid;
class ScrollBar;
class Surface;
} // namespace lukana::platform

namespace lukana {

class ChartViewport;
class DetailConditionFrame;
struct ReportHeader;

// The four chart pictures: the ranking chart and the line chart, each as the figure alone and
// as the figure with its texts.
enum class ChartPicture { RankingFigure = 0, RankingTexts = 1, LineFigure = 2, LineTexts = 3 };
class PeriodFrame;

// Where a recalculation reads the months of a department; tests count the reads.
using MonthSourceMaker = std::function<std::unique_ptr<MonthSource>(const std::string& department)>;

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
    // The scale of the ranking chart drawn last.
    const RankingScale& rankingScale() const { return rankingScale_; }
    // The scale of the line chart shown; a count of 0 while none is.
    const LineScale& lineScale() const { return lineScale_; }

    // The window's operations, as its handlers call them.
    // Reads the chosen department's closing days and menus, telling of a damaged file.
    void loadDepartmentFiles();
    // Ranks the keys again and shows the ranking in the grid and as a chart.
    void recalculate();
    void showRanking();
    // The line chart of the current row's series, blank on the heading row.
    void showLineChart();
    // The ranking chart of the chosen kind, after the line chart was cleared.
    void drawRankingChart();
    // Blanks the line chart and resets its scroll bar.
    void clearLineChart();

    // The controls, for tests.
    platform::ComboBox* departmentList() const { return departmentList_; }
    platform::ComboBox* categoryList() const { return categoryList_; }
    platform::ListBox* weekdayList() const { return weekdayList_; }
    platform::ListBox* arrivalSlotList() const { return arrivalSlotList_; }
    platform::ListBox* customerTypeList() const { return customerTypeList_; }
    PeriodFrame* periodFrame() const { return periodFrame_; }
    DetailConditionFrame* detailFrame() const { return detailFrame_; }
    platform::Grid* rankingGrid() const { return grid_; }
    platform::OptionButton* chartKindButton(int kind) const { return chartKindButtons_[kind]; }
    platform::OptionButton* lineAxisButton(int axis) const { return lineAxisButtons_[axis]; }
    QPushButton* tableCsvButton() const { return tableCsvButton_; }
    QPushButton* seriesCsvButton() const { return seriesCsvButton_; }
    ChartViewport& rankingViewport() const { return *rankingViewport_; }
    ChartViewport& lineViewport() const { return *lineViewport_; }
    platform::Surface& surface(ChartPicture picture) const;
    platform::ScrollBar& rankingScrollBar() const;
    platform::ScrollBar& lineScrollBar() const;
    QPushButton* copyButton(ChartPicture picture) const { return copyButtons_[int(picture)]; }
    // "グラフの印刷" of the ranking chart and of the line chart, "表印刷".
    QPushButton* rankingPrintButton() const { return rankingPrintButton_; }
    QPushButton* linePrintButton() const { return linePrintButton_; }
    QPushButton* tablePrintButton() const { return tablePrintButton_; }

  protected:
    void formLoad() override;

  private:
    QWidget* buildFilters();
    QWidget* buildRankingChart();
    QWidget* buildTable();
    QWidget* buildLineChart();
    void addCopyButtons(QBoxLayout* row, ChartPicture figure, ChartPicture texts);
    void fillList(platform::ComboBox* list, const std::vector<std::string>& entries);
    static void fillList(platform::ListBox* list, const std::vector<std::string>& entries);

    void onDepartmentChosen();
    void onCategoryChosen();
    void onFilterChosen();
    void onCustomerTypeChosen();
    void onChartKindChosen(int kind);
    void onLineAxisChosen(int axis);
    void onRowClicked();
    void onCopyClicked(ChartPicture picture);
    void onTableCsvClicked();
    void onSeriesCsvClicked();
    void onRankingPrintClicked();
    void onLinePrintClicked();
    void onTablePrintClicked();
    ReportHeader printHeader(bool withKeyTitle) const;
    // The header with the file name a printout of that output to a file proposes.
    ReportHeader printoutHeader(bool withKeyTitle, const QStringList& output) const;
    // "売れ筋メニューレポート_本店_ランキング_20260401-20261231": the output named between
    // department and period, so that no output of the window proposes the file of another.
    QString fileName(const QStringList& output) const;
    // An output of the line series, named with its key and axis: {"推移", "20時", "日別"}.
    QStringList seriesOutput(const QString& kind) const;
    Filters currentFilters() const;

    AnalysisKind kind_;
    MonthSourceMaker months_;
    Analysis analysis_;
    std::string countedDepartment_; // whose months the last recalculation read
    bool loadingGuard_ = false;
    bool categoryFilling_ = false;
    bool listFilling_ = false;
    int chartKind_ = 0;
    LineAxis lineAxis_ = LineAxis::Days;
    RankingScale rankingScale_;
    LineScale lineScale_;

    platform::ComboBox* departmentList_ = nullptr;
    platform::ComboBox* categoryList_ = nullptr;
    platform::ListBox* weekdayList_ = nullptr;
    platform::ListBox* arrivalSlotList_ = nullptr;
    platform::ListBox* customerTypeList_ = nullptr;
    PeriodFrame* periodFrame_ = nullptr;
    DetailConditionFrame* detailFrame_ = nullptr;
    platform::Grid* grid_ = nullptr;
    std::array<platform::OptionButton*, 2> chartKindButtons_{};
    std::array<platform::OptionButton*, 3> lineAxisButtons_{};
    QPushButton* tableCsvButton_ = nullptr;
    QPushButton* seriesCsvButton_ = nullptr;
    ChartViewport* rankingViewport_ = nullptr;
    ChartViewport* lineViewport_ = nullptr;
    std::array<QPushButton*, 4> copyButtons_{};
    QPushButton* rankingPrintButton_ = nullptr;
    QPushButton* linePrintButton_ = nullptr;
    QPushButton* tablePrintButton_ = nullptr;
};

} // namespace lukana
