#include "shell/splash_window.h"
#include "shell_fixture.h"
#include "storage/settings.h"

#include <QApplication>
#include <QLabel>

using namespace lukana;
using platform::Answer;
using platform::Buttons;

TEST_F(ShellTest, FirstStartBuildsTheTreeAndWritesEveryFileExactly) {
    TestScript script;
    auto main = firstStart(script, "pw");
    ASSERT_TRUE(main);
    EXPECT_TRUE(main->isOpen());

    for (const char* folder : {"", "data", "sift", "sift/csv", "siire", "本店"})
        EXPECT_TRUE(fs::is_directory(root(folder))) << folder;
    EXPECT_TRUE(fs::is_directory(drive.path() / "ktlukanabu"));

    EXPECT_EQ(readBytes(root("passw.dat")), "pw\r\n");
    EXPECT_EQ(readBytes(root("login.dat")), " 0\r\n");
    EXPECT_EQ(readBytes(root("opt.dat")), " 4\r\n 1989\r\n 4\r\n 1\r\n 3\r\n"
                                          " 1997\r\n 4\r\n 1\r\n 5\r\n"
                                          " 2014\r\n 4\r\n 1\r\n 8\r\n"
                                          " 2019\r\n 10\r\n 1\r\n 10\r\n 0\r\n 0\r\n");
    std::string tekiyou = " 16\r\n";
    const char* titles[] = {"仕入",       "売上",   "現金",       "売掛金",   "買掛金", "交通費",
                            "通信費",     "給与",   "事務用品費", "消耗品費", "交際費", "会議費",
                            "水道光熱費", "賃借料", "リース料",   "雑費"};
    for (int i = 0; i < 16; ++i)
        tekiyou += cp932(titles[i]) + "\r\n " + std::to_string(i + 1) + "\r\n";
    EXPECT_EQ(readBytes(root("tekiyou.dat")), tekiyou);
    EXPECT_EQ(readBytes(root("ty.dat")), " 4\r\n" + cp932("電気") + "\r\n 1\r\n 13\r\n" +
                                             cp932("水道") + "\r\n 2\r\n 13\r\n" +
                                             cp932("日払い給料") + "\r\n 3\r\n 8\r\n" +
                                             cp932("体験入店費") + "\r\n 4\r\n 8\r\n");
    EXPECT_EQ(readBytes(root("ttid.dat")),
              " 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 20\r\n 10\r\n 0\r\n 0\r\n 2\r\n");

    // The first department is asked for; no id-file message on a new tree.
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[0].text, "まず部署を登録してください。");
    EXPECT_EQ(script.boxes()[0].title, "ルカナ");
    EXPECT_TRUE(script.boxes()[1].text.startsWith("メニューや仕入先を登録すれば"));
    EXPECT_EQ(main->departmentChoice()->count(), 1);
    EXPECT_EQ(main->departmentChoice()->currentText(), "本店");
    EXPECT_EQ(main->windowTitle(), "ルカナ ver2.0.2");

    exitProgram(script, *main, Answer::No);
    EXPECT_FALSE(fs::exists(root("login.dat")));
}

TEST_F(ShellTest, FirstStartTaxTableGivesTheRateOfEachPeriod) {
    TestScript script;
    auto main = firstStart(script);
    ASSERT_TRUE(main);
    struct Case {
        long long year, month, day;
        std::optional<int> rate;
    };
    for (const Case& c :
         {Case{1989, 3, 31, std::nullopt}, Case{1989, 4, 1, 3}, Case{1997, 3, 31, 3},
          Case{1997, 4, 1, 5}, Case{2014, 3, 31, 5}, Case{2014, 4, 1, 8}, Case{2019, 9, 30, 8},
          Case{2019, 10, 1, 10}, Case{2026, 12, 11, 10}})
        EXPECT_EQ(Zeiritu(c.year, c.month, c.day), c.rate) << c.year << "-" << c.month;
    exitProgram(script, *main, Answer::No);
}

TEST_F(ShellTest, AnExistingTaxTableIsNeverTouched) {
    {
        TestScript script;
        auto main = firstStart(script);
        exitProgram(script, *main, Answer::No);
    }
    const std::string own = " 1\r\n 2000\r\n 1\r\n 1\r\n 5\r\n 1\r\n 0\r\n";
    writeBytes(root("opt.dat"), own);
    TestScript script;
    auto main = laterStart(script);
    ASSERT_TRUE(main);
    EXPECT_EQ(readBytes(root("opt.dat")), own);
    EXPECT_EQ(taxCount, 1);
    EXPECT_EQ(Zeiritu(2026, 12, 11), 5);
    exitProgram(script, *main, Answer::No);
}

