#include "period_aggregation.h"

#include "slip_rules.h"
#include "storage/months.h"
#include "storage/routines.h"

#include <algorithm>
#include <bit>

namespace lukana {

void DepartmentMonths::loadMonth(int year, int month, NippouMonth& into) {
    loadNippouMonthInto(departmentName_, year, month, into, fixedCosts_);
}

// The running state of one calculation: the day, the week and the month being filled. A day's
// amounts are gathered per key first and then added to the rest once per key touched.
struct PeriodAggregation::Run {
    AnalysisKind kind;
    const Filters& filters;
    const KeyMap& keys;
    Aggregation& out;
    std::vector<std::int64_t> dayAcc, weekAcc, monthAcc;
    std::vector<char> touched;
    std::vector<int> touchedKeys;
    bool weekOpen = false;

    void add(int key, std::int64_t amount) {
        if (!touched[key]) {
            touched[key] = 1;
            touchedKeys.push_back(key);
        }
        dayAcc[key] += amount;
    }

    void closeDay(int dayRow) {
        for (int key : touchedKeys) {
            const std::int64_t amount = dayAcc[key];
            out.totals[key] += amount;
            if (dayRow >= 0)
                out.days.add(key, dayRow, amount);
            monthAcc[key] += amount;
            weekAcc[key] += amount;
            dayAcc[key] = 0;
            touched[key] = 0;
        }
        touchedKeys.clear();
    }

    void closeWeek() {
        out.weeks.addRow(std::to_string(out.weeks.rows()) + "週", weekAcc);
        std::fill(weekAcc.begin(), weekAcc.end(), 0);
    }

    void addSlips(const NippouDay& day) {
        const int slips = std::clamp(day.slipCount, 0, kSlipCapacity);
        for (int g = 0; g < slips; ++g) {
            const auto& values = day.slipValues[g];
            if (kind == AnalysisKind::Menu &&
                !passesArrivalSlot(values[4], values[5], filters.arrivalSlot))
                continue;
            if (!passesCustomerType(values, filters))
                continue;
            if (kind == AnalysisKind::Customers)
                addPersons(values);
            else
                addLines(day, g);
        }
    }

    void addPersons(const std::array<double, kSlipValueCount>& values) {
        const auto persons = slipPersons(values);
        if (!persons)
            return;
        for (std::uint32_t hours = countedHours(values[4], values[5], values[6], values[7]);
             hours != 0; hours &= hours - 1)
            add(std::countr_zero(hours), *persons);
    }

    void addLines(const NippouDay& day, int g) {
        const int lines = std::clamp(day.lineCount[g], 0, kSlipLineCapacity);
        for (int c = 0; c < lines; ++c) {
            const int key = keys.keyOf(day.lineMenu[g][c]);
            if (key >= 0)
                add(key, day.lineQty[g][c]);
        }
    }

    void addMonth(const NippouMonth& month, int year, int monthNo, int dayFrom, int dayTo) {
        for (int d = dayFrom; d <= dayTo; ++d) {
            const int weekdayCode = weekday(year, monthNo, d) + 1; // 1 Sunday .. 7 Saturday
            if (weekdayCode == 1 && weekOpen)
                closeWeek();
            weekOpen = true;
            if (filters.weekday != 0 && filters.weekday != weekdayCode)
                continue;
            const std::string label =
                d == 1 ? std::to_string(monthNo) + "月1日" : std::to_string(d) + "日";
            const int dayRow = out.days.openRow(label);
            addSlips(month[d]);
            closeDay(dayRow);
        }
        out.months.addRow(std::to_string(monthNo) + "月", monthAcc);
        std::fill(monthAcc.begin(), monthAcc.end(), 0);
    }
};

PeriodAggregation::PeriodAggregation() : month_(std::make_unique<NippouMonth>()) {}
PeriodAggregation::~PeriodAggregation() = default;

void PeriodAggregation::run(AnalysisKind kind, const AnalysisPeriod& p, const Filters& filters,
                            const KeyMap& keys, MonthSource& source, Aggregation& out) {
    out.reset(keys.size());
    const std::vector<std::int64_t> zeros(keys.size());
    Run run{kind, filters, keys, out, zeros, zeros, zeros, std::vector<char>(keys.size()), {}};
    // Months counted from January of the year 1; the period's years lie within 1..9999.
    const auto monthIndex = [](int year, int month) {
        return (std::clamp(year, 1, 9999) - 1) * 12 + std::clamp(month, 1, 12) - 1;
    };
    const int first = monthIndex(p.fromYear, p.fromMonth);
    const int last = monthIndex(p.toYear, p.toMonth);
    for (int i = first; i <= last; ++i) {
        const int year = i / 12 + 1, month = i % 12 + 1;
        source.loadMonth(year, month, *month_);
        const int dayFrom = i == first ? std::max(p.fromDay, 1) : 1;
        const int dayTo = std::min(i == last ? p.toDay : 31, Nissuu(year, month));
        run.addMonth(*month_, year, month, dayFrom, dayTo);
    }
    if (run.weekOpen)
        run.closeWeek();
}

} // namespace lukana
