#pragma once
// What a label, box or grid cell painted for a figure: the figure whole, or cut visibly with its
// sign and yen mark before the "…" and its last digits after, inside its room, at least at the
// smallest screen size. Never a text that reads as another figure.
#include "platform/screen_fit.h"

#include <QWidget>

#include <gtest/gtest.h>

// The marks before a figure's digits: sign, yen mark, "@".
inline QString figureMarks(const QString& figure) {
    qsizetype n = 0;
    while (n < figure.size() && QStringLiteral("-+¥@").contains(figure[n]))
        ++n;
    return figure.left(n);
}

// Paints the widget and gives what it painted last for owner (and cell); fails when nothing.
inline const lukana::platform::ScreenText* paintedBy(lukana::platform::ScreenTextRecording& rec,
                                                     QWidget& painted, const QWidget* owner,
                                                     QPoint cell = {-1, -1}) {
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
