// The loader as a whole: any file in, a bank (or an error code) out; the
// bank is then listed and stored into a memory image.

#include <cstdio>

#include "cli/loader.h"
#include "fuzz_support.h"
#include "listing/listing.h"

using namespace vornak;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::silenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = fuzz::scratchPath("loader");
    fuzz::writeScratch(path, data, size);
    PpgBank bank(87, 20);
    // The model hint comes from the last byte, so that all three are tried.
    const int hints[] = {-1, 2, 3};
    const int hint = size == 0 ? -1 : hints[data[size - 1] % 3];
    if (loadInputFile(path.c_str(), hint, bank) != 0) return 0;
    printListing(bank, 0, 255, stdout);
    BankImage image{};
    bank.storeImage(image.data(), 0, 255);
    return 0;
}
