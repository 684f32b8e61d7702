#include "register_fixture.h"
#include "registers/bank_register.h"
#include "registers/openers.h"

#include <QLabel>
#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;

namespace {

class BankRegisterTest : public RegisterTest {
  protected:
    void SetUp() override {
        RegisterTest::SetUp();
        denpyouBusyo = 1; // 支店
    }
    static std::string kouzaFile(const std::string& busyo = "支店") {
        return departmentFile(busyo, "kouza.dat");
    }
    static std::string ttidWithKouza(int value) {
        return lines(
            {" 0", " 0", " 0", " 0", " 0", " 0", " 0", " 0", " " + std::to_string(value), " 4"});
    }
    static void insert(BankRegister& w, const QString& name) {
        w.nameBox()->setText(name);
        pressEnter(w.nameBox());
    }
};

} // namespace

TEST_F(BankRegisterTest, InsertCountsUpOnSlotNineAndDropsCommasOnInsert) {
    writeBytes(kouzaFile(), lines({" 1", "りそな", " 20"}));
    ttidKouza = 7;
    TestScript script;
    script.window<BankRegister>([&](BankRegister& w) {
        EXPECT_EQ(w.windowTitle(), "銀行登録");
        EXPECT_EQ(w.helpLabel()->text(),
                  "新規で銀行を登録する場合は銀行名を下のテキストボックスに記入"
                  "して挿入ボタンをクリックしてください。");
        typeText(w.nameBox(), "み,ずほ"); // the comma stays while typing
        EXPECT_EQ(w.nameBox()->text(), "み,ずほ");
        pressEnter(w.nameBox());
        EXPECT_EQ(rows(w.nameList()), (QStringList{"りそな", "みずほ"}));
        w.saveButton()->click();
        w.backButton()->click();
    });
    openBankRegister();
    // The counter counts up by one; the largest id in the list (20) plays no part.
    EXPECT_EQ(readBytes(kouzaFile()), lines({" 2", "りそな", " 20", "みずほ", " 8"}));
    EXPECT_EQ(readBytes(rootFilePath("ttid.dat")), ttidWithKouza(8));
}

TEST_F(BankRegisterTest, IssuedIdSkipsIdsTheListHolds) {
    struct Case {
        int counter;
        std::vector<int> ids;
        int issued;
    } cases[] = {
        {7, {8, 9, 11}, 10}, // a counter that fell behind the list (ttid.dat lost)
        {0, {1, 2, 3}, 4},
        {5, {3}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.counter);
        std::string bytes = lines({" " + std::to_string(c.ids.size())});
        for (int id : c.ids)
            bytes += lines({"b" + std::to_string(id), " " + std::to_string(id)});
        writeBytes(kouzaFile(), bytes);
        ttidKouza = c.counter;
        TestScript script;
        script.window<BankRegister>([&](BankRegister& w) {
            insert(w, "new");
            w.setListChanged(false);
            w.backButton()->click();
        });
        openBankRegister();
        EXPECT_EQ(kouzaIds[c.ids.size()], c.issued);
        EXPECT_EQ(ttidKouza, c.issued);
    }
}

TEST_F(BankRegisterTest, CommaNameThatExistsIsRefusedWithTheCleanedText) {
    writeBytes(kouzaFile(), lines({" 1", "みずほ", " 3"}));
    TestScript script;
    script.answer(Answer::Ok).window<BankRegister>([&](BankRegister& w) {
        insert(w, "み,ずほ");
        EXPECT_EQ(w.nameBox()->text(), "みずほ");
        EXPECT_EQ(w.nameList()->count(), 1);
        w.closeWindow();
    });
    openBankRegister();
    EXPECT_EQ(script.boxes()[0].text, "同じ名前があります");
    EXPECT_EQ(ttidKouza, 0);
}

TEST_F(BankRegisterTest, DeleteAsksOnceAndRenameIsDroppedByDiscard) {
    writeBytes(kouzaFile(), lines({" 2", "A", " 3", "B", " 5"}));
    const std::string before = readBytes(kouzaFile());
    TestScript script;
    script.window<BankRegister>([&](BankRegister& w) {
        clickRow(w.nameList(), 0);
        script.answer(Answer::Ok);
        w.editButtons()[1]->click();
        EXPECT_EQ(rows(w.nameList()), (QStringList{"B"}));

        clickRow(w.nameList(), 0);
        script.window<BankRenameDialog>([](BankRenameDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Form1");
            d.nameBox()->setText("BB");
            d.okButton()->click();
        });
        w.editButtons()[2]->click(); // no warning first
        EXPECT_EQ(rows(w.nameList()), (QStringList{"BB"}));
        EXPECT_TRUE(w.listChanged()); // not saved by the rename
        EXPECT_EQ(mousePointer(), Pointer::Normal);
        script.answer(Answer::No).answer(Answer::Yes);
        w.backButton()->click();
    });
    openBankRegister();
    ASSERT_EQ(script.boxes().size(), 3u);
    EXPECT_EQ(script.boxes()[0].text, "本当に削除しますか？");
    EXPECT_EQ(script.boxes()[0].title, "再確認");
    EXPECT_EQ(script.boxes()[0].icon, Icon::Warning);
    EXPECT_EQ(script.boxes()[1].text, "銀行口座に変更があります。保存しますか？");
    EXPECT_EQ(readBytes(kouzaFile()), before);
    EXPECT_EQ(kouzaCount, 2);
    EXPECT_EQ(kouzaNames[1], "B");
}

TEST_F(BankRegisterTest, EachDepartmentHasItsListAndAllShareOneCounter) {
    TestScript script;
    for (int busyo : {0, 1}) {
        denpyouBusyo = busyo;
        script.window<BankRegister>([&](BankRegister& w) {
            EXPECT_EQ(w.nameList()->count(), 0);
            insert(w, busyo == 0 ? "A" : "B");
            w.saveButton()->click();
            w.backButton()->click();
        });
        openBankRegister();
    }
    EXPECT_EQ(readBytes(kouzaFile("本店")), lines({" 1", "A", " 1"}));
    EXPECT_EQ(readBytes(kouzaFile("支店")), lines({" 1", "B", " 2"}));
    EXPECT_EQ(readBytes(rootFilePath("ttid.dat")), ttidWithKouza(2));
}

TEST_F(BankRegisterTest, MissingDepartmentFolderIsMadeOnSave) {
    std::filesystem::remove_all(busyoFolderPath("支店"));
    TestScript script;
    script.window<BankRegister>([&](BankRegister& w) {
        EXPECT_EQ(w.nameList()->count(), 0);
        insert(w, "A");
        w.saveButton()->click();
        w.backButton()->click();
    });
    openBankRegister();
    EXPECT_EQ(readBytes(kouzaFile()), lines({" 1", "A", " 1"}));
    EXPECT_TRUE(script.boxes().empty());
}
