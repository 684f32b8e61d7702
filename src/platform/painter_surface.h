#pragma once
// The drawing model on a QPainter: user coordinates mapped onto an area of the device, texts
// in the program's Japanese face at their point size.
#include "drawing.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace lukana::platform {

class PainterSurface : public DrawingSurface {
  public:
    // How setLineWidth counts: tenths of a millimetre on paper, device pixels on screen.
    enum class PenUnit { TenthMillimetre, Pixel };

    // area: the drawable area in device coordinates (a printer's printable area).
    PainterSurface(QPainter& painter, QRectF area, PenUnit penUnit = PenUnit::TenthMillimetre);

    void setScale(QPointF topLeft, QPointF bottomRight) override;
    void setFontSize(double points) override;
    void text(QPointF topLeft, const QString& text) override;
    double textWidth(const QString& text) const override;
    void setTextPosition(QPointF topLeft) override { position_ = topLeft; }
    QPointF textPosition() const override { return position_; }
    void print(const QString& text) override;
    void setLineWidth(int width) override;
    void setForeColor(QColor color) override;
    void setFillColor(QColor color) override { fillColor_ = color; }
    void setFillSolid(bool solid) override { fillSolid_ = solid; }
    void line(QPointF from, QPointF to) override;
    void line(QPointF from, QPointF to, QColor color) override;
    void box(QPointF corner, QPointF opposite) override;
    void filledBox(QPointF corner, QPointF opposite, QColor color) override;
    void pie(QPointF centre, double radius, double start, double end) override;

    // The font used for texts (its family may be changed, as for bold chart texts).
    QFont& font();
    QPointF toDevice(QPointF user) const;
    QPointF origin() const { return origin_; }
    // Height of one text line of the current font, in user units (negative when y grows upwards).
    double lineHeight() const;

  private:
    QPainter& painter_;
    QRectF area_;
    PenUnit penUnit_;
    QPointF origin_{0, 0};
    double scaleX_ = 1;
    double scaleY_ = 1;
    QPointF position_{0, 0};
    QFont font_;
    void applyFont() const;
    mutable bool fontApplied_ = false;
    mutable double ascent_ = 0;
    mutable double height_ = 0;
    QColor fillColor_ = Qt::black;
    bool fillSolid_ = false;
    QColor foreColor_ = Qt::black;
    void usePenColor(QColor color);
};

} // namespace lukana::platform