TEST_F(ShellTest, TheLoginWindowLeavesTheSplashTitleAndVersionReadable) {
    TestScript script;
    script.window<LoginWindow>([](LoginWindow& w) {
        SplashWindow* splash = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* s = qobject_cast<SplashWindow*>(top); s && s->isVisible())
                splash = s;
        ASSERT_TRUE(splash);
        // A window manager's title bar stands above the login window's own area.
        const QRect login = w.frameGeometry().adjusted(0, -30, 0, 0);
        for (QLabel* label : {splash->titleLabel(), splash->versionLabel()}) {
            const QRect text(label->mapToGlobal(QPoint(0, 0)), label->size());
            EXPECT_FALSE(login.intersects(text)) << label->text().toStdString();
        }
        EXPECT_TRUE(splash->frameGeometry().contains(w.frameGeometry().center()));
        w.cancelButton()->click();
    });
    EXPECT_FALSE(Main());
}

TEST_F(ShellTest, DepartmentIsAskedForUntilOneIsRegistered) {
    TestScript script;
    script.window<LoginWindow>(login(""));
    script.answer(Answer::Ok);
    script.window<DepartmentRegister>([](DepartmentRegister& w) {
        w.nameBox()->setText("a/b"); // cannot be a folder name
        w.editButtons()[0]->click();
        EXPECT_EQ(w.nameList()->count(), 0);
        w.backButton()->click();
    });
    script.answer(Answer::Ok).answer(Answer::Ok);
    script.window<DepartmentRegister>(registerDepartment("二号店"));
    script.answer(Answer::Ok);
    auto main = Main();
    ASSERT_TRUE(main);
    ASSERT_EQ(script.boxes().size(), 4u);
    EXPECT_EQ(script.boxes()[2].text, "部署を登録してください");
    EXPECT_EQ(busyoCount, 1);
    EXPECT_FALSE(fs::exists(root("a")));
    // The empty first password is the password from now on.
    EXPECT_EQ(readBytes(root("passw.dat")), "\r\n");
    exitProgram(script, *main, Answer::No);
}

TEST_F(ShellTest, LockWarningCancelKeepsTheLockOkGoesOnAndExitRemovesIt) {
    {
        TestScript script;
        auto main = firstStart(script);
        ASSERT_TRUE(main);
        exitProgram(script, *main, Answer::No);
    }
    // A run that ended without its exit routine left the lock behind.
    writeBytes(root("login.dat"), " 0\r\n");
    const QString warning = "このソフトは既に誰かがログインしています。";
    {
        TestScript script;
        script.answer(Answer::Cancel);
        EXPECT_FALSE(laterStart(script));
        ASSERT_EQ(script.boxes().size(), 1u);
        const auto& box = script.boxes()[0];
        EXPECT_TRUE(box.text.startsWith(warning));
        EXPECT_TRUE(box.text.endsWith("但しこの場合のデータの保証はありません。"));
        EXPECT_EQ(box.title, "ログインできません");
        EXPECT_EQ(box.buttons, Buttons::OkCancel);
        EXPECT_EQ(box.defaultButton, Answer::Cancel);
        EXPECT_EQ(readBytes(root("login.dat")), " 0\r\n");
    }
    {
        TestScript script;
        script.answer(Answer::Ok);
        auto main = laterStart(script);
        ASSERT_TRUE(main);
        exitProgram(script, *main, Answer::No);
        EXPECT_FALSE(fs::exists(root("login.dat")));
    }
    {
        TestScript script; // no warning any more
        auto main = laterStart(script);
        ASSERT_TRUE(main);
        EXPECT_TRUE(script.boxes().empty());
        exitProgram(script, *main, Answer::No);
    }
}

TEST_F(ShellTest, UnreadableLockIsReplacedWithoutWarning) {
    {
        TestScript script;
        auto main = firstStart(script);
        exitProgram(script, *main, Answer::No);
    }
    for (const char* content : {"", "abc\r\n"}) {
        writeBytes(root("login.dat"), content);
        TestScript script;
        auto main = laterStart(script);
        ASSERT_TRUE(main);
        EXPECT_TRUE(script.boxes().empty()) << content;
        EXPECT_EQ(readBytes(root("login.dat")), " 0\r\n");
        EXPECT_EQ(loginLock, 1);
        exitProgram(script, *main, Answer::No);
    }
}

