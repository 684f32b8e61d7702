#include "print_fit.h"

#include "text_fit.h"

namespace lukana::platform {

namespace {

// Measures on the surface; the size measured last stays in force, and the text is drawn in
// its fitted size, after which the column's size is set again.
class SurfaceFit {
  public:
    SurfaceFit(DrawingSurface& surface, double points) : surface_(surface), points_(points) {}

    FittedText fit(const QString& text, double room, TextKeep keep) {
        inForce_ = points_;
        return fitText(text, room, points_, kSmallestPrintPoints, keep,
                       [this](const QString& t, double size) {
                           setSize(size);
                           return surface_.textWidth(t);
                       });
    }

    void draw(double x, double top, const FittedText& fitted) {
        setSize(fitted.points);
        surface_.text({x, top}, fitted.text);
        setSize(points_);
    }

  private:
    void setSize(double size) {
        if (size != inForce_)
            surface_.setFontSize(size);
        inForce_ = size;
    }

    DrawingSurface& surface_;
    double points_;
    double inForce_ = 0;
};

double quarterDigit(const DrawingSurface& surface) {
    return surface.textWidth(QStringLiteral("0")) / 4;
}

} // namespace

void textBeforeNextRule(DrawingSurface& surface, double x, double rule, double top,
                        const QString& text, double points) {
    if (text.isEmpty())
        return;
    const double margin = quarterDigit(surface);
    SurfaceFit fit(surface, points);
    const FittedText fitted = fit.fit(text, rule - margin - x, TextKeep::Start);
    fit.draw(x, top, fitted);
}

void textBetweenRules(DrawingSurface& surface, double leftRule, double rule, double top,
                      const QString& text, double points) {
    if (text.isEmpty())
        return;
    const double margin = quarterDigit(surface);
    SurfaceFit fit(surface, points);
    const FittedText fitted = fit.fit(text, rule - leftRule - 2 * margin, TextKeep::End);
    fit.draw(rule - margin - fitted.width, top, fitted);
}

} // namespace lukana::platform
