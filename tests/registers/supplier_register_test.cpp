#include "register_fixture.h"
#include "registers/openers.h"
#include "registers/supplier_register.h"

#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;

namespace {

const QString kNoSupplier = QStringLiteral("仕入先が選択されていません。左のリストの中から仕入先を"
                                           "選択してから記述を行ってください。");

class SupplierRegisterTest : public RegisterTest {
  protected:
    // siire.dat with suppliers A (id 10, on credit, day 20, 本店, 2 months, food) and
    // B (id 6, cash, day 5, no department known, 0 months, other).
    static void writeSuppliers() {
        writeBytes(rootFilePath("siire.dat"), lines({" 2", "A", " 10", " 0", " 20", "B", " 6", " 1",
                                                     " 5", " 2", " 99", " 2", " 0", " 1", " 2"}));
    }
    static void insert(SupplierRegister& w, const QString& name) {
        w.nameBox()->setText(name);
        pressEnter(w.nameBox());
    }
};

} // namespace

TEST_F(SupplierRegisterTest, NewSupplierTakesTheStartingTermsAndTheCounterRuleOnSlotFive) {
    writeSuppliers();
    ttidSiire = 4;
    TestScript script;
    script.window<SupplierRegister>([&](SupplierRegister& w) {
        EXPECT_EQ(w.windowTitle(), "仕入先一覧");
        EXPECT_EQ(rows(w.departmentList()), (QStringList{"全て", "本店", "支店"}));
        EXPECT_FALSE(w.dayBoxes()[0]->isEnabled());
        insert(w, "C");
        clickRow(w.nameList(), 2);
        EXPECT_TRUE(w.payKindOptions()[1]->isChecked()); // 現金仕入れ
        EXPECT_FALSE(w.dayBoxes()[0]->isEnabled());
        EXPECT_FALSE(w.daySpinners()[1]->isEnabled());
        EXPECT_EQ(w.dayBoxes()[0]->text(), "31");
        EXPECT_EQ(w.dayBoxes()[1]->text(), "1");
        EXPECT_TRUE(w.classOptions()[0]->isChecked());  // 酒類
        EXPECT_EQ(w.departmentList()->currentRow(), 0); // 全て
        w.saveButton()->click();
        w.backButton()->click();
    });
    openSupplierRegister();
    // Largest id 10, counter 4: the new id is 12.
    EXPECT_EQ(readBytes(rootFilePath("siire.dat")),
              lines({" 3", "A",   " 10", " 0",  " 20", "B",  " 6", " 1", " 5", "C",  " 12",
                     " 1", " 31", " 2",  " 99", " 0",  " 2", " 0", " 1", " 1", " 2", " 0"}));
    EXPECT_EQ(readBytes(rootFilePath("ttid.dat")),
              lines({" 0", " 0", " 0", " 0", " 12", " 0", " 0", " 0", " 0", " 4"}));
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(SupplierRegisterTest, DayBoxValueRoundsHalfToEvenAndClamps) {
    struct Case {
        const char* text;
        int value;
        bool clamped;
    } cases[] = {
        {"45", 31, true},    {"-3", 0, true},    {"1e9", 31, true}, {"2.5", 2, false},
        {"3.5", 4, false},   {"", 0, false},     {"日", 0, false},  {" 1 5日", 15, false},
        {"31.4", 31, false}, {"31.6", 31, true},
    };
    for (const Case& c : cases) {
        const DayBoxValue v = dayBoxValue(c.text);
        EXPECT_EQ(v.value, c.value) << c.text;
        EXPECT_EQ(v.clamped, c.clamped) << c.text;
    }
}

TEST_F(SupplierRegisterTest, DayBoxesClampTypedValuesAndSpinnersWrap) {
    writeSuppliers();
    TestScript script;
    script.answer(Answer::No)
        .answer(Answer::Yes)
        .window<SupplierRegister>([&](SupplierRegister& w) {
            clickRow(w.nameList(), 0); // A is on credit: the terms can be edited
            EXPECT_TRUE(w.dayBoxes()[0]->isEnabled());
            EXPECT_TRUE(w.daySpinners()[0]->isEnabled());
            EXPECT_FALSE(w.listChanged());
            w.dayBoxes()[0]->clear();
            typeText(w.dayBoxes()[0], "45");
            EXPECT_EQ(w.dayBoxes()[0]->text(), "31");
            EXPECT_EQ(siireSimebi[0], 31);
            EXPECT_EQ(w.daySpinners()[0]->value(), 31);
            w.daySpinners()[0]->stepUp(); // 32 wraps to 1
            EXPECT_EQ(w.dayBoxes()[0]->text(), "1");
            EXPECT_EQ(siireSimebi[0], 1);
            w.daySpinners()[0]->stepDown(); // 0 wraps to 31
            EXPECT_EQ(w.dayBoxes()[0]->text(), "31");
            EXPECT_EQ(siireSimebi[0], 31);
            w.dayBoxes()[1]->clear();
            typeText(w.dayBoxes()[1], "1,2"); // the comma goes: one number
            EXPECT_EQ(w.dayBoxes()[1]->text(), "12");
            EXPECT_EQ(siireTukigo[0], 12);
            EXPECT_TRUE(w.listChanged());

            w.payKindOptions()[1]->click(); // cash: terms locked, values kept
            EXPECT_FALSE(w.dayBoxes()[0]->isEnabled());
            EXPECT_FALSE(w.daySpinners()[1]->isEnabled());
            EXPECT_EQ(siirePayKind[0], 1);
            EXPECT_EQ(siireSimebi[0], 31);
            w.payKindOptions()[0]->click();
            EXPECT_TRUE(w.dayBoxes()[1]->isEnabled());
            EXPECT_EQ(w.dayBoxes()[1]->text(), "12");
            w.closeWindow(); // No, then Yes: dropped
        });
    openSupplierRegister();
    EXPECT_EQ(siireSimebi[0], 20);
    EXPECT_EQ(siireTukigo[0], 2);
}

TEST_F(SupplierRegisterTest, BrowsingChangesNothingAndAsksNothing) {
    writeSuppliers();
    TestScript script;
    script.window<SupplierRegister>([&](SupplierRegister& w) {
        for (int row : {0, 1, 0, 1}) {
            clickRow(w.nameList(), row);
            EXPECT_FALSE(w.listChanged()) << row;
        }
        EXPECT_TRUE(w.payKindOptions()[1]->isChecked());
        EXPECT_TRUE(w.classOptions()[2]->isChecked());
        EXPECT_FALSE(w.dayBoxes()[0]->isEnabled());
        EXPECT_EQ(w.dayBoxes()[0]->text(), "5");
        w.backButton()->click();
        EXPECT_FALSE(w.isOpen());
    });
    openSupplierRegister();
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(SupplierRegisterTest, UnknownDepartmentShowsNoneAndKeepsItsId) {
    writeSuppliers();
    TestScript script;
    script.answer(Answer::Yes).window<SupplierRegister>([&](SupplierRegister& w) {
        clickRow(w.nameList(), 0);
        EXPECT_EQ(w.departmentList()->currentRow(), 1); // 本店, id 2
        clickRow(w.nameList(), 1);
        EXPECT_EQ(w.departmentList()->currentRow(), -1); // id 99: no department, not the first one
        EXPECT_TRUE(w.departmentList()->selectedItems().isEmpty());
        EXPECT_EQ(siireBusyoIds[1], 99);
        EXPECT_FALSE(w.listChanged());
        w.departmentList()->setCurrentRow(2);
        EXPECT_EQ(siireBusyoIds[1], 4); // 支店
        w.departmentList()->setCurrentRow(0);
        EXPECT_EQ(siireBusyoIds[1], 0); // 全て
        w.closeWindow();
    });
    openSupplierRegister();
    EXPECT_EQ(readBytes(rootFilePath("siire.dat")),
              lines({" 2", "A", " 10", " 0", " 20", "B", " 6", " 1", " 5", " 2", " 0", " 2", " 0",
                     " 1", " 2"}));
}

TEST_F(SupplierRegisterTest, DepartmentsAreReadAgainWhenTheWindowOpens) {
    addBusyo("新店", 8);
    ASSERT_TRUE(writeDepartments(rootFilePath("misena.dat")));
    busyoCount = 2; // the list in memory is older than the file
    rebuildBusyoLists();
    TestScript script;
    script.window<SupplierRegister>([&](SupplierRegister& w) {
        EXPECT_EQ(rows(w.departmentList()), (QStringList{"全て", "本店", "支店", "新店"}));
        w.closeWindow();
    });
    openSupplierRegister();
    EXPECT_EQ(busyoCount, 3);
}

TEST_F(SupplierRegisterTest, DetailsWithoutASelectionAreRefused) {
    writeSuppliers();
    TestScript script;
    script.window<SupplierRegister>([&](SupplierRegister& w) {
        clickRow(w.nameList(), 0); // A is shown, on credit: its boxes are enabled
        insert(w, "C");            // before A; no supplier is selected afterwards
        ASSERT_EQ(w.selectedRow(), -1);
        const std::function<void()> edits[] = {
            [&] { w.payKindOptions()[1]->click(); },       [&] { w.classOptions()[0]->click(); },
            [&] { w.departmentList()->setCurrentRow(2); }, [&] { w.daySpinners()[0]->stepDown(); },
            [&] { typeText(w.dayBoxes()[1], "7"); },
        };
        for (const auto& edit : edits) {
            script.answer(Answer::Ok);
            edit();
        }
        w.setListChanged(false);
        w.closeWindow();
    });
    openSupplierRegister();
    ASSERT_EQ(script.boxes().size(), 5u);
    for (const MessageBoxRecord& box : script.boxes())
        EXPECT_EQ(box.text, kNoSupplier);
    // Nothing reached a supplier: C keeps the starting terms and A its own.
    EXPECT_EQ(siireNames[0], "C");
    EXPECT_EQ(siirePayKind[0], 1);
    EXPECT_EQ(siireBunrui[0], 0);
    EXPECT_EQ(siireBusyoIds[0], 0);
    EXPECT_EQ(siirePayKind[1], 0);
    EXPECT_EQ(siireBunrui[1], 1);
    EXPECT_EQ(siireSimebi[1], 20);
    EXPECT_EQ(siireTukigo[1], 2);
    EXPECT_EQ(siireBusyoIds[1], 2);
}

TEST_F(SupplierRegisterTest, EveryClickOnTheDepartmentListAfterAnInsertIsRefusedOnce) {
    writeSuppliers();
    TestScript script;
    script.window<SupplierRegister>([&](SupplierRegister& w) {
        clickRow(w.nameList(), 0); // A is shown with its department
        const int shown = w.departmentList()->listIndex();
        ASSERT_GE(shown, 0);
        insert(w, "C");
        ASSERT_EQ(w.selectedRow(), -1);
        ASSERT_EQ(w.departmentList()->listIndex(), shown);
        script.answer(Answer::Ok);
        clickListRow(w.departmentList(), shown); // the row already current
        script.answer(Answer::Ok);
        clickListRow(w.departmentList(), shown == 0 ? 1 : 0); // another row: told once
        w.setListChanged(false);
        w.closeWindow();
    });
    openSupplierRegister();
    ASSERT_EQ(script.boxes().size(), 2u);
    for (const MessageBoxRecord& box : script.boxes())
        EXPECT_EQ(box.text, kNoSupplier);
    EXPECT_EQ(siireBusyoIds[0], 0);
    EXPECT_EQ(siireBusyoIds[1], 2);
}

TEST_F(SupplierRegisterTest, RenameSavesTheWholeListAtOnce) {
    writeSuppliers();
    ttidSiire = 10;
    TestScript script;
    script.window<SupplierRegister>([&](SupplierRegister& w) {
        insert(w, "C"); // unsaved so far
        clickRow(w.nameList(), 0);
        script.answer(Answer::Ok).window<SupplierRenameDialog>([](SupplierRenameDialog& d) {
            EXPECT_EQ(d.windowTitle(), "勘定科目名変更");
            EXPECT_EQ(d.nameBox()->text(), "A");
            d.nameBox()->setText("AA");
            d.okButton()->click();
        });
        w.editButtons()[2]->click();
        EXPECT_EQ(rows(w.nameList()), (QStringList{"AA", "B", "C"}));
        EXPECT_FALSE(w.listChanged());
        EXPECT_EQ(w.selectedRow(), -1);
        w.backButton()->click(); // saved: nothing to ask
    });
    openSupplierRegister();
    const std::string saved = readBytes(rootFilePath("siire.dat"));
    EXPECT_EQ(saved, lines({" 3", "AA",  " 10", " 0",  " 20", "B",  " 6", " 1", " 5", "C",  " 12",
                            " 1", " 31", " 2",  " 99", " 0",  " 2", " 0", " 1", " 1", " 2", " 0"}));
    EXPECT_EQ(script.boxes()[0].text, "名前を変更しても過去のデータはそのまま維持されます\r異なる"
                                      "仕入先にする場合は「削除」「挿入」を行ってください。");
    EXPECT_EQ(script.boxes()[0].title, "変更確認");
}

TEST_F(SupplierRegisterTest, RenameToAnotherNameIsRefusedAndSavesNothing) {
    writeSuppliers();
    const std::string before = readBytes(rootFilePath("siire.dat"));
    TestScript script;
    script.window<SupplierRegister>([&](SupplierRegister& w) {
        clickRow(w.nameList(), 1);
        script.answer(Answer::Ok)
            .window<SupplierRenameDialog>([](SupplierRenameDialog& d) {
                d.nameBox()->setText("A");
                d.okButton()->click();
            })
            .answer(Answer::Ok);
        w.editButtons()[2]->click();
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "B"}));
        w.closeWindow();
    });
    openSupplierRegister();
    EXPECT_EQ(script.boxes().back().text, "同じ名前があります");
    EXPECT_EQ(readBytes(rootFilePath("siire.dat")), before);
}

TEST_F(SupplierRegisterTest, RenameWhoseSaveFailsSaysSoAndStaysChanged) {
    writeSuppliers();
    TestScript script;
    script.window<SupplierRegister>([&](SupplierRegister& w) {
        clickRow(w.nameList(), 0);
        setWriteFaultHook([](WriteStage) { return true; });
        script.answer(Answer::Ok)
            .window<SupplierRenameDialog>([](SupplierRenameDialog& d) {
                d.nameBox()->setText("AA");
                d.okButton()->click();
            })
            .answer(Answer::Ok);
        w.editButtons()[2]->click();
        setWriteFaultHook({});
        EXPECT_TRUE(w.listChanged());
        script.answer(Answer::Yes); // leaving asks, and now the save works
        w.backButton()->click();
    });
    openSupplierRegister();
    EXPECT_TRUE(script.boxes()[1].text.startsWith("保存できませんでした。"));
    EXPECT_EQ(siireNames[0], "AA");
    siireNames[0].clear();
    ASSERT_TRUE(readSuppliers(rootFilePath("siire.dat")));
    EXPECT_EQ(siireNames[0], "AA");
}
