#pragma once
// Header texts, rankings and series for the printout tests, and the recording of one printout.
#include "analysis/core/analysis.h"
#include "analysis/printout_support.h"
#include "platform/print_recording.h"
#include "support/printed_text.h"
#include "support/ui_script.h"

#include <QRegularExpression>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace printout_fixture {

using namespace lukana;
using lukana::platform::PrintRecording;

inline const std::string kTitle = "集客状況レポート";
inline const std::string kPeriod = "【集客状況 2003年 12月 1日～ 2003年 12月 31日 ";
inline const std::string kCondition = " 曜日:全て  客層:全て";
// The detailed customer-type condition: two printed pieces of 45 and 10 characters.
inline const std::string kLongCondition =
    " 曜日:全て  客層:詳細設定  男性: 0人ピタ  女性: 0人ピタ  男児: 0人ピタ  女児: 0人ピタ";

inline ReportHeader header(const std::string& condition = kCondition) {
    return {kTitle, kPeriod, condition};
}

// "k時" labels 1, 2, … in rank order.
inline std::vector<RankingRow> ranking(const std::vector<std::int64_t>& values) {
    std::vector<RankingRow> rows;
    for (std::size_t i = 0; i < values.size(); ++i)
        rows.push_back({int(i) + 1, std::to_string(i + 1) + "時", values[i]});
    return rows;
}

inline std::vector<RankingRow> ranking(int count, std::int64_t value) {
    return ranking(std::vector<std::int64_t>(count, value));
}

// The calls of a page that start with `op` ("fillbox", "line", …).
inline QStringList calls(const PrintRecording& rec, size_t page, const QString& op) {
    return rec.page(page).filter(QRegularExpression(QStringLiteral("^%1 ").arg(op)));
}

// Runs one printout on a printer that is chosen and records it.
inline PrintRecording printed(const std::function<void()>& print) {
    TestScript script;
    script.printer(true);
    print();
    EXPECT_TRUE(script.boxes().empty());
    if (script.printouts().size() != 1) {
        ADD_FAILURE() << "no printout";
        return {};
    }
    EXPECT_TRUE(script.printouts()[0].ended);
    return script.printouts()[0];
}

} // namespace printout_fixture
