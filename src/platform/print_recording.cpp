#include "print_recording.h"

namespace lukana::platform {

namespace {
QString point(const std::vector<double>& args, size_t i) {
    return QStringLiteral("%1,%2").arg(args[i], 0, 'g', 10).arg(args[i + 1], 0, 'g', 10);
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
        return QStringLiteral("line %1 %2").arg(point(args, 0), point(args, 2));
    case PrintOp::Box:
        return QStringLiteral("box %1 %2").arg(point(args, 0), point(args, 2));
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

void RecordingPageWriter::record(PrintOp op, std::vector<double> args, const QString& text) {
    if (proceed())
        recording_->pages.back().push_back({op, std::move(args), text});
}

void RecordingPageWriter::setScale(QPointF topLeft, QPointF bottomRight) {
    record(PrintOp::Scale, {topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y()});
}
void RecordingPageWriter::setFontSize(double points) {
    record(PrintOp::FontSize, {points});
}
void RecordingPageWriter::text(QPointF topLeft, const QString& text) {
    record(PrintOp::Text, {topLeft.x(), topLeft.y()}, text);
}
void RecordingPageWriter::setLineWidth(int width) {
    record(PrintOp::LineWidth, {double(width)});
}
void RecordingPageWriter::line(QPointF from, QPointF to) {
    record(PrintOp::Line, {from.x(), from.y(), to.x(), to.y()});
}
void RecordingPageWriter::box(QPointF corner, QPointF opposite) {
    record(PrintOp::Box, {corner.x(), corner.y(), opposite.x(), opposite.y()});
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
