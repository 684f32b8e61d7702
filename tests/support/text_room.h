#pragma once
// The width a box or a label paints its text in: a text no wider shows whole.
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

inline int textRoom(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return contents.marginsRemoved(box->textMargins()).width() - 2 * 2; // its margin each side
}

// A framed label without an indent of its own keeps half an "x" beside its text.
inline int textRoom(const QLabel* label) {
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0
                     ? label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                     : 0;
    return label->contentsRect().width() - 2 * label->margin() - indent;
}
