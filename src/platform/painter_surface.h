#pragma once
// The drawing model on a QPainter: user coordinates mapped onto an area of the device, texts
// in the program's Japanese face at their point size, line widths in tenths of a millimetre.
#include "drawing.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace lukana::platform {

class PainterSurface : public DrawingSurface {
  public:
    // area: the drawable area in device coordinates (a printer's printable area).
    PainterSurface(QPainter& painter, QRectF area);

    void setScale(QPointF topLeft, QPointF bottomRight) override;
    void setFontSize(double points) override;
    void text(QPointF topLeft, const QString& text) override;
    void setLineWidth(int width) override;
    void line(QPointF from, QPointF to) override;
    void box(QPointF corner, QPointF opposite) override;

    QPointF toDevice(QPointF user) const;

  private:
    QPainter& painter_;
    QRectF area_;
    QPointF origin_{0, 0};
    double scaleX_ = 1;
    double scaleY_ = 1;
    QFont font_;
};

} // namespace lukana::platform
