#include "printer.h"

#include "dialogs.h"
#include "file_names.h"
#include "message_box.h"
#include "painter_surface.h"
#include "storage/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <optional>
#include <sys/stat.h>

namespace lukana::platform {

namespace {

PrintoutHook& printoutHook() {
    static PrintoutHook h;
    return h;
}

// A document on a QPrinter. A PDF goes to a temporary file beside its target and takes the
// target's name only once the document is complete.
class PrinterPageWriter : public PageWriter {
  public:
    PrinterPageWriter(std::unique_ptr<QPrinter> printer, QString pdfTarget, QString pdfTemp)
        : printer_(std::move(printer)), pdfTarget_(std::move(pdfTarget)),
          pdfTemp_(std::move(pdfTemp)) {
        if (!painter_.begin(printer_.get())) {
            failed_ = true;
            return;
        }
        surface_.emplace(painter_, QRectF(0, 0, printer_->width(), printer_->height()));
    }
    ~PrinterPageWriter() override {
        if (!ended_)
            abort();
    }

    void setScale(QPointF topLeft, QPointF bottomRight) override {
        draw([&](PainterSurface& s) { s.setScale(topLeft, bottomRight); });
    }
    void setFontSize(double points) override {
        draw([&](PainterSurface& s) { s.setFontSize(points); });
    }
    void text(QPointF topLeft, const QString& text) override {
        draw([&](PainterSurface& s) { s.text(topLeft, text); });
    }
    double textWidth(const QString& text) const override {
        return surface_ ? surface_->textWidth(text) : 0;
    }
    void setTextPosition(QPointF topLeft) override {
        draw([&](PainterSurface& s) { s.setTextPosition(topLeft); });
    }
    QPointF textPosition() const override {
        return surface_ ? surface_->textPosition() : QPointF();
    }
    void print(const QString& text) override {
        draw([&](PainterSurface& s) { s.print(text); });
    }
    void setLineWidth(int width) override {
        draw([&](PainterSurface& s) { s.setLineWidth(width); });
    }
    void setForeColor(QColor color) override {
        draw([&](PainterSurface& s) { s.setForeColor(color); });
    }
    void setFillColor(QColor color) override {
        draw([&](PainterSurface& s) { s.setFillColor(color); });
    }
    void setFillSolid(bool solid) override {
        draw([&](PainterSurface& s) { s.setFillSolid(solid); });
    }
    void line(QPointF from, QPointF to) override {
        draw([&](PainterSurface& s) { s.line(from, to); });
    }
    void line(QPointF from, QPointF to, QColor color) override {
        draw([&](PainterSurface& s) { s.line(from, to, color); });
    }
    void box(QPointF corner, QPointF opposite) override {
        draw([&](PainterSurface& s) { s.box(corner, opposite); });
    }
    void filledBox(QPointF corner, QPointF opposite, QColor color) override {
        draw([&](PainterSurface& s) { s.filledBox(corner, opposite, color); });
    }
    void pie(QPointF centre, double radius, double start, double end) override {
        draw([&](PainterSurface& s) { s.pie(centre, radius, start, end); });
    }
    void newPage() override {
        if (ready() && !printer_->newPage())
            failed_ = true;
        check();
    }
    void endDocument() override {
        if (!ready())
            return;
        check();
        if (failed_)
            return;
        if (!painter_.end() || printer_->printerState() == QPrinter::Error) {
            failed_ = true;
            return;
        }
        if (!pdfTemp_.isEmpty() && !replaceTarget()) {
            failed_ = true;
            return;
        }
        ended_ = true;
    }
    void abort() override {
        if (ended_ || aborted_)
            return;
        aborted_ = true;
        printer_->abort();
        if (painter_.isActive())
            painter_.end();
        if (!pdfTemp_.isEmpty())
            QFile::remove(pdfTemp_);
    }
    bool failed() const override { return failed_; }
    bool ended() const override { return ended_; }

