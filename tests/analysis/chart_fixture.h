#pragma once
// Rankings of given values for the chart tests, and where a logical point of a surface lands.
#include "analysis/core/analysis.h"
#include "analysis/core/month_fixture.h"
#include "analysis/ranking_scale.h"
#include "platform/print_recording.h"
#include "platform/surface.h"

#include <QImage>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Failures show the texts of the recorded calls.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace analysis_fixtures {

using namespace lukana;

inline const AnalysisPeriod kDecember{2003, 12, 1, 2003, 12, 31};

// A menu analysis ranking the items (name, ordered quantity) of a menu.
inline std::unique_ptr<Analysis>
menuRanking(const std::vector<std::pair<std::string, int>>& items) {
    MemoryMonths months;
    MenuCatalogue menu;
    std::vector<Order> orders;
    for (std::size_t i = 0; i < items.size(); ++i) {
        menu.items.push_back(menuItem(int(i) + 1, items[i].first));
        if (items[i].second != 0)
            orders.push_back({int(i) + 1, items[i].second});
        if (orders.size() == 100 || (i + 1 == items.size() && !orders.empty())) {
            months.addSlip(2003, 12, 1, {1}, {19, 0, 19, 30}, orders);
            orders.clear();
        }
    }
    auto a = std::make_unique<Analysis>(AnalysisKind::Menu);
    a->recalculate(kDecember, {}, menu, months);
    return a;
}

// A customer analysis with the given persons in the given hours.
inline std::unique_ptr<Analysis>
customerRanking(const std::vector<std::pair<int, int>>& personsByHour) {
    MemoryMonths months;
    for (const auto& [hour, persons] : personsByHour)
        months.addSlip(2003, 12, 1, {double(persons)}, {double(hour), 0, double(hour), 30});
    auto a = std::make_unique<Analysis>(AnalysisKind::Customers);
    a->recalculate(kDecember, {}, {}, months);
    return a;
}

// A surface as a chart viewport places it, recording what is drawn.
struct RecordedSurface {
    explicit RecordedSurface(int widthTwips) {
        surface.setWidthTwips(widthTwips);
        surface.setRecording(recording);
    }
    QStringList calls() const { return recording->page(0); }
    std::shared_ptr<platform::PrintRecording> recording =
        std::make_shared<platform::PrintRecording>();
    platform::Surface surface;
};

// The two surfaces of the ranking viewport, recorded, and the scale a chart leaves.
struct RankingSurfaces {
    RecordedSurface figure{7395};
    RecordedSurface texts{7545};
    RankingScale scale;
};

// The colour of the pixel that the logical point lands on, the user coordinates running from
// (left, top) over (width, height) of the picture.
inline QColor colorAt(const QImage& image, QRectF scale, QPointF logical) {
    const int x = int((logical.x() - scale.left()) / scale.width() * image.width());
    const int y = int((logical.y() - scale.top()) / scale.height() * image.height());
    return image.pixelColor(x, y);
}

} // namespace analysis_fixtures
