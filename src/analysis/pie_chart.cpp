#include "pie_chart.h"

#include "core/headline.h"
#include "platform/surface.h"
#include "platform/text.h"

namespace lukana {
namespace {

using platform::paletteColor;
using platform::Surface;

constexpr int kConsidered = 10;
constexpr int kHeightTwips = 7215;
constexpr double kFontPoints = 9;
constexpr QPointF kCentre{4400, 2800};
constexpr double kRadius = 2100;

// Rows of 200 units; a label longer than 16 characters goes smaller in pieces, one row more
// for each. Returns the row after the label.
int drawLegendRow(Surface& s, int row, int color, const std::string& label) {
    s.filledBox({-140, 200.0 * row + 140}, {20, 200.0 * row + 240}, paletteColor(color));
    const ChartLabelLines shaped = chartLabelLines(label, 16);
    if (!shaped.wrapped()) {
        s.text({100, 200.0 * row + 115}, platform::toQString(label));
        return row + 1;
    }
    s.setFontSize(shaped.points);
    s.setTextPosition({100, 200.0 * row + 95});
    for (const std::string& piece : shaped.lines) {
        s.setTextPosition({100, s.textPosition().y() + 25});
        s.print(platform::toQString(piece));
        ++row;
    }
    s.setFontSize(kFontPoints);
    return row + 1;
}

void drawPass(Surface& s, const std::vector<RankingRow>& considered, double total, bool withTexts) {
    s.setFontSize(kFontPoints);
    int row = 2;
    float start = 1e-10f;
    int color = 9;
    for (auto it = considered.rbegin(); it != considered.rend(); ++it) {
        if (it->value <= 0)
            continue;
        const float end = float(start + double(it->value) / total * 2 * kChartPi);
        s.setFillSolid(true);
        s.setFillColor(paletteColor(color));
        s.pie(kCentre, kRadius, start, end);
        start = end;
        if (withTexts)
            row = drawLegendRow(s, row, color, it->label + "; " + std::to_string(it->value));
        else
            ++row;
        color = nextSectorColor(color);
    }
    s.refresh();
}

} // namespace

std::string topTenMark(AnalysisKind kind, int rankCount) {
    if (rankCount < kConsidered)
        return {};
    return kind == AnalysisKind::Menu ? "(上位10品)" : "(上位10)";
}

int nextSectorColor(int color) {
    if (color == 6)
        return 9;
    if (color == 14)
        return 0;
    return color + 1;
}

std::optional<int> drawPieChart(Surface& figure, Surface& texts, const Analysis& analysis,
                                RankingScale& scale) {
    figure.clear();
    texts.clear();
    const std::vector<RankingRow>& rows = analysis.rows();
    if (rows.empty())
        return std::nullopt;
    const std::vector<RankingRow> considered(
        rows.begin(), rows.begin() + std::min<std::ptrdiff_t>(kConsidered, rows.size()));
    scale.count = static_cast<int>(considered.size());
    for (Surface* s : {&figure, &texts}) {
        s->setHeightTwips(kHeightTwips);
        // One unit a twip both ways.
        s->setScaleBy(-425, -115, s->widthTwips(), kHeightTwips);
    }
    texts.text({120, 10}, platform::toQString(analysis.periodLine()));
    texts.text({200, 220}, platform::toQString(analysis.conditionLine(
                               false, topTenMark(analysis.kind(), int(rows.size())))));

    // Only positive values share the circle, so that no sectors overlap.
    double total = 0;
    for (const RankingRow& r : considered)
        if (r.value > 0)
            total += double(r.value);
    if (total > 0) {
        drawPass(figure, considered, total, false);
        drawPass(texts, considered, total, true);
    }
    return 0;
}

} // namespace lukana
