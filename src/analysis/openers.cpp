#include "openers.h"

#include "analysis_window.h"

namespace lukana {

void openKyakuAnalysis() {
    AnalysisWindow window(AnalysisKind::Customers);
    platform::runModal(window);
}

void openUresujiAnalysis() {
    AnalysisWindow window(AnalysisKind::Menu);
    platform::runModal(window);
}

} // namespace lukana
