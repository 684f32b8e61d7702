#include "register_fixture.h"
#include "registers/menu_category_register.h"
#include "registers/openers.h"

#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;

namespace {

class MenuCategoryRegisterTest : public RegisterTest {
  protected:
    // 本店's mbun.dat with these names, ids 6, 8, 10, ...
    void writeCategories(std::initializer_list<std::string> names) {
        std::string bytes = lines({" " + std::to_string(names.size())});
        int id = 6;
        for (const std::string& n : names)
            bytes += lines({" " + std::to_string(id), n}), id += 2;
        writeBytes(mbunFile(), bytes);
    }
    std::string mbunFile() const { return departmentFile("本店", "mbun.dat"); }
    static void insert(MenuCategoryRegister& w, const QString& name) {
        w.nameBox()->setText(name);
        pressEnter(w.nameBox());
    }
};

} // namespace

TEST_F(MenuCategoryRegisterTest, OpenerInsertsAndSavesExactBytes) {
    TestScript script;
    script.window<MenuCategoryRegister>([&](MenuCategoryRegister& w) {
        EXPECT_EQ(w.windowTitle(), "メニュー分類項目設定");
        EXPECT_EQ(w.departmentChoice()->currentText(), "本店");
        EXPECT_FALSE(w.editButtons()[0]->isEnabled());
        typeText(w.nameBox(), "ドリ,ンク"); // the comma goes as it is typed
        EXPECT_EQ(w.nameBox()->text(), "ドリンク");
        pressEnter(w.nameBox());
        clickRow(w.nameList(), 0);
        EXPECT_TRUE(w.selectionGroupEnabled());
        typeText(w.nameBox(), "フード");
        w.editButtons()[0]->click(); // before the selected entry
        EXPECT_EQ(rows(w.nameList()), (QStringList{"フード", "ドリンク"}));
        EXPECT_EQ(w.nameBox()->text(), "");
        EXPECT_FALSE(w.editButtons()[0]->isEnabled());
        EXPECT_FALSE(w.selectionGroupEnabled());
        EXPECT_EQ(w.selectedRow(), -1);
        w.saveButton()->click();
        w.backButton()->click(); // saved: no question
    });
    openMenuCategoryRegister();
    EXPECT_EQ(readBytes(mbunFile()), lines({" 2", " 8", "フード", " 6", "ドリンク"}));
    EXPECT_EQ(readBytes(rootFilePath("ttid.dat")), ttidWithKyoutuu(8));
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(MenuCategoryRegisterTest, DuplicateIsRefusedAndKeepsTheText) {
    writeCategories({"Beer"});
    TestScript script;
    script.answer(Answer::Ok).window<MenuCategoryRegister>([&](MenuCategoryRegister& w) {
        insert(w, "Beer");
        EXPECT_EQ(w.nameBox()->text(), "Beer");
        EXPECT_FALSE(w.listChanged());
        insert(w, "beer"); // another case is another name
        EXPECT_EQ(rows(w.nameList()), (QStringList{"Beer", "beer"}));
        w.setListChanged(false);
        w.closeWindow();
    });
    openMenuCategoryRegister();
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, "同じ名前があります");
    EXPECT_EQ(script.boxes()[0].title, kAppTitle);
    EXPECT_EQ(script.boxes()[0].icon, Icon::None);
    EXPECT_EQ(ttidKyoutuu, 8); // only the accepted insert issued an id
}

TEST_F(MenuCategoryRegisterTest, MovesKeepTheEntrySelectedAndTheEndsStillMarkTheList) {
    writeCategories({"A", "B", "C"});
    TestScript script;
    script.answer(Answer::Yes).window<MenuCategoryRegister>([&](MenuCategoryRegister& w) {
        clickRow(w.nameList(), 0);
        w.moveButtons()[0]->click(); // the first one up: nothing moves
        EXPECT_TRUE(w.listChanged());
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "B", "C"}));
        clickRow(w.nameList(), 2);
        w.moveButtons()[1]->click(); // the last one down
        w.moveButtons()[3]->click(); // the last one to the bottom
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "B", "C"}));
        w.moveButtons()[2]->click(); // C to the top
        EXPECT_EQ(rows(w.nameList()), (QStringList{"C", "A", "B"}));
        EXPECT_EQ(w.selectedRow(), 0);
        EXPECT_EQ(w.nameList()->currentRow(), 0);
        EXPECT_TRUE(w.selectionGroupEnabled());
        w.moveButtons()[1]->click(); // and one down again
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "C", "B"}));
        EXPECT_EQ(w.selectedRow(), 1);
        w.closeWindow(); // asks, Yes saves
    });
    openMenuCategoryRegister();
    EXPECT_EQ(readBytes(mbunFile()), lines({" 3", " 6", "A", " 10", "C", " 8", "B"}));
}

