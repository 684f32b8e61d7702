#pragma once
// The drawing model shared by printed pages and on-screen chart surfaces: a user coordinate
// system laid over the drawable area, texts placed by their top-left corner, lines, boxes and
// pie wedges in the colours of the 16-colour palette.
#include <QColor>
#include <QPointF>
#include <QString>

namespace lukana::platform {

// The standard 16-colour palette: 0 black … 9 light blue, 12 light red, 15 white.
// Indexes outside 0..15 give black.
QColor paletteColor(int index);

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // User coordinates: topLeft lands on the area's top-left corner, bottomRight on its
    // bottom-right one. x and y scale independently; a bottom above the top makes y grow upwards.
    virtual void setScale(QPointF topLeft, QPointF bottomRight) = 0;
    // Text size in points, whatever the scale: texts are never stretched.
    virtual void setFontSize(double points) = 0;
    virtual void text(QPointF topLeft, const QString& text) = 0;
    // Width of a text in the current font, in horizontal user units.
    virtual double textWidth(const QString& text) const = 0;
    // The top-left corner of the next printed text.
    virtual void setTextPosition(QPointF topLeft) = 0;
    virtual QPointF textPosition() const = 0;
    // Prints at the text position, then moves the position to the left edge of the user
    // coordinates, one text line of the current font further down.
    virtual void print(const QString& text) = 0;
    // Pen width: pixels on a screen surface; on paper in tenths of a millimetre.
    virtual void setLineWidth(int width) = 0;
    // Colour of texts, outlines and lines drawn without a colour of their own. Starts black.
    virtual void setForeColor(QColor color) = 0;
    // Fill of pie wedges: solid in the fill colour, or none (outline only). Starts with none.
    virtual void setFillColor(QColor color) = 0;
    virtual void setFillSolid(bool solid) = 0;
    virtual void line(QPointF from, QPointF to) = 0;
    virtual void line(QPointF from, QPointF to, QColor color) = 0;
    // The outline of the rectangle between two opposite corners.
    virtual void box(QPointF corner, QPointF opposite) = 0;
    // The rectangle between two opposite corners filled in a colour, its edges included.
    virtual void filledBox(QPointF corner, QPointF opposite, QColor color) = 0;
    // A closed wedge with both radii drawn: radius in horizontal units, so the circle stays round
    // when x and y scale differently; angles in radians counter-clockwise from 3 o'clock as seen.
    virtual void pie(QPointF centre, double radius, double start, double end) = 0;
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
