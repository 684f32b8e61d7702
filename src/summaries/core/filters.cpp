#include "filters.h"

#include "storage/bank_slots.h"

#include <algorithm>

namespace lukana {
namespace {

const BusyoRec* shownDepartment() {
    if (denpyouBusyo < 0 || denpyouBusyo >= static_cast<int>(busyoRecs.size()))
        return nullptr;
    return &busyoRecs[static_cast<size_t>(denpyouBusyo)];
}

std::string shownDepartmentName() {
    if (denpyouBusyo < 0 || denpyouBusyo >= static_cast<int>(busyoNames.size()))
        return {};
    return busyoNames[static_cast<size_t>(denpyouBusyo)];
}

// The department, head office and the four bank items every party list ends with.
void addOwnParties(PartyList& list) {
    list.add(shownDepartmentName(), partyKind::kDepartment, 0);
    list.add("本部", partyKind::kDepartment, 1);
    for (int bank = 1; bank <= 4; ++bank)
        list.add(bankPartyText(bank), partyKind::kBank, bank);
}

template <typename T> bool within(const std::vector<T>& list, int index, int count) {
    return index >= 0 && index < count && index < static_cast<int>(list.size());
}

} // namespace

void PartyList::add(std::string text, int kind, int id) {
    texts.push_back(std::move(text));
    partyKinds.push_back(kind);
    partyIds.push_back(id);
}

PartyList summaryPartyList() {
    PartyList list;
    list.add("全て", 0, 0);
    const int departmentId = denpyouBusyo >= 0 && denpyouBusyo < static_cast<int>(busyoIds.size())
                                 ? busyoIds[denpyouBusyo]
                                 : 0;
    const int count = std::min(
        {siireCount, static_cast<int>(siireNames.size()), static_cast<int>(siireBusyoIds.size())});
    for (int i = 0; i < count; ++i)
        if (siireBusyoIds[i] == departmentId || siireBusyoIds[i] == 0)
            list.add(siireNames[i], partyKind::kSupplier, i);
    addOwnParties(list);
    return list;
}

PartyList cashBookPartyList() {
    PartyList list;
    addOwnParties(list);
    return list;
}

std::string bankPartyText(int bankId) {
    const BusyoRec* rec = shownDepartment();
    if (!rec)
        return {};
    return bankId <= 5 ? bankSlotText(*rec, bankId, false) : std::string();
}

std::vector<std::string> entryTypeItems() {
    return {"全て", "支払い", "入金", "銀行から出金", "銀行へ入金"};
}

std::vector<std::string> accountTitleItems() {
    std::vector<std::string> items{"全て"};
    const int count = std::min(tekiyouCount, static_cast<int>(tekiyouNames.size()));
    for (int i = 0; i < count; ++i)
        items.push_back(tekiyouNames[i]);
    return items;
}

std::vector<std::string> subAccountItems(int accountTitlePosition) {
    tyMap.clear();
    if (accountTitlePosition <= 0 || !within(tekiyouIds, accountTitlePosition - 1, tekiyouCount))
        return {};
    const int accountId = tekiyouIds[accountTitlePosition - 1];
    std::vector<std::string> items{"全て"};
    const int count = std::min(
        {tyCount, static_cast<int>(tyNames.size()), static_cast<int>(tyTekiyouIds.size())});
    for (int i = 0; i < count; ++i)
        if (tyTekiyouIds[i] == accountId) {
            items.push_back(tyNames[i]);
            tyMap.push_back(i);
        }
    return items;
}

AccountFilter AccountFilter::fromSelection() {
    AccountFilter f;
    f.entryType_ = filterSel[kEntryType];
    const int title = filterSel[kAccountTitle] - 1;
    if (within(tekiyouIds, title, tekiyouCount))
        f.accountId_ = tekiyouIds[title];
    const int sub = filterSel[kSubAccount] - 1;
    if (sub >= 0 && sub < static_cast<int>(tyMap.size()) && within(tyIds, tyMap[sub], tyCount))
        f.subAccountId_ = tyIds[tyMap[sub]];
    return f;
}

std::optional<PartyKey> partyAt(const PartyList& parties, int position) {
    if (position < 0 || position >= static_cast<int>(parties.partyKinds.size()))
        return std::nullopt;
    const int kind = parties.partyKinds[position];
    const int id = parties.partyIds[position];
    switch (kind) {
    case partyKind::kSupplier:
        if (!within(siireIds, id, siireCount))
            return std::nullopt;
        return PartyKey{kind, siireIds[id]};
    case partyKind::kDepartment:
    case partyKind::kBank:
        return PartyKey{kind, id};
    default:
        return std::nullopt;
    }
}

VoucherFilter VoucherFilter::fromSelection(const PartyList& parties, int matchMode) {
    VoucherFilter f;
    f.accounts_ = AccountFilter::fromSelection();
    if (filterSel[kToParty] != 0)
        f.to_ = partyAt(parties, filterSel[kToParty]);
    if (filterSel[kFromParty] != 0)
        f.from_ = partyAt(parties, filterSel[kFromParty]);
    f.matchMode_ = matchMode;
    return f;
}

} // namespace lukana
