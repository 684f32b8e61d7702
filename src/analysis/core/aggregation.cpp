#include "aggregation.h"

#include <algorithm>

namespace lukana {

void RowTable::reset(int keyCount) {
    keyCount_ = keyCount;
    rows_ = 0;
    cells_.resize(static_cast<std::size_t>(kMaxRows) * keyCount);
    labels_.resize(kMaxRows);
}

int RowTable::openRow(std::string label) {
    if (rows_ >= kMaxRows)
        return -1;
    std::fill_n(cells_.begin() + static_cast<std::ptrdiff_t>(index(0, rows_)), keyCount_, 0);
    labels_[rows_] = std::move(label);
    return rows_++;
}

void RowTable::addRow(std::string label, std::span<const std::int64_t> values) {
    if (rows_ >= kMaxRows)
        return;
    std::copy_n(values.begin(), keyCount_,
                cells_.begin() + static_cast<std::ptrdiff_t>(index(0, rows_)));
    labels_[rows_] = std::move(label);
    ++rows_;
}

void Aggregation::reset(int keyCount) {
    totals.assign(keyCount, 0);
    days.reset(keyCount);
    weeks.reset(keyCount);
    months.reset(keyCount);
}

} // namespace lukana
