#include "amount_boxes.h"

#include "storage/display_format.h"

#include <algorithm>

namespace lukana {

bool hasAmountBox(int index) {
    return std::binary_search(kAmountBoxes.begin(), kAmountBoxes.end(), index);
}

std::string amountLabelText(int box, std::string_view text) {
    if (box == 12 || box == 13)
        return std::string(text);
    return Format(text, "###,##0");
}

int nextBoxOnEnter(int box, int lastOpened) {
    if (box >= 25)
        return lastOpened;
    switch (box) {
    case 13:
        return 15;
    case 15:
        return 16;
    case 16:
        return 21;
    case 21:
        return 22;
    case 22:
        return 0;
    case 0:
        return 2;
    default:
        return box + 1; // 2 to 12
    }
}

} // namespace lukana
