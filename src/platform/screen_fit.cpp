#include "screen_fit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

namespace lukana::platform {

namespace {

ScreenTextRecording* recording = nullptr;

QFont fontAt(const QFont& font, double points) {
    QFont f(font);
    f.setPointSizeF(points);
    return f;
}

} // namespace

FittedText fitOnScreen(const QString& text, const QFont& font, double room, TextKeep keep,
                       double smallest) {
    const double points = QFontInfo(font).pointSizeF();
    const QFontMetricsF metrics(font);
    return fitText(text, room, points, smallest, keep, [&](const QString& t, double size) {
        return size == points ? metrics.horizontalAdvance(t)
                              : QFontMetricsF(fontAt(font, size)).horizontalAdvance(t);
    });
}

FittedText wholeOnScreen(const QString& text, const QFont& font) {
    return {text, QFontInfo(font).pointSizeF(), QFontMetricsF(font).horizontalAdvance(text)};
}

void drawFitted(QPainter& painter, const QRect& room, Qt::Alignment alignment,
                const FittedText& fitted, const QFont& font, const QWidget* owner, QPoint cell) {
    const bool smaller = fitted.points != QFontInfo(font).pointSizeF();
    if (smaller)
        painter.setFont(fontAt(font, fitted.points));
    painter.drawText(room, static_cast<int>(alignment), fitted.text);
    if (smaller)
        painter.setFont(font);
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
