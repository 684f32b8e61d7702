// The grid's heavy work, measured against a minimal pass in the same run:
//   fill  a hidden grid (Grid::Filling) cut to its heading and filled with 10,000 rows of 11
//         cells, against putting the same texts into a plain table of strings (aim: within 2 x);
//   draw  one screen of a 1,000,000-row list given by a row model, at its middle, its columns
//         as wide as their widest figure as the windows make them, against drawing the same
//         texts at the same places on an image of the same size (aim: within 1.5 x);
//   cut   the same screen with columns too narrow for every figure, each then measured and
//         drawn smaller, against the same plain drawing (aim: within 3 x).
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DLUKANA_BUILD_BENCH=ON
//   cmake --build build-bench --target grid_bench -j
//   QT_QPA_PLATFORM=offscreen build-bench/bench/grid_bench [runs]
//
// Each figure is the median of the runs (default 7).
#include "platform/grid.h"
#include "timed_runs.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace lukana::platform;

namespace {

constexpr int kRows = 10'000;
constexpr int kCols = 11;
constexpr int kListRows = 1'000'000;

QString cellText(int row, int col) {
    return col == 0 ? QString::number(row) : QString::number(row * 37 + col * 1000);
}

class ListRows : public GridRowSource {
  public:
    int rowCount() const override { return kListRows; }
    QString text(int row, int col) const override { return cellText(row, col); }
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    std::vector<std::vector<QString>> texts(kRows, std::vector<QString>(kCols));
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kCols; ++c)
            texts[r][c] = cellText(r, c);

    Grid grid;
    grid.resize(1000, 600);
    grid.setCols(kCols);
    grid.show();
    const Timing fill = timed(runs, [&] {
        Grid::Filling filling(grid);
        grid.setRows(1);
        for (int r = 0; r < kRows; ++r) {
            grid.setRows(r + 2);
            for (int c = 0; c < kCols; ++c)
                grid.setText(r + 1, c, texts[r][c]);
        }
    });
    std::vector<std::vector<QString>> plain;
    const Timing fillReference = timed(runs, [&] {
        plain.assign(1, std::vector<QString>(kCols));
        for (int r = 0; r < kRows; ++r) {
            plain.emplace_back(kCols);
            for (int c = 0; c < kCols; ++c)
                plain.back()[c] = texts[r][c];
        }
    });

    Grid list;
    list.resize(1000, 600);
    list.setCols(kCols);
    list.setRows(1);
    ListRows rows;
    list.setRowSource(&rows);
    list.show();
    list.setTopRow(kListRows / 2);
    QImage image(list.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    auto drawPlainly = [&] {
        QPainter p(&image);
        p.setFont(list.font());
        for (int r = 0; r < list.rows(); ++r) {
            const int row = r == 0 ? 0 : list.topRow() + r - 1;
            const QRect first = list.cellRect(row, 0, list.viewport());
            if (first.top() >= image.height())
                break;
            for (int c = 0; c < kCols; ++c) {
                const QRect cell = list.cellRect(row, c, list.viewport());
                p.fillRect(cell, Qt::white);
                p.drawText(cell, Qt::AlignRight | Qt::AlignVCenter, list.text(row, c));
            }
        }
    };
    for (int c = 0; c < kCols; ++c)
        list.setColWidthFitting(c, 0, cellText(kListRows - 1, c));
    const Timing draw = timed(runs, [&] { list.viewport()->render(&image); });
    const Timing drawReference = timed(runs, drawPlainly);
    for (int c = 0; c < kCols; ++c)
        list.setColWidth(c, 600);
    const Timing cut = timed(runs, [&] { list.viewport()->render(&image); });
    const Timing cutReference = timed(runs, drawPlainly);

    std::printf("%-6s %10s %12s %8s %6s %8s\n", "work", "ms", "reference ms", "ratio", "aim",
                "CPU");
    report("fill", fill, fillReference, 2.0);
    report("draw", draw, drawReference, 1.5);
    report("cut", cut, cutReference, 3.0);
    return 0;
}
