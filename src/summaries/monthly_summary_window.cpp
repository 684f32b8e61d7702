#include "monthly_summary_window.h"

#include "platform/clock.h"
#include "platform/file_names.h"
#include "storage/display_format.h"
#include "storage/state.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace lukana {

using namespace platform;

namespace {

QString str(int value) {
    return QString::fromStdString(Str(value));
}

} // namespace

MonthlySummaryWindow::MonthlySummaryWindow(QWidget* parent)
    : SummaryWindow(DateForm::MonthDay, QStringLiteral("どこから"), QStringLiteral("どこへ"),
                    parent),
      periodCaption_(new QLabel(this)), closingDay_(new ClosingDayEntry(this)),
      recalculateButton_(new QPushButton(QStringLiteral("再計算"), this)),
      previousMonthButton_(new QPushButton(QStringLiteral("前の月"), this)),
      nextMonthButton_(new QPushButton(QStringLiteral("次の月"), this)) {
    setWindowTitle(QStringLiteral("月間支出集計"));
    resize(960, 640);
    auto* frame = new QGroupBox(QStringLiteral("締め日"), this);
    auto* frameRow = new QHBoxLayout(frame);
    frameRow->addWidget(closingDay_);
    frameRow->addWidget(recalculateButton_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(periodCaption_);
    bottom->addWidget(frame);
    bottom->addStretch();
    bottom->addWidget(previousMonthButton_);
    bottom->addWidget(nextMonthButton_);
    bottom->addWidget(printButton_);
    bottom->addWidget(backButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filters_);
    layout->addWidget(listGrid_, 5);
    layout->addWidget(totalsGrid_, 1);
    layout->addLayout(bottom);
    closingDay_->onDayChanged([](int day) { simeGenkin = day; });
    connect(recalculateButton_, &QPushButton::clicked, this, [this] { recalculate(); });
    connect(previousMonthButton_, &QPushButton::clicked, this, [this] { stepShownMonth(-1); });
    connect(nextMonthButton_, &QPushButton::clicked, this, [this] { stepShownMonth(1); });
}

void MonthlySummaryWindow::formLoad() {
    fillFilters();
    closingDay_->box()->setText(QString::number(simeGenkin));
    const CalendarDay now = today();
    shown_ = {now.year, now.month};
    daysInMonth = shown_.days();
    recalculate();
}

void MonthlySummaryWindow::stepShownMonth(int delta) {
    const ShownMonth next = stepMonth(shown_, delta);
    if (next.year == shown_.year && next.month == shown_.month)
        return;
    shown_ = next;
    daysInMonth = shown_.days();
    recalculate();
}

void MonthlySummaryWindow::periodShown() {
    const int c = simeGenkin;
    if (c >= 1 && c <= 30)
        periodCaption_->setText(str(shown_.prevMonth()) + "月" + str(c + 1) + "日～" +
                                str(shown_.month) + "月" + str(c) + "日");
    else
        periodCaption_->setText(str(shown_.month) + "月 1日～" + str(shown_.month) + "月" +
                                str(shown_.days()) + "日");
}

std::vector<MonthSpan> MonthlySummaryWindow::periodSpans() {
    return closingDayMonths(shown_, simeGenkin);
}

QString MonthlySummaryWindow::filePeriod() const {
    return platform::fileDate(shown_.year, shown_.month);
}

QString MonthlySummaryWindow::printTitle() const {
    return str(shown_.year) + "年" + str(shown_.month) + QStringLiteral("月　種別");
}

} // namespace lukana
