#include "platform/dialogs.h"
#include "platform/painter_surface.h"
#include "platform/print_fit.h"
#include "platform/print_recording.h"
#include "platform/printer.h"
#include "support/files.h"
#include "support/pdf_choice.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

#include <filesystem>

#include <gtest/gtest.h>

using namespace lukana::platform;

namespace {

const QString kNoPrinter = QStringLiteral("プリンターが接続されていません");

// Two pages: a font, a box and a text on the first, a line on the second.
void drawTwoPages(PageWriter& writer) {
    writer.setScale({0, 0}, {1020, 4800});
    writer.setFontSize(12);
    writer.setLineWidth(4);
    writer.box({40, 170}, {980, 370});
    writer.text({200, 60}, QStringLiteral("本店の詳細日報"));
    writer.newPage();
    writer.setLineWidth(1);
    writer.line({40, 470}, {980, 470});
}

} // namespace

TEST(Printer, CancelAndUnavailablePrinterDrawNothing) {
    TestScript script;
    script.printer(false).printerUnavailable().noPrinter();
    Printout cancelled = startPrintout(Orientation::Portrait, QStringLiteral("doc"));
    EXPECT_EQ(cancelled.status, Printout::Status::Cancelled);
    EXPECT_EQ(cancelled.writer, nullptr);
    Printout failed = startPrintout(Orientation::Portrait, QStringLiteral("doc"));
    EXPECT_EQ(failed.status, Printout::Status::Failed);
    EXPECT_EQ(failed.writer, nullptr);
    Printout none = startPrintout(Orientation::Portrait, QStringLiteral("doc"));
    EXPECT_EQ(none.status, Printout::Status::NoPrinter);
    EXPECT_EQ(none.writer, nullptr);
    EXPECT_TRUE(script.printouts().empty());
    EXPECT_TRUE(script.boxes().empty());
}

TEST(Printer, RecordsEveryCallPageByPage) {
    TestScript script;
    script.printer(true);
    Printout printout = startPrintout(Orientation::Landscape, QStringLiteral("日報"));
    ASSERT_EQ(printout.status, Printout::Status::Ready);
    drawTwoPages(*printout.writer);
    EXPECT_TRUE(finishPrintout(*printout.writer, kNoPrinter));

    ASSERT_EQ(script.printouts().size(), 1u);
    const PrintRecording rec = script.printouts()[0];
    EXPECT_EQ(rec.orientation, Orientation::Landscape);
    EXPECT_EQ(rec.documentName, "日報");
    ASSERT_EQ(rec.pages.size(), 2u);
    EXPECT_EQ(rec.page(0), (QStringList{"scale 0,0 1020,4800", "font 12", "width 4",
                                        "box 40,170 980,370", "text 200,60 本店の詳細日報"}));
    EXPECT_EQ(rec.page(1), (QStringList{"width 1", "line 40,470 980,470"}));
    EXPECT_EQ(rec.texts(0), QStringList{"200,60 本店の詳細日報"});
    EXPECT_EQ(rec.calls, 9); // seven drawing calls, the new page and the end
    EXPECT_TRUE(rec.ended);
    EXPECT_FALSE(rec.aborted);
    EXPECT_TRUE(script.boxes().empty());
}

TEST(Printer, FailureAtAnyCallShowsOneMessageAndAbortsWithNothingDrawnAfter) {
    // Calls: scale 1, font 2, width 3, box 4, text 5, new page 6, width 7, line 8, end 9.
    for (int k : {1, 4, 6, 7, 9}) {
        SCOPED_TRACE(k);
        TestScript script;
        script.printer(true, k).answer(Answer::Ok);
        Printout printout = startPrintout(Orientation::Portrait, QStringLiteral("doc"));
        ASSERT_EQ(printout.status, Printout::Status::Ready);
        drawTwoPages(*printout.writer);
        EXPECT_EQ(printout.writer->failed(), k < 9);
        EXPECT_FALSE(finishPrintout(*printout.writer, kNoPrinter));

        const PrintRecording rec = script.printouts()[0];
        EXPECT_EQ(rec.calls, k - 1);
        EXPECT_EQ(rec.pages.size(), k > 6 ? 2u : 1u);
        EXPECT_FALSE(rec.ended);
        EXPECT_TRUE(rec.aborted);
        ASSERT_EQ(script.boxes().size(), 1u);
        EXPECT_EQ(script.boxes()[0].text, kNoPrinter);
        EXPECT_EQ(script.boxes()[0].buttons, Buttons::Ok);
        EXPECT_EQ(script.boxes()[0].title, kAppTitle);
    }
}

