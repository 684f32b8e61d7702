#include "state.h"

namespace lukana {

std::string filePath;
int todayYear, todayMonth, todayDay;
int curYear, curMonth, curDay;
int daysInMonth;
int curBusyo;
int denpyouBusyo;
int hyoujiChu;
int openFailed;
int registerKind;
int renameIndex;
std::string renameResult;
int urikakeTouroku;
std::string csvText;
int nippouYearLoaded, nippouMonthLoaded;
int reportChanged, detailChanged;

int busyoCount;
std::vector<BusyoRec> busyoRecs;
std::vector<std::string> busyoNames;
std::vector<int> busyoIds;

int tekiyouCount;
std::vector<std::string> tekiyouNames;
std::vector<int> tekiyouIds;

int tyCount;
std::vector<std::string> tyNames;
std::vector<int> tyIds;
std::vector<int> tyTekiyouIds;

int siireCount;
std::vector<std::string> siireNames;
std::vector<int> siireIds, siirePayKind, siireSimebi, siireBusyoIds, siireTukigo, siireBunrui;

int kouzaCount;
std::vector<std::string> kouzaNames;
std::vector<int> kouzaIds;

int kanriCount;
std::vector<std::string> kanriNames;
std::vector<int> kanriIds;

int menudCount;
std::vector<MenuItem> menudRecs;
int mbunCount;
std::vector<MenuBunrui> mbunRecs;

int kenAllCount;
std::vector<KenAllRow> kenAllRows;

int ttidSlot1, ttidTenpo, ttidKanri, ttidSlot4, ttidSiire, ttidTekiyou, ttidTy, ttidSlot8,
    ttidKouza, ttidKyoutuu;

int taxCount;
std::vector<int> taxYear, taxMonth, taxDay, taxRate;
int taxRounding;
int salesTiming;
int curTaxRate;

int simeKinmu, simeGenkin, simeKyuuryou, simeKurejitto;
int kesanTuki, kesanBi;

double koteihi;
NippouMonth nippouMonth;
DenpyouMonth denpyouMonth;

std::array<int, 6> filterSel;
std::vector<int> tyMap;

int zanCount;
std::vector<int> zanKinds, zanIds;
std::vector<double> zanBalances;

namespace {
template <typename T> void refill(std::vector<T>& list, int capacity) {
    list.assign(static_cast<size_t>(capacity), T{});
}
// The lists have their full capacity from the first moment on.
struct InitialState {
    InitialState() { resetSharedState(); }
};
} // namespace

void resetSharedState() {
    filePath.clear();
    todayYear = todayMonth = todayDay = 0;
    curYear = curMonth = curDay = 0;
    daysInMonth = 0;
    curBusyo = denpyouBusyo = 0;
    hyoujiChu = openFailed = registerKind = renameIndex = urikakeTouroku = 0;
    renameResult.clear();
    csvText.clear();
    nippouYearLoaded = nippouMonthLoaded = reportChanged = detailChanged = 0;

    busyoCount = 0;
    refill(busyoRecs, kBusyoCapacity);
    refill(busyoNames, kBusyoCapacity);
    refill(busyoIds, kBusyoCapacity);
    tekiyouCount = 0;
    refill(tekiyouNames, kTekiyouCapacity);
    refill(tekiyouIds, kTekiyouCapacity);
    tyCount = 0;
    refill(tyNames, kTyCapacity);
    refill(tyIds, kTyCapacity);
    refill(tyTekiyouIds, kTyCapacity);
    siireCount = 0;
    refill(siireNames, kSiireCapacity);
    for (auto* list :
         {&siireIds, &siirePayKind, &siireSimebi, &siireBusyoIds, &siireTukigo, &siireBunrui})
        refill(*list, kSiireCapacity);
    kouzaCount = 0;
    refill(kouzaNames, kKouzaCapacity);
    refill(kouzaIds, kKouzaCapacity);
    kanriCount = 0;
    refill(kanriNames, kKanriCapacity);
    refill(kanriIds, kKanriCapacity);
    menudCount = 0;
    refill(menudRecs, kMenudCapacity);
    mbunCount = 0;
    refill(mbunRecs, kMbunCapacity);
    kenAllCount = 0;
    kenAllRows.clear();

    ttidSlot1 = ttidTenpo = ttidKanri = ttidSlot4 = ttidSiire = ttidTekiyou = ttidTy = ttidSlot8 =
        ttidKouza = ttidKyoutuu = 0;

    taxCount = 0;
    for (auto* list : {&taxYear, &taxMonth, &taxDay, &taxRate})
        refill(*list, kTaxCapacity);
    taxRounding = salesTiming = curTaxRate = 0;

    simeKinmu = simeGenkin = simeKyuuryou = simeKurejitto = 0;
    kesanTuki = kesanBi = 0;

    koteihi = 0;
    for (auto& day : nippouMonth)
        day = NippouDay{};
    for (auto& day : denpyouMonth)
        day = DenpyouDay{};

    filterSel.fill(0);
    tyMap.clear();
    zanCount = 0;
    refill(zanKinds, kZanCapacity);
    refill(zanIds, kZanCapacity);
    refill(zanBalances, kZanCapacity);
}

namespace {
InitialState initialState;
}

} // namespace lukana
