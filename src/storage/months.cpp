#include "months.h"

#include "atomic_file.h"
#include "paths.h"
#include "text_format.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <type_traits>

#include <cerrno>
#include <sys/stat.h>

namespace lukana {
namespace {

// ---------------------------------------------------------------------------------------
// Clearing

// A day of daily reports holds only numbers, whose zero is all bits zero: the whole month is
// cleared at once.
static_assert(std::is_trivially_copyable_v<NippouDay> && std::numeric_limits<double>::is_iec559,
              "a day of daily reports is cleared byte by byte");

void clearNippou(NippouMonth& month, double& fixedCosts) {
    fixedCosts = 0;
    std::memset(static_cast<void*>(month.data()), 0, sizeof month);
}

void clearDenpyouDay(DenpyouDay& day) {
    day.denpyouCount = 0;
    day.toKind.fill(0);
    day.toId.fill(0);
    day.amount.fill(0);
    day.tax.fill(0);
    day.entryType.fill(0);
    day.fromKind.fill(0);
    day.fromId.fill(0);
    day.accountId.fill(0);
    day.subAccountId.fill(0);
    for (auto& note : day.note)
        if (!note.empty())
            note.clear(); // keeps the string's storage for the next read
    day.taxExempt.fill(0);
}

void clearDenpyou(DenpyouMonth& month) {
    for (auto& day : month)
        clearDenpyouDay(day);
}

Status readFailure(const TextReader& reader, const std::string& path) {
    return Status::failure(reader.error() + ": " + path);
}

Status noPath() {
    return Status::failure("ファイルの場所がありません");
}

// ---------------------------------------------------------------------------------------
// Daily-report month

constexpr int kFirstKingaku = 25; // item 2 holds positions 0..24, item 9 positions 25..40

// Items 1 and 2: koteihi, then per day kingaku 0..24 and sentaku 0..2.
bool readNippouFirstSection(TextReader& r, NippouMonth& month, double& fixedCosts) {
    if (!r.readDouble(fixedCosts))
        return false;
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = month[d];
        for (int k = 0; k < kFirstKingaku; ++k)
            if (!r.readDouble(day.kingaku[k]))
                return false;
        for (int& s : day.sentaku)
            if (!r.readLong(s))
                return false;
    }
    return true;
}

// A count, then count x [first, Double]: an id column is written Long, an amount column Double
// (items 3 and 5 to 8).
bool readLine(TextReader& r, int& value) {
    return r.readLong(value);
}
bool readLine(TextReader& r, double& value) {
    return r.readDouble(value);
}

template <typename First>
bool readPairLines(TextReader& r, int& count, std::array<First, kNippouLineCapacity>& firsts,
                   std::array<double, kNippouLineCapacity>& amounts) {
    if (!r.readCount(count, kNippouLineCapacity))
        return false;
    for (int i = 0; i < count; ++i)
        if (!readLine(r, firsts[i]) || !r.readDouble(amounts[i]))
            return false;
    return true;
}

// Items 3 to 10. Each count is checked against its capacity before its entries are read; a
// failure ends the read, what was read so far staying in the month.
bool readNippouLaterPasses(TextReader& r, NippouMonth& month) {
    // 3: payment lines
    for (int d = 1; d <= 31; ++d)
        if (!readPairLines(r, month[d].kaidasiCount, month[d].kaidasiSiireId, month[d].kaidasiGaku))
            return false;
    // 4: their exempt flags, by the count of item 3
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = month[d];
        for (int i = 0; i < day.kaidasiCount; ++i)
            if (!r.readInteger(day.kaidasiHikazei[i]))
                return false;
    }
    // 5 to 7: deposits, withdrawals, credit sales
    for (int d = 1; d <= 31; ++d)
        if (!readPairLines(r, month[d].nyukinCount, month[d].nyukinKouza, month[d].nyukinGaku))
            return false;
    for (int d = 1; d <= 31; ++d)
        if (!readPairLines(r, month[d].hikidasiCount, month[d].hikidasiKouza,
                           month[d].hikidasiGaku))
            return false;
    for (int d = 1; d <= 31; ++d)
        if (!readPairLines(r, month[d].urikakeCount, month[d].urikakeKyaku, month[d].urikakeGaku))
            return false;
    // 8: reserve pairs
    for (int d = 1; d <= 31; ++d)
        if (!readPairLines(r, month[d].yobiCount, month[d].yobi1, month[d].yobi2))
            return false;
    // 9: amounts 25..40
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = month[d];
        for (int k = kFirstKingaku; k < kKingakuCount; ++k)
            if (!r.readDouble(day.kingaku[k]))
                return false;
    }
    // 10: guest slips with their order lines
    for (int d = 1; d <= 31; ++d) {
        NippouDay& day = month[d];
        if (!r.readCount(day.slipCount, kSlipCapacity))
            return false;
        for (int t = 0; t < day.slipCount; ++t) {
            for (double& v : day.slipValues[t])
                if (!r.readDouble(v))
                    return false;
            if (!r.readCount(day.lineCount[t], kSlipLineCapacity))
                return false;
            for (int c = 0; c < day.lineCount[t]; ++c)
                if (!r.readInteger(day.lineMenu[t][c]) || !r.readInteger(day.lineQty[t][c]))
                    return false;
        }
    }
    return true;
}

