#pragma once
// Texts on screen kept inside their box, label or grid cell by the rule of text_fit.h, at
// least kSmallestScreenPoints. Every text drawn this way can be recorded (tests).
#include "text_fit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPoint>
#include <QRect>

#include <array>
#include <deque>
#include <iterator>
#include <vector>

class QPainter;
class QWidget;

namespace lukana::platform {

inline constexpr double kSmallestScreenPoints = 6;

// A font with the measures fitting takes from it, read once: a grid fits every cell it paints.
class ScreenFont {
  public:
    explicit ScreenFont(const QFont& font);
    const QFont& font() const { return font_; }
    double points() const { return points_; }

    // The text as it fits in room pixels, drawn in the font or smaller (down to smallest).
    FittedText fit(const QString& text, double room, TextKeep keep,
                   double smallest = kSmallestScreenPoints) const;
    // The text whole, however wide.
    FittedText whole(const QString& text) const;
    // The font at another size.
    const QFont& fontAt(double points) const;

  private:
    // No narrower than the text: its characters at their widest. Most texts are short enough
    // for it to settle the fit without laying the text out.
    double widthBound(const QString& text) const;

    // The font at a smaller size and its measures, kept for the next text fitted the same.
    struct Sized {
        double points;
        QFont font;
        QFontMetricsF metrics;
    };
    const Sized& sizedAt(double points) const;

    QFont font_;
    double points_;
    QFontMetricsF metrics_;
    // The characters of figures and their advances in the font.
    static constexpr char16_t kFigureChars[] = u"0123456789,.-+\\@\u00a5";
    std::array<double, std::size(kFigureChars) - 1> figureAdvances_{};
    mutable std::deque<Sized> sized_; // a deque: what it hands out stays in place
};

// One text fitted in a font measured for it alone.
FittedText fitOnScreen(const QString& text, const QFont& font, double room, TextKeep keep,
                       double smallest = kSmallestScreenPoints);

// Draws the fitted text in room with the painter's pen; the painter's font is font again
// after. owner (and cell, in a grid) name the text for a recording.
void drawFitted(QPainter& painter, const QRect& room, Qt::Alignment alignment,
                const FittedText& fitted, const ScreenFont& font, const QWidget* owner,
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
