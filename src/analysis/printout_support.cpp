#include "printout_support.h"

#include "core/headline.h"

namespace lukana {

QStringList printPieces(const std::string& text, int perPiece) {
    QStringList pieces;
    for (const std::string& piece : splitByCharacters(text, perPiece))
        pieces << QString::fromStdString(piece);
    return pieces;
}

ChartLabel chartLabel(const std::string& label) {
    const ChartLabelLines shaped = chartLabelLines(label, 16);
    ChartLabel printed{static_cast<double>(shaped.points), {}};
    for (const std::string& line : shaped.lines)
        printed.lines << QString::fromStdString(line);
    return printed;
}

} // namespace lukana
