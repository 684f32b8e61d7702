// The two month files, daily reports and vouchers: layout byte for byte, the tolerant readers,
// the capacities and the load operation with its older-name fallback.
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/state.h"
#include "support/files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace lukana;
namespace fs = std::filesystem;

namespace {

const std::string kBusyo = "本店";

// ---- bytes and lines ----

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the last value is not followed by CR LF";
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, size_t count = SIZE_MAX) {
    std::string bytes;
    for (size_t i = 0; i < lines.size() && i < count; ++i)
        bytes += lines[i] + "\r\n";
    return bytes;
}

std::vector<std::string> repeat(const std::string& line, size_t n) {
    return std::vector<std::string>(n, line);
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// ---- months ----

std::unique_ptr<NippouMonth> newNippou() {
    return std::make_unique<NippouMonth>();
}
std::unique_ptr<DenpyouMonth> newDenpyou() {
    return std::make_unique<DenpyouMonth>();
}

// Every list of the layout in use, day 20 at every capacity.
void fillRichNippou(NippouMonth& m, double& fixedCosts) {
    fixedCosts = 123456.5;
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = m[d];
        for (int k = 0; k < kKingakuCount; ++k)
            day.kingaku[k] = d * 1000 + k + (k % 3 == 0 ? 0.25 : 0);
        day.kingaku[27] = -d * 10.5;
        day.sentaku = {0, d % 5, 100 + d};
        day.kaidasiCount = d == 20 ? kNippouLineCapacity : d % 4;
        for (int i = 0; i < day.kaidasiCount; ++i) {
            day.kaidasiSiireId[i] = i == 0 ? -1 : 200 + i;
            day.kaidasiGaku[i] = 1500 + i * 0.5;
            day.kaidasiHikazei[i] = i % 2;
        }
        day.nyukinCount = d % 3;
        for (int i = 0; i < day.nyukinCount; ++i) {
            day.nyukinKouza[i] = 1 + i % 4;
            day.nyukinGaku[i] = 50000.0 * (i + 1);
        }
        day.hikidasiCount = d % 5 == 0 ? 2 : 0;
        for (int i = 0; i < day.hikidasiCount; ++i) {
            day.hikidasiKouza[i] = 4 - i;
            day.hikidasiGaku[i] = 30000 + d;
        }
        day.urikakeCount = d % 2;
        for (int i = 0; i < day.urikakeCount; ++i) {
            day.urikakeKyaku[i] = 7000 + d;
            day.urikakeGaku[i] = 8800;
        }
        day.yobiCount = d == 7 ? 2 : 0;
        for (int i = 0; i < day.yobiCount; ++i) {
            day.yobi1[i] = 1.5;
            day.yobi2[i] = -3;
        }
        day.slipCount = d == 20 ? kSlipCapacity : d % 6;
        for (int t = 0; t < day.slipCount; ++t) {
            auto& v = day.slipValues[t];
            v = {double(t % 4 + 1), double(t % 3),     0, 1, 18, 30, 21, 5,
                 12000 + t * 100.0, double(1 + t % 3), 0};
            day.lineCount[t] = (d == 20 && t == 100) ? kSlipLineCapacity : t % 4;
            for (int c = 0; c < day.lineCount[t]; ++c) {
                day.lineMenu[t][c] = 1 + c + t * 10;
                day.lineQty[t][c] = c == 2 ? -1 : c + 1;
            }
        }
    }
    m[1].kaidasiGaku[0] = 12345678; // beyond the 7 digits of a Single
    m[2].slipValues[0][8] = 12345678;
}

void fillRichDenpyou(DenpyouMonth& m) {
    const char* notes[] = {"", "ビール代", "ｶﾞｽ代", "cash"};
    const int kinds[] = {0, 1, 2, 4};
    for (int d = 1; d <= 31; ++d) {
        DenpyouDay& day = m[d];
        day.denpyouCount = d == 10 ? kDenpyouCapacity : (d % 3 == 0 ? d % 7 + 1 : 0);
        for (int i = 0; i < day.denpyouCount; ++i) {
            day.toKind[i] = kinds[i % 4];
            day.toId[i] = i % 4 == 1 ? -1 : i % 5;
            day.amount[i] = 1080 + i + (i % 2 ? 0.5 : 0);
            day.tax[i] = i % 3 == 0 ? 0 : 80;
            day.entryType[i] = i % 5;
            day.fromKind[i] = kinds[(i + 1) % 4];
            day.fromId[i] = i % 3;
            day.accountId[i] = 10 + i;
            day.subAccountId[i] = i % 2 ? 300 + i : 0;
            day.note[i] = notes[i % 4];
            day.taxExempt[i] = i % 2;
        }
    }
}

// ---- the layout, counted independently of the writer ----

// Lines of items 1..10 of a daily-report month: ends[k] is the line count up to item k.
std::array<size_t, 11> nippouItemEnds(const NippouMonth& m) {
    std::array<size_t, 11> n{};
    n[1] = 1;
    n[2] = 31 * 28;
    for (int d = 1; d <= 31; ++d) {
        const NippouDay& day = m[d];
        n[3] += 1 + 2 * day.kaidasiCount;
        n[4] += day.kaidasiCount;
        n[5] += 1 + 2 * day.nyukinCount;
        n[6] += 1 + 2 * day.hikidasiCount;
        n[7] += 1 + 2 * day.urikakeCount;
        n[8] += 1 + 2 * day.yobiCount;
        n[9] += 16;
        n[10] += 1;
        for (int t = 0; t < day.slipCount; ++t)
            n[10] += 12 + 2 * day.lineCount[t];
    }
    for (int k = 1; k <= 10; ++k)
        n[k] += n[k - 1];
    return n;
}

