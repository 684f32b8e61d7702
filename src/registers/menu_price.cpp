#include "menu_price.h"

#include "storage/routines.h"
#include "storage/text_format.h"

namespace lukana {

double priceFromText(std::string_view text) {
    // Rounded through the stored form, so the file gets the digits the box shows; prices are
    // kept to 15 digits, so a large price stays exact.
    double price = 0;
    if (!parseStoredDouble(formatNumber(leadingNumber(text), kDoubleDigits), price))
        return 0;
    return price;
}

std::string priceText(double price) {
    std::string text = formatNumber(price, kDoubleDigits);
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    // The stored form drops the zero before the point; the box reads better with it.
    if (text.starts_with('.'))
        text.insert(0, "0");
    else if (text.starts_with("-."))
        text.insert(1, "0");
    return text;
}

} // namespace lukana
