#include "shell_fixture.h"

#include "shell/folder_copy.h"
#include "storage/masters.h"

#include <QScreen>

using namespace lukana;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

TEST_F(ShellTest, ExitWritesCountersAndPositionAndRemovesTheLock) {
    TestScript script;
    auto main = firstStart(script);
    ASSERT_TRUE(main);
    main->setGeometry(100, 80, 640, 480);
    ttidSiire = 7; // issued during the run, not yet written
    script.answer(Answer::No);
    main->button("exitButton")->click();

    EXPECT_FALSE(main->isOpen());
    EXPECT_EQ(readBytes(root("ttid.dat")),
              " 0\r\n 0\r\n 0\r\n 0\r\n 7\r\n 20\r\n 10\r\n 0\r\n 0\r\n 2\r\n");
    EXPECT_FALSE(fs::exists(root("login.dat")));
    const auto& box = script.boxes().back();
    EXPECT_EQ(box.text, "自動バックアップに上書きしますか？\rエラーが出た場合は上書きしないでここで"
                        "は「いいえ」を選択し、あとで自動バックアップを復元してください。\rバック"
                        "アップに上書き保存する場合は「はい」を押してください。");
    EXPECT_EQ(box.title, "バックアップの確認");
    EXPECT_EQ(box.buttons, Buttons::YesNo);
    EXPECT_EQ(box.icon, Icon::Question);
    EXPECT_EQ(box.defaultButton, Answer::Yes);

    // The position in twips, as decimal text.
    QSettings registry(QSettings::IniFormat, QSettings::UserScope, "ルカナ", "ルカナ");
    const double dpi = main->screen()->logicalDotsPerInch();
    const QRect frame = main->frameGeometry();
    EXPECT_EQ(registry.value("Settings/MainLeft").toString(),
              QString::number(toTwips(frame.x(), dpi)));
    EXPECT_EQ(registry.value("Settings/MainTop").toString(),
              QString::number(toTwips(frame.y(), dpi)));
    EXPECT_EQ(registry.value("Settings/MainWidth").toInt(), toTwips(frame.width(), dpi));
    EXPECT_EQ(registry.value("Settings/MainHeight").toInt(), toTwips(frame.height(), dpi));
    EXPECT_EQ(toTwips(640, 96), 9600);
    // No backup was made.
    EXPECT_TRUE(fs::is_empty(drive.path() / "ktlukanabu"));
}

TEST_F(ShellTest, BackupYesMergesTheTreeIntoTheAutomaticBackup) {
    TestScript script;
    auto main = firstStart(script);
    ASSERT_TRUE(main);
    const fs::path backup = drive.path() / "ktlukanabu";
    writeBytes((backup / "only-in-backup.dat").string(), "keep");
    writeBytes((backup / "passw.dat").string(), "old\r\n");
    writeBytes((backup / "login.dat").string(), " 0\r\n"); // taken along by an older copy
    exitProgram(script, *main, Answer::Yes);

    EXPECT_EQ(readBytes((backup / "passw.dat").string()), "pw\r\n");
    EXPECT_EQ(readBytes((backup / "only-in-backup.dat").string()), "keep");
    EXPECT_EQ(readBytes((backup / "tekiyou.dat").string()), readBytes(root("tekiyou.dat")));
    EXPECT_TRUE(fs::is_directory(backup / "本店"));
    EXPECT_TRUE(fs::is_directory(backup / "sift" / "csv"));
    // The copy was made while the lock existed: the copy never holds it, and the lock goes.
    EXPECT_FALSE(fs::exists(backup / "login.dat"));
    EXPECT_FALSE(fs::exists(root("login.dat")));
}

TEST_F(ShellTest, BackupThatFailsTwiceIsToldAndTheLockStillGoes) {
    TestScript script;
    auto main = firstStart(script);
    ASSERT_TRUE(main);
    setWriteFaultHook([](WriteStage stage) { return stage == WriteStage::Rename; });
    const size_t before = script.boxes().size();
    script.answer(Answer::Ok).answer(Answer::Yes).answer(Answer::Ok);
    main->button("exitButton")->click();
    setWriteFaultHook({});
    // ttid.dat failed as well: both are told, none passes as success.
    ASSERT_EQ(script.boxes().size(), before + 3);
    EXPECT_TRUE(script.boxes()[before].text.startsWith("ttid.dat を保存できませんでした。"));
    EXPECT_TRUE(script.boxes()[before + 2].text.startsWith("自動バックアップに失敗しました。"));
    EXPECT_FALSE(fs::exists(root("login.dat")));
}

TEST_F(ShellTest, ChoiceFollowsCurBusyoOnEveryActivation) {
    // Fake windows in place of later ones: one changes curBusyo, one deletes the last department.
    mainWindowLinks().customerAnalysis = [] { curBusyo = 1; };
    mainWindowLinks().dailyReport = [] {
        busyoCount = 1;
        rebuildBusyoLists();
    };
    struct Fake : platform::Window {};
    auto through = [](WindowLink inner) {
        return [inner] {
            Fake w;
            inner();
            platform::runModal(w);
        };
    };
    mainWindowLinks().customerAnalysis = through(mainWindowLinks().customerAnalysis);
    mainWindowLinks().dailyReport = through(mainWindowLinks().dailyReport);

    TestScript script;
    auto main = firstStart(script);
    ASSERT_TRUE(main);
    addBusyo("二号店", 8);
    EXPECT_TRUE(main->button("customersButton")->isEnabled());
    EXPECT_FALSE(main->button("salesListButton")->isEnabled()); // no window yet

    auto closeIt = [](platform::Window& w) { w.closeWindow(); };
    script.window(closeIt);
    main->button("customersButton")->click();
    EXPECT_EQ(main->departmentChoice()->count(), 2);
    EXPECT_EQ(main->departmentChoice()->currentText(), "二号店");

    script.window(closeIt);
    main->button("dailyReportButton")->click();
    EXPECT_EQ(main->departmentChoice()->listIndex(), -1);
    EXPECT_EQ(curBusyo, 1); // unchanged

    main->departmentChoice()->setListIndex(0); // the user's pick
    EXPECT_EQ(curBusyo, 0);
    exitProgram(script, *main, Answer::No);
}

