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
    fuzz::roundTripPicked(families, data, size);
    return 0;
}
