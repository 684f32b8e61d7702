#pragma once
// The numbered amount boxes of the daily report: which indexes have a box, how a box's label
// shows its text, and the route Enter takes through them.
#include <array>
#include <string>
#include <string_view>

namespace lukana {

// Indexes of kingaku that have a box on screen, in index order.
inline constexpr std::array<int, 31> kAmountBoxes{0,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                                  12, 13, 15, 16, 21, 22, 25, 26, 27, 28, 29,
                                                  30, 31, 32, 33, 34, 35, 36, 37, 38};
inline constexpr int kAmountIndexCount = 39; // boxes lie within 0..38

bool hasAmountBox(int index);

// The label over a box: the guest counts show their text as typed, every other box by
// "###,##0" (an empty text or one that is no number stays as it is).
std::string amountLabelText(int box, std::string_view text);

// Enter in a box opens the next box of the route; the boxes of the right half (25 to 38) have
// none of their own and reopen the box that Enter opened last (lastOpened, 0 at first).
int nextBoxOnEnter(int box, int lastOpened);

} // namespace lukana
