#include "openers.h"

#include "account_title_register.h"
#include "bank_register.h"
#include "department_register.h"
#include "menu_category_register.h"
#include "menu_item_register.h"
#include "platform/pointer.h"
#include "storage/state.h"
#include "sub_account_register.h"
#include "supplier_register.h"

namespace lukana {

void openMenuCategoryRegister() {
    MenuCategoryRegister window;
    platform::runModal(window);
}

void openMenuItemRegister() {
    MenuItemRegister window;
    platform::runModal(window);
}

void openDepartmentRegister() {
    DepartmentRegister window;
    platform::runModal(window);
}

void openSupplierRegister() {
    SupplierRegister window;
    platform::runModal(window);
}

void openAccountTitleRegister(int kind) {
    registerKind = kind;
    AccountTitleRegister window;
    platform::runModal(window);
}

void openSubAccountRegister(int kind) {
    registerKind = kind;
    SubAccountRegister window;
    platform::runModal(window);
}

void openCreditCustomerRegister() {
    urikakeTouroku = 1;
    platform::setMousePointer(platform::Pointer::Busy);
    {
        SubAccountRegister window;
        platform::runModal(window);
    }
    urikakeTouroku = 0;
}

void openBankRegister() {
    BankRegister window;
    platform::runModal(window);
}

} // namespace lukana
