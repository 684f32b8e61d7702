#pragma once
// The figures of one calculation: the total per key over the period and per key by day, week
// and month, with the rows' labels.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lukana {

// Enough rows for every day of a year; later rows are not kept (the totals still count).
inline constexpr int kMaxRows = 366;

// Rows of one kind, each holding a value per key.
class RowTable {
  public:
    void reset(int keyCount);
    int rows() const { return rows_; }
    std::int64_t value(int key, int row) const { return cells_[index(key, row)]; }
    const std::string& label(int row) const { return labels_[row]; }

    // Opens a row of zeros; -1 when the table is full.
    int openRow(std::string label);
    void add(int key, int row, std::int64_t amount) { cells_[index(key, row)] += amount; }
    // A row holding the given values, unless the table is full.
    void addRow(std::string label, std::span<const std::int64_t> values);

  private:
    std::size_t index(int key, int row) const {
        return static_cast<std::size_t>(row) * keyCount_ + key;
    }
    int keyCount_ = 0;
    int rows_ = 0;
    std::vector<std::int64_t> cells_;
    std::vector<std::string> labels_;
};

struct Aggregation {
    void reset(int keyCount);
    int keyCount() const { return static_cast<int>(totals.size()); }

    std::vector<std::int64_t> totals;
    RowTable days, weeks, months;
};

} // namespace lukana