// A count written before, walked again (item 4, passes 2 to 7 of the vouchers).
int walkCount(int value, int capacity) {
    return std::clamp(value, 0, capacity);
}

void writeLine(TextWriter& w, int value) {
    w.putLong(value);
}
void writeLine(TextWriter& w, double value) {
    w.putDouble(value);
}

template <typename First>
void writePairLines(TextWriter& w, int count, const std::array<First, kNippouLineCapacity>& firsts,
                    const std::array<double, kNippouLineCapacity>& amounts) {
    count = w.putCount(count, kNippouLineCapacity);
    for (int i = 0; i < count; ++i) {
        writeLine(w, firsts[i]);
        w.putDouble(amounts[i]);
    }
}

void writeNippou(TextWriter& w, const NippouMonth& month, double fixedCosts) {
    // 1, 2
    w.putDouble(fixedCosts);
    for (int d = 1; d <= 31; ++d) {
        const NippouDay& day = month[d];
        for (int k = 0; k < kFirstKingaku; ++k)
            w.putDouble(day.kingaku[k]);
        for (int s : day.sentaku)
            w.putLong(s);
    }
    // 3, 4
    for (int d = 1; d <= 31; ++d)
        writePairLines(w, month[d].kaidasiCount, month[d].kaidasiSiireId, month[d].kaidasiGaku);
    for (int d = 1; d <= 31; ++d) {
        const NippouDay& day = month[d];
        int count = walkCount(day.kaidasiCount, kNippouLineCapacity);
        for (int i = 0; i < count; ++i)
            w.putInteger(day.kaidasiHikazei[i]);
    }
    // 5 to 7
    for (int d = 1; d <= 31; ++d)
        writePairLines(w, month[d].nyukinCount, month[d].nyukinKouza, month[d].nyukinGaku);
    for (int d = 1; d <= 31; ++d)
        writePairLines(w, month[d].hikidasiCount, month[d].hikidasiKouza, month[d].hikidasiGaku);
    for (int d = 1; d <= 31; ++d)
        writePairLines(w, month[d].urikakeCount, month[d].urikakeKyaku, month[d].urikakeGaku);
    // 8
    for (int d = 1; d <= 31; ++d)
        writePairLines(w, month[d].yobiCount, month[d].yobi1, month[d].yobi2);
    // 9
    for (int d = 1; d <= 31; ++d)
        for (int k = kFirstKingaku; k < kKingakuCount; ++k)
            w.putDouble(month[d].kingaku[k]);
    // 10
    for (int d = 1; d <= 31; ++d) {
        const NippouDay& day = month[d];
        int slips = w.putCount(day.slipCount, kSlipCapacity);
        for (int t = 0; t < slips; ++t) {
            for (double v : day.slipValues[t])
                w.putDouble(v);
            int lines = w.putCount(day.lineCount[t], kSlipLineCapacity);
            for (int c = 0; c < lines; ++c) {
                w.putInteger(day.lineMenu[t][c]);
                w.putInteger(day.lineQty[t][c]);
            }
        }
    }
}

// ---------------------------------------------------------------------------------------
// Voucher month

