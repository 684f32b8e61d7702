#include "masters.h"

#include "atomic_file.h"
#include "capacity.h"
#include "paths.h"
#include "state.h"
#include "text_format.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace lukana {
namespace {

std::string localTimestamp() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &local);
    return buf;
}

// The default lists, written when their file is missing.
constexpr const char* kDefaultTekiyou[16] = {
    "仕入",       "売上",     "現金",   "売掛金", "買掛金",     "交通費", "通信費",   "給与",
    "事務用品費", "消耗品費", "交際費", "会議費", "水道光熱費", "賃借料", "リース料", "雑費"};
struct DefaultTy {
    const char* name;
    int tekiyouId;
};
constexpr DefaultTy kDefaultTy[4] = {
    {"電気", 13}, {"水道", 13}, {"日払い給料", 8}, {"体験入店費", 8}};

// Reads a root register file; when that fails, moves an existing file aside and creates the
// defaults.
LoadOutcome loadOrDefaults(const char* name, PathReader reader, Status (*createDefaults)()) {
    LoadOutcome outcome = readOrMoveAside(rootFilePath(name), reader);
    // Writing the defaults over a damaged file that is still there would destroy it.
    if (outcome.read || !outcome.status)
        return outcome;
    outcome.createdDefaults = true;
    outcome.status = createDefaults();
    return outcome;
}

} // namespace

// ---------------------------------------------------------------- misena.dat

void rebuildBusyoLists() {
    ensureCapacity(kBusyoCapacity, busyoRecs, busyoNames, busyoIds);
    int n = std::clamp(busyoCount, 0, kBusyoCapacity);
    for (int i = 0; i < n; ++i) {
        busyoNames[i] = busyoRecs[i].name;
        busyoIds[i] = busyoRecs[i].id;
    }
}

namespace {

// Block A is strict; a failure in the later blocks ends the read quietly.
Status readMisena(TextReader& in, const std::string& path) {
    ensureCapacity(kBusyoCapacity, busyoRecs);
    if (!in.readLongCount(busyoCount, kBusyoCapacity))
        return unreadableFile(path, in.error());
    const int n = busyoCount;
    for (int i = 0; i < n; ++i)
        if (!in.readString(busyoRecs[i].name) || !in.readLong(busyoRecs[i].id))
            return unreadableFile(path, in.error());

    for (int i = 0; i < n; ++i) {
        BusyoRec& r = busyoRecs[i];
        for (std::string* s : {&r.prefecture, &r.city, &r.town, &r.street, &r.tel, &r.fax})
            if (!in.readString(*s))
                return {};
    }
    for (int i = 0; i < n; ++i)
        if (!in.readString(busyoRecs[i].postalCode))
            return {};
    for (int i = 0; i < n; ++i) {
        BusyoRec& r = busyoRecs[i];
        if (!in.readInteger(r.transferKind))
            return {};
        for (std::string* s : {&r.companyCode, &r.companyKana, &r.bankName, &r.bankCode,
                               &r.branchName, &r.branchCode})
            if (!in.readString(*s))
                return {};
        if (!in.readInteger(r.accountType) || !in.readString(r.accountNumber))
            return {};
    }
    for (int i = 0; i < n; ++i) {
        BusyoRec& r = busyoRecs[i];
        for (size_t k = 0; k < 4; ++k) {
            for (std::string* s : {&r.otherHolder[k], &r.otherBankName[k], &r.otherBankCode[k],
                                   &r.otherBranchName[k], &r.otherBranchCode[k]})
                if (!in.readString(*s))
                    return {};
            if (!in.readInteger(r.otherAccountType[k]) || !in.readString(r.otherAccountNumber[k]))
                return {};
        }
    }
    return {};
}

} // namespace

Status readDepartments(const std::string& path) {
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    TextReader in(bytes);
    Status status = readMisena(in, path);
    rebuildBusyoLists();
    return status;
}

Status writeDepartments(const std::string& path) {
    TextWriter out;
    ensureCapacity(kBusyoCapacity, busyoRecs);
    const int n = out.putLongCount(busyoCount, kBusyoCapacity);
    for (int i = 0; i < n; ++i) {
        out.putString(busyoRecs[i].name);
        out.putLong(busyoRecs[i].id);
    }
    for (int i = 0; i < n; ++i) {
        const BusyoRec& r = busyoRecs[i];
        for (const std::string* s : {&r.prefecture, &r.city, &r.town, &r.street, &r.tel, &r.fax})
            out.putString(*s);
    }
    for (int i = 0; i < n; ++i)
        out.putString(busyoRecs[i].postalCode);
    for (int i = 0; i < n; ++i) {
        const BusyoRec& r = busyoRecs[i];
        out.putInteger(r.transferKind);
        for (const std::string* s : {&r.companyCode, &r.companyKana, &r.bankName, &r.bankCode,
                                     &r.branchName, &r.branchCode})
            out.putString(*s);
        out.putInteger(r.accountType);
        out.putString(r.accountNumber);
    }
    for (int i = 0; i < n; ++i) {
        const BusyoRec& r = busyoRecs[i];
        for (size_t k = 0; k < 4; ++k) {
            for (const std::string* s :
                 {&r.otherHolder[k], &r.otherBankName[k], &r.otherBankCode[k],
                  &r.otherBranchName[k], &r.otherBranchCode[k]})
                out.putString(*s);
            out.putInteger(r.otherAccountType[k]);
            out.putString(r.otherAccountNumber[k]);
        }
    }
    Status status = out.commit(path);
    rebuildBusyoLists();
    return status;
}

