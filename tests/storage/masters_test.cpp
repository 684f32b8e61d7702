// Master files, the id counters and the default lists.
#include "storage/atomic_file.h"
#include "storage/balances.h"
#include "storage/cp932.h"
#include "storage/masters.h"
#include "storage/paths.h"
#include "storage/settings.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

using namespace lukana;

namespace {

// A file of the given values (UTF-8 in the test, code page 932 on disk), each ended by CR LF.
std::string fileOf(std::initializer_list<std::string> values) {
    std::string bytes;
    for (const auto& v : values)
        bytes += *toCp932(v) + "\r\n";
    return bytes;
}

class MastersTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = dir.str();
        std::filesystem::create_directories(dataRoot());
    }
    void TearDown() override { setWriteFaultHook(nullptr); }
    // The path of a root file.
    static std::string use(const char* name) { return rootFilePath(name); }
    TempDir dir;
};

// ---- sample contents with edge values: Japanese, empty texts, negatives, type limits

void fillMisena() {
    busyoCount = 2;
    for (int i = 0; i < 2; ++i) {
        BusyoRec& r = busyoRecs[i];
        std::string n = std::to_string(i);
        r.name = i == 0 ? "本店" : "支店ｶﾅ";
        r.id = i == 0 ? 2147483647 : -1;
        r.prefecture = "東京都";
        r.city = "新宿区" + n;
        r.town = "";
        r.street = "西新宿1-2-3";
        r.tel = "03-1234-567" + n;
        r.fax = "";
        r.postalCode = "160-002" + n;
        r.transferKind = 3 - i;
        r.companyCode = "000123456" + n;
        r.companyKana = "ｶ)ﾙｶﾅ";
        r.bankName = "みずほ";
        r.bankCode = "0001";
        r.branchName = "新宿";
        r.branchCode = "123";
        r.accountType = i == 0 ? -1 : 2;
        r.accountNumber = "1234567";
        for (size_t k = 0; k < 4; ++k) {
            std::string s = n + "-" + std::to_string(k);
            r.otherHolder[k] = "名義" + s;
            r.otherBankName[k] = "銀行" + s;
            r.otherBankCode[k] = "b" + s;
            r.otherBranchName[k] = "支店" + s;
            r.otherBranchCode[k] = "c" + s;
            r.otherAccountType[k] = static_cast<int>(k) - 1;
            r.otherAccountNumber[k] = "n" + s;
        }
    }
}
void fillTekiyou() {
    tekiyouCount = 3;
    tekiyouNames[0] = "仕入";
    tekiyouIds[0] = 1;
    tekiyouNames[1] = "";
    tekiyouIds[1] = 2147483647;
    tekiyouNames[2] = "ｶﾅ ABC";
    tekiyouIds[2] = -5;
}
void fillTy() {
    tyCount = 2;
    tyNames[0] = "電気";
    tyIds[0] = 1;
    tyTekiyouIds[0] = 13;
    tyNames[1] = "売掛 客";
    tyIds[1] = 99;
    tyTekiyouIds[1] = 4;
}
void fillSiire() {
    siireCount = 2;
    for (int i = 0; i < 2; ++i) {
        siireNames[i] = i == 0 ? "酒屋" : "八百屋";
        siireIds[i] = 10 + i;
        siirePayKind[i] = i;
        siireSimebi[i] = i == 0 ? 0 : 31;
        siireBusyoIds[i] = i == 0 ? 0 : 123456;
        siireTukigo[i] = 2 - i;
        siireBunrui[i] = 2 * i;
    }
}
void fillKouza() {
    kouzaCount = 2;
    kouzaNames[0] = "みずほ銀行";
    kouzaIds[0] = 1;
    kouzaNames[1] = "";
    kouzaIds[1] = 300;
}
void fillKanri() {
    kanriCount = 1;
    kanriNames[0] = "山田";
    kanriIds[0] = 7;
}
void fillMenud() {
    menudCount = 3;
    menudRecs[0] = {1, "ビール", 12345678, "A1", 2};
    menudRecs[1] = {32767, "お通し", 0.5, "", 0};
    menudRecs[2] = {-32768, "", -2.5, "Z", -1};
}
void fillMbun() {
    mbunCount = 2;
    mbunRecs[0] = {1, "飲み物"};
    mbunRecs[1] = {20, ""};
}
void fillTtid() {
    int v = 1;
    for (int* c : {&ttidSlot1, &ttidTenpo, &ttidKanri, &ttidSlot4, &ttidSiire, &ttidTekiyou,
                   &ttidTy, &ttidSlot8, &ttidKouza, &ttidKyoutuu})
        *c = v++ * 11;
    ttidSlot4 = -3;
}

