#include "analysis_window.h"

#include "analysis_csv.h"
#include "department_files.h"
#include "detail_condition_frame.h"
#include "filter_texts.h"
#include "period_frame.h"
#include "platform/csv_export.h"
#include "platform/grid.h"
#include "platform/message_box.h"
#include "storage/state.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lukana::analysis {
namespace {

QPushButton* chartButton(const char* caption, QWidget* parent) {
    // Charts, their printouts and copies are not built yet.
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setEnabled(false);
    return button;
}

// A chart's viewport with its two empty drawing surfaces (figure only, figure with texts) and
// its scroll bar.
QWidget* chartViewport(Qt::Orientation scrolling, QSize size, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* layout = scrolling == Qt::Vertical ? static_cast<QBoxLayout*>(new QHBoxLayout(box))
                                             : static_cast<QBoxLayout*>(new QVBoxLayout(box));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* view = new QWidget(box);
    view->setMinimumSize(size);
    view->setAutoFillBackground(true);
    QPalette white = view->palette();
    white.setColor(QPalette::Window, Qt::white);
    view->setPalette(white);
    for (int surface = 0; surface < 2; ++surface) {
        auto* picture = new QWidget(view);
        picture->setAutoFillBackground(true);
        picture->setPalette(white);
        picture->setGeometry(0, 0, size.width(), size.height());
        picture->setMinimumSize(size);
    }
    layout->addWidget(view);
    auto* bar = new platform::ScrollBar(scrolling, box);
    bar->setRange(0, 0);
    layout->addWidget(bar);
    return box;
}

} // namespace

