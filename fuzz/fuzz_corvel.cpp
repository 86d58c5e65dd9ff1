// Corvel banks read from a file of any content.

#include <cstdio>

#include "formats/corvel.h"
#include "model/error.h"

using namespace vornak;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    CorvelStream stream(fmemopen(const_cast<std::uint8_t*>(data), size, "rb"), true);
    PpgBank bank(87, 20);
    try {
        streamCorvel(bank, stream);
    } catch (const CodeError&) {
    }
    return 0;
}
