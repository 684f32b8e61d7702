#include "rename_dialogs.h"

#include "platform/pointer.h"
#include "register_list.h"
#include "storage/routines.h"
#include "storage/state.h"

#include <QGridLayout>
#include <QPushButton>

namespace lukana {

using namespace platform;

int supplierRenameMode = 0;

namespace {

// The name at renameIndex, empty when that is no position of the list.
template <class List, class Name> std::string nameAt(const List& list, int count, Name name) {
    if (renameIndex < 0 || renameIndex >= count || renameIndex >= static_cast<int>(list.size()))
        return {};
    return name(list[static_cast<size_t>(renameIndex)]);
}

const std::string& itself(const std::string& s) {
    return s;
}

} // namespace

RenameDialog::RenameDialog(PointerRule pointer, QWidget* parent)
    : Window(parent), nameBox_(new TextBox(this)),
      okButton_(new QPushButton(QStringLiteral("OK"), this)),
      cancelButton_(new QPushButton(QStringLiteral("キャンセル"), this)), pointer_(pointer) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(nameBox_, 0, 0, 1, 2);
    grid->addWidget(okButton_, 1, 0);
    grid->addWidget(cancelButton_, 1, 1);
    setMinimumWidth(320);
    makeFixedDialog();
    setEscapeButton(cancelButton_);
    connect(okButton_, &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cancelButton_, &QPushButton::clicked, this, [this] { onCancelClicked(); });
}

void RenameDialog::formLoad() {
    setWindowTitle(caption());
    nameBox_->setText(QString::fromStdString(currentName()));
    renameResult = nameBox_->text().toStdString();
    if (pointer_.normalOnLoad)
        setMousePointer(platform::Pointer::Normal);
}

void RenameDialog::formActivate() {
    if (pointer_.normalOnActivate)
        setMousePointer(platform::Pointer::Normal);
}

void RenameDialog::onOkClicked() {
    // An emptied box, or one of blanks only, keeps the old name.
    std::string name = KanmaNuki(nameBox_->text().toStdString());
    if (!isBlankName(name))
        renameResult = name;
    closeWindow();
}

void RenameDialog::onCancelClicked() {
    closeWindow();
}

RenameByKindDialog::RenameByKindDialog(QWidget* parent) : RenameDialog({}, parent) {}

QString RenameByKindDialog::caption() const {
    switch (registerKind) {
    case 0:
        return QStringLiteral("店舗目名変更");
    case 2:
        return QStringLiteral("勘定科目名変更");
    case 4:
        return QStringLiteral("メニュー名変更");
    default:
        return {};
    }
}

std::string RenameByKindDialog::currentName() const {
    switch (registerKind) {
    case 0:
        return nameAt(busyoRecs, kBusyoCapacity, [](const BusyoRec& r) { return r.name; });
    case 2:
        return nameAt(tekiyouNames, kTekiyouCapacity, itself);
    case 4:
        return nameAt(menudRecs, kMenudCapacity, [](const MenuItem& m) { return m.name; });
    default:
        return {};
    }
}

SupplierRenameDialog::SupplierRenameDialog(QWidget* parent) : RenameDialog({true, true}, parent) {}

QString SupplierRenameDialog::caption() const {
    // The supplier mode's caption names account titles; that is the caption users know.
    return supplierRenameMode == 1 ? QStringLiteral("補助科目名変更")
                                   : QStringLiteral("勘定科目名変更");
}

std::string SupplierRenameDialog::currentName() const {
    if (supplierRenameMode == 1)
        return nameAt(tyNames, kTyCapacity, itself);
    return nameAt(siireNames, kSiireCapacity, itself);
}

MenuCategoryRenameDialog::MenuCategoryRenameDialog(QWidget* parent) : RenameDialog({}, parent) {}

QString MenuCategoryRenameDialog::caption() const {
    return QStringLiteral("メニュー分類項目名変更");
}

std::string MenuCategoryRenameDialog::currentName() const {
    return nameAt(mbunRecs, kMbunCapacity, [](const MenuBunrui& b) { return b.name; });
}

BankRenameDialog::BankRenameDialog(QWidget* parent) : RenameDialog({false, true}, parent) {}

// This dialog never set a caption of its own.
QString BankRenameDialog::caption() const {
    return QStringLiteral("Form1");
}

std::string BankRenameDialog::currentName() const {
    return nameAt(kouzaNames, kKouzaCapacity, itself);
}

} // namespace lukana