AnalysisWindow::AnalysisWindow(AnalysisKind kind, MonthSourceMaker months, QWidget* parent)
    : platform::Window(parent), kind_(kind), months_(std::move(months)), analysis_(kind) {
    if (!months_)
        months_ = [](const std::string& busyo) {
            return std::unique_ptr<MonthSource>(std::make_unique<DepartmentMonths>(busyo));
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
    periodFrame_->onRecalculate([this] { preHyouji(); });

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
        auto* list = new platform::ComboBox(panel);
        column->addWidget(list);
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
    detailFrame_->onRecalculate([this] { preHyouji(); });
    detailFrame_->hide();
    column->addWidget(detailFrame_);
    column->addStretch();
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
    controls->addWidget(chartButton("グラフの印刷", panel));
    auto* copyFrame = new QGroupBox(QStringLiteral("クリップボードに"), panel);
    auto* copyRow = new QHBoxLayout(copyFrame);
    copyRow->addWidget(new QLabel(QStringLiteral("グラフのコピー"), copyFrame));
    copyRow->addWidget(chartButton("図だけ", copyFrame));
    copyRow->addWidget(chartButton("図と文字", copyFrame));
    controls->addWidget(copyFrame);
    column->addLayout(controls);
    column->addWidget(chartViewport(Qt::Vertical, QSize(440, 270), panel), 1);
    return panel;
}

QWidget* AnalysisWindow::buildTable() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    grid_ = new platform::Grid(panel);
    grid_->onClick([this] { onRowClicked(); });
    column->addWidget(grid_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(chartButton("表印刷", panel));
    tableCsvButton_ = new QPushButton(QStringLiteral("CSVファイル"), panel);
    connect(tableCsvButton_, &QPushButton::clicked, this, [this] { onTableCsvClicked(); });
    buttons->addWidget(tableCsvButton_);
    column->addLayout(buttons);
    panel->setFixedWidth(300);
    return panel;
}

QWidget* AnalysisWindow::buildLineChart() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* controls = new QHBoxLayout;
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
    controls->addWidget(chartButton("グラフの印刷", panel));
    auto* copyFrame = new QGroupBox(QStringLiteral("クリップボードにグラフのコピー"), panel);
    auto* copyRow = new QHBoxLayout(copyFrame);
    copyRow->addWidget(chartButton("図だけ", copyFrame));
    copyRow->addWidget(chartButton("図と文字", copyFrame));
    controls->addWidget(copyFrame);
    seriesCsvButton_ = new QPushButton(QStringLiteral("CSVファイル"), panel);
    connect(seriesCsvButton_, &QPushButton::clicked, this, [this] { onSeriesCsvClicked(); });
    controls->addWidget(seriesCsvButton_);
    controls->addStretch();
    column->addLayout(controls);
    column->addWidget(chartViewport(Qt::Horizontal, QSize(1150, 120), panel));
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

void AnalysisWindow::formLoad() {
    loadingGuard_ = true;
    periodFrame_->setLoading(true);
    grid_->setCols(3);
    grid_->setRows(1);
    grid_->setFixedRows(0);
    const std::array<const char*, 3> headings{"順位", "メニュー名", "オーダー数"};
    const std::array<int, 3> widths{600, 1900, 1000};
    for (int c = 0; c < 3; ++c) {
        grid_->setText(0, c, QString::fromUtf8(headings[c]));
        grid_->setColWidth(c, widths[c]);
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
    selTenpo();
    if (categoryList_) {
        combo2Filling_ = true;
        std::vector<std::string> entries{"全て"};
        for (int k = 0; k < std::clamp(mbunCount, 0, int(mbunRecs.size())); ++k)
            entries.push_back(mbunRecs[k].name);
        fillList(categoryList_, entries);
        categoryList_->setListIndex(0);
        combo2Filling_ = false;
    }
    preHyouji();
}

void AnalysisWindow::selTenpo() {
    const int index = departmentList_->listIndex();
    for (const std::string& file : analysis::selTenpo(busyoNames[index]))
        platform::msgBox(
            QStringLiteral("%1 が壊れていて読めませんでした。").arg(QString::fromStdString(file)));
}

void AnalysisWindow::onCategoryChosen() {
    if (!listFilling_ && !combo2Filling_)
        preHyouji();
}

void AnalysisWindow::onFilterChosen() {
    if (!listFilling_ && !loadingGuard_)
        preHyouji();
}

void AnalysisWindow::onCustomerTypeChosen() {
    if (listFilling_)
        return;
    detailFrame_->setVisible(customerTypeList_->listIndex() == kDetailed);
    if (!loadingGuard_)
        preHyouji();
}

void AnalysisWindow::onChartKindChosen(int kind) {
    chartKind_ = kind;
    if (!loadingGuard_)
        preHyouji();
}

void AnalysisWindow::onLineAxisChosen(int axis) {
    lineAxis_ = static_cast<LineAxis>(axis);
    hyouji3();
}

void AnalysisWindow::onRowClicked() {
    if (grid_->row() != 0)
        hyouji3();
}

Filters AnalysisWindow::currentFilters() const {
    Filters f;
    f.weekday = std::max(weekdayList_->listIndex(), 0);
    f.arrivalSlot = arrivalSlotList_ ? std::max(arrivalSlotList_->listIndex(), 0) : 0;
    f.customerType = std::max(customerTypeList_->listIndex(), 0);
    f.detailCounts = detailFrame_->counts();
    f.detailModes = detailFrame_->modes();
    f.categorySel = categoryList_ ? std::max(categoryList_->listIndex(), 0) : 0;
    return f;
}

void AnalysisWindow::preHyouji() {
    const int index = departmentList_->listIndex();
    if (index < 0)
        return;
    const std::unique_ptr<MonthSource> months = months_(busyoNames[index]);
    analysis_.recalculate(periodFrame_->period(), currentFilters(),
                          kind_ == AnalysisKind::Menu ? currentMenuCatalogue() : MenuCatalogue{},
                          *months);
    hyouji2();
}

void AnalysisWindow::hyouji2() {
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
    grid_->setRow(static_cast<int>(rows.size()));
}

void AnalysisWindow::hyouji3() {
    analysis_.buildSeries(grid_->row(), lineAxis_);
}

void AnalysisWindow::onTableCsvClicked() {
    platform::saveCsvFile([this] { return rankingTableCsv(analysis_); });
}

void AnalysisWindow::onSeriesCsvClicked() {
    platform::saveCsvFile([this] { return lineSeriesCsv(analysis_); });
}

} // namespace lukana::analysis
