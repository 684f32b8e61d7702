#include "party_names.h"

#include "filters.h"
#include "storage/state.h"

#include <algorithm>
#include <vector>

namespace lukana {
namespace {

const std::string kNone;

void mapFirst(std::unordered_map<int, std::string>& map, int count, const std::vector<int>& ids,
              const std::vector<std::string>& names) {
    const int n = std::min({count, static_cast<int>(ids.size()), static_cast<int>(names.size())});
    map.reserve(static_cast<size_t>(std::max(n, 0)));
    for (int i = 0; i < n; ++i)
        map.try_emplace(ids[i], names[i]);
}

const std::string& lookup(const std::unordered_map<int, std::string>& map, int id) {
    auto it = map.find(id);
    return it == map.end() ? kNone : it->second;
}

} // namespace

PartyNames::PartyNames() {
    mapFirst(suppliers_, siireCount, siireIds, siireNames);
    if (denpyouBusyo >= 0 && denpyouBusyo < static_cast<int>(busyoNames.size()))
        departmentName_ = busyoNames[denpyouBusyo];
    for (int bank = 1; bank <= 5; ++bank)
        banks_[bank] = bankPartyText(bank);
}

const std::string& PartyNames::nameOf(int kind, int id) const {
    static const std::string kHeadOffice = "本部";
    switch (kind) {
    case partyKind::kSupplier:
        return lookup(suppliers_, id);
    case partyKind::kDepartment:
        return id == 0 ? departmentName_ : kHeadOffice;
    case partyKind::kBank:
        return id >= 1 && id <= 5 ? banks_[id] : kNone;
    default:
        return kNone;
    }
}

std::vector<std::string> PartyNames::all() const {
    std::vector<std::string> names{departmentName_, "本部"};
    for (const auto& [id, name] : suppliers_)
        names.push_back(name);
    names.insert(names.end(), std::begin(banks_), std::end(banks_));
    return names;
}

AccountNames::AccountNames() {
    mapFirst(titles_, tekiyouCount, tekiyouIds, tekiyouNames);
    mapFirst(subAccounts_, tyCount, tyIds, tyNames);
}

const std::string& AccountNames::accountTitle(int id) const {
    return lookup(titles_, id);
}

const std::string& AccountNames::subAccount(int id) const {
    return lookup(subAccounts_, id);
}

} // namespace lukana