bool readDenpyouFirstPass(TextReader& r, DenpyouMonth& month) {
    for (int d = 1; d <= 31; ++d) {
        DenpyouDay& day = month[d];
        if (!r.readCount(day.denpyouCount, kDenpyouCapacity))
            return false;
        for (int i = 0; i < day.denpyouCount; ++i)
            if (!r.readLong(day.toId[i]) || !r.readDouble(day.amount[i]) ||
                !r.readLong(day.fromId[i]) || !r.readLong(day.accountId[i]))
                return false;
    }
    return true;
}

// Passes 2 to 7 walk every voucher of the month again, one field or pair at a time.
template <typename ReadOne> bool readVoucherPass(DenpyouMonth& month, ReadOne readOne) {
    for (int d = 1; d <= 31; ++d)
        for (int i = 0; i < month[d].denpyouCount; ++i)
            if (!readOne(month[d], i))
                return false;
    return true;
}

template <typename... ReadOne> bool readVoucherPasses(DenpyouMonth& month, ReadOne... readOne) {
    return (readVoucherPass(month, readOne) && ...);
}

bool readDenpyouLaterPasses(TextReader& r, DenpyouMonth& month) {
    using Day = DenpyouDay&;
    return readVoucherPasses(
        month, [&](Day day, int i) { return r.readLong(day.subAccountId[i]); },
        [&](Day day, int i) { return r.readString(day.note[i]); },
        [&](Day day, int i) { return r.readInteger(day.taxExempt[i]); },
        [&](Day day, int i) { return r.readInteger(day.entryType[i]); },
        [&](Day day, int i) {
            return r.readInteger(day.toKind[i]) && r.readInteger(day.fromKind[i]);
        },
        [&](Day day, int i) { return r.readDouble(day.tax[i]); });
}

template <typename WriteOne>
void writeVoucherPass(const DenpyouMonth& month, const std::array<int, 32>& counts,
                      WriteOne writeOne) {
    for (int d = 1; d <= 31; ++d)
        for (int i = 0; i < counts[d]; ++i)
            writeOne(month[d], i);
}

void writeDenpyou(TextWriter& w, const DenpyouMonth& month) {
    std::array<int, 32> counts{};
    for (int d = 1; d <= 31; ++d) {
        const DenpyouDay& day = month[d];
        counts[d] = w.putCount(day.denpyouCount, kDenpyouCapacity);
        for (int i = 0; i < counts[d]; ++i) {
            w.putLong(day.toId[i]);
            w.putDouble(day.amount[i]);
            w.putLong(day.fromId[i]);
            w.putLong(day.accountId[i]);
        }
    }
    using Day = const DenpyouDay&;
    writeVoucherPass(month, counts, [&](Day day, int i) { w.putLong(day.subAccountId[i]); });
    writeVoucherPass(month, counts, [&](Day day, int i) { w.putString(day.note[i]); });
    writeVoucherPass(month, counts, [&](Day day, int i) { w.putInteger(day.taxExempt[i]); });
    writeVoucherPass(month, counts, [&](Day day, int i) { w.putInteger(day.entryType[i]); });
    writeVoucherPass(month, counts, [&](Day day, int i) {
        w.putInteger(day.toKind[i]);
        w.putInteger(day.fromKind[i]);
    });
    writeVoucherPass(month, counts, [&](Day day, int i) { w.putDouble(day.tax[i]); });
}

// The first section must read; a shorter file ends quietly after it, what was read staying.
template <typename First, typename Later>
Status readMonthFile(const std::string& path, First readFirst, Later readLater) {
    if (path.empty())
        return noPath();
    std::string bytes;
    if (Status s = readWholeFile(path, bytes); !s)
        return s;
    TextReader reader(bytes);
    if (!readFirst(reader))
        return readFailure(reader, path);
    (void)readLater(reader);
    return {};
}

// ---------------------------------------------------------------------------------------
// The load operation: plain name, then the older name, else an empty month. openFailed is 0
// when the load is over.

// A path that names nothing, as opposed to a file that exists but could not be read (a
// folder that cannot be searched counts as existing: nothing may be saved over it unseen).
bool namesNothing(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

template <typename Read, typename Clear>
MonthLoadReport loadWithFallback(const std::string& plainPath, const std::string& olderPath,
                                 Read read, Clear clear) {
    MonthLoadReport report;
    report.plainPath = plainPath;
    openFailed = 0;
    if (Status s = read(plainPath); s) {
        report.found = MonthFound::PlainName;
        return report;
    } else if (!namesNothing(plainPath)) {
        report.plainUnreadable = true;
        report.plainFailure = s.message();
    }
    if (read(olderPath))
        report.found = MonthFound::OlderName;
    else
        clear();
    return report;
}

} // namespace

