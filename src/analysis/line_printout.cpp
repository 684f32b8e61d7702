#include "line_printout.h"

#include "line_chart.h"

namespace lukana {

using platform::paletteColor;

namespace {

constexpr int kPointsPerPage = 41;
constexpr double kPlotHeight = 2000;

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

class LinePrinter {
  public:
    LinePrinter(platform::PageWriter& page, const ReportHeader& header)
        : page_(page), header_(header) {}

    void print(const Series& series) {
        const LineScale scale = lineScale(series);
        const double span = scale.max - scale.min;
        page_.setScale({-200, 2400}, {4000, -700});
        heading();
        int position = -1;
        int lastPosition = 0;
        QPointF previous;
        if (span > 0) {
            for (int i = 0; i < scale.count; ++i) {
                if (page_.failed())
                    return;
                // A continuation page starts its line at its first point.
                bool joined = i > 0;
                if (++position == kPointsPerPage) {
                    axes(lastPosition);
                    lastPosition = 0;
                    page_.newPage();
                    heading();
                    position = 0;
                    joined = false;
                }
                if (i < static_cast<int>(series.labels.size()))
                    label(position, QString::fromStdString(series.labels[i]));
                const QPointF point(100.0 * position,
                                    static_cast<float>(series.values[i] / span * kPlotHeight));
                if (joined)
                    page_.line(previous, point, paletteColor(12));
                previous = point;
                lastPosition = position;
            }
        }
        axes(lastPosition);
        page_.endDocument();
    }

  private:
    void heading() {
        page_.setFontSize(12);
        page_.text({-100, 2300}, QString::fromStdString(header_.title));
        page_.text({-50, 2200}, QString::fromStdString(header_.periodLine));
        const QStringList pieces = printPieces(header_.conditionLine, 45);
        for (int j = 0; j < pieces.size(); ++j)
            page_.text({-50, 2100.0 - 100 * j}, pieces[j]);
    }

    // Downward, a row a character, two digits in a row sharing one: "12月1日" is 12, 月, 1, 日.
    void label(int position, QString text) {
        for (int k = 0; !text.isEmpty(); ++k) {
            const int take = text.size() >= 2 && isDigit(text[0]) && isDigit(text[1]) ? 2 : 1;
            page_.text({100.0 * position - 10, -50.0 - 80 * k}, text.left(take));
            text.remove(0, take);
        }
    }

    void axes(int lastPosition) {
        page_.setForeColor(paletteColor(9));
        page_.setLineWidth(3);
        page_.line({0, 0}, {0, kPlotHeight});
        page_.line({0, 0}, {100.0 * lastPosition, 0});
        page_.line({0, kPlotHeight / 2}, {10, kPlotHeight / 2});
        page_.setForeColor(paletteColor(0));
        page_.setLineWidth(1);
    }

    platform::PageWriter& page_;
    const ReportHeader& header_;
};

} // namespace

void printLineChart(const ReportHeader& header, const Series& series) {
    if (lineScale(series).count == 0)
        return;
    platform::runPrintout(
        platform::Orientation::Landscape, header.documentName(),
        [&](platform::PageWriter& page) { LinePrinter(page, header).print(series); },
        kChartPrintoutOptions);
}

} // namespace lukana
