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

void Surface::setDrawnOnDemand(bool onDemand) {
    if (!onDemand) {
        endPainting();
        drawPending();
    }
    onDemand_ = onDemand;
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
    erase();
    if (!userScale_)
        state_.scaleBottomRight = QPointF(width_, height_);
    place();
    update();
}

// A surface drawn on demand only notes that its picture is to be erased: filling a tall
// picture is most of the cost of drawing it.
void Surface::erase() {
    pending_.clear();
    if (onDemand_) {
        blank_ = true;
        return;
    }
    image_.fill(Qt::white);
    blank_ = false;
}

PainterSurface& Surface::painter() {
    if (!surface_)
        beginPainting(state_);
    return *surface_;
}

void Surface::beginPainting(const DrawingState& state) {
    qpainter_ = std::make_unique<QPainter>(&image_);
    qpainter_->setRenderHint(QPainter::Antialiasing, false);
    qpainter_->setRenderHint(QPainter::TextAntialiasing, true);
    surface_.emplace(*qpainter_, QRectF(0, 0, image_.width(), image_.height()),
                     PainterSurface::PenUnit::Pixel);
    surface_->font().setFamily(QStringLiteral("ＭＳ Ｐゴシック"));
    surface_->font().setBold(true);
    surface_->setScale(state.scaleTopLeft, state.scaleBottomRight);
    surface_->setFontSize(state.fontPoints);
    surface_->setForeColor(state.foreColor);
    surface_->setLineWidth(state.lineWidth);
    surface_->setFillColor(state.fillColor);
    surface_->setFillSolid(state.fillSolid);
    surface_->setTextPosition(state.position);
}

void Surface::endPainting() {
    surface_.reset();
    if (qpainter_) {
        qpainter_->end();
        qpainter_.reset();
    }
}

template <typename F> void Surface::draw(F&& step) {
    if (!onDemand_) {
        step(painter());
        return;
    }
    endPainting();
    if (pending_.empty())
        pendingFrom_ = state_;
    pending_.emplace_back(std::forward<F>(step));
}

template <typename F> void Surface::change(F&& step) {
    if (surface_)
        step(*surface_);
    else if (!pending_.empty())
        pending_.emplace_back(std::forward<F>(step));
}

void Surface::drawPending() {
    if (blank_) {
        image_.fill(Qt::white);
        blank_ = false;
    }
    if (pending_.empty())
        return;
    endPainting();
    beginPainting(pendingFrom_);
    for (const Step& step : pending_)
        step(*surface_);
    pending_.clear();
    endPainting();
}

void Surface::setScaleBy(double left, double top, double width, double height) {
    setScale(QPointF(left, top), QPointF(left + width, top + height));
}

void Surface::setScale(QPointF topLeft, QPointF bottomRight) {
    if (bottomRight.x() == topLeft.x() || bottomRight.y() == topLeft.y())
        return;
    state_.scaleTopLeft = topLeft;
    state_.scaleBottomRight = bottomRight;
    userScale_ = true;
    change([=](PainterSurface& s) { s.setScale(topLeft, bottomRight); });
    if (recorder_)
        recorder_->setScale(topLeft, bottomRight);
}

void Surface::clear() {
    endPainting();
    erase();
    state_.position = state_.scaleTopLeft;
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
    drawPending();
    return image_;
}

void Surface::paintEvent(QPaintEvent* event) {
    endPainting();
    drawPending();
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
}

void Surface::setFontSize(double points) {
    if (points <= 0)
        return;
    state_.fontPoints = points;
    change([=](PainterSurface& s) { s.setFontSize(points); });
    if (recorder_)
        recorder_->setFontSize(points);
}

void Surface::text(QPointF topLeft, const QString& text) {
    draw([=](PainterSurface& s) { s.text(topLeft, text); });
    if (recorder_)
        recorder_->text(topLeft, text);
}

double Surface::textWidth(const QString& text) const {
    // As painter() draws it: the page face in bold on this picture.
    QFont font = pageFont();
    font.setBold(true);
    font.setPointSizeF(state_.fontPoints);
    const double unitsPerPixel =
        (state_.scaleBottomRight.x() - state_.scaleTopLeft.x()) / image_.width();
    return QFontMetricsF(font, &image_).horizontalAdvance(text) * unitsPerPixel;
}

void Surface::setTextPosition(QPointF topLeft) {
    state_.position = topLeft;
    change([=](PainterSurface& s) { s.setTextPosition(topLeft); });
}

void Surface::print(const QString& text) {
    const QPointF at = state_.position;
    // The next position depends on the font as painted: kept steps are drawn first.
    drawPending();
    PainterSurface& s = painter();
    s.print(text);
    state_.position = s.textPosition();
    if (recorder_)
        recorder_->text(at, text);
}

void Surface::setLineWidth(int width) {
    state_.lineWidth = width;
    change([=](PainterSurface& s) { s.setLineWidth(width); });
    if (recorder_)
        recorder_->setLineWidth(width);
}

void Surface::setForeColor(QColor color) {
    state_.foreColor = color;
    change([=](PainterSurface& s) { s.setForeColor(color); });
    if (recorder_)
        recorder_->setForeColor(color);
}

void Surface::setFillColor(QColor color) {
    state_.fillColor = color;
    change([=](PainterSurface& s) { s.setFillColor(color); });
    if (recorder_)
        recorder_->setFillColor(color);
}

void Surface::setFillSolid(bool solid) {
    state_.fillSolid = solid;
    change([=](PainterSurface& s) { s.setFillSolid(solid); });
    if (recorder_)
        recorder_->setFillSolid(solid);
}

void Surface::line(QPointF from, QPointF to) {
    draw([=](PainterSurface& s) { s.line(from, to); });
    if (recorder_)
        recorder_->line(from, to);
}

void Surface::line(QPointF from, QPointF to, QColor color) {
    draw([=](PainterSurface& s) { s.line(from, to, color); });
    if (recorder_)
        recorder_->line(from, to, color);
}

void Surface::box(QPointF corner, QPointF opposite) {
    draw([=](PainterSurface& s) { s.box(corner, opposite); });
    if (recorder_)
        recorder_->box(corner, opposite);
}

void Surface::filledBox(QPointF corner, QPointF opposite, QColor color) {
    draw([=](PainterSurface& s) { s.filledBox(corner, opposite, color); });
    if (recorder_)
        recorder_->filledBox(corner, opposite, color);
}

void Surface::pie(QPointF centre, double radius, double start, double end) {
    draw([=](PainterSurface& s) { s.pie(centre, radius, start, end); });
    if (recorder_)
        recorder_->pie(centre, radius, start, end);
}

} // namespace lukana::platform