namespace {
// The bounding box of the dark pixels of an image.
QRect inkOf(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QImage blankImage() {
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
} // namespace

TEST(PainterSurface, UserCornersLandOnTheAreaCornersWithIndependentAxes) {
    struct Case {
        QPointF topLeft, bottomRight; // the scale
        QPointF from, to;             // a box in user units
        QRect expected;               // its ink in device pixels
    };
    const QRectF area(50, 40, 300, 200);
    const Case cases[] = {
        {{0, 0}, {1020, 4800}, {0, 0}, {1020, 4800}, QRect(50, 40, 300, 200)},
        {{0, 0}, {1020, 4800}, {510, 2400}, {1020, 4800}, QRect(200, 140, 150, 100)},
        // y growing upwards: the bottom-left quarter
        {{0, 100}, {100, 0}, {0, 0}, {50, 50}, QRect(50, 140, 150, 100)},
    };
    for (const Case& c : cases) {
        QImage image = blankImage();
        {
            QPainter painter(&image);
            PainterSurface surface(painter, area);
            surface.setScale(c.topLeft, c.bottomRight);
            surface.setLineWidth(1);
            surface.box(c.from, c.to);
        }
        const QRect ink = inkOf(image);
        EXPECT_NEAR(ink.left(), c.expected.left(), 1);
        EXPECT_NEAR(ink.top(), c.expected.top(), 1);
        EXPECT_NEAR(ink.right(), c.expected.right() + 1, 1);
        EXPECT_NEAR(ink.bottom(), c.expected.bottom() + 1, 1);
    }
}

TEST(PainterSurface, TextHangsFromItsTopLeftCornerAndIsNeverStretched) {
    QRect inks[2];
    const QPointF scales[2] = {{1020, 4800}, {100, 100}};
    for (int i = 0; i < 2; ++i) {
        QImage image = blankImage();
        {
            QPainter painter(&image);
            PainterSurface surface(painter, QRectF(0, 0, 400, 300));
            surface.setScale({0, 0}, scales[i]);
            surface.setFontSize(20);
            surface.text({scales[i].x() / 4, scales[i].y() / 3}, QStringLiteral("日"));
        }
        inks[i] = inkOf(image);
        EXPECT_GE(inks[i].left(), 100);
        EXPECT_LE(inks[i].left(), 106);
        EXPECT_GE(inks[i].top(), 100);
        EXPECT_LE(inks[i].top(), 112);
    }
    EXPECT_EQ(inks[0].size(), inks[1].size());
    EXPECT_GT(inks[0].height(), 12);
}

namespace {
int pdfPages(const std::string& bytes) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(bytes).count(page));
}

std::vector<std::string> filesIn(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    return names;
}

} // namespace

