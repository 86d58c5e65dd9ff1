// Waveterm A (FLEX records) or Waveterm B, chosen at build time by
// WAVETERM_B: the records replayed into the work image, the bank and its name
// taken from it.

#include <vector>

#include "formats/waveterm.h"

using namespace vornak;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
#ifdef WAVETERM_B
    if (size < 2) return 0;
    const bool ok = parseWavetermB(data + 2, size - 2, work.data());
#else
    const bool ok = parseWavetermA(data, size, work.data());
#endif
    if (!ok) return 0;
    PpgBank bank(87, 20);
    bank.loadImage(work.data(), ModelHint::Detect);
    takeWorkImageName(work.data(), bank.name);
    return 0;
}