// ---------------------------------------------------------------- tekiyou.dat, ty.dat

Status readAccountTitles(const std::string& path) {
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    ensureCapacity(kTekiyouCapacity, tekiyouNames, tekiyouIds);
    TextReader in(bytes);
    if (!in.readCount(tekiyouCount, kTekiyouCapacity))
        return unreadableFile(path, in.error());
    for (int i = 0; i < tekiyouCount; ++i)
        if (!in.readString(tekiyouNames[i]) || !in.readLong(tekiyouIds[i]))
            return unreadableFile(path, in.error());
    return {};
}

Status writeAccountTitles(const std::string& path) {
    TextWriter out;
    ensureCapacity(kTekiyouCapacity, tekiyouNames, tekiyouIds);
    const int n = out.putCount(tekiyouCount, kTekiyouCapacity);
    for (int i = 0; i < n; ++i) {
        out.putString(tekiyouNames[i]);
        out.putLong(tekiyouIds[i]);
    }
    return out.commit(path);
}

Status readSubAccounts(const std::string& path) {
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    ensureCapacity(kTyCapacity, tyNames, tyIds, tyTekiyouIds);
    TextReader in(bytes);
    if (!in.readCount(tyCount, kTyCapacity))
        return unreadableFile(path, in.error());
    for (int i = 0; i < tyCount; ++i)
        if (!in.readString(tyNames[i]) || !in.readLong(tyIds[i]) || !in.readLong(tyTekiyouIds[i]))
            return unreadableFile(path, in.error());
    return {};
}

Status writeSubAccounts(const std::string& path) {
    TextWriter out;
    ensureCapacity(kTyCapacity, tyNames, tyIds, tyTekiyouIds);
    const int n = out.putCount(tyCount, kTyCapacity);
    for (int i = 0; i < n; ++i) {
        out.putString(tyNames[i]);
        out.putLong(tyIds[i]);
        out.putLong(tyTekiyouIds[i]);
    }
    return out.commit(path);
}

// ---------------------------------------------------------------- siire.dat

Status readSuppliers(const std::string& path) {
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    ensureCapacity(kSiireCapacity, siireNames, siireIds, siirePayKind, siireSimebi, siireBusyoIds,
                   siireTukigo, siireBunrui);
    TextReader in(bytes);
    if (!in.readCount(siireCount, kSiireCapacity))
        return unreadableFile(path, in.error());
    const int n = siireCount;
    // Block A is strict.
    for (int i = 0; i < n; ++i)
        if (!in.readString(siireNames[i]) || !in.readLong(siireIds[i]) ||
            !in.readInteger(siirePayKind[i]) || !in.readInteger(siireSimebi[i]))
            return unreadableFile(path, in.error());
    // Blocks B to D end quietly.
    for (int i = 0; i < n; ++i)
        if (!in.readLong(siireBusyoIds[i]))
            return {};
    for (int i = 0; i < n; ++i)
        if (!in.readInteger(siireTukigo[i]))
            return {};
    for (int i = 0; i < n; ++i)
        if (!in.readLong(siireBunrui[i]))
            return {};
    return {};
}

Status writeSuppliers(const std::string& path) {
    TextWriter out;
    ensureCapacity(kSiireCapacity, siireNames, siireIds, siirePayKind, siireSimebi, siireBusyoIds,
                   siireTukigo, siireBunrui);
    const int n = out.putCount(siireCount, kSiireCapacity);
    for (int i = 0; i < n; ++i) {
        out.putString(siireNames[i]);
        out.putLong(siireIds[i]);
        out.putInteger(siirePayKind[i]);
        out.putInteger(siireSimebi[i]);
    }
    for (int i = 0; i < n; ++i)
        out.putLong(siireBusyoIds[i]);
    for (int i = 0; i < n; ++i)
        out.putInteger(siireTukigo[i]);
    for (int i = 0; i < n; ++i)
        out.putLong(siireBunrui[i]);
    return out.commit(path);
}

// ---------------------------------------------------------------- kouza.dat, kanri.dat

