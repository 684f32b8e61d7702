// Writes a small seed corpus for every fuzz target through the real writers.
#include "storage/balances.h"
#include "storage/masters.h"
#include "storage/months.h"
#include "storage/paths.h"
#include "storage/settings.h"
#include "storage/state.h"

#include <filesystem>
#include <fstream>
#include <string>

using namespace lukana;
namespace fs = std::filesystem;

namespace {
fs::path out;

void copyTo(const std::string& target, const std::string& seedName, char selector = 0) {
    fs::create_directories(out / target);
    std::ifstream in(filePath, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::ofstream o(out / target / seedName, std::ios::binary);
    if (selector)
        o.put(selector);
    o << bytes;
}

template <typename Write>
void seed(const std::string& target, const std::string& name, Write write, char selector = 0) {
    filePath = (out / "tmp" / name).string();
    if (write().ok())
        copyTo(target, name, selector);
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    out = argv[1];
    fs::create_directories(out / "tmp");
    resetSharedState();
    driveRoot = (out / "tmp").string();
    fs::create_directories(dataRoot());

    busyoCount = 2;
    busyoRecs[0].name = "本店";
    busyoRecs[0].id = 2;
    busyoRecs[0].otherBankName[3] = "四番目";
    busyoRecs[1].name = "二号店";
    busyoRecs[1].id = 4;
    seed("fuzz_masters", "misena", misenaHozon, 0);
    (void)createDefaultTekiyou();
    seed("fuzz_masters", "tekiyou", tekiyouHozon, 1);
    (void)createDefaultTy();
    seed("fuzz_masters", "ty", tyHozon, 2);
    siireCount = 1;
    siireNames[0] = "酒屋";
    siireIds[0] = 2;
    seed("fuzz_masters", "siire", siireHozon, 3);
    kouzaCount = 1;
    kouzaNames[0] = "銀行";
    seed("fuzz_masters", "kouza", kouzaHozon, 4);
    seed("fuzz_masters", "kanri", kanriHozon, 5);
    menudCount = 1;
    menudRecs[0] = {2, "ビール", 500, "B1", 2};
    seed("fuzz_masters", "menud", menudHozon, 6);
    mbunCount = 1;
    mbunRecs[0] = {2, "飲み物"};
    seed("fuzz_masters", "mbun", mbunHozon, 7);

    setDefaultTax();
    seed("fuzz_settings", "opt", optHozon, 0);
    simeGenkin = 20;
    seed("fuzz_settings", "simebi", simebiHozon, 1);
    kesanTuki = 3;
    kesanBi = 31;
    seed("fuzz_settings", "kesan", kesanHozon, 2);
    ttidKyoutuu = 10;
    seed("fuzz_settings", "ttid", ttidHozon, 3);

    zanCount = 0;
    seed("fuzz_balances", "empty", vHozon);
    (void)setZanBalance(2, 0, 15);
    (void)setZanBalance(4, 1, -2.5);
    (void)setZanBalance(2, 1, 0.25);
    seed("fuzz_balances", "three", vHozon);

    NippouDay& d = nippouMonth[5];
    d.kingaku[7] = 12345678;
    d.kaidasiCount = 1;
    d.kaidasiGaku[0] = 1500.5;
    d.slipCount = 1;
    d.slipValues[0][8] = 3000;
    d.lineCount[0] = 2;
    d.lineMenu[0][0] = 2;
    d.lineQty[0][0] = 3;
    seed("fuzz_nippou", "month", nippouHozon);
    DenpyouDay& v = denpyouMonth[5];
    v.denpyouCount = 1;
    v.amount[0] = 1080;
    v.note[0] = "備考";
    seed("fuzz_denpyou", "month", denpyouHozon);

    fs::create_directories(out / "fuzz_kenall");
    std::ofstream(out / "fuzz_kenall" / "rows", std::ios::binary)
        << "1000001,\x93\x8c\x8b\x9e\x93\x73,\x90\xe7\x91\xe3\x93\x63\x8b\xe6,"
           "\x90\xe7\x91\xe3\x93\x63\r\n"
        << "0600000,a,b,c\r\n";
    fs::create_directories(out / "fuzz_text");
    std::ofstream(out / "fuzz_text" / "values", std::ios::binary)
        << " 1500\r\n-.25\r\n\x94\x84\x8F\xE3\r\n 1E+15,x\r\n";
    fs::remove_all(out / "tmp");
    return 0;
}
