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
    platform::openModal<MenuCategoryRegister>();
}

void openMenuItemRegister() {
    platform::openModal<MenuItemRegister>();
}

void openDepartmentRegister() {
    platform::openModal<DepartmentRegister>();
}

void openSupplierRegister() {
    platform::openModal<SupplierRegister>();
}

void openAccountTitleRegister(int kind) {
    registerKind = kind;
    platform::openModal<AccountTitleRegister>();
}

void openSubAccountRegister(int kind) {
    registerKind = kind;
    platform::openModal<SubAccountRegister>();
}

void openCreditCustomerRegister() {
    urikakeTouroku = 1;
    platform::setMousePointer(platform::Pointer::Busy);
    platform::openModal<SubAccountRegister>();
    urikakeTouroku = 0;
}

void openBankRegister() {
    platform::openModal<BankRegister>();
}

} // namespace lukana
