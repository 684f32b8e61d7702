#include "bank_register.h"

#include "platform/pointer.h"
#include "rename_dialogs.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/state.h"

#include <climits>
#include <filesystem>
#include <set>

namespace lukana {

using namespace platform;

namespace {

RegisterSetup bankSetup() {
    RegisterSetup s;
    s.caption = QStringLiteral("銀行登録");
    s.help = QStringLiteral("新規で銀行を登録する場合は銀行名を下のテキストボックスに記入して挿入"
                            "ボタンをクリックしてください。");
    s.leaveQuestion = QStringLiteral("銀行口座に変更があります。保存しますか？");
    s.counter = &ttidKouza;
    s.idRule = IdRule::CountUp;
    s.stripCommasWhileTyping = false; // commas go when the name is inserted
    s.busyPointerForRename = false;
    return s;
}

// kouza.dat of the voucher book's department; empty when that is no department.
std::string bankListPath() {
    if (denpyouBusyo < 0 || denpyouBusyo >= busyoCount ||
        denpyouBusyo >= static_cast<int>(busyoNames.size()))
        return {};
    return busyoFilePath(busyoNames[static_cast<size_t>(denpyouBusyo)], "kouza.dat");
}

// The counter caught up past ids the list already holds, so that counting up from it never
// issues one of them again (a ttid.dat lost or restored from an older copy).
int bankCounterPastUsed(int counter) {
    std::set<int> used;
    for (int i = 0; i < kouzaCount && i < static_cast<int>(kouzaIds.size()); ++i)
        used.insert(kouzaIds[static_cast<size_t>(i)]);
    while (counter < INT_MAX && used.contains(counter + 1))
        ++counter;
    return counter;
}

} // namespace

BankRegister::BankRegister(QWidget* parent)
    : RegisterWindow(bankSetup(), parent), list_(kouzaCount, kouzaNames, kouzaIds, kKouzaCapacity) {
    detailsPanel()->hide();
}

void BankRegister::readList() {
    if (!file_.read(bankListPath(), readBanks))
        kouzaCount = 0; // missing or unreadable: an empty list
}

Status BankRegister::writeList() {
    const std::string path = bankListPath();
    if (path.empty())
        return Status::failure("部署が選ばれていません。");
    // A department's folder is always the one named after it; make it if it has gone.
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    return file_.write(path, writeBanks);
}

void BankRegister::openRenameDialog() {
    BankRenameDialog dialog;
    runModal(dialog);
}

void BankRegister::formActivate() {
    RegisterWindow::formActivate();
    setMousePointer(Pointer::Normal); // the voucher book's menu shows the busy pointer
}

void BankRegister::insertCommand() {
    ttidKouza = bankCounterPastUsed(ttidKouza);
    RegisterWindow::insertCommand();
}

} // namespace lukana
