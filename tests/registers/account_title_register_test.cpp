#include "register_fixture.h"
#include "registers/account_title_register.h"
#include "registers/openers.h"

#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;
namespace fs = std::filesystem;

namespace {

class AccountTitleRegisterTest : public RegisterTest {
  protected:
    static std::string tekiyouFile() { return rootFilePath("tekiyou.dat"); }
    static std::string tyFile() { return rootFilePath("ty.dat"); }
    static void insert(AccountTitleRegister& w, const QString& name) {
        w.nameBox()->setText(name);
        pressEnter(w.nameBox());
    }
    // What the main window's button does.
    static void openFromMainWindow() {
        setMousePointer(Pointer::Busy);
        openAccountTitleRegister(2);
    }
    static std::vector<fs::path> asideFiles(const std::string& name) {
        std::vector<fs::path> found;
        for (const auto& e : fs::directory_iterator(dataRoot()))
            if (e.path().filename().string().starts_with(name + ".broken-"))
                found.push_back(e.path());
        return found;
    }
};

} // namespace

TEST_F(AccountTitleRegisterTest, FreshTreeGetsTheDefaultsAndIdsContinueAboveThem) {
    TestScript script;
    script.window<AccountTitleRegister>([&](AccountTitleRegister& w) {
        EXPECT_EQ(w.windowTitle(), "勘定科目登録");
        EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0, 255, 255));
        EXPECT_EQ(mousePointer(), Pointer::Normal);
        EXPECT_EQ(w.nameList()->count(), 16);
        EXPECT_EQ(w.nameList()->item(3)->text(), "売掛金");
        EXPECT_FALSE(w.listChanged());
        insert(w, "広告費");
        insert(w, "保険料");
        w.saveButton()->click();
        w.backButton()->click();
    });
    openFromMainWindow();
    EXPECT_TRUE(script.boxes().empty()); // missing files are no news
    EXPECT_EQ(tekiyouIds[16], 22);
    EXPECT_EQ(tekiyouIds[17], 24);
    EXPECT_EQ(readBytes(tyFile()), lines({" 4", "電気", " 1", " 13", "水道", " 2", " 13",
                                          "日払い給料", " 3", " 8", "体験入店費", " 4", " 8"}));
    EXPECT_EQ(readBytes(rootFilePath("ttid.dat")),
              lines({" 0", " 0", " 0", " 0", " 0", " 24", " 10", " 0", " 0", " 4"}));
    const std::string saved = readBytes(tekiyouFile());
    EXPECT_TRUE(saved.starts_with(lines({" 18", "仕入", " 1", "売上", " 2"})));
    EXPECT_TRUE(saved.ends_with(lines({"雑費", " 16", "広告費", " 22", "保険料", " 24"})));
}

TEST_F(AccountTitleRegisterTest, EveryOpeningReadsTheFileAgain) {
    writeBytes(tekiyouFile(), lines({" 2", "A", " 1", "B", " 2"}));
    tekiyouCount = 1;
    tekiyouNames[0] = "stale";
    TestScript script;
    script.window<AccountTitleRegister>([&](AccountTitleRegister& w) {
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "B"}));
        w.backButton()->click();
    });
    openFromMainWindow();
    EXPECT_FALSE(fs::exists(tyFile())); // a readable file: no defaults anywhere
}

TEST_F(AccountTitleRegisterTest, MissingTitlesKeepAReadableSubAccountFile) {
    const std::string ty = lines({" 1", "X", " 30", " 5"});
    writeBytes(tyFile(), ty);
    ttidTekiyou = 35;
    ttidTy = 40;
    TestScript script;
    script.window<AccountTitleRegister>([&](AccountTitleRegister& w) { w.backButton()->click(); });
    openFromMainWindow();
    EXPECT_EQ(tekiyouCount, 16);
    EXPECT_EQ(ttidTekiyou, 55);
    EXPECT_EQ(ttidTy, 40);
    EXPECT_EQ(readBytes(tyFile()), ty);
    EXPECT_EQ(tyCount, 1);
    EXPECT_EQ(tyNames[0], "X");
}