struct FileCase {
    const char* file;
    void (*fill)();
    PathReader read;
    PathWriter write;
    // Lines of the sample file the reader needs before it returns normally (-1: all of them).
    int requiredLines;
};

const FileCase kMasterFiles[] = {
    {"misena.dat", fillMisena, readDepartments, writeDepartments,
     1 + 2 * 2}, // tolerant after block A
    {"tekiyou.dat", fillTekiyou, readAccountTitles, writeAccountTitles, -1}, // strict
    {"ty.dat", fillTy, readSubAccounts, writeSubAccounts, -1},               // strict
    {"siire.dat", fillSiire, readSuppliers, writeSuppliers, 1 + 2 * 4},  // tolerant after block A
    {"kouza.dat", fillKouza, readBanks, writeBanks, -1},                 // strict
    {"kanri.dat", fillKanri, readStaff, writeStaff, -1},                 // strict
    {"menud.dat", fillMenud, readMenuItems, writeMenuItems, -1},         // strict, clears first
    {"mbun.dat", fillMbun, readMenuCategories, writeMenuCategories, -1}, // strict, clears first
    {"ttid.dat", fillTtid, readIdCounters, writeIdCounters, 0},          // tolerant after opening
};

// Lines of a file, each with its CR LF.
std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < bytes.size();) {
        size_t end = bytes.find("\r\n", at);
        end = end == std::string::npos ? bytes.size() : end + 2;
        lines.push_back(bytes.substr(at, end - at));
        at = end;
    }
    return lines;
}

TEST_F(MastersTest, EveryFileRoundTripsByteForByte) {
    for (const auto& c : kMasterFiles) {
        SCOPED_TRACE(c.file);
        resetSharedState();
        c.fill();
        const std::string path = rootFilePath(c.file);
        ASSERT_TRUE(c.write(path).ok());
        std::string first = readBytes(path);
        ASSERT_FALSE(first.empty());
        // Everything read back from a fresh start gives the same bytes again.
        resetSharedState();
        Status read = c.read(path);
        ASSERT_TRUE(read.ok()) << read.message();
        ASSERT_TRUE(c.write(path).ok());
        EXPECT_EQ(readBytes(path), first);
    }
}

TEST_F(MastersTest, ProceduresReadAndWriteTheFileAtFilePath) {
    struct Case {
        const char* file;
        void (*fill)();
        Status (*read)();
        Status (*write)();
        PathReader readPath;
        PathWriter writePath;
    };
    const Case cases[] = {
        {"misena.dat", fillMisena, misenaModosi, misenaHozon, readDepartments, writeDepartments},
        {"tekiyou.dat", fillTekiyou, tekiyouModosi, tekiyouHozon, readAccountTitles,
         writeAccountTitles},
        {"ty.dat", fillTy, tyModosi, tyHozon, readSubAccounts, writeSubAccounts},
        {"siire.dat", fillSiire, siireModosi, siireHozon, readSuppliers, writeSuppliers},
        {"kouza.dat", fillKouza, kouzaModosi, kouzaHozon, readBanks, writeBanks},
        {"kanri.dat", fillKanri, kanriModosi, kanriHozon, readStaff, writeStaff},
        {"menud.dat", fillMenud, menudModosi, menudHozon, readMenuItems, writeMenuItems},
        {"mbun.dat", fillMbun, mbunModosi, mbunHozon, readMenuCategories, writeMenuCategories},
        {"ttid.dat", fillTtid, ttidModosi, ttidHozon, readIdCounters, writeIdCounters},
        {"opt.dat", setStandardTaxRates, optModosi, optHozon, readTaxTable, writeTaxTable},
        {"simebi.dat", [] { simeKinmu = 20, simeGenkin = 25, simeKurejitto = 10; }, simebiModosi,
         simebiHozon, readClosingDays, writeClosingDays},
        {"kesan.dat", [] { kesanTuki = 3, kesanBi = 31; }, kesanModosi, kesanHozon,
         readFiscalYearEnd, writeFiscalYearEnd},
        {"20043v.dat", [] { (void)setZanBalance(2, 15, -2.5); }, vModosi, vHozon, readBalances,
         writeBalances},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = use(c.file);
        resetSharedState();
        c.fill();
        ASSERT_TRUE(c.writePath(path).ok());
        const std::string expected = readBytes(path);
        std::filesystem::remove(path);
        filePath = path;
        ASSERT_TRUE(c.write().ok());
        EXPECT_EQ(readBytes(path), expected);

        resetSharedState();
        filePath = path;
        ASSERT_TRUE(c.read().ok());
        std::filesystem::remove(path);
        ASSERT_TRUE(c.writePath(path).ok());
        EXPECT_EQ(readBytes(path), expected);
        filePath.clear();
        EXPECT_FALSE(c.read().ok()) << "no path";
    }
}

