#include "menu_item_register.h"

#include "menu_price.h"
#include "platform/message_box.h"
#include "rename_dialogs.h"
#include "storage/masters.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace lukana {

using namespace platform;

namespace {

RegisterSetup menuItemSetup() {
    RegisterSetup s;
    s.caption = QStringLiteral("メニュー情報登録");
    s.help = QStringLiteral("新規でメニューを登録する場合はメニュー名を下のテキストボックスに記入"
                            "して挿入ボタンをクリックしてください。");
    // The same question as the category register: the one users know from both.
    s.leaveQuestion = QStringLiteral("メニュー分類項目に変更があります。保存しますか？");
    s.deleteQuestion = QStringLiteral(
        "削除すると日報詳細やメニューのデータも変わってしまいます。本当に削除しますか？");
    s.renameWarning = renameWarningFor(QStringLiteral("項目"));
    s.counter = &ttidKyoutuu; // shared with departments and menu categories
    s.maxId = kMaxMenuId;
    s.departmentChooser = true;
    return s;
}

} // namespace

MenuItemRegister::MenuItemRegister(QWidget* parent)
    : RegisterWindow(menuItemSetup(), parent), priceAndCodeBoxes_{new TextBox(detailsPanel()),
                                                                  new TextBox(detailsPanel())},
      categoryChoice_(new ComboBox(detailsPanel())), list_(menudRecs, menudCount, kMenudCapacity) {
    auto* grid = new QGridLayout(detailsPanel());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("単価"), detailsPanel()), 0, 0);
    grid->addWidget(priceAndCodeBoxes_[0], 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("コード番号"), detailsPanel()), 1, 0);
    grid->addWidget(priceAndCodeBoxes_[1], 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("分類"), detailsPanel()), 2, 0);
    grid->addWidget(categoryChoice_, 2, 1);

    for (int i = 0; i < 2; ++i) {
        priceAndCodeBoxes_[i]->setStripCommas(true);
        // Plain digits and letters: no input method.
        priceAndCodeBoxes_[i]->setAttribute(Qt::WA_InputMethodEnabled, false);
        priceAndCodeBoxes_[i]->onChange([this, i] { onPriceOrCodeEdited(i); });
        priceAndCodeBoxes_[i]->installEventFilter(this);
    }
    categoryChoice_->onChange([this] { onCategoryChosen(); });
}

void MenuItemRegister::readList() {
    // The reader empties the list first: a missing or broken file leaves what was read.
    (void)file_.read(departmentFile("menud.dat"), readMenuItems);
}

Status MenuItemRegister::writeList() {
    const std::string path = departmentFile("menud.dat");
    if (path.empty())
        return Status::failure("部署が選ばれていません。");
    return file_.write(path, writeMenuItems);
}

void MenuItemRegister::openRenameDialog() {
    registerKind = 4;
    RenameByKindDialog dialog;
    runModal(dialog);
}

void MenuItemRegister::showSelectedEntry() {
    if (selectedRow_ < 0 || selectedRow_ >= menudCount)
        return;
    const MenuItem& item = menudRecs[static_cast<size_t>(selectedRow_)];
    hyoujiChu = 1;
    int category = -1;
    for (int k = 0; k < mbunCount; ++k)
        if (mbunRecs[static_cast<size_t>(k)].id == item.bunruiId) {
            category = k;
            break;
        }
    categoryChoice_->setListIndex(category);
    priceAndCodeBoxes_[0]->setText(QString::fromStdString(priceText(item.price)));
    priceAndCodeBoxes_[1]->setText(QString::fromStdString(item.code));
    hyoujiChu = 0;
}

void MenuItemRegister::storeDetails() {
    if (selectedRow_ < 0 || selectedRow_ >= menudCount)
        return;
    MenuItem& item = menudRecs[static_cast<size_t>(selectedRow_)];
    item.price = priceFromText(priceAndCodeBoxes_[0]->text().toStdString());
    item.code = priceAndCodeBoxes_[1]->text().toStdString();
    // With no category chosen the item keeps the one it has (perhaps one since deleted).
    const int k = categoryChoice_->listIndex();
    if (k >= 0 && k < mbunCount)
        item.bunruiId = mbunRecs[static_cast<size_t>(k)].id;
}

void MenuItemRegister::clearDetails() {
    fillingDetails_ = true;
    priceAndCodeBoxes_[0]->clear();
    priceAndCodeBoxes_[1]->clear();
    fillingDetails_ = false;
}

void MenuItemRegister::departmentChosen() {
    (void)readTellingDamage(departmentFile("mbun.dat"),
                            readMenuCategories); // a missing file: no categories
    QSignalBlocker quiet(categoryChoice_);
    categoryChoice_->clear();
    for (int k = 0; k < mbunCount; ++k)
        categoryChoice_->addItem(QString::fromStdString(mbunRecs[static_cast<size_t>(k)].name));
    categoryChoice_->setListIndex(-1);
}

void MenuItemRegister::onPriceOrCodeEdited(int) {
    if (fillingDetails_ || hyoujiChu == 1)
        return;
    listChanged_ = true;
}

void MenuItemRegister::onPriceOrCodeClicked() {
    if (selectedRow_ == -1)
        noSelection();
}

void MenuItemRegister::onCategoryChosen() {
    if (hyoujiChu == 1)
        return;
    if (selectedRow_ == -1) {
        noSelection();
        return;
    }
    listChanged_ = true;
}

bool MenuItemRegister::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == priceAndCodeBoxes_[0] || watched == priceAndCodeBoxes_[1]))
        onPriceOrCodeClicked();
    return RegisterWindow::eventFilter(watched, event);
}

void MenuItemRegister::noSelection() {
    msgBox(QStringLiteral("メニューが選択されていません。左のリストの中からメニューを選択してから"
                          "記述を行ってください。"));
}

} // namespace lukana
