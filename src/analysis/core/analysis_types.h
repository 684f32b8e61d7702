#pragma once
// What both analyses are built from: the kind, the period, the filters and the menu of the
// department as one calculation saw them.
#include "storage/state.h"

#include <array>
#include <compare>
#include <string>
#include <vector>

namespace lukana {

enum class AnalysisKind { Customers, Menu };

// An hour of the day 0..30 (slip times run past 24 after midnight); only 0..23 are ranked.
inline constexpr int kHourKeys = 31;
inline constexpr int kRankedHours = 24;

// A menu item's id as the slips and the table rows name it, and its position in the
// department's menu list: two different things that must not be mixed up.
struct MenuId {
    int value = 0;
    auto operator<=>(const MenuId&) const = default;
};
struct ItemPosition {
    int value = 0;
    auto operator<=>(const ItemPosition&) const = default;
};

enum class LineAxis { Days = 0, Weeks = 1, Months = 2 };

// First and last day, as read from the period spinners.
struct AnalysisPeriod {
    int fromYear = 0, fromMonth = 0, fromDay = 0;
    int toYear = 0, toMonth = 0, toDay = 0;
    bool operator==(const AnalysisPeriod&) const = default;
};

// The customer-type codes of the type list.
enum CustomerType : int {
    kAllCustomers = 0,
    kWithMen = 1,
    kWithWomen = 2,
    kWithBoys = 3,
    kWithGirls = 4,
    kCouple = 5,
    kMixedGroup = 6,
    kMenGroup = 7,
    kWomenGroup = 8,
    kDetailed = 9,
};

// Modes of the detailed condition per person kind (men, women, boys, girls).
enum DetailMode : int { kExactly = 0, kAtLeast = 1, kLessThan = 2 };

struct Filters {
    int weekday = 0;      // 0 every day, 1..7 Sunday..Saturday
    int arrivalSlot = 0;  // menu analysis: 0 every arrival, s = 1..13 from 2(s-1) to 2s o'clock
    int customerType = 0; // CustomerType
    std::array<int, 4> detailCounts{};
    std::array<int, 4> detailModes{};
    int categoryChoice = 0; // menu analysis: 0 every category, k the k-th category of the list
    bool operator==(const Filters&) const = default;
};

// The menu of the department as the calculation read it.
struct MenuCatalogue {
    std::vector<MenuItem> items;
    std::vector<MenuBunrui> categories;
};

// Copies the first menudCount items and mbunCount categories of the shared lists.
MenuCatalogue currentMenuCatalogue();

} // namespace lukana
