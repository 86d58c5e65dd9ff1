#include "cli/loader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <vector>

#include "formats/corvel.h"
#include "formats/file_io.h"
#include "formats/fxb_file.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/wave2v_bank.h"
#include "formats/waveterm.h"
#include "model/error.h"

namespace vornak {

namespace {

// The input as the readers see it: the file's bytes at data[0 .. size - 1],
// followed by zero bytes up to at least size + 2 and at least one whole
// memory image (5120 bytes).
struct LoadInput {
    std::uint8_t* data;
    std::size_t size;
    int modelHint;
    PpgBank& bank;
    const char* format = ""; // the format recognised, as the user knows it
};

[[noreturn]] void fail(const char* message, int code) {
    std::fputs(message, stdout);
    raiseCode(code);
}

void readRawImage(LoadInput& in) {
    in.format = "PPG memory image";
    in.bank.loadImage(in.data, in.modelHint);
}

void readSysEx(LoadInput& in) {
    in.format = "V8 SysEx dump";
    decodeSysEx(in.data, in.size);
    in.bank.loadImage(in.data, in.modelHint);
}

// FXB files: Corvel banks (recognised by the bank header alone and then read
// from the start of the input's bytes), Halvic chunk banks, and anything else
// as a 2.V bank.
void readFxb(LoadInput& in) {
    in.format = "FXB bank";
    FxbFile file;
    if (!file.parse(in.data, in.size)) fail("Can't load .fxb file\n", 3);
    const std::uint32_t id = file.headerWord(fxb::kFxId);
    if (id == kCorvelBankId) {
        in.format = "Corvel bank";
        CorvelStream stream(in.data, in.size);
        streamCorvel(in.bank, stream);
    } else if (id == kHalvicFxId && file.isChunkBank) {
        in.format = "Halvic bank";
        if (!loadHalvic(in.bank, file.chunkData(), file.chunkSize(), in.modelHint)) fail("Can't load .fxb file\n", 3);
    } else {
        in.format = file.isChunkBank ? "Waldorf 2.V chunk bank" : "Waldorf 2.V parameter bank";
        if (!load2V(in.bank, file)) fail("Not a valid 2.V fxb-file\n", 3);
    }
}

// Both Waveterm readers fill a zeroed work image, from which the memory image
// and the bank name are taken.
using WavetermParser = bool (*)(const std::uint8_t*, std::size_t, std::uint8_t*);

void readWaveterm(LoadInput& in, WavetermParser parse, std::size_t skip, const char* message, int model) {
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    if (!parse(in.data + skip, in.size - skip, work.data())) fail(message, 5);
    in.bank.loadImage(work.data(), model);
    if (work[kWorkNameOffset] != 0) takeWorkImageName(work.data(), in.bank.name);
}

void readWavetermB(LoadInput& in) {
    in.format = "Waveterm B file";
    readWaveterm(in, parseWavetermB, 2, "Invalid Waveterm B Dxxx.USR file\n", in.modelHint);
}

// Waveterm A files carry no model hint of their own and the switch is not
// applied to them: the image decides. The record scan is bounded by the
// file's size, so it needs no end marker behind the data.
void readWavetermA(LoadInput& in) {
    in.format = "Waveterm A file";
    readWaveterm(in, parseWavetermA, 0, "Invalid FLEX file\n", kModelDetect);
}

// A format is recognised by the bytes at the very start of the file; a magic
// matches only when the file holds at least as many bytes.
struct InputFormat {
    std::span<const std::uint8_t> magic;
    void (*read)(LoadInput&);
};

constexpr std::uint8_t kSysExMagic[] = {0xF0, 0x29, 0x01, 0x0D};
constexpr std::uint8_t kFxbMagic[] = {'C', 'c', 'n', 'K'};
constexpr std::uint8_t kWavetermBMagic[] = {'W', 'B'};
constexpr std::uint8_t kWavetermAMagic[] = {0x02};

// Tested in this order; the first that matches decides.
const std::array<InputFormat, 4> kInputFormats{{
    {kSysExMagic, readSysEx},
    {kFxbMagic, readFxb},
    {kWavetermBMagic, readWavetermB},
    {kWavetermAMagic, readWavetermA},
}};

bool startsWith(const LoadInput& in, std::span<const std::uint8_t> magic) {
    if (in.size < magic.size()) return false;
    for (std::size_t i = 0; i < magic.size(); ++i)
        if (in.data[i] != magic[i]) return false;
    return true;
}

// Recognises the format and reads it; messages are printed, codes thrown.
void readInput(LoadInput& in) {
    for (const InputFormat& format : kInputFormats) {
        if (!startsWith(in, format.magic)) continue;
        format.read(in);
        return;
    }
    if (in.size >= static_cast<std::size_t>(kBankImageSize)) {
        readRawImage(in);
        return;
    }
    fail("Unknown file format\n", 6);
}

} // namespace

int loadInputFile(const char* path, int modelHint, PpgBank& bank, const char** format, std::size_t inputLimit) {
    if (format != nullptr) *format = "";
    // The file plus two spare bytes; never less than one memory image, so that
    // a short SysEx dump decodes in place into a whole image whose bytes
    // beyond the file are zero.
    FileBytes file = readWholeFile(path, 2, kBankImageSize, std::min(kStreamLimit, inputLimit), inputLimit);
    if (file.status == FileBytes::NoMemory) {
        std::fputs("Error allocating buffer\n", stdout);
        return 2;
    }
    if (file.status != FileBytes::Read) {
        std::fputs("No input file\n", stdout);
        return 1;
    }

    LoadInput input{file.data.get(), file.size, modelHint, bank};
    int code = 0;
    try {
        readInput(input);
    } catch (const CodeError& error) {
        code = error.code;
    } catch (...) {
        code = 99;
    }
    if (format != nullptr) *format = input.format;
    return code;
}

} // namespace vornak
