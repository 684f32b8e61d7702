#include "balances.h"

#include "atomic_file.h"
#include "paths.h"
#include "state.h"
#include "text_format.h"

namespace lukana {
namespace {

void ensureZanCapacity() {
    for (auto* list : {&zanKinds, &zanIds})
        if (list->size() < static_cast<size_t>(kZanCapacity))
            list->resize(static_cast<size_t>(kZanCapacity));
    if (zanBalances.size() < static_cast<size_t>(kZanCapacity))
        zanBalances.resize(static_cast<size_t>(kZanCapacity));
}

// A value that holds no number (an empty line included) makes the file unreadable.
bool readField(TextReader& in, std::string& text) {
    return in.readString(text) && text.find_first_not_of(" \t") != std::string::npos;
}

} // namespace

Status readBalances(const std::string& path) {
    std::string bytes;
    if (Status opened = readWholeFile(path, bytes); !opened)
        return opened;
    ensureZanCapacity();
    TextReader in(bytes);
    std::string text;
    int count = 0;
    if (!readField(in, text) || !parseStoredInteger(text, count))
        return unreadableFile(path, "件数がありません");
    if (count < 0 || count > kZanCapacity)
        return unreadableFile(path, "件数が範囲外です (" + std::to_string(count) + ")");
    zanCount = count;
    for (int i = 0; i < count; ++i) {
        if (!readField(in, text) || !parseStoredLong(text, zanKinds[i]) || !readField(in, text) ||
            !parseStoredLong(text, zanIds[i]) || !readField(in, text) ||
            !parseStoredDouble(text, zanBalances[i]))
            return unreadableFile(path, "残高 " + std::to_string(i + 1) + " 件目が読めません");
    }
    return {};
}

Status writeBalances(const std::string& path) {
    ensureZanCapacity();
    if (zanCount < 0 || zanCount > kZanCapacity)
        return Status::failure(path + " に保存できません: 件数が上限を超えています (" +
                               std::to_string(zanCount) + ")");
    TextWriter out;
    out.putInteger(zanCount);
    for (int i = 0; i < zanCount; ++i) {
        out.putLong(zanKinds[i]);
        out.putLong(zanIds[i]);
        out.putDouble(zanBalances[i]);
    }
    if (path.empty())
        return Status::failure("保存先のフォルダーがありません");
    return out.commit(path);
}

Status vModosi() {
    return readBalances(filePath);
}

Status vHozon() {
    return writeBalances(filePath);
}

std::string zanPath(const std::string& busyoName, int year, int month, bool olderForm) {
    return busyoFilePath(busyoName, monthFileName(year, month, "v.dat", olderForm));
}

ZanLoad loadZanMonth(const std::string& busyoName, int year, int month) {
    ZanLoad load;
    const std::string current = zanPath(busyoName, year, month);
    openFailed = 0;
    filePath = current;
    if (!current.empty() && readBalances(current)) {
        load.source = ZanLoad::Source::Current;
        return load;
    }
    openFailed = 1;
    load.damaged = moveAsideIfPresent(current);
    if (openFailed == 1) {
        openFailed = 0;
        const std::string older = zanPath(busyoName, year, month, true);
        if (!older.empty() && readBalances(older))
            load.source = ZanLoad::Source::Older;
        else
            zanCount = 0;
    }
    return load;
}

std::optional<double> findZanBalance(int kind, int id) {
    ensureZanCapacity();
    for (int i = 0; i < zanCount && i < kZanCapacity; ++i)
        if (zanKinds[i] == kind && zanIds[i] == id)
            return zanBalances[i];
    return std::nullopt;
}

bool setZanBalance(int kind, int id, double balance) {
    ensureZanCapacity();
    for (int i = 0; i < zanCount && i < kZanCapacity; ++i)
        if (zanKinds[i] == kind && zanIds[i] == id) {
            zanBalances[i] = balance;
            return true;
        }
    if (zanCount < 0 || zanCount >= kZanCapacity)
        return false;
    zanKinds[zanCount] = kind;
    zanIds[zanCount] = id;
    zanBalances[zanCount] = balance;
    ++zanCount;
    return true;
}

} // namespace lukana
