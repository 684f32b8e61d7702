#include "rename_dialogs.h"

#include "platform/pointer.h"
#include "storage/routines.h"
#include "storage/state.h"

#include <QGridLayout>
#include <QPushButton>

namespace lukana {

using namespace platform;

int meibo2Mode = 0;

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
    : Window(parent), Text1(new TextBox(this)),
      Command1(new QPushButton(QStringLiteral("OK"), this)),
      Command2(new QPushButton(QStringLiteral("キャンセル"), this)), pointer_(pointer) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(Text1, 0, 0, 1, 2);
    grid->addWidget(Command1, 1, 0);
    grid->addWidget(Command2, 1, 1);
    setMinimumWidth(320);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void RenameDialog::formLoad() {
    setWindowTitle(caption());
    Text1->setText(QString::fromStdString(currentName()));
    renameResult = Text1->text().toStdString();
    if (pointer_.normalOnLoad)
        setMousePointer(platform::Pointer::Normal);
}

void RenameDialog::formActivate() {
    if (pointer_.normalOnActivate)
        setMousePointer(platform::Pointer::Normal);
}

void RenameDialog::Command1_Click() {
    // An emptied box keeps the old name.
    std::string name = KanmaNuki(Text1->text().toStdString());
    if (!name.empty())
        renameResult = name;
    closeWindow();
}

void RenameDialog::Command2_Click() {
    closeWindow();
}

frmMeibo::frmMeibo(QWidget* parent) : RenameDialog({}, parent) {}

QString frmMeibo::caption() const {
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

std::string frmMeibo::currentName() const {
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

frmMeibo2::frmMeibo2(QWidget* parent) : RenameDialog({true, true}, parent) {}

QString frmMeibo2::caption() const {
    // The supplier mode's caption names account titles; that is the caption users know.
    return meibo2Mode == 1 ? QStringLiteral("補助科目名変更") : QStringLiteral("勘定科目名変更");
}

std::string frmMeibo2::currentName() const {
    if (meibo2Mode == 1)
        return nameAt(tyNames, kTyCapacity, itself);
    return nameAt(siireNames, kSiireCapacity, itself);
}

frmMeibo4::frmMeibo4(QWidget* parent) : RenameDialog({}, parent) {}

QString frmMeibo4::caption() const {
    return QStringLiteral("メニュー分類項目名変更");
}

std::string frmMeibo4::currentName() const {
    return nameAt(mbunRecs, kMbunCapacity, [](const MenuBunrui& b) { return b.name; });
}

frmMeibogk::frmMeibogk(QWidget* parent) : RenameDialog({false, true}, parent) {}

// This dialog never set a caption of its own.
QString frmMeibogk::caption() const {
    return QStringLiteral("Form1");
}

std::string frmMeibogk::currentName() const {
    return nameAt(kouzaNames, kKouzaCapacity, itself);
}

} // namespace lukana