// Line of day d's count in item 3 and of day d's slip count in item 10.
size_t kaidasiCountLine(const NippouMonth& m, int d) {
    size_t line = nippouItemEnds(m)[2];
    for (int e = 1; e < d; ++e)
        line += 1 + 2 * m[e].kaidasiCount;
    return line;
}
size_t slipCountLine(const NippouMonth& m, int d) {
    size_t line = nippouItemEnds(m)[9];
    for (int e = 1; e < d; ++e) {
        line += 1;
        for (int t = 0; t < m[e].slipCount; ++t)
            line += 12 + 2 * m[e].lineCount[t];
    }
    return line;
}

// What a reader leaves of a month when the file ends after item k (2..10).
void clearItemsAfter(NippouMonth& m, int item) {
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = m[d];
        if (item < 3) {
            day.kaidasiCount = 0;
            day.kaidasiSiireId.fill(0);
            day.kaidasiGaku.fill(0);
        }
        if (item < 4)
            day.kaidasiHikazei.fill(0);
        if (item < 5)
            day.nyukinCount = 0;
        if (item < 6)
            day.hikidasiCount = 0;
        if (item < 7)
            day.urikakeCount = 0;
        if (item < 8)
            day.yobiCount = 0;
        if (item < 9)
            for (int k = 25; k < kKingakuCount; ++k)
                day.kingaku[k] = 0;
        if (item < 10)
            day.slipCount = 0;
    }
}

// Lines of passes 1..7 of a voucher month.
std::array<size_t, 8> denpyouPassEnds(const DenpyouMonth& m) {
    std::array<size_t, 8> n{};
    for (int d = 1; d <= 31; ++d) {
        size_t c = static_cast<size_t>(m[d].denpyouCount);
        n[1] += 1 + 4 * c;
        n[2] += c;
        n[3] += c;
        n[4] += c;
        n[5] += c;
        n[6] += 2 * c;
        n[7] += c;
    }
    for (int k = 1; k <= 7; ++k)
        n[k] += n[k - 1];
    return n;
}

void clearPassesAfter(DenpyouMonth& m, int pass) {
    for (int d = 1; d <= 31; ++d) {
        DenpyouDay& day = m[d];
        if (pass < 2)
            day.subAccountId.fill(0);
        if (pass < 3)
            for (auto& note : day.note)
                note.clear();
        if (pass < 4)
            day.taxExempt.fill(0);
        if (pass < 5)
            day.entryType.fill(0);
        if (pass < 6) {
            day.toKind.fill(0);
            day.fromKind.fill(0);
        }
        if (pass < 7)
            day.tax.fill(0);
    }
}

class MonthsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetSharedState();
        driveRoot = tmp_.str();
        fs::create_directories(busyoFolderPath(kBusyo));
    }
    void TearDown() override { resetSharedState(); }

    // The bytes the writer makes of a month: two months compare equal when these are.
    std::string bytesOf(const NippouMonth& m, double fixedCosts) {
        std::string path = (tmp_.path() / "scratch.dat").string();
        EXPECT_TRUE(writeNippouMonth(path, m, fixedCosts).ok());
        return readBytes(path);
    }
    std::string bytesOf(const DenpyouMonth& m) {
        std::string path = (tmp_.path() / "scratchu.dat").string();
        EXPECT_TRUE(writeDenpyouMonth(path, m).ok());
        return readBytes(path);
    }

    std::string plainNippou() { return nippouPath(kBusyo, 2003, 7); }
    std::string olderNippou() { return nippouPath(kBusyo, 2003, 7, true); }
    std::string plainDenpyou() { return denpyouPath(kBusyo, 2003, 7); }
    std::string olderDenpyou() { return denpyouPath(kBusyo, 2003, 7, true); }

    TempDir tmp_;
};

bool sameDay(const NippouDay& a, const NippouDay& b) {
    return a.kingaku == b.kingaku && a.sentaku == b.sentaku && a.kaidasiCount == b.kaidasiCount &&
           a.kaidasiSiireId == b.kaidasiSiireId && a.kaidasiGaku == b.kaidasiGaku &&
           a.kaidasiHikazei == b.kaidasiHikazei && a.nyukinCount == b.nyukinCount &&
           a.nyukinKouza == b.nyukinKouza && a.nyukinGaku == b.nyukinGaku &&
           a.hikidasiCount == b.hikidasiCount && a.hikidasiKouza == b.hikidasiKouza &&
           a.hikidasiGaku == b.hikidasiGaku && a.urikakeCount == b.urikakeCount &&
           a.urikakeKyaku == b.urikakeKyaku && a.urikakeGaku == b.urikakeGaku &&
           a.yobiCount == b.yobiCount && a.yobi1 == b.yobi1 && a.yobi2 == b.yobi2 &&
           a.slipCount == b.slipCount && a.slipValues == b.slipValues &&
           a.lineCount == b.lineCount && a.lineMenu == b.lineMenu && a.lineQty == b.lineQty;
}

bool nippouIsEmpty(const NippouMonth& m) {
    static const NippouDay empty{};
    for (const auto& day : m)
        if (!sameDay(day, empty))
            return false;
    return true;
}

bool denpyouIsEmpty(const DenpyouMonth& m) {
    for (const auto& day : m) {
        if (day.denpyouCount != 0)
            return false;
        for (int i = 0; i < kDenpyouCapacity; ++i)
            if (day.toId[i] || day.amount[i] || day.fromId[i] || day.accountId[i] ||
                day.subAccountId[i] || !day.note[i].empty() || day.taxExempt[i] ||
                day.entryType[i] || day.toKind[i] || day.fromKind[i] || day.tax[i])
                return false;
    }
    return true;
}

// ======================================================================================
// Paths

TEST_F(MonthsTest, PathsUsePlainAndOlderNames) {
    const fs::path folder = busyoFolderPath(kBusyo);
    EXPECT_EQ(nippouPath(kBusyo, 2003, 7), (folder / "20037.dat").string());
    EXPECT_EQ(nippouPath(kBusyo, 2003, 11), (folder / "200311.dat").string());
    EXPECT_EQ(nippouPath(kBusyo, 2003, 7, true), (folder / " 2003 7.dat").string());
    EXPECT_EQ(denpyouPath(kBusyo, 2003, 12), (folder / "200312u.dat").string());
    EXPECT_EQ(denpyouPath(kBusyo, 2003, 1, true), (folder / " 2003 1u.dat").string());
    EXPECT_EQ(nippouPath("a/b", 2003, 7), ""); // no folder of that name can exist
}

