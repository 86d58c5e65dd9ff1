#include "cli/loader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

#include "formats/corvel.h"
#include "formats/file_io.h"
#include "formats/fxb_file.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/wave2v_bank.h"
#include "formats/wave2v_program.h"
#include "formats/waveterm.h"
#include "model/error.h"

namespace vornak {

namespace {

// The input as the readers see it: the file's bytes at data[0 .. size - 1],
// followed by zero bytes up to at least size + 2 and at least one whole
// memory image (5120 bytes), so that a short SysEx dump decodes in place
// into a whole image whose bytes beyond the file are zero.
constexpr std::size_t kSpareBytes = 2;
struct LoadInput {
    std::uint8_t* data;
    std::size_t size;
    int modelHint;
    PpgBank& bank;
    LoadOutcome& outcome;
};

// A failure of the format that was recognised: the tool's message, the exit
// code, and what it means for the user.
struct Failure {
    int code;
};

[[noreturn]] void fail(LoadInput& in, const char* reason, const char* message, int code, std::string explanation) {
    in.outcome.reason = reason;
    in.outcome.message = message;
    in.outcome.explanation = std::move(explanation);
    throw Failure{code};
}

void note(LoadInput& in, const char* code, std::string text) { in.outcome.notes.push_back({code, std::move(text)}); }

void noteTrailing(LoadInput& in, std::size_t used, const char* after) {
    if (used >= in.size) return;
    const std::size_t extra = in.size - used;
    note(in, "trailing-bytes",
         withThousands(extra) + (extra == 1 ? " byte follows " : " bytes follow ") + after + " and " +
             (extra == 1 ? "is" : "are") + " not read.");
}

// Four bytes of a file as text, for naming a plug-in by its identifier.
std::string fourChars(const std::uint8_t* p) {
    std::string text;
    for (int i = 0; i < 4; ++i) text += (p[i] >= 0x20 && p[i] < 0x7F) ? static_cast<char>(p[i]) : '?';
    return text;
}

void readRawImage(LoadInput& in) {
    in.outcome.format = "PPG memory image";
    in.bank.loadImage(in.data, in.modelHint);
    // A memory image that the model can carry whole comes back byte for byte
    // when it is stored again: every bit outside the packed fields is zero.
    // The layout is the one the image itself says, whatever the hint.
    PpgBank other(0, 0);
    if (in.modelHint != kModelDetect) other.loadImage(in.data, kModelDetect);
    const PpgBank& check = in.modelHint == kModelDetect ? in.bank : other;
    BankImage again{};
    check.storeImage(again.data(), 0, check.programCount);
    const bool clean = std::equal(again.begin(), again.end(), in.data);
    const std::size_t image = kBankImageSize;
    if (in.size != image || !clean) {
        std::string text = in.size == image
                               ? "The file has no header of a known kind, so it was read as a bare PPG memory image (" +
                                     withThousands(image) + " bytes)."
                               : "The file has no header of a known kind, so its first " + withThousands(image) +
                                     " bytes were read as a bare PPG memory image.";
        if (!clean) text += " Bits that a PPG memory always leaves empty are set in them: this is probably not a program bank.";
        note(in, "bare-image", std::move(text));
    }
    noteTrailing(in, image, "the memory image");
}

void readSysEx(LoadInput& in) {
    in.outcome.format = "V8 SysEx dump";
    const SysExScan scan = decodeSysEx(in.data, in.size);
    in.bank.loadImage(in.data, in.modelHint);
    if (scan.decoded < kBankImageSize) {
        const std::size_t whole = scan.decoded / kPackedProgramSize;
        note(in, "short-dump",
             "The dump ends after " + withThousands(scan.decoded) + " of the " + withThousands(kBankImageSize) +
                 " bytes of a program memory, so " +
                 (whole == 0 ? std::string("no program is complete")
                             : "only programs 0 to " + std::to_string(whole - 1) + " are complete") +
                 "; the rest of the bank is not in the file.");
    } else if (!scan.closed) {
        note(in, "missing-end",
             "The dump has no closing byte (F7) after its data: it may have been cut off right at its end. All " +
                 withThousands(kBankImageSize) + " bytes of the program memory are there.");
    }
    noteTrailing(in, scan.closed ? scan.end : kSysExFileSize - 1, scan.closed ? "the end of the dump (F7)" : "the dump's data");
}

// FXB files: Corvel banks (recognised by the bank header alone and then read
// from the start of the input's bytes), Halvic chunk banks, and anything else
// as a 2.V bank.
void readFxb(LoadInput& in) {
    in.outcome.format = "FXB bank";
    FxbFile file;
    if (!file.parse(in.data, in.size)) {
        const std::uint32_t kind = in.size >= 12 ? bigEndianWord(in.data + fxb::kFxMagic) : 0;
        if (kind == fxb::kFxCk || kind == fxb::kFPCh)
            fail(in, "not-a-bank", "Can't load .fxb file", 3,
                 "This is a single program (an FXP preset), not a bank. Vornak reads whole banks: save the bank "
                 "(.fxb) from the plug-in instead.");
        if (in.size >= 12 && kind != fxb::kFxBk && kind != fxb::kFBCh)
            fail(in, "not-a-bank", "Can't load .fxb file", 3,
                 "The file starts like an FXB file, but it is neither a bank of programs nor a chunk bank. Vornak "
                 "reads Waldorf 2.V, Halvic and Corvel banks.");
        fail(in, "damaged", "Can't load .fxb file", 3,
             "The file starts like an FXB bank, but its sizes do not match its contents: it is damaged or cut short. "
             "Try a fresh copy from where it came from.");
    }
    const std::uint32_t id = file.headerWord(fxb::kFxId);
    const std::string trailing = "the end of the bank's data";
    if (id == kCorvelBankId) {
        in.outcome.format = "Corvel bank";
        CorvelStream stream(in.data, in.size);
        streamCorvel(in.bank, stream);
        noteTrailing(in, in.size - stream.bytesLeft(), "the last chunk of the bank");
    } else if (id == kHalvicFxId && file.isChunkBank) {
        in.outcome.format = "Halvic bank";
        if (!loadHalvic(in.bank, file.chunkData(), file.chunkSize(), in.modelHint))
            fail(in, "damaged", "Can't load .fxb file", 3,
                 "The Halvic bank is cut short: its memory area is too small to hold a program memory. Try a fresh "
                 "copy, or save the bank again from the plug-in.");
        if (file.chunkSize() < kHalvicChunkSize)
            note(in, "short-chunk",
                 "The memory area of this Halvic bank is " + withThousands(file.chunkSize()) + " bytes where the "
                 "plug-in writes " + withThousands(kHalvicChunkSize) + "; the program memory in it was read.");
        noteTrailing(in, static_cast<std::size_t>(file.usedSize), trailing.c_str());
    } else {
        in.outcome.format = file.isChunkBank ? "Waldorf 2.V chunk bank" : "Waldorf 2.V parameter bank";
        int read = 0;
        if (!load2V(in.bank, file, &read)) {
            if (id != k2VFxId)
                fail(in, "other-plugin", "Not a valid 2.V fxb-file", 3,
                     "This FXB bank belongs to another plug-in (its identifier is '" + fourChars(in.data + fxb::kFxId) +
                         "'). Vornak reads Waldorf 2.V, Halvic and Corvel banks only.");
            fail(in, "damaged", "Not a valid 2.V fxb-file", 3,
                 "The Waldorf 2.V bank is damaged: its programs do not hold together. Try a fresh copy, or save the "
                 "bank again from the plug-in.");
        }
        if (read < in.bank.programCount)
            note(in, "count-mismatch",
                 "The bank's header announces " + std::to_string(in.bank.programCount) + " programs, but its data holds " +
                     std::to_string(read) + ": the other " + std::to_string(in.bank.programCount - read) +
                     " are default programs.");
        noteTrailing(in, static_cast<std::size_t>(file.usedSize), trailing.c_str());
    }
}

// Both Waveterm readers fill a zeroed work image, from which the memory image
// and the bank name are taken.
void takeWorkImage(LoadInput& in, const std::vector<std::uint8_t>& work, int model) {
    in.bank.loadImage(work.data(), model);
    if (work[kWorkNameOffset] != 0) takeWorkImageName(work.data(), in.bank.name);
}

void readWavetermB(LoadInput& in) {
    in.outcome.format = "Waveterm B file";
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    if (!parseWavetermB(in.data + 2, in.size - 2, work.data()))
        fail(in, "damaged", "Invalid Waveterm B Dxxx.USR file", 5,
             "The file starts like a Waveterm B file (\"WB\"), but it is too short or the length of its data is "
             "wrong. Try a fresh copy from the disk.");
    takeWorkImage(in, work, in.modelHint);
    // The header's data length L: the image and L - 5120 more bytes.
    const std::size_t length = in.data[20] * 256u + in.data[21];
    const std::size_t announced = kWavetermBImageOffset + length;
    if (in.size < announced)
        note(in, "count-mismatch",
             "The file's header announces " + withThousands(length) + " bytes of data, but the file ends after " +
                 withThousands(in.size - kWavetermBImageOffset) + " of them; the " + withThousands(kBankImageSize) +
                 " bytes of the program memory are all there.");
    noteTrailing(in, announced, "the data that the file's header announces");
}

// Waveterm A files carry no model hint of their own and the switch is not
// applied to them: the image decides. The record scan is bounded by the
// file's size, so it needs no end marker behind the data.
void readWavetermA(LoadInput& in) {
    in.outcome.format = "Waveterm A file";
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    FlexScan scan;
    if (!parseWavetermA(in.data, in.size, work.data(), &scan))
        fail(in, "damaged", "Invalid FLEX file", 5,
             "The file starts with byte 02, as Waveterm A (FLEX) files do, but its first load record is damaged. If "
             "it is not a Waveterm A file, it is in a format Vornak does not read.");
    takeWorkImage(in, work, kModelDetect);
    if (scan.imageBytesPlaced < kBankImageSize)
        note(in, "partial-image",
             "The file's load records fill only " + withThousands(scan.imageBytesPlaced) + " of the " +
                 withThousands(kBankImageSize) + " bytes of the program memory; the rest is read as zeros.");
    noteTrailing(in, in.size - scan.bytesAfterRecords, "the last load record");
}

// A format is recognised by the bytes at the very start of the file; a magic
// matches only when the file holds at least as many bytes.
struct InputFormat {
    std::span<const std::uint8_t> magic;
    void (*read)(LoadInput&);
};

constexpr std::uint8_t kFxbMagic[] = {'C', 'c', 'n', 'K'};
constexpr std::uint8_t kWavetermBMagic[] = {'W', 'B'};
constexpr std::uint8_t kWavetermAMagic[] = {0x02};

// Tested in this order; the first that matches decides.
const std::array<InputFormat, 4> kInputFormats{{
    {kSysExHeader, readSysEx},
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

// Recognises the format and reads it; failures are thrown.
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
    fail(in, "unknown-format", "Unknown file format", 6,
         in.size == 0 ? "The file is empty."
                      : "The file is none of the formats Vornak reads, and at " + withThousands(in.size) +
                            " bytes it is too short to be a bare PPG memory image (" + withThousands(kBankImageSize) +
                            " bytes). Check that it is a bank and not a single program or another kind of file.");
}

// The Corvel reader's codes come without a message.
std::string corvelExplanation(int code) {
    const char* what = "it could not be read";
    switch (code) {
    case 1: what = "its header is cut short"; break;
    case 2: what = "its header is not a Corvel bank header"; break;
    case 3: what = "its bank settings are cut short"; break;
    case 4: what = "its bank settings are damaged, or its counts are impossible"; break;
    case 6: what = "its counts of programs and combis disagree"; break;
    case 10:
    case 12: what = "a program or combi in it is cut short"; break;
    case 11: what = "a program or combi in it is damaged"; break;
    default: break;
    }
    return std::string("The Corvel bank is damaged or cut short: ") + what +
           " (code " + std::to_string(code) + "). Try a fresh copy, or save the bank again from the librarian.";
}

// Loads from a buffer laid out as LoadInput says.
LoadOutcome loadBuffer(std::uint8_t* data, std::size_t size, int modelHint, PpgBank& bank) {
    LoadOutcome outcome;
    LoadInput input{data, size, modelHint, bank, outcome};
    try {
        readInput(input);
        return outcome;
    } catch (const Failure& failure) {
        outcome.code = failure.code;
    } catch (const CodeError& error) {
        outcome.code = error.code;
        outcome.reason = "damaged";
        if (std::strcmp(outcome.format, "Corvel bank") == 0) outcome.explanation = corvelExplanation(error.code);
    } catch (...) {
        outcome.code = 99;
        outcome.reason = "unexpected";
    }
    if (outcome.explanation.empty())
        outcome.explanation = "Vornak could not read this file: an unexpected failure (code " + std::to_string(outcome.code) +
                              "). Please keep the file and report it.";
    outcome.notes.clear();
    return outcome;
}

LoadOutcome readFailure(const FileBytes& file) {
    LoadOutcome outcome;
    if (file.status == FileBytes::NoMemory) {
        outcome.code = 2;
        outcome.reason = "too-large";
        outcome.message = "Error allocating buffer";
        outcome.explanation = "The file is too large to be held in memory. Close other programs and try again, or "
                              "check that it is really a bank file.";
    } else {
        outcome.code = 1;
        outcome.reason = "no-input";
        outcome.message = "No input file";
        outcome.explanation = "The file could not be opened or read. Try choosing it again.";
    }
    return outcome;
}

} // namespace

std::string withThousands(std::uint64_t n) {
    const std::string digits = std::to_string(n);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) text += ',';
        text += digits[i];
    }
    return text;
}

LoadOutcome loadBank(const std::uint8_t* data, std::size_t size, int modelHint, PpgBank& bank) {
    FileBytes copy = copyWhole(data, size, kSpareBytes, kBankImageSize);
    if (copy.status != FileBytes::Read) return readFailure(copy);
    return loadBuffer(copy.data.get(), copy.size, modelHint, bank);
}

LoadOutcome loadFile(const char* path, int modelHint, PpgBank& bank, std::size_t inputLimit) {
    FileBytes file = readWholeFile(path, kSpareBytes, kBankImageSize, std::min(kStreamLimit, inputLimit), inputLimit);
    if (file.status != FileBytes::Read) return readFailure(file);
    return loadBuffer(file.data.get(), file.size, modelHint, bank);
}

int loadInputFile(const char* path, int modelHint, PpgBank& bank, const char** format, std::size_t inputLimit) {
    const LoadOutcome outcome = loadFile(path, modelHint, bank, inputLimit);
    if (!outcome.message.empty()) std::printf("%s\n", outcome.message.c_str());
    if (format != nullptr) *format = outcome.format;
    return outcome.code;
}

} // namespace vornak
