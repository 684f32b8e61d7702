#include "text_fit.h"

#include <QStringList>

#include <algorithm>

namespace lukana::platform {

namespace {

const QString kEllipsis = QStringLiteral("…");

// The smallest step a size is lowered by: hinted widths at a coarse resolution do not shrink
// in proportion to the size.
constexpr double kPointStep = 0.25;

bool isFigureMark(QChar c) {
    return c == u'-' || c == u'+' || c == u'¥' || c == u'\\' || c == u'@';
}

// The marks before a figure's digits, kept in front when it is cut.
qsizetype leadLength(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && isFigureMark(text[n]))
        ++n;
    return n;
}

// The cut texts, longest first.
QStringList cuts(const QString& text, TextKeep keep) {
    QStringList list;
    if (keep == TextKeep::Start) {
        for (qsizetype kept = text.size() - 1; kept > 0; --kept)
            if (!text[kept - 1].isHighSurrogate())
                list.append(text.left(kept) + kEllipsis);
        return list;
    }
    const qsizetype lead = leadLength(text);
    const QString marks = text.left(lead);
    const QString digits = text.mid(lead);
    for (qsizetype kept = digits.size() - 1; kept > 0; --kept) {
        const QChar first = digits[digits.size() - kept];
        if (first != u',' && first != u'.' && !first.isLowSurrogate())
            list.append(marks + kEllipsis + digits.right(kept));
    }
    if (lead > 0)
        list.append(marks + kEllipsis);
    return list;
}

} // namespace

FittedText fitText(const QString& text, double room, double points, double smallest, TextKeep keep,
                   const TextWidthAt& widthAt) {
    double width = widthAt(text, points);
    if (width <= room || text.isEmpty())
        return {text, points, width};
    smallest = std::min(smallest, points);
    double size = std::max(smallest, std::min(points, points * room / width));
    for (;;) {
        width = widthAt(text, size);
        if (width <= room || size <= smallest)
            break;
        size = std::max(smallest, size - kPointStep);
    }
    if (width <= room)
        return {text, size, width};
    for (const QString& cut : cuts(text, keep))
        if (const double w = widthAt(cut, size); w <= room)
            return {cut, size, w, true};
    return {kEllipsis, size, widthAt(kEllipsis, size), true};
}

bool readsAsFigure(const QString& text) {
    bool digit = false;
    for (qsizetype i = leadLength(text); i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128)
            digit = true;
        else if (c != u',' && c != u'.')
            return false;
    }
    return digit;
}

} // namespace lukana::platform
