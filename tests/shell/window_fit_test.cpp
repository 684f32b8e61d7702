// Every window fits, whole, on a 1280x768 screen at the size it opens with, also with full
// lists: the longest department name a folder takes, as many departments as the list holds,
// and a bank table with the longest names.
#include "daily/openers.h"
#include "registers/bank_codes.h"
#include "registers/openers.h"
#include "registers/rename_dialogs.h"
#include "shell/break_time_window.h"
#include "shell/printer_method_choice.h"
#include "shell/splash_window.h"
#include "shell_fixture.h"
#include "storage/masters.h"
#include "vouchers/openers.h"

#include "support/bank_code_file.h"

#include <QAbstractButton>

#include <set>

using namespace lukana;

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 768;
constexpr int kTitleBar = 32; // the window manager's frame above the window

std::set<std::string> checked;

// The window and every button shown in it lie within the screen.
void expectFits(const QWidget& w) {
    const std::string name = w.metaObject()->className();
    checked.insert(name);
    EXPECT_LE(w.width(), kScreenWidth) << name;
    EXPECT_LE(w.height(), kScreenHeight - kTitleBar) << name;
    for (const QAbstractButton* b : w.findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(&w))
            continue;
        const QRect at(b->mapTo(&w, QPoint(0, 0)), b->size());
        EXPECT_TRUE(w.rect().contains(at))
            << name << ": " << b->text().toStdString() << " lies outside the window";
    }
}

// Checks the window; further windows opened from it are checked as they come.
void checkAndClose(platform::Window& w) {
    expectFits(w);
    w.unloadWindow();
}

// 85 kanji: 255 bytes, the longest folder name.
std::string longestDepartmentName() {
    std::string name;
    for (int i = 0; i < 85; ++i)
        name += "店";
    return name;
}

// Banks and branches with the longest names of the real table.
void writeBankCodes(const std::string& folder) {
    writeBankCodeFile(
        QString::fromStdString(folder + "/" + kBankCodeFileName),
        {"INSERT INTO 金融機関コード VALUES "
         "('0484','ナショナル・オーストラリア・バンク・リミテッド'), "
         "('0403','バンク・オブ・アメリカ・エヌ・エイ')",
         "INSERT INTO 支店コード VALUES ('0484','001','ひばりケ丘ローンプラザ出張所','ヒバリ')"});
}

} // namespace

TEST_F(ShellTest, EveryWindowFitsTheScreenWithFullLists) {
    TempDir program;
    programDir = program.str();
    writeBankCodes(program.str());
    TestScript script;
    auto main = firstStartWithLinks(script);
    ASSERT_TRUE(main);
    addBusyo(longestDepartmentName(), 8);
    for (int i = busyoCount; i < kBusyoCapacity; ++i)
        addBusyo("部署" + std::to_string(i), 10 + 2 * i);
    curBusyo = 1; // the longest name shows in every department choice
    // The department register starts on the bank choices of the departments.
    for (int i = 0; i < busyoCount; ++i)
        busyoRecs[static_cast<size_t>(i)].bankName =
            "ナショナル・オーストラリア・バンク・リミテッド";
    rebuildBusyoLists();
    expectFits(*main);

    for (const char* button :
         {"salesListButton", "bestSellersButton", "customersButton", "departmentsButton",
          "suppliersButton", "accountTitlesButton", "subAccountsButton", "closingDaysButton",
          "menuItemsButton", "menuCategoriesButton", "backupButton"}) {
        script.window(checkAndClose);
        main->button(button)->click();
    }

    // The daily report and the guest slips it opens.
    script.window([&](platform::Window& daily) {
        expectFits(daily);
        script.window(checkAndClose);
        dailyReportLinks().guestSlips(busyoNames[1]);
        daily.unloadWindow();
    });
    main->button("dailyReportButton")->click();

    // The voucher book and what its menus open.
    script.window([&](platform::Window& book) {
        expectFits(book);
        const VoucherMenuLinks& menus = voucherMenuLinks();
        for (const std::function<void()>& open :
             {menus.closingDays, menus.taxSettings, menus.fiscalYearEnd, menus.monthlySummary,
              menus.periodList, menus.cashBook, std::function<void()>(openBankRegister)}) {
            script.window(checkAndClose);
            open();
        }
        book.unloadWindow();
    });
    main->button("voucherBookButton")->click();

    // The windows the start and the registers open by themselves.
    renameIndex = 1;
    LoginWindow login;
    SplashWindow splash;
    BreakTimeWindow breakTimes;
    PrinterMethodChoice printerChoice;
    RenameByKindDialog rename;
    SupplierRenameDialog supplierRename;
    MenuCategoryRenameDialog categoryRename;
    BankRenameDialog bankRename;
    RecoveryDialog recovery;
    for (platform::Window* w : std::initializer_list<platform::Window*>{
             &login, &splash, &breakTimes, &printerChoice, &rename, &supplierRename,
             &categoryRename, &bankRename, &recovery}) {
        script.window(checkAndClose);
        runModal(*w);
    }
    EXPECT_EQ(checked.size(), 29u); // kinds of window

    exitProgram(script, *main, platform::Answer::No);
    programDir.clear();
}
