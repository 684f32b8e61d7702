#include "main_window.h"

#include "data_transfer.h"
#include "id_counter_merge.h"
#include "login_files.h"
#include "login_window.h"
#include "platform/damaged_file.h"
#include "platform/message_box.h"
#include "platform/pointer.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "registers/damaged_files.h"
#include "registers/openers.h"
#include "shell_state.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/routines.h"
#include "storage/state.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>
#include <filesystem>

namespace lukana {

using namespace platform;

MainWindowLinks& mainWindowLinks() {
    static MainWindowLinks links;
    return links;
}

int toTwips(int pixels, double dotsPerInch) {
    return static_cast<int>(std::lround(pixels * 1440.0 / (dotsPerInch > 0 ? dotsPerInch : 96.0)));
}

namespace {

QString saveFailureText(const QString& what, const Status& s) {
    return QStringLiteral("%1 を保存できませんでした。\r%2")
        .arg(what, platform::toQString(s.message()));
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : Window(parent), departmentChoice_(new ComboBox(this)) {
    setWindowTitle(QStringLiteral("ルカナ ver2.0.2"));
    departmentChoice_->setObjectName(QStringLiteral("departmentChoice"));
    departmentChoice_->setMinimumWidth(220);

    auto makeButton = [this](const char* name, const char* caption, const char* hint) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        if (*hint)
            b->setToolTip(QString::fromUtf8(hint));
        b->setMinimumHeight(34);
        return b;
    };
    auto make = [this, makeButton](const char* name, const char* caption, const char* hint,
                                   WindowLink MainWindowLinks::*link) {
        QPushButton* b = makeButton(name, caption, hint);
        buttons_.push_back({b, link, nullptr, 0});
        return b;
    };
    auto makeKind = [this, makeButton](const char* name, const char* caption, const char* hint,
                                       KindLink MainWindowLinks::*link, int kind) {
        QPushButton* b = makeButton(name, caption, hint);
        buttons_.push_back({b, nullptr, link, kind});
        return b;
    };
    using O = MainWindowLinks;
    const char* sales = "売上や客単価などを集計します。";
    const char* supplier = "仕入先業者を登録します";
    const char* staff = "従業員の登録・変更・削除ができます";
    QPushButton* c23 =
        make("dailyReportButton", "日報", "売上どの日報を記録します", &O::dailyReport);
    QPushButton* c24 = make("voucherBookButton", "伝票処理",
                            "仕入れや売掛などの伝票記入や集計を行います。", &O::voucherBook);
    QPushButton* c25 = make("salesListButton", "売上集計", sales, &O::salesList);
    QPushButton* c34 = make("bestSellersButton", "売れ筋メニュー", sales, &O::bestSellerAnalysis);
    QPushButton* c35 = make("customersButton", "集客状況", sales, &O::customerAnalysis);
    QPushButton* c14 = make("departmentsButton", "部署の設定", "", &O::departments);
    QPushButton* c26 = make("suppliersButton", "仕入先", supplier, &O::suppliers);
    QPushButton* c28 = makeKind("accountTitlesButton", "勘定科目", supplier, &O::accountTitles, 2);
    QPushButton* c29 = makeKind("subAccountsButton", "補助科目", supplier, &O::subAccounts, 3);
    QPushButton* c18 =
        make("closingDaysButton", "締め日", "勤務の締め日を設定できます。", &O::closingDays);
    QPushButton* c33 = make("menuItemsButton", "メニュー", staff, &O::menuItems);
    QPushButton* c32 = make("menuCategoriesButton", "メニュー分類項目", staff, &O::menuCategories);
    QPushButton* c6 =
        make("backupButton", "バックアップ", "勤務のデータを一括でバックアップします", &O::backup);
    // The recovery button runs its own guard before its window (onRecoveryClicked).
    auto* c5 = new QPushButton(QStringLiteral("リカバリー"), this);
    c5->setObjectName(QStringLiteral("recoveryButton"));
    c5->setToolTip(QStringLiteral("勤務のデータを一括でリカバリーします"));
    c5->setMinimumHeight(34);
    auto* c3 = new QPushButton(QStringLiteral("終了"), this);
    c3->setObjectName(QStringLiteral("exitButton"));
    c3->setMinimumHeight(34);

    for (const Button& b : buttons_) {
        b.button->setEnabled(hasLink(b));
        connect(b.button, &QPushButton::clicked, this, [this, b] { openFromButton(b); });
    }
    c5->setEnabled(static_cast<bool>(mainWindowLinks().recovery));
    connect(c5, &QPushButton::clicked, this, [this] { onRecoveryClicked(); });
    connect(c3, &QPushButton::clicked, this, [this] { closeWindow(); });
    departmentChoice_->onChange([this] { onDepartmentChosen(); });

    auto frame = [this](const char* title, std::initializer_list<QWidget*> widgets) {
        auto* box = new QGroupBox(QString::fromUtf8(title), this);
        auto* layout = new QVBoxLayout(box);
        for (QWidget* w : widgets)
            layout->addWidget(w);
        return box;
    };
    auto* title = new QLabel(QStringLiteral("KT売り上げ分析"), this);
    title->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 18, QFont::Bold));
    auto* version = new QLabel(QStringLiteral("Ver.2.0.2"), this);