TEST_F(MenuCategoryRegisterTest, LeaveQuestionAnswers) {
    struct Case {
        std::vector<Answer> answers;
        bool closes, saved;
    } cases[] = {
        {{Answer::Yes}, true, true},
        {{Answer::No, Answer::Yes}, true, false},
        {{Answer::No, Answer::No}, false, false},
        {{Answer::Cancel}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answers.size() * 10 + static_cast<int>(c.answers[0])));
        writeCategories({"A"});
        ttidKyoutuu = 4;
        TestScript script;
        for (Answer a : c.answers)
            script.answer(a);
        if (!c.closes)
            script.answer(Answer::Yes); // the second try saves and closes
        script.window<MenuCategoryRegister>([&](MenuCategoryRegister& w) {
            insert(w, "B");
            // Discarding must not depend on the file being readable still.
            std::filesystem::remove(mbunFile());
            EXPECT_EQ(w.closeWindow(), c.closes);
            if (!c.closes) {
                EXPECT_TRUE(w.isOpen());
                EXPECT_TRUE(w.listChanged());
                EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "B"}));
                EXPECT_TRUE(w.closeWindow());
            }
        });
        openMenuCategoryRegister();
        const auto& boxes = script.boxes();
        ASSERT_GE(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "メニュー分類項目に変更があります。保存しますか？");
        EXPECT_EQ(boxes[0].title, "保存確認");
        EXPECT_EQ(boxes[0].buttons, Buttons::YesNoCancel);
        EXPECT_EQ(boxes[0].icon, Icon::Question);
        if (c.answers[0] == Answer::No) {
            EXPECT_EQ(boxes[1].text,
                      "本当に保存しませんか？保存しない場合は「はい」を押してください");
            EXPECT_EQ(boxes[1].title, "保存再確認");
            EXPECT_EQ(boxes[1].buttons, Buttons::YesNo);
        }
        if (c.closes && !c.saved) {
            // Discarded: the list as it was read, the file not written again.
            EXPECT_FALSE(std::filesystem::exists(mbunFile()));
            EXPECT_EQ(mbunCount, 1);
            EXPECT_EQ(mbunRecs[0].name, "A");
        } else {
            EXPECT_EQ(readBytes(mbunFile()), lines({" 2", " 6", "A", " 8", "B"}));
        }
    }
}

TEST_F(MenuCategoryRegisterTest, DepartmentSwitchAsksAndACancelKeepsTheEdits) {
    writeCategories({"A"});
    TestScript script;
    script.answer(Answer::Cancel)
        .answer(Answer::Yes)
        .window<MenuCategoryRegister>([&](MenuCategoryRegister& w) {
            insert(w, "B");
            w.departmentChoice()->setCurrentIndex(1); // 支店
            EXPECT_EQ(w.departmentChoice()->currentIndex(), 0);
            EXPECT_EQ(curBusyo, 0);
            EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "B"}));
            EXPECT_TRUE(w.listChanged());
            w.departmentChoice()->setCurrentIndex(1); // asks again; Yes saves 本店 first
            EXPECT_EQ(curBusyo, 1);
            EXPECT_TRUE(rows(w.nameList()).isEmpty());
            EXPECT_FALSE(w.listChanged());
            EXPECT_FALSE(w.selectionGroupEnabled());
            w.departmentChoice()->setCurrentIndex(0); // no changes: no question
            EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "B"}));
            w.closeWindow();
        });
    openMenuCategoryRegister();
    EXPECT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(curBusyo, 0); // the department chosen last stays the current one
    EXPECT_EQ(readBytes(mbunFile()), lines({" 2", " 6", "A", " 8", "B"}));
}

TEST_F(MenuCategoryRegisterTest, FailedSaveIsReportedAndNothingIsLost) {
    writeCategories({"A"});
    const std::string before = readBytes(mbunFile());
    TestScript script;
    setWriteFaultHook([](WriteStage stage) { return stage == WriteStage::Rename; });
    script
        .answer(Answer::Ok) // save: the failure
        .answer(Answer::Yes)
        .answer(Answer::Ok)  // leave: Yes, the failure again
        .answer(Answer::Yes) // leave again: Yes
        .window<MenuCategoryRegister>([&](MenuCategoryRegister& w) {
            insert(w, "B");
            w.saveButton()->click();
            EXPECT_TRUE(w.listChanged());
            EXPECT_FALSE(w.closeWindow());
            EXPECT_TRUE(w.listChanged());
            setWriteFaultHook({});
            EXPECT_TRUE(w.closeWindow());
        });
    openMenuCategoryRegister();
    ASSERT_EQ(script.boxes().size(), 4u);
    EXPECT_TRUE(script.boxes()[0].text.startsWith("保存できませんでした。"));
    EXPECT_EQ(script.boxes()[0].icon, Icon::Critical);
    EXPECT_TRUE(script.boxes()[2].text.startsWith("保存できませんでした。"));
    EXPECT_NE(readBytes(mbunFile()), before);
    EXPECT_EQ(readBytes(mbunFile()), lines({" 2", " 6", "A", " 8", "B"}));
}

