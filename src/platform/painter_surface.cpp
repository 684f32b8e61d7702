#include "painter_surface.h"

#include "fonts.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lukana::platform {

QColor paletteColor(int index) {
    static const QColor palette[16] = {
        {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},  {128, 0, 0}, {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},    {0, 255, 0}, {0, 255, 255},
        {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255}};
    return index >= 0 && index < 16 ? palette[index] : QColor(0, 0, 0);
}

PainterSurface::PainterSurface(QPainter& painter, QRectF area, PenUnit penUnit)
    : painter_(painter), area_(area), penUnit_(penUnit), font_(pageFont()) {
    font_.setPointSizeF(10);
    painter_.setBrush(Qt::NoBrush);
    QPen pen(Qt::black, 1);
    pen.setCosmetic(penUnit == PenUnit::Pixel);
    painter_.setPen(pen);
    setScale(QPointF(0, 0), QPointF(area.width(), area.height()));
    setLineWidth(1);
}

void PainterSurface::setScale(QPointF topLeft, QPointF bottomRight) {
    const double width = bottomRight.x() - topLeft.x();
    const double height = bottomRight.y() - topLeft.y();
    if (width == 0 || height == 0)
        return; // a scale without extent would put everything at infinity
    origin_ = topLeft;
    scaleX_ = area_.width() / width;
    scaleY_ = area_.height() / height;
}

QPointF PainterSurface::toDevice(QPointF user) const {
    return {area_.left() + (user.x() - origin_.x()) * scaleX_,
            area_.top() + (user.y() - origin_.y()) * scaleY_};
}

void PainterSurface::setFontSize(double points) {
    if (points > 0 && points != font_.pointSizeF()) {
        font_.setPointSizeF(points);
        fontApplied_ = false;
    }
}

QFont& PainterSurface::font() {
    fontApplied_ = false;
    return font_;
}

// A chart draws hundreds of texts in one font: hand it to the painter and measure it once.
void PainterSurface::applyFont() const {
    if (fontApplied_)
        return;
    painter_.setFont(font_);
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    ascent_ = metrics.ascent();
    height_ = metrics.height();
    fontApplied_ = true;
}

void PainterSurface::text(QPointF topLeft, const QString& text) {
    applyFont();
    usePenColor(foreColor_);
    const QPointF at = toDevice(topLeft);
    painter_.drawText(QPointF(at.x(), at.y() + ascent_), text);
}

double PainterSurface::textWidth(const QString& text) const {
    return QFontMetricsF(font_, painter_.device()).horizontalAdvance(text) / scaleX_;
}

double PainterSurface::lineHeight() const {
    applyFont();
    return height_ / scaleY_;
}

void PainterSurface::print(const QString& text) {
    this->text(position_, text);
    position_ = QPointF(origin_.x(), position_.y() + lineHeight());
}

void PainterSurface::setLineWidth(int width) {
    QPen pen = painter_.pen();
    if (penUnit_ == PenUnit::Pixel) {
        pen.setWidth(std::max(1, width));
    } else {
        const double dotsPerTenthMm = painter_.device()->logicalDpiX() / 254.0;
        // Never thinner than one dot, or a thin line would vanish on a coarse device.
        pen.setWidthF(std::max(1.0, std::max(1, width) * dotsPerTenthMm));
    }
    painter_.setPen(pen);
}

void PainterSurface::setForeColor(QColor color) {
    foreColor_ = color;
    usePenColor(color);
}

// A line chart draws hundreds of segments in a colour of their own: the pen keeps that colour
// until a drawing in the fore colour needs it back, rather than changing twice a segment.
void PainterSurface::usePenColor(QColor color) {
    if (painter_.pen().color() == color)
        return;
    QPen pen = painter_.pen();
    pen.setColor(color);
    painter_.setPen(pen);
}

void PainterSurface::line(QPointF from, QPointF to) {
    usePenColor(foreColor_);
    painter_.drawLine(toDevice(from), toDevice(to));
}

void PainterSurface::line(QPointF from, QPointF to, QColor color) {
    usePenColor(color);
    painter_.drawLine(toDevice(from), toDevice(to));
}

void PainterSurface::box(QPointF corner, QPointF opposite) {
    usePenColor(foreColor_);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(toDevice(corner), toDevice(opposite)).normalized());
}

void PainterSurface::filledBox(QPointF corner, QPointF opposite, QColor color) {
    QRectF r = QRectF(toDevice(corner), toDevice(opposite)).normalized();
    if (penUnit_ == PenUnit::Pixel) // both corners' pixels belong to the box
        r = QRectF(QPointF(std::floor(r.left()), std::floor(r.top())),
                   QPointF(std::floor(r.right()) + 1, std::floor(r.bottom()) + 1));
    painter_.fillRect(r, color);
}

void PainterSurface::pie(QPointF centre, double radius, double start, double end) {
    const QPointF c = toDevice(centre);
    const double r = std::abs(radius * scaleX_);
    const QRectF square(c.x() - r, c.y() - r, 2 * r, 2 * r);
    constexpr double sixteenthsPerRadian = 180.0 * 16 / std::numbers::pi;
    usePenColor(foreColor_);
    painter_.setBrush(fillSolid_ ? QBrush(fillColor_) : QBrush(Qt::NoBrush));
    painter_.drawPie(square, int(std::lround(start * sixteenthsPerRadian)),
                     int(std::lround((end - start) * sixteenthsPerRadian)));
    painter_.setBrush(Qt::NoBrush);
}

} // namespace lukana::platform
