#include "menu_category_register.h"

#include "rename_dialogs.h"
#include "storage/masters.h"

namespace lukana {

namespace {

RegisterSetup menuCategorySetup() {
    RegisterSetup s;
    s.caption = QStringLiteral("メニュー分類項目設定");
    s.help = QStringLiteral("新規でメニュー分類を登録する場合は会社名を下のテキストボックスに記入"
                            "して挿入ボタンをクリックしてください。");
    s.leaveQuestion = QStringLiteral("メニュー分類項目に変更があります。保存しますか？");
    s.deleteQuestion = QStringLiteral(
        "削除すると日報詳細やメニューのデータも変わってしまいます。本当に削除しますか？");
    s.renameWarning = renameWarningFor(QStringLiteral("項目"));
    s.counter = &ttidKyoutuu; // shared with departments and menu items
    s.maxId = kMaxMenuId;
    s.departmentChooser = true;
    return s;
}

} // namespace

MenuCategoryRegister::MenuCategoryRegister(QWidget* parent)
    : RegisterWindow(menuCategorySetup(), parent), list_(mbunRecs, mbunCount, kMbunCapacity) {
    detailsPanel()->hide();
}

void MenuCategoryRegister::readList() {
    // The reader empties the list first: a missing or broken file leaves what was read.
    (void)file_.read(departmentFile("mbun.dat"), readMenuCategories);
}

Status MenuCategoryRegister::writeList() {
    const std::string path = departmentFile("mbun.dat");
    if (path.empty())
        return Status::failure("部署が選ばれていません。");
    return file_.write(path, writeMenuCategories);
}

void MenuCategoryRegister::openRenameDialog() {
    MenuCategoryRenameDialog dialog;
    platform::runModal(dialog);
}

} // namespace lukana
