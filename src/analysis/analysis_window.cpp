#include "analysis_window.h"

#include "bar_chart.h"
#include "bar_printout.h"
#include "chart_viewport.h"
#include "core/analysis_csv.h"
#include "core/department_files.h"
#include "core/filter_texts.h"
#include "core/headline.h"
#include "detail_condition_frame.h"
#include "line_printout.h"
#include "period_frame.h"
#include "pie_chart.h"
#include "pie_printout.h"
#include "platform/csv_export.h"
#include "platform/file_names.h"
#include "platform/grid.h"
#include "platform/message_box.h"
#include "platform/surface.h"
#include "storage/state.h"
#include "table_printout.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <array>

namespace lukana {
namespace {

// The ranking grid's rank, label and value columns, in twips.
constexpr std::array<int, 3> kRankingWidths{600, 1900, 1000};
constexpr int kValueCol = 2;

QPushButton* printButton(const char* objectName, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(objectName));
    return button;
}

} // namespace

AnalysisWindow::AnalysisWindow(AnalysisKind kind, MonthSourceMaker months, QWidget* parent)
    : platform::Window(parent), kind_(kind), months_(std::move(months)), analysis_(kind) {
    if (!months_)
        months_ = [](const std::string& department) {
            return std::unique_ptr<MonthSource>(std::make_unique<DepartmentMonths>(department));
        };
    setWindowTitle(QStringLiteral("売れ筋メニュー分析"));
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("部署名"), this));
    departmentList_ = new platform::ComboBox(this);
    departmentList_->setMinimumWidth(180);
    departmentList_->onChange([this] { onDepartmentChosen(); });
    top->addWidget(departmentList_);
    if (kind_ == AnalysisKind::Menu) {
        top->addSpacing(24);
        top->addWidget(new QLabel(QStringLiteral("メニュー分類"), this));
        categoryList_ = new platform::ComboBox(this);
        categoryList_->setMinimumWidth(160);
        categoryList_->onChange([this] { onCategoryChosen(); });
        top->addWidget(categoryList_);
    }
    top->addStretch();

    periodFrame_ = new PeriodFrame(this);
    periodFrame_->onRecalculate([this] { recalculate(); });

    auto* middle = new QHBoxLayout;
    middle->addWidget(buildFilters());
    middle->addWidget(buildRankingChart());
    middle->addWidget(buildTable());

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(periodFrame_);
    layout->addLayout(middle);
    layout->addWidget(buildLineChart());
    resize(1220, 700);
}

AnalysisWindow::~AnalysisWindow() = default;

QWidget* AnalysisWindow::buildFilters() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    const auto addList = [&](const char* caption) {
        column->addWidget(new QLabel(QString::fromUtf8(caption), panel));
        auto* list = new platform::ListBox(panel);
        // Three rows at least: the detail frame must find room below without the window
        // outgrowing the screen.
        list->setMinimumHeight(3 * list->fontMetrics().height() + 2 * list->frameWidth());
        column->addWidget(list, 1);
        return list;
    };
    weekdayList_ = addList("曜日");
    weekdayList_->onChange([this] { onFilterChosen(); });
    if (kind_ == AnalysisKind::Menu) {
        arrivalSlotList_ = addList("時間帯");
        arrivalSlotList_->onChange([this] { onFilterChosen(); });
    }
    customerTypeList_ = addList("客層");
    customerTypeList_->onChange([this] { onCustomerTypeChosen(); });
    detailFrame_ = new DetailConditionFrame(panel);
    detailFrame_->onRecalculate([this] { recalculate(); });
    detailFrame_->hide();
    column->addWidget(detailFrame_);
    panel->setFixedWidth(300);
    return panel;
}

