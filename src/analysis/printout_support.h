#pragma once
// What the four printouts of an analysis share: their header texts, the name a printout to a
// file proposes, the chart printouts' failure message and the cutting of texts into pieces.
#include "platform/printer.h"

#include <QString>
#include <QStringList>

#include <string>

namespace lukana {

// The header texts as they stand when the printout is asked for.
struct ReportHeader {
    std::string title; // the report title; the line printout's carries the key title behind it
    std::string periodLine;
    std::string conditionLine; // with the detailed condition when the customer type asks for it
    std::string fileName = {}; // proposed for a printout to a file; empty: the title

    QString documentName() const {
        return QString::fromStdString(fileName.empty() ? title : fileName);
    }
};

// The bar and line printouts end their failure message with "。"; the others say
// platform::kPrinterMissing.
inline const platform::PrintoutOptions kChartPrintoutOptions{
    .failureMessage = QStringLiteral("プリンターが接続されていません。")};

// The text in pieces of at most perPiece characters; an empty text is one empty piece.
QStringList printPieces(const std::string& text, int perPiece);

// A chart label on paper: chartLabelLines with a line base of 16 characters.
struct ChartLabel {
    double points = 9;
    QStringList lines;
    bool wrapped() const { return lines.size() > 1; }
};
ChartLabel chartLabel(const std::string& label);

} // namespace lukana
