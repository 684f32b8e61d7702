#pragma once
// The guest slips of one day: their derived cells, the totals row, stay times, counting and
// deleting slips, and their order lines. No Qt: the window and the printout share it.
#include "storage/state.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lukana {

inline constexpr int kMaxSlips = 99;       // a day counts at most this many slips
inline constexpr int kMaxQuantity = 32767; // a quantity the month file can hold

// Slip values by index.
inline constexpr int kSlipMen = 0;
inline constexpr int kSlipWomen = 1;
inline constexpr int kSlipBoys = 2;
inline constexpr int kSlipGirls = 3;
inline constexpr int kSlipArrivalHour = 4;
inline constexpr int kSlipArrivalMinute = 5;
inline constexpr int kSlipDepartureHour = 6;
inline constexpr int kSlipDepartureMinute = 7;
inline constexpr int kSlipPaid = 8;
inline constexpr int kSlipKind = 9;

// Payment kinds: 0 none, 1 cash, 2 card, 3 credit sale.
inline constexpr int kKindCount = 4;
std::string kindCellText(int kind); // "", "現金", "カード", "掛売"
int kindOfCellText(const std::string& text);

using SlipValues = std::array<double, kSlipValueCount>;

double adults(const SlipValues& v);
double children(const SlipValues& v);
double persons(const SlipValues& v);

// Minutes from arrival to departure; a departure before the arrival is on the next day, and
// stays of a day or more keep their hours. Nothing when an hour or minute is outside 16 bits.
std::optional<long long> stayMinutes(const SlipValues& v);
std::string stayText(long long minutes); // " 2: 45"

// The cells of one slip row by grid column (0..16); column 15 is nothing when the slip has no
// persons (the cell keeps its text); column 12 is nothing when the times are out of range.
std::optional<std::string> slipCell(const NippouDay& day, int slip, int column);

struct SlipColumnTotals {
    std::array<double, 4> people{}; // men, women, boys, girls
    double adults = 0, children = 0, persons = 0;
    long long stayMinutes = 0;
    double paid = 0;
};
SlipColumnTotals slipColumnTotals(const NippouDay& day);
// The totals row by grid column; column 15 is nothing when there are no persons.
std::optional<std::string> totalsCell(const SlipColumnTotals& totals, int column);

// The row after the last slip takes a new slip while the day has room for one.
bool hasEntrySlip(const NippouDay& day);
// Counts the entry slip on a cleared index; false when the day is full.
bool countEntrySlip(NippouDay& day);
// Removes a counted slip; later slips move up with their order lines. False when slip is not
// a counted one.
bool deleteSlip(NippouDay& day, int slip);

// Order lines.
enum class QuantityEdit { Stored, Removed, Unchanged, TooLarge, TooManyLines };
// Sets the quantity of a menu item on a slip: a value rounding to 0 or less removes its line.
QuantityEdit setQuantity(NippouDay& day, int slip, int menuId, double value);
// The quantity of a menu item on a slip, nothing when the slip has no line for it.
std::optional<int> quantityOf(const NippouDay& day, int slip, int menuId);

struct OrderSummary {
    double total = 0;
    long long pieces = 0;
};
// Every line whose item is in the menu list counts, whatever the panel shows.
OrderSummary orderSummary(const NippouDay& day, int slip, std::span<const MenuItem> menus);

// Positions in menus of the items the order grid shows: all for filter 0, else those of
// category categories[filter - 1].
std::vector<int> menusShown(std::span<const MenuItem> menus, std::span<const MenuBunrui> categories,
                            int filter);

} // namespace lukana
