#include "fuzz_support.h"
#include "storage/months.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip("20037u.dat", data, size, lukana::denpyouModosi, lukana::denpyouHozon);
    return 0;
}
