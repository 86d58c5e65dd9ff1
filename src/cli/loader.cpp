#include "cli/loader.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <new>
#include <span>
#include <vector>

#include "formats/corvel.h"
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
    const char* path; // for readers that open the file a second time
    int modelHint;
    PpgBank& bank;
};

[[noreturn]] void fail(const char* message, int code) {
    std::fputs(message, stdout);
    raiseCode(code);
}

void readRawImage(LoadInput& in) { in.bank.loadImage(in.data, in.modelHint); }

void readSysEx(LoadInput& in) {
    decodeSysEx(in.data, in.size);
    in.bank.loadImage(in.data, in.modelHint);
}

// FXB files: Corvel banks (recognised by the bank header alone and read again
// from the file), Halvic chunk banks, and anything else as a 2.V bank.
void readFxb(LoadInput& in) {
    FxbFile file;
    if (!file.parse(in.data, in.size)) fail("Can't load .fxb file\n", 3);
    const std::uint32_t id = file.headerWord(fxb::kFxId);
    if (id == kCorvelBankId) {
        CorvelStream stream(std::fopen(in.path, "rb"), true);
        streamCorvel(in.bank, stream);
    } else if (id == kHalvicFxId && file.isChunkBank) {
        if (!loadHalvic(in.bank, file.chunkData(), file.chunkSize(), in.modelHint)) fail("Can't load .fxb file\n", 3);
    } else if (!load2V(in.bank, file)) {
        fail("Not a valid 2.V fxb-file\n", 3);
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
    readWaveterm(in, parseWavetermB, 2, "Invalid Waveterm B Dxxx.USR file\n", in.modelHint);
}

// Waveterm A files carry no model hint of their own and the switch is not
// applied to them: the image decides.
void readWavetermA(LoadInput& in) {
    in.data[in.size] = 0xFF; // end marker behind the data, as the record scan expects
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

int loadInputFile(const char* path, int modelHint, PpgBank& bank) {
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        std::fputs("No input file\n", stdout);
        return 1;
    }
    // A folder opens too, but cannot be read: a first read tells, before the
    // size it claims is trusted.
    std::fgetc(file);
    long length = -1;
    if (!std::ferror(file) && std::fseek(file, 0, SEEK_END) == 0) length = std::ftell(file);
    if (length < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        std::fputs("No input file\n", stdout);
        return 1;
    }
    const auto size = static_cast<std::size_t>(length);
    // The file plus two spare bytes; never less than one memory image, so that
    // a short SysEx dump decodes in place into a whole image whose bytes
    // beyond the file are zero.
    const std::size_t capacity = std::max(size + 2, static_cast<std::size_t>(kBankImageSize));
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[capacity]);
    if (!buffer) {
        std::fclose(file);
        std::fputs("Error allocating buffer\n", stdout);
        return 2;
    }
    const std::size_t got = std::fread(buffer.get(), 1, size, file);
    std::fclose(file);
    if (got != size) {
        std::fputs("No input file\n", stdout);
        return 1;
    }
    std::fill(buffer.get() + size, buffer.get() + capacity, std::uint8_t{0});

    LoadInput input{buffer.get(), size, path, modelHint, bank};
    try {
        readInput(input);
    } catch (const CodeError& error) {
        return error.code;
    } catch (...) {
        return 99;
    }
    return 0;
}

} // namespace vornak
