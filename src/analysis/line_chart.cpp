#include "line_chart.h"

#include "platform/surface.h"
#include "storage/display_format.h"

#include <algorithm>
#include <cmath>

namespace lukana {
namespace {

using platform::paletteColor;
using platform::Surface;

constexpr double kAxisHeight = 2000;
constexpr double kPointStep = 100;
constexpr double kLabelFont = 8;

// Two half-width digits stay together; anything else is printed one character a line.
int pieceLength(const QString& rest) {
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (rest.size() >= 2 && digit(rest[0]) && digit(rest[1]))
        return 2;
    return rest.size() >= 2 && rest[0].isHighSurrogate() ? 2 : 1;
}

// The row label stands downwards under its point, one piece below the other.
void printRowLabel(Surface& s, int i, QString label) {
    for (int k = 0; !label.isEmpty(); ++k) {
        s.setTextPosition({kPointStep * i - 10, -50 - 230.0 * k});
        const int n = pieceLength(label);
        s.print(label.left(n));
        label.remove(0, n);
    }
}

// Ends about 15 units left of the value axis.
void printValueLabel(Surface& s, double value, double y) {
    const QString text = QString::fromStdString(Str(value));
    s.setTextPosition({-15 - 10.0 * text.size(), y});
    s.print(text);
}

void drawAxes(Surface& s, int n) {
    s.setForeColor(paletteColor(9));
    s.setLineWidth(3);
    s.line({0, 0}, {0, kAxisHeight});
    s.line({0, 0}, {kPointStep * n, 0});
    s.line({0, kAxisHeight / 2}, {10, kAxisHeight / 2});
    s.setForeColor(paletteColor(2));
    s.setLineWidth(2);
}

void drawPass(Surface& s, const Series& series, const LineScale& scale, bool withTexts) {
    s.setFontSize(kLabelFont);
    const double range = scale.max - scale.min;
    if (range > 0) {
        // The labels before the line, which lies over any it crosses: the pen changes colour
        // once rather than twice a point.
        if (withTexts)
            for (int i = 0; i < scale.count; ++i)
                printRowLabel(s, i, QString::fromStdString(series.labels[i]));
        QPointF previous;
        for (int i = 0; i < scale.count; ++i) {
            const QPointF point(kPointStep * i, double(series.values[i]) / range * kAxisHeight);
            if (i > 0)
                s.line(previous, point, paletteColor(12));
            previous = QPointF(float(point.x()), float(point.y()));
        }
    }
    if (withTexts) {
        printValueLabel(s, scale.max, 2100);
        printValueLabel(s, scale.min, 100);
        const double middle = std::floor((scale.max - scale.min) / 2 * 10) / 10;
        printValueLabel(s, scale.min + middle, 1100);
        s.setFontSize(kLabelFont);
    }
    s.refresh();
}

} // namespace

LineScale lineScale(const Series& series) {
    LineScale scale;
    scale.count = series.count();
    for (const std::int64_t v : series.values)
        scale.max = std::max(scale.max, double(v));
    return scale;
}

LineChart drawLineChart(Surface& figure, Surface& texts, const Series& series,
                        const QString& keyTitle) {
    LineChart chart;
    chart.scale = lineScale(series);
    const int n = chart.scale.count;
    for (Surface* s : {&figure, &texts}) {
        s->setForeColor(paletteColor(0));
        s->clear();
    }
    const int width = 600 * n + 4200;
    figure.setWidthTwips(width);
    texts.setWidthTwips(width);
    if (texts.widthTwips() >= kLineViewportTwips)
        chart.scrollMaximum =
            int(std::lround((texts.widthTwips() - kLineViewportTwips) / kPointStep));
    for (Surface* s : {&figure, &texts})
        s->setScale({-200, 2400}, {kPointStep * n + 200, -700});
    // The key title takes the surface's font as it stands: the window's size before the
    // first line chart, the labels' size after one.
    texts.setTextPosition({-50, 2380});
    texts.print(keyTitle);
    drawAxes(figure, n);
    drawAxes(texts, n);
    drawPass(figure, series, chart.scale, false);
    drawPass(texts, series, chart.scale, true);
    return chart;
}

} // namespace lukana
