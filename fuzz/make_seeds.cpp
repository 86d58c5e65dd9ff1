// Writes the fuzzing seeds: the demo bank in every format and variant the
// tool writes, a Waveterm B file with its header and name, a Wave 2.2 image,
// and a Halvic chunk on its own.
//
// Usage: make_fuzz_seeds <demo image> <output folder>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/loader.h"
#include "formats/corvel.h"
#include "formats/fxb_file.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/wave2v_bank.h"
#include "formats/waveterm.h"
#include "formats/file_io.h"

using namespace vornak;

namespace {

std::vector<std::uint8_t> readAll(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<std::uint8_t>(c));
        std::fclose(f);
    }
    return bytes;
}

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
    if (loadInputFile(argv[1], -1, bank) != 0) return 1;
    std::strcpy(bank.name, "Demo bank");
    std::strcpy(bank.combis[0].name, "Split");

    bool ok = exportSysEx(bank, (dir + "/bank.syx").c_str(), 0, 255) == 0 &&
              exportWavetermA(bank, (dir + "/bank_a.usr").c_str(), 0, 255) == 0 &&
              exportWavetermB(bank, (dir + "/bank.bin").c_str(), 0, 255) == 0 &&
              export2V(bank, (dir + "/bank_n.fxb").c_str(), 0, 255, 0, 0) == 0 &&
              export2V(bank, (dir + "/bank_f.fxb").c_str(), 0, 255, 1, 1) == 0 &&
              export2V(bank, (dir + "/bank_o.fxb").c_str(), 0, 255, 0, 2) == 0 &&
              exportHalvic(bank, (dir + "/bank_m.fxb").c_str(), 0, 255) == 0 &&
              exportCorvel(bank, (dir + "/bank.crv").c_str()) == 0;

    // A Waveterm B file as the disk tool writes it: "WB", length, name, image.
    std::vector<std::uint8_t> image = readAll(dir + "/bank.bin");
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
    ok = ok && loadInputFile(argv[1], 2, wave22) == 0 &&
         exportSysEx(wave22, (dir + "/bank22.syx").c_str(), 0, 255) == 0;

    // The Halvic chunk alone, as its reader receives it.
    FxbFile halvic;
    ok = ok && halvic.loadFile((dir + "/bank_m.fxb").c_str());
    if (ok) {
        const std::uint8_t* chunk = halvic.chunkData();
        ok = save(dir + "/halvic_chunk.bin", std::vector<std::uint8_t>(chunk, chunk + halvic.chunkSize()));
    }
    return ok ? 0 : 1;
}