TEST_F(MastersTest, TruncatedFilesFailOrEndQuietlyByReaderKind) {
    for (const auto& c : kMasterFiles) {
        resetSharedState();
        c.fill();
        const std::string path = rootFilePath(c.file);
        ASSERT_TRUE(c.write(path).ok());
        const auto lines = linesOf(readBytes(path));
        const int required = c.requiredLines < 0 ? static_cast<int>(lines.size()) : c.requiredLines;
        for (int kept = 0; kept < static_cast<int>(lines.size()); ++kept) {
            SCOPED_TRACE(std::string(c.file) + " lines kept: " + std::to_string(kept));
            std::string cut;
            for (int k = 0; k < kept; ++k)
                cut += lines[k];
            writeBytes(path, cut);
            resetSharedState();
            Status read = c.read(path);
            EXPECT_EQ(read.ok(), kept >= required) << read.message();
            if (!read.ok()) {
                EXPECT_NE(read.message().find(c.file), std::string::npos) << read.message();
            } else {
                // What was read is in memory: writing again starts with the lines that were there.
                ASSERT_TRUE(c.write(path).ok());
                EXPECT_EQ(readBytes(path).substr(0, cut.size()), cut);
            }
        }
    }
}

TEST_F(MastersTest, CountAboveCapacityFailsAndIndexesNothing) {
    struct Case {
        const char* file;
        const char* count;
        PathReader read;
        const int* listCount;
    };
    const Case cases[] = {
        {"misena.dat", " 302", readDepartments, &busyoCount},
        {"tekiyou.dat", " 2002", readAccountTitles, &tekiyouCount},
        {"ty.dat", " 2002", readSubAccounts, &tyCount},
        {"siire.dat", " 502", readSuppliers, &siireCount},
        {"kouza.dat", " 302", readBanks, &kouzaCount},
        {"kanri.dat", " 302", readStaff, &kanriCount},
        {"menud.dat", " 502", readMenuItems, &menudCount},
        {"mbun.dat", " 22", readMenuCategories, &mbunCount},
        {"tekiyou.dat", "-1", readAccountTitles, &tekiyouCount},
        {"kouza.dat", " 99999999999", readBanks, &kouzaCount},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + c.count);
        resetSharedState();
        // Plenty of values after the count, so only the capacity check can stop the read.
        std::string bytes = std::string(c.count) + "\r\n";
        for (int i = 0; i < 200000; ++i)
            bytes += " 1\r\n";
        writeBytes(rootFilePath(c.file), bytes);
        Status read = c.read(rootFilePath(c.file));
        EXPECT_FALSE(read.ok());
        EXPECT_EQ(*c.listCount, 0);
    }
}