QWidget* AnalysisWindow::buildRankingChart() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* controls = new QHBoxLayout;
    auto* kindFrame = new QGroupBox(QStringLiteral("グラフの種類"), panel);
    auto* kindRow = new QHBoxLayout(kindFrame);
    const std::array<const char*, 2> kinds{"棒グラフ", "円グラフ"};
    for (int k = 0; k < 2; ++k) {
        chartKindButtons_[k] = new platform::OptionButton(QString::fromUtf8(kinds[k]), kindFrame);
        chartKindButtons_[k]->onChange([this, k] { onChartKindChosen(k); });
        kindRow->addWidget(chartKindButtons_[k]);
    }
    chartKindButtons_[0]->setChecked(true);
    controls->addWidget(kindFrame);
    rankingPrintButton_ =
        printButton("rankingChartPrintButton", QStringLiteral("グラフの印刷"), panel);
    connect(rankingPrintButton_, &QPushButton::clicked, this, [this] { onRankingPrintClicked(); });
    controls->addWidget(rankingPrintButton_);
    auto* copyFrame = new QGroupBox(QStringLiteral("クリップボードに"), panel);
    auto* copyRow = new QHBoxLayout(copyFrame);
    copyRow->addWidget(new QLabel(QStringLiteral("グラフのコピー"), copyFrame));
    addCopyButtons(copyRow, ChartPicture::RankingFigure, ChartPicture::RankingTexts);
    controls->addWidget(copyFrame);
    column->addLayout(controls);
    rankingViewport_ = new ChartViewport(ChartViewport::rankingLayout(), panel);
    column->addWidget(rankingViewport_);
    column->addStretch();
    return panel;
}

void AnalysisWindow::addCopyButtons(QBoxLayout* row, ChartPicture figure, ChartPicture texts) {
    const std::array<std::pair<ChartPicture, const char*>, 2> buttons{
        {{figure, "図だけ"}, {texts, "図と文字"}}};
    for (const auto& [picture, caption] : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(caption), row->parentWidget());
        connect(button, &QPushButton::clicked, this, [this, p = picture] { onCopyClicked(p); });
        copyButtons_[int(picture)] = button;
        row->addWidget(button);
    }
}

QWidget* AnalysisWindow::buildTable() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    grid_ = new platform::Grid(panel);
    grid_->onClick([this] { onRowClicked(); });
    column->addWidget(grid_);
    auto* buttons = new QHBoxLayout;
    tablePrintButton_ = printButton("tablePrintButton", QStringLiteral("表印刷"), panel);
    connect(tablePrintButton_, &QPushButton::clicked, this, [this] { onTablePrintClicked(); });
    buttons->addWidget(tablePrintButton_);
    tableCsvButton_ = new QPushButton(QStringLiteral("CSVファイル"), panel);
    connect(tableCsvButton_, &QPushButton::clicked, this, [this] { onTableCsvClicked(); });
    buttons->addWidget(tableCsvButton_);
    column->addLayout(buttons);
    panel->setFixedWidth(300);
    return panel;
}

QWidget* AnalysisWindow::buildLineChart() {
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    lineViewport_ = new ChartViewport(ChartViewport::lineLayout(), panel);
    row->addWidget(lineViewport_, 0, Qt::AlignTop);
    // The controls stand in a column beside the chart, so that the window fits the screen.
    auto* controls = new QVBoxLayout;
    auto* axisFrame = new QGroupBox(QStringLiteral("グラフ横軸"), panel);
    auto* axisRow = new QHBoxLayout(axisFrame);
    const std::array<const char*, 3> axes{"日", "週", "月"};
    for (int a = 0; a < 3; ++a) {
        lineAxisButtons_[a] = new platform::OptionButton(QString::fromUtf8(axes[a]), axisFrame);
        lineAxisButtons_[a]->onChange([this, a] { onLineAxisChosen(a); });
        axisRow->addWidget(lineAxisButtons_[a]);
    }
    lineAxisButtons_[0]->setChecked(true);
    controls->addWidget(axisFrame);
    auto* copyFrame = new QGroupBox(QStringLiteral("クリップボードにグラフのコピー"), panel);
    auto* copyRow = new QHBoxLayout(copyFrame);
    addCopyButtons(copyRow, ChartPicture::LineFigure, ChartPicture::LineTexts);
    controls->addWidget(copyFrame);
    auto* buttons = new QHBoxLayout;
    linePrintButton_ = printButton("lineChartPrintButton", QStringLiteral("グラフの印刷"), panel);
    connect(linePrintButton_, &QPushButton::clicked, this, [this] { onLinePrintClicked(); });
    buttons->addWidget(linePrintButton_);
    seriesCsvButton_ = new QPushButton(QStringLiteral("CSVファイル"), panel);
    connect(seriesCsvButton_, &QPushButton::clicked, this, [this] { onSeriesCsvClicked(); });
    buttons->addWidget(seriesCsvButton_);
    controls->addLayout(buttons);
    controls->addStretch();
    row->addLayout(controls);
    row->addStretch();
    return panel;
}