TEST_F(ShellTest, OfTwoStartsCreatingTheLockOnlyOneTakesIt) {
    fs::create_directories(root());
    filePath = root("login.dat");
    bool first = true, second = false;
    ASSERT_TRUE(loginCreateExclusive(first));
    ASSERT_TRUE(loginCreateExclusive(second));
    EXPECT_FALSE(first);
    EXPECT_TRUE(second);
    EXPECT_EQ(readBytes(root("login.dat")), " 0\r\n");
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(root()), fs::directory_iterator()), 1);
}

TEST_F(ShellTest, WrongPasswordKeepsTheLoginOpen) {
    fs::create_directories(root());
    writeBytes(root("passw.dat"), "secret\r\n");
    writeBytes(root("ttid.dat"), " 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n");
    // Compared exactly: case counts and nothing is trimmed.
    const QStringList wrong{"wrong", "Secret", "secret ", ""};
    TestScript script;
    for (int i = 0; i < wrong.size(); ++i)
        script.answer(Answer::Ok);
    script.window<LoginWindow>([&](LoginWindow& w) {
        for (const QString& typed : wrong) {
            w.passwordBox()->setText(typed);
            w.okButton()->click();
            EXPECT_TRUE(w.isOpen()) << typed.toStdString();
        }
        w.passwordBox()->setText("secret");
        w.okButton()->click();
        EXPECT_FALSE(w.isOpen());
    });
    script.answer(Answer::Ok).answer(Answer::Ok); // first department
    script.window<DepartmentRegister>(registerDepartment("本店"));
    auto main = Main();
    ASSERT_TRUE(main);
    ASSERT_EQ(script.boxes().size(), 6u);
    for (int i = 0; i < wrong.size(); ++i) {
        EXPECT_EQ(script.boxes()[static_cast<size_t>(i)].text,
                  "ﾊﾟｽﾜｰﾄﾞが正しくありません。もう一度入力してください !");
        EXPECT_EQ(script.boxes()[static_cast<size_t>(i)].title, "ﾛｸﾞｲﾝ");
    }
    EXPECT_EQ(readBytes(root("passw.dat")), "secret\r\n");
    exitProgram(script, *main, Answer::No);
}

TEST_F(ShellTest, CancelledLoginWritesNothing) {
    TestScript script;
    script.window<LoginWindow>([](LoginWindow& w) { w.cancelButton()->click(); });
    EXPECT_FALSE(Main());
    for (const char* file : {"passw.dat", "login.dat", "opt.dat", "ttid.dat"})
        EXPECT_FALSE(fs::exists(root(file))) << file;
}

TEST_F(ShellTest, PasswordBoxDropsCommasSoTheStoredPasswordMatches) {
    TestScript script;
    script.window<LoginWindow>([](LoginWindow& w) {
        w.passwordBox()->setFocus();
        typeText(w.passwordBox(), "a,b");
        EXPECT_EQ(w.passwordBox()->text(), "ab");
        w.okButton()->click();
    });
    script.answer(Answer::Ok).answer(Answer::Ok);
    script.window<DepartmentRegister>(registerDepartment("本店"));
    auto main = Main();
    ASSERT_TRUE(main);
    EXPECT_EQ(readBytes(root("passw.dat")), "ab\r\n");
    exitProgram(script, *main, Answer::No);
    TestScript again;
    auto second = laterStart(again, "ab");
    ASSERT_TRUE(second);
    exitProgram(again, *second, Answer::No);
}

TEST_F(ShellTest, MissingIdFileOnAnExistingTreeIsTold) {
    {
        TestScript script;
        auto main = firstStart(script);
        exitProgram(script, *main, Answer::No);
    }
    fs::remove(root("ttid.dat"));
    TestScript script;
    script.answer(Answer::Ok);
    auto main = laterStart(script);
    ASSERT_TRUE(main);
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text,
              "IDファイルが壊れている可能性があります。新規の個人情報の登録を"
              "避けてサポート窓口までご連絡ください。");
    EXPECT_EQ(script.boxes()[0].buttons, Buttons::Ok);
    EXPECT_EQ(ttidTekiyou, 0);
    exitProgram(script, *main, Answer::No);
}

