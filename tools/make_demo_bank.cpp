// Writes the demo bank that ships in examples/: a Wave 2.3 memory image with
// varied programs and a few combis in use, built through the bank model so
// that every packed field holds a value the format can carry.
//
// Usage: make_demo_bank <output file>

#include <cstdio>

#include "model/ppg_bank.h"

using namespace vornak;

namespace {

// A small deterministic generator, so the file is the same on every machine.
struct Lcg {
    unsigned state;
    unsigned next(unsigned bound) {
        state = state * 1103515245u + 12345u;
        return (state >> 16) % bound;
    }
};

void varyProgram(PpgProgram& p, int number, Lcg& rng) {
    p.programValues[kWavetable] = static_cast<int>(rng.next(32));
    p.programValues[kKeyboardMode] = static_cast<int>(rng.next(16));
    p.programValues[kKeyboardSplit] = static_cast<int>(rng.next(64));
    for (int g = 0; g < 2; ++g) {
        for (const ParamField& row : kGroupFields) {
            const unsigned stored = rng.next(row.mask + 1u);
            p.groups[g][row.index] = static_cast<int>(stored) * row.scale;
        }
        // Keep the first programs close to the default sound, the rest free.
        if (number < 4) p.groups[g][kModeNumber] = number;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: make_demo_bank <output file>\n", stderr);
        return 1;
    }
    PpgBank bank(87, 20);
    Lcg rng{2310};
    for (int j = 0; j < 87; ++j) {
        PpgProgram& p = bank.programs[static_cast<std::size_t>(j)];
        p.reset();
        if (j % 5 != 4) varyProgram(p, j, rng); // every fifth program stays the default sound
    }
    const int usedCombis[] = {0, 1, 2, 7, 19};
    for (int i : usedCombis) {
        PpgCombi& c = bank.combis[static_cast<std::size_t>(i)];
        c.used = 1;
        c.firstByte = static_cast<int>(rng.next(256));
        for (int& b : c.bk) b = static_cast<int>(rng.next(87));
        c.kbm = static_cast<int>(rng.next(256));
        c.multi = static_cast<int>(rng.next(4));
        for (CombiGroup* g : {&c.groupA, &c.groupB}) {
            g->bkIndex = static_cast<int>(rng.next(8));
            g->det = static_cast<int>(rng.next(4));
            for (int& key : g->split) key = 36 + static_cast<int>(rng.next(61));
        }
    }
    // Combi 3 holds values but is not in use: it must not be listed.
    bank.combis[3].bk[0] = 12;

    BankImage image{};
    bank.storeImage(image.data(), 0, 255);
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr || std::fwrite(image.data(), 1, image.size(), out) != image.size()) {
        std::fputs("cannot write the demo bank\n", stderr);
        if (out != nullptr) std::fclose(out);
        return 1;
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
