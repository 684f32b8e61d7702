#include "openers.h"

#include "analysis_window.h"

namespace lukana {

void openKyakuAnalysis() {
    analysis::AnalysisWindow window(analysis::AnalysisKind::Customers);
    platform::runModal(window);
}

void openUresujiAnalysis() {
    analysis::AnalysisWindow window(analysis::AnalysisKind::Menu);
    platform::runModal(window);
}

} // namespace lukana
