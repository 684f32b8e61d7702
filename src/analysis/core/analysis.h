#pragma once
// One analysis as a window holds it, without the window: the calculation over a period with
// its filters, the ranking rows of the table, the line series of one key and the header texts.
#include "aggregation.h"
#include "analysis_types.h"
#include "key_map.h"
#include "period_aggregation.h"

#include <string>
#include <string_view>
#include <vector>

namespace lukana {

struct RankingRow {
    int rank = 0;
    std::string label; // "18時", or the item's name
    std::int64_t value = 0;
};

struct Series {
    std::vector<std::int64_t> values;
    std::vector<std::string> labels;
    int count() const { return static_cast<int>(values.size()); }
};

class Analysis {
  public:
    explicit Analysis(AnalysisKind kind);

    AnalysisKind kind() const { return kind_; }

    // Reads the period's months from `source` and ranks the keys. The period, the filters and
    // the menu are kept as they were used; the line series is emptied.
    void recalculate(const AnalysisPeriod& period, const Filters& filters, MenuCatalogue menu,
                     MonthSource& source);

    // The rows of the ranking table, best first (table row r is rows()[r - 1]).
    const std::vector<RankingRow>& rows() const { return rows_; }
    // The hour of a customer table row, the menu id of a menu table row (r >= 1).
    int rowKey(int row) const { return rowKeys_.at(row - 1); }

    // The series of the key of table row `row` along `axis`; an empty series for a row that is
    // not a ranking row (the heading row), as after a recalculation.
    void buildSeries(int row, LineAxis axis);
    const Series& series() const { return series_; }
    // The key the series was last built for: its hour, or the item's name.
    std::string keyLabel() const;

    const Aggregation& figures() const { return figures_; }
    const AnalysisPeriod& period() const { return period_; }
    const Filters& filters() const { return filters_; }
    // "全て" or the chosen category's name.
    std::string categoryText() const;

    // Header lines of the files and printouts.
    std::string reportTitle() const;
    std::string periodLine() const;
    std::string conditionLine(bool withDetail, std::string_view mark = {}) const;

  private:
    void rankHours();
    void rankMenuItems();

    AnalysisKind kind_;
    PeriodAggregation aggregation_;
    Aggregation figures_;
    KeyMap keys_;
    AnalysisPeriod period_;
    Filters filters_;
    MenuCatalogue menu_;
    std::vector<RankingRow> rows_;
    std::vector<int> rowKeys_;
    Series series_;
    int selectedHour_ = 0;
    ItemPosition selectedItem_;
};

} // namespace lukana