// ---- paths ----

std::string nippouPath(const std::string& busyoName, int year, int month, bool olderForm) {
    return busyoFilePath(busyoName, monthFileName(year, month, ".dat", olderForm));
}

std::string denpyouPath(const std::string& busyoName, int year, int month, bool olderForm) {
    return busyoFilePath(busyoName, monthFileName(year, month, "u.dat", olderForm));
}

// ---- daily-report month ----

Status readNippouMonth(const std::string& path, NippouMonth& month, double& fixedCosts) {
    clearNippou(month, fixedCosts);
    return readMonthFile(
        path, [&](TextReader& r) { return readNippouFirstSection(r, month, fixedCosts); },
        [&](TextReader& r) { return readNippouLaterPasses(r, month); });
}

Status writeNippouMonth(const std::string& path, const NippouMonth& month, double fixedCosts) {
    if (path.empty())
        return noPath();
    TextWriter writer;
    writeNippou(writer, month, fixedCosts);
    return writer.commit(path);
}

Status nippouModosi() {
    return readNippouMonth(filePath, nippouMonth, koteihi);
}

Status nippouHozon() {
    return writeNippouMonth(filePath, nippouMonth, koteihi);
}

MonthLoadReport loadNippouMonth(const std::string& busyoName, int year, int month) {
    return loadWithFallback(
        nippouPath(busyoName, year, month), nippouPath(busyoName, year, month, true),
        [](const std::string& path) {
            filePath = path;
            return readNippouMonth(path, nippouMonth, koteihi);
        },
        [] { clearNippou(nippouMonth, koteihi); });
}

MonthLoadReport loadNippouMonthInto(const std::string& busyoName, int year, int month,
                                    NippouMonth& target, double& targetKoteihi) {
    return loadWithFallback(
        nippouPath(busyoName, year, month), nippouPath(busyoName, year, month, true),
        [&](const std::string& path) { return readNippouMonth(path, target, targetKoteihi); },
        [&] { clearNippou(target, targetKoteihi); });
}

// ---- voucher month ----

Status readDenpyouMonth(const std::string& path, DenpyouMonth& month) {
    clearDenpyou(month);
    return readMonthFile(
        path, [&](TextReader& r) { return readDenpyouFirstPass(r, month); },
        [&](TextReader& r) { return readDenpyouLaterPasses(r, month); });
}

Status writeDenpyouMonth(const std::string& path, const DenpyouMonth& month) {
    if (path.empty())
        return noPath();
    TextWriter writer;
    writeDenpyou(writer, month);
    return writer.commit(path);
}

Status denpyouModosi() {
    return readDenpyouMonth(filePath, denpyouMonth);
}

Status denpyouHozon() {
    return writeDenpyouMonth(filePath, denpyouMonth);
}

MonthLoadReport loadDenpyouMonth(const std::string& busyoName, int year, int month) {
    return loadWithFallback(
        denpyouPath(busyoName, year, month), denpyouPath(busyoName, year, month, true),
        [](const std::string& path) {
            filePath = path;
            return readDenpyouMonth(path, denpyouMonth);
        },
        [] { clearDenpyou(denpyouMonth); });
}

MonthLoadReport loadDenpyouMonthInto(const std::string& busyoName, int year, int month,
                                     DenpyouMonth& target) {
    return loadWithFallback(
        denpyouPath(busyoName, year, month), denpyouPath(busyoName, year, month, true),
        [&](const std::string& path) { return readDenpyouMonth(path, target); },
        [&] { clearDenpyou(target); });
}

std::optional<DamagedFile> moveAsideUnreadable(const MonthLoadReport& report) {
    if (!report.plainUnreadable)
        return std::nullopt;
    return moveAsideIfPresent(report.plainPath, report.plainFailure);
}

std::vector<DamagedFile> moveAsideUnreadable(std::initializer_list<MonthLoadReport> reports) {
    std::vector<DamagedFile> damaged;
    for (const MonthLoadReport& report : reports)
        if (auto d = moveAsideUnreadable(report))
            damaged.push_back(std::move(*d));
    return damaged;
}

} // namespace lukana