TEST_F(MastersTest, DefaultListsHaveTheirExactBytesAndRaiseTheCounters) {
    // The sixteen default titles and four sub-accounts in code page 932, ids 1 up.
    const std::string tekiyouBytes = " 16\r\n"
                                     "\x8E"
                                     "d\x93\xFC\r\n 1\r\n"
                                     "\x94\x84\x8F\xE3\r\n 2\r\n"
                                     "\x8C\xBB\x8B\xE0\r\n 3\r\n"
                                     "\x94\x84\x8A|\x8B\xE0\r\n 4\r\n"
                                     "\x94\x83\x8A|\x8B\xE0\r\n 5\r\n"
                                     "\x8C\xF0\x92\xCA\x94\xEF\r\n 6\r\n"
                                     "\x92\xCA\x90M\x94\xEF\r\n 7\r\n"
                                     "\x8B\x8B\x97^\r\n 8\r\n"
                                     "\x8E\x96\x96\xB1\x97p\x95i\x94\xEF\r\n 9\r\n"
                                     "\x8F\xC1\x96\xD5\x95i\x94\xEF\r\n 10\r\n"
                                     "\x8C\xF0\x8D\xDB\x94\xEF\r\n 11\r\n"
                                     "\x89\xEF\x8B"
                                     "c\x94\xEF\r\n 12\r\n"
                                     "\x90\x85\x93\xB9\x8C\xF5\x94M\x94\xEF\r\n 13\r\n"
                                     "\x92\xC0\x8E\xD8\x97\xBF\r\n 14\r\n"
                                     "\x83\x8A\x81[\x83X\x97\xBF\r\n 15\r\n"
                                     "\x8EG\x94\xEF\r\n 16\r\n";
    const std::string tyBytes = " 4\r\n"
                                "\x93"
                                "d\x8B"
                                "C\r\n 1\r\n 13\r\n"
                                "\x90\x85\x93\xB9\r\n 2\r\n 13\r\n"
                                "\x93\xFA\x95\xA5\x82\xA2\x8B\x8B\x97\xBF\r\n 3\r\n 8\r\n"
                                "\x91\xCC\x8C\xB1\x93\xFC\x93X\x94\xEF\r\n 4\r\n 8\r\n";

    ttidTekiyou = 35;
    ttidTy = 7;
    filePath = "caller's path";
    ASSERT_TRUE(createDefaultTekiyou().ok());
    ASSERT_TRUE(createDefaultTy().ok());
    EXPECT_EQ(filePath, "caller's path");
    EXPECT_EQ(readBytes(rootFilePath("tekiyou.dat")), tekiyouBytes);
    EXPECT_EQ(readBytes(rootFilePath("ty.dat")), tyBytes);
    EXPECT_EQ(tekiyouCount, 16);
    EXPECT_EQ(tekiyouIds[15], 16);
    EXPECT_EQ(tyCount, 4);
    EXPECT_EQ(ttidTekiyou, 55);
    EXPECT_EQ(ttidTy, 17);
    EXPECT_EQ(readBytes(rootFilePath("ttid.dat")),
              " 0\r\n 0\r\n 0\r\n 0\r\n 0\r\n 55\r\n 17\r\n 0\r\n 0\r\n 0\r\n");
}

