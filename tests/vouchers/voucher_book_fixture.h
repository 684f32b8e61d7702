#pragma once
// A department "本店" on a fresh drive root, shown by the voucher book on 2 April 2014: its
// suppliers and another department's, a main bank and a further slot, the default account
// titles, 5 % and then 8 % from 1 April 2014, cash-purchase closing day 20.
#include "platform/grid.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "storage/atomic_file.h"
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/settings.h"
#include "storage/state.h"
#include "support/combo_choice.h"
#include "support/departments.h"
#include "support/files.h"
#include "support/grid_clicks.h"
#include "support/temp_dir.h"
#include "support/ui_script.h"
#include "support/voucher_lines.h"
#include "vouchers/openers.h"
#include "vouchers/voucher_book_window.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using VoucherBook = lukana::VoucherBookWindow;

class VoucherBookTest : public ::testing::Test {
  protected:
    using Window = VoucherBook;

    void SetUp() override {
        using namespace lukana;
        resetSharedState();
        driveRoot = drive.str();
        setWriteFaultHook({});
        setMoveAsideHook({});
        std::filesystem::create_directories(dataRoot());
        addBusyo("本店", 2);
        addBusyo("支店", 4);
        BusyoRec& d = busyoRecs[0];
        d.bankName = "みずほ", d.branchName = "新宿", d.accountType = 0;
        d.accountNumber = "1234567";
        d.otherBankName[0] = "りそな", d.otherBranchName[0] = "渋谷";
        d.otherAccountType[0] = 1, d.otherAccountNumber[0] = "7654321";
        ASSERT_TRUE(writeDepartments(rootFilePath("misena.dat")).ok());

        siireCount = 3;
        const char* names[] = {"酒屋", "八百屋", "魚屋"};
        const int ids[] = {10, 11, 12};
        const int departments[] = {2, 4, 0};
        for (int i = 0; i < 3; ++i) {
            siireNames[i] = names[i];
            siireIds[i] = ids[i];
            siireBusyoIds[i] = departments[i];
        }
        ASSERT_TRUE(loadTekiyouOrDefaults().status.ok());
        ASSERT_TRUE(loadTyOrDefaults().status.ok());

        taxCount = 2;
        taxYear[0] = 1997, taxMonth[0] = 4, taxDay[0] = 1, taxRate[0] = 5;
        taxYear[1] = 2014, taxMonth[1] = 4, taxDay[1] = 1, taxRate[1] = 8;
        taxRounding = 0;
        writeClosingDays("本店", 20);

        todayYear = 2014, todayMonth = 4, todayDay = 2;
        curBusyo = 0;
        april = std::make_unique<DenpyouMonth>();
        march = std::make_unique<DenpyouMonth>();
    }
    void TearDown() override {
        lukana::setWriteFaultHook({});
        lukana::setMoveAsideHook({});
        lukana::platform::setMousePointer(lukana::platform::Pointer::Normal);
    }

    static void writeClosingDays(const std::string& department, int cashPurchases) {
        lukana::simeKinmu = 0, lukana::simeGenkin = cashPurchases;
        lukana::simeKyuuryou = 0, lukana::simeKurejitto = 0;
        ASSERT_TRUE(lukana::writeClosingDays(lukana::busyoFilePath(department, "simebi.dat")).ok());
    }

    using V = VoucherLine;
    static void append(lukana::DenpyouDay& day, const V& v) { appendVoucher(day, v); }
    void saveMonths(bool olderName = false) {
        using namespace lukana;
        ASSERT_TRUE(writeDenpyouMonth(denpyouPath("本店", 2014, 4, olderName), *april).ok());
        ASSERT_TRUE(writeDenpyouMonth(denpyouPath("本店", 2014, 3), *march).ok());
    }
    static std::string aprilFile() { return lukana::denpyouPath("本店", 2014, 4); }

    // Opens the voucher book, runs act inside it, then closes it as the user would; answers
    // are scripted by the caller.
    void withVoucherBook(lukana::platform::UiScript& script, std::function<void(Window&)> act) {
        script.window<Window>([act](Window& w) {
            act(w);
            if (w.isOpen())
                w.closeWindow();
        });
        lukana::openVoucherBook();
    }

    static QString cell(const Window& w, int row, int col) {
        return w.voucherGrid()->text(row, col);
    }
    static QStringList rowTexts(const Window& w, int row) {
        QStringList texts;
        for (int c = 0; c < w.voucherGrid()->cols(); ++c)
            texts << w.voucherGrid()->text(row, c);
        return texts;
    }
    static QStringList column(const lukana::platform::Grid& g, int col) {
        QStringList texts;
        for (int r = 0; r < g.rows(); ++r)
            texts << g.text(r, col);
        return texts;
    }
    static void click(Window& w, int row, int col) { clickCell(*w.voucherGrid(), row, col); }
    static void pressEnter(QWidget* widget) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(widget, &press);
    }

    TempDir drive;
    std::unique_ptr<lukana::DenpyouMonth> april, march;
};
