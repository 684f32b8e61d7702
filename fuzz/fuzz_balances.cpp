#include "fuzz_support.h"
#include "storage/balances.h"

// The cash book's balance file; the lookup must answer for whatever table loads.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::roundTrip("20043v.dat", data, size, lukana::vModosi, lukana::vHozon);
    (void)lukana::findZanBalance(2, 0);
    return 0;
}
