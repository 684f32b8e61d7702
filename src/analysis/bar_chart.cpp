#include "bar_chart.h"

#include "core/headline.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "storage/display_format.h"

#include <cmath>

namespace lukana {
namespace {

using platform::paletteColor;
using platform::Surface;

constexpr double kBand = 100;     // logical units a key
constexpr double kFullBar = 2000; // the length of the largest value
constexpr double kFontPoints = 9;

// Each key's band is 100 units high; the surface gets 6 twips a unit plus room for the
// headline and the scale.
int surfaceHeightTwips(int n) {
    return 600 * n + 1500;
}

void drawFrame(Surface& s, int n) {
    const double bottom = kBand * n;
    s.setForeColor(paletteColor(9));
    s.setLineWidth(3);
    s.line({0, 0}, {kFullBar, 0});
    s.line({0, bottom}, {kFullBar, bottom});
    s.line({kFullBar, 0}, {kFullBar, bottom});
    s.line({0, 0}, {0, bottom});
    s.line({kFullBar / 2, 10}, {kFullBar / 2, 0});
    s.line({kFullBar / 2, bottom}, {kFullBar / 2, bottom - 10});
    s.setForeColor(paletteColor(0));
    s.setLineWidth(1);
}

// Up to 16 characters on one line; a longer label smaller, cut into lines.
void drawLabel(Surface& s, const std::string& label, double bandTop) {
    const ChartLabelLines shaped = chartLabelLines(label, 11);
    if (!shaped.wrapped()) {
        s.text({-830, bandTop + 40}, platform::toQString(label));
        return;
    }
    s.setFontSize(shaped.points);
    const std::vector<std::string>& lines = shaped.lines;
    for (std::size_t j = 0; j < lines.size(); ++j)
        s.text({-830, bandTop + 20 + 25.0 * double(j)}, platform::toQString(lines[j]));
    s.setFontSize(kFontPoints);
}

// The scale values along the top edge of the frame: bottom, middle cut to one decimal, top.
void drawScale(Surface& s, const RankingScale& scale) {
    const double middle = std::floor((scale.min + (scale.max - scale.min) / 2) * 10) / 10;
    s.setFontSize(10);
    s.text({-50, -70}, platform::toQString(Str(scale.min)));
    s.text({950, -70}, platform::toQString(Str(middle)));
    s.text({1950, -70}, platform::toQString(Str(scale.max)));
    s.setFontSize(kFontPoints);
}

void drawPass(Surface& s, const std::vector<RankingRow>& rows, const RankingScale& scale,
              bool withTexts) {
    s.setFontSize(kFontPoints);
    const double range = scale.max - scale.min;
    if (range > 0)
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const double top = kBand * double(i);
            const double length = double(rows[i].value) / range * kFullBar;
            if (withTexts)
                drawLabel(s, rows[i].label, top);
            s.filledBox({length, top + 20}, {0, top + 80}, paletteColor(12));
            if (withTexts)
                s.text({length, top + 35}, platform::toQString(Str(double(rows[i].value)) + " "));
        }
    if (withTexts)
        drawScale(s, scale);
    s.refresh();
}

} // namespace

int rankingScrollMaximum(int heightTwips) {
    if (heightTwips < kRankingViewportTwips)
        return 0;
    return static_cast<int>(std::nearbyint((heightTwips - kRankingViewportTwips) / 100.0));
}

std::optional<int> drawBarChart(Surface& figure, Surface& texts, const Analysis& analysis,
                                RankingScale& scale) {
    figure.clear();
    texts.clear();
    const std::vector<RankingRow>& rows = analysis.rows();
    const int n = static_cast<int>(rows.size());
    if (n == 0)
        return std::nullopt;
    scale.count = n;
    for (Surface* s : {&figure, &texts})
        s->setHeightTwips(surfaceHeightTwips(n));
    const double height = kBand * n + 500;
    figure.setScaleBy(-50, -100, 2100, height);
    texts.setScaleBy(-850, -300, 3000, height);

    texts.text({-800, -250}, platform::toQString(analysis.periodLine()));
    texts.text({-400, -180}, platform::toQString(analysis.conditionLine(false)));
    drawFrame(figure, n);
    drawFrame(texts, n);
    scale.max = double(rows.front().value);
    scale.min = 0;
    drawPass(figure, rows, scale, false);
    drawPass(texts, rows, scale, true);
    return rankingScrollMaximum(texts.heightTwips());
}

} // namespace lukana
