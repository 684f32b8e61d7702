#include "analysis.h"

#include "headline.h"
#include "ranking.h"

#include <algorithm>
#include <span>

namespace lukana {

MenuCatalogue currentMenuCatalogue() {
    MenuCatalogue menu;
    const int items = std::clamp(menudCount, 0, static_cast<int>(menudRecs.size()));
    const int categories = std::clamp(mbunCount, 0, static_cast<int>(mbunRecs.size()));
    menu.items.assign(menudRecs.begin(), menudRecs.begin() + items);
    menu.categories.assign(mbunRecs.begin(), mbunRecs.begin() + categories);
    return menu;
}

Analysis::Analysis(AnalysisKind kind)
    : kind_(kind), keys_(kind == AnalysisKind::Customers ? KeyMap::hours() : KeyMap()) {
    figures_.reset(keys_.size());
}

void Analysis::recalculate(const AnalysisPeriod& period, const Filters& filters, MenuCatalogue menu,
                           MonthSource& source) {
    period_ = period;
    filters_ = filters;
    menu_ = std::move(menu);
    if (kind_ == AnalysisKind::Menu)
        keys_ = KeyMap::menuIds(menu_.items);
    aggregation_.run(kind_, period_, filters_, keys_, source, figures_);
    series_ = {};
    if (kind_ == AnalysisKind::Customers)
        rankHours();
    else
        rankMenuItems();
}

void Analysis::rankHours() {
    const std::span<const std::int64_t> values(figures_.totals.data(), kRankedHours);
    rows_.clear();
    rowKeys_.clear();
    for (const RankedEntry& e : rankEntries(values)) {
        rows_.push_back({e.rank, std::to_string(e.entry) + "時", e.value});
        rowKeys_.push_back(e.entry);
    }
}

void Analysis::rankMenuItems() {
    // The items of the chosen category, in menu order, and their totals.
    std::vector<ItemPosition> taking;
    std::vector<std::int64_t> values;
    const int k = filters_.categoryChoice;
    const bool everyCategory = k <= 0 || k > static_cast<int>(menu_.categories.size());
    for (int i = 0; i < static_cast<int>(menu_.items.size()); ++i) {
        const MenuItem& item = menu_.items[i];
        if (!everyCategory && item.bunruiId != menu_.categories[k - 1].id)
            continue;
        const int key = keys_.keyOf(MenuId{item.id});
        taking.push_back(ItemPosition{i});
        values.push_back(key >= 0 ? figures_.totals[key] : 0);
    }
    rows_.clear();
    rowKeys_.clear();
    for (const RankedEntry& e : rankEntries(values)) {
        const MenuItem& item = menu_.items[taking[e.entry].value];
        rows_.push_back({e.rank, item.name, e.value});
        rowKeys_.push_back(item.id);
    }
}

void Analysis::buildSeries(int row, LineAxis axis) {
    series_ = {};
    if (row < 1 || row > static_cast<int>(rows_.size()))
        return;
    const int rowKeyValue = rowKey(row);
    if (kind_ == AnalysisKind::Customers) {
        selectedHour_ = rowKeyValue;
    } else {
        // The last item of that id; none keeps the previous choice.
        for (int i = 0; i < static_cast<int>(menu_.items.size()); ++i)
            if (menu_.items[i].id == rowKeyValue)
                selectedItem_ = ItemPosition{i};
    }
    const RowTable& table = axis == LineAxis::Days    ? figures_.days
                            : axis == LineAxis::Weeks ? figures_.weeks
                                                      : figures_.months;
    const int key = keys_.keyOf(rowKeyValue);
    for (int r = 0; r < table.rows(); ++r) {
        series_.values.push_back(key >= 0 ? table.value(key, r) : 0);
        series_.labels.push_back(table.label(r));
    }
}

std::string Analysis::keyLabel() const {
    if (kind_ == AnalysisKind::Customers)
        return std::to_string(selectedHour_) + "時";
    const int i = selectedItem_.value;
    return i >= 0 && i < static_cast<int>(menu_.items.size()) ? menu_.items[i].name : std::string();
}

std::string Analysis::categoryText() const {
    const int k = filters_.categoryChoice;
    return k >= 1 && k <= static_cast<int>(menu_.categories.size()) ? menu_.categories[k - 1].name
                                                                    : std::string("全て");
}

std::string Analysis::reportTitle() const {
    return lukana::reportTitle(kind_);
}

std::string Analysis::periodLine() const {
    return lukana::periodLine(kind_, period_);
}

std::string Analysis::conditionLine(bool withDetail, std::string_view mark) const {
    return lukana::conditionLine(kind_, filters_, categoryText(), withDetail, mark);
}

} // namespace lukana
