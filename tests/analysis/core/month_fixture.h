#pragma once
// Months of daily reports held in memory, handed to a calculation as its month source.
#include "analysis/core/period_aggregation.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace analysis_fixtures {

using namespace lukana;

struct Party {
    double men = 0, women = 0, boys = 0, girls = 0;
};
struct Stay {
    double arrivalHour = 0, arrivalMinute = 0, departureHour = 0, departureMinute = 0;
};
struct Order {
    int menuId = 0, quantity = 0;
};

class MemoryMonths : public MonthSource {
  public:
    NippouMonth& month(int year, int month) {
        auto& slot = months_[{year, month}];
        if (!slot)
            slot = std::make_unique<NippouMonth>();
        return *slot;
    }

    // Adds a slip to a day of a month.
    void addSlip(int year, int monthNo, int day, Party party, Stay stay,
                 std::vector<Order> orders = {}) {
        NippouDay& d = month(year, monthNo)[day];
        const int g = d.slipCount++;
        d.slipValues[g] = {party.men,          party.women,         party.boys,
                           party.girls,        stay.arrivalHour,    stay.arrivalMinute,
                           stay.departureHour, stay.departureMinute};
        d.lineCount[g] = static_cast<int>(orders.size());
        for (std::size_t c = 0; c < orders.size(); ++c) {
            d.lineMenu[g][c] = orders[c].menuId;
            d.lineQty[g][c] = orders[c].quantity;
        }
    }

    void loadMonth(int year, int monthNo, NippouMonth& into) override {
        reads.emplace_back(year, monthNo);
        buffers.push_back(&into);
        auto it = months_.find({year, monthNo});
        if (it != months_.end())
            into = *it->second;
        else
            into = NippouMonth{};
    }

    std::vector<std::pair<int, int>> reads;
    std::vector<const NippouMonth*> buffers;

  private:
    std::map<std::pair<int, int>, std::unique_ptr<NippouMonth>> months_;
};

inline MenuItem menuItem(int id, std::string name, int bunruiId = 0) {
    MenuItem item;
    item.id = id;
    item.name = std::move(name);
    item.bunruiId = bunruiId;
    return item;
}

// The customer table of December 2003 with one slip of three guests from 20:00 to 21:30, as
// its CSV file holds it.
inline std::string decemberCustomerTableCsv() {
    std::string text = "集客状況レポート\r\n"
                       "【集客状況 2003年 12月 1日～ 2003年 12月 31日 \r\n"
                       " 曜日:全て  客層:全て\r\n"
                       "順位,メニュー名,オーダー数\r\n"
                       "1,21時,3\r\n"
                       "1,20時,3\r\n";
    for (int h = 23; h >= 0; --h)
        if (h != 20 && h != 21)
            text += "3," + std::to_string(h) + "時,0\r\n";
    return text;
}

} // namespace analysis_fixtures
