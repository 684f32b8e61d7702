#pragma once
// The width a text box paints its text in, to check that a text shows whole.
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
