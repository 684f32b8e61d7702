#pragma once
// What the four printouts of an analysis share: their header texts, the start of the job with
// its failure message, and the cutting of texts into printed pieces.
#include "platform/printer.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

namespace lukana::analysis {

// The header texts as they stand when the printout is asked for.
struct ReportHeader {
    std::string title; // the report title; the line printout's carries the key title behind it
    std::string periodLine;
    std::string conditionLine; // with the detailed condition when the customer type asks for it
    std::string fileName = {}; // proposed for a printout to a file; empty: the title
};

// The failure messages: the bar and line printouts end theirs with "。", the others do not.
inline const QString kChartPrinterMissing = QStringLiteral("プリンターが接続されていません。");
inline const QString kPrinterMissing = QStringLiteral("プリンターが接続されていません");

// Shows the printer choice (proposing the header's file name), then draws the document onto the
// chosen printer and finishes it. Cancel ends silently; no printer to set up, or any failure while
// drawing, shows failureMessage once and abandons the job.
void runPrintout(platform::Orientation orientation, const ReportHeader& header,
                 const QString& failureMessage,
                 const std::function<void(platform::PageWriter&)>& draw);

// The text in pieces of at most perPiece characters; an empty text is one empty piece.
QStringList printPieces(const std::string& text, int perPiece);

// A chart label: up to 16 characters on one line at 9 points; a longer one takes one point
// less per 16 characters it would need (never below 1 point) and lines three characters
// longer per point below 8.
struct ChartLabel {
    double points = 9;
    QStringList lines;
    bool wrapped() const { return lines.size() > 1; }
};
ChartLabel chartLabel(const std::string& label);

} // namespace lukana::analysis
