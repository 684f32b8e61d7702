#include "analysis/line_printout.h"
#include "printout_fixture.h"

#include <gtest/gtest.h>

using namespace printout_fixture;
using lukana::platform::Orientation;

namespace {

const std::string kKeyTitle = kTitle + "【9時】";

Series series(int count, std::int64_t value = 1) {
    Series s;
    for (int i = 0; i < count; ++i) {
        s.values.push_back(value);
        s.labels.push_back("x");
    }
    return s;
}

PrintRecording linePrintout(const Series& s, const std::string& condition = kCondition) {
    return printed([&] { printLineChart({kKeyTitle, kPeriod, condition}, s); });
}

QStringList redLines(const PrintRecording& rec, size_t page) {
    return calls(rec, page, "line").filter(" 255,0,0");
}

QStringList axes(double length) {
    return {"fore 0,0,255",
            "width 3",
            "line 0,0 0,2000",
            QStringLiteral("line 0,0 %1,0").arg(length),
            "line 0,1000 10,1000",
            "fore 0,0,0",
            "width 1"};
}

} // namespace

TEST(LinePrintout, FortyOnePointsFillOneLandscapePage) {
    const PrintRecording rec = linePrintout(series(41));
    EXPECT_EQ(rec.orientation, Orientation::Landscape);
    ASSERT_EQ(rec.pages.size(), 1u);
    const QStringList page = rec.page(0);
    EXPECT_EQ(page.mid(0, 5), (QStringList{"scale -200,2400 4000,-700", "font 12",
                                           "text -100,2300 " + QString::fromStdString(kKeyTitle),
                                           "text -50,2200 " + QString::fromStdString(kPeriod),
                                           "text -50,2100 " + QString::fromStdString(kCondition)}));
    EXPECT_EQ(page.mid(page.size() - 7), axes(4000));
    EXPECT_EQ(redLines(rec, 0).size(), 40);
    EXPECT_EQ(redLines(rec, 0).last(), "line 3900,2000 4000,2000 255,0,0");
}

TEST(LinePrintout, AContinuationPageRepeatsTheHeaderAndStartsAtItsFirstPoint) {
    const PrintRecording two = linePrintout(series(42));
    ASSERT_EQ(two.pages.size(), 2u);
    EXPECT_EQ(two.texts(1), (QStringList{at(-100, 2300, kKeyTitle), at(-50, 2200, kPeriod),
                                         at(-50, 2100, kCondition), at(-10, -50, "x")}));
    EXPECT_TRUE(redLines(two, 1).isEmpty());
    EXPECT_EQ(two.page(1).mid(two.page(1).size() - 7), axes(0));

    const PrintRecording eight = linePrintout(series(301));
    ASSERT_EQ(eight.pages.size(), 8u);
    EXPECT_EQ(redLines(eight, 6).size(), 40);
    EXPECT_EQ(redLines(eight, 7).size(), 13);
    EXPECT_EQ(eight.page(7).mid(eight.page(7).size() - 7), axes(1300));
}

TEST(LinePrintout, PointsStandAtTheirShareOfTheLargestValue) {
    Series s = series(3);
    s.values = {0, 5, 10};
    const PrintRecording rec = linePrintout(s);
    EXPECT_EQ(redLines(rec, 0),
              (QStringList{"line 0,0 100,1000 255,0,0", "line 100,1000 200,2000 255,0,0"}));
}

TEST(LinePrintout, LabelsRunDownwardWithTwoDigitsToARow) {
    struct Case {
        std::string label;
        QStringList rows;
    };
    const Case cases[] = {{"10週", {"10", "週"}},
                          {"123", {"12", "3"}},
                          {"12月1日", {"12", "月", "1", "日"}},
                          {"1日", {"1", "日"}},
                          {"", {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Series s = series(2);
        s.labels[1] = c.label;
        const QStringList texts = linePrintout(s).texts(0).mid(4);
        QStringList expected;
        for (int k = 0; k < c.rows.size(); ++k)
            expected << at(90, -50 - 80 * k, c.rows[k]);
        EXPECT_EQ(texts, expected);
    }
}

TEST(LinePrintout, AllZeroSeriesPrintsTheHeaderAndAxesOnly) {
    const PrintRecording rec = linePrintout(series(20, 0));
    ASSERT_EQ(rec.pages.size(), 1u);
    EXPECT_EQ(rec.texts(0).size(), 3);
    EXPECT_TRUE(redLines(rec, 0).isEmpty());
    EXPECT_EQ(rec.page(0).mid(rec.page(0).size() - 7), axes(0));
}

TEST(LinePrintout, ConditionPiecesRunDownIntoThePlotArea) {
    const std::string condition = std::string(46, 'x');
    const QStringList texts = linePrintout(series(1), condition).texts(0);
    EXPECT_EQ(texts.mid(2, 2),
              (QStringList{at(-50, 2100, std::string(45, 'x')), at(-50, 2000, "x")}));
}
