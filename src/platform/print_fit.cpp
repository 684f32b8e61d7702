#include "print_fit.h"

#include <algorithm>

namespace lukana::platform {

namespace {

const QString kEllipsis = QStringLiteral("…");

// The smallest step a size is lowered by: hinted widths at a coarse resolution do not shrink
// in proportion to the size.
constexpr double kPointStep = 0.25;

struct Fitted {
    QString text;
    double width;
    bool smaller = false; // drawn in a smaller size than the column's
};

enum class Keep { Start, End };

// The text as it fits in room: at points when it can, else at the size that lets it fit (no
// smaller than the smallest), else cut. Leaves that size in force.
Fitted fit(DrawingSurface& surface, const QString& text, double room, double points, Keep keep) {
    double width = surface.textWidth(text);
    if (width <= room)
        return {text, width};
    double size = std::max(kSmallestPrintPoints, std::min(points, points * room / width));
    for (;;) {
        surface.setFontSize(size);
        width = surface.textWidth(text);
        if (width <= room || size <= kSmallestPrintPoints)
            break;
        size = std::max(kSmallestPrintPoints, size - kPointStep);
    }
    if (width <= room)
        return {text, width, true};
    for (qsizetype kept = text.size() - 1; kept > 0; --kept) {
        const QString cut =
            keep == Keep::Start ? text.left(kept) + kEllipsis : kEllipsis + text.right(kept);
        width = surface.textWidth(cut);
        if (width <= room)
            return {cut, width, true};
    }
    return {QString(), 0, true};
}

double quarterDigit(const DrawingSurface& surface) {
    return surface.textWidth(QStringLiteral("0")) / 4;
}

} // namespace

void textBeforeNextRule(DrawingSurface& surface, double x, double rule, double top,
                        const QString& text, double points) {
    if (text.isEmpty())
        return;
    const double margin = quarterDigit(surface);
    const Fitted fitted = fit(surface, text, rule - margin - x, points, Keep::Start);
    if (!fitted.text.isEmpty())
        surface.text({x, top}, fitted.text);
    if (fitted.smaller)
        surface.setFontSize(points);
}

void textBetweenRules(DrawingSurface& surface, double leftRule, double rule, double top,
                      const QString& text, double points) {
    if (text.isEmpty())
        return;
    const double margin = quarterDigit(surface);
    const Fitted fitted = fit(surface, text, rule - leftRule - 2 * margin, points, Keep::End);
    if (!fitted.text.isEmpty())
        surface.text({rule - margin - fitted.width, top}, fitted.text);
    if (fitted.smaller)
        surface.setFontSize(points);
}

} // namespace lukana::platform
