// Every window fits, whole, on a 1280x768 screen at the size it opens with and at its smallest
// size, also with full lists: the longest department name a folder takes, as many departments
// as the list holds, and a bank table with the longest names. Measured twice: headless with the
// program's fonts below an estimated title bar, and on an X server with a window manager
// (tests/on_x_display.sh), whose fonts and frames are those a desktop shows.
#include "daily/openers.h"
#include "platform/fonts.h"
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
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWindow>

#include <set>
#include <sstream>

using namespace lukana;

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 768;
constexpr int kTitleBar = 32; // the window manager's frame above the window, headless

std::set<std::string> checked;

std::string describe(const QRect& r) {
    std::ostringstream s;
    s << r.width() << "x" << r.height() << " at " << r.x() << "," << r.y();
    return s.str();
}

// The smallest size the user can give the window: its layout's minimum, or its fixed size.
QSize smallestSize(const QWidget& w) {
    return QLayout::closestAcceptableSize(&w, QSize(0, 0));
}

// Every button shown in the window lies within it.
void expectButtonsInside(const QWidget& w, const std::string& name) {
    for (const QAbstractButton* b : w.findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(&w))
            continue;
        const QRect at(b->mapTo(&w, QPoint(0, 0)), b->size());
        EXPECT_TRUE(w.rect().contains(at))
            << name << " " << describe(w.rect()) << ": " << b->text().toStdString()
            << " lies outside the window at " << describe(at);
    }
}

// Headless: the window at its opening and at its smallest size, below an estimated title bar.
void expectFits(platform::Window& w) {
    const std::string name = w.metaObject()->className();
    checked.insert(name);
    for (const QSize size : {w.size(), smallestSize(w)}) {
        EXPECT_LE(size.width(), kScreenWidth) << name;
        EXPECT_LE(size.height(), kScreenHeight - kTitleBar) << name;
    }
    expectButtonsInside(w, name);
}

// Lets the X server and the window manager answer until done holds; false when they have not
// within a few seconds.
bool waitFor(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(5000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// Shown by the server, inside the frame the window manager put around it unless it has none.
bool placed(const QWidget& w) {
    const QWindow* handle = w.windowHandle();
    return handle && handle->isExposed() &&
           (handle->frameMargins() != QMargins() ||
            w.windowFlags().testFlag(Qt::FramelessWindowHint));
}

// Counts the sizes the window system reports for a window, so that a test can wait for the
// window manager's answer to a resize.
class ReportedSizes : public QObject {
  public:
    explicit ReportedSizes(QWindow* window) : window_(window) { window->installEventFilter(this); }
    ~ReportedSizes() override { window_->removeEventFilter(this); }
    int count() const { return count_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            ++count_;
        return false;
    }

  private:
    QWindow* window_;
    int count_ = 0;
};

// The frame the window manager drew, title bar and borders included, lies on the screen.
void expectFramedOnScreen(const QWidget& w, const std::string& name, const char* when) {
    const QRect screen = w.screen()->geometry();
    EXPECT_TRUE(screen.contains(w.frameGeometry()))
        << name << " " << when << ": its frame " << describe(w.frameGeometry())
        << " leaves the screen " << describe(screen);
    expectButtonsInside(w, name);
}

// On X: the window where the window manager placed it, then made as small as it goes.
void expectFitsOnX(platform::Window& w) {
    const std::string name = w.metaObject()->className();
    checked.insert(name);
    ASSERT_TRUE(waitFor([&] { return placed(w); })) << name << " is never shown";
    expectFramedOnScreen(w, name, "at its opening size");
    const QSize smallest = smallestSize(w);
    if (smallest == w.size() || smallest.isEmpty())
        return; // as small as it goes, or laid out by hand with no least size
    ReportedSizes reported(w.windowHandle());
    w.resize(smallest);
    ASSERT_TRUE(waitFor([&] { return reported.count() > 0; })) << name << " is never resized";
    EXPECT_EQ(w.size(), smallest) << name;
    expectFramedOnScreen(w, name, "at its smallest size");
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

// The program's fonts for as long as it lives, as the program sets them at its start.
class ProgramFonts {
  public:
    ProgramFonts() : kept_(QApplication::font()) { platform::installFonts(); }
    ~ProgramFonts() { QApplication::setFont(kept_); }

  private:
    QFont kept_;
};

class WindowFitTest : public ShellTest {
  protected:
    // Starts with full lists, hands every kind of window to check as it opens and ends the run.
    void checkEveryWindow(const std::function<void(platform::Window&)>& check);
};

} // namespace

void WindowFitTest::checkEveryWindow(const std::function<void(platform::Window&)>& check) {
    const auto checkAndClose = [&](platform::Window& w) {
        check(w);
        w.unloadWindow();
    };

    checked.clear();
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
    check(*main);

    for (const char* button :
         {"salesListButton", "bestSellersButton", "customersButton", "departmentsButton",
          "suppliersButton", "accountTitlesButton", "subAccountsButton", "closingDaysButton",
          "menuItemsButton", "menuCategoriesButton", "backupButton"}) {
        script.window(checkAndClose);
        main->button(button)->click();
    }

    // The daily report and the guest slips it opens.
    script.window([&](platform::Window& daily) {
        check(daily);
        script.window(checkAndClose);
        dailyReportLinks().guestSlips(busyoNames[1]);
        daily.unloadWindow();
    });
    main->button("dailyReportButton")->click();

    // The voucher book and what its menus open.
    script.window([&](platform::Window& book) {
        check(book);
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

TEST_F(WindowFitTest, EveryWindowFitsTheScreenWithFullLists) {
    const ProgramFonts fonts;
    checkEveryWindow(expectFits);
}

// Run by tests/on_x_display.sh; anywhere else it fails, as it measures nothing there.
TEST_F(WindowFitTest, EveryWindowFitsAnXScreen) {
    ASSERT_EQ(QGuiApplication::platformName().toStdString(), "xcb") << "not on an X display";
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(),
              QRect(0, 0, kScreenWidth, kScreenHeight));
    const ProgramFonts fonts;
    checkEveryWindow(expectFitsOnX);
}
