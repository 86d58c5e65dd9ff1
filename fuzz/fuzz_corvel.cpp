// Corvel banks read from bytes of any content.

#include "formats/corvel.h"
#include "model/failure.h"

using namespace vornak;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CorvelStream stream(data, size);
    PpgBank bank(87, 20);
    try {
        streamCorvel(bank, stream);
    } catch (const CodeError&) {
    }
    return 0;
}
