#include "sales_list_printout.h"

#include "core/sales_list_csv.h"
#include "platform/drawing.h"
#include "platform/file_names.h"
#include "platform/print_fit.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "storage/display_format.h"
#include "storage/routines.h"

#include <QList>

namespace lukana {

namespace {

constexpr double kRow = 70, kColumn = 300;
constexpr double kLeft = 60, kRight = 4430, kFirstRule = 170, kFirstColumn = 220;

void textAt(platform::DrawingSurface& page, double x, double y, const QString& text) {
    if (!text.isEmpty())
        page.text({x, y}, text);
}

constexpr double kListPoints = 8;

// A cell's text right-aligned between the rules of its column, drawn smaller or cut where it
// is too wide.
void cell(platform::DrawingSurface& page, int column, int line, const std::string& text) {
    const double rule = (column - 1) * kColumn + kFirstColumn;
    platform::textBetweenRules(page, rule - kColumn, rule, line * kRow + 180,
                               platform::toQString(text), kListPoints);
}

// A day's or a summary row's label in the band left of the first column.
void label(platform::DrawingSurface& page, double y, const std::string& text) {
    platform::textBeforeNextRule(page, 70, kFirstColumn, y, platform::toQString(text), kListPoints);
}

} // namespace

void drawSalesList(platform::DrawingSurface& page, const SalesList& list, int year, int month,
                   const std::string& departmentName) {
    const int days = static_cast<int>(list.days.size());
    const int lines = days + static_cast<int>(list.summary.size());
    const double bottom = lines * kRow + 250;
    page.setFontSize(kListPoints);
    page.setScale({0, 0}, {4450, lines * kRow + 300});

    page.setFontSize(12);
    textAt(page, 1500, 50, platform::toQString(salesListTitle(year, month, departmentName)));
    page.setFontSize(kListPoints);
    for (int d = 1; d <= days; ++d)
        label(page, d * kRow + 180, Str(d) + weekdayName(year, month, d));
    for (size_t r = 0; r < list.summary.size(); ++r)
        label(page, days * kRow + 250 + static_cast<double>(r) * kRow, kSalesListSummaryLabels[r]);
    // Headings over the amount columns only; the shares have none on paper.
    for (int j = 0; j < kSalesListAmountColumns; ++j)
        textAt(page, kFirstColumn + j * kColumn, 180, platform::toQString(kSalesListHeadings[j]));

    for (int line = 1; line <= lines; ++line) {
        const SalesListRow& row =
            line <= days ? list.days[line - 1] : list.summary[line - days - 1];
        for (int j = 0; j < kSalesListColumns; ++j)
            cell(page, j + 2, line, row[j]);
        page.line({kLeft, line * kRow + kFirstRule}, {kRight, line * kRow + kFirstRule});
    }

    page.setLineWidth(1);
    for (int j = 0; j < kSalesListColumns; ++j)
        page.line({kFirstColumn + j * kColumn, kFirstRule}, {kFirstColumn + j * kColumn, bottom});
    page.setLineWidth(4);
    page.box({kLeft, kFirstRule}, {kRight, bottom});
    page.line({kLeft, days * kRow + 240}, {kRight, days * kRow + 240});
    page.setLineWidth(1);
}

QString salesListFileName(int year, int month, const std::string& departmentName) {
    return platform::fileNameFrom({QStringLiteral("売上一覧"),
                                   QString::fromStdString(departmentName),
                                   platform::fileDate(year, month)});
}

void printSalesList(const SalesList& list, int year, int month, const std::string& departmentName) {
    platform::runPrintout(platform::Orientation::Landscape,
                          salesListFileName(year, month, departmentName),
                          [&](platform::PageWriter& page) {
                              drawSalesList(page, list, year, month, departmentName);
                          });
}

} // namespace lukana
