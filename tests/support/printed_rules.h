#pragma once
// Where the texts of a recorded printout lie against the vertical rules of their page: a
// right-aligned figure must end a quarter digit before the rule right of its column, with no
// rule running through it.
#include "platform/print_recording.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace printed_rules {

using lukana::platform::Orientation;
using lukana::platform::PrintCall;
using lukana::platform::PrintOp;
using lukana::platform::PrintRecording;

// Measures texts as the recording printer does on a page of that orientation, user width and
// font size.
class Measure {
  public:
    Measure(Orientation orientation, double userWidth, double points)
        : recording_(std::make_shared<PrintRecording>()), page_(setUp(orientation)) {
        page_.setScale({0, 0}, {userWidth, 1000});
        page_.setFontSize(points);
    }
    double width(const QString& text) const { return page_.textWidth(text); }
    double digit() const { return width(QStringLiteral("0")); }
    // The left edge of a right-aligned text ending a quarter digit before rule.
    double leftBefore(double rule, const QString& text) const {
        return rule - digit() / 4 - width(text);
    }

  private:
    std::shared_ptr<PrintRecording> setUp(Orientation orientation) {
        recording_->orientation = orientation;
        return recording_;
    }
    std::shared_ptr<PrintRecording> recording_;
    lukana::platform::RecordingPageWriter page_;
};

inline double digitWidth(Orientation orientation, double userWidth, double points) {
    return Measure(orientation, userWidth, points).digit();
}

struct Rule {
    double x, top, bottom;
};

// The vertical lines of a page and the left and right edges of its boxes.
inline std::vector<Rule> verticalRules(const std::vector<PrintCall>& calls) {
    std::vector<Rule> rules;
    for (const PrintCall& call : calls) {
        if (call.op != PrintOp::Line && call.op != PrintOp::Box)
            continue;
        const double x0 = call.args[0], y0 = call.args[1], x1 = call.args[2], y1 = call.args[3];
        const double top = std::min(y0, y1), bottom = std::max(y0, y1);
        if (call.op == PrintOp::Box)
            rules.insert(rules.end(), {{x0, top, bottom}, {x1, top, bottom}});
        else if (x0 == x1)
            rules.push_back({x0, top, bottom});
    }
    return rules;
}

// The texts of every page printed at or below `top`, but for those in `except`.
inline QStringList textsBelow(const PrintRecording& recording, double top,
                              const QStringList& except = {}) {
    QStringList texts;
    for (const std::vector<PrintCall>& calls : recording.pages)
        for (const PrintCall& call : calls)
            if (call.op == PrintOp::Text && call.args[1] >= top && !except.contains(call.text) &&
                !texts.contains(call.text))
                texts << call.text;
    return texts;
}

// Every text of the recording that is one of `figures` has no rule through it, and the first
// rule right of it lies a quarter digit after its end. Each figure must be printed somewhere.
inline testing::AssertionResult figuresEndBeforeRules(const PrintRecording& recording,
                                                      const QStringList& figures, double digit) {
    QStringList unseen = figures;
    for (size_t p = 0; p < recording.pages.size(); ++p) {
        const std::vector<PrintCall>& calls = recording.pages[p];
        const std::vector<Rule> rules = verticalRules(calls);
        for (const PrintCall& call : calls) {
            if (call.op != PrintOp::Text || !figures.contains(call.text))
                continue;
            unseen.removeAll(call.text);
            const double left = call.args[0], right = left + call.width;
            const double y = call.args[1] + 1; // just below the text's top
            std::optional<double> next;
            for (const Rule& rule : rules) {
                if (y < rule.top || y > rule.bottom)
                    continue;
                if (rule.x > left && rule.x <= right)
                    return testing::AssertionFailure()
                           << "page " << p + 1 << ": the rule at " << rule.x << " runs through "
                           << call.text.toStdString() << " printed from " << left << " to "
                           << right;
                if (rule.x > right && (!next || rule.x < *next))
                    next = rule.x;
            }
            if (!next || std::abs(*next - right - digit / 4) > 1e-6)
                return testing::AssertionFailure()
                       << "page " << p + 1 << ": " << call.text.toStdString() << " ends at "
                       << right << ", not a quarter digit (" << digit / 4
                       << ") before the next rule " << next.value_or(-1);
        }
    }
    if (!unseen.isEmpty())
        return testing::AssertionFailure() << "not printed: " << unseen.join(", ").toStdString();
    return testing::AssertionSuccess();
}

// No vertical rule of a page runs through a text printed on it: every text lies between two
// rules from its left edge to its right, over the height of its font.
inline testing::AssertionResult noTextAcrossRules(const PrintRecording& recording) {
    std::vector<std::string> crossed;
    const double pageHeightTwips =
        (recording.orientation == Orientation::Portrait ? 11 : 8) * 1440.0;
    for (size_t p = 0; p < recording.pages.size(); ++p) {
        const std::vector<PrintCall>& calls = recording.pages[p];
        const std::vector<Rule> rules = verticalRules(calls);
        double points = 10, unitsPerTwipY = 1;
        for (const PrintCall& call : calls) {
            if (call.op == PrintOp::FontSize)
                points = call.args[0];
            if (call.op == PrintOp::Scale && call.args[3] != call.args[1])
                unitsPerTwipY = (call.args[3] - call.args[1]) / pageHeightTwips;
            if (call.op != PrintOp::Text)
                continue;
            const double left = call.args[0], right = left + call.width;
            const double top = call.args[1], bottom = top + points * 20 * unitsPerTwipY;
            for (const Rule& rule : rules)
                if (rule.x > left && rule.x < right && rule.top < bottom && rule.bottom > top) {
                    crossed.push_back("page " + std::to_string(p + 1) + ": the rule at " +
                                      std::to_string(rule.x) + " runs through " +
                                      call.text.toStdString() + " at " + std::to_string(top));
                    break;
                }
        }
    }
    if (crossed.empty())
        return testing::AssertionSuccess();
    testing::AssertionResult failure = testing::AssertionFailure();
    for (const std::string& line : crossed)
        failure << "\n" << line;
    return failure;
}

} // namespace printed_rules
