// Micro-benchmarks of the work inside one run: decoding and encoding a full
// memory image, each reader on data in memory, each writer, and the listing
// of a full bank. Writers write to /dev/null, so their figures include one
// open, write and close.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "formats/corvel.h"
#include "formats/fxb_file.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/bank_2v.h"
#include "formats/waveterm.h"
#include "io/file_io.h"
#include "library/listed_values.h"
#include "library/sounds.h"
#include "library/format_table.h"
#include "listing/listing.h"
#include "model/failure.h"

using namespace vornak;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A Wave 2.3 memory image of random programs with every combi in use.
BankImage sampleImage() {
    std::mt19937 rng(1);
    BankImage image{};
    for (auto& b : image) b = static_cast<std::uint8_t>(rng());
    for (int i = 0; i < kImageCombis; ++i) image[static_cast<std::size_t>(kCombiAreaOffset + 32 * i + 31)] = 0x55;
    return image;
}

const PpgBank& sampleBank() {
    static PpgBank bank = [] {
        PpgBank b(87, 20);
        const BankImage image = sampleImage();
        b.loadImage(image.data(), ModelHint::Detect);
        std::strcpy(b.name, "Benchmark");
        return b;
    }();
    return bank;
}

// The sample bank as the file of an export switch, kept in memory.
Bytes exported(char letter) {
    const Bytes bytes = exportFormatForLetter(letter)->exporter(sampleBank(), {});
    if (bytes.empty()) std::abort();
    return bytes;
}

void BM_LoadImage(benchmark::State& state) {
    const BankImage image = sampleImage();
    PpgBank bank(87, 20);
    for (auto _ : state) {
        bank.loadImage(image.data(), ModelHint::Detect);
        benchmark::DoNotOptimize(bank.programs.data());
    }
}
BENCHMARK(BM_LoadImage);

void BM_StoreImage(benchmark::State& state) {
    const PpgBank& bank = sampleBank();
    for (auto _ : state) {
        BankImage image{};
        bank.storeImage(image.data(), 0, 255);
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(BM_StoreImage);

void BM_ReadSysEx(benchmark::State& state) {
    const Bytes file = exported('s');
    Bytes buffer(file.size() + 2);
    PpgBank bank(87, 20);
    for (auto _ : state) {
        std::memcpy(buffer.data(), file.data(), file.size());
        decodeSysEx(buffer.data(), file.size());
        bank.loadImage(buffer.data(), ModelHint::Detect);
    }
}
BENCHMARK(BM_ReadSysEx);

void BM_ReadWavetermA(benchmark::State& state) {
    const Bytes file = exported('a');
    std::vector<std::uint8_t> work(kWorkImageSize);
    PpgBank bank(87, 20);
    for (auto _ : state) {
        std::fill(work.begin(), work.end(), 0);
        parseWavetermA(file.data(), file.size(), work.data());
        bank.loadImage(work.data(), ModelHint::Detect);
    }
}
BENCHMARK(BM_ReadWavetermA);

void BM_ReadWavetermB(benchmark::State& state) {
    Bytes file(102, 0);
    file[0] = 'W';
    file[1] = 'B';
    file[20] = 0x14;
    const BankImage image = sampleImage();
    file.insert(file.end(), image.begin(), image.end());
    std::vector<std::uint8_t> work(kWorkImageSize);
    PpgBank bank(87, 20);
    for (auto _ : state) {
        std::fill(work.begin(), work.end(), 0);
        parseWavetermB(file.data() + 2, file.size() - 2, work.data());
        bank.loadImage(work.data(), ModelHint::Detect);
    }
}
BENCHMARK(BM_ReadWavetermB);

void BM_Read2V(benchmark::State& state) {
    const Bytes file = exported("nfo"[state.range(0)]);
    PpgBank bank(87, 20);
    for (auto _ : state) {
        FxbFile fxb;
        fxb.parse(file.data(), file.size());
        load2V(bank, fxb);
    }
}
// 0 a parameter bank (/N), 1 a chunk bank (/F), 2 a chunk bank (/O).
BENCHMARK(BM_Read2V)->Arg(0)->Arg(1)->Arg(2);

void BM_ReadHalvic(benchmark::State& state) {
    const Bytes file = exported('m');
    PpgBank bank(87, 20);
    for (auto _ : state) {
        FxbFile fxb;
        fxb.parse(file.data(), file.size());
        loadHalvic(bank, fxb.chunkData(), fxb.chunkSize(), ModelHint::Detect);
    }
}
BENCHMARK(BM_ReadHalvic);

void BM_ReadCorvel(benchmark::State& state) {
    Bytes file = exported('w');
    PpgBank bank(87, 20);
    for (auto _ : state) {
        CorvelStream stream(file.data(), file.size());
        streamCorvel(bank, stream);
    }
}
BENCHMARK(BM_ReadCorvel);

void BM_Write(benchmark::State& state) {
    const PpgBank& bank = sampleBank();
    const ExportFormat& format = *exportFormatForLetter("sabnomw"[state.range(0)]);
    for (auto _ : state) writeExport("/dev/null", format.exporter(bank, {}));
}
// 0 SysEx, 1 Waveterm A, 2 Waveterm B, 3 2.V parameter bank, 4 2.V chunk bank,
// 5 Halvic, 6 Corvel.
BENCHMARK(BM_Write)->DenseRange(0, 6);

void BM_Listing(benchmark::State& state) {
    const PpgBank& bank = sampleBank();
    std::FILE* devNull = std::fopen("/dev/null", "w");
    for (auto _ : state) printListing(bank, 0, 255, devNull);
    std::fclose(devNull);
}
BENCHMARK(BM_Listing);

// The five sounds nearest to one, among the sounds of a collection of
// 1,000 banks of 100 programs (random memory images).
void BM_NearestSounds(benchmark::State& state) {
    std::mt19937 rng(1);
    std::vector<std::string> sounds;
    PpgBank bank(0, 0);
    for (int b = 0; b < 1000; ++b) {
        BankImage image{};
        for (auto& byte : image) byte = static_cast<std::uint8_t>(rng());
        bank.loadImage(image.data(), ModelHint::Wave22);
        for (int p = 0; p < bank.programCount(); ++p) sounds.push_back(soundOf(bank.programs[static_cast<std::size_t>(p)]));
    }
    std::string texts;
    for (const std::string& s : sounds) texts += s + "\n";
    SoundIndex index;
    // 0: the sounds read and searched; 1: searched again, as read before.
    if (state.range(0) == 1) index.assign(texts);
    for (auto _ : state) {
        if (state.range(0) == 0) index.assign(texts);
        benchmark::DoNotOptimize(index.nearest(sounds[12345], 5));
    }
}
BENCHMARK(BM_NearestSounds)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