TEST(Printer, NoTargetAtAllIsNoPrinterAndAnUnwritableFileIsAFailure) {
    TempDir dir;
    const struct {
        const char* what;
        std::string pdf;
        Printout::Status status;
    } cases[] = {
        {"a file without a name", "", Printout::Status::NoPrinter},
        {"a file in a missing folder", (dir.path() / "none" / "a.pdf").string(),
         Printout::Status::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        setPrinterHook([&](QPrinter& printer) {
            printer.setOutputFileName(QString::fromStdString(c.pdf));
            printer.setOutputFormat(QPrinter::PdfFormat);
            return true;
        });
        Printout printout = startPrintout(Orientation::Portrait, QStringLiteral("doc"));
        EXPECT_EQ(printout.status, c.status);
        EXPECT_EQ(printout.writer, nullptr);
    }
    setPrinterHook({});
    EXPECT_TRUE(filesIn(dir).empty());
}

TEST(Printer, OnlyAStartedPrintoutDrawsAndOnlyACancelIsSilent) {
    const struct {
        Printout::Status status;
        bool started, told;
    } cases[] = {{Printout::Status::Cancelled, false, false},
                 {Printout::Status::NoPrinter, false, true},
                 {Printout::Status::Failed, false, true},
                 {Printout::Status::Ready, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.status));
        TestScript script;
        if (c.told)
            script.answer(Answer::Ok);
        EXPECT_EQ(printoutStarted({c.status, nullptr}, kNoPrinter), c.started);
        ASSERT_EQ(script.boxes().size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_EQ(script.boxes()[0].text, kNoPrinter);
            EXPECT_EQ(script.boxes()[0].buttons, Buttons::Ok);
        }
    }
}

TEST(Printer, RunPrintoutDrawsOnlyAStartedPrintoutAndTellsEachFailureOnce) {
    enum Choice { Cancel, Unavailable, None, Chosen, FailingAtFirstCall };
    const struct {
        const char* what;
        Choice choice;
        bool silentWithoutPrinter;
        bool drawn, told, printed;
    } cases[] = {
        {"cancel", Cancel, false, false, false, false},
        {"unavailable printer", Unavailable, false, false, true, false},
        {"unavailable printer, silent without printer", Unavailable, true, false, true, false},
        {"no printer at all", None, false, false, true, false},
        {"no printer at all, silent without printer", None, true, false, false, false},
        {"printed", Chosen, false, true, false, true},
        {"failure while drawing", FailingAtFirstCall, false, true, true, false},
    };
    const QString message = QStringLiteral("失敗");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestScript script;
        switch (c.choice) {
        case Cancel:
            script.printer(false);
            break;
        case Unavailable:
            script.printerUnavailable();
            break;
        case None:
            script.noPrinter();
            break;
        case Chosen:
            script.printer(true);
            break;
        case FailingAtFirstCall:
            script.printer(true, 1);
            break;
        }
        if (c.told)
            script.answer(Answer::Ok);
        bool drawn = false;
        const bool printed = runPrintout(
            Orientation::Portrait, QStringLiteral("doc"),
            [&](PageWriter& writer) {
                drawn = true;
                drawTwoPages(writer);
            },
            {.failureMessage = message, .silentWithoutPrinter = c.silentWithoutPrinter});
        EXPECT_EQ(drawn, c.drawn);
        EXPECT_EQ(printed, c.printed);
        ASSERT_EQ(script.boxes().size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_EQ(script.boxes()[0].text, message);
        }
    }
}

TEST(Printer, PrintToFileWritesThePdfOnlyWhenTheDocumentIsComplete) {
    TempDir dir;
    const std::string path = (dir.path() / "slips.pdf").string();
    PdfChoice choice(path);
    Printout printout = startPrintout(Orientation::Portrait, QStringLiteral("doc"));
    ASSERT_EQ(printout.status, Printout::Status::Ready);
    drawTwoPages(*printout.writer);
    EXPECT_FALSE(std::filesystem::exists(path)); // still unfinished
    EXPECT_TRUE(finishPrintout(*printout.writer, kNoPrinter));

    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_EQ(pdfPages(bytes), 2);
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"slips.pdf"});
}

TEST(Printer, AbortedPdfLeavesNoFileAndKeepsAnOlderOne) {
    for (bool older : {false, true}) {
        SCOPED_TRACE(older);
        TempDir dir;
        const std::string path = (dir.path() / "slips.pdf").string();
        if (older)
            writeBytes(path, "older");
        PdfChoice choice(path);
        Printout printout = startPrintout(Orientation::Portrait, QStringLiteral("doc"));
        ASSERT_EQ(printout.status, Printout::Status::Ready);
        drawTwoPages(*printout.writer);
        printout.writer->abort();
        printout.writer->text({0, 0}, QStringLiteral("after"));
        printout.writer->endDocument();
        EXPECT_FALSE(printout.writer->ended());
        if (older) {
            EXPECT_EQ(readBytes(path), "older");
        }
        EXPECT_EQ(filesIn(dir).size(), older ? 1u : 0u);
    }
}