void AnalysisWindow::fillList(platform::ComboBox* list, const std::vector<std::string>& entries) {
    // Filling chooses nothing: the list's own choice is made afterwards.
    listFilling_ = true;
    list->clear();
    for (const std::string& entry : entries)
        list->addItem(QString::fromStdString(entry));
    list->setListIndex(-1);
    listFilling_ = false;
}

void AnalysisWindow::fillList(platform::ListBox* list, const std::vector<std::string>& entries) {
    QStringList texts;
    for (const std::string& entry : entries)
        texts << QString::fromStdString(entry);
    list->setItemsQuietly(texts);
}

void AnalysisWindow::formLoad() {
    loadingGuard_ = true;
    periodFrame_->setLoading(true);
    grid_->setCols(3);
    grid_->setRows(1);
    grid_->setFixedRows(0);
    const std::array<const char*, 3> headings{"順位", "メニュー名", "オーダー数"};
    for (int c = 0; c < 3; ++c) {
        grid_->setText(0, c, QString::fromUtf8(headings[c]));
        grid_->setColWidth(c, kRankingWidths[c]);
    }
    fillList(weekdayList_, weekdayEntries());
    if (arrivalSlotList_)
        fillList(arrivalSlotList_, arrivalSlotEntries());
    fillList(customerTypeList_, customerTypeEntries());
    weekdayList_->setListIndex(0);
    if (arrivalSlotList_)
        arrivalSlotList_->setListIndex(0);
    customerTypeList_->setListIndex(0);
    chartKindButtons_[0]->setChecked(true);
    periodFrame_->selectPreset(PeriodPreset::LastMonth);
    periodFrame_->setLoading(false);
    lineAxis_ = LineAxis::Days;

    std::vector<std::string> names(
        busyoNames.begin(), busyoNames.begin() + std::clamp(busyoCount, 0, int(busyoNames.size())));
    fillList(departmentList_, names);
    departmentList_->setListIndex(curBusyo); // none when there is no such department
    loadingGuard_ = false;

    if (QWidget* opener = QApplication::activeWindow(); opener && opener != this)
        move(opener->geometry().center() - rect().center());
}

void AnalysisWindow::onDepartmentChosen() {
    const int index = departmentList_->listIndex();
    if (listFilling_ || index < 0)
        return;
    curBusyo = index;
    loadDepartmentFiles();
    if (categoryList_) {
        categoryFilling_ = true;
        std::vector<std::string> entries{"全て"};
        for (int k = 0; k < std::clamp(mbunCount, 0, int(mbunRecs.size())); ++k)
            entries.push_back(mbunRecs[k].name);
        fillList(categoryList_, entries);
        categoryList_->setListIndex(0);
        categoryFilling_ = false;
    }
    recalculate();
}

void AnalysisWindow::loadDepartmentFiles() {
    const int index = departmentList_->listIndex();
    for (const std::string& file : readDepartmentFiles(busyoNames[index]))
        platform::msgBox(
            QStringLiteral("%1 が壊れていて読めませんでした。").arg(QString::fromStdString(file)));
}

