#pragma once
// A picture surface of a window: a white picture that keeps what is drawn on it, also where the
// window does not show it, in user coordinates over its whole size. Place and size in twips
// (15 a pixel), as the window layouts give them.
#include "drawing.h"
#include "painter_surface.h"
#include "print_recording.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace lukana::platform {

class Surface : public QWidget, public DrawingSurface {
  public:
    static constexpr int kTwipsPerPixel = 15;

    explicit Surface(QWidget* parent = nullptr);
    ~Surface() override;

    // Place in the parent and size, in twips. A new size gives a new, white picture; the user
    // coordinates keep their extents over it.
    void setLeftTwips(int twips);
    void setTopTwips(int twips);
    void setWidthTwips(int twips);
    void setHeightTwips(int twips);
    int leftTwips() const { return left_; }
    int topTwips() const { return top_; }
    int widthTwips() const { return width_; }
    int heightTwips() const { return height_; }

    // User coordinates by left, top, width and height: a negative height makes y grow upwards.
    void setScaleBy(double left, double top, double width, double height);
    // Erases the picture; the text position goes to the top-left corner.
    void clear();
    // Shows the picture as it is now.
    void refresh();
    // The whole picture, also the parts scrolled out of sight.
    QImage image();

    // Tests: every call also goes to the recording, texts with the point they were drawn at.
    void setRecording(std::shared_ptr<PrintRecording> recording);

    // For a picture that is seldom looked at: its drawing waits, kept as steps, until the
    // picture is taken or painted, so that drawing it again and again costs little.
    void setDrawnOnDemand(bool onDemand);

    void setScale(QPointF topLeft, QPointF bottomRight) override;
    void setFontSize(double points) override;
    void text(QPointF topLeft, const QString& text) override;
    double textWidth(const QString& text) const override;
    void setTextPosition(QPointF topLeft) override;
    QPointF textPosition() const override { return state_.position; }
    void print(const QString& text) override;
    void setLineWidth(int width) override;
    void setForeColor(QColor color) override;
    void setFillColor(QColor color) override;
    void setFillSolid(bool solid) override;
    void line(QPointF from, QPointF to) override;
    void line(QPointF from, QPointF to, QColor color) override;
    void box(QPointF corner, QPointF opposite) override;
    void filledBox(QPointF corner, QPointF opposite, QColor color) override;
    void pie(QPointF centre, double radius, double start, double end) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // What the drawing calls leave behind for the next ones.
    struct DrawingState {
        QPointF scaleTopLeft{0, 0};
        QPointF scaleBottomRight{0, 0}; // the picture's size in twips until a scale is set
        double fontPoints = 9;
        QColor foreColor = Qt::black;
        int lineWidth = 1;
        QColor fillColor = Qt::black;
        bool fillSolid = false;
        QPointF position{0, 0};
    };
    using Step = std::function<void(PainterSurface&)>;

    PainterSurface& painter(); // begins painting on the picture with the current state
    void beginPainting(const DrawingState& state);
    void endPainting();
    // Draws now, or keeps the step for later on a surface drawn on demand.
    template <typename F> void draw(F&& step);
    // Hands a change of the drawing state to the painting under way or to the kept steps.
    template <typename F> void change(F&& step);
    void drawPending(); // erases the picture if it waits for that, then draws the kept steps
    void erase();
    void resizePicture();
    void place();

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    QImage image_;
    std::unique_ptr<QPainter> qpainter_;
    std::optional<PainterSurface> surface_;
    std::unique_ptr<RecordingPageWriter> recorder_;

    // The drawing state, kept here so that it survives a new picture or a pause in painting.
    DrawingState state_;
    bool userScale_ = false;

    bool onDemand_ = false;
    bool blank_ = false;        // the picture waits to be erased
    std::vector<Step> pending_; // kept steps, to be drawn from pendingFrom_
    DrawingState pendingFrom_;
};

} // namespace lukana::platform