namespace {

// A Long count and n x [$ name, L id], strict.
Status readNameIdList(const std::string& path, int& count, std::vector<std::string>& names,
                      std::vector<int>& ids, int capacity) {
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    ensureCapacity(capacity, names, ids);
    TextReader in(bytes);
    if (!in.readLongCount(count, capacity))
        return unreadableFile(path, in.error());
    for (int i = 0; i < count; ++i)
        if (!in.readString(names[i]) || !in.readLong(ids[i]))
            return unreadableFile(path, in.error());
    return {};
}

Status writeNameIdList(const std::string& path, int count, std::vector<std::string>& names,
                       std::vector<int>& ids, int capacity) {
    TextWriter out;
    ensureCapacity(capacity, names, ids);
    const int n = out.putLongCount(count, capacity);
    for (int i = 0; i < n; ++i) {
        out.putString(names[i]);
        out.putLong(ids[i]);
    }
    return out.commit(path);
}

} // namespace

Status readBanks(const std::string& path) {
    return readNameIdList(path, kouzaCount, kouzaNames, kouzaIds, kKouzaCapacity);
}
Status writeBanks(const std::string& path) {
    return writeNameIdList(path, kouzaCount, kouzaNames, kouzaIds, kKouzaCapacity);
}
Status readStaff(const std::string& path) {
    return readNameIdList(path, kanriCount, kanriNames, kanriIds, kKanriCapacity);
}
Status writeStaff(const std::string& path) {
    return writeNameIdList(path, kanriCount, kanriNames, kanriIds, kKanriCapacity);
}

// ---------------------------------------------------------------- menud.dat, mbun.dat

Status readMenuItems(const std::string& path) {
    // Cleared before opening: a missing file gives an empty list, never the one shown before.
    menudCount = 0;
    menudRecs.assign(kMenudCapacity, MenuItem{});
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    TextReader in(bytes);
    if (!in.readCount(menudCount, kMenudCapacity))
        return unreadableFile(path, in.error());
    for (int i = 0; i < menudCount; ++i) {
        MenuItem& m = menudRecs[i];
        // File order: id, code, category id, name, price.
        if (!in.readInteger(m.id) || !in.readString(m.code) || !in.readInteger(m.bunruiId) ||
            !in.readString(m.name) || !in.readDouble(m.price))
            return unreadableFile(path, in.error());
    }
    return {};
}

Status writeMenuItems(const std::string& path) {
    TextWriter out;
    ensureCapacity(kMenudCapacity, menudRecs);
    const int n = out.putCount(menudCount, kMenudCapacity);
    for (int i = 0; i < n; ++i) {
        const MenuItem& m = menudRecs[i];
        out.putInteger(m.id);
        out.putString(m.code);
        out.putInteger(m.bunruiId);
        out.putString(m.name);
        out.putDouble(m.price);
    }
    return out.commit(path);
}

Status readMenuCategories(const std::string& path) {
    mbunCount = 0;
    mbunRecs.assign(kMbunCapacity, MenuBunrui{});
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    TextReader in(bytes);
    if (!in.readCount(mbunCount, kMbunCapacity))
        return unreadableFile(path, in.error());
    for (int i = 0; i < mbunCount; ++i)
        if (!in.readInteger(mbunRecs[i].id) || !in.readString(mbunRecs[i].name))
            return unreadableFile(path, in.error());
    return {};
}

Status writeMenuCategories(const std::string& path) {
    TextWriter out;
    ensureCapacity(kMbunCapacity, mbunRecs);
    const int n = out.putCount(mbunCount, kMbunCapacity);
    for (int i = 0; i < n; ++i) {
        out.putInteger(mbunRecs[i].id);
        out.putString(mbunRecs[i].name);
    }
    return out.commit(path);
}

// ---------------------------------------------------------------- ttid.dat

namespace {
int* const kTtidSlots[10] = {&ttidSlot1,   &ttidTenpo, &ttidKanri, &ttidSlot4, &ttidSiire,
                             &ttidTekiyou, &ttidTy,    &ttidSlot8, &ttidKouza, &ttidKyoutuu};
}

Status readIdCounters(const std::string& path) {
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    TextReader in(bytes);
    // Tolerant after opening: a shorter file leaves the counters not read as they were.
    for (int* slot : kTtidSlots)
        if (!in.readLong(*slot))
            break;
    return {};
}

Status writeIdCounters(const std::string& path) {
    TextWriter out;
    for (const int* slot : kTtidSlots)
        out.putLong(*slot);
    return out.commit(path);
}

// ---------------------------------------------------------------- KenAll.csv