TEST(Printer, APdfGetsTheUsualModeAndOneWrittenOverKeepsItsOwn) {
    const struct {
        const char* what;
        int older; // mode of the file written over; 0: none
        int mode;
    } cases[] = {{"new file", 0, 0644}, {"written over", 0640, 0640}};
    UmaskGuard mask(022);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = (dir.path() / "slips.pdf").string();
        if (c.older) {
            writeBytes(path, "older");
            ::chmod(path.c_str(), mode_t(c.older));
        }
        PdfChoice choice(path);
        Printout printout = startPrintout(Orientation::Portrait, QStringLiteral("doc"));
        ASSERT_EQ(printout.status, Printout::Status::Ready);
        drawTwoPages(*printout.writer);
        ASSERT_TRUE(finishPrintout(*printout.writer, kNoPrinter));
        EXPECT_EQ(readBytes(path).substr(0, 5), "%PDF-");
        EXPECT_EQ(modeOf(path), c.mode);
    }
}

TEST(PainterSurface, PieRunsCounterClockwiseAsSeenAndStaysRoundOnANonSquareScale) {
    QImage image = blankImage();
    {
        QPainter painter(&image);
        PainterSurface surface(painter, QRectF(0, 0, 400, 300), PainterSurface::PenUnit::Pixel);
        surface.setScale({0, 0}, {200, 300}); // x units twice as wide as y units
        surface.setFillSolid(true);
        surface.setFillColor(paletteColor(9));
        surface.pie({100, 150}, 50, 1e-10, 3.1415 / 2); // the up-right quarter on screen
        surface.setFillColor(paletteColor(10));
        surface.pie({100, 150}, 50, 3.1415, 3.1415 * 1.5); // the down-left quarter
    }
    // centre (200, 150) px, radius 100 px
    EXPECT_EQ(image.pixelColor(250, 100), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(150, 200), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(150, 100), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(202, 55), QColor(Qt::white)); // 95 px straight up: inside
    EXPECT_EQ(image.pixelColor(202, 45), QColor(Qt::white)); // 105 px: outside
}

