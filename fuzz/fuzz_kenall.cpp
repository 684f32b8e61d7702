#include "fuzz_support.h"
#include "storage/masters.h"

// The postal table is only read: every row counted must hold four values.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    lukana::filePath = fuzz::store("KenAll.csv", data, size);
    if (!lukana::kenAllModosi().ok())
        return 0;
    if (lukana::kenAllCount < 0 || lukana::kenAllCount > lukana::kKenAllCapacity ||
        static_cast<size_t>(lukana::kenAllCount) > lukana::kenAllRows.size())
        fuzz::fail("row count out of range", std::to_string(lukana::kenAllCount));
    return 0;
}
