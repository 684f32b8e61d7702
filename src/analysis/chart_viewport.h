#pragma once
// A chart's viewport: two picture surfaces, the figure alone and the figure with its texts, the
// texts surface lying over the other, and a scroll bar that moves the texts surface in steps of
// 100 twips. The scroll bar changes on release, not while its thumb is dragged.
#include <QWidget>

namespace lukana::platform {
class ScrollBar;
class Surface;
} // namespace lukana::platform

namespace lukana {

class ChartViewport : public QWidget {
  public:
    // Places in twips, relative to the viewport.
    struct Layout {
        Qt::Orientation scrolling;
        QSize size;
        QRect figure;
        QRect texts;
        QRect scrollBar;
    };
    // The ranking chart: 7845 × 5145 twips, scrolled up and down.
    static Layout rankingLayout();
    // The line chart: 11835 twips of its surfaces' width, scrolled sideways.
    static Layout lineLayout();

    explicit ChartViewport(const Layout& layout, QWidget* parent = nullptr);

    platform::Surface& figure() const { return *figure_; }
    platform::Surface& texts() const { return *texts_; }
    platform::ScrollBar& scrollBar() const { return *scrollBar_; }

    // A new maximum keeps the value where it still fits, else moves it to the maximum.
    void setScrollMaximum(int steps);
    // Erases both pictures; the scroll range stays.
    void clear();

  private:
    void scrolled();

    Qt::Orientation scrolling_;
    platform::Surface* figure_;
    platform::Surface* texts_;
    platform::ScrollBar* scrollBar_;
};

// Puts the whole picture of a surface on the clipboard, the parts out of sight included.
void copyToClipboard(platform::Surface& surface);

} // namespace lukana
