// The menu bar: every item settles the month with the save question, then opens its window
// modally; when it closes, the activation starts over from today and the main window's
// department, which brings in whatever the window changed.
#include "voucher_book_window.h"

#include "platform/pointer.h"
#include "registers/openers.h"
#include "storage/state.h"
#include "vouchers/openers.h"

#include <QMenuBar>

namespace lukana {

using namespace platform;

void VoucherBookWindow::buildMenus() {
    menuBar_ = new QMenuBar(this);
    auto item = [this](QMenu* menu, const char* caption, std::function<void()> open) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setEnabled(static_cast<bool>(open));
        connect(action, &QAction::triggered, this, [this, open] { openFromMenu(open); });
        return action;
    };
    QMenu* file = menuBar_->addMenu(QStringLiteral("ファイル(&F)"));
    connect(file->addAction(QStringLiteral("戻る(&Q)")), &QAction::triggered, this,
            [this] { closeWindow(); });

    const VoucherMenuLinks& shell = voucherMenuLinks();
    QMenu* registers = menuBar_->addMenu(QStringLiteral("登録(&I)"));
    item(registers, "仕入先(&S)", openSupplierRegister);
    item(registers, "銀行(&B)", openBankRegister);
    registers->addSeparator();
    item(registers, "勘定科目(&I)", [] { openAccountTitleRegister(2); });
    item(registers, "補助科目(&R)", [] { openSubAccountRegister(3); });
    QMenu* settings = menuBar_->addMenu(QStringLiteral("設定(&C)"));
    item(settings, "締め日(&C)", shell.closingDays);
    item(settings, "税率(&T)", shell.taxSettings);
    item(settings, "決算日(&Y)", shell.fiscalYearEnd);
    QMenu* tools = menuBar_->addMenu(QStringLiteral("ツール(&T)"));
    item(tools, "集計(&C)", shell.monthlySummary);
    item(tools, "期間集計(&B)", shell.periodList);
    item(tools, "出納帳(&B)", shell.cashBook);
}

void VoucherBookWindow::openFromMenu(const std::function<void()>& open) {
    hideEditors();
    if (!proceeds(askToSave()))
        return;
    setMousePointer(Pointer::Busy);
    open();
}

} // namespace lukana
