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
      periodCaption(new QLabel(this)), closingDay(new ClosingDayEntry(this)),
      recalculateButton(new QPushButton(QStringLiteral("再計算"), this)),
      previousMonthButton(new QPushButton(QStringLiteral("前の月"), this)),
      nextMonthButton(new QPushButton(QStringLiteral("次の月"), this)) {
    setWindowTitle(QStringLiteral("月間支出集計"));
    resize(960, 640);
    auto* frame = new QGroupBox(QStringLiteral("締め日"), this);
    auto* frameRow = new QHBoxLayout(frame);
    frameRow->addWidget(closingDay);
    frameRow->addWidget(recalculateButton);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(periodCaption);
    bottom->addWidget(frame);
    bottom->addStretch();
    bottom->addWidget(previousMonthButton);
    bottom->addWidget(nextMonthButton);
    bottom->addWidget(printButton);
    bottom->addWidget(backButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filters);
    layout->addWidget(listGrid, 5);
    layout->addWidget(totalsGrid, 1);
    layout->addLayout(bottom);
    closingDay->onDayChanged([](int day) { simeGenkin = day; });
    connect(recalculateButton, &QPushButton::clicked, this, [this] { recalculate(); });
    connect(previousMonthButton, &QPushButton::clicked, this, [this] { stepShownMonth(-1); });
    connect(nextMonthButton, &QPushButton::clicked, this, [this] { stepShownMonth(1); });
}

void MonthlySummaryWindow::formLoad() {
    fillFilters();
    closingDay->box->setText(QString::number(simeGenkin));
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
        periodCaption->setText(str(shown_.prevMonth()) + "月" + str(c + 1) + "日～" +
                               str(shown_.month) + "月" + str(c) + "日");
    else
        periodCaption->setText(str(shown_.month) + "月 1日～" + str(shown_.month) + "月" +
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
