#include "analysis/line_chart.h"
#include "platform/surface.h"

#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace lukana;
using platform::PrintRecording;
using platform::Surface;

namespace {

// The two line surfaces at their window height, each recording what is drawn on it.
struct LineSurfaces {
    LineSurfaces() {
        for (Surface* s : {&figure, &texts})
            s->setHeightTwips(1995);
        figure.setRecording(figureCalls);
        texts.setRecording(textCalls);
    }
    LineChart draw(const Series& series) {
        return drawLineChart(figure, texts, series, "【18時】");
    }

    Surface figure;
    Surface texts;
    std::shared_ptr<PrintRecording> figureCalls = std::make_shared<PrintRecording>();
    std::shared_ptr<PrintRecording> textCalls = std::make_shared<PrintRecording>();
};

Series seriesOf(std::vector<std::int64_t> values) {
    Series s;
    s.labels.resize(values.size(), "1日");
    s.values = std::move(values);
    return s;
}

QStringList red(const QStringList& calls) {
    return calls.filter(QStringLiteral(" 255,0,0"));
}

} // namespace

TEST(LineChart, SurfacesGrowWithThePointsAndScrollPastTwelve) {
    struct Case {
        int points, widthTwips, scrollMaximum;
    };
    for (const Case c : {Case{0, 4200, 0}, {12, 11400, 0}, {13, 12000, 2}, {14, 12600, 8}}) {
        LineSurfaces s;
        const LineChart chart = s.draw(seriesOf(std::vector<std::int64_t>(c.points, 3)));
        EXPECT_EQ(s.figure.widthTwips(), c.widthTwips) << c.points;
        EXPECT_EQ(s.texts.widthTwips(), c.widthTwips) << c.points;
        EXPECT_EQ(s.texts.heightTwips(), 1995);
        EXPECT_EQ(chart.scrollMaximum, c.scrollMaximum) << c.points;
        EXPECT_EQ(chart.scale, (LineScale{c.points, c.points ? 3.0 : 0.0, 0})) << c.points;
        EXPECT_EQ(s.figureCalls->page(0).filter("scale"),
                  QStringList{QStringLiteral("scale -200,2400 %1,-700").arg(100 * c.points + 200)});
    }
}

TEST(LineChart, RowLabelsStandDownwardsInPiecesUnderTheirPoint) {
    struct Case {
        const char* label;
        QStringList pieces;
    };
    for (const Case& c : {Case{"12月1日", {"12", "月", "1", "日"}},
                          {"0週", {"0", "週"}},
                          {"10月", {"10", "月"}},
                          {"１２月", {"１", "２", "月"}},
                          {"123", {"12", "3"}}}) {
        LineSurfaces s;
        Series series = seriesOf({4, 8, 2});
        series.labels[2] = c.label;
        s.draw(series);
        QStringList expected;
        for (int k = 0; k < c.pieces.size(); ++k)
            expected << QStringLiteral("190,%1 %2").arg(-50 - 230 * k).arg(c.pieces[k]);
        EXPECT_EQ(s.textCalls->texts(0).filter(QRegularExpression("^190,")), expected) << c.label;
        EXPECT_TRUE(s.figureCalls->texts(0).isEmpty());
    }
}

TEST(LineChart, ValueLabelsEndLeftOfTheAxisWithTheMiddleRoundedDown) {
    struct Case {
        std::int64_t max;
        QStringList labels;
    };
    for (const Case& c : {Case{25, {"-45,2100  25", "-35,100  0", "-65,1100  12.5"}},
                          {7, {"-35,2100  7", "-35,100  0", "-55,1100  3.5"}},
                          {1, {"-35,2100  1", "-35,100  0", "-45,1100  .5"}}}) {
        LineSurfaces s;
        const LineChart chart = s.draw(seriesOf({c.max, 0, -2}));
        EXPECT_EQ(s.textCalls->texts(0).mid(s.textCalls->texts(0).size() - 3), c.labels);
        EXPECT_EQ(chart.scale.max, double(c.max));
    }
}

TEST(LineChart, PointsJoinInRedScaledToTheLargestValue) {
    LineSurfaces s;
    s.draw(seriesOf({0, 5, 10, -5}));
    const QStringList segments{"line 0,0 100,1000 255,0,0", "line 100,1000 200,2000 255,0,0",
                               "line 200,2000 300,-1000 255,0,0"};
    EXPECT_EQ(red(s.figureCalls->page(0)), segments);
    EXPECT_EQ(red(s.textCalls->page(0)), segments);

    LineSurfaces single; // one point: its label and the top value, no line
    single.draw(seriesOf({6}));
    EXPECT_TRUE(red(single.textCalls->page(0)).isEmpty());
    EXPECT_TRUE(single.textCalls->texts(0).contains("-10,-50 1"));
    EXPECT_TRUE(single.textCalls->texts(0).contains("-35,2100  6"));
}

TEST(LineChart, WithNothingAboveZeroOnlyTheAxesTitleAndThreeZeros) {
    for (const std::vector<std::int64_t>& values :
         {std::vector<std::int64_t>{}, {0, 0, 0}, {-3, -1, -4}}) {
        LineSurfaces s;
        const LineChart chart = s.draw(seriesOf(values));
        const QString end = QString::number(100 * values.size());
        const QStringList axes{
            "fore 0,0,255",        "width 3",      "line 0,0 0,2000", "line 0,0 " + end + ",0",
            "line 0,1000 10,1000", "fore 0,128,0", "width 2",         "font 8"};
        const QString scale =
            "scale -200,2400 " + QString::number(100 * values.size() + 200) + ",-700";
        const QStringList figure = QStringList{"fore 0,0,0", "clear", scale} + axes;
        const QStringList texts =
            QStringList{"fore 0,0,0", "clear", scale, "text -50,2380 【18時】"} + axes +
            QStringList{"text -35,2100  0", "text -35,100  0", "text -35,1100  0", "font 8"};
        EXPECT_EQ(s.figureCalls->page(0), figure);
        EXPECT_EQ(s.textCalls->page(0), texts);
        EXPECT_EQ(chart.scale, (LineScale{int(values.size()), 0, 0}));
    }
}

TEST(LineChart, PictureHasTheLineRisingToTheTopAndTheBlueAxis) {
    Surface figure, texts;
    for (Surface* s : {&figure, &texts})
        s->setHeightTwips(1995);
    drawLineChart(figure, texts, seriesOf({0, 5, 10}), "【18時】");
    const QImage image = figure.image();
    ASSERT_EQ(image.size(), QSize(400, 133));
    // x -200..500 over 400 px, y 2400..-700 over 133 px: (200, 2000) → (228.6, 17.2)
    bool topRed = false;
    for (int y = 14; y <= 20; ++y)
        for (int x = 225; x <= 231; ++x)
            topRed = topRed || image.pixelColor(x, y) == QColor(255, 0, 0);
    EXPECT_TRUE(topRed);
    for (int y = 110; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_NE(image.pixelColor(x, y), QColor(255, 0, 0)) << x << "," << y;
    // (0, 1000) → (114.3, 60)
    EXPECT_EQ(image.pixelColor(114, 60), QColor(0, 0, 255));
}
