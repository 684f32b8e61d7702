#include "department_fixture.h"
#include "registers/bank_codes.h"

#include "support/bank_code_file.h"

using namespace lukana;
using namespace lukana::platform;

namespace {

class BankCodesTest : public DepartmentRegisterTest {
  protected:
    // A small bank-code file: banks 0001, 0005 and 0009; branches of 0001 and 0005.
    void writeBankCodes() {
        writeBankCodeFile(
            bankCodeDatabasePath(),
            {"INSERT INTO 金融機関コード VALUES ('0001','みずほ'), ('0005','三菱ＵＦＪ'), "
             "('0009','三井住友')",
             "INSERT INTO 支店コード VALUES ('0001','001','東京営業部','トウキヨウ'), "
             "('0005','001','本店','ホンテン'), ('0005','002','丸の内','マルノウチ')"});
    }
    static QStringList names(const QComboBox* picker) {
        QStringList list;
        for (int i = 0; i < picker->count(); ++i)
            list << picker->itemText(i);
        return list;
    }
};

} // namespace

TEST_F(BankCodesTest, CodeBoxAsksForTheBankOfItsNumber) {
    const struct {
        const char* text;
        std::optional<int> code;
    } cases[] = {
        {"0005", 5},
        {" 5", 5},
        {"5 ", 5},
        {"4.5", 4},
        {"5.5", 6},
        {"32767", 32767},
        {"32768", std::nullopt},
        {"-32769", std::nullopt},
        {"", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bankCodeFromText(c.text), c.code) << c.text;

    writeBankCodes();
    expectMufgWithMarunouchi(bankCodeDatabasePath(), 3);
    BankCodeDatabase db(bankCodeDatabasePath());
    EXPECT_TRUE(db.branches(9).empty());
    EXPECT_TRUE(db.branches(-1).empty());
}

TEST_F(BankCodesTest, PicksFillTheCodeBoxesAndEachAccountKeepsItsOwnBranches) {
    writeBankCodes();
    busyoRecs[1].otherBankCode[0] = "0005";
    busyoRecs[1].otherBranchName[0] = "丸の内";
    saveMisena();
    TestScript script;
    withRegister(script, [&](DepartmentRegister& w) {
        EXPECT_EQ(names(w.accounts()[0].bank), (QStringList{"みずほ", "三菱ＵＦＪ", "三井住友"}));
        clickRow(w.nameList(), 0);
        w.accounts()[0].bank->pick(1);
        EXPECT_EQ(w.accounts()[0].bankCode->text(), "0005");
        EXPECT_EQ(w.accounts()[0].bank->text(), "三菱ＵＦＪ");
        EXPECT_EQ(names(w.accounts()[0].branch), (QStringList{"本店", "丸の内"}));
        EXPECT_EQ(w.accounts()[1].branch->count(), 0); // other accounts keep their lists
        w.accounts()[0].branch->pick(1);
        EXPECT_EQ(w.accounts()[0].branchCode->text(), "002");
        EXPECT_EQ(w.accounts()[0].branch->text(), "丸の内");

        w.accounts()[1].bankCode->setText("1");
        EXPECT_EQ(names(w.accounts()[1].branch), (QStringList{"東京営業部"}));
        EXPECT_EQ(names(w.accounts()[0].branch), (QStringList{"本店", "丸の内"}));
        for (const char* unknown : {"7", "99999", "-40000", ""}) {
            w.accounts()[2].bankCode->setText("0005");
            w.accounts()[2].bankCode->setText(QString::fromUtf8(unknown));
            EXPECT_EQ(w.accounts()[2].branch->count(), 0) << unknown;
        }
        w.saveButton()->click();

        // A stored bank code brings its branches before the stored branch name is shown.
        clickRow(w.nameList(), 1);
        EXPECT_EQ(names(w.accounts()[1].branch), (QStringList{"本店", "丸の内"}));
        EXPECT_EQ(w.accounts()[1].branch->text(), "丸の内");
    });
    EXPECT_TRUE(script.boxes().empty());
    EXPECT_EQ(busyoRecs[0].bankName, "三菱ＵＦＪ");
    EXPECT_EQ(busyoRecs[0].bankCode, "0005");
    EXPECT_EQ(busyoRecs[0].branchName, "丸の内");
    EXPECT_EQ(busyoRecs[0].branchCode, "002");
}

TEST_F(BankCodesTest, PickWithoutADepartmentIsToldAndStillFillsTheBox) {
    writeBankCodes();
    TestScript script;
    script.answer(Answer::Ok);
    withRegister(script, [&](DepartmentRegister& w) {
        w.accounts()[1].bank->pick(0);
        EXPECT_EQ(w.accounts()[1].bankCode->text(), "0001");
    });
    ASSERT_EQ(script.boxes().size(), 1u);
    EXPECT_EQ(script.boxes()[0].text, "部署が選択されていません。左のリストの中から部署を選択して"
                                      "から記述を行ってください。");
}

TEST_F(BankCodesTest, WithoutTheFileThePickersAreEmptyAndNamesAreTyped) {
    BankCodeDatabase missing(bankCodeDatabasePath());
    EXPECT_FALSE(missing.isOpen());
    EXPECT_TRUE(missing.banks().empty());
    TestScript script;
    withRegister(script, [&](DepartmentRegister& w) {
        EXPECT_EQ(w.accounts()[0].bank->count(), 0);
        clickRow(w.nameList(), 0);
        typeText(w.accounts()[0].bank->textBox(), "地元信金");
        w.accounts()[0].bankCode->setText("1234");
        EXPECT_EQ(w.accounts()[0].branch->count(), 0);
        w.saveButton()->click();
    });
    EXPECT_EQ(busyoRecs[0].bankName, "地元信金");
    EXPECT_EQ(busyoRecs[0].bankCode, "1234");
    EXPECT_FALSE(std::filesystem::exists(bankCodeDatabasePath().toStdString())); // never made
}
