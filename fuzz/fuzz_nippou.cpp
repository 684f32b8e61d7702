#include "fuzz_support.h"
#include "storage/months.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip("20037.dat", data, size, lukana::nippouModosi, lukana::nippouHozon);
    return 0;
}
