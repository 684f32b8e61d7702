#include "posting.h"

#include <algorithm>

namespace lukana {

namespace {

PostingRow row(PostingSource source, int line, int fromKind, int fromId, int toKind, int toId,
               double amount, int taxExempt, int entryType) {
    PostingRow r;
    r.source = source;
    r.line = line;
    r.fromKind = fromKind;
    r.fromId = fromId;
    r.toKind = toKind;
    r.toId = toId;
    r.amount = amount;
    r.taxExempt = taxExempt;
    r.entryType = entryType;
    return r;
}

} // namespace

std::vector<PostingRow> postingRows(const NippouDay& day, int creditSaleTiming) {
    std::vector<PostingRow> rows;
    for (int k = 0; k < day.kaidasiCount; ++k)
        rows.push_back(row(PostingSource::Payment, k, kPartyOwn, kOwnCash, kPartySupplier,
                           day.kaidasiSiireId[k], day.kaidasiGaku[k], day.kaidasiHikazei[k],
                           kEntryPayment));
    for (int k = 0; k < day.nyukinCount; ++k)
        rows.push_back(row(PostingSource::Deposit, k, kPartyOwn, kOwnCash, kPartyBank,
                           day.nyukinKouza[k], day.nyukinGaku[k], 1, kEntryToBank));
    for (int k = 0; k < day.hikidasiCount; ++k)
        rows.push_back(row(PostingSource::Withdrawal, k, kPartyBank, day.hikidasiKouza[k],
                           kPartyOwn, kOwnCash, day.hikidasiGaku[k], 1, kEntryFromBank));
    for (int k = 0; k < day.urikakeCount; ++k) {
        PostingRow r = row(PostingSource::CreditSale, k, kPartyNone, 0, kPartyOwn, kOwnCash,
                           day.urikakeGaku[k], 0, kEntryReceipt);
        r.accountId = creditSaleTiming == 0 ? kAccountSales : kAccountReceivable;
        r.subAccountId = day.urikakeKyaku[k];
        if (creditSaleTiming == 0)
            r.note = "売掛金";
        rows.push_back(std::move(r));
    }
    const auto& kingaku = day.kingaku;
    if (kingaku[36] > 0)
        rows.push_back(row(PostingSource::FromHeadOffice, -1, kPartyOwn, kHeadOffice, kPartyOwn,
                           kOwnCash, kingaku[36], 1, kEntryNone));
    if (kingaku[29] > 0)
        rows.push_back(row(PostingSource::ToHeadOffice, -1, kPartyOwn, kOwnCash, kPartyOwn,
                           kHeadOffice, kingaku[29], 1, kEntryNone));
    if (kingaku[38] > 0) {
        PostingRow r = row(PostingSource::CreditCollected, -1, kPartyNone, 0, kPartyOwn, kOwnCash,
                           kingaku[38], 0, kEntryNone);
        r.accountId = creditSaleTiming == 0 ? kAccountReceivable : kAccountSales;
        r.note = "売掛金入金";
        rows.push_back(std::move(r));
    }
    if (kingaku[5] > 0) {
        PostingRow r = row(PostingSource::CashSales, -1, kPartyNone, 0, kPartyOwn, kOwnCash,
                           kingaku[5], 0, kEntryNone);
        r.accountId = kAccountSales;
        r.note = "当日分現金売上";
        rows.push_back(std::move(r));
    }
    return rows;
}

int supplierPaymentAccount(int supplierId, int count, const std::vector<int>& ids,
                           const std::vector<int>& payKinds) {
    const int n =
        std::min<int>({count, static_cast<int>(ids.size()), static_cast<int>(payKinds.size())});
    for (int i = 0; i < n; ++i)
        if (ids[i] == supplierId)
            return payKinds[i] == 0 ? kAccountPayable : 0;
    return 0;
}

bool appendVoucher(DenpyouDay& target, const PostingRow& r) {
    const int j = target.denpyouCount;
    if (j < 0 || j >= kDenpyouCapacity)
        return false;
    target.fromKind[j] = r.fromKind;
    target.fromId[j] = r.fromId;
    target.toKind[j] = r.toKind;
    target.toId[j] = r.toId;
    target.amount[j] = r.amount;
    target.tax[j] = 0;
    target.taxExempt[j] = r.taxExempt;
    target.entryType[j] = r.entryType;
    target.accountId[j] = r.accountId;
    target.subAccountId[j] = r.subAccountId;
    target.note[j] = r.note;
    target.denpyouCount = j + 1;
    return true;
}

int postDailyReportDay(const NippouDay& day, int creditSaleTiming, int supplierCount,
                       const std::vector<int>& supplierIds,
                       const std::vector<int>& supplierPayKinds, DenpyouDay& target) {
    if (target.denpyouCount != 0)
        return 0;
    int posted = 0;
    for (PostingRow& r : postingRows(day, creditSaleTiming)) {
        if (r.source == PostingSource::Payment)
            r.accountId =
                supplierPaymentAccount(r.toId, supplierCount, supplierIds, supplierPayKinds);
        if (!appendVoucher(target, r))
            break;
        ++posted;
    }
    return posted;
}

} // namespace lukana
