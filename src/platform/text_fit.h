#pragma once
// One rule for a text wider than its room, on paper and on screen alike: it is drawn smaller,
// down to a floor, and past the floor cut visibly with "…". A cut figure keeps its sign, yen
// mark or "@" in front and its last digits behind, never starting at a comma or point, so that
// it never reads as another figure; a cut name keeps its start. Where not even that fits, "…"
// alone is drawn: a blank would read as nothing, on paper as zero.
#include <QString>

#include <functional>

namespace lukana::platform {

enum class TextKeep { Start, End };

struct FittedText {
    QString text;      // as drawn
    double points = 0; // the size it is drawn in
    double width = 0;  // at that size, in the room's units (at most this, where it fits at once)
    bool cut = false;
};

// A text's width at a size, in the room's units.
using TextWidthAt = std::function<double(const QString& text, double points)>;

// The text as drawn in room: at points when it fits, else at the size that lets it fit, no
// smaller than smallest, else cut at smallest.
FittedText fitText(const QString& text, double room, double points, double smallest, TextKeep keep,
                   const TextWidthAt& widthAt);

// A figure as the program shows one: an optional sign, yen mark or "@", then digits with
// thousands separators and a point.
bool readsAsFigure(const QString& text);

} // namespace lukana::platform
