#include "openers.h"

#include "analysis_window.h"

namespace lukana {

void openCustomerAnalysis() {
    AnalysisWindow window(AnalysisKind::Customers);
    platform::runModal(window);
}

void openMenuAnalysis() {
    AnalysisWindow window(AnalysisKind::Menu);
    platform::runModal(window);
}

} // namespace lukana
