#include "surface.h"

#include "fonts.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace lukana::platform {

namespace {
int pixels(int twips) {
    return int(std::lround(double(twips) / Surface::kTwipsPerPixel));
}
} // namespace

Surface::Surface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resizePicture();
}

Surface::~Surface() {
    endPainting();
}

void Surface::setRecording(std::shared_ptr<PrintRecording> recording) {
    recorder_ = recording ? std::make_unique<RecordingPageWriter>(std::move(recording)) : nullptr;
}

void Surface::place() {
    setGeometry(pixels(left_), pixels(top_), std::max(1, pixels(width_)),
                std::max(1, pixels(height_)));
}

void Surface::setLeftTwips(int twips) {
    left_ = twips;
    place();
}

void Surface::setTopTwips(int twips) {
    top_ = twips;
    place();
}

void Surface::setWidthTwips(int twips) {
    if (twips == width_)
        return;
    width_ = std::max(0, twips);
    resizePicture();
}

void Surface::setHeightTwips(int twips) {
    if (twips == height_)
        return;
    height_ = std::max(0, twips);
    resizePicture();
}

void Surface::resizePicture() {
    endPainting();
    image_ =
        QImage(std::max(1, pixels(width_)), std::max(1, pixels(height_)), QImage::Format_RGB32);
    // 96 dots an inch, so that a point size gives the same text as in the window
    image_.setDotsPerMeterX(3780);
    image_.setDotsPerMeterY(3780);
    image_.fill(Qt::white);
    if (!userScale_)
        scaleBottomRight_ = QPointF(width_, height_);
    place();
    update();
}

PainterSurface& Surface::painter() {
    if (!surface_) {
        qpainter_ = std::make_unique<QPainter>(&image_);
        qpainter_->setRenderHint(QPainter::Antialiasing, false);
        qpainter_->setRenderHint(QPainter::TextAntialiasing, true);
        surface_.emplace(*qpainter_, QRectF(0, 0, image_.width(), image_.height()),
                         PainterSurface::PenUnit::Pixel);
        surface_->font().setFamily(QStringLiteral("ＭＳ Ｐゴシック"));
        surface_->font().setBold(true);
        surface_->setScale(scaleTopLeft_, scaleBottomRight_);
        surface_->setFontSize(fontPoints_);
        surface_->setForeColor(foreColor_);
        surface_->setLineWidth(lineWidth_);
        surface_->setFillColor(fillColor_);
        surface_->setFillSolid(fillSolid_);
        surface_->setTextPosition(position_);
    }
    return *surface_;
}

void Surface::endPainting() {
    surface_.reset();
    if (qpainter_) {
        qpainter_->end();
        qpainter_.reset();
    }
}

void Surface::setScaleBy(double left, double top, double width, double height) {
    setScale(QPointF(left, top), QPointF(left + width, top + height));
}

void Surface::setScale(QPointF topLeft, QPointF bottomRight) {
    if (bottomRight.x() == topLeft.x() || bottomRight.y() == topLeft.y())
        return;
    scaleTopLeft_ = topLeft;
    scaleBottomRight_ = bottomRight;
    userScale_ = true;
    if (surface_)
        surface_->setScale(topLeft, bottomRight);
    if (recorder_)
        recorder_->setScale(topLeft, bottomRight);
}

void Surface::clear() {
    endPainting();
    image_.fill(Qt::white);
    position_ = scaleTopLeft_;
    if (recorder_)
        recorder_->clear();
    update();
}

void Surface::refresh() {
    endPainting();
    update();
}

QImage Surface::image() {
    endPainting();
    return image_;
}

void Surface::paintEvent(QPaintEvent* event) {
    endPainting();
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
}

void Surface::setFontSize(double points) {
    if (points <= 0)
        return;
    fontPoints_ = points;
    if (surface_)
        surface_->setFontSize(points);
    if (recorder_)
        recorder_->setFontSize(points);
}

void Surface::text(QPointF topLeft, const QString& text) {
    painter().text(topLeft, text);
    if (recorder_)
        recorder_->text(topLeft, text);
}

double Surface::textWidth(const QString& text) const {
    // As painter() draws it: the page face in bold on this picture.
    QFont font = pageFont();
    font.setBold(true);
    font.setPointSizeF(fontPoints_);
    const double unitsPerPixel = (scaleBottomRight_.x() - scaleTopLeft_.x()) / image_.width();
    return QFontMetricsF(font, &image_).horizontalAdvance(text) * unitsPerPixel;
}

void Surface::setTextPosition(QPointF topLeft) {
    position_ = topLeft;
    if (surface_)
        surface_->setTextPosition(topLeft);
}

void Surface::print(const QString& text) {
    const QPointF at = position_;
    PainterSurface& s = painter();
    s.print(text);
    position_ = s.textPosition();
    if (recorder_)
        recorder_->text(at, text);
}

void Surface::setLineWidth(int width) {
    lineWidth_ = width;
    if (surface_)
        surface_->setLineWidth(width);
    if (recorder_)
        recorder_->setLineWidth(width);
}

void Surface::setForeColor(QColor color) {
    foreColor_ = color;
    if (surface_)
        surface_->setForeColor(color);
    if (recorder_)
        recorder_->setForeColor(color);
}

void Surface::setFillColor(QColor color) {
    fillColor_ = color;
    if (surface_)
        surface_->setFillColor(color);
    if (recorder_)
        recorder_->setFillColor(color);
}

void Surface::setFillSolid(bool solid) {
    fillSolid_ = solid;
    if (surface_)
        surface_->setFillSolid(solid);
    if (recorder_)
        recorder_->setFillSolid(solid);
}

void Surface::line(QPointF from, QPointF to) {
    painter().line(from, to);
    if (recorder_)
        recorder_->line(from, to);
}

void Surface::line(QPointF from, QPointF to, QColor color) {
    painter().line(from, to, color);
    if (recorder_)
        recorder_->line(from, to, color);
}

void Surface::box(QPointF corner, QPointF opposite) {
    painter().box(corner, opposite);
    if (recorder_)
        recorder_->box(corner, opposite);
}

void Surface::filledBox(QPointF corner, QPointF opposite, QColor color) {
    painter().filledBox(corner, opposite, color);
    if (recorder_)
        recorder_->filledBox(corner, opposite, color);
}

void Surface::pie(QPointF centre, double radius, double start, double end) {
    painter().pie(centre, radius, start, end);
    if (recorder_)
        recorder_->pie(centre, radius, start, end);
}

} // namespace lukana::platform
