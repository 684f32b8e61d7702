#pragma once
// The working state that the windows share for the whole run, under the names every
// window uses. Lists are parallel arrays with a fixed capacity; positions past the count
// keep whatever they held, as the shorter files rely on.
#include <array>
#include <string>
#include <vector>

namespace lukana {

// Capacities of the lists.
inline constexpr int kBusyoCapacity = 301;
inline constexpr int kTekiyouCapacity = 2001;
inline constexpr int kTyCapacity = 2001;
inline constexpr int kSiireCapacity = 501;
inline constexpr int kKouzaCapacity = 301;
inline constexpr int kKanriCapacity = 301;
inline constexpr int kMenudCapacity = 501;
inline constexpr int kMbunCapacity = 21;
inline constexpr int kTaxCapacity = 1001;
inline constexpr int kKenAllCapacity = 130001;
inline constexpr int kNippouLineCapacity = 51;
inline constexpr int kSlipCapacity = 101;
inline constexpr int kSlipLineCapacity = 101;
inline constexpr int kSlipValueCount = 11;
inline constexpr int kKingakuCount = 41;
inline constexpr int kDenpyouCapacity = 401;
inline constexpr int kZanCapacity = 801;
inline constexpr int kMaxMenuId = 32767; // menu ids are 16-bit in the files

// ---- working state ----
extern std::string filePath; // full path handed to the next storage procedure
extern int todayYear, todayMonth, todayDay;
extern int curYear, curMonth, curDay;
extern int daysInMonth;
extern int curBusyo;     // position in busyoNames of the current department
extern int denpyouBusyo; // position in busyoNames of the voucher book's department
extern int hyoujiChu;    // 1 while a window fills its controls from data
extern int openFailed;
extern int registerKind;
extern int renameIndex;
extern std::string renameResult;
extern int urikakeTouroku;
extern std::string csvText;

// ---- departments (misena.dat) ----
struct BusyoRec {
    std::string name;
    int id = 0;
    // address
    std::string prefecture, city, town, street, tel, fax;
    std::string postalCode;
    // header data for bank transfers, with the main account
    int transferKind = 0; // 1 salary, 2 bonus, 3 general, 0 none
    std::string companyCode, companyKana, bankName, bankCode, branchName, branchCode;
    int accountType = 0; // 0 ordinary, 1 current, 2 other, -1 none
    std::string accountNumber;
    // the four further bank slots (the fourth is stored, never shown)
    std::array<std::string, 4> otherHolder, otherBankName, otherBankCode, otherBranchName,
        otherBranchCode;
    std::array<int, 4> otherAccountType{};
    std::array<std::string, 4> otherAccountNumber;
};
extern int busyoCount;
extern std::vector<BusyoRec> busyoRecs;     // capacity kBusyoCapacity
extern std::vector<std::string> busyoNames; // derived from busyoRecs
extern std::vector<int> busyoIds;

// ---- account titles (tekiyou.dat) ----
extern int tekiyouCount;
extern std::vector<std::string> tekiyouNames;
extern std::vector<int> tekiyouIds;

// ---- sub-accounts (ty.dat) ----
extern int tyCount;
extern std::vector<std::string> tyNames;
extern std::vector<int> tyIds;
extern std::vector<int> tyTekiyouIds;

// ---- suppliers (siire.dat) ----
extern int siireCount;
extern std::vector<std::string> siireNames;
extern std::vector<int> siireIds;
extern std::vector<int> siirePayKind;  // 0 on credit, 1 cash purchase
extern std::vector<int> siireSimebi;   // closing day 0..31
extern std::vector<int> siireBusyoIds; // 0 for every department
extern std::vector<int> siireTukigo;   // months after closing until payment
extern std::vector<int> siireBunrui;   // 0 drinks, 1 food, 2 other

// ---- banks (kouza.dat of the voucher book's department) ----
extern int kouzaCount;
extern std::vector<std::string> kouzaNames;
extern std::vector<int> kouzaIds;

// ---- staff (kanri.dat) ----
extern int kanriCount;
extern std::vector<std::string> kanriNames;
extern std::vector<int> kanriIds;

// ---- menu items and categories of one department ----
struct MenuItem {
    int id = 0;
    std::string name;
    double price = 0; // kept as double so that large prices stay exact
    std::string code;
    int bunruiId = 0; // id of a MenuBunrui, 0 for none
};
struct MenuBunrui {
    int id = 0;
    std::string name;
};
extern int menudCount;
extern std::vector<MenuItem> menudRecs;
extern int mbunCount;
extern std::vector<MenuBunrui> mbunRecs;

// ---- postal-code table (KenAll.csv) ----
struct KenAllRow {
    std::string postalCode, prefecture, city, town;
};
extern int kenAllCount;
extern std::vector<KenAllRow> kenAllRows;

// ---- id counters (ttid.dat), each the last id issued ----
extern int ttidSlot1, ttidTenpo, ttidKanri, ttidSlot4, ttidSiire, ttidTekiyou, ttidTy, ttidSlot8,
    ttidKouza, ttidKyoutuu;

// ---- tax table and switches (opt.dat) ----
extern int taxCount;
extern std::vector<int> taxYear, taxMonth, taxDay, taxRate;
extern int taxRounding; // 0 down, 1 up
extern int salesTiming; // 0 when the credit sale happens, 1 when collected
extern int curTaxRate;

// ---- closing days (simebi.dat) and fiscal year end (kesan.dat) ----
extern int simeKinmu, simeGenkin, simeKyuuryou, simeKurejitto;
extern int kesanTuki, kesanBi;

// ---- one month of daily reports ----
struct NippouDay {
    std::array<double, kKingakuCount> kingaku{};
    std::array<int, 3> sentaku{};
    int kaidasiCount = 0;
    std::array<int, kNippouLineCapacity> kaidasiSiireId{};
    std::array<double, kNippouLineCapacity> kaidasiGaku{};
    std::array<int, kNippouLineCapacity> kaidasiHikazei{};
    int nyukinCount = 0;
    std::array<int, kNippouLineCapacity> nyukinKouza{};
    std::array<double, kNippouLineCapacity> nyukinGaku{};
    int hikidasiCount = 0;
    std::array<int, kNippouLineCapacity> hikidasiKouza{};
    std::array<double, kNippouLineCapacity> hikidasiGaku{};
    int urikakeCount = 0;
    std::array<int, kNippouLineCapacity> urikakeKyaku{};
    std::array<double, kNippouLineCapacity> urikakeGaku{};
    int yobiCount = 0;
    std::array<double, kNippouLineCapacity> yobi1{};
    std::array<double, kNippouLineCapacity> yobi2{};
    int slipCount = 0;
    std::array<std::array<double, kSlipValueCount>, kSlipCapacity> slipValues{};
    std::array<int, kSlipCapacity> lineCount{};
    std::array<std::array<int, kSlipLineCapacity>, kSlipCapacity> lineMenu{};
    std::array<std::array<int, kSlipLineCapacity>, kSlipCapacity> lineQty{};
};
using NippouMonth = std::array<NippouDay, 32>; // days 1..31; 0 unused
extern double koteihi;
extern NippouMonth nippouMonth;

// ---- one month of vouchers ----
// The kinds of party a voucher names in toKind and fromKind.
namespace partyKind {
inline constexpr int kSupplier = 1;
inline constexpr int kDepartment = 2; // id 0 the department, 1 head office
inline constexpr int kBank = 4;       // id 1 the main account, 2.. the further slots
inline constexpr int kIncomeSource = 5;
} // namespace partyKind
struct DenpyouDay {
    int denpyouCount = 0;
    std::array<int, kDenpyouCapacity> toKind{};
    std::array<int, kDenpyouCapacity> toId{};
    std::array<double, kDenpyouCapacity> amount{};
    std::array<double, kDenpyouCapacity> tax{};
    std::array<int, kDenpyouCapacity> entryType{};
    std::array<int, kDenpyouCapacity> fromKind{};
    std::array<int, kDenpyouCapacity> fromId{};
    std::array<int, kDenpyouCapacity> accountId{};
    std::array<int, kDenpyouCapacity> subAccountId{};
    std::array<std::string, kDenpyouCapacity> note;
    std::array<int, kDenpyouCapacity> taxExempt{};
};
using DenpyouMonth = std::array<DenpyouDay, 32>;
extern DenpyouMonth denpyouMonth;

// ---- the summaries' filter choices: list position per filter list, sub-account list map ----
extern std::array<int, 6> filterSel;
extern std::vector<int> tyMap; // sub-account list position - 1 -> index in tyNames

// ---- cash-book balances of one month (<year><month>v.dat) ----
extern int zanCount;
extern std::vector<int> zanKinds; // capacity kZanCapacity
extern std::vector<int> zanIds;
extern std::vector<double> zanBalances;

// ---- the daily report's working month ----
extern int nippouYearLoaded, nippouMonthLoaded; // 0 makes the next show load again
extern int reportChanged;                       // the month in memory differs from its file
extern int detailChanged; // the guest slips of the shown day changed since the slips opened

// Back to the state of a fresh start: every value zero or empty, lists at full capacity.
void resetSharedState();

} // namespace lukana
