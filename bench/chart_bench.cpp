// The analysis charts' drawing, measured against a minimal pass in the same run:
//   bar     the bar chart of 501 menu items drawn as the ranking viewport draws it (its
//           figure-alone picture drawn on demand) and the shown picture taken, against one
//           painter on one picture of the surface's size drawing as many filled rectangles
//           and texts (aim: within 1.5 x);
//   line    the line chart of 366 days the same way, against as many segments and texts
//           (aim: within 1.5 x);
//   bar2, line2  the same with the figure-alone picture taken too, as a copy of it does: two
//           whole pictures against the one of the minimal pass (aim: within 2 x).
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUKANA_BUILD_BENCH=ON
//   cmake --build build-bench --target chart_bench -j
//   QT_QPA_PLATFORM=offscreen build-bench/bench/chart_bench [runs]
//
// Each figure is the median of the runs (default 7).
#include "analysis/bar_chart.h"
#include "analysis/core/analysis.h"
#include "analysis/line_chart.h"
#include "platform/fonts.h"
#include "platform/surface.h"
#include "timed_runs.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <vector>

using namespace lukana;

namespace {

constexpr int kItems = 501;
constexpr int kDays = 366;

QFont chartFont(int points) {
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setBold(true);
    font.setPointSize(points);
    return font;
}

// A year of days from January: 1月1日, 2日, … 2月1日, …
Series yearOfDays() {
    Series series;
    const int lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 0, day = 1; int(series.values.size()) < kDays; ++day) {
        if (day > lengths[month]) {
            ++month;
            day = 1;
        }
        series.labels.push_back(day == 1 ? std::to_string(month + 1) + "月1日"
                                         : std::to_string(day) + "日");
        series.values.push_back((day * 37 + month * 11) % 50);
    }
    return series;
}

// The pieces a row label stands in under its point: two digits together, else one character.
int labelPieces(const QString& label) {
    int pieces = 0;
    for (int i = 0; i < label.size(); ++pieces)
        i += i + 1 < label.size() && label[i].isDigit() && label[i + 1].isDigit() ? 2 : 1;
    return pieces;
}

// One month in which item i was ordered i + 1 times, 100 order lines a slip.
class OrderedMonth : public MonthSource {
  public:
    void loadMonth(int, int, NippouMonth& into) override {
        into = NippouMonth{};
        NippouDay& day = into[1];
        for (int i = 0; i < kItems; ++i) {
            const int slip = i / 100;
            const int line = i % 100;
            day.slipCount = slip + 1;
            day.slipValues[slip] = {1, 0, 0, 0, 19, 0, 19, 30};
            day.lineCount[slip] = line + 1;
            day.lineMenu[slip][line] = i + 1;
            day.lineQty[slip][line] = i + 1;
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFonts();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    MenuCatalogue menu;
    for (int i = 0; i < kItems; ++i) {
        MenuItem item;
        item.id = i + 1;
        item.name = "メニュー品目" + std::to_string(i + 1);
        menu.items.push_back(item);
    }
    OrderedMonth month;
    Analysis ranking(AnalysisKind::Menu);
    ranking.recalculate({2003, 12, 1, 2003, 12, 31}, {}, menu, month);

    platform::Surface figure;
    figure.setDrawnOnDemand(true);
    figure.setWidthTwips(7395);
    platform::Surface texts;
    texts.setWidthTwips(7545);
    RankingScale scale;
    std::size_t pixels = 0;
    const Timing bar = timed(runs, [&] {
        drawBarChart(figure, texts, ranking, scale);
        pixels += texts.image().sizeInBytes();
    });
    const Timing barCopied = timed(runs, [&] {
        drawBarChart(figure, texts, ranking, scale);
        pixels += texts.image().sizeInBytes() + figure.image().sizeInBytes();
    });

    // The same number of bars and texts on one picture as large as a surface.
    QImage image(texts.image().size(), QImage::Format_RGB32);
    const QSize size = image.size();
    const std::vector<RankingRow>& rows = ranking.rows();
    const Timing barReference = timed(runs, [&] {
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(chartFont(9));
        const double band = double(size.height()) / (kItems + 5);
        for (int i = 0; i < kItems; ++i) {
            const int y = int(band * (i + 2));
            const int length = int(rows[i].value * 300 / rows[0].value);
            p.fillRect(140, y, length, int(band * 0.6), Qt::red);
            p.fillRect(140, y, length, int(band * 0.6), Qt::red);
            p.drawText(2, y + 12, QString::fromStdString(rows[i].label));
            p.drawText(140 + length, y + 12, QString::number(rows[i].value));
        }
        p.end();
        pixels += image.sizeInBytes();
    });

    const Series days = yearOfDays();
    platform::Surface lineFigure;
    platform::Surface lineTexts;
    lineFigure.setDrawnOnDemand(true);
    for (platform::Surface* s : {&lineFigure, &lineTexts}) {
        s->setWidthTwips(kLineViewportTwips);
        s->setHeightTwips(1995);
    }
    const QString title = QStringLiteral("【メニュー品目1】");
    const Timing line = timed(runs, [&] {
        drawLineChart(lineFigure, lineTexts, days, title);
        pixels += lineTexts.image().sizeInBytes();
    });
    const Timing lineCopied = timed(runs, [&] {
        drawLineChart(lineFigure, lineTexts, days, title);
        pixels += lineTexts.image().sizeInBytes() + lineFigure.image().sizeInBytes();
    });

    // As many segments and texts on one picture as large as a line surface.
    QImage lineImage(lineTexts.image().size(), QImage::Format_RGB32);
    const QSize lineSize = lineImage.size();
    std::vector<QString> labels;
    for (const std::string& label : days.labels)
        labels.push_back(QString::fromStdString(label));
    const Timing lineReference = timed(runs, [&] {
        lineImage.fill(Qt::white);
        QPainter p(&lineImage);
        p.setFont(chartFont(8));
        p.setPen(QPen(Qt::red, 2));
        const double step = double(lineSize.width()) / (kDays + 4);
        QPointF previous;
        for (int i = 0; i < kDays; ++i) {
            const QPointF point(step * (i + 2), 100 - days.values[i]);
            if (i > 0)
                p.drawLine(previous, point);
            previous = point;
            for (int k = 0; k < labelPieces(labels[i]); ++k)
                p.drawText(point + QPointF(0, 10 * k), labels[i].mid(k, 1));
        }
        p.end();
        pixels += lineImage.sizeInBytes();
    });

    std::printf("%-6s %10s %12s %8s %6s %8s\n", "work", "ms", "minimal ms", "ratio", "aim", "CPU");
    report("bar", bar, barReference, 1.5);
    report("line", line, lineReference, 1.5);
    report("bar2", barCopied, barReference, 2.0);
    report("line2", lineCopied, lineReference, 2.0);
    return pixels == 0;
}
