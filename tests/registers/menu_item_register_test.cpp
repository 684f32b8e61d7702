#include "register_fixture.h"
#include "registers/menu_item_register.h"
#include "registers/menu_price.h"
#include "registers/openers.h"

#include <QMouseEvent>
#include <QPushButton>

using namespace lukana;
using namespace lukana::platform;

namespace {

const QString kNoItem = QStringLiteral(
    "メニューが選択されていません。左のリストの中からメニューを選択してから記述を行ってください。");

class MenuItemRegisterTest : public RegisterTest {
  protected:
    void SetUp() override {
        RegisterTest::SetUp();
        // 本店: categories Drinks (6) and Food (8).
        writeBytes(departmentFile("本店", "mbun.dat"), lines({" 2", " 6", "Drinks", " 8", "Food"}));
        ttidKyoutuu = 8;
    }
    std::string menudFile() const { return departmentFile("本店", "menud.dat"); }
    static void insert(MenuItemRegister& w, const QString& name) {
        w.nameBox()->setText(name);
        pressEnter(w.nameBox());
    }
    static void clickInto(QWidget* box) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box, &press);
    }
};

} // namespace

TEST(MenuPrice, LeadingNumberHeldToFifteenDigits) {
    struct Case {
        const char* typed;
        double price;
        const char* shown;
    } cases[] = {
        {"500円", 500, "500"},
        {"1200", 1200, "1200"},
        {" 12.5 ", 12.5, "12.5"},
        {"abc", 0, "0"},
        {"", 0, "0"},
        {".25", 0.25, "0.25"},
        {"12.3456789", 12.3456789, "12.3456789"},
        {"12345678円", 12345678, "12345678"},
        {"1.23456789012345678", 1.23456789012346, "1.23456789012346"},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(priceFromText(c.typed), c.price) << c.typed;
        EXPECT_EQ(priceText(priceFromText(c.typed)), c.shown) << c.typed;
    }
}

TEST_F(MenuItemRegisterTest, DetailsGoIntoTheirItemAndTheFileHasItsOwnOrder) {
    TestScript script;
    script.window<MenuItemRegister>([&](MenuItemRegister& w) {
        EXPECT_EQ(w.windowTitle(), "メニュー情報登録");
        EXPECT_EQ(w.categoryChoice()->count(), 2);
        EXPECT_EQ(w.categoryChoice()->currentIndex(), -1);
        insert(w, "Beer"); // id 10
        clickRow(w.nameList(), 0);
        EXPECT_EQ(w.priceAndCodeBoxes()[0]->text(),
                  "0"); // a new item: price 0, no code, no category
        EXPECT_EQ(w.priceAndCodeBoxes()[1]->text(), "");
        EXPECT_EQ(w.categoryChoice()->currentIndex(), -1);
        w.priceAndCodeBoxes()[0]->setText("500円");
        w.priceAndCodeBoxes()[1]->setText("B01");
        w.categoryChoice()->setCurrentIndex(1);
        insert(w, "Wine"); // before Beer, which keeps what was typed for it
        EXPECT_EQ(w.priceAndCodeBoxes()[0]->text(), ""); // the refill empties the details
        clickRow(w.nameList(), 0);
        w.priceAndCodeBoxes()[0]->clear();
        typeText(w.priceAndCodeBoxes()[0], "1,200");
        EXPECT_EQ(w.priceAndCodeBoxes()[0]->text(), "1200");
        w.saveButton()->click();
        clickRow(w.nameList(), 1); // only viewing: no change
        EXPECT_EQ(w.priceAndCodeBoxes()[0]->text(), "500");
        EXPECT_EQ(w.priceAndCodeBoxes()[1]->text(), "B01");
        EXPECT_EQ(w.categoryChoice()->currentText(), "Food");
        EXPECT_FALSE(w.listChanged());
        w.backButton()->click();
    });
    openMenuItemRegister();
    EXPECT_TRUE(script.boxes().empty());
    // id, code, category id, name, price
    EXPECT_EQ(readBytes(menudFile()),
              lines({" 2", " 12", "", " 0", "Wine", " 1200", " 10", "B01", " 8", "Beer", " 500"}));
    EXPECT_EQ(readBytes(rootFilePath("ttid.dat")), ttidWithKyoutuu(12));
}