void AnalysisWindow::onCategoryChosen() {
    if (!listFilling_ && !categoryFilling_)
        recalculate();
}

void AnalysisWindow::onFilterChosen() {
    if (!listFilling_ && !loadingGuard_)
        recalculate();
}

void AnalysisWindow::onCustomerTypeChosen() {
    if (listFilling_)
        return;
    detailFrame_->setVisible(customerTypeList_->listIndex() == kDetailed);
    if (!loadingGuard_)
        recalculate();
}

void AnalysisWindow::onChartKindChosen(int kind) {
    chartKind_ = kind;
    if (!loadingGuard_)
        recalculate();
}

void AnalysisWindow::onLineAxisChosen(int axis) {
    lineAxis_ = static_cast<LineAxis>(axis);
    showLineChart();
}

void AnalysisWindow::onCopyClicked(ChartPicture picture) {
    copyToClipboard(surface(picture));
}

platform::Surface& AnalysisWindow::surface(ChartPicture picture) const {
    switch (picture) {
    case ChartPicture::RankingFigure:
        return rankingViewport_->figure();
    case ChartPicture::RankingTexts:
        return rankingViewport_->texts();
    case ChartPicture::LineFigure:
        return lineViewport_->figure();
    case ChartPicture::LineTexts:
        break;
    }
    return lineViewport_->texts();
}

platform::ScrollBar& AnalysisWindow::rankingScrollBar() const {
    return rankingViewport_->scrollBar();
}

platform::ScrollBar& AnalysisWindow::lineScrollBar() const {
    return lineViewport_->scrollBar();
}

void AnalysisWindow::onRowClicked() {
    if (grid_->row() != 0)
        showLineChart();
}

Filters AnalysisWindow::currentFilters() const {
    Filters f;
    f.weekday = std::max(weekdayList_->listIndex(), 0);
    f.arrivalSlot = arrivalSlotList_ ? std::max(arrivalSlotList_->listIndex(), 0) : 0;
    f.customerType = std::max(customerTypeList_->listIndex(), 0);
    f.detailCounts = detailFrame_->counts();
    f.detailModes = detailFrame_->modes();
    f.categoryChoice = categoryList_ ? std::max(categoryList_->listIndex(), 0) : 0;
    return f;
}

void AnalysisWindow::recalculate() {
    const int index = departmentList_->listIndex();
    if (index < 0)
        return;
    countedDepartment_ = busyoNames[index];
    const std::unique_ptr<MonthSource> months = months_(countedDepartment_);
    analysis_.recalculate(periodFrame_->period(), currentFilters(),
                          kind_ == AnalysisKind::Menu ? currentMenuCatalogue() : MenuCatalogue{},
                          *months);
    showRanking();
}

void AnalysisWindow::showRanking() {
    {
        platform::Grid::Filling filling(*grid_);
        const auto& rows = analysis_.rows();
        grid_->setRows(1 + static_cast<int>(rows.size()));
        grid_->setFixedRows(rows.empty() ? 0 : 1);
        for (int r = 1; r <= static_cast<int>(rows.size()); ++r) {
            const RankingRow& row = rows[r - 1];
            grid_->setText(r, 0, QString::number(row.rank));
            grid_->setText(r, 1, QString::fromStdString(row.label));
            grid_->setText(r, 2, QString::number(row.value));
        }
        // Totals run to 64 bits: the value column widens to its widest figure.
        grid_->fitColWidthToTexts(kValueCol, kRankingWidths[kValueCol]);
        grid_->setRow(static_cast<int>(rows.size()));
    }
    drawRankingChart();
}

void AnalysisWindow::clearLineChart() {
    lineViewport_->setScrollMaximum(0);
    lineViewport_->clear();
    lineScale_ = {};
}

