#include "chart_viewport.h"

#include "platform/controls.h"
#include "platform/surface.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lukana {
namespace {

constexpr int kTwips = platform::Surface::kTwipsPerPixel;
constexpr int kStepTwips = 100;

QRect pixels(const QRect& twips) {
    return {twips.x() / kTwips, twips.y() / kTwips, twips.width() / kTwips,
            twips.height() / kTwips};
}

void place(platform::Surface& surface, const QRect& twips) {
    surface.setLeftTwips(twips.x());
    surface.setTopTwips(twips.y());
    surface.setWidthTwips(twips.width());
    surface.setHeightTwips(twips.height());
}

} // namespace

ChartViewport::Layout ChartViewport::rankingLayout() {
    return {Qt::Vertical, QSize(7845, 5145), QRect(120, 0, 7395, 5085), QRect(0, 0, 7545, 5085),
            QRect(7530, 0, 255, 5085)};
}

ChartViewport::Layout ChartViewport::lineLayout() {
    return {Qt::Horizontal, QSize(11835, 2250), QRect(0, 0, 11835, 1995), QRect(0, 0, 11835, 1995),
            QRect(0, 1995, 11835, 255)};
}

ChartViewport::ChartViewport(const Layout& layout, QWidget* parent)
    : QWidget(parent), scrolling_(layout.scrolling), figure_(new platform::Surface(this)),
      texts_(new platform::Surface(this)),
      scrollBar_(new platform::ScrollBar(layout.scrolling, this)) {
    setFixedSize(layout.size / kTwips);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    // The figure alone lies under the figure with its texts: it is seen only when copied.
    figure_->setDrawnOnDemand(true);
    place(*figure_, layout.figure);
    place(*texts_, layout.texts);
    scrollBar_->setGeometry(pixels(layout.scrollBar));
    scrollBar_->setRange(0, 0);
    scrollBar_->setSingleStep(1);
    scrollBar_->setPageStep(1);
    scrollBar_->setTracking(false);
    scrollBar_->onChange([this] { scrolled(); });
    texts_->raise();
    scrollBar_->raise();
}

void ChartViewport::setScrollMaximum(int steps) {
    scrollBar_->setMaximum(std::max(0, steps));
}

void ChartViewport::clear() {
    figure_->clear();
    texts_->clear();
}

void ChartViewport::scrolled() {
    const int offset = -kStepTwips * scrollBar_->value();
    if (scrolling_ == Qt::Vertical)
        texts_->setTopTwips(offset);
    else
        texts_->setLeftTwips(offset);
}

void copyToClipboard(platform::Surface& surface) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(surface.image());
}

} // namespace lukana
