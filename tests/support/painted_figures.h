#pragma once
// What a label, box or grid cell painted for a figure: the figure whole, or cut visibly with its
// sign and yen mark before the "…" and its last digits after, inside its room, at least at the
// smallest screen size. Never a text that reads as another figure.
#include "platform/grid.h"
#include "platform/screen_fit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <gtest/gtest.h>

// The marks before a figure's digits: sign, yen mark, "@".
inline QString figureMarks(const QString& figure) {
    qsizetype n = 0;
    while (n < figure.size() && QStringLiteral("-+¥@").contains(figure[n]))
        ++n;
    return figure.left(n);
}

// Paints the widget, laid out as on screen, and gives what it painted last for owner (and
// cell); fails when nothing.
inline const lukana::platform::ScreenText* paintedBy(lukana::platform::ScreenTextRecording& rec,
                                                     QWidget& painted, const QWidget* owner,
                                                     QPoint cell = {-1, -1}) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    rec.texts.clear();
    painted.grab();
    const lukana::platform::ScreenText* text = rec.last(owner, cell);
    EXPECT_NE(text, nullptr) << "nothing painted";
    return text;
}

// True when the painted text is the figure whole.
inline bool expectPaintedFigure(const lukana::platform::ScreenText* painted,
                                const QString& figure) {
    if (!painted)
        return false;
    const QString shown = painted->fitted.text;
    EXPECT_LE(painted->fitted.width, painted->room.width()) << shown.toStdString();
    EXPECT_GE(painted->fitted.points, lukana::platform::kSmallestScreenPoints);
    if (shown == figure)
        return true;
    const QString marks = figureMarks(figure) + QStringLiteral("…");
    EXPECT_TRUE(shown.startsWith(marks)) << shown.toStdString() << " for " << figure.toStdString();
    const QString kept = shown.mid(marks.size());
    EXPECT_TRUE(kept.isEmpty() || (kept[0].isDigit() && figure.endsWith(kept)))
        << shown.toStdString() << " for " << figure.toStdString();
    return false;
}

// Paints every cell of the grid, made large enough to show them all, and expects each figure
// in it painted whole; gives the figures it saw.
inline QStringList expectFiguresPaintedWhole(lukana::platform::Grid& grid) {
    using namespace lukana::platform;
    int height = 2 * grid.frameWidth();
    for (int row = 0; row < grid.rows(); ++row)
        height += grid.rowHeight(row) / kTwipsPerPixel;
    grid.resize(grid.widthShowingAllColumns(), height + 40);
    grid.setTopRow(0);
    grid.setLeftCol(0);
    ScreenTextRecording rec;
    grid.grab();
    QStringList figures;
    for (int row = 0; row < grid.rows(); ++row)
        for (int col = 0; col < grid.cols(); ++col) {
            const QString text = grid.text(row, col);
            if (!readsAsFigure(text))
                continue;
            SCOPED_TRACE(text.toStdString() + " in row " + std::to_string(row) + " column " +
                         std::to_string(col));
            EXPECT_TRUE(expectPaintedFigure(rec.last(&grid, {col, row}), text));
            figures << text;
        }
    return figures;
}
