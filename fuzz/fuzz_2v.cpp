// 2.V banks: parameter and chunk banks mapped into the bank, then listed.

#include <cstdio>

#include "formats/bank_2v.h"
#include "fuzz_support.h"
#include "listing/listing.h"

using namespace vornak;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::silenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FxbFile file;
    if (!file.parse(data, size)) return 0;
    PpgBank bank(87, 20);
    if (!load2V(bank, file)) return 0;
    printListing(bank, 0, 255, stdout);
    return 0;
}
