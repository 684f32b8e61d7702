#include "window_openers.h"

#include "backup.h"
#include "closing_days.h"
#include "openers.h"
#include "platform/window.h"

namespace lukana {

namespace {
template <class W> void openModal() {
    W window;
    platform::runModal(window);
}
} // namespace

void registerWindowOpeners() {
    MainWindowOpeners& o = mainWindowOpeners();
    o.sime = openModal<frmSime>;
    o.backup = openModal<frmBuckUp>;
    o.recovery = openModal<frmRecov>;
}

} // namespace lukana
