// Halvic chunks of any size: model guess, image and tuning.

#include "formats/halvic.h"

using namespace vornak;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const ModelHint hint : {ModelHint::Detect, ModelHint::Wave23}) {
        PpgBank bank(87, 20);
        loadHalvic(bank, data, size, hint);
    }
    return 0;
}
