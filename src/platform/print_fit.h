#pragma once
// Texts of a printed table kept between the rules of their column. A text too wide for its
// column is drawn smaller, down to kSmallestPrintPoints; what is still too wide is cut with an
// ellipsis (text_fit.h), so that no text ever runs across a rule.
#include "drawing.h"

#include <QString>

namespace lukana::platform {

inline constexpr double kSmallestPrintPoints = 5;

// A text from its left edge x, ending a quarter digit before the rule right of it. points is
// the column's font size, in force when called and again on return. A cut text keeps its start.
void textBeforeNextRule(DrawingSurface& surface, double x, double rule, double top,
                        const QString& text, double points);

// A right-aligned text, a figure most often, ending a quarter digit before rule and starting a
// quarter digit after leftRule. A cut figure keeps its sign and yen mark before the ellipsis and
// its last digits after it.
void textBetweenRules(DrawingSurface& surface, double leftRule, double rule, double top,
                      const QString& text, double points);

} // namespace lukana::platform
