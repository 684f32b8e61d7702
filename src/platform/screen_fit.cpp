#include "screen_fit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace lukana::platform {

namespace {

ScreenTextRecording* recording = nullptr;

QFont resized(const QFont& font, double points) {
    QFont f(font);
    f.setPointSizeF(points);
    return f;
}

} // namespace

ScreenFont::ScreenFont(const QFont& font)
    : font_(font), points_(QFontInfo(font).pointSizeF()), metrics_(font) {
    for (size_t i = 0; i < figureAdvances_.size(); ++i)
        figureAdvances_[i] = metrics_.horizontalAdvance(QChar(kFigureChars[i]));
}

double ScreenFont::widthBound(const QString& text) const {
    // Figures are laid out without kerning in the program's fonts, so their advances add up;
    // the cell's margin would take a fraction of a pixel more.
    double bound = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const qsizetype i =
            u >= u'0' && u <= u'9' ? u - u'0' : QStringView(kFigureChars).indexOf(c);
        bound += i >= 0 ? figureAdvances_[i] : metrics_.maxWidth();
    }
    return bound;
}

FittedText ScreenFont::fit(const QString& text, double room, TextKeep keep, double smallest) const {
    if (const double bound = widthBound(text); bound <= room)
        return {text, points_, bound};
    return fitText(text, room, points_, smallest, keep, [&](const QString& t, double size) {
        return size == points_ ? metrics_.horizontalAdvance(t)
                               : sizedAt(size).metrics.horizontalAdvance(t);
    });
}

const ScreenFont::Sized& ScreenFont::sizedAt(double points) const {
    for (const Sized& s : sized_)
        if (s.points == points)
            return s;
    const QFont f = resized(font_, points);
    return sized_.emplace_back(Sized{points, f, QFontMetricsF(f)});
}

const QFont& ScreenFont::fontAt(double points) const {
    return points == points_ ? font_ : sizedAt(points).font;
}

FittedText ScreenFont::whole(const QString& text) const {
    return {text, points_, metrics_.horizontalAdvance(text)};
}

FittedText fitOnScreen(const QString& text, const QFont& font, double room, TextKeep keep,
                       double smallest) {
    return ScreenFont(font).fit(text, room, keep, smallest);
}

void drawFitted(QPainter& painter, const QRect& room, Qt::Alignment alignment,
                const FittedText& fitted, const ScreenFont& font, const QWidget* owner,
                QPoint cell) {
    const bool smaller = fitted.points != font.points();
    if (smaller)
        painter.setFont(font.fontAt(fitted.points));
    painter.drawText(room, static_cast<int>(alignment), fitted.text);
    if (smaller)
        painter.setFont(font.font());
    if (recording)
        recording->texts.push_back({owner, cell, room, fitted});
}

ScreenTextRecording::ScreenTextRecording() {
    recording = this;
}

ScreenTextRecording::~ScreenTextRecording() {
    recording = nullptr;
}

const ScreenText* ScreenTextRecording::last(const QWidget* owner, QPoint cell) const {
    for (auto it = texts.rbegin(); it != texts.rend(); ++it)
        if (it->owner == owner && it->cell == cell)
            return &*it;
    return nullptr;
}

} // namespace lukana::platform
