#pragma once
// What the main window calls to open the registers of this folder. Each opens its window
// modally and returns when it has closed.
namespace lukana {

void openMenuCategoryRegister(); // "メニュー分類項目"
void openMenuItemRegister();     // "メニュー"
// "部署の設定", and the first start while no department exists. It leaves curBusyo on the
// department it named before, or -1 when that department was deleted.
void openDepartmentRegister();

// "仕入先" (and the voucher book's supplier menu).
void openSupplierRegister();
// "勘定科目" (kind 2) and "補助科目" (kind 3): registerKind is set to kind, then the register
// opens; the caller shows the busy pointer first.
void openAccountTitleRegister(int kind);
void openSubAccountRegister(int kind);
// The daily report's credit customers: the sub-account register on title 4, with the busy
// pointer; registerKind stays as it is. Returns when it has closed.
void openCreditCustomerRegister();
// The voucher book's bank menu: the caller sets denpyouBusyo (and the busy pointer) first.
void openBankRegister();

} // namespace lukana
