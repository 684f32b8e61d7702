#include "slip_printout.h"

#include "core/guest_slips.h"
#include "platform/file_names.h"
#include "platform/print_fit.h"
#include "platform/printer.h"
#include "platform/text.h"
#include "storage/display_format.h"

#include <QList>

#include <algorithm>
#include <cmath>

namespace lukana {

namespace {

constexpr int kRowsPerPage = 43;
constexpr double kSlipLeft = 40, kSlipRight = 980;
constexpr double kSlipPoints = 8;

// The rules of the table's columns, left to right: column c lies between kRules[c] and
// kRules[c + 1]. 0 number, 1 to 7 persons, 8 to 11 times, 12 stay, 13 paid, 14 per person.
constexpr std::array<double, 16> kRules = {40,  90,  140, 190, 240, 290, 360, 430,
                                           500, 550, 600, 650, 700, 770, 870, 980};
constexpr int kFirstPersonColumn = 1, kFirstTimeColumn = 8, kStayColumn = 12, kPaidColumn = 13,
              kSpendColumn = 14;

double rowTop(int row) {
    return 100.0 * row + 270;
}
double rowText(int row) {
    return 100.0 * row + 280;
}

class SlipPage {
  public:
    SlipPage(platform::PageWriter& writer, const SlipPrintoutHead& head, int pageCount)
        : w_(writer), head_(head), pageCount_(pageCount) {}

    void pageHead() {
        w_.setFontSize(12);
        ++page_;
        const std::string title = head_.departmentName + "  ： " + Str(head_.year) + " 年 " +
                                  Str(head_.month) + " 月" + Str(head_.day) + " 日の詳細日報" +
                                  Str(page_) + "/" + Str(pageCount_);
        w_.text({200, 60}, platform::toQString(title));
        w_.setFontSize(kSlipPoints);
        static const struct {
            const char* text;
            double x, y;
        } headings[] = {{"入店", 540, 180},     {"出店", 640, 180},     {"No", 50, 220},
                        {"男性", 100, 220},     {"女性", 150, 220},     {"男児", 200, 220},
                        {"女児", 250, 220},     {"大人合計", 300, 220}, {"子供合計", 370, 220},
                        {"合計人数", 440, 220}, {"時", 510, 280},       {"分", 560, 280},
                        {"時", 610, 280},       {"分", 660, 280},       {"滞在時間", 710, 220},
                        {"ご清算", 780, 220},   {"客単価", 880, 220}};
        for (const auto& h : headings)
            w_.text({h.x, h.y}, QString::fromUtf8(h.text));
    }

    // A figure right-aligned in its column, drawn smaller or cut where it is too wide.
    void figure(int column, double y, const std::string& text) {
        platform::textBetweenRules(w_, kRules[column], kRules[column + 1], y,
                                   platform::toQString(text), kSlipPoints);
    }
    void caption(double y, const QString& text) {
        platform::textBeforeNextRule(w_, 50, kRules[1], y, text, kSlipPoints);
    }

    void frame(int rows) {
        const double bottom = 100.0 * rows + 370;
        w_.setLineWidth(4);
        w_.box({kSlipLeft, 170}, {kSlipRight, bottom});
        w_.line({kSlipLeft, 370}, {kSlipRight, 370});
        w_.setLineWidth(1);
        w_.line({500, 270}, {700, 270});
        for (double x : {90, 140, 190, 240, 290, 360, 430, 500, 600, 700, 770, 870})
            w_.line({x, 170}, {x, bottom});
        for (double x : {550, 650})
            w_.line({x, 270}, {x, bottom});
    }

  private:
    platform::PageWriter& w_;
    const SlipPrintoutHead& head_;
    int pageCount_;
    int page_ = 0;
};

std::array<double, 7> personValues(const SlipValues& v) {
    return {v[kSlipMen], v[kSlipWomen], v[kSlipBoys], v[kSlipGirls],
            adults(v),   children(v),   persons(v)};
}

} // namespace

void drawSlipPrintout(platform::PageWriter& w, const NippouDay& day, const SlipPrintoutHead& head) {
    const int slips = std::clamp(day.slipCount, 0, kSlipCapacity);
    // A day without slips still prints its one page.
    const int pageCount = std::max(1, (slips + kRowsPerPage - 1) / kRowsPerPage);
    SlipPage page(w, head, pageCount);
    std::array<double, 7> personTotals{};
    long long stayTotal = 0;
    double paidTotal = 0;

    w.setScale({0, 0}, {1020, 4800});
    page.pageHead();
    int line = 0;
    for (int t = 0; t < slips && !w.failed(); ++t) {
        if (++line == kRowsPerPage + 1) {
            page.frame(kRowsPerPage);
            line = 1;
            w.newPage();
            page.pageHead();
        }
        const SlipValues& v = day.slipValues[t];
        const double y = rowText(line);
        page.figure(0, y, plainDecimal(t + 1));
        const auto people = personValues(v);
        for (int c = 0; c < 7; ++c) {
            page.figure(kFirstPersonColumn + c, y, plainDecimal(people[c]));
            personTotals[c] += people[c];
        }
        for (int c = 0; c < 4; ++c)
            page.figure(kFirstTimeColumn + c, y, plainDecimal(v[kSlipArrivalHour + c]));
        if (auto stay = stayMinutes(v)) {
            page.figure(kStayColumn, y, stayText(*stay));
            stayTotal += *stay;
        }
        page.figure(kPaidColumn, y, Format(v[kSlipPaid], "\\\\###,###"));
        paidTotal += v[kSlipPaid];
        // In double precision, as the totals row: twelve-digit amounts keep every digit.
        const double count = std::nearbyint(people[6]);
        if (count > 0)
            page.figure(kSpendColumn, y, Format(v[kSlipPaid] / count, "\\@###,###"));
        w.setLineWidth(1);
        w.line({kSlipLeft, rowTop(line)}, {kSlipRight, rowTop(line)});
    }
    page.frame(line);

    const int r = line + 1;
    const double y = rowText(r);
    page.caption(y, QStringLiteral("合計"));
    for (int c = 0; c < 7; ++c)
        page.figure(kFirstPersonColumn + c, y, plainDecimal(personTotals[c]));
    page.figure(kStayColumn, y, stayText(stayTotal));
    page.figure(kPaidColumn, y, Format(paidTotal, "\\\\###,###"));
    if (personTotals[6] > 0)
        page.figure(kSpendColumn, y, Format(paidTotal / personTotals[6], "\\@###,###"));
    w.setLineWidth(4);
    w.box({kSlipLeft, rowTop(r)}, {kSlipRight, 100.0 * r + 370});
    w.setLineWidth(1);
    for (size_t c = 1; c + 1 < kRules.size(); ++c)
        w.line({kRules[c], rowTop(r)}, {kRules[c], 100.0 * r + 370});
    w.endDocument();
}

void printSlips(const NippouDay& day, const SlipPrintoutHead& head) {
    // Without any printer there was nothing to choose: not a failure of the printout.
    platform::PrintoutOptions options;
    options.silentWithoutPrinter = true;
    platform::runPrintout(
        platform::Orientation::Portrait,
        platform::fileNameFrom({QStringLiteral("詳細日報"),
                                QString::fromStdString(head.departmentName),
                                platform::fileDate(head.year, head.month, head.day)}),
        [&](platform::PageWriter& page) { drawSlipPrintout(page, day, head); }, options);
}

} // namespace lukana
