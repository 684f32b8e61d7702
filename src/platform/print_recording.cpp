#include "print_recording.h"

#include "fonts.h"

#include <QFontMetricsF>
#include <QImage>

#include <cmath>
#include <map>

namespace lukana::platform {

namespace {
QString point(const std::vector<double>& args, size_t i) {
    return QStringLiteral("%1,%2").arg(args[i], 0, 'g', 10).arg(args[i + 1], 0, 'g', 10);
}
QString number(double value) {
    return QString::number(value, 'g', 10);
}
QString colour(const std::vector<double>& args, size_t i) {
    return QStringLiteral("%1,%2,%3")
        .arg(number(args[i]), number(args[i + 1]), number(args[i + 2]));
}
std::vector<double> withColour(std::vector<double> args, QColor color) {
    args.insert(args.end(), {double(color.red()), double(color.green()), double(color.blue())});
    return args;
}
// A paint device of that many dots an inch, as fonts measure on a printer.
const QImage& deviceAt(int dotsPerInch) {
    static std::map<int, QImage> devices;
    auto [at, added] = devices.try_emplace(dotsPerInch, 1, 1, QImage::Format_Mono);
    if (added) {
        const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / 0.0254));
        at->second.setDotsPerMeterX(dotsPerMetre);
        at->second.setDotsPerMeterY(dotsPerMetre);
    }
    return at->second;
}
} // namespace

QString PrintCall::toString() const {
    switch (op) {
    case PrintOp::Scale:
        return QStringLiteral("scale %1 %2").arg(point(args, 0), point(args, 2));
    case PrintOp::FontSize:
        return QStringLiteral("font %1").arg(args[0], 0, 'g', 10);
    case PrintOp::Text:
        return QStringLiteral("text %1 %2").arg(point(args, 0), text);
    case PrintOp::LineWidth:
        return QStringLiteral("width %1").arg(args[0], 0, 'g', 10);
    case PrintOp::Line:
        if (args.size() == 7)
            return QStringLiteral("line %1 %2 %3")
                .arg(point(args, 0), point(args, 2), colour(args, 4));
        return QStringLiteral("line %1 %2").arg(point(args, 0), point(args, 2));
    case PrintOp::Box:
        return QStringLiteral("box %1 %2").arg(point(args, 0), point(args, 2));
    case PrintOp::ForeColor:
        return QStringLiteral("fore %1").arg(colour(args, 0));
    case PrintOp::FillColor:
        return QStringLiteral("fill %1").arg(colour(args, 0));
    case PrintOp::FillSolid:
        return QStringLiteral("solid %1").arg(number(args[0]));
    case PrintOp::FilledBox:
        return QStringLiteral("fillbox %1 %2 %3")
            .arg(point(args, 0), point(args, 2), colour(args, 4));
    case PrintOp::Pie:
        return QStringLiteral("pie %1 %2 %3 %4")
            .arg(point(args, 0), number(args[2]), number(args[3]), number(args[4]));
    case PrintOp::Clear:
        return QStringLiteral("clear");
    }
    return {};
}

QStringList PrintRecording::page(size_t index) const {
    QStringList out;
    if (index < pages.size())
        for (const PrintCall& call : pages[index])
            out << call.toString();
    return out;
}

QStringList PrintRecording::texts(size_t index) const {
    QStringList out;
    if (index < pages.size())
        for (const PrintCall& call : pages[index])
            if (call.op == PrintOp::Text)
                out << QStringLiteral("%1 %2").arg(point(call.args, 0), call.text);
    return out;
}

RecordingPageWriter::RecordingPageWriter(std::shared_ptr<PrintRecording> recording, int failAtCall)
    : recording_(std::move(recording)), failAtCall_(failAtCall) {}

bool RecordingPageWriter::proceed() {
    if (failed_ || recording_->ended || recording_->aborted)
        return false;
    if (++attempted_ == failAtCall_) {
        failed_ = true;
        return false;
    }
    ++recording_->calls;
    return true;
}