// ======================================================================================
// Daily-report month: layout

TEST_F(MonthsTest, EmptyNippouMonthIs6204BytesOfZeros) {
    // 1 + 31 x 28 (item 2) + 5 x 31 counts (items 3, 5-8) + 31 x 16 (item 9) + 31 (item 10)
    // = 1551 values of " 0" CR LF = 6204 bytes.
    filePath = plainNippou();
    ASSERT_TRUE(nippouHozon().ok());
    std::string bytes = readBytes(plainNippou());
    EXPECT_EQ(bytes.size(), 6204u);
    EXPECT_EQ(bytes, joinLines(repeat(" 0", 1551)));
}

TEST_F(MonthsTest, FebruaryWritesAll31Days) {
    fillRichNippou(nippouMonth, koteihi);
    for (int d = 29; d <= 31; ++d)
        nippouMonth[d] = NippouDay{};
    filePath = plainNippou();
    ASSERT_TRUE(nippouHozon().ok());
    auto lines = splitLines(readBytes(plainNippou()));
    auto ends = nippouItemEnds(nippouMonth);
    ASSERT_EQ(lines.size(), ends[10]);
    // Item 2 of days 29 to 31 and their slip counts are zeros.
    for (size_t i = 1 + 28 * 28; i < ends[2]; ++i)
        EXPECT_EQ(lines[i], " 0") << i;
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()), repeat(" 0", 3));

    auto back = newNippou();
    double backKoteihi = -1;
    ASSERT_TRUE(readNippouMonth(plainNippou(), *back, backKoteihi).ok());
    for (int d = 29; d <= 31; ++d)
        EXPECT_TRUE(sameDay((*back)[d], nippouMonth[d])) << d;
    EXPECT_EQ(bytesOf(*back, backKoteihi), bytesOf(nippouMonth, koteihi));
}

struct PaymentCase {
    const char* name;
    int count;
    std::vector<std::string> item3Day1; // day 1's lines in item 3
    std::vector<std::string> item4;     // the whole of item 4
};