// "ty.dat.broken-YYYYMMDD-HHMMSS"
bool isAsideName(const std::string& name) {
    const std::string prefix = "ty.dat.broken-";
    if (name.size() != prefix.size() + 15 || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (size_t i = prefix.size(); i < name.size(); ++i)
        if (i - prefix.size() == 8 ? name[i] != '-'
                                   : !std::isdigit(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

TEST_F(MastersTest, LoadOrDefaultsCreatesOnlyForAMissingFileAndMovesABrokenOneAside) {
    struct Case {
        const char* name;
        const char* content; // nullptr: no file
        bool defaults;
        bool movedAside;
    };
    const Case cases[] = {
        {"missing", nullptr, true, false},
        {"broken", " 3\r\nonly one\r\n", true, true},
        {"readable", " 1\r\nx\r\n 40\r\n 4\r\n", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dataRoot());
        std::filesystem::create_directories(dataRoot());
        resetSharedState();
        const std::string path = rootFilePath("ty.dat");
        if (c.content)
            writeBytes(path, c.content);
        LoadOutcome outcome = loadTyOrDefaults();
        EXPECT_TRUE(outcome.status.ok()) << outcome.status.message();
        EXPECT_EQ(outcome.createdDefaults, c.defaults);
        ASSERT_EQ(movedAsideTo(outcome.damaged).has_value(), c.movedAside);
        EXPECT_EQ(tyCount, c.defaults ? 4 : 1);
        EXPECT_EQ(ttidTy, c.defaults ? 10 : 0);
        if (c.movedAside) {
            EXPECT_TRUE(isAsideName(
                std::filesystem::path(*movedAsideTo(outcome.damaged)).filename().string()))
                << *movedAsideTo(outcome.damaged);
            EXPECT_EQ(std::filesystem::path(*movedAsideTo(outcome.damaged)).parent_path(),
                      std::filesystem::path(path).parent_path());
            EXPECT_EQ(readBytes(*movedAsideTo(outcome.damaged)), c.content);
        }
        if (c.defaults) {
            EXPECT_EQ(readBytes(path).substr(0, 4), " 4\r\n");
        } else {
            EXPECT_EQ(readBytes(path), c.content);
        }
    }
    // The account titles go the same way.
    resetSharedState();
    writeBytes(rootFilePath("tekiyou.dat"), "garbage");
    LoadOutcome outcome = loadTekiyouOrDefaults();
    EXPECT_TRUE(outcome.createdDefaults);
    EXPECT_TRUE(movedAsideTo(outcome.damaged).has_value());
    EXPECT_EQ(tekiyouCount, 16);
    EXPECT_EQ(ttidTekiyou, 20);
}

TEST_F(MastersTest, ReadOrMoveAsideMovesOnlyAnExistingFileThatFailsToRead) {
    const std::string damaged = fileOf({" 3", "りそな", " 20"});
    // Too long a name for any aside name beside it.
    const std::string unmovable =
        (std::filesystem::path(dataRoot()) / std::string(240, 'k')).string();
    struct Case {
        const char* name;
        std::string path;
        std::optional<std::string> content; // nothing: no file
        bool read;
        bool movedAside;
        bool statusOk;
    };
    const Case cases[] = {
        {"missing", rootFilePath("kouza.dat"), std::nullopt, false, false, true},
        {"damaged", rootFilePath("kouza.dat"), damaged, false, true, true},
        {"readable", rootFilePath("kouza.dat"), fileOf({" 1", "りそな", " 20"}), true, false, true},
        {"unmovable", unmovable, damaged, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(c.path);
        if (c.content)
            writeBytes(c.path, *c.content);
        const LoadOutcome outcome = readOrMoveAside(c.path, readBanks);
        EXPECT_EQ(outcome.read, c.read);
        EXPECT_FALSE(outcome.createdDefaults);
        EXPECT_EQ(outcome.status.ok(), c.statusOk);
        ASSERT_EQ(movedAsideTo(outcome.damaged).has_value(), c.movedAside);
        if (c.movedAside) {
            EXPECT_EQ(std::filesystem::path(*movedAsideTo(outcome.damaged)).parent_path(),
                      std::filesystem::path(c.path).parent_path());
            EXPECT_EQ(readBytes(*movedAsideTo(outcome.damaged)), *c.content);
            EXPECT_FALSE(std::filesystem::exists(c.path));
            std::filesystem::remove(*movedAsideTo(outcome.damaged));
        } else if (c.content) {
            EXPECT_EQ(readBytes(c.path), *c.content); // left where it was
        }
    }
}

TEST_F(MastersTest, MoveAsideKeepsEveryEarlierCopy) {
    const std::string path = rootFilePath("misena.dat");
    writeBytes(path, "first");
    auto a = moveAside(path);
    writeBytes(path, "second");
    auto b = moveAside(path);
    ASSERT_TRUE(a && b);
    EXPECT_NE(*a, *b);
    EXPECT_EQ(readBytes(*a), "first");
    EXPECT_EQ(readBytes(*b), "second");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(moveAside(path).has_value()); // nothing left to move
}

TEST_F(MastersTest, MisenaEndingAfterBlockAKeepsTheRestAndRebuildsTheLists) {
    busyoRecs[1].prefecture = "前の値";
    busyoRecs[1].otherBankName[3] = "前の銀行";
    writeBytes(use("misena.dat"), fileOf({" 2", "本店", " 11", "支店", " 12"}));
    ASSERT_TRUE(readDepartments(use("misena.dat")).ok());
    EXPECT_EQ(busyoCount, 2);
    EXPECT_EQ(busyoNames[0], "本店");
    EXPECT_EQ(busyoNames[1], "支店");
    EXPECT_EQ(busyoIds[1], 12);
    EXPECT_EQ(busyoRecs[1].prefecture, "前の値");
    EXPECT_EQ(busyoRecs[1].otherBankName[3], "前の銀行");
}

TEST_F(MastersTest, FourthFurtherBankSlotSurvivesWriteAndRead) {
    fillMisena();
    ASSERT_TRUE(writeDepartments(use("misena.dat")).ok());
    EXPECT_EQ(busyoNames[1], "支店ｶﾅ"); // rebuilt after the write as well
    resetSharedState();
    ASSERT_TRUE(readDepartments(use("misena.dat")).ok());
    EXPECT_EQ(busyoRecs[1].otherBankName[3], "銀行1-3");
    EXPECT_EQ(busyoRecs[1].otherAccountType[3], 2);
    EXPECT_EQ(busyoRecs[1].otherAccountNumber[3], "n1-3");
}

TEST_F(MastersTest, SiireWithOnlyBlockAKeepsThePriorFields) {
    const std::string path = use("siire.dat");
    writeBytes(path, fileOf({" 1", "酒屋", " 5", " 1", " 20"}));
    // After start-up: every department, zero months, class 0.
    ASSERT_TRUE(readSuppliers(path).ok());
    EXPECT_EQ(siireNames[0], "酒屋");
    EXPECT_EQ(siireSimebi[0], 20);
    EXPECT_EQ(siireBusyoIds[0], 0);
    // With values in memory, they stay.
    siireBusyoIds[0] = 77;
    siireTukigo[0] = 2;
    siireBunrui[0] = 1;
    ASSERT_TRUE(readSuppliers(path).ok());
    EXPECT_EQ(siireBusyoIds[0], 77);
    EXPECT_EQ(siireTukigo[0], 2);
    EXPECT_EQ(siireBunrui[0], 1);
}

TEST_F(MastersTest, MissingMenuFilesGiveEmptyListsNotTheOnesBefore) {
    fillMenud();
    fillMbun();
    const std::string path = use("nowhere/menud.dat");
    EXPECT_FALSE(readMenuItems(path).ok());
    EXPECT_FALSE(readMenuCategories(path).ok());
    EXPECT_EQ(menudCount, 0);
    EXPECT_EQ(menudRecs[0].name, "");
    EXPECT_EQ(menudRecs[0].price, 0);
    EXPECT_EQ(mbunCount, 0);
    EXPECT_EQ(mbunRecs[0].name, "");
}

TEST_F(MastersTest, MenuFileHasItsFileOrderAndKeepsLargePrices) {
    menudCount = 2;
    menudRecs[0] = {1, "ビール", 12345678, "A1", 2};
    menudRecs[1] = {2, "x", 0.5, "", 0};
    ASSERT_TRUE(writeMenuItems(use("menud.dat")).ok());
    EXPECT_EQ(readBytes(use("menud.dat")),
              " 2\r\n 1\r\nA1\r\n 2\r\n\x83r\x81[\x83\x8B\r\n 12345678\r\n"
              " 2\r\n\r\n 0\r\nx\r\n .5\r\n");
}

TEST_F(MastersTest, OlderSpellingsOfNumbersReadTheSame) {
    // Single prices with seven digits, blanks after numbers, a line end after the last value
    // missing.
    writeBytes(use("menud.dat"),
               " 2 \r\n 1 \r\nA1\r\n 2\r\nx\r\n 1.234568E+07 \r\n 2\r\n\r\n 0\r\ny\r\n .5");
    ASSERT_TRUE(readMenuItems(use("menud.dat")).ok());
    EXPECT_EQ(menudCount, 2);
    EXPECT_EQ(menudRecs[0].price, 12345680);
    EXPECT_EQ(menudRecs[1].price, 0.5);
    EXPECT_EQ(menudRecs[1].name, "y");
}

TEST_F(MastersTest, WritersFailWithoutTouchingTheFile) {
    struct Case {
        const char* name;
        const char* file;
        void (*spoil)();
        PathWriter write;
        bool diskFault;
    };
    const Case cases[] = {
        {"rename fails", "tekiyou.dat", [] {}, writeAccountTitles, true},
        {"not in code page 932", "tekiyou.dat", [] { tekiyouNames[0] = "🍺"; }, writeAccountTitles,
         false},
        {"count above capacity", "tekiyou.dat", [] { tekiyouCount = kTekiyouCapacity + 1; },
         writeAccountTitles, false},
        {"negative count", "kouza.dat", [] { kouzaCount = -1; }, writeBanks, false},
        {"Integer out of range", "menud.dat", [] { menudRecs[0].id = 40000; }, writeMenuItems,
         false},
        {"Integer out of range", "siire.dat", [] { siireSimebi[1] = -40000; }, writeSuppliers,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dataRoot());
        std::filesystem::create_directories(dataRoot());
        resetSharedState();
        fillTekiyou();
        fillKouza();
        fillMenud();
        fillSiire();
        c.spoil();
        const std::string path = rootFilePath(c.file);
        writeBytes(path, "old");
        if (c.diskFault)
            setWriteFaultHook([](WriteStage s) { return s == WriteStage::Rename; });
        EXPECT_FALSE(c.write(path).ok());
        setWriteFaultHook(nullptr);
        EXPECT_EQ(readBytes(path), "old");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dataRoot()), {}), 1)
            << "no temporary file left behind";
    }
}

TEST_F(MastersTest, KenAllCountsWholeRowsUpToTheCapacity) {
    std::string bytes;
    for (int i = 0; i < 10; ++i)
        bytes += *toCp932("\"100000" + std::to_string(i) + "\",\"東京都\",\"千代田区\",町" +
                          std::to_string(i) + "\r\n");
    const std::string path = (dir.path() / "KenAll.csv").string();
    writeBytes(path, bytes + "9999999,東京都\r\n");
    ASSERT_TRUE(readPostalCodes(path).ok());
    EXPECT_EQ(kenAllCount, 10);
    EXPECT_EQ(kenAllRows[0].postalCode, "1000000");
    EXPECT_EQ(kenAllRows[9].prefecture, "東京都");
    EXPECT_EQ(kenAllRows[9].city, "千代田区");
    EXPECT_EQ(kenAllRows[9].town, "町9");

    // A last row without its line end still counts when all four values are there.
    writeBytes(path, bytes + "1,2,3,4");
    ASSERT_TRUE(readPostalCodes(path).ok());
    EXPECT_EQ(kenAllCount, 11);

    // A missing table is a failure that leaves the table as it was.
    EXPECT_FALSE(readPostalCodes((dir.path() / "none.csv").string()).ok());
    EXPECT_EQ(kenAllCount, 11);

    std::string big;
    for (int i = 0; i < kKenAllCapacity + 5; ++i)
        big += "1,a,b,c\r\n";
    writeBytes(path, big);
    ASSERT_TRUE(readPostalCodes(path).ok());
    EXPECT_EQ(kenAllCount, kKenAllCapacity);

    // An empty last value: the line end after its comma ends it, and the next row stays whole.
    writeBytes(path,
               *toCp932("0600000,北海道,札幌市中央区,\r\n\"0640941\",\"北海道\","
                        "\"札幌市中央区\",\"旭ケ丘\"\r\n0600001,北海道,札幌市中央区,北一条西\r\n"));
    ASSERT_TRUE(readPostalCodes(path).ok());
    ASSERT_EQ(kenAllCount, 3);
    EXPECT_EQ(kenAllRows[0].city, "札幌市中央区");
    EXPECT_EQ(kenAllRows[0].town, "");
    EXPECT_EQ(kenAllRows[1].postalCode, "0640941");
    EXPECT_EQ(kenAllRows[1].town, "旭ケ丘");
    EXPECT_EQ(kenAllRows[2].postalCode, "0600001");
    EXPECT_EQ(kenAllRows[2].town, "北一条西");
}

TEST_F(MastersTest, IdCountersReadTolerantlyAfterOpening) {
    ttidSlot4 = 4;
    ttidKyoutuu = 9;
    EXPECT_FALSE(readIdCounters("").ok()) << "no path";
    writeBytes(use("ttid.dat"), " 1\r\n 2\r\n 3\r\nbroken\r\n 5\r\n");
    ASSERT_TRUE(readIdCounters(use("ttid.dat")).ok());
    EXPECT_EQ(ttidKanri, 3);
    EXPECT_EQ(ttidSlot4, 4);
    EXPECT_EQ(ttidSiire, 0);
    EXPECT_EQ(ttidKyoutuu, 9);
}

} // namespace
