// The set-up converter: small package files in, tables the register reads out.
#include "department_fixture.h"
#include "lookup_data.h"
#include "registers/bank_codes.h"
#include "registers/postal_lookup.h"
#include "support/bank_code_file.h"

using namespace lukana;

namespace {

class LookupDataTest : public DepartmentRegisterTest {
  protected:
    std::string at(const std::string& name) const { return (program.path() / name).string(); }
};

} // namespace

TEST_F(LookupDataTest, ZipcodeMasterBecomesAKenAllTheRegisterReads) {
    std::filesystem::create_directories(program.path() / "master");
    writeBytes(at("master/pref.json"),
               R"({"pref":{"01":["北海道","ﾎｯｶｲﾄﾞｳ"],"13":["東京都","ﾄｳｷｮｳﾄ"]}})");
    writeBytes(at("master/city.json"), R"({"city":{"01101":["札幌市中央区","x"],)"
                                       R"("13101":["千代田区","x"],"13362":["大島町","x"]}})");
    // A number names the city of the towns after it; a five-digit entry comes first and may
    // name a town for every code it covers.
    writeBytes(at("master/zip5.json"),
               R"({"zip5":{"06000":1101,"10000":13101,"10003":[13101,"ビル"]}})");
    writeBytes(at("master/zip7.json"), R"({"zip7":{"0600000":"","1000001":"千代田",)"
                                       R"("1000300":"丸,の内","1000301":[13362,"","元町"]}})");
    std::vector<lookupdata::PostalRow> rows;
    ASSERT_TRUE(lookupdata::readZipcodeMaster(QString::fromStdString(at("master")), rows).ok());
    int replaced = 0;
    writeBytes(at("KenAll.csv"), lookupdata::kenAllCsv(rows, replaced));
    EXPECT_EQ(replaced, 0);

    loadPostalTable();
    const std::array<std::string, 4> expected[] = {
        {"0600000", "北海道", "札幌市中央区", ""}, // an empty town stays a value of its own
        {"1000001", "東京都", "千代田区", "千代田"}, {"1000300", "東京都", "千代田区", "ビル"},
        {"1000300", "東京都", "千代田区", "丸の内"}, // a comma would split the row
        {"1000301", "東京都", "千代田区", "ビル"},   {"1000301", "東京都", "大島町", ""},
        {"1000301", "東京都", "大島町", "元町"},
    };
    ASSERT_EQ(kenAllCount, 7);
    for (size_t i = 0; i < std::size(expected); ++i) {
        const KenAllRow& r = kenAllRows[i];
        EXPECT_EQ((std::array<std::string, 4>{r.postalCode, r.prefecture, r.city, r.town}),
                  expected[i])
            << i;
    }
    EXPECT_EQ(findPostalRow("100-0301"), 4);
}

TEST_F(LookupDataTest, BankPackageBecomesTheFileThePickersRead) {
    writeBytes(at("zengin-data.js"), R"(module.exports = {
  "0001": {"code": "0001", "name": "みずほ", "kana": "ミズホ", "branches": {
    "001": {"code": "001", "name": "東京営業部", "kana": "トウキヨウ"}}},
  "0005": {"code": "0005", "name": "三菱ＵＦＪ", "kana": "ミツビシユーエフジエイ", "branches": {
    "001": {"code": "001", "name": "本店", "kana": "ホンテン"},
    "002": {"code": "002", "name": "丸の内", "kana": "マルノウチ"}}}
};
)");
    std::vector<lookupdata::Bank> banks;
    ASSERT_TRUE(
        lookupdata::readZenginData(QString::fromStdString(at("zengin-data.js")), banks).ok());
    writeBytes(bankCodeDatabasePath().toStdString(), "an older file");
    ASSERT_TRUE(lookupdata::writeBankCodes(banks, bankCodeDatabasePath()).ok());

    expectMufgWithMarunouchi(bankCodeDatabasePath(), 2);
    EXPECT_FALSE(std::filesystem::exists(bankCodeDatabasePath().toStdString() + ".building"));
}
