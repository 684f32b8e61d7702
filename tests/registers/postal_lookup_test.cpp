#include "department_fixture.h"
#include "registers/postal_lookup.h"

using namespace lukana;
using namespace lukana::platform;

namespace {

const QString kUnknownCode = QStringLiteral("その郵便番号は使われていません");

class PostalTest : public DepartmentRegisterTest {
  protected:
    // KenAll.csv in the program's folder: four quoted values a row, code page 932, CR LF.
    // The quotes keep an empty last value a value of its own.
    void writeKenAll(std::initializer_list<std::array<std::string, 4>> rows) {
        std::string bytes;
        for (const auto& r : rows)
            bytes += *toCp932('"' + r[0] + "\",\"" + r[1] + "\",\"" + r[2] + "\",\"" + r[3] + '"') +
                     "\r\n";
        writeBytes(kenAllPath(), bytes);
    }
    std::string kenAllPath() const { return (program.path() / "KenAll.csv").string(); }
};

} // namespace

TEST_F(PostalTest, DigitsAreMatchedByNumberAndTheFirstEqualRowWins) {
    writeKenAll({{"0600000", "北海道", "札幌市中央区", ""},
                 {"1000001", "東京都", "千代田区", "千代田"},
                 {"1000001", "東京都", "千代田区", "二番目"},
                 {"1000002", "東京都", "千代田区", "皇居外苑"}});
    loadPostalTable();
    ASSERT_EQ(kenAllCount, 4);
    const struct {
        const char* typed;
        int row;
    } cases[] =
        {
            {"1000001", 1},
            {"100-0001", 1},
            {"100 0001", 1},
            {"〒100-0001", 1},
            {"060-0000", 0},
            {"600000", 0},
            {"1000002", 3},
            {"1000003", -1},
            {"１００-０００１", -1}, // full-width digits are not digits here
            {"", -1},                // no digits: the number 0, which no row makes
        };
    for (const auto& c : cases)
        EXPECT_EQ(findPostalRow(c.typed), c.row) << c.typed;
}

TEST_F(PostalTest, LookupFillsTheAddressOrSaysTheCodeIsNotUsed) {
    writeKenAll({{"1000001", "東京都", "千代田区", "千代田"}});
    TestScript script;
    script.answer(Answer::Ok);
    withRegister(script, [&](DepartmentRegister& w) {
        clickRow(w.nameList(), 0);
        w.postalCodeBox()->setText("100-0001");
        w.setListChanged(false);
        pressEnter(w.postalCodeBox());
        EXPECT_EQ(w.areaBoxes()[0]->text(), "東京都");
        EXPECT_EQ(w.areaBoxes()[1]->text(), "千代田区");
        EXPECT_EQ(w.areaBoxes()[2]->text(), "千代田");
        EXPECT_EQ(w.postalCodeBox()->text(), "100-0001"); // the box itself stays
        EXPECT_TRUE(w.listChanged());

        w.postalCodeBox()->setText("999-9999");
        w.postalLookupButton()->click();
        EXPECT_EQ(w.areaBoxes()[0]->text(), "東京都");
        w.saveButton()->click();
    });
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, kUnknownCode);
    EXPECT_EQ(script.boxes()[0].title, kAppTitle);
    EXPECT_EQ(busyoRecs[0].town, "千代田");
    EXPECT_EQ(busyoRecs[0].postalCode, "999-9999");
}

TEST_F(PostalTest, TableIsEmptiedOnCloseAndWithoutItTheLookupSaysItIsMissing) {
    writeKenAll({{"abc", "東京都", "千代田区", "千代田"}}); // a code that makes 0
    TestScript first;
    withRegister(first, [&](DepartmentRegister& w) {
        EXPECT_EQ(kenAllCount, 1);
        w.postalLookupButton()->click(); // an empty box finds the row whose code makes 0
        EXPECT_EQ(w.areaBoxes()[0]->text(), "東京都");
    });
    EXPECT_EQ(kenAllCount, 0);
    EXPECT_TRUE(kenAllRows.empty());

    std::filesystem::remove(kenAllPath());
    TestScript second;
    second.answer(Answer::Ok);
    withRegister(second, [&](DepartmentRegister& w) {
        w.areaBoxes()[0]->setText("手入力");
        w.postalLookupButton()->click();
        EXPECT_EQ(w.areaBoxes()[0]->text(), "手入力");
    });
    ASSERT_EQ(second.boxes().size(), 1u);
    EXPECT_TRUE(
        second.boxes()[0].text.startsWith(QStringLiteral("郵便番号表(KenAll.csv)がありません。")));
    EXPECT_TRUE(second.boxes()[0].text.contains(QStringLiteral("scripts/lookup-data")));
}
