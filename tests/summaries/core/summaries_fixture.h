#pragma once
// A department "本店" with its banks, suppliers, account titles and sub-accounts, and voucher
// month files written into a fresh drive root.
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "support/temp_dir.h"
#include "support/voucher_lines.h"

using namespace lukana;

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace summaries_test {

// From, to, amount, stored tax, entry type, account title, sub-account, note.
struct Voucher {
    Voucher(int fromKind = 2, int fromId = 0, int toKind = 1, int toId = 0, double amount = 0,
            double tax = 0, int entryType = 1, int accountId = 1, int subAccountId = 0,
            std::string note = {})
        : fromKind(fromKind), fromId(fromId), toKind(toKind), toId(toId), amount(amount), tax(tax),
          entryType(entryType), accountId(accountId), subAccountId(subAccountId),
          note(std::move(note)) {}
    int fromKind, fromId, toKind, toId;
    double amount, tax;
    int entryType, accountId, subAccountId;
    std::string note;
};

class SummariesFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = dir.str();
        busyoCount = 2;
        busyoRecs[0].name = "本店";
        busyoRecs[0].id = 2;
        busyoRecs[0].bankName = "みずほ";
        busyoRecs[0].branchName = "新宿";
        busyoRecs[0].accountNumber = "1234567";
        busyoRecs[0].otherBankName[1] = "りそな";
        busyoRecs[0].otherBranchName[1] = "渋谷";
        busyoRecs[0].otherAccountNumber[1] = "7654321";
        busyoRecs[1].name = "支店";
        busyoRecs[1].id = 4;
        for (int i = 0; i < busyoCount; ++i) {
            busyoNames[i] = busyoRecs[i].name;
            busyoIds[i] = busyoRecs[i].id;
        }
        denpyouBusyo = 0;
        // Suppliers A (ours), B (the other department's), C (every department's).
        siireCount = 3;
        const std::pair<const char*, int> suppliers[] = {{"A酒店", 2}, {"B青果", 4}, {"C商事", 0}};
        for (int i = 0; i < 3; ++i) {
            siireNames[i] = suppliers[i].first;
            siireIds[i] = 10 + i;
            siireBusyoIds[i] = suppliers[i].second;
        }
        tekiyouCount = 3;
        const char* titles[] = {"仕入", "売掛金", "水道光熱費"};
        const int titleIds[] = {1, 4, 13};
        for (int i = 0; i < 3; ++i) {
            tekiyouNames[i] = titles[i];
            tekiyouIds[i] = titleIds[i];
        }
        tyCount = 3;
        const char* subs[] = {"電気", "水道", "酒類"};
        const int subIds[] = {1, 2, 3};
        const int subTitles[] = {13, 13, 1};
        for (int i = 0; i < 3; ++i) {
            tyNames[i] = subs[i];
            tyIds[i] = subIds[i];
            tyTekiyouIds[i] = subTitles[i];
        }
        std::filesystem::create_directories(busyoFolderPath("本店"));
    }

    // Adds a voucher to a month kept here; writeMonths stores them all.
    void add(int year, int month, int day, const Voucher& v) {
        auto& m = months_[{year, month}];
        if (!m)
            m = std::make_unique<DenpyouMonth>();
        appendVoucher((*m)[day], {.amount = v.amount,
                                  .fromKind = v.fromKind,
                                  .fromId = v.fromId,
                                  .toKind = v.toKind,
                                  .toId = v.toId,
                                  .entryType = v.entryType,
                                  .accountId = v.accountId,
                                  .subAccountId = v.subAccountId,
                                  .tax = v.tax,
                                  .note = v.note});
    }
    void writeMonths(bool olderForm = false) {
        for (auto& [key, month] : months_)
            ASSERT_TRUE(
                writeDenpyouMonth(denpyouPath("本店", key.first, key.second, olderForm), *month)
                    .ok());
        months_.clear();
    }

    TempDir dir;
    std::unique_ptr<DenpyouMonth> buffer = std::make_unique<DenpyouMonth>();

  private:
    std::map<std::pair<int, int>, std::unique_ptr<DenpyouMonth>> months_;
};

} // namespace summaries_test
