#pragma once
// The drawing model shared by printed pages and on-screen chart surfaces: a user coordinate
// system laid over the drawable area, texts placed by their top-left corner, lines and boxes.
#include <QPointF>
#include <QString>

namespace lukana::platform {

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // User coordinates: topLeft lands on the area's top-left corner, bottomRight on its
    // bottom-right one. x and y scale independently; a bottom above the top makes y grow upwards.
    virtual void setScale(QPointF topLeft, QPointF bottomRight) = 0;
    // Text size in points, whatever the scale: texts are never stretched.
    virtual void setFontSize(double points) = 0;
    virtual void text(QPointF topLeft, const QString& text) = 0;
    // Line width in tenths of a millimetre on paper.
    virtual void setLineWidth(int width) = 0;
    virtual void line(QPointF from, QPointF to) = 0;
    // The outline of the rectangle between two opposite corners.
    virtual void box(QPointF corner, QPointF opposite) = 0;
};

// A document being printed. After a failure (the printer refusing a page, the end of the
// document or anything else) every further call is ignored.
class PageWriter : public DrawingSurface {
  public:
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    // Discards the job: nothing half printed stays queued or on disk.
    virtual void abort() = 0;
    virtual bool failed() const = 0;
    virtual bool ended() const = 0;
};

} // namespace lukana::platform