    auto* settings = new QGroupBox(QStringLiteral("設定"), this);
    auto* settingsLayout = new QHBoxLayout(settings);
    settingsLayout->addWidget(frame("全部所共通設定", {c14, c26, c28, c29}));
    settingsLayout->addWidget(frame("各部署個別設定", {c18, c33, c32}));

    auto* top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch();
    top->addWidget(version);
    auto* middle = new QHBoxLayout;
    middle->addWidget(frame("売り上げ関連", {c23, c24, c25, c34, c35}));
    middle->addWidget(settings);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(frame("ファイル処理", {c6, c5}));
    bottom->addStretch();
    bottom->addWidget(c3, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(departmentChoice_, 0, Qt::AlignLeft);
    layout->addLayout(middle);
    layout->addLayout(bottom);
}

QPushButton* MainWindow::button(const QString& name) const {
    return findChild<QPushButton*>(name);
}

void MainWindow::formLoad() {
    curYear = todayYear;
    curMonth = todayMonth;
    daysInMonth = Nissuu(curYear, curMonth);
    loadDepartmentList();
    loadRegisters();
    fillDepartmentChoice();
}

void MainWindow::loadDepartmentList() {
    const std::string misena = rootFilePath("misena.dat");
    if (readDepartments(misena))
        return;
    // A damaged list must not be overwritten by the first department registered below.
    if (auto damaged = moveAsideIfPresent(misena); damaged && damaged->movedTo)
        tellDamagedFile(*damaged, true);
    busyoCount = 0;
    rebuildBusyoLists();
    msgBox(QStringLiteral("まず部署を登録してください。"));
    for (;;) {
        openDepartmentRegister();
        if (busyoCount > 0)
            break;
        msgBox(QStringLiteral("部署を登録してください"));
    }
    msgBox(QStringLiteral("メニューや仕入先を登録すれば売り上げ分析がご利用になれます。これまでの"
                          "設定もあとでの変更も可能です。"));
}

void MainWindow::loadRegisters() {
    // Read for the lists in memory; a missing file leaves them as they are.
    (void)readBanks(rootFilePath("kouza.dat"));
    (void)readSuppliers(rootFilePath("siire.dat"));
    loadAccountTitlesTelling();
}

void MainWindow::fillDepartmentChoice() {
    filling_ = true;
    departmentChoice_->clear();
    for (int i = 0; i < busyoCount; ++i)
        departmentChoice_->addItem(QString::fromStdString(busyoNames[static_cast<size_t>(i)]));
    departmentChoice_->setListIndex(curBusyo >= 0 && curBusyo < busyoCount ? curBusyo : -1);
    filling_ = false;
}

void MainWindow::formActivate() {
    fillDepartmentChoice();
    setMousePointer(Pointer::Normal);
}

void MainWindow::onDepartmentChosen() {
    if (filling_ || departmentChoice_->listIndex() < 0)
        return;
    curBusyo = departmentChoice_->listIndex();
}

bool MainWindow::hasLink(const Button& b) const {
    const MainWindowLinks& o = mainWindowLinks();
    return b.kindLink ? static_cast<bool>(o.*b.kindLink) : static_cast<bool>(o.*b.link);
}

void MainWindow::openFromButton(const Button& b) {
    if (!hasLink(b))
        return;
    if (b.kindLink) {
        setMousePointer(Pointer::Busy);
        (mainWindowLinks().*b.kindLink)(b.registerKind);
        return;
    }
    (mainWindowLinks().*b.link)();
}

void MainWindow::onRecoveryClicked() {
    passwMissing = 0;
    if (!readPassword(rootFilePath("passw.dat")))
        passwMissing = 1;
    LoginWindow login;
    runModal(login);
    if (!login.accepted()) {
        msgBox(QStringLiteral("パスワードが一致しないのでこの処理は出来ません。"));
        return;
    }
    login.unloadWindow();
    Answer a = msgBox(QStringLiteral("データのリカバリーは本体の勤務データを全て破棄する行為ですの"
                                     "で、本体のデータが壊れたためにリカバリーするとき以外は使用し"
                                     "ないで下さい。リカバリーしますか？"),
                      Buttons::YesNo, Icon::None, Answer::Yes, QStringLiteral("警告！！"));
    if (a != Answer::Yes)
        return;
    recovDone = 0;
    if (const WindowLink& open = mainWindowLinks().recovery)
        open();
    if (recovDone == 1)
        closeWindow();
}

void MainWindow::formUnload() {
    runExitRoutine();
    emit programEnded();
}

void MainWindow::endBySystem() {
    endedBySystem_ = true;
    unloadWindow();
}

void MainWindow::tellExitFailure(const QString& text, Icon icon) {
    if (!endedBySystem_) {
        msgBox(text, Buttons::Ok, icon);
        return;
    }
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    std::fprintf(stderr, "lukana: %s\n", line.toLocal8Bit().constData());
}

void MainWindow::runExitRoutine() {
    // 1. The id counters, never below those of a ttid.dat a recovery restored.
    (void)mergeIdCountersWithFile(rootFilePath("ttid.dat"));
    if (Status s = writeIdCounters(rootFilePath("ttid.dat")); !s)
        tellExitFailure(saveFailureText(QStringLiteral("ttid.dat"), s), Icon::Critical);

    // 2. Every other window, the most recently loaded first.
    auto windows = loadedWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (*it != this)
            (*it)->unloadWindow();

    // 3. The position, unless minimised.
    if (!isMinimized()) {
        const double dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
        const QRect frame = frameGeometry();
        const std::pair<const char*, int> values[] = {{"MainLeft", frame.x()},
                                                      {"MainTop", frame.y()},
                                                      {"MainWidth", frame.width()},
                                                      {"MainHeight", frame.height()}};
        bool saved = true;
        for (auto [key, pixels] : values)
            saved = saveSetting(QStringLiteral("Settings"), QString::fromLatin1(key),
                                QString::number(toTwips(pixels, dpi))) &&
                    saved;
        if (!saved)
            tellExitFailure(QStringLiteral("ウィンドウの位置を保存できませんでした。"),
                            Icon::Warning);
    }

    // 4. The automatic backup, offered only to a user who is there to answer.
    Answer a =
        endedBySystem_
            ? Answer::No
            : msgBox(QStringLiteral("自動バックアップに上書きしますか？\rエラーが出た場合は上書き"
                                    "しないでここでは「いいえ」を選択し、あとで自動バックアップを"
                                    "復元してください。\rバックアップに上書き保存する場合は「はい」"
                                    "を押してください。"),
                     Buttons::YesNo, Icon::Question, Answer::Yes,
                     QStringLiteral("バックアップの確認"));
    if (a == Answer::Yes) {
        Status s = copyDataRoot(backupRoot());
        if (!s) {
            std::error_code ec;
            std::filesystem::create_directory(backupRoot(), ec);
            s = copyDataRoot(backupRoot());
        }
        if (!s)
            msgBox(QStringLiteral("自動バックアップに失敗しました。\r%1")
                       .arg(platform::toQString(s.message())),
                   Buttons::Ok, Icon::Warning);
    }

    // 5. The lock, in any case.
    std::error_code ec;
    std::filesystem::remove(rootFilePath("login.dat"), ec);
}

} // namespace lukana