void AnalysisWindow::drawRankingChart() {
    // A new ranking makes the line chart stale.
    clearLineChart();
    platform::Surface& figure = rankingViewport_->figure();
    platform::Surface& texts = rankingViewport_->texts();
    const std::optional<int> scrollMaximum =
        chartKind_ == 0 ? drawBarChart(figure, texts, analysis_, rankingScale_)
                        : drawPieChart(figure, texts, analysis_, rankingScale_);
    if (scrollMaximum)
        rankingViewport_->setScrollMaximum(*scrollMaximum);
}

void AnalysisWindow::showLineChart() {
    const int row = grid_->row();
    analysis_.buildSeries(row, lineAxis_);
    if (row < 1 || row > static_cast<int>(analysis_.rows().size())) {
        // The heading row is current: no key, so no line stands under the new axis.
        clearLineChart();
        return;
    }
    const LineChart chart =
        drawLineChart(lineViewport_->figure(), lineViewport_->texts(), analysis_.series(),
                      QString::fromStdString(keyTitle(analysis_.keyLabel())));
    lineScale_ = chart.scale;
    lineViewport_->setScrollMaximum(chart.scrollMaximum);
}

void AnalysisWindow::onTableCsvClicked() {
    platform::saveCsvFile([this] { return rankingTableCsv(analysis_); },
                          fileName({QStringLiteral("ランキング")}));
}

void AnalysisWindow::onSeriesCsvClicked() {
    platform::saveCsvFile([this] { return lineSeriesCsv(analysis_); },
                          fileName(seriesOutput(QStringLiteral("推移"))));
}

QString AnalysisWindow::fileName(const QStringList& output) const {
    // The report, department and period of the last recalculation, as its figures have them.
    const AnalysisPeriod& p = analysis_.period();
    return platform::fileNameFrom(
        QStringList{QString::fromStdString(analysis_.reportTitle()),
                    QString::fromStdString(countedDepartment_)} +
        output +
        QStringList{platform::fileDate(p.fromYear, p.fromMonth, p.fromDay) + QStringLiteral("-") +
                    platform::fileDate(p.toYear, p.toMonth, p.toDay)});
}

QStringList AnalysisWindow::seriesOutput(const QString& kind) const {
    static const std::array<const char*, 3> axes{"日別", "週別", "月別"};
    return {kind, QString::fromStdString(analysis_.keyLabel()),
            QString::fromUtf8(axes[static_cast<size_t>(lineAxis_)])};
}

ReportHeader AnalysisWindow::printoutHeader(bool withKeyTitle, const QStringList& output) const {
    ReportHeader header = printHeader(withKeyTitle);
    header.fileName = fileName(output).toStdString();
    return header;
}

ReportHeader AnalysisWindow::printHeader(bool withKeyTitle) const {
    // The filters of the last recalculation, as the CSV files and the charts show them: a
    // detailed count changed since then is not what the figures were counted with.
    std::string title = analysis_.reportTitle();
    if (withKeyTitle)
        title += keyTitle(analysis_.keyLabel());
    return {title, analysis_.periodLine(), analysis_.conditionLine(true)};
}

void AnalysisWindow::onRankingPrintClicked() {
    if (chartKind_ == 0)
        printBarChart(printoutHeader(false, {QStringLiteral("棒グラフ")}), analysis_.rows());
    else if (chartKind_ == 1)
        printPieChart(printoutHeader(false, {QStringLiteral("円グラフ")}), analysis_.rows());
}

void AnalysisWindow::onLinePrintClicked() {
    printLineChart(printoutHeader(true, seriesOutput(QStringLiteral("折れ線グラフ"))),
                   analysis_.series());
}

void AnalysisWindow::onTablePrintClicked() {
    // The cells are read without moving the current cell: the line chart's key stays the row
    // the user clicked.
    std::vector<TableLine> lines;
    for (int r = 1; r < grid_->rows(); ++r)
        lines.push_back({grid_->text(r, 0), grid_->text(r, 1), grid_->text(r, 2)});
    printRankingTable(printoutHeader(false, {QStringLiteral("ランキング表")}), lines,
                      [this](bool shown) { grid_->setVisible(shown); });
}

} // namespace lukana
