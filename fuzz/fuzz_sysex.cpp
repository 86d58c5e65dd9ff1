// V8 SysEx decoding in place and loading of the image.

#include <algorithm>
#include <vector>

#include "formats/sysex.h"

using namespace vornak;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // As the loader holds it: the file, then zeros up to at least one image.
    std::vector<std::uint8_t> buffer(std::max<std::size_t>(size + 2, kBankImageSize), 0);
    std::copy(data, data + size, buffer.begin());
    decodeSysEx(buffer.data(), size);
    PpgBank bank(87, 20);
    bank.loadImage(buffer.data(), ModelHint::Detect);
    return 0;
}
