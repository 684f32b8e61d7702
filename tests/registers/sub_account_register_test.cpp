#include "register_fixture.h"
#include "registers/openers.h"
#include "registers/sub_account_register.h"

#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;

namespace {

struct Sub {
    std::string name;
    int id, parent;
};

class SubAccountRegisterTest : public RegisterTest {
  protected:
    void SetUp() override {
        RegisterTest::SetUp();
        setTitles(
            {{"仕入", 1}, {"売上", 2}, {"現金", 3}, {"売掛金", 4}, {"給与", 8}, {"光熱", 13}});
    }
    static void setTitles(std::initializer_list<std::pair<std::string, int>> titles) {
        tekiyouCount = 0;
        for (const auto& [name, id] : titles) {
            tekiyouNames[static_cast<size_t>(tekiyouCount)] = name;
            tekiyouIds[static_cast<size_t>(tekiyouCount++)] = id;
        }
    }
    static void setSubs(std::initializer_list<Sub> subs) {
        tyCount = 0;
        for (const Sub& s : subs) {
            const auto i = static_cast<size_t>(tyCount++);
            tyNames[i] = s.name;
            tyIds[i] = s.id;
            tyTekiyouIds[i] = s.parent;
        }
    }
    // The whole list as "name:id/parent".
    static std::string subs() {
        std::string s;
        for (int i = 0; i < tyCount; ++i) {
            const auto k = static_cast<size_t>(i);
            s += (i ? " " : "") + tyNames[k] + ":" + std::to_string(tyIds[k]) + "/" +
                 std::to_string(tyTekiyouIds[k]);
        }
        return s;
    }
    static void chooseTitle(SubAccountRegister& w, const QString& title) {
        w.titleChoice()->setCurrentIndex(w.titleChoice()->findText(title));
    }
    static void insert(SubAccountRegister& w, const QString& name) {
        w.nameBox()->setText(name);
        pressEnter(w.nameBox());
    }
    static void openFromMainWindow() {
        setMousePointer(Pointer::Busy);
        openSubAccountRegister(3);
    }
};

} // namespace

