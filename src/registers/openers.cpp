#include "openers.h"

#include "frm_iin.h"
#include "frm_iin2.h"
#include "frm_iin3.h"
#include "frm_iin_gk.h"
#include "frm_menu_b.h"
#include "frm_menu_d.h"
#include "frm_tenpo.h"
#include "platform/pointer.h"
#include "storage/state.h"

namespace lukana {

void openMenuBunruiRegister() {
    frmMenuB window;
    platform::runModal(window);
}

void openMenuItemRegister() {
    frmMenuD window;
    platform::runModal(window);
}

void openDepartmentRegister() {
    frmtenpo window;
    platform::runModal(window);
}

void openSiireRegister() {
    frmiin2 window;
    platform::runModal(window);
}

void openTekiyouRegister() {
    frmiin window;
    platform::runModal(window);
}

void openTyRegister() {
    frmiin3 window;
    platform::runModal(window);
}

void openUrikakeCustomerRegister() {
    urikakeTouroku = 1;
    platform::setMousePointer(platform::Pointer::Busy);
    {
        frmiin3 window;
        platform::runModal(window);
    }
    urikakeTouroku = 0;
}

void openKouzaRegister() {
    frmiinGK window;
    platform::runModal(window);
}

} // namespace lukana
