#pragma once
// The recording printer: keeps every drawing call with its arguments in page units, page by
// page, and can be told to fail at a given call, as a printer refusing a page would.
#include "drawing.h"
#include "printer.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace lukana::platform {

enum class PrintOp {
    Scale,
    FontSize,
    Text,
    LineWidth,
    Line,
    Box,
    ForeColor,
    FillColor,
    FillSolid,
    FilledBox,
    Pie,
    Clear
};

struct PrintCall {
    PrintOp op = PrintOp::Text;
    std::vector<double>
        args; // points as x, y pairs; sizes and widths as one number; colours r, g, b
    QString text;
    double width = 0; // of a text: its measured width in user units
    // "text 200,60 本店", "box 40,170 980,370", "width 4", "font 12", "scale 0,0 1020,4800",
    // "line 0,0 2000,0" or with its own colour "line 0,0 2000,0 255,0,0", "fore 0,0,255",
    // "fill 0,255,0", "solid 1", "fillbox 0,20 2000,80 255,0,0", "pie 4400,2800 2100 0 1.5",
    // "clear"
    QString toString() const;
    bool operator==(const PrintCall&) const = default;
};

struct PrintRecording {
    Orientation orientation = Orientation::Portrait;
    QString documentName;
    std::vector<std::vector<PrintCall>> pages{{}};
    int calls = 0; // calls carried out, new pages and the end included
    bool ended = false;
    bool aborted = false;
    int dotsPerInch = 1200; // the printer's resolution, at which texts are measured

    QStringList page(size_t index) const;  // the calls of one page as toString gives them
    QStringList texts(size_t index) const; // only the texts: "200,60 本店"
};

class RecordingPageWriter : public PageWriter {
  public:
    // failAtCall k > 0: the k-th call (counted from 1) fails and nothing after it is drawn.
    explicit RecordingPageWriter(std::shared_ptr<PrintRecording> recording, int failAtCall = 0);

    void setScale(QPointF topLeft, QPointF bottomRight) override;
    void setFontSize(double points) override;
    void text(QPointF topLeft, const QString& text) override;
    // Measured in the printing font as a printer of the recording's resolution would, on the
    // nominal page.
    double textWidth(const QString& text) const override;
    void setTextPosition(QPointF topLeft) override { position_ = topLeft; }
    QPointF textPosition() const override { return position_; }
    // Records a text at the text position; the position then moves down by a nominal line of
    // 1.2 times the font size on a page of 8 × 11 inches (11 × 8 in landscape).
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
    // Screen surfaces only: the image was erased.
    void clear();
    void newPage() override;
    void endDocument() override;
    void abort() override;
    bool failed() const override { return failed_; }
    bool ended() const override { return recording_->ended; }

  private:
    bool proceed(); // counts a call; false when it must not take effect
    void record(PrintOp op, std::vector<double> args, const QString& text = {}, double width = 0);

    std::shared_ptr<PrintRecording> recording_;
    int failAtCall_;
    int attempted_ = 0;
    bool failed_ = false;
    QPointF position_{0, 0};
    QPointF origin_{0, 0};
    double unitsPerTwipX_ = 1;
    double unitsPerTwipY_ = 1;
    double fontPoints_ = 10;
};

} // namespace lukana::platform