TEST_F(MenuItemRegisterTest, MoveCarriesTheDetailsAndRenameUsesTheMenuDialog) {
    writeBytes(menudFile(), lines({" 2", " 10", "B01", " 8", "Beer", " 500", " 12", "W01", " 6",
                                   "Wine", " 900"}));
    TestScript script;
    script.answer(Answer::Ok).answer(Answer::Yes); // rename warning, leave question
    script.window<MenuItemRegister>([&](MenuItemRegister& w) {
        clickRow(w.nameList(), 1);
        w.priceAndCodeBoxes()[0]->setText("950");
        w.moveButtons()[2]->click(); // to the top, with the price just typed
        EXPECT_EQ(rows(w.nameList()), (QStringList{"Wine", "Beer"}));
        EXPECT_EQ(w.selectedRow(), 0);
        EXPECT_EQ(w.priceAndCodeBoxes()[0]->text(), "950");
        EXPECT_EQ(w.priceAndCodeBoxes()[1]->text(), "W01");
        EXPECT_EQ(w.categoryChoice()->currentText(), "Drinks");
        w.editButtons()[2]->click();
        EXPECT_EQ(registerKind, 4);
        w.closeWindow();
    });
    script.window<RenameByKindDialog>([](RenameByKindDialog& d) {
        EXPECT_EQ(d.windowTitle(), "メニュー名変更");
        EXPECT_EQ(d.nameBox()->text(), "Wine");
        d.nameBox()->setText("Red wine");
        d.okButton()->click();
    });
    openMenuItemRegister();
    EXPECT_EQ(script.boxes()[1].text, "メニュー分類項目に変更があります。保存しますか？");
    EXPECT_EQ(readBytes(menudFile()), lines({" 2", " 12", "W01", " 6", "Red wine", " 950", " 10",
                                             "B01", " 8", "Beer", " 500"}));
}

TEST_F(MenuItemRegisterTest, DetailsWithNoItemSelectedShowTheMessage) {
    writeBytes(menudFile(), lines({" 1", " 10", "B01", " 99", "Beer", " 500"}));
    TestScript script;
    script.answer(Answer::Ok).answer(Answer::Ok).window<MenuItemRegister>([&](MenuItemRegister& w) {
        w.categoryChoice()->setCurrentIndex(0);
        clickInto(w.priceAndCodeBoxes()[0]);
        EXPECT_FALSE(w.listChanged());
        clickRow(w.nameList(), 0); // its category 99 no longer exists: no choice, id kept
        EXPECT_EQ(w.categoryChoice()->currentIndex(), -1);
        clickInto(w.priceAndCodeBoxes()[1]);
        w.saveButton()->click();
        w.backButton()->click();
    });
    openMenuItemRegister();
    ASSERT_EQ(script.boxes().size(), 2u);
    EXPECT_EQ(script.boxes()[0].text, kNoItem);
    EXPECT_EQ(script.boxes()[1].text, kNoItem);
    EXPECT_EQ(readBytes(menudFile()), lines({" 1", " 10", "B01", " 99", "Beer", " 500"}));
}

TEST_F(MenuItemRegisterTest, DepartmentWithoutMenuFileShowsAnEmptyList) {
    writeBytes(menudFile(), lines({" 1", " 10", "B01", " 8", "Beer", " 500"}));
    TestScript script;
    script.window<MenuItemRegister>([&](MenuItemRegister& w) {
        EXPECT_EQ(rows(w.nameList()), QStringList{"Beer"});
        w.departmentChoice()->setCurrentIndex(1); // 支店 has neither menud.dat nor mbun.dat
        EXPECT_EQ(curBusyo, 1);
        EXPECT_TRUE(rows(w.nameList()).isEmpty());
        EXPECT_EQ(menudCount, 0);
        EXPECT_EQ(w.categoryChoice()->count(), 0);
        w.backButton()->click();
    });
    openMenuItemRegister();
    EXPECT_TRUE(script.boxes().empty());
    EXPECT_EQ(curBusyo, 1);
}