TEST_F(MenuCategoryRegisterTest, FullListAndUsedUpIdsAreRefusedWithAMessage) {
    std::initializer_list<std::string> names = {"0",  "1",  "2",  "3",  "4",  "5",  "6",
                                                "7",  "8",  "9",  "10", "11", "12", "13",
                                                "14", "15", "16", "17", "18", "19", "20"};
    writeCategories(names);
    const std::string full = readBytes(mbunFile());
    TestScript script;
    script.answer(Answer::Ok).window<MenuCategoryRegister>([&](MenuCategoryRegister& w) {
        insert(w, "21");
        EXPECT_EQ(mbunCount, 21);
        EXPECT_EQ(w.nameBox()->text(), "21");
        w.saveButton()->click();
        w.closeWindow();
    });
    openMenuCategoryRegister();
    EXPECT_EQ(script.boxes()[0].text, "これ以上登録できません。登録できるのは21件までです。");
    EXPECT_EQ(readBytes(mbunFile()), full);

    writeCategories({"A"});
    ttidKyoutuu = 32766;
    TestScript script2;
    script2.answer(Answer::Ok).window<MenuCategoryRegister>([&](MenuCategoryRegister& w) {
        insert(w, "B");
        EXPECT_EQ(mbunCount, 1);
        w.closeWindow();
    });
    openMenuCategoryRegister();
    EXPECT_EQ(script2.boxes()[0].text, "新しいIDを発行できないため、これ以上登録できません。");
    EXPECT_EQ(ttidKyoutuu, 32766);
}

TEST_F(MenuCategoryRegisterTest, DeleteAsksTwiceAndRenameKeepsTheId) {
    writeCategories({"A", "B"});
    ttidKyoutuu = 8;
    TestScript script;
    // Answers in the order the boxes come, windows in the order they open.
    script
        .answer(Answer::Cancel) // first delete question: nothing happens
        .answer(Answer::Ok)
        .answer(Answer::Ok)   // both questions: deleted
        .answer(Answer::Ok)   // rename warning
        .answer(Answer::Yes); // leave: save
    script.window<MenuCategoryRegister>([&](MenuCategoryRegister& w) {
        clickRow(w.nameList(), 1);
        w.editButtons()[1]->click();
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "B"}));
        w.editButtons()[1]->click();
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A"}));
        EXPECT_FALSE(w.selectionGroupEnabled());
        insert(w, "C"); // id 10: the deleted 8 is not issued again
        clickRow(w.nameList(), 0);
        w.editButtons()[2]->click();
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A2", "C"}));
        EXPECT_FALSE(w.selectionGroupEnabled());
        w.closeWindow();
    });
    script.window<MenuCategoryRenameDialog>([](MenuCategoryRenameDialog& d) {
        EXPECT_EQ(d.windowTitle(), "メニュー分類項目名変更");
        EXPECT_EQ(d.nameBox()->text(), "A");
        EXPECT_EQ(mousePointer(), Pointer::Normal);
        d.nameBox()->setText("A,2");
        d.okButton()->click();
    });
    openMenuCategoryRegister();
    const auto& boxes = script.boxes();
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0].text,
              "削除すると日報詳細やメニューのデータも変わってしまいます。本当に削除しますか？");
    EXPECT_EQ(boxes[0].title, "削除");
    EXPECT_EQ(boxes[0].icon, Icon::Critical);
    EXPECT_EQ(boxes[2].text, "本当に削除しますか？");
    EXPECT_EQ(boxes[2].title, "再確認");
    EXPECT_EQ(boxes[2].icon, Icon::Warning);
    EXPECT_EQ(boxes[3].text, "名前を変更しても過去のデータはそのまま維持されます\r"
                             "異なる項目にする場合は「削除」「挿入」を行ってください。");
    EXPECT_EQ(boxes[3].title, "変更確認");
    EXPECT_EQ(readBytes(mbunFile()), lines({" 2", " 6", "A2", " 10", "C"}));
}

TEST_F(MenuCategoryRegisterTest, RenameToAnotherEntrysNameIsRefused) {
    writeCategories({"A", "B"});
    TestScript script;
    script
        .answer(Answer::Ok)  // rename warning
        .answer(Answer::Ok)  // 同じ名前があります
        .answer(Answer::Ok); // rename warning
    script.window<MenuCategoryRegister>([&](MenuCategoryRegister& w) {
        clickRow(w.nameList(), 1);
        w.editButtons()[2]->click();
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "B"}));
        EXPECT_FALSE(w.listChanged());
        clickRow(w.nameList(), 1);   // the row still selected, its group disabled by the dialog
        w.editButtons()[2]->click(); // a cancelled rename still marks the list
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "B"}));
        EXPECT_TRUE(w.listChanged());
        w.setListChanged(false);
        w.closeWindow();
    });
    script.window<MenuCategoryRenameDialog>([](MenuCategoryRenameDialog& d) {
        d.nameBox()->setText("A");
        d.okButton()->click();
    });
    script.window<MenuCategoryRenameDialog>(
        [](MenuCategoryRenameDialog& d) { d.cancelButton()->click(); });
    openMenuCategoryRegister();
    EXPECT_EQ(script.boxes()[1].text, "同じ名前があります");
}
