#include "frm_menu_d.h"

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
    s.renameWarning = QStringLiteral("異なる項目にする場合は「削除」「挿入」を行ってください。");
    s.counter = &ttidKyoutuu; // shared with departments and menu categories
    s.maxId = kMaxMenuId;
    s.departmentChooser = true;
    return s;
}

} // namespace

frmMenuD::frmMenuD(QWidget* parent)
    : RegisterWindow(menuItemSetup(), parent),
      Combo2(busyoChooser), Text2{new TextBox(detailsPanel()), new TextBox(detailsPanel())},
      Combo1(new ComboBox(detailsPanel())), list_(menudRecs, menudCount, kMenudCapacity) {
    auto* grid = new QGridLayout(detailsPanel());
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("単価"), detailsPanel()), 0, 0);
    grid->addWidget(Text2[0], 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("コード番号"), detailsPanel()), 1, 0);
    grid->addWidget(Text2[1], 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("分類"), detailsPanel()), 2, 0);
    grid->addWidget(Combo1, 2, 1);

    for (int i = 0; i < 2; ++i) {
        Text2[i]->setStripCommas(true);
        // Plain digits and letters: no input method.
        Text2[i]->setAttribute(Qt::WA_InputMethodEnabled, false);
        Text2[i]->onChange([this, i] { Text2_Change(i); });
        Text2[i]->installEventFilter(this);
    }
    Combo1->onChange([this] { Combo1_Click(); });
}

void frmMenuD::readList() {
    // The reader empties the list first: a missing or broken file leaves what was read.
    filePath = busyoFile("menud.dat");
    (void)file_.read(menudModosi);
}

Status frmMenuD::writeList() {
    filePath = busyoFile("menud.dat");
    if (filePath.empty())
        return Status::failure("部署が選ばれていません。");
    return file_.write(menudHozon);
}

void frmMenuD::openRenameDialog() {
    registerKind = 4;
    frmMeibo dialog;
    runModal(dialog);
}

void frmMenuD::Hyouji() {
    if (selIndex < 0 || selIndex >= menudCount)
        return;
    const MenuItem& item = menudRecs[static_cast<size_t>(selIndex)];
    hyoujiChu = 1;
    int category = -1;
    for (int k = 0; k < mbunCount; ++k)
        if (mbunRecs[static_cast<size_t>(k)].id == item.bunruiId) {
            category = k;
            break;
        }
    Combo1->setListIndex(category);
    Text2[0]->setText(QString::fromStdString(priceText(item.price)));
    Text2[1]->setText(QString::fromStdString(item.code));
    hyoujiChu = 0;
}

void frmMenuD::preHozon() {
    if (selIndex < 0 || selIndex >= menudCount)
        return;
    MenuItem& item = menudRecs[static_cast<size_t>(selIndex)];
    item.price = priceFromText(Text2[0]->text().toStdString());
    item.code = Text2[1]->text().toStdString();
    // With no category chosen the item keeps the one it has (perhaps one since deleted).
    const int k = Combo1->listIndex();
    if (k >= 0 && k < mbunCount)
        item.bunruiId = mbunRecs[static_cast<size_t>(k)].id;
}

void frmMenuD::clearDetails() {
    fillingDetails = 1;
    Text2[0]->clear();
    Text2[1]->clear();
    fillingDetails = 0;
}

void frmMenuD::departmentChosen() {
    filePath = busyoFile("mbun.dat");
    (void)readTellingDamage(mbunModosi); // a missing file: no categories
    QSignalBlocker quiet(Combo1);
    Combo1->clear();
    for (int k = 0; k < mbunCount; ++k)
        Combo1->addItem(QString::fromStdString(mbunRecs[static_cast<size_t>(k)].name));
    Combo1->setListIndex(-1);
}

void frmMenuD::Text2_Change(int) {
    if (fillingDetails == 1 || hyoujiChu == 1)
        return;
    listChanged = 1;
}

void frmMenuD::Text2_Click() {
    if (selIndex == -1)
        noSelection();
}

void frmMenuD::Combo1_Click() {
    if (hyoujiChu == 1)
        return;
    if (selIndex == -1) {
        noSelection();
        return;
    }
    listChanged = 1;
}

bool frmMenuD::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && (watched == Text2[0] || watched == Text2[1]))
        Text2_Click();
    return RegisterWindow::eventFilter(watched, event);
}

void frmMenuD::noSelection() {
    msgBox(QStringLiteral("メニューが選択されていません。左のリストの中からメニューを選択してから"
                          "記述を行ってください。"));
}

} // namespace lukana