TEST_F(AccountTitleRegisterTest, UnreadableFilesAreMovedAsideAndTheUserIsTold) {
    const std::string brokenTitles = lines({" 2", "A", " x"});
    const std::string brokenSubs = lines({" 9", "Y"});
    writeBytes(tekiyouFile(), brokenTitles);
    writeBytes(tyFile(), brokenSubs);
    TestScript script;
    script.answer(Answer::Ok)
        .answer(Answer::Ok)
        .window<AccountTitleRegister>([&](AccountTitleRegister& w) {
            EXPECT_EQ(w.nameList()->count(), 16);
            w.backButton()->click();
        });
    openFromMainWindow();
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_TRUE(script.boxes()[0].text.startsWith("tekiyou.dat が壊れていて読めなかったため"));
    EXPECT_TRUE(script.boxes()[1].text.startsWith("ty.dat が壊れていて読めなかったため"));
    const auto titlesAside = asideFiles("tekiyou.dat");
    const auto subsAside = asideFiles("ty.dat");
    ASSERT_EQ(titlesAside.size(), 1u);
    ASSERT_EQ(subsAside.size(), 1u);
    EXPECT_EQ(readBytes(titlesAside[0].string()), brokenTitles);
    EXPECT_EQ(readBytes(subsAside[0].string()), brokenSubs);
    EXPECT_EQ(tyCount, 4);
}

TEST_F(AccountTitleRegisterTest, RenameKeepsTheIdAndIsDroppedByDiscard) {
    TestScript script;
    script.window<AccountTitleRegister>(
        [](AccountTitleRegister& w) { w.backButton()->click(); }); // creates the defaults
    openFromMainWindow();
    const std::string saved = readBytes(tekiyouFile());
    script.window<AccountTitleRegister>([&](AccountTitleRegister& w) {
        clickRow(w.nameList(), 3);
        script.window<RenameByKindDialog>([](RenameByKindDialog& d) {
            EXPECT_EQ(d.windowTitle(), "勘定科目名変更");
            EXPECT_EQ(mousePointer(), Pointer::Normal);
            d.nameBox()->setText("売掛");
            d.okButton()->click();
        });
        w.editButtons()[2]->click(); // no warning first
        EXPECT_EQ(w.nameList()->item(3)->text(), "売掛");
        EXPECT_EQ(tekiyouIds[3], 4);
        EXPECT_TRUE(w.listChanged()); // not saved yet

        clickRow(w.nameList(), 3);
        script
            .window<RenameByKindDialog>([](RenameByKindDialog& d) {
                d.nameBox()->setText("現金");
                d.okButton()->click();
            })
            .answer(Answer::Ok);
        w.editButtons()[2]->click();
        EXPECT_EQ(w.nameList()->item(3)->text(), "売掛");

        script.answer(Answer::No).answer(Answer::Yes);
        w.backButton()->click();
    });
    openAccountTitleRegister(0); // any kind: the register's rename still takes account titles
    EXPECT_EQ(script.boxes()[0].text, "同じ名前があります");
    EXPECT_EQ(script.boxes()[1].text, "勘定科目に変更があります。保存しますか？");
    EXPECT_EQ(tekiyouNames[3], "売掛金");
    EXPECT_EQ(readBytes(tekiyouFile()), saved);
}

TEST_F(AccountTitleRegisterTest, DeleteAsksOneQuestionAndLeavesTheSubAccounts) {
    TestScript script;
    script.window<AccountTitleRegister>([&](AccountTitleRegister& w) {
        clickRow(w.nameList(), 7); // 給与, parent of two default sub-accounts
        script.answer(Answer::Ok);
        w.editButtons()[1]->click();
        EXPECT_EQ(w.nameList()->count(), 15);
        w.saveButton()->click();
        w.backButton()->click();
    });
    openFromMainWindow();
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, "本当に削除しますか？");
    EXPECT_EQ(script.boxes()[0].icon, Icon::Warning);
    EXPECT_EQ(tyCount, 4);
    EXPECT_EQ(tyTekiyouIds[2], 8);
}

TEST_F(AccountTitleRegisterTest, FullListRefusesAnInsert) {
    std::string bytes = " " + std::to_string(kTekiyouCapacity) + "\r\n";
    for (int i = 0; i < kTekiyouCapacity; ++i)
        bytes += "t" + std::to_string(i) + "\r\n " + std::to_string(i + 1) + "\r\n";
    writeBytes(tekiyouFile(), bytes);
    TestScript script;
    script.answer(Answer::Ok).window<AccountTitleRegister>([&](AccountTitleRegister& w) {
        insert(w, "more");
        EXPECT_EQ(w.nameList()->count(), kTekiyouCapacity);
        EXPECT_FALSE(w.listChanged());
        w.backButton()->click();
    });
    openFromMainWindow();
    EXPECT_EQ(script.boxes()[0].text, "これ以上登録できません。登録できるのは2001件までです。");
    EXPECT_EQ(ttidTekiyou, 0);
}
