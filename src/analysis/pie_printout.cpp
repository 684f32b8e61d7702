#include "pie_printout.h"

#include "pie_chart.h"
#include "storage/display_format.h"

#include <algorithm>

namespace lukana {

using platform::paletteColor;

namespace {

constexpr int kSectors = 10;
constexpr int kFirstColour = 9;
constexpr int kLastLegendRow = 48;

class PiePrinter {
  public:
    PiePrinter(platform::PageWriter& page, const ReportHeader& header, std::vector<RankingRow> top)
        : page_(page), header_(header), top_(std::move(top)) {
        // Only positive values share the circle, so the sectors never overlap.
        for (const RankingRow& row : top_)
            if (row.value > 0)
                total_ += static_cast<double>(row.value);
    }

    void print() {
        page_.setScale({0, 0}, {2200, 3900});
        page_.setFontSize(9);
        if (total_ > 0)
            pie();
        page_.setFontSize(12);
        page_.text({200, 1980}, QString::fromStdString(header_.title));
        page_.text({200, 2150}, QString::fromStdString(header_.periodLine));
        const QStringList pieces = printPieces(header_.conditionLine, 45);
        for (int i = 0; i < pieces.size(); ++i)
            page_.text({400, 2230.0 + 80 * i}, pieces[i]);
        if (total_ > 0)
            legend(20 + static_cast<int>(pieces.size()) - 1);
        page_.endDocument();
    }

  private:
    // The smallest of the top keys first, counter-clockwise from 3 o'clock.
    void pie() {
        page_.setFontSize(9);
        page_.setFillSolid(true);
        float angle = 1e-10f;
        int colour = kFirstColour;
        for (auto it = top_.rbegin(); it != top_.rend(); ++it) {
            if (it->value <= 0)
                continue;
            const double end = angle + 2 * kChartPi * static_cast<double>(it->value) / total_;
            page_.setFillColor(paletteColor(colour));
            page_.pie({1100, 1000}, 600, angle, end);
            angle = static_cast<float>(end);
            colour = nextSectorColor(colour);
        }
    }

    void legend(int firstRow) {
        page_.setFontSize(9);
        int colour = kFirstColour;
        int row = firstRow + 7;
        int column = 0;
        int rowLines = 0;
        for (auto it = top_.rbegin(); it != top_.rend(); ++it) {
            if (it->value <= 0)
                continue;
            if (page_.failed())
                return;
            if (++column == 4) {
                row += 1 + rowLines;
                column = 1;
                rowLines = 0;
            }
            if (row > kLastLegendRow) {
                page_.newPage();
                row = 1;
            }
            const double left = 700.0 * (column - 1);
            page_.filledBox({left + 20, 80.0 * row + 330}, {left + 80, 80.0 * row + 360},
                            paletteColor(colour));
            const std::string text = it->label + "; " + plainDecimal(double(it->value));
            page_.setTextPosition({left + 100, 80.0 * row + 335});
            const ChartLabel shaped = chartLabel(text);
            if (shaped.wrapped()) {
                page_.setFontSize(shaped.points);
                double y = page_.textPosition().y() - 20;
                for (const QString& line : shaped.lines) {
                    page_.setTextPosition({left + 100, y + 25});
                    page_.print(line);
                    y = page_.textPosition().y();
                }
                rowLines = std::max(rowLines, static_cast<int>(shaped.lines.size()));
                page_.setFontSize(9);
            } else {
                page_.print(shaped.lines.front());
            }
            colour = nextSectorColor(colour);
        }
    }

    platform::PageWriter& page_;
    const ReportHeader& header_;
    std::vector<RankingRow> top_;
    double total_ = 0;
};

} // namespace

void printPieChart(const ReportHeader& header, const std::vector<RankingRow>& rows) {
    if (rows.empty())
        return;
    const std::vector<RankingRow> top(
        rows.begin(), rows.begin() + std::min<std::ptrdiff_t>(kSectors, std::ssize(rows)));
    platform::runPrintout(
        platform::Orientation::Portrait, header.documentName(),
        [&](platform::PageWriter& page) { PiePrinter(page, header, top).print(); });
}

} // namespace lukana