TEST_F(ShellTest, AccountTitleButtonsSetTheKindAndTheBusyPointer) {
    int seenKind = 0;
    platform::Pointer seenPointer = platform::Pointer::Normal;
    mainWindowLinks().accountTitles = mainWindowLinks().subAccounts = [&](int kind) {
        seenKind = kind;
        seenPointer = platform::mousePointer();
    };
    TestScript script;
    auto main = firstStart(script);
    ASSERT_TRUE(main);
    for (auto [button, kind] :
         {std::pair{"accountTitlesButton", 2}, std::pair{"subAccountsButton", 3}}) {
        main->button(button)->click();
        EXPECT_EQ(seenKind, kind);
        EXPECT_EQ(seenPointer, platform::Pointer::Busy);
        platform::setMousePointer(platform::Pointer::Normal);
    }
    exitProgram(script, *main, Answer::No);
}

TEST_F(ShellTest, RecoveryIsGuardedByThePassword) {
    bool recoveryOpened = false;
    mainWindowLinks().recovery = [&] {
        recoveryOpened = true;
        recovDone = 1;
    };
    TestScript script;
    auto main = firstStart(script, "pw");
    ASSERT_TRUE(main);

    // A wrong password only gets the notice; the login window is cancelled.
    script.answer(Answer::Ok).answer(Answer::Ok);
    script.window<LoginWindow>([](LoginWindow& w) {
        w.passwordBox()->setText("nope");
        w.okButton()->click();
        w.cancelButton()->click();
    });
    main->button("recoveryButton")->click();
    EXPECT_EQ(script.boxes().back().text, "パスワードが一致しないのでこの処理は出来ません。");
    EXPECT_FALSE(recoveryOpened);

    // No to the warning: nothing happens.
    script.window<LoginWindow>(login("pw")).answer(Answer::No);
    main->button("recoveryButton")->click();
    const auto& warning = script.boxes().back();
    EXPECT_TRUE(warning.text.startsWith("データのリカバリーは本体の勤務データを全て破棄する"));
    EXPECT_EQ(warning.title, "警告！！");
    EXPECT_EQ(warning.buttons, Buttons::YesNo);
    EXPECT_EQ(warning.defaultButton, Answer::Yes);
    EXPECT_FALSE(recoveryOpened);
    EXPECT_TRUE(main->isOpen());

    // Deleted passw.dat: the password typed becomes the password; a restore ends the program.
    fs::remove(root("passw.dat"));
    script.window<LoginWindow>(login("new")).answer(Answer::Yes).answer(Answer::No);
    main->button("recoveryButton")->click();
    EXPECT_TRUE(recoveryOpened);
    EXPECT_EQ(readBytes(root("passw.dat")), "new\r\n");
    EXPECT_FALSE(main->isOpen());
    EXPECT_FALSE(fs::exists(root("login.dat")));
}

TEST_F(ShellTest, DamagedRegisterFilesAreMovedAsideAndTold) {
    {
        TestScript script;
        auto main = firstStart(script);
        exitProgram(script, *main, Answer::No);
    }
    writeBytes(root("tekiyou.dat"), "not a count\r\n");
    writeBytes(root("misena.dat"), "garbage\r\n");
    TestScript script;
    auto main = laterStart(script, "pw", [&] {
        script.answer(Answer::Ok).answer(Answer::Ok); // misena.dat moved aside, first department
        script.window<DepartmentRegister>(registerDepartment("本店"));
        script.answer(Answer::Ok).answer(Answer::Ok); // menus note, tekiyou.dat moved aside
    });
    ASSERT_TRUE(main);
    int told = 0;
    for (const auto& box : script.boxes())
        for (const char* file : {"misena.dat", "tekiyou.dat"})
            if (box.text.startsWith(file) && box.text.contains(".broken-")) {
                ++told;
                const QString moved = box.text.section('\r', -1);
                EXPECT_TRUE(fs::exists(moved.toStdString())) << moved.toStdString();
            }
    EXPECT_EQ(told, 2);
    EXPECT_EQ(tekiyouCount, 16);
    exitProgram(script, *main, Answer::No);
}

TEST_F(ShellTest, ButtonsOpenTheirWindowsOnceRegistered) {
    lukana::fillWindowLinks();
    TestScript script;
    auto main = firstStart(script);
    ASSERT_TRUE(main);
    ASSERT_TRUE(main->button("closingDaysButton")->isEnabled()); // 締め日
    script.window<lukana::ClosingDaysDialog>([](lukana::ClosingDaysDialog& w) { w.closeWindow(); });
    main->button("closingDaysButton")->click();
    script.window<lukana::BackupDialog>([](lukana::BackupDialog& w) { w.closeWindow(); });
    main->button("backupButton")->click(); // バックアップ
    EXPECT_EQ(script.windowsShown(), 4);
    exitProgram(script, *main, lukana::platform::Answer::No);
}