Status readPostalCodes(const std::string& path) {
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    TextReader in(bytes);
    std::vector<KenAllRow> rows;
    rows.reserve(std::min<size_t>(kKenAllCapacity, bytes.size() / 16 + 1));
    auto readValue = [&in](std::string& value) {
        if (!in.readString(value))
            return false;
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return true;
    };
    // Tolerant after opening: rows until the end or the capacity; a row read in part is not
    // counted.
    while (rows.size() < static_cast<size_t>(kKenAllCapacity)) {
        KenAllRow row;
        if (!readValue(row.postalCode) || !readValue(row.prefecture) || !readValue(row.city) ||
            !readValue(row.town))
            break;
        rows.push_back(std::move(row));
    }
    kenAllRows = std::move(rows);
    kenAllCount = static_cast<int>(kenAllRows.size());
    return {};
}

// ---------------------------------------------------------------- default lists

Status createDefaultTekiyou() {
    ensureCapacity(kTekiyouCapacity, tekiyouNames, tekiyouIds);
    tekiyouCount = 16;
    for (int i = 0; i < 16; ++i) {
        tekiyouNames[i] = kDefaultTekiyou[i];
        tekiyouIds[i] = i + 1;
    }
    // The counter is raised in memory even when a write fails: the lists hold the defaults.
    ttidTekiyou += 20;
    Status written = writeAccountTitles(rootFilePath("tekiyou.dat"));
    Status counters = writeIdCounters(rootFilePath("ttid.dat"));
    return written ? counters : written;
}

Status createDefaultTy() {
    ensureCapacity(kTyCapacity, tyNames, tyIds, tyTekiyouIds);
    tyCount = 4;
    for (int i = 0; i < 4; ++i) {
        tyNames[i] = kDefaultTy[i].name;
        tyIds[i] = i + 1;
        tyTekiyouIds[i] = kDefaultTy[i].tekiyouId;
    }
    ttidTy += 10;
    Status written = writeSubAccounts(rootFilePath("ty.dat"));
    Status counters = writeIdCounters(rootFilePath("ttid.dat"));
    return written ? counters : written;
}

LoadOutcome loadTekiyouOrDefaults() {
    return loadOrDefaults("tekiyou.dat", readAccountTitles, createDefaultTekiyou);
}

LoadOutcome loadTyOrDefaults() {
    return loadOrDefaults("ty.dat", readSubAccounts, createDefaultTy);
}

LoadOutcome readOrMoveAside(const std::string& path, PathReader reader) {
    LoadOutcome outcome;
    if (reader(path))
        return outcome;
    outcome.read = false;
    outcome.damaged = moveAsideIfPresent(path);
    if (outcome.damaged && !outcome.damaged->movedTo)
        outcome.status = Status::failure(path + " を読めず、別名に移すこともできませんでした");
    return outcome;
}

// ---------------------------------------------------------------- through filePath

Status misenaModosi() {
    return readDepartments(filePath);
}
Status misenaHozon() {
    return writeDepartments(filePath);
}
Status tekiyouModosi() {
    return readAccountTitles(filePath);
}
Status tekiyouHozon() {
    return writeAccountTitles(filePath);
}
Status tyModosi() {
    return readSubAccounts(filePath);
}
Status tyHozon() {
    return writeSubAccounts(filePath);
}
Status siireModosi() {
    return readSuppliers(filePath);
}
Status siireHozon() {
    return writeSuppliers(filePath);
}
Status kouzaModosi() {
    return readBanks(filePath);
}
Status kouzaHozon() {
    return writeBanks(filePath);
}
Status kanriModosi() {
    return readStaff(filePath);
}
Status kanriHozon() {
    return writeStaff(filePath);
}
Status menudModosi() {
    return readMenuItems(filePath);
}
Status menudHozon() {
    return writeMenuItems(filePath);
}
Status mbunModosi() {
    return readMenuCategories(filePath);
}
Status mbunHozon() {
    return writeMenuCategories(filePath);
}
Status ttidModosi() {
    return readIdCounters(filePath);
}
Status ttidHozon() {
    return writeIdCounters(filePath);
}
Status kenAllModosi() {
    return readPostalCodes(filePath);
}
namespace {
MoveAsideHook& moveAsideHook() {
    static MoveAsideHook hook;
    return hook;
}
} // namespace

void setMoveAsideHook(MoveAsideHook hook) {
    moveAsideHook() = std::move(hook);
}

std::optional<std::string> moveAside(const std::string& path) {
    if (moveAsideHook())
        return moveAsideHook()(path);
    namespace fs = std::filesystem;
    const std::string base = path + ".broken-" + localTimestamp();
    // Two moves within one second get a number after the time.
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string target = attempt == 0 ? base : base + "-" + std::to_string(attempt);
        std::error_code ec;
        if (fs::exists(fs::symlink_status(target, ec)))
            continue;
        fs::rename(path, target, ec);
        if (ec)
            return std::nullopt;
        return target;
    }
    return std::nullopt;
}

} // namespace lukana