void RecordingPageWriter::record(PrintOp op, std::vector<double> args, const QString& text,
                                 double width) {
    if (proceed())
        recording_->pages.back().push_back({op, std::move(args), text, width});
}

void RecordingPageWriter::setScale(QPointF topLeft, QPointF bottomRight) {
    record(PrintOp::Scale, {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()});
    const bool portrait = recording_->orientation == Orientation::Portrait;
    const double pageWidthTwips = (portrait ? 8 : 11) * 1440.0;
    const double pageHeightTwips = (portrait ? 11 : 8) * 1440.0;
    if (bottomRight.y() != topLeft.y() && bottomRight.x() != topLeft.x()) {
        origin_ = topLeft;
        unitsPerTwipX_ = (bottomRight.x() - topLeft.x()) / pageWidthTwips;
        unitsPerTwipY_ = (bottomRight.y() - topLeft.y()) / pageHeightTwips;
    }
}
void RecordingPageWriter::setFontSize(double points) {
    record(PrintOp::FontSize, {points});
    if (points > 0)
        fontPoints_ = points;
}
void RecordingPageWriter::print(const QString& text) {
    this->text(position_, text);
    position_ = QPointF(origin_.x(), position_.y() + fontPoints_ * 1.2 * 20 * unitsPerTwipY_);
}
void RecordingPageWriter::text(QPointF topLeft, const QString& text) {
    record(PrintOp::Text, {topLeft.x(), topLeft.y()}, text, textWidth(text));
}
double RecordingPageWriter::textWidth(const QString& text) const {
    const int dotsPerInch = recording_->dotsPerInch > 0 ? recording_->dotsPerInch : 1200;
    QFont font = pageFont();
    font.setPointSizeF(fontPoints_);
    const double twipsPerDot = 1440.0 / dotsPerInch;
    return QFontMetricsF(font, &deviceAt(dotsPerInch)).horizontalAdvance(text) * twipsPerDot *
           unitsPerTwipX_;
}
void RecordingPageWriter::setLineWidth(int width) {
    record(PrintOp::LineWidth, {double(width)});
}
void RecordingPageWriter::setForeColor(QColor color) {
    record(PrintOp::ForeColor, withColour({}, color));
}
void RecordingPageWriter::setFillColor(QColor color) {
    record(PrintOp::FillColor, withColour({}, color));
}
void RecordingPageWriter::setFillSolid(bool solid) {
    record(PrintOp::FillSolid, {solid ? 1.0 : 0.0});
}
void RecordingPageWriter::line(QPointF from, QPointF to) {
    record(PrintOp::Line, {from.x(), from.y(), to.x(), to.y()});
}
void RecordingPageWriter::line(QPointF from, QPointF to, QColor color) {
    record(PrintOp::Line, withColour({from.x(), from.y(), to.x(), to.y()}, color));
}
void RecordingPageWriter::box(QPointF corner, QPointF opposite) {
    record(PrintOp::Box, {corner.x(), corner.y(), opposite.x(), opposite.y()});
}
void RecordingPageWriter::filledBox(QPointF corner, QPointF opposite, QColor color) {
    record(PrintOp::FilledBox,
           withColour({corner.x(), corner.y(), opposite.x(), opposite.y()}, color));
}
void RecordingPageWriter::pie(QPointF centre, double radius, double start, double end) {
    record(PrintOp::Pie, {centre.x(), centre.y(), radius, start, end});
}
void RecordingPageWriter::clear() {
    record(PrintOp::Clear, {});
}

void RecordingPageWriter::newPage() {
    if (proceed())
        recording_->pages.emplace_back();
}

void RecordingPageWriter::endDocument() {
    if (proceed())
        recording_->ended = true;
}

void RecordingPageWriter::abort() {
    if (!recording_->ended)
        recording_->aborted = true;
}

} // namespace lukana::platform
