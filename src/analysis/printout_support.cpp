#include "printout_support.h"

#include "headline.h"

#include <algorithm>

namespace lukana::analysis {

void runPrintout(platform::Orientation orientation, const std::string& documentName,
                 const QString& failureMessage,
                 const std::function<void(platform::PageWriter&)>& draw) {
    platform::Printout printout =
        platform::startPrintout(orientation, QString::fromStdString(documentName));
    if (!platform::printoutStarted(printout, failureMessage))
        return;
    draw(*printout.writer);
    platform::finishPrintout(*printout.writer, failureMessage);
}

QStringList printPieces(const std::string& text, int perPiece) {
    QStringList pieces;
    for (const std::string& piece : splitByCharacters(text, perPiece))
        pieces << QString::fromStdString(piece);
    return pieces;
}

ChartLabel chartLabel(const std::string& label) {
    const int needed = static_cast<int>(splitByCharacters(label, 16).size());
    if (needed <= 1)
        return {9, {QString::fromStdString(label)}};
    return {static_cast<double>(std::max(1, 9 - needed)),
            printPieces(label, 3 * (needed - 2) + 16)};
}

} // namespace lukana::analysis