TEST_F(MonthsTest, PaymentLinesWritePairsThenExemptFlags) {
    const PaymentCase cases[] = {
        {"three lines",
         3,
         {" 3", "-1", " 1500", " 201", " 2.5", " 202", " 12345678"},
         {" 0", " 1", " 0"}},
        {"no lines", 0, {" 0"}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        resetSharedState();
        NippouDay& day = nippouMonth[1];
        day.kaidasiCount = c.count;
        const int ids[] = {-1, 201, 202};
        const double amounts[] = {1500, 2.5, 12345678};
        for (int i = 0; i < c.count; ++i) {
            day.kaidasiSiireId[i] = ids[i];
            day.kaidasiGaku[i] = amounts[i];
            day.kaidasiHikazei[i] = i == 1;
        }
        std::vector<std::string> expected = repeat(" 0", 1 + 31 * 28); // items 1, 2
        append(expected, c.item3Day1);
        append(expected, repeat(" 0", 30)); // item 3, days 2 to 31
        append(expected, c.item4);
        append(expected, repeat(" 0", 4 * 31 + 31 * 16 + 31)); // items 5-8, 9, 10
        EXPECT_EQ(bytesOf(nippouMonth, 0), joinLines(expected));
    }
}

TEST_F(MonthsTest, GuestSlipWithoutOrderLinesWritesItsValuesAndCountZero) {
    NippouDay& day = nippouMonth[1];
    day.slipCount = 1;
    day.slipValues[0] = {2, 1, 0, 0, 19, 5, 20, 45, 7500.5, 1, 0};
    day.lineCount[0] = 0;
    std::vector<std::string> expected = repeat(" 0", 1 + 31 * 28 + 5 * 31 + 31 * 16);
    append(expected,
           {" 1", " 2", " 1", " 0", " 0", " 19", " 5", " 20", " 45", " 7500.5", " 1", " 0", " 0"});
    append(expected, repeat(" 0", 30));
    EXPECT_EQ(bytesOf(nippouMonth, 0), joinLines(expected));

    auto back = newNippou();
    double k = 0;
    ASSERT_TRUE(readNippouMonth((tmp_.path() / "scratch.dat").string(), *back, k).ok());
    EXPECT_EQ((*back)[1].slipCount, 1);
    EXPECT_EQ((*back)[1].slipValues[0][8], 7500.5);
    EXPECT_EQ((*back)[1].lineCount[0], 0);
}

TEST_F(MonthsTest, LargeAmountsStayExact) {
    nippouMonth[1].kaidasiCount = 1;
    nippouMonth[1].kaidasiGaku[0] = 12345678;
    nippouMonth[1].slipCount = 1;
    nippouMonth[1].slipValues[0][8] = 123456789;
    koteihi = 98765432.25;
    filePath = plainNippou();
    ASSERT_TRUE(nippouHozon().ok());
    std::string bytes = readBytes(plainNippou());
    EXPECT_NE(bytes.find("\r\n 12345678\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n 123456789\r\n"), std::string::npos);

    resetSharedState();
    filePath = plainNippou();
    ASSERT_TRUE(nippouModosi().ok());
    EXPECT_EQ(nippouMonth[1].kaidasiGaku[0], 12345678);
    EXPECT_EQ(nippouMonth[1].slipValues[0][8], 123456789);
    EXPECT_EQ(koteihi, 98765432.25);
}

TEST_F(MonthsTest, RichNippouMonthRoundTripsByteForByte) {
    fillRichNippou(nippouMonth, koteihi);
    filePath = plainNippou();
    ASSERT_TRUE(nippouHozon().ok());
    const std::string first = readBytes(plainNippou());
    EXPECT_EQ(splitLines(first).size(), nippouItemEnds(nippouMonth)[10]);

    auto original = newNippou();
    *original = nippouMonth;
    const double originalKoteihi = koteihi;
    resetSharedState();
    filePath = plainNippou();
    ASSERT_TRUE(nippouModosi().ok());
    EXPECT_EQ(koteihi, originalKoteihi);
    EXPECT_EQ(nippouMonth[20].slipCount, kSlipCapacity);
    EXPECT_EQ(nippouMonth[20].lineCount[100], kSlipLineCapacity);
    EXPECT_EQ(nippouMonth[20].lineMenu[100][100], 1 + 100 + 1000);
    EXPECT_EQ(nippouMonth[20].kaidasiCount, kNippouLineCapacity);
    EXPECT_EQ(nippouMonth[5].kingaku[27], -52.5);
    EXPECT_EQ(nippouMonth[3].kingaku[0], 3000.25);
    EXPECT_EQ(nippouMonth[7].yobi2[1], -3);
    EXPECT_EQ(nippouMonth[4].sentaku[2], 104);
    ASSERT_TRUE(nippouHozon().ok());
    EXPECT_EQ(readBytes(plainNippou()), first);
    EXPECT_EQ(bytesOf(*original, originalKoteihi), first);
}

// ======================================================================================
// Daily-report month: shorter and broken files

struct NippouCutCase {
    const char* name;
    int itemsKept;  // 0 or 1: the first section is incomplete
    int extraLines; // lines of the next item that are still there
};

TEST_F(MonthsTest, ShorterNippouFilesLoadWhatTheyHold) {
    auto rich = newNippou();
    double richKoteihi = 0;
    fillRichNippou(*rich, richKoteihi);
    const auto lines = splitLines(bytesOf(*rich, richKoteihi));
    const auto ends = nippouItemEnds(*rich);

    const NippouCutCase cases[] =
        {
            {"empty file", 0, 0},           {"ends after item 1", 1, 0},
            {"ends inside item 2", 1, 100}, {"ends after item 2", 2, 0},
            {"ends inside item 3", 2, 1}, // day 1's count without its lines
            {"ends after item 3", 3, 0},    {"ends after item 4", 4, 0},
            {"ends after item 5", 5, 0},    {"ends after item 6", 6, 0},
            {"ends after item 7", 7, 0},    {"ends after item 8", 8, 0},
            {"ends after item 9", 9, 0},    {"whole file", 10, 0},
        };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(plainNippou(), joinLines(lines, ends[c.itemsKept] + c.extraLines));
        koteihi = 5;
        nippouMonth[9].kingaku[3] = 5; // the reader clears first
        filePath = plainNippou();
        Status s = nippouModosi();
        if (c.itemsKept < 2) {
            EXPECT_FALSE(s.ok());
            EXPECT_FALSE(s.message().empty());
            if (c.itemsKept == 0) {
                EXPECT_TRUE(nippouIsEmpty(nippouMonth));
            }
            // The load operation: no older file, so the month is empty.
            nippouMonth[9].kingaku[3] = 5;
            loadNippouMonth(kBusyo, 2003, 7);
            EXPECT_EQ(koteihi, 0);
            EXPECT_TRUE(nippouIsEmpty(nippouMonth));
            EXPECT_EQ(openFailed, 0);
            continue;
        }
        ASSERT_TRUE(s.ok()) << s.message();
        auto expected = newNippou();
        *expected = *rich;
        clearItemsAfter(*expected, c.itemsKept);
        if (c.extraLines == 1)
            (*expected)[1].kaidasiCount = (*rich)[1].kaidasiCount; // read, its lines not
        EXPECT_EQ(koteihi, richKoteihi);
        EXPECT_EQ(bytesOf(nippouMonth, koteihi), bytesOf(*expected, richKoteihi));
    }
}

TEST_F(MonthsTest, FileEndingInsideAGuestSlipKeepsWhatWasRead) {
    NippouDay& day = nippouMonth[1];
    day.slipCount = 2;
    day.slipValues[0][8] = 3000;
    day.lineCount[0] = 3;
    for (int c = 0; c < 3; ++c) {
        day.lineMenu[0][c] = 10 + c;
        day.lineQty[0][c] = 1 + c;
    }
    day.slipValues[1][8] = 4000;
    const auto lines = splitLines(bytesOf(nippouMonth, 0));
    // Up to day 1's slip count, slip 0's 11 values, its line count and the first line.
    const size_t keep = slipCountLine(nippouMonth, 1) + 1 + 11 + 1 + 2;
    writeBytes(plainNippou(), joinLines(lines, keep));
    resetSharedState();
    loadNippouMonth(kBusyo, 2003, 7);
    const NippouDay& back = nippouMonth[1];
    EXPECT_EQ(back.slipCount, 2);
    EXPECT_EQ(back.slipValues[0][8], 3000);
    EXPECT_EQ(back.lineCount[0], 3);
    EXPECT_EQ(back.lineMenu[0][0], 10);
    EXPECT_EQ(back.lineQty[0][0], 1);
    EXPECT_EQ(back.lineMenu[0][1], 0);
    EXPECT_EQ(back.slipValues[1][8], 0);
    EXPECT_EQ(nippouMonth[2].slipCount, 0);
}

struct OverCapacityCase {
    const char* name;
    std::function<size_t(const NippouMonth&)> countLine;
    const char* count;
    std::function<void(NippouMonth&)> expect; // the rich month as the reader leaves it
};

