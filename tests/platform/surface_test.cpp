#include "platform/surface.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace lukana::platform;

TEST(Surface, SizeInTwipsGivesAWhitePictureInUserUnitsOverItsWholeSize) {
    Surface surface;
    surface.setWidthTwips(7545);
    surface.setHeightTwips(3300);
    surface.setScaleBy(-850, -300, 3000, 800);
    surface.filledBox({0, 20}, {2000, 80}, paletteColor(12));
    const QImage image = surface.image();
    ASSERT_EQ(image.size(), QSize(503, 220));
    // logical (1000, 50) → pixel (310.5, 96.25)
    EXPECT_EQ(image.pixelColor(310, 96), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(40, 96), QColor(Qt::white));

    surface.setTopTwips(-1500); // scrolling moves the surface, never its picture
    EXPECT_EQ(surface.y(), -100);
    EXPECT_EQ(surface.image(), image);

    surface.clear();
    EXPECT_EQ(surface.textPosition(), QPointF(-850, -300));
    const QImage blank = surface.image();
    EXPECT_EQ(blank.size(), QSize(503, 220));
    EXPECT_EQ(blank.pixelColor(310, 96), QColor(Qt::white));
}

TEST(Surface, NegativeHeightMakesYGrowUpwardsAndStateSurvivesANewPicture) {
    Surface surface;
    surface.setWidthTwips(6000);
    surface.setScaleBy(-200, 2400, 1600, -3100);
    surface.setForeColor(paletteColor(9));
    surface.setLineWidth(3);
    surface.setHeightTwips(1995); // a new picture after the state was set
    surface.line({0, 0}, {0, 2000});
    const QImage image = surface.image();
    ASSERT_EQ(image.size(), QSize(400, 133));
    // x 0 → 50 px; y 2000 → 17 px, y 0 → 103 px
    EXPECT_EQ(image.pixelColor(50, 20), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(51, 100), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(50, 110), QColor(Qt::white));
}

TEST(Surface, RecordsCallsWithTextsAtTheirPointsAndPrintsInBoldUnstretched) {
    auto rec = std::make_shared<PrintRecording>();
    Surface surface;
    surface.setRecording(rec);
    surface.setWidthTwips(7545);
    surface.setHeightTwips(3300);
    surface.setScaleBy(-850, -300, 3000, 800);
    surface.setTextPosition({-800, -250});
    surface.print(QStringLiteral("【集客状況"));
    surface.text({-830, 40}, QStringLiteral("21時"));
    EXPECT_DOUBLE_EQ(surface.textPosition().x(), -850);
    EXPECT_GT(surface.textPosition().y(), -250);
    EXPECT_EQ(rec->page(0), (QStringList{"scale -850,-300 2150,500", "text -800,-250 【集客状況",
                                         "text -830,40 21時"}));
    // "21時" hangs from (-830, 40) → pixel (1.3, 75.3)
    const QImage image = surface.image();
    QRect ink;
    for (int y = 60; y < image.height(); ++y)
        for (int x = 0; x < 60; ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white))
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 1);
    EXPECT_GE(ink.top(), 75);
    EXPECT_LE(ink.height(), 16); // no taller than a 9-point line at 96 dots an inch
}

TEST(Surface, DrawnOnDemandGivesTheSamePicturesWhenTaken) {
    // Everything a chart does to a surface: state before and between shapes, a print in the
    // middle, the picture taken halfway, erased, and given a new size.
    const auto draw = [](Surface& s, int height) {
        s.setForeColor(paletteColor(0));
        s.clear();
        s.setWidthTwips(7545);
        s.setHeightTwips(height);
        s.setScaleBy(-850, -300, 3000, 800);
        s.setForeColor(paletteColor(9));
        s.setLineWidth(3);
        s.line({0, 0}, {2000, 0});
        s.setForeColor(paletteColor(0));
        s.setLineWidth(1);
        s.filledBox({1500, 20}, {0, 80}, paletteColor(12));
        s.setTextPosition({-800, -250});
        s.print(QStringLiteral("【集客状況】"));
        s.setFontSize(12);
        s.text({-830, 40}, QStringLiteral("21時"));
        s.setFillColor(paletteColor(10));
        s.setFillSolid(true);
        s.pie({1000, 300}, 150, 0, 2);
        s.line({0, 400}, {2000, 100}, paletteColor(2));
        s.box({100, 100}, {300, 200});
    };
    Surface now;
    Surface onDemand;
    onDemand.setDrawnOnDemand(true);
    for (const int height : {3300, 3300, 4500}) {
        draw(now, height);
        draw(onDemand, height);
        EXPECT_EQ(onDemand.textPosition(), now.textPosition());
        EXPECT_EQ(onDemand.image(), now.image()) << height;
    }

    // Taken halfway, then drawn on: the kept steps go on from what the picture shows.
    now.filledBox({0, 420}, {900, 480}, paletteColor(9));
    onDemand.filledBox({0, 420}, {900, 480}, paletteColor(9));
    EXPECT_EQ(onDemand.image(), now.image());

    now.clear();
    onDemand.clear();
    EXPECT_EQ(onDemand.image(), now.image());
    EXPECT_EQ(onDemand.image().pixelColor(10, 10), QColor(Qt::white));

    // Back to drawing at once: the kept steps are drawn first.
    onDemand.filledBox({0, 20}, {900, 80}, paletteColor(12));
    now.filledBox({0, 20}, {900, 80}, paletteColor(12));
    onDemand.setDrawnOnDemand(false);
    onDemand.line({0, 0}, {900, 300});
    now.line({0, 0}, {900, 300});
    EXPECT_EQ(onDemand.image(), now.image());
}
