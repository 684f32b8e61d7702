#include "painter_surface.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace lukana::platform {

PainterSurface::PainterSurface(QPainter& painter, QRectF area)
    : painter_(painter), area_(area), font_(QApplication::font().family()) {
    font_.setPointSizeF(10);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(Qt::black, 1));
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
    if (points > 0)
        font_.setPointSizeF(points);
}

void PainterSurface::text(QPointF topLeft, const QString& text) {
    painter_.setFont(font_);
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const QPointF at = toDevice(topLeft);
    painter_.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
}

void PainterSurface::setLineWidth(int width) {
    const double dotsPerTenthMm = painter_.device()->logicalDpiX() / 254.0;
    QPen pen = painter_.pen();
    // Never thinner than one dot, or a thin line would vanish on a coarse device.
    pen.setWidthF(std::max(1.0, std::max(1, width) * dotsPerTenthMm));
    painter_.setPen(pen);
}

void PainterSurface::line(QPointF from, QPointF to) {
    painter_.drawLine(toDevice(from), toDevice(to));
}

void PainterSurface::box(QPointF corner, QPointF opposite) {
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(toDevice(corner), toDevice(opposite)).normalized());
}

} // namespace lukana::platform
