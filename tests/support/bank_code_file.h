#pragma once
// A bank-code file as the department register reads it: the two tables, filled by the given
// INSERT statements.
#include "registers/bank_codes.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <gtest/gtest.h>
#include <initializer_list>

inline void writeBankCodeFile(const QString& path, std::initializer_list<const char*> inserts) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "bank-code-fixture");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery sql(db);
        for (const char* create :
             {"CREATE TABLE 金融機関コード (金融機関コード TEXT, 漢字金融機関名 TEXT)",
              "CREATE TABLE 支店コード (金融機関コード TEXT, 支店コード TEXT, 漢字支店名 TEXT, "
              "カナ支店名 TEXT)"})
            ASSERT_TRUE(sql.exec(QString::fromUtf8(create))) << create;
        for (const char* insert : inserts)
            ASSERT_TRUE(sql.exec(QString::fromUtf8(insert))) << insert;
    }
    QSqlDatabase::removeDatabase("bank-code-fixture");
}

// The file at path opens with bankCount banks, the second 三菱ＵＦＪ (0005) with the branch
// 丸の内 (002) second among its two.
inline void expectMufgWithMarunouchi(const QString& path, size_t bankCount) {
    lukana::BankCodeDatabase db(path);
    ASSERT_TRUE(db.isOpen());
    ASSERT_EQ(db.banks().size(), bankCount);
    EXPECT_EQ(db.banks()[1].code, "0005");
    EXPECT_EQ(db.banks()[1].name, "三菱ＵＦＪ");
    const std::vector<lukana::BranchEntry> branches = db.branches(5);
    ASSERT_EQ(branches.size(), 2u);
    EXPECT_EQ(branches[1].code, "002");
    EXPECT_EQ(branches[1].name, "丸の内");
    EXPECT_EQ(branches[1].kana, "マルノウチ");
}