TEST_F(MonthsTest, NippouCountsAboveCapacityEndTheReadQuietly) {
    auto rich = newNippou();
    double richKoteihi = 0;
    fillRichNippou(*rich, richKoteihi);
    const auto lines = splitLines(bytesOf(*rich, richKoteihi));

    auto keepPaymentsOfDays1And2 = [](NippouMonth& m) {
        NippouDay d1 = m[1], d2 = m[2];
        clearItemsAfter(m, 2);
        m[1].kaidasiCount = d1.kaidasiCount;
        m[1].kaidasiSiireId = d1.kaidasiSiireId;
        m[1].kaidasiGaku = d1.kaidasiGaku;
        m[2].kaidasiCount = d2.kaidasiCount;
        m[2].kaidasiSiireId = d2.kaidasiSiireId;
        m[2].kaidasiGaku = d2.kaidasiGaku;
    };
    const OverCapacityCase cases[] = {
        {"52 payment lines on day 3", [](const NippouMonth& m) { return kaidasiCountLine(m, 3); },
         " 52", keepPaymentsOfDays1And2},
        {"negative payment count on day 3",
         [](const NippouMonth& m) { return kaidasiCountLine(m, 3); }, "-1",
         keepPaymentsOfDays1And2},
        {"102 guest slips on day 2", [](const NippouMonth& m) { return slipCountLine(m, 2); },
         " 102",
         [](NippouMonth& m) {
             for (int d = 2; d <= 31; ++d)
                 m[d].slipCount = 0;
         }},
        {"102 order lines on day 3's slip 1",
         [](const NippouMonth& m) { return slipCountLine(m, 3) + 1 + 12 + 11; }, " 102",
         [](NippouMonth& m) {
             // Slip 1's values were read; its lines and the later slips were not.
             m[3].lineCount[1] = 0;
             for (int t = 2; t < m[3].slipCount; ++t) {
                 m[3].slipValues[t].fill(0);
                 m[3].lineCount[t] = 0;
             }
             for (int d = 4; d <= 31; ++d)
                 m[d].slipCount = 0;
         }},
    };
    // The order-line row above relies on these.
    ASSERT_EQ((*rich)[3].slipCount, 3);
    ASSERT_EQ((*rich)[3].lineCount[0], 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto broken = lines;
        broken[c.countLine(*rich)] = c.count;
        writeBytes(plainNippou(), joinLines(broken));
        filePath = plainNippou();
        Status s = nippouModosi();
        ASSERT_TRUE(s.ok()) << s.message();
        auto expected = newNippou();
        *expected = *rich;
        c.expect(*expected);
        EXPECT_EQ(bytesOf(nippouMonth, koteihi), bytesOf(*expected, richKoteihi));
    }
}

TEST_F(MonthsTest, UnreadableValueInTheFirstSectionFails) {
    auto lines = repeat(" 0", 1551);
    lines[500] = "abc";
    writeBytes(plainNippou(), joinLines(lines));
    filePath = plainNippou();
    EXPECT_FALSE(nippouModosi().ok());
    // Later, it ends the read quietly.
    lines[500] = " 0";
    lines[1000] = "abc";
    writeBytes(plainNippou(), joinLines(lines));
    EXPECT_TRUE(nippouModosi().ok());
}

// ======================================================================================
// Load operations

TEST_F(MonthsTest, NippouLoadFallsBackToTheOlderNameAndSavesUnderThePlainOne) {
    fillRichNippou(nippouMonth, koteihi);
    const std::string olderBytes = bytesOf(nippouMonth, koteihi);
    writeBytes(olderNippou(), olderBytes);
    resetSharedState();

    loadNippouMonth(kBusyo, 2003, 7);
    EXPECT_EQ(openFailed, 0);
    EXPECT_EQ(koteihi, 123456.5);
    EXPECT_EQ(bytesOf(nippouMonth, koteihi), olderBytes);

    // The daily report's save writes the plain name; the older file stays untouched.
    nippouMonth[1].kingaku[5] = 777;
    filePath = plainNippou();
    ASSERT_TRUE(nippouHozon().ok());
    EXPECT_EQ(readBytes(olderNippou()), olderBytes);
    resetSharedState();
    loadNippouMonth(kBusyo, 2003, 7);
    EXPECT_EQ(filePath, plainNippou());
    EXPECT_EQ(nippouMonth[1].kingaku[5], 777);
}

TEST_F(MonthsTest, NippouLoadOfAMissingOrBrokenMonthIsEmpty) {
    fillRichNippou(nippouMonth, koteihi);
    loadNippouMonth(kBusyo, 2003, 7);
    EXPECT_EQ(koteihi, 0);
    EXPECT_TRUE(nippouIsEmpty(nippouMonth));
    EXPECT_EQ(openFailed, 0);

    // Both files broken inside the first section: what the reader got of them is dropped.
    auto lines = splitLines(bytesOf(nippouMonth, 0));
    lines[0] = " 5000";
    lines[1] = " 7";
    writeBytes(plainNippou(), joinLines(lines, 100));
    writeBytes(olderNippou(), joinLines(lines, 100));
    filePath = olderNippou();
    ASSERT_FALSE(nippouModosi().ok());
    ASSERT_EQ(koteihi, 5000); // what was read stays with the reader itself
    loadNippouMonth(kBusyo, 2003, 7);
    EXPECT_EQ(koteihi, 0);
    EXPECT_TRUE(nippouIsEmpty(nippouMonth));
    EXPECT_EQ(openFailed, 0);

    auto own = newNippou();
    double ownKoteihi = -1;
    loadNippouMonthInto(kBusyo, 2003, 7, *own, ownKoteihi);
    EXPECT_EQ(ownKoteihi, 0);
    EXPECT_TRUE(nippouIsEmpty(*own));
}

TEST_F(MonthsTest, NippouLoadIntoOwnStorageLeavesTheSharedMonthAlone) {
    auto rich = newNippou();
    double richKoteihi = 0;
    fillRichNippou(*rich, richKoteihi);
    writeBytes(olderNippou(), bytesOf(*rich, richKoteihi));
    nippouMonth[3].kingaku[7] = 42;
    koteihi = 9;
    filePath = "unchanged";

    auto own = newNippou();
    double ownKoteihi = -1;
    loadNippouMonthInto(kBusyo, 2003, 7, *own, ownKoteihi);
    EXPECT_EQ(bytesOf(*own, ownKoteihi), bytesOf(*rich, richKoteihi));
    EXPECT_EQ(nippouMonth[3].kingaku[7], 42);
    EXPECT_EQ(koteihi, 9);
    EXPECT_EQ(filePath, "unchanged");
    EXPECT_EQ(openFailed, 0);

    loadNippouMonthInto(kBusyo, 2004, 1, *own, ownKoteihi); // no file under either name
    EXPECT_EQ(ownKoteihi, 0);
    EXPECT_TRUE(nippouIsEmpty(*own));
}

