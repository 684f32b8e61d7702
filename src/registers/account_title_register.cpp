#include "account_title_register.h"

#include "damaged_files.h"
#include "platform/pointer.h"
#include "rename_dialogs.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/state.h"

#include <QPalette>

namespace lukana {

using namespace platform;

namespace {

RegisterSetup accountTitleSetup() {
    RegisterSetup s;
    s.caption = QStringLiteral("勘定科目登録");
    s.help = QStringLiteral("新規で勘定科目を登録する場合は勘定科目名を下のテキストボックスに記入"
                            "して挿入ボタンをクリックしてください。");
    s.leaveQuestion = QStringLiteral("勘定科目に変更があります。保存しますか？");
    s.counter = &ttidTekiyou;
    return s;
}

} // namespace

AccountTitleRegister::AccountTitleRegister(QWidget* parent)
    : RegisterWindow(accountTitleSetup(), parent),
      list_(tekiyouCount, tekiyouNames, tekiyouIds, kTekiyouCapacity) {
    detailsPanel()->hide();
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 255, 255));
    setPalette(p);
    setAutoFillBackground(true);
}

void AccountTitleRegister::readList() {
    list_.keep();
    const LoadOutcome titles = loadTekiyouOrDefaults();
    accountTitleFile().noteLoad(titles);
    tellLoadOutcome(QStringLiteral("tekiyou.dat"), titles);
    if (!titles.createdDefaults) {
        // Unreadable and not moved aside: keep the titles in memory rather than half a file,
        // so that a save cannot put a fragment in its place unnoticed.
        if (!titles.status)
            list_.restoreKept();
        return;
    }
    // New default titles: the sub-accounts are read again, their defaults made if need be.
    ParallelList subAccounts(tyCount, tyNames, tyIds, kTyCapacity);
    subAccounts.field(tyTekiyouIds);
    subAccounts.keep();
    const LoadOutcome subs = loadTyOrDefaults();
    subAccountFile().noteLoad(subs);
    tellLoadOutcome(QStringLiteral("ty.dat"), subs);
    if (!subs.createdDefaults && !subs.status)
        subAccounts.restoreKept();
}

Status AccountTitleRegister::writeList() {
    return accountTitleFile().write(rootFilePath("tekiyou.dat"), writeAccountTitles);
}

void AccountTitleRegister::openRenameDialog() {
    registerKind = 2; // RenameByKindDialog then takes the account titles
    RenameByKindDialog dialog;
    runModal(dialog);
}

void AccountTitleRegister::formActivate() {
    RegisterWindow::formActivate();
    setMousePointer(Pointer::Normal);
}

} // namespace lukana
