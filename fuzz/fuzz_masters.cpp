#include "fuzz_support.h"
#include "storage/masters.h"

namespace {
const fuzz::Family families[] = {
    {"misena.dat", lukana::misenaModosi, lukana::misenaHozon},
    {"tekiyou.dat", lukana::tekiyouModosi, lukana::tekiyouHozon},
    {"ty.dat", lukana::tyModosi, lukana::tyHozon},
    {"siire.dat", lukana::siireModosi, lukana::siireHozon},
    {"kouza.dat", lukana::kouzaModosi, lukana::kouzaHozon},
    {"kanri.dat", lukana::kanriModosi, lukana::kanriHozon},
    {"menud.dat", lukana::menudModosi, lukana::menudHozon},
    {"mbun.dat", lukana::mbunModosi, lukana::mbunHozon},
};
} // namespace

// The first byte picks the master file, the rest is its content.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const fuzz::Family& f = families[data[0] % std::size(families)];
    fuzz::roundTrip(f.name, data + 1, size - 1, f.read, f.write);
    return 0;
}
