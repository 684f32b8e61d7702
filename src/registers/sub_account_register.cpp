#include "sub_account_register.h"

#include "damaged_files.h"

#include "platform/message_box.h"
#include "platform/pointer.h"
#include "rename_dialogs.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/state.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace lukana {

using namespace platform;

namespace {

RegisterSetup subAccountSetup() {
    RegisterSetup s;
    s.caption = QStringLiteral("補助科目一覧");
    s.help = QStringLiteral("勘定科目を選んでから下の登録欄でそれぞれの勘定科目に対する補助科目を"
                            "登録してください。");
    s.leaveQuestion = QStringLiteral("補助科目名に変更があります。保存しますか？");
    s.deleteQuestion = QStringLiteral(
        "削除するとこれまでに入力したデータもすべて削除されます。本当に削除しますか？");
    s.renameWarning = renameWarningFor(QStringLiteral("仕入先"));
    s.counter = &ttidTy;
    s.renameSavesList = true;
    return s;
}

} // namespace

SubAccountRegister::SubAccountRegister(QWidget* parent)
    : RegisterWindow(subAccountSetup(), parent), titleChoice_(new ComboBox(this)),
      titleLabel_(new QLabel(QStringLiteral("勘定科目"), this)), view_(ttidTy) {
    detailsPanel()->hide();
    auto* row = new QHBoxLayout;
    row->addWidget(titleLabel_);
    row->addWidget(titleChoice_, 1);
    if (auto* root = qobject_cast<QBoxLayout*>(layout()))
        root->insertLayout(0, row); // above the list
    titleChoice_->onChange([this] { onTitleChosen(); });
}

Status SubAccountRegister::writeList() {
    return subAccountFile().write(rootFilePath("ty.dat"), writeSubAccounts);
}

void SubAccountRegister::openRenameDialog() {
    supplierRenameMode = 1;
    SupplierRenameDialog dialog;
    runModal(dialog);
    supplierRenameMode = 0;
}

void SubAccountRegister::formLoad() {
    selectedRow_ = -1;
    hyoujiChu = 0;
    // Discarding goes back to the list as it was when the window opened.
    view_.keep();
    listChanged_ = false;
    {
        QSignalBlocker quiet(titleChoice_);
        titleChoice_->clear();
        for (int i = 0; i < tekiyouCount && i < static_cast<int>(tekiyouNames.size()); ++i)
            titleChoice_->addItem(QString::fromStdString(tekiyouNames[static_cast<size_t>(i)]));
        titleChoice_->setListIndex(-1);
    }
    const std::optional<int> first = openingTitle(urikakeTouroku == 1);
    if (first) {
        titleChoice_->setListIndex(*first); // builds the view
    } else {
        view_.choose(std::nullopt);
        fillList();
    }
}

void SubAccountRegister::formActivate() {
    RegisterWindow::formActivate();
    setMousePointer(Pointer::Normal);
}

void SubAccountRegister::onTitleChosen() {
    // Not a department switch: nothing is asked and pending changes stay pending.
    const int k = titleChoice_->listIndex();
    if (k >= 0 && k < tekiyouCount)
        view_.choose(tekiyouIds[static_cast<size_t>(k)]);
    else
        view_.choose(std::nullopt);
    fillList();
}

void SubAccountRegister::insertCommand() {
    const std::string name = nameBox_->text().toStdString();
    if (isBlankName(name))
        return;
    if (!view_.title()) {
        msgBox(QStringLiteral("勘定科目を選んでから補助科目を登録してください。"));
        return;
    }
    const ListEditor::Insertion done = view_.insert(name);
    if (done.refusal != Refusal::None) {
        showRefusal(done.refusal);
        return;
    }
    nameBox_->clear();
    commonEnding();
}

void SubAccountRegister::moveCommand(Move m) {
    if (selectedRow_ < 0 || selectedRow_ >= view_.count())
        return;
    listChanged_ = true; // also when the entry is at that end of the view already
    const int to = view_.moveWithin(m, selectedRow_);
    if (to < 0)
        return;
    refillAndSelect(to);
}

} // namespace lukana
