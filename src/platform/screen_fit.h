#pragma once
// Texts on screen kept inside their box, label or grid cell by the rule of text_fit.h, at
// least kSmallestScreenPoints. Every text drawn this way can be recorded (tests).
#include "text_fit.h"

#include <QFont>
#include <QPoint>
#include <QRect>

#include <vector>

class QPainter;
class QWidget;

namespace lukana::platform {

inline constexpr double kSmallestScreenPoints = 6;

// The text as it fits in room pixels, drawn in font or smaller (down to smallest).
FittedText fitOnScreen(const QString& text, const QFont& font, double room, TextKeep keep,
                       double smallest = kSmallestScreenPoints);
// The text whole in font, however wide.
FittedText wholeOnScreen(const QString& text, const QFont& font);

// Draws the fitted text in room with the painter's pen; the painter's font is font again
// after. owner (and cell, in a grid) name the text for a recording.
void drawFitted(QPainter& painter, const QRect& room, Qt::Alignment alignment,
                const FittedText& fitted, const QFont& font, const QWidget* owner,
                QPoint cell = {-1, -1});

struct ScreenText {
    const QWidget* owner = nullptr;
    QPoint cell; // column x, row y; -1 outside a grid
    QRect room;  // the text's room, in the painted widget's pixels
    FittedText fitted;
};

// While one lives, every text drawn through drawFitted is added to texts.
class ScreenTextRecording {
  public:
    ScreenTextRecording();
    ~ScreenTextRecording();
    ScreenTextRecording(const ScreenTextRecording&) = delete;
    ScreenTextRecording& operator=(const ScreenTextRecording&) = delete;

    // The text drawn last for owner (and cell); nullptr when none was.
    const ScreenText* last(const QWidget* owner, QPoint cell = {-1, -1}) const;

    std::vector<ScreenText> texts;
};

} // namespace lukana::platform
