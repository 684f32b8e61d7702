#include "summary_window.h"

#include "list_printout.h"
#include "platform/file_names.h"
#include "platform/pointer.h"
#include "storage/state.h"

namespace lukana {

using namespace platform;

SummaryWindow::SummaryWindow(DateForm dateForm, const QString& fromHeading,
                             const QString& toHeading, QWidget* parent)
    : Window(parent), filters_(new FilterControls(FilterControls::Kind::Summary, this)),
      listGrid_(new Grid(this)), totalsGrid_(new Grid(this)),
      printButton_(new QPushButton(QStringLiteral("印刷"), this)),
      backButton_(new QPushButton(QStringLiteral("戻る"), this)), dateForm_(dateForm),
      fromHeading_(fromHeading), toHeading_(toHeading), rows_(list_, dateForm) {
    layOutSummaryGrids(*listGrid_, *totalsGrid_, fromHeading_, toHeading_, dateForm_);
    listGrid_->setRowSource(&rows_);
    listGrid_->scrollSidewaysWith(*totalsGrid_); // the totals stay under their columns
    filters_->onChosen([this](int) { recalculate(); });
    filters_->onMatchModeChosen([this] { recalculate(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { onPrintClicked(); });
    connect(backButton_, &QPushButton::clicked, this, [this] { closeWindow(); });
}

std::string SummaryWindow::shownDepartmentName() {
    return denpyouBusyo >= 0 && denpyouBusyo < busyoCount
               ? busyoNames[static_cast<size_t>(denpyouBusyo)]
               : std::string();
}

void SummaryWindow::formActivate() {
    setMousePointer(Pointer::Normal);
}

void SummaryWindow::recalculate() {
    {
        Grid::Filling hideList(*listGrid_);
        Grid::Filling hideTotals(*totalsGrid_);
        layOutSummaryGrids(*listGrid_, *totalsGrid_, fromHeading_, toHeading_, dateForm_);
        periodShown();
        listSpans(shownDepartmentName(), periodSpans(),
                  VoucherFilter::fromSelection(filters_->parties(), filters_->matchMode()),
                  restartEachMonth(), list_, *month_);
        rows_.refresh();
        listGrid_->rowSourceChanged();
        showSummaryTotals(*totalsGrid_, list_.totals());
        fitSummaryGrids(*listGrid_, *totalsGrid_, rows_);
    }
}

void SummaryWindow::onPrintClicked() {
    ListPrintLayout layout;
    layout.title = printTitle() + filterTitle(*filters_);
    layout.left = printLeft();
    layout.columns.push_back({QStringLiteral("日付"), 110, printDateX(), false});
    const char* headings[] = {"税抜き額", "税抜き額計", "消費税", "消費税累計", "金額", "金額計"};
    for (int j = 1; j <= 6; ++j)
        layout.columns.push_back(
            {QString::fromUtf8(headings[j - 1]), 290.0 * j + 30, 290.0 * j + 220, true});
    layout.columns.push_back({QStringLiteral("どこから"), 2060, 1970, false});
    layout.columns.push_back({QStringLiteral("どこへ"), 2640, 2550, false});
    for (int k = 0; k <= 6; ++k) {
        layout.frameRules.push_back(290.0 * k + 220);
        layout.totalsRules.push_back(290.0 * k + 220);
    }
    layout.frameRules.push_back(2540);
    const SummaryTotals& t = list_.totals();
    layout.totals = {{800, QString::fromStdString(yen(t.exTax))},
                     {1380, QString::fromStdString(yen(t.tax))},
                     {1960, QString::fromStdString(yen(t.amount))}};
    const auto& rows = list_.rows();
    printList(
        layout, static_cast<int>(rows.size()),
        [&](int r, int c) {
            const SummaryRow& row = rows[static_cast<size_t>(r)];
            return c == 0 ? QString::fromStdString(printedDate(row, dateForm_)) : rows_.text(r, c);
        },
        platform::fileNameFrom(
            {windowTitle(), QString::fromStdString(shownDepartmentName()), filePeriod()}));
}

QString filterTitle(const FilterControls& filters) {
    return filters.shownText(kEntryType) + QStringLiteral("；") + filters.shownText(kFromParty) +
           QStringLiteral("から") + filters.shownText(kToParty) + QStringLiteral("へ") +
           filters.shownText(kAccountTitle) + QStringLiteral("の") + filters.shownText(kSubAccount);
}

} // namespace lukana