TEST(PainterSurface, FilledBoxCoversBothCornersAndPrintMovesOneLineDownToTheLeftEdge) {
    QImage image = blankImage();
    QPointF after;
    double line = 0;
    {
        QPainter painter(&image);
        PainterSurface surface(painter, QRectF(0, 0, 400, 300), PainterSurface::PenUnit::Pixel);
        surface.setScale({-100, 300}, {300, 0}); // y up
        surface.filledBox({0, 300}, {9, 291}, paletteColor(12));
        surface.setTextPosition({50, 200});
        surface.print(QStringLiteral("日"));
        after = surface.textPosition();
        line = surface.lineHeight();
    }
    EXPECT_EQ(image.pixelColor(100, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(109, 9), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(110, 10), QColor(Qt::white));
    EXPECT_LT(line, 0);
    EXPECT_DOUBLE_EQ(after.x(), -100);
    EXPECT_DOUBLE_EQ(after.y(), 200 + line);
}

TEST(Printer, RecordsColoursFillsWedgesAndPrintedLines) {
    auto rec = std::make_shared<PrintRecording>();
    RecordingPageWriter writer(rec);
    writer.setScale({0, 0}, {2200, 3900});
    writer.setForeColor(paletteColor(9));
    writer.line({0, 0}, {2000, 0}, paletteColor(12));
    writer.setFillSolid(true);
    writer.setFillColor(paletteColor(10));
    writer.pie({1100, 1000}, 600, 0, 1.5);
    writer.filledBox({20, 330}, {80, 360}, paletteColor(9));
    writer.setFontSize(10);
    writer.setTextPosition({100, 335});
    writer.print(QStringLiteral("9時; 30"));
    writer.print(QStringLiteral("次"));
    writer.clear();
    const double line = 10 * 1.2 * 20 * 3900 / (11 * 1440.0);
    EXPECT_EQ(rec->page(0), (QStringList{
                                "scale 0,0 2200,3900",
                                "fore 0,0,255",
                                "line 0,0 2000,0 255,0,0",
                                "solid 1",
                                "fill 0,255,0",
                                "pie 1100,1000 600 0 1.5",
                                "fillbox 20,330 80,360 0,0,255",
                                "font 10",
                                "text 100,335 9時; 30",
                                QStringLiteral("text 0,%1 次").arg(335 + line, 0, 'g', 10),
                                "clear",
                            }));
}

TEST(PainterSurface, AFittedFigureEndsJustInsideItsRuleWhateverItsWidth) {
    // Two user units a pixel; the rule at 600 units is pixel 300.
    for (const char* text : {"0", "-¥99,999,999", "金額計", "@1,666.6"}) {
        SCOPED_TRACE(text);
        QImage image = blankImage();
        double digitPixels = 0;
        {
            QPainter painter(&image);
            PainterSurface surface(painter, QRectF(0, 0, 400, 300));
            surface.setScale({0, 0}, {800, 600});
            surface.setFontSize(10);
            textBetweenRules(surface, 0, 600, 100, QString::fromUtf8(text), 10);
            digitPixels = surface.textWidth(QStringLiteral("0")) / 2;
        }
        const QRect ink = inkOf(image);
        EXPECT_LT(ink.right(), 300);
        EXPECT_GE(ink.right(), 300 - digitPixels);
    }
}

TEST(Printer, TheRecordingMeasuresTextsAsA1200DotPrinterOnItsNominalPage) {
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(47244);
    device.setDotsPerMeterY(47244);
    QPainter painter(&device);
    for (Orientation orientation : {Orientation::Portrait, Orientation::Landscape}) {
        const bool portrait = orientation == Orientation::Portrait;
        PainterSurface paper(painter, QRectF(0, 0, (portrait ? 8 : 11) * 1200, 1000));
        auto recording = std::make_shared<PrintRecording>();
        recording->orientation = orientation;
        RecordingPageWriter recorder(recording);
        for (DrawingSurface* surface :
             {static_cast<DrawingSurface*>(&paper), static_cast<DrawingSurface*>(&recorder)}) {
            surface->setScale({0, 0}, {3200, 4000});
            surface->setFontSize(9);
        }
        for (const QString& text : {QStringLiteral("-¥99,999,999"), QStringLiteral("金額計")}) {
            EXPECT_GT(recorder.textWidth(text), 0);
            EXPECT_NEAR(recorder.textWidth(text), paper.textWidth(text), 1e-9);
        }
        recorder.text({10, 20}, QStringLiteral("本店"));
        EXPECT_DOUBLE_EQ(recording->pages[0].back().width, paper.textWidth(QStringLiteral("本店")));
    }
}

TEST(Printer, PdfTextsAreInTheJapanesePageFace) {
    TempDir dir;
    const std::string path = (dir.path() / "list.pdf").string();
    PdfChoice choice(path);
    Printout printout = startPrintout(Orientation::Landscape, QStringLiteral("doc"));
    ASSERT_EQ(printout.status, Printout::Status::Ready);
    printout.writer->setScale({0, 0}, {3200, 4000});
    printout.writer->setFontSize(8);
    printout.writer->text({110, 340}, QStringLiteral("合計 -¥99,999,999 本店 2003/ 4/ 1 @1,666.6"));
    ASSERT_TRUE(finishPrintout(*printout.writer, kNoPrinter));

    static const QRegularExpression baseFont(QStringLiteral("/BaseFont\\s*/([^\\s/<>\\[\\]]+)"));
    QStringList fonts;
    for (const QRegularExpressionMatch& m :
         baseFont.globalMatch(QString::fromLatin1(readBytes(path))))
        fonts << m.captured(1);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts) // subsets are named "ABCDEF+IPAPGothic"
        EXPECT_TRUE(font.endsWith(QStringLiteral("IPAPGothic"))) << font.toStdString();
}
