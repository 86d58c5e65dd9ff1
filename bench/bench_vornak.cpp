// Micro-benchmarks of the work inside one run: decoding and encoding a full
// memory image, each reader on data in memory, each writer, and the listing
// of a full bank. Writers write to /dev/null, so their figures include one
// open, write and close.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "formats/corvel.h"
#include "formats/fxb_file.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/wave2v_bank.h"
#include "formats/waveterm.h"
#include "listing/listing.h"
#include "model/error.h"

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
        b.loadImage(image.data(), -1);
        std::strcpy(b.name, "Benchmark");
        return b;
    }();
    return bank;
}

Bytes readAll(const std::string& path) {
    Bytes bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<std::uint8_t>(c));
        std::fclose(f);
    }
    return bytes;
}

// The sample bank as a file of the given export, kept in memory.
Bytes exported(const std::function<int(const std::string&)>& write) {
    const std::string path = "/tmp/vornak-bench-export";
    if (write(path) != 0) std::abort();
    Bytes bytes = readAll(path);
    std::remove(path.c_str());
    return bytes;
}

void BM_LoadImage(benchmark::State& state) {
    const BankImage image = sampleImage();
    PpgBank bank(87, 20);
    for (auto _ : state) {
        bank.loadImage(image.data(), -1);
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
    const Bytes file = exported([](const std::string& p) { return exportSysEx(sampleBank(), p.c_str(), 0, 255); });
    Bytes buffer(file.size() + 2);
    PpgBank bank(87, 20);
    for (auto _ : state) {
        std::memcpy(buffer.data(), file.data(), file.size());
        decodeSysEx(buffer.data(), file.size());
        bank.loadImage(buffer.data(), -1);
    }
}
BENCHMARK(BM_ReadSysEx);

void BM_ReadWavetermA(benchmark::State& state) {
    const Bytes file = exported([](const std::string& p) { return exportWavetermA(sampleBank(), p.c_str(), 0, 255); });
    std::vector<std::uint8_t> work(kWorkImageSize);
    PpgBank bank(87, 20);
    for (auto _ : state) {
        std::fill(work.begin(), work.end(), 0);
        parseWavetermA(file.data(), file.size(), work.data());
        bank.loadImage(work.data(), -1);
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
        bank.loadImage(work.data(), -1);
    }
}
BENCHMARK(BM_ReadWavetermB);

void BM_ReadTwoV(benchmark::State& state) {
    const int variant = static_cast<int>(state.range(0));
    const Bytes file = exported([variant](const std::string& p) { return export2V(sampleBank(), p.c_str(), 0, 255, 0, variant); });
    PpgBank bank(87, 20);
    for (auto _ : state) {
        FxbFile fxb;
        fxb.parse(file.data(), file.size());
        load2V(bank, fxb);
    }
}
BENCHMARK(BM_ReadTwoV)->Arg(0)->Arg(1)->Arg(2);

void BM_ReadHalvic(benchmark::State& state) {
    const Bytes file = exported([](const std::string& p) { return exportHalvic(sampleBank(), p.c_str(), 0, 255); });
    PpgBank bank(87, 20);
    for (auto _ : state) {
        FxbFile fxb;
        fxb.parse(file.data(), file.size());
        loadHalvic(bank, fxb.chunkData(), fxb.chunkSize(), -1);
    }
}
BENCHMARK(BM_ReadHalvic);

void BM_ReadCorvel(benchmark::State& state) {
    Bytes file = exported([](const std::string& p) { return exportCorvel(sampleBank(), p.c_str()); });
    PpgBank bank(87, 20);
    for (auto _ : state) {
        CorvelStream stream(file.data(), file.size());
        streamCorvel(bank, stream);
    }
}
BENCHMARK(BM_ReadCorvel);

void BM_Write(benchmark::State& state) {
    const PpgBank& bank = sampleBank();
    const auto kind = state.range(0);
    for (auto _ : state) {
        switch (kind) {
        case 0: exportSysEx(bank, "/dev/null", 0, 255); break;
        case 1: exportWavetermA(bank, "/dev/null", 0, 255); break;
        case 2: exportWavetermB(bank, "/dev/null", 0, 255); break;
        case 3: export2V(bank, "/dev/null", 0, 255, 0, 0); break;
        case 4: export2V(bank, "/dev/null", 0, 255, 0, 2); break;
        case 5: exportHalvic(bank, "/dev/null", 0, 255); break;
        default: exportCorvel(bank, "/dev/null"); break;
        }
    }
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

} // namespace

BENCHMARK_MAIN();