  private:
    bool ready() const { return !failed_ && !ended_ && !aborted_; }
    template <class Draw> void draw(Draw draw) {
        if (ready())
            draw(*surface_);
        check();
    }
    void check() {
        if (!ended_ && printer_->printerState() == QPrinter::Error)
            failed_ = true;
    }
    // The temporary file is the owner's alone; the PDF gets the mode every written file gets.
    bool replaceTarget() {
        const QByteArray temp = QFile::encodeName(pdfTemp_);
        const QByteArray target = QFile::encodeName(pdfTarget_);
        ::chmod(temp.constData(), fileModeFor(target.toStdString()));
        if (std::rename(temp.constData(), target.constData()) == 0)
            return true;
        QFile::remove(pdfTemp_);
        return false;
    }

    std::unique_ptr<QPrinter> printer_;
    QString pdfTarget_;
    QString pdfTemp_;
    QPainter painter_;
    std::optional<PainterSurface> surface_;
    bool failed_ = false;
    bool ended_ = false;
    bool aborted_ = false;
};

// A fresh, unused name beside the target, so that a half-written PDF never bears its name.
QString temporaryBeside(const QString& target) {
    QTemporaryFile file(target + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    if (!file.open())
        return {};
    return file.fileName();
}

// The print dialog offers the document's name in the folder last used for PDF files, should the
// user print to a file; the printer it starts on stays the default one.
void proposeFile(QPrinter& printer, const QString& documentName) {
    const QString name = fileNameFrom({documentName});
    if (name.isEmpty())
        return;
    printer.setOutputFileName(
        QDir(lastFolder(FileKind::Pdf)).filePath(name + QStringLiteral(".pdf")));
    printer.setOutputFormat(QPrinter::NativeFormat); // stays PDF when there is no printer
}

} // namespace

void setPrintoutHook(PrintoutHook hook) {
    printoutHook() = std::move(hook);
}

Printout startPrintout(Orientation orientation, const QString& documentName) {
    if (printoutHook())
        return printoutHook()(orientation, documentName);
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(orientation == Orientation::Portrait ? QPageLayout::Portrait
                                                                     : QPageLayout::Landscape);
    printer->setDocName(documentName);
    proposeFile(*printer, documentName);
    if (!choosePrinter(*printer))
        return {Printout::Status::Cancelled, nullptr};
    if (printer->outputFormat() != QPrinter::PdfFormat)
        printer->setOutputFileName(QString()); // a printer was chosen: no file
    QString target;
    QString temp;
    if (printer->outputFormat() == QPrinter::PdfFormat) {
        target = printer->outputFileName();
        // A file without a name is what the platform falls back to with no printer at all.
        if (target.isEmpty())
            return {Printout::Status::NoPrinter, nullptr};
        rememberFolder(FileKind::Pdf, target);
        temp = temporaryBeside(target);
        if (temp.isEmpty())
            return {Printout::Status::Failed, nullptr};
        printer->setOutputFileName(temp);
    } else if (!printer->isValid()) {
        const bool none = QPrinterInfo::availablePrinterNames().isEmpty();
        return {none ? Printout::Status::NoPrinter : Printout::Status::Failed, nullptr};
    }
    return {Printout::Status::Ready,
            std::make_unique<PrinterPageWriter>(std::move(printer), target, temp)};
}

bool printoutStarted(const Printout& printout, const QString& failureMessage) {
    if (printout.status == Printout::Status::Ready)
        return true;
    if (printout.status != Printout::Status::Cancelled)
        msgBox(failureMessage, Buttons::Ok);
    return false;
}

bool finishPrintout(PageWriter& writer, const QString& failureMessage) {
    if (!writer.failed() && !writer.ended())
        writer.endDocument();
    if (!writer.failed())
        return true;
    msgBox(failureMessage);
    writer.abort();
    return false;
}

bool runPrintout(Orientation orientation, const QString& documentName,
                 const std::function<void(PageWriter&)>& draw, const PrintoutOptions& options) {
    Printout printout = startPrintout(orientation, documentName);
    if (options.silentWithoutPrinter && printout.status == Printout::Status::NoPrinter)
        return false;
    if (!printoutStarted(printout, options.failureMessage))
        return false;
    draw(*printout.writer);
    return finishPrintout(*printout.writer, options.failureMessage);
}

} // namespace lukana::platform
