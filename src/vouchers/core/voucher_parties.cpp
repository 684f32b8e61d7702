#include "voucher_parties.h"

#include "storage/bank_slots.h"
#include "storage/state.h"

#include <algorithm>

namespace lukana {

namespace {

constexpr int kOtherBankSlots = 4;

const BusyoRec* department() {
    if (denpyouBusyo < 0 || denpyouBusyo >= busyoCount ||
        denpyouBusyo >= static_cast<int>(busyoRecs.size()))
        return nullptr;
    return &busyoRecs[denpyouBusyo];
}

std::string departmentName() {
    const BusyoRec* d = department();
    return d ? busyoNames[denpyouBusyo] : std::string();
}

// Slot 1 is the main account, 2.. the further ones.
std::string bankText(int slot, bool withType) {
    const BusyoRec* d = department();
    return d && slot <= kOtherBankSlots + 1 ? bankSlotText(*d, slot, withType) : "";
}

std::string nameById(int count, const std::vector<std::string>& names, const std::vector<int>& ids,
                     int id) {
    const int n =
        std::min<int>({count, static_cast<int>(names.size()), static_cast<int>(ids.size())});
    for (int i = 0; i < n; ++i)
        if (ids[i] == id)
            return names[i];
    return "";
}

enum Group { Suppliers = 1, Department = 2, Headquarters = 4, Banks = 8 };

std::vector<PartyChoice> choices(int groups) {
    std::vector<PartyChoice> list;
    if (groups & Suppliers) {
        const int own = department() ? busyoIds[denpyouBusyo] : 0;
        const int n = std::min<int>(siireCount, static_cast<int>(siireNames.size()));
        for (int i = 0; i < n; ++i)
            if (siireBusyoIds[i] == own || siireBusyoIds[i] == 0)
                list.push_back({siireNames[i], partyKind::kSupplier, siireIds[i]});
    }
    if (groups & Department)
        list.push_back({departmentName(), partyKind::kDepartment, 0});
    if (groups & Headquarters)
        list.push_back({"本部", partyKind::kDepartment, 1});
    if (groups & Banks) // the fourth further slot is never offered
        for (int slot = 1; slot <= 4; ++slot)
            list.push_back({bankText(slot, false), partyKind::kBank, slot});
    return list;
}

} // namespace

std::string entryTypeWord(int entryType) {
    static const char* const words[kEntryTypeCount] = {"", "支払い", "入金", "銀行から出金",
                                                       "銀行へ入金"};
    return entryType >= 0 && entryType < kEntryTypeCount ? words[entryType] : "";
}

std::string partyName(int kind, int id, bool fromColumn) {
    switch (kind) {
    case partyKind::kSupplier: {
        const int n = std::min<int>(siireCount, static_cast<int>(siireNames.size()));
        for (int i = 0; i < n; ++i)
            if (siireIds[i] == id)
                return siireNames[i];
        return !fromColumn && id == -1 ? "その他" : "";
    }
    case partyKind::kDepartment:
        return id == 0 ? departmentName() : "本部";
    case partyKind::kBank:
        return bankText(id, true);
    default:
        return "";
    }
}

std::string accountTitleName(int accountId) {
    return nameById(tekiyouCount, tekiyouNames, tekiyouIds, accountId);
}

std::string subAccountName(int subAccountId) {
    return nameById(tyCount, tyNames, tyIds, subAccountId);
}

std::vector<PartyChoice> fromChoices(int entryType) {
    switch (entryType) {
    case 0:
        return choices(Suppliers | Department | Headquarters | Banks);
    case 1:
        return choices(Department | Headquarters | Banks);
    case 3:
        return choices(Banks);
    case 4:
        return choices(Department | Headquarters);
    default:
        return {};
    }
}

std::vector<PartyChoice> toChoices(int entryType) {
    switch (entryType) {
    case 0:
        return choices(Suppliers | Department | Headquarters | Banks);
    case 1:
        return choices(Suppliers);
    case 2:
        return choices(Department | Headquarters | Banks);
    case 3:
        return choices(Suppliers | Department | Headquarters);
    case 4:
        return choices(Banks);
    default:
        return {};
    }
}

std::vector<SubAccountChoice> subAccountChoices(int accountId) {
    std::vector<SubAccountChoice> list;
    const int n = std::min<int>(tyCount, static_cast<int>(tyNames.size()));
    for (int i = 0; i < n; ++i)
        if (accountId == 0 || tyTekiyouIds[i] == accountId || tyTekiyouIds[i] == 0)
            list.push_back({tyNames[i], i});
    return list;
}

} // namespace lukana
