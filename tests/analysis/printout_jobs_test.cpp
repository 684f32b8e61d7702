#include "analysis/bar_printout.h"
#include "analysis/line_printout.h"
#include "analysis/pie_printout.h"
#include "analysis/table_printout.h"
#include "platform/dialogs.h"
#include "printout_fixture.h"
#include "support/files.h"
#include "support/pdf_choice.h"
#include "support/temp_dir.h"

#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace printout_fixture;
using namespace lukana::platform;

namespace {

Series threePoints() {
    return {{1, 2, 3}, {"1日", "2日", "3日"}};
}

struct Job {
    const char* name;
    QString message;
    std::function<void()> print;
};

const Job kJobs[] = {
    {"bar", QStringLiteral("プリンターが接続されていません。"),
     [] {
         printBarChart(header(), ranking({3, 2, 1}));
     }},
    {"pie", QStringLiteral("プリンターが接続されていません"),
     [] {
         printPieChart(header(), ranking({3, 2, 1}));
     }},
    {"line", QStringLiteral("プリンターが接続されていません。"),
     [] { printLineChart(header(), threePoints()); }},
    {"table", QStringLiteral("プリンターが接続されていません"),
     [] {
         printRankingTable(header(), {{"1", "1時", "3"}, {"2", "2時", "1"}}, [](bool) {});
     }},
};

} // namespace

TEST(AnalysisPrintouts, NothingToPrintAsksForNoPrinter) {
    TestScript script; // any printer choice would be unexpected
    printBarChart(header(), {});
    printPieChart(header(), {});
    printLineChart(header(), Series{});
    EXPECT_TRUE(script.boxes().empty());
}

TEST(AnalysisPrintouts, CancelEndsSilentlyAndAMissingPrinterShowsTheMessage) {
    for (const Job& job : kJobs) {
        SCOPED_TRACE(job.name);
        TestScript script;
        script.printer(false);
        job.print();
        EXPECT_TRUE(script.printouts().empty());
        EXPECT_TRUE(script.boxes().empty());
        script.printerUnavailable().answer(Answer::Ok);
        job.print();
        EXPECT_TRUE(script.printouts().empty());
        ASSERT_EQ(script.boxes().size(), 1u);
        EXPECT_EQ(script.boxes()[0].text, job.message);
        EXPECT_EQ(script.boxes()[0].buttons, Buttons::Ok);
        EXPECT_EQ(script.boxes()[0].title, kAppTitle);
    }
}

TEST(AnalysisPrintouts, AFailureAtAnyCallShowsOneMessageAndAbandonsTheJob) {
    for (const Job& job : kJobs) {
        SCOPED_TRACE(job.name);
        const int all = printed(job.print).calls; // the end of the document is the last
        for (int k : {1, 2, all / 2, all}) {
            SCOPED_TRACE(k);
            TestScript script;
            script.printer(true, k).answer(Answer::Ok);
            job.print();
            const PrintRecording rec = script.printouts().at(0);
            EXPECT_EQ(rec.calls, k - 1);
            EXPECT_TRUE(rec.aborted);
            EXPECT_FALSE(rec.ended);
            ASSERT_EQ(script.boxes().size(), 1u);
            EXPECT_EQ(script.boxes()[0].text, job.message);
        }
    }
}

namespace {
// The page count and whether the first page lies wider than high.
std::pair<int, bool> pdfPages(const std::string& bytes) {
    const QString text = QString::fromLatin1(bytes);
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    static const QRegularExpression box(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"));
    const QRegularExpressionMatch size = box.match(text);
    return {int(text.count(page)), size.captured(1).toDouble() > size.captured(2).toDouble()};
}
} // namespace

TEST(AnalysisPrintouts, BarAndLinePrintoutsWriteRealPdfFiles) {
    TempDir dir;
    const std::string barPath = (dir.path() / "bar.pdf").string();
    const std::string linePath = (dir.path() / "line.pdf").string();
    {
        PdfChoice choice(barPath);
        printBarChart(header(kLongCondition), ranking(40, 5));
    }
    {
        PdfChoice choice(linePath);
        Series s;
        for (int i = 0; i < 30; ++i) {
            s.values.push_back(i % 7);
            s.labels.push_back(std::to_string(i + 1) + "日");
        }
        printLineChart(header(), s);
    }
    const std::string bar = readBytes(barPath);
    EXPECT_EQ(bar.substr(0, 5), "%PDF-");
    EXPECT_EQ(pdfPages(bar), std::make_pair(2, false));
    const std::string line = readBytes(linePath);
    EXPECT_EQ(line.substr(0, 5), "%PDF-");
    EXPECT_EQ(pdfPages(line), std::make_pair(1, true));
}
