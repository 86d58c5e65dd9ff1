// Writes the fuzzing seeds: the demo bank in every format and variant the
// tool writes, a Waveterm B file with its header and name, a Wave 2.2 image,
// a Halvic chunk on its own, and FLEX disks holding the Waveterm A file.
//
// Usage: make_fuzz_seeds <demo image> <output folder>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/input.h"
#include "flex_image.h"
#include "formats/corvel.h"
#include "formats/fxb_file.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/bank_2v.h"
#include "formats/waveterm.h"
#include "io/file_io.h"

using namespace vornak;

namespace {

bool save(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    return writeWholeFile(path.c_str(), bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: make_fuzz_seeds <demo image> <output folder>\n", stderr);
        return 2;
    }
    const std::string dir = argv[2];
    if (std::freopen("/dev/null", "w", stdout) == nullptr) return 1;
    PpgBank bank(87, 20);
    if (loadInputFile(argv[1], ModelHint::Detect, bank) != 0) return 1;
    std::strcpy(bank.name, "Demo bank");
    std::strcpy(bank.combis[0].name, "Split");

    const std::vector<std::uint8_t> image = exportWavetermB(bank, 0, 255);
    const std::vector<std::uint8_t> halvicFile = exportHalvic(bank, 0, 255);
    bool ok = save(dir + "/bank.syx", exportSysEx(bank, 0, 255)) && save(dir + "/bank_a.usr", exportWavetermA(bank, 0, 255)) &&
              save(dir + "/bank.bin", image) &&
              save(dir + "/bank_n.fxb", export2V(bank, 0, 255, kGroupA, Layout2V::ParameterBank)) &&
              save(dir + "/bank_f.fxb", export2V(bank, 0, 255, kGroupB, Layout2V::ChunkBankV1)) &&
              save(dir + "/bank_o.fxb", export2V(bank, 0, 255, kGroupA, Layout2V::ChunkBankV123)) &&
              save(dir + "/bank_m.fxb", halvicFile) && save(dir + "/bank.crv", exportCorvel(bank));

    // A Waveterm B file as the disk tool writes it: "WB", length, name, image.
    std::vector<std::uint8_t> usr(102, 0);
    usr[0] = 'W';
    usr[1] = 'B';
    usr[20] = 0x14; // 5120
    std::memset(usr.data() + 38, ' ', 64);
    std::memcpy(usr.data() + 38, "Demo bank", 9);
    usr.insert(usr.end(), image.begin(), image.end());
    ok = ok && save(dir + "/bank_b.usr", usr);

    // The same programs as a Wave 2.2 memory (100 programs, no combis).
    PpgBank wave22(87, 20);
    ok = ok && loadInputFile(argv[1], ModelHint::Wave22, wave22) == 0 &&
         save(dir + "/bank22.syx", exportSysEx(wave22, 0, 255));

    // The Halvic chunk alone, as its reader receives it.
    FxbFile halvic;
    ok = ok && halvic.parse(halvicFile.data(), halvicFile.size());
    if (ok) {
        const std::uint8_t* chunk = halvic.chunkData();
        ok = save(dir + "/halvic_chunk.bin", std::vector<std::uint8_t>(chunk, chunk + halvic.chunkSize()));
    }
    // A FLEX disk as a raw image (the smallest disk FLEX formats) and a smaller
    // one as an ImageDisk file, whose second file loops and whose third has a
    // sector read with a data error.
    const std::vector<std::uint8_t> wavetermA = exportWavetermA(bank, 0, 255);
    test::FlexImage raw;
    raw.addFile("D001.USR", wavetermA);
    raw.addFile("D002.USR", usr, {.deleted = true});
    test::FlexImage small({.tracks = 6});
    small.addFile("D001.USR", wavetermA);
    const auto loop = small.addFile("LOOP.USR", std::vector<std::uint8_t>(600, 0x55));
    small.link(loop[2], loop[0]);
    small.markDataError(small.addFile("D003.USR", usr)[1]);
    ok = ok && save(dir + "/flex.dsk", raw.raw()) && save(dir + "/flex.imd", small.imageDisk());
    return ok ? 0 : 1;
}
