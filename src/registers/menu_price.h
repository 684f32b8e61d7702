#pragma once
#include <string>
#include <string_view>

namespace lukana {

// The unit price a price box stands for: its leading number ("500円" is 500, text that does
// not begin with a number is 0), held to the 15 significant digits the file keeps.
double priceFromText(std::string_view text);

// The price as its box shows it: the shortest form with at most 15 significant digits and no
// leading blank (500, 12.5, 0, 0.25).
std::string priceText(double price);

} // namespace lukana
