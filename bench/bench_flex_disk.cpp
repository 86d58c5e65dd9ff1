// Reading a full FLEX disk: an 80-track double-sided disk of 18 sectors a
// side, full of Waveterm A files (135 of 21 sectors), as a raw image and as
// an ImageDisk file. Each run reads the SIR and the directory, follows every
// chain, and copies every file off the disk; the last benchmark also loads
// each file as a bank.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

#include "flex_image.h"
#include "formats/flex_disk.h"
#include "library/loader.h"

using namespace vornak;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A Waveterm A file of random programs: 21 load records, 5204 bytes.
Bytes wavetermFile(unsigned seed) {
    std::mt19937 rng(seed);
    Bytes b;
    for (unsigned address = 0; address < 5120; address += 255) {
        const unsigned n = std::min(255u, 5120 - address);
        b.insert(b.end(), {0x02, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(n)});
        for (unsigned i = 0; i < n; ++i) b.push_back(static_cast<std::uint8_t>(rng() & 0x7F));
    }
    return b;
}

const test::FlexImage& fullDisk() {
    static const test::FlexImage image = [] {
        test::FlexImage disk({.tracks = 80, .sectorsPerSide = 18, .sides = 2});
        for (unsigned i = 0; i < 135; ++i) {
            std::string name = "D";
            name += std::to_string(100 + i);
            disk.addFile(name + ".USR", wavetermFile(i));
        }
        return disk;
    }();
    return image;
}

void readWholeDisk(benchmark::State& state, const Bytes& image, bool loadBanks) {
    for (auto _ : state) {
        const FlexDiskRead read = readFlexDisk(image);
        if (read.disk.files.size() != 135) std::abort();
        for (const FlexFile& f : read.disk.files) {
            const FlexFileRead file = readFlexFile(read.disk, f.name);
            if (file.failure != FlexFileFailure::None) std::abort();
            if (loadBanks) {
                PpgBank bank(87, 20);
                if (loadBank(file.bytes.data(), file.bytes.size(), ModelHint::Detect, bank).code != 0) std::abort();
                benchmark::DoNotOptimize(bank.programs.data());
            }
            benchmark::DoNotOptimize(file.bytes.data());
        }
    }
}

void BM_ReadFlexDiskRaw(benchmark::State& state) { readWholeDisk(state, fullDisk().raw(), false); }
void BM_ReadFlexDiskImageDisk(benchmark::State& state) { readWholeDisk(state, fullDisk().imageDisk(), false); }
void BM_ReadFlexDiskRawBanks(benchmark::State& state) { readWholeDisk(state, fullDisk().raw(), true); }

} // namespace

BENCHMARK(BM_ReadFlexDiskRaw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadFlexDiskImageDisk)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadFlexDiskRawBanks)->Unit(benchmark::kMicrosecond);