TEST_F(ShellTest, ABrokenDepartmentLinkIsMovedAsideAndToldBeforeTheFirstRegistration) {
    {
        TestScript script;
        auto main = firstStart(script);
        exitProgram(script, *main, Answer::No);
    }
    fs::remove(root("misena.dat"));
    fs::create_symlink(root("nowhere.dat"), root("misena.dat"));
    TestScript script;
    auto main = laterStart(script, "pw", [&] {
        script.answer(Answer::Ok).answer(Answer::Ok);
        script.window<DepartmentRegister>(registerDepartment("二号店"));
        script.answer(Answer::Ok);
    });
    ASSERT_TRUE(main);
    ASSERT_EQ(script.boxes().size(), 3u);
    EXPECT_TRUE(script.boxes()[0].text.startsWith("misena.dat が壊れていて"));
    EXPECT_EQ(script.boxes()[1].text, "まず部署を登録してください。");
    bool linkAside = false;
    for (const auto& e : fs::directory_iterator(root()))
        linkAside |= e.path().filename().string().starts_with("misena.dat.broken-") &&
                     fs::read_symlink(e.path()) == root("nowhere.dat");
    EXPECT_TRUE(linkAside);
    EXPECT_FALSE(fs::is_symlink(root("misena.dat")));
    exitProgram(script, *main, Answer::No);
}

TEST_F(ShellTest, FailedWriteAtStartEndsCleanlyWithoutAHalfWrittenFile) {
    // Writes at a first start: passw.dat by the login window, passw.dat again, login.dat,
    // opt.dat. The write that fails is told, and the start ends without leaving the lock.
    struct Case {
        int failingWrite;
        const char* told;
        std::vector<const char*> absent;
    };
    for (const Case& c : {Case{2, "passw.dat", {"login.dat", "opt.dat"}},
                          Case{3, "login.dat", {"login.dat", "opt.dat"}},
                          Case{4, "opt.dat", {"login.dat", "opt.dat"}}}) {
        fs::remove_all(root());
        resetSharedState();
        resetShellState();
        int creates = 0;
        setWriteFaultHook([&](WriteStage stage) {
            return stage == WriteStage::Create && ++creates == c.failingWrite;
        });
        TestScript script;
        script.window<LoginWindow>(login("pw"));
        script.answer(Answer::Ok);
        EXPECT_FALSE(Main()) << c.told;
        setWriteFaultHook({});
        ASSERT_EQ(script.boxes().size(), 1u);
        EXPECT_TRUE(script.boxes()[0].text.contains(c.told))
            << script.boxes()[0].text.toStdString();
        for (const char* file : c.absent)
            EXPECT_FALSE(fs::exists(root(file))) << c.told << " " << file;
        for (const auto& entry : fs::directory_iterator(root())) {
            const std::string name = entry.path().filename().string();
            EXPECT_TRUE(name.find(".tmp") == std::string::npos &&
                        name.find(".new") == std::string::npos)
                << name;
        }
    }
}

TEST_F(ShellTest, FailedPasswordWriteInTheLoginWindowIsNotASuccess) {
    setWriteFaultHook([](WriteStage stage) { return stage == WriteStage::Write; });
    TestScript script;
    script.answer(Answer::Ok);
    script.window<LoginWindow>([](LoginWindow& w) {
        w.passwordBox()->setText("pw");
        w.okButton()->click();
        EXPECT_TRUE(w.isOpen());
        EXPECT_FALSE(w.accepted());
        w.cancelButton()->click();
    });
    EXPECT_FALSE(Main());
    EXPECT_TRUE(script.boxes()[0].text.contains("passw.dat"));
    EXPECT_FALSE(fs::exists(root("passw.dat")));
    EXPECT_TRUE(password.empty());
}

TEST_F(ShellTest, DataTreeKeepsExistingFolders) {
    fs::create_directories(drive.path() / "ktlukanabu");
    writeBytes((drive.path() / "ktlukanabu" / "old.dat").string(), "x");
    DataTreeResult first = ensureDataTree();
    ASSERT_TRUE(first.status);
    EXPECT_TRUE(first.createdRoot);
    EXPECT_EQ(readBytes((drive.path() / "ktlukanabu" / "old.dat").string()), "x");
    fs::remove_all(root("sift"));
    DataTreeResult second = ensureDataTree();
    EXPECT_FALSE(second.createdRoot);
    EXPECT_TRUE(fs::is_directory(root("sift/csv")));

    // A drive root that cannot hold the tree is a failure, not a half tree.
    driveRoot = (drive.path() / "missing" / "deeper").string();
    EXPECT_FALSE(ensureDataTree().status);
}