TEST_F(MonthsTest, WritersRefuseWhatTheReadersCouldNotReadBack) {
    struct RefusalCase {
        const char* name;
        std::function<void()> spoil;
        bool nippou;
    };
    const RefusalCase cases[] = {
        {"order quantity beyond 16 bits", [] { nippouMonth[2].lineQty[1][0] = 40000; }, true},
        {"menu id below -32768", [] { nippouMonth[3].lineMenu[2][1] = -32769; }, true},
        {"exempt flag beyond 16 bits", [] { nippouMonth[1].kaidasiHikazei[0] = 70000; }, true},
        {"negative slip count", [] { nippouMonth[3].slipCount = -1; }, true},
        {"payment count above 51", [] { nippouMonth[3].kaidasiCount = 52; }, true},
        {"order-line count above 101", [] { nippouMonth[2].lineCount[1] = 102; }, true},
        {"voucher count above 401", [] { denpyouMonth[3].denpyouCount = 402; }, false},
        {"entry type beyond 16 bits", [] { denpyouMonth[3].entryType[0] = 32768; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        resetSharedState();
        fillRichNippou(nippouMonth, koteihi);
        fillRichDenpyou(denpyouMonth);
        c.spoil();
        filePath = c.nippou ? plainNippou() : plainDenpyou();
        writeBytes(filePath, "old");
        Status s = c.nippou ? nippouHozon() : denpyouHozon();
        EXPECT_FALSE(s.ok());
        EXPECT_NE(s.message().find(filePath), std::string::npos) << s.message();
        EXPECT_TRUE(readBytes(filePath) == "old");
    }
    // The edges themselves are written.
    resetSharedState();
    nippouMonth[1].slipCount = 1;
    nippouMonth[1].lineCount[0] = 2;
    nippouMonth[1].lineMenu[0] = {32767, -32768};
    filePath = plainNippou();
    ASSERT_TRUE(nippouHozon().ok());
    resetSharedState();
    filePath = plainNippou();
    ASSERT_TRUE(nippouModosi().ok());
    EXPECT_EQ(nippouMonth[1].lineMenu[0][0], 32767);
    EXPECT_EQ(nippouMonth[1].lineMenu[0][1], -32768);
}

TEST_F(MonthsTest, WritersFailWithoutTheDepartmentFolder) {
    filePath = nippouPath("支店", 2003, 7);
    EXPECT_FALSE(nippouHozon().ok());
    filePath = denpyouPath("支店", 2003, 7);
    EXPECT_FALSE(denpyouHozon().ok());
    EXPECT_FALSE(fs::exists(busyoFolderPath("支店")));
}

// ======================================================================================
// Voucher month

TEST_F(MonthsTest, EmptyDenpyouMonthIs124Bytes) {
    filePath = plainDenpyou();
    ASSERT_TRUE(denpyouHozon().ok());
    EXPECT_EQ(readBytes(plainDenpyou()), joinLines(repeat(" 0", 31)));
    EXPECT_EQ(readBytes(plainDenpyou()).size(), 124u);
}

TEST_F(MonthsTest, VouchersOnlyOnDay5) {
    DenpyouDay& day = denpyouMonth[5];
    day.denpyouCount = 2;
    day.toKind = {1, 4};
    day.toId = {-1, 2};
    day.amount = {1080, 50000.5};
    day.tax = {80, 0};
    day.entryType = {1, 4};
    day.fromKind = {2, 2};
    day.fromId = {0, 1};
    day.accountId = {12, 0};
    day.subAccountId = {0, 3};
    day.note[0] = "ビール代";
    day.taxExempt = {0, 1};

    std::vector<std::string> expected = repeat(" 0", 4);
    append(expected, {" 2", "-1", " 1080", " 0", " 12", " 2", " 50000.5", " 1", " 0"});
    append(expected, repeat(" 0", 26));
    append(expected, {" 0", " 3"});                             // sub-accounts
    append(expected, {"\x83\x72\x81\x5b\x83\x8b\x91\xe3", ""}); // notes in code page 932
    append(expected, {" 0", " 1"});                             // exempt marks
    append(expected, {" 1", " 4"});                             // entry types
    append(expected, {" 1", " 2", " 4", " 2"});                 // to and from kinds
    append(expected, {" 80", " 0"});                            // taxes
    filePath = plainDenpyou();
    ASSERT_TRUE(denpyouHozon().ok());
    EXPECT_EQ(readBytes(plainDenpyou()), joinLines(expected));

    auto original = newDenpyou();
    *original = denpyouMonth;
    resetSharedState();
    filePath = plainDenpyou();
    ASSERT_TRUE(denpyouModosi().ok());
    EXPECT_EQ(denpyouMonth[5].note[0], "ビール代");
    EXPECT_EQ(denpyouMonth[5].fromId[1], 1);
    EXPECT_EQ(bytesOf(denpyouMonth), bytesOf(*original));
}

TEST_F(MonthsTest, ShorterDenpyouFilesLoadTheirCompletePasses) {
    auto rich = newDenpyou();
    fillRichDenpyou(*rich);
    const auto lines = splitLines(bytesOf(*rich));
    const auto ends = denpyouPassEnds(*rich);
    ASSERT_EQ(lines.size(), ends[7]);

    for (int kept = 0; kept <= 7; ++kept) {
        for (int extra : {0, 1}) {
            if (kept == 7 && extra)
                continue;
            SCOPED_TRACE("passes kept " + std::to_string(kept) + " + " + std::to_string(extra));
            writeBytes(plainDenpyou(), joinLines(lines, ends[kept] + extra));
            denpyouMonth[1].note[0] = "前の値";
            filePath = plainDenpyou();
            Status s = denpyouModosi();
            if (kept == 0) {
                EXPECT_FALSE(s.ok());
                loadDenpyouMonth(kBusyo, 2003, 7);
                EXPECT_TRUE(denpyouIsEmpty(denpyouMonth));
                EXPECT_EQ(openFailed, 0);
                continue;
            }
            ASSERT_TRUE(s.ok()) << s.message();
            auto expected = newDenpyou();
            *expected = *rich;
            clearPassesAfter(*expected, kept);
            if (extra && kept < 7) {
                // One more value of pass kept + 1 was read: day 3's first voucher.
                DenpyouDay& d3 = (*expected)[3];
                const DenpyouDay& r3 = (*rich)[3];
                switch (kept + 1) {
                case 2:
                    d3.subAccountId[0] = r3.subAccountId[0];
                    break;
                case 3:
                    d3.note[0] = r3.note[0];
                    break;
                case 4:
                    d3.taxExempt[0] = r3.taxExempt[0];
                    break;
                case 5:
                    d3.entryType[0] = r3.entryType[0];
                    break;
                case 6:
                    d3.toKind[0] = r3.toKind[0];
                    break;
                case 7:
                    d3.tax[0] = r3.tax[0];
                    break;
                }
            }
            EXPECT_EQ(bytesOf(denpyouMonth), bytesOf(*expected));
            EXPECT_EQ(denpyouMonth[1].note[0], "");
        }
    }
}

TEST_F(MonthsTest, DenpyouLoadOfABrokenMonthIsEmpty) {
    // Day 1's voucher is read, then pass 1 ends: under both names.
    const std::string broken = joinLines({" 1", " 7", " 100", " 0", " 3", " 0"});
    writeBytes(plainDenpyou(), broken);
    writeBytes(olderDenpyou(), broken);
    filePath = olderDenpyou();
    ASSERT_FALSE(denpyouModosi().ok());
    ASSERT_EQ(denpyouMonth[1].amount[0], 100); // what was read stays with the reader itself
    loadDenpyouMonth(kBusyo, 2003, 7);
    EXPECT_TRUE(denpyouIsEmpty(denpyouMonth));
    EXPECT_EQ(openFailed, 0);
}

TEST_F(MonthsTest, DenpyouCountAboveCapacityFailsInPass1) {
    for (const char* count : {" 402", "-1"}) {
        SCOPED_TRACE(count);
        std::vector<std::string> lines = {" 1", " 7", " 100", " 0", " 3", count}; // days 1, 2
        append(lines, repeat(" 0", 29));
        append(lines, {" 0", "note", " 0", " 1", " 1", " 2", " 0"}); // day 1, passes 2 to 7
        writeBytes(plainDenpyou(), joinLines(lines));
        filePath = plainDenpyou();
        EXPECT_FALSE(denpyouModosi().ok());
        loadDenpyouMonth(kBusyo, 2003, 7);
        EXPECT_TRUE(denpyouIsEmpty(denpyouMonth));
    }
}

TEST_F(MonthsTest, NotesAreStoredAsOneValue) {
    struct NoteCase {
        const char* typed;
        const char* stored; // code page 932 bytes
        const char* readBack;
    };
    const NoteCase cases[] = {
        {"a,b", "ab", "ab"},
        {"x\r\ny", "xy", "xy"},
        {"改\n行", "\x89\xfc\x8d\x73", "改行"},
        {"ｶﾞｽ代", "\xb6\xde\xbd\x91\xe3", "ｶﾞｽ代"},
        {"全角，読点", "\x91\x53\x8a\x70\x81\x43\x93\xc7\x93\x5f",
         "全角，読点"}, // full-width comma
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        resetSharedState();
        denpyouMonth[1].denpyouCount = 2;
        denpyouMonth[1].note[0] = c.typed;
        denpyouMonth[1].note[1] = "next";
        denpyouMonth[1].tax[1] = 8;
        filePath = plainDenpyou();
        ASSERT_TRUE(denpyouHozon().ok());
        const auto lines = splitLines(readBytes(plainDenpyou()));
        ASSERT_EQ(lines.size(), 31u + 8 + 2 * 7);
        EXPECT_EQ(lines[31 + 8 + 2], c.stored);
        EXPECT_EQ(lines[31 + 8 + 3], "next");
        resetSharedState();
        filePath = plainDenpyou();
        ASSERT_TRUE(denpyouModosi().ok());
        EXPECT_EQ(denpyouMonth[1].note[0], c.readBack);
        EXPECT_EQ(denpyouMonth[1].note[1], "next");
        EXPECT_EQ(denpyouMonth[1].tax[1], 8);
    }
}

TEST_F(MonthsTest, NoteOutsideCodePage932FailsWithoutTouchingTheFile) {
    writeBytes(plainDenpyou(), "old");
    denpyouMonth[1].denpyouCount = 1;
    denpyouMonth[1].note[0] = "絵文字😀";
    filePath = plainDenpyou();
    EXPECT_FALSE(denpyouHozon().ok());
    EXPECT_EQ(readBytes(plainDenpyou()), "old");
}

TEST_F(MonthsTest, RichDenpyouMonthRoundTripsByteForByte) {
    fillRichDenpyou(denpyouMonth);
    filePath = plainDenpyou();
    ASSERT_TRUE(denpyouHozon().ok());
    const std::string first = readBytes(plainDenpyou());
    auto original = newDenpyou();
    *original = denpyouMonth;
    resetSharedState();
    filePath = plainDenpyou();
    ASSERT_TRUE(denpyouModosi().ok());
    EXPECT_EQ(denpyouMonth[10].denpyouCount, kDenpyouCapacity);
    EXPECT_EQ(denpyouMonth[10].note[398], "ｶﾞｽ代");
    EXPECT_EQ(denpyouMonth[10].amount[400], 1480);
    EXPECT_EQ(denpyouMonth[3].toId[1], -1);
    ASSERT_TRUE(denpyouHozon().ok());
    EXPECT_EQ(readBytes(plainDenpyou()), first);
    EXPECT_EQ(bytesOf(*original), first);
}

TEST_F(MonthsTest, DenpyouLoadFallsBackToTheOlderNameAndSavesUnderThePlainOne) {
    fillRichDenpyou(denpyouMonth);
    const std::string olderBytes = bytesOf(denpyouMonth);
    writeBytes(olderDenpyou(), olderBytes);
    resetSharedState();

    loadDenpyouMonth(kBusyo, 2003, 7);
    EXPECT_EQ(openFailed, 0);
    EXPECT_EQ(bytesOf(denpyouMonth), olderBytes);

    denpyouMonth[1].denpyouCount = 1;
    denpyouMonth[1].amount[0] = 999;
    filePath = plainDenpyou();
    ASSERT_TRUE(denpyouHozon().ok());
    EXPECT_EQ(readBytes(olderDenpyou()), olderBytes);
    resetSharedState();
    loadDenpyouMonth(kBusyo, 2003, 7);
    EXPECT_EQ(filePath, plainDenpyou());
    EXPECT_EQ(denpyouMonth[1].amount[0], 999);
}

// ======================================================================================
// What a load found

TEST_F(MonthsTest, LoadsReportWhatTheyFound) {
    enum class File { Missing, Good, Damaged, Folder };
    struct Case {
        File plain, older;
        MonthFound found;
        bool plainUnreadable;
    };
    const Case cases[] = {
        {File::Missing, File::Missing, MonthFound::Nothing, false},
        {File::Good, File::Missing, MonthFound::PlainName, false},
        {File::Good, File::Good, MonthFound::PlainName, false},
        {File::Missing, File::Good, MonthFound::OlderName, false},
        {File::Missing, File::Damaged, MonthFound::Nothing, false},
        {File::Damaged, File::Missing, MonthFound::Nothing, true},
        {File::Damaged, File::Good, MonthFound::OlderName, true},
        {File::Folder, File::Missing, MonthFound::Nothing, true},
    };
    auto nippouGood = newNippou();
    double goodKoteihi = 0;
    fillRichNippou(*nippouGood, goodKoteihi);
    auto denpyouGood = newDenpyou();
    fillRichDenpyou(*denpyouGood);
    const std::string nippouBytes = bytesOf(*nippouGood, goodKoteihi);
    const std::string denpyouBytes = bytesOf(*denpyouGood);

    auto place = [](const std::string& path, File file, const std::string& good) {
        fs::remove_all(path);
        if (file == File::Good)
            writeBytes(path, good);
        else if (file == File::Damaged)
            writeBytes(path, "abc\r\n");
        else if (file == File::Folder)
            fs::create_directory(path);
    };
    auto check = [](const MonthLoadReport& r, const Case& c, const std::string& plain,
                    const char* loader) {
        SCOPED_TRACE(loader);
        EXPECT_EQ(r.found, c.found);
        EXPECT_EQ(r.plainUnreadable, c.plainUnreadable);
        EXPECT_EQ(r.plainPath, plain);
        EXPECT_EQ(r.plainFailure.empty(), !c.plainUnreadable) << r.plainFailure;
        EXPECT_EQ(openFailed, 0);
    };

    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        place(plainNippou(), c.plain, nippouBytes);
        place(olderNippou(), c.older, nippouBytes);
        place(plainDenpyou(), c.plain, denpyouBytes);
        place(olderDenpyou(), c.older, denpyouBytes);
        const bool filled = c.found != MonthFound::Nothing;

        check(loadNippouMonth(kBusyo, 2003, 7), c, plainNippou(), "loadNippouMonth");
        EXPECT_EQ(bytesOf(nippouMonth, koteihi) == nippouBytes, filled);
        auto ownNippou = newNippou();
        double ownKoteihi = 0;
        check(loadNippouMonthInto(kBusyo, 2003, 7, *ownNippou, ownKoteihi), c, plainNippou(),
              "loadNippouMonthInto");
        EXPECT_EQ(bytesOf(*ownNippou, ownKoteihi) == nippouBytes, filled);

        check(loadDenpyouMonth(kBusyo, 2003, 7), c, plainDenpyou(), "loadDenpyouMonth");
        EXPECT_EQ(bytesOf(denpyouMonth) == denpyouBytes, filled);
        auto ownDenpyou = newDenpyou();
        filePath = "unchanged";
        check(loadDenpyouMonthInto(kBusyo, 2003, 7, *ownDenpyou), c, plainDenpyou(),
              "loadDenpyouMonthInto");
        EXPECT_EQ(bytesOf(*ownDenpyou) == denpyouBytes, filled);
        EXPECT_EQ(filePath, "unchanged");
    }
}

TEST_F(MonthsTest, DenpyouLoadIntoOwnStorageLeavesTheSharedMonthAlone) {
    auto rich = newDenpyou();
    fillRichDenpyou(*rich);
    writeBytes(plainDenpyou(), bytesOf(*rich));
    denpyouMonth[3].denpyouCount = 1;
    denpyouMonth[3].amount[0] = 42;

    auto own = newDenpyou();
    own->at(5).denpyouCount = 2;
    EXPECT_EQ(loadDenpyouMonthInto(kBusyo, 2003, 7, *own).found, MonthFound::PlainName);
    EXPECT_EQ(bytesOf(*own), bytesOf(*rich));
    EXPECT_EQ(denpyouMonth[3].amount[0], 42);

    EXPECT_EQ(loadDenpyouMonthInto(kBusyo, 2004, 1, *own).found, MonthFound::Nothing);
    EXPECT_EQ(bytesOf(*own), bytesOf(*newDenpyou()));
}

} // namespace
