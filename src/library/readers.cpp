#include "library/readers.h"

#include <algorithm>
#include <vector>

#include "formats/corvel.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/bank_2v.h"
#include "formats/program_2v.h"
#include "formats/waveterm.h"

namespace vornak {

void fail(LoadInput& in, const char* message, int code, std::string explanation) {
    in.outcome.message = message;
    in.outcome.explanation = std::move(explanation);
    throw ReadFailure{code};
}

void note(LoadInput& in, NoteCode code, std::string text) { in.outcome.notes.push_back({code, std::move(text)}); }

namespace {

void noteTrailing(LoadInput& in, std::size_t used, const char* after) {
    if (used >= in.size) return;
    const std::size_t extra = in.size - used;
    note(in, NoteCode::TrailingBytes,
         withThousands(extra) + (extra == 1 ? " byte follows " : " bytes follow ") + after + " and " +
             (extra == 1 ? "is" : "are") + " not read.");
}

constexpr const char* kFxbTrailing = "the end of the bank's data";

// Four bytes of a file as text, for naming a plug-in by its identifier.
std::string fourChars(const std::uint8_t* p) {
    std::string text;
    for (int i = 0; i < 4; ++i) text += (p[i] >= 0x20 && p[i] < 0x7F) ? static_cast<char>(p[i]) : '?';
    return text;
}

// Both Waveterm readers fill a zeroed work image, from which the memory image
// and the bank name are taken.
void takeWorkImage(LoadInput& in, const std::vector<std::uint8_t>& work, ModelHint hint) {
    in.bank.loadImage(work.data(), hint);
    if (work[kWorkNameOffset] != 0) takeWorkImageName(work.data(), in.bank.name);
}

} // namespace

void readMemoryImage(LoadInput& in) {
    in.bank.loadImage(in.data, in.hint);
    // A memory image that the model can carry whole comes back byte for byte
    // when it is stored again: every bit outside the packed fields is zero.
    // The layout is the one the image itself says, whatever the hint.
    PpgBank other(0, 0);
    if (in.hint != ModelHint::Detect) other.loadImage(in.data, ModelHint::Detect);
    const PpgBank& check = in.hint == ModelHint::Detect ? in.bank : other;
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
        note(in, NoteCode::BareImage, std::move(text));
    }
    noteTrailing(in, image, "the memory image");
}

void readSysEx(LoadInput& in) {
    const SysExScan scan = decodeSysEx(in.data, in.size);
    in.bank.loadImage(in.data, in.hint);
    if (scan.decoded < kBankImageSize) {
        const std::size_t whole = scan.decoded / kPackedProgramSize;
        note(in, NoteCode::ShortDump,
             "The dump ends after " + withThousands(scan.decoded) + " of the " + withThousands(kBankImageSize) +
                 " bytes of a program memory, so " +
                 (whole == 0 ? std::string("no program is complete")
                             : "only programs 0 to " + std::to_string(whole - 1) + " are complete") +
                 "; the rest of the bank is not in the file.");
    } else if (!scan.closed) {
        note(in, NoteCode::MissingEnd,
             "The dump has no closing byte (F7) after its data: it may have been cut off right at its end. All " +
                 withThousands(kBankImageSize) + " bytes of the program memory are there.");
    }
    noteTrailing(in, scan.closed ? scan.end : kSysExFileSize - 1, scan.closed ? "the end of the dump (F7)" : "the dump's data");
}

// A Corvel bank is recognised by its bank header alone and then read from
// the start of the input's bytes.
void readCorvel(LoadInput& in) {
    CorvelStream stream(in.data, in.size);
    streamCorvel(in.bank, stream);
    noteTrailing(in, in.size - stream.bytesLeft(), "the last chunk of the bank");
}

void readHalvic(LoadInput& in) {
    FxbFile& file = *in.fxb;
    if (!loadHalvic(in.bank, file.chunkData(), file.chunkSize(), in.hint))
        fail(in, "Can't load .fxb file", 3,
             "The Halvic bank is cut short: its memory area is too small to hold a program memory. Try a fresh "
             "copy, or save the bank again from the plug-in.");
    if (file.chunkSize() < kHalvicChunkSize)
        note(in, NoteCode::ShortChunk,
             "The memory area of this Halvic bank is " + withThousands(file.chunkSize()) + " bytes where the "
             "plug-in writes " + withThousands(kHalvicChunkSize) + "; the program memory in it was read.");
    noteTrailing(in, static_cast<std::size_t>(file.usedSize), kFxbTrailing);
}

// Any FXB bank that no other reader claims is read as a 2.V bank.
void read2V(LoadInput& in) {
    FxbFile& file = *in.fxb;
    int read = 0;
    if (!load2V(in.bank, file, &read)) {
        if (file.headerWord(fxb::kFxId) != k2VFxId)
            fail(in, "Not a valid 2.V fxb-file", 3,
                 "This FXB bank belongs to another plug-in (its identifier is '" + fourChars(in.data + fxb::kFxId) +
                     "'). Vornak reads Waldorf 2.V, Halvic and Corvel banks only.");
        fail(in, "Not a valid 2.V fxb-file", 3,
             "The Waldorf 2.V bank is damaged: its programs do not hold together. Try a fresh copy, or save the "
             "bank again from the plug-in.");
    }
    if (read < in.bank.programCount)
        note(in, NoteCode::CountMismatch,
             "The bank's header announces " + std::to_string(in.bank.programCount) + " programs, but its data holds " +
                 std::to_string(read) + ": the other " + std::to_string(in.bank.programCount - read) +
                 " are default programs.");
    noteTrailing(in, static_cast<std::size_t>(file.usedSize), kFxbTrailing);
}

void readWavetermB(LoadInput& in) {
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    if (!parseWavetermB(in.data + 2, in.size - 2, work.data()))
        fail(in, "Invalid Waveterm B Dxxx.USR file", 5,
             "The file starts like a Waveterm B file (\"WB\"), but it is too short or the length of its data is "
             "wrong. Try a fresh copy from the disk.");
    takeWorkImage(in, work, in.hint);
    // The header's data length L: the image and L - 5120 more bytes.
    const std::size_t length = in.data[20] * 256u + in.data[21];
    const std::size_t announced = kWavetermBImageOffset + length;
    if (in.size < announced)
        note(in, NoteCode::CountMismatch,
             "The file's header announces " + withThousands(length) + " bytes of data, but the file ends after " +
                 withThousands(in.size - kWavetermBImageOffset) + " of them; the " + withThousands(kBankImageSize) +
                 " bytes of the program memory are all there.");
    noteTrailing(in, announced, "the data that the file's header announces");
}

// Waveterm A files carry no model hint of their own and the switch is not
// applied to them: the image decides. The record scan is bounded by the
// file's size, so it needs no end marker behind the data.
void readWavetermA(LoadInput& in) {
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    FlexScan scan;
    if (!parseWavetermA(in.data, in.size, work.data(), &scan))
        fail(in, "Invalid FLEX file", 5,
             "The file starts with byte 02, as Waveterm A (FLEX) files do, but its first load record is damaged. If "
             "it is not a Waveterm A file, it is in a format Vornak does not read.");
    takeWorkImage(in, work, ModelHint::Detect);
    if (scan.imageBytesPlaced < kBankImageSize)
        note(in, NoteCode::PartialImage,
             "The file's load records fill only " + withThousands(scan.imageBytesPlaced) + " of the " +
                 withThousands(kBankImageSize) + " bytes of the program memory; the rest is read as zeros.");
    noteTrailing(in, in.size - scan.bytesAfterRecords, "the last load record");
}

} // namespace vornak
