#include "fuzz_support.h"
#include "storage/masters.h"
#include "storage/settings.h"

namespace {
const fuzz::Family families[] = {
    {"opt.dat", lukana::optModosi, lukana::optHozon},
    {"simebi.dat", lukana::simebiModosi, lukana::simebiHozon},
    {"kesan.dat", lukana::kesanModosi, lukana::kesanHozon},
    {"ttid.dat", lukana::ttidModosi, lukana::ttidHozon},
};
} // namespace

// The first byte picks the settings file; the tax lookup must answer for whatever table loads.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const fuzz::Family* f = fuzz::roundTripPicked(families, data, size);
    if (f && f->read == lukana::optModosi)
        (void)lukana::Zeiritu(2003, 2, 30);
    return 0;
}
