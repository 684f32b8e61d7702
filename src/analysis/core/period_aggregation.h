#pragma once
// The month loop of a calculation: reads each month of the period into one buffer and adds its
// guest slips to the figures.
#include "aggregation.h"
#include "analysis_types.h"
#include "key_map.h"

#include <memory>
#include <string>

namespace lukana {

// Where the months come from; tests hand in months from memory.
class MonthSource {
  public:
    virtual ~MonthSource() = default;
    // Fills `month` with the daily reports of that month: an empty month when there are none
    // or they cannot be read.
    virtual void loadMonth(int year, int month, NippouMonth& into) = 0;
};

// The department's month files, found as the daily report finds them.
class DepartmentMonths final : public MonthSource {
  public:
    explicit DepartmentMonths(std::string departmentName)
        : departmentName_(std::move(departmentName)) {}
    void loadMonth(int year, int month, NippouMonth& into) override;

  private:
    std::string departmentName_;
    double fixedCosts_ = 0;
};

class PeriodAggregation {
  public:
    PeriodAggregation();
    ~PeriodAggregation();
    PeriodAggregation(const PeriodAggregation&) = delete;
    PeriodAggregation& operator=(const PeriodAggregation&) = delete;

    // Replaces `out` with the figures of the period. Every month of the period is read once,
    // in calendar order; a period whose start lies after its end reads nothing.
    void run(AnalysisKind kind, const AnalysisPeriod& period, const Filters& filters, const KeyMap& keys,
             MonthSource& source, Aggregation& out);

  private:
    struct Run;
    std::unique_ptr<NippouMonth> month_; // the one buffer every month is read into
};

} // namespace lukana