TEST_F(SubAccountRegisterTest, OpeningChoosesTheFirstTitleOrForCreditCustomersTitleFour) {
    setSubs({{"X", 10, 1}, {"客A", 12, 4}});
    TestScript script;
    script.window<SubAccountRegister>([&](SubAccountRegister& w) {
        EXPECT_EQ(w.windowTitle(), "補助科目一覧");
        EXPECT_EQ(mousePointer(), Pointer::Normal);
        EXPECT_EQ(w.titleChoice()->currentText(), "仕入");
        EXPECT_EQ(rows(w.nameList()), (QStringList{"X"}));
        w.backButton()->click();
    });
    openFromMainWindow();

    script.window<SubAccountRegister>([&](SubAccountRegister& w) {
        EXPECT_EQ(urikakeTouroku, 1);
        EXPECT_EQ(w.titleChoice()->currentText(), "売掛金");
        EXPECT_EQ(rows(w.nameList()), (QStringList{"客A"}));
        w.backButton()->click();
    });
    registerKind = 0;
    openCreditCustomerRegister();
    EXPECT_EQ(urikakeTouroku, 0);
    EXPECT_EQ(registerKind, 0);

    setTitles({{"仕入", 1}, {"売上", 2}}); // title 4 deleted
    script.window<SubAccountRegister>([&](SubAccountRegister& w) {
        EXPECT_EQ(w.titleChoice()->currentIndex(), -1);
        EXPECT_EQ(w.nameList()->count(), 0);
        w.backButton()->click();
    });
    openCreditCustomerRegister();
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(SubAccountRegisterTest, CreditCustomerGetsATwinUnderSalesWithTheSameId) {
    setSubs({{"電気", 1, 13}, {"水道", 2, 13}, {"日払い", 3, 8}, {"A", 4, 2}});
    ttidTy = 10;
    TestScript script;
    script.window<SubAccountRegister>([&](SubAccountRegister& w) {
        clickRow(w.nameList(), 0); // the selection plays no part: always appended
        insert(w, "A");            // title 2 already has an "A": only this title's names count
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A"}));
        chooseTitle(w, "売上");
        EXPECT_EQ(rows(w.nameList()), (QStringList{"A", "A"}));
        w.saveButton()->click();
        w.backButton()->click();
    });
    urikakeTouroku = 0;
    openCreditCustomerRegister();
    EXPECT_EQ(readBytes(rootFilePath("ty.dat")),
              lines({" 6", "電気", " 1", " 13", "水道", " 2", " 13", "日払い", " 3", " 8", "A",
                     " 4", " 2", "A", " 12", " 4", "A", " 12", " 2"}));
    EXPECT_EQ(readBytes(rootFilePath("ttid.dat")),
              lines({" 0", " 0", " 0", " 0", " 0", " 0", " 12", " 0", " 0", " 4"}));
}

TEST_F(SubAccountRegisterTest, DeletingEitherTwinRemovesBothAndOthersAlone) {
    struct Case {
        QString title;
        int row;
        std::string left;
    } cases[] = {
        {"売掛金", 0, "X:3/8 B:7/4 B:7/2"}, // A under 4
        {"売上", 0, "X:3/8 B:7/4 B:7/2"},   // A's twin under 2
        {"給与", 0, "A:5/4 A:5/2 B:7/4 B:7/2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        setSubs({{"X", 3, 8}, {"A", 5, 4}, {"A", 5, 2}, {"B", 7, 4}, {"B", 7, 2}});
        TestScript script;
        script.window<SubAccountRegister>([&](SubAccountRegister& w) {
            chooseTitle(w, c.title);
            clickRow(w.nameList(), c.row);
            script.answer(Answer::Ok).answer(Answer::Ok);
            w.editButtons()[1]->click();
            EXPECT_EQ(w.selectedRow(), -1);
            w.setListChanged(false);
            w.backButton()->click();
        });
        openFromMainWindow();
        EXPECT_EQ(subs(), c.left);
        EXPECT_EQ(script.boxes()[0].text, "削除するとこれまでに入力したデータもすべて削除されます。"
                                          "本当に削除しますか？");
    }
}

TEST_F(SubAccountRegisterTest, RenameSavesAtOnceAndTheTwinKeepsItsName) {
    setSubs({{"A", 5, 4}, {"A", 5, 2}, {"B", 7, 4}});
    TestScript script;
    script.window<SubAccountRegister>([&](SubAccountRegister& w) {
        chooseTitle(w, "売掛金");
        clickRow(w.nameList(), 1);
        script.answer(Answer::Ok)
            .window<SupplierRenameDialog>([](SupplierRenameDialog& d) {
                EXPECT_EQ(d.windowTitle(), "補助科目名変更");
                EXPECT_EQ(d.nameBox()->text(), "B");
                d.nameBox()->setText("A"); // another row of this title
                d.okButton()->click();
            })
            .answer(Answer::Ok);
        w.editButtons()[2]->click();
        EXPECT_FALSE(std::filesystem::exists(rootFilePath("ty.dat")));

        clickRow(w.nameList(), 0);
        script.answer(Answer::Ok).window<SupplierRenameDialog>([](SupplierRenameDialog& d) {
            EXPECT_EQ(d.nameBox()->text(), "A");
            d.nameBox()->setText("AA");
            d.okButton()->click();
        });
        w.editButtons()[2]->click();
        EXPECT_EQ(supplierRenameMode, 0);
        EXPECT_EQ(rows(w.nameList()), (QStringList{"AA", "B"}));
        EXPECT_FALSE(w.listChanged());
        w.backButton()->click(); // saved: nothing to ask
    });
    openFromMainWindow();
    EXPECT_EQ(script.boxes()[0].text, "名前を変更しても過去のデータはそのまま維持されます\r異なる"
                                      "仕入先にする場合は「削除」「挿入」を行ってください。");
    EXPECT_EQ(script.boxes()[1].text, "同じ名前があります");
    EXPECT_EQ(readBytes(rootFilePath("ty.dat")),
              lines({" 3", "AA", " 5", " 4", "A", " 5", " 2", "B", " 7", " 4"}));
}

TEST_F(SubAccountRegisterTest, MovesActWithinTheViewOfOneTitle) {
    // Title 8 shows p, r, s; q of title 13 stands between p and r in the whole list.
    struct Case {
        int row, button;
        std::string after;
        int selected;
    } cases[] = {
        {1, 0, "r q p s", 0}, // r up: r and p change places, q stays
        {1, 2, "r p q s", 0}, // r to the top of the whole list
        {0, 1, "r q p s", 1}, // p down
        {0, 3, "q r s p", 2}, // p to the end of the whole list
        {2, 1, "p q r s", 2}, // s down: nothing moves
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after + " " + std::to_string(c.button));
        setSubs({{"p", 2, 8}, {"q", 4, 13}, {"r", 6, 8}, {"s", 8, 8}});
        TestScript script;
        script.window<SubAccountRegister>([&](SubAccountRegister& w) {
            chooseTitle(w, "給与");
            clickRow(w.nameList(), c.row);
            w.moveButtons()[static_cast<size_t>(c.button)]->click();
            EXPECT_TRUE(w.listChanged());
            EXPECT_EQ(w.selectedRow(), c.selected);
            EXPECT_EQ(w.nameList()->currentRow(), c.selected);
            EXPECT_TRUE(w.selectionGroupEnabled());
            w.setListChanged(false);
            w.backButton()->click();
        });
        openFromMainWindow();
        std::string names;
        for (int i = 0; i < tyCount; ++i)
            names += (i ? " " : "") + tyNames[static_cast<size_t>(i)];
        EXPECT_EQ(names, c.after);
    }
}

TEST_F(SubAccountRegisterTest, BrowsingTitlesAsksNothingAndDropsTheSelection) {
    setSubs({{"電気", 1, 13}, {"日払い", 3, 8}});
    TestScript script;
    script.window<SubAccountRegister>([&](SubAccountRegister& w) {
        chooseTitle(w, "光熱");
        clickRow(w.nameList(), 0);
        EXPECT_TRUE(w.selectionGroupEnabled());
        chooseTitle(w, "給与");
        EXPECT_EQ(rows(w.nameList()), (QStringList{"日払い"}));
        EXPECT_EQ(w.selectedRow(), -1);
        EXPECT_FALSE(w.selectionGroupEnabled());
        EXPECT_FALSE(w.listChanged());
        w.backButton()->click();
        EXPECT_FALSE(w.isOpen());
    });
    openFromMainWindow();
    EXPECT_TRUE(script.boxes().empty());
}

TEST_F(SubAccountRegisterTest, CreditCustomerNeedsTwoFreePlaces) {
    tyCount = kTyCapacity - 1;
    for (int i = 0; i < tyCount; ++i) {
        tyNames[static_cast<size_t>(i)] = "n" + std::to_string(i);
        tyIds[static_cast<size_t>(i)] = i + 1;
        tyTekiyouIds[static_cast<size_t>(i)] = 1;
    }
    TestScript script;
    script.answer(Answer::Ok).window<SubAccountRegister>([&](SubAccountRegister& w) {
        chooseTitle(w, "売掛金");
        insert(w, "客");
        EXPECT_EQ(tyCount, kTyCapacity - 1);
        chooseTitle(w, "給与");
        insert(w, "日払い"); // one place is enough here
        EXPECT_EQ(tyCount, kTyCapacity);
        w.setListChanged(false);
        w.backButton()->click();
    });
    openFromMainWindow();
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, "これ以上登録できません。登録できるのは2001件までです。");
    EXPECT_EQ(ttidTy, kTyCapacity + 1); // only the accepted insert issued an id
}

TEST_F(SubAccountRegisterTest, DiscardGoesBackToTheListAsItWasOpened) {
    setSubs({{"電気", 1, 13}});
    TestScript script;
    script.answer(Answer::No)
        .answer(Answer::Yes)
        .window<SubAccountRegister>([&](SubAccountRegister& w) {
            chooseTitle(w, "売掛金");
            insert(w, "客");
            w.backButton()->click();
        });
    openFromMainWindow(); // ty.dat does not exist: nothing to read back
    EXPECT_EQ(subs(), "電気:1/13");
}
