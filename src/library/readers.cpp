#include "library/readers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "formats/corvel.h"
#include "formats/halvic.h"
#include "formats/bank_2v.h"
#include "formats/program_2v.h"
#include "formats/sysex.h"
#include "formats/waveterm.h"
#include "library/text.h"

namespace vornak {

void note(LoadInput& in, NoteCode code, std::string text) { in.notes.push_back({code, std::move(text)}); }

namespace {

void noteTrailing(LoadInput& in, std::size_t used, const char* after) {
    if (used >= in.size) return;
    const std::size_t extra = in.size - used;
    note(in, NoteCode::TrailingBytes,
         cat({withThousands(extra), extra == 1 ? " byte follows " : " bytes follow ", after, " and ",
              extra == 1 ? "is" : "are", " not read."}));
}

constexpr const char* kFxbTrailing = "the end of the bank's data";

// Names the file holds in a field wider than the 27 characters a name
// keeps: `count` names (`whose`: "" or words after "names") fill all 28
// bytes of it, and the bank name is `bankNameLength` characters long.
void noteCutNames(LoadInput& in, int count, const char* whose, bool bankName = false, std::size_t bankNameLength = 0) {
    in.namesCut += count + (bankName ? 1 : 0);
    if (count > 0)
        note(in, NoteCode::CutNames,
             cat({withThousands(static_cast<std::uint64_t>(count)), count == 1 ? " name" : " names", whose, count == 1 ? " fills" : " fill",
                  " all 28 bytes of the name field; Vornak keeps 27 characters of a name, so the last one is dropped."}));
    if (bankName)
        note(in, NoteCode::CutNames,
             cat({"The bank name is ", bankNameLength, " characters long; Vornak keeps its first 27: \"",
                  in.bank.name, "\"."}));
}

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
    if (work[kWorkNameOffset] == 0 || !takeWorkImageName(work.data(), in.bank.name)) return;
    const auto* name = reinterpret_cast<const char*>(work.data() + kWorkNameOffset);
    noteCutNames(in, 0, "", true, strnlen(name, work.size() - kWorkNameOffset));
}

// Whether a memory image comes back byte for byte when it is read in the
// layout and stored again: every bit outside the packed fields is zero.
bool roundTrips(const std::uint8_t* image, ModelHint layout) {
    PpgBank bank(0, 0);
    bank.loadImage(image, layout);
    BankImage again{};
    bank.storeImage(again.data(), 0, bank.programCount);
    return std::equal(again.begin(), again.end(), image);
}

} // namespace

void readMemoryImage(LoadInput& in) {
    in.bank.loadImage(in.data, in.hint);
    // A memory image that the model can carry whole is clean in one of the
    // two layouts, whatever the hint: a Wave 2.3 memory with no combi in use
    // reads as a Wave 2.2 memory without /2.3, and is still a program bank.
    const bool clean = roundTrips(in.data, ModelHint::Wave22) || roundTrips(in.data, ModelHint::Wave23);
    const std::size_t image = kBankImageSize;
    if (in.size != image || !clean) {
        const bool whole = in.size == image;
        note(in, NoteCode::BareImage,
             cat({"The file has no header of a known kind, so ", whole ? "it was read as a bare PPG memory image ("
                                                                       : "its first ",
                  withThousands(image), whole ? " bytes)." : " bytes were read as a bare PPG memory image.",
                  clean ? "" : " Bits that a PPG memory always leaves empty are set in them: this is probably not a program bank."}));
    }
    noteTrailing(in, image, "the memory image");
}

namespace {

// "programs 0 to 41", "combi 0", "no program": the first `count` of a kind.
std::string firstOnes(std::string_view what, std::size_t count) {
    if (count < 2) return cat({count == 0 ? "no " : "", what, count == 0 ? "" : " 0"});
    return cat({what, "s 0 to ", count - 1});
}

// What the first `intact` bytes of the memory hold, in the layout the bank
// was read with: "all 87 programs are complete, and combis 0 to 7; combis 8
// to 19 are not wholly in the file, and any of them in use is lost".
std::string completeParts(const PpgBank& bank, std::size_t intact) {
    const auto all = static_cast<std::size_t>(bank.programCount);
    const std::size_t programs = std::min(intact / kPackedProgramSize, all);
    std::string text = programs == all ? cat({"all ", counted(programs, "program"), " are complete"})
                                       : cat({programs == 0 ? "" : "only ", firstOnes("program", programs),
                                              programs == 1 ? " is complete" : " are complete"});
    if (bank.combiCount == 0) {
        if (intact < kBankImageSize && bank.programCount == kImageProgramsWithoutCombis)
            text += "; the end of the memory, where a Wave 2.3 keeps its combis, is missing, so the bank reads as a Wave "
                    "2.2 memory: if it came from a Wave 2.3, its combis are lost";
        return text;
    }
    const std::size_t combis =
        intact < kCombiAreaOffset ? 0 : std::min<std::size_t>((intact - kCombiAreaOffset) / kPackedCombiSize, kImageCombis);
    if (combis == kImageCombis) return cat({text, ", and all ", counted(kImageCombis, "combi")});
    return cat({text, ", and ", firstOnes("combi", combis), "; combis ", combis, " to ",
                kImageCombis - 1, " are not wholly in the file, and any of them in use is lost"});
}

} // namespace

// A dump's notes say what came through, in the layout the bank was read
// with. A cut dump keeps what it holds; a dump whose nibble stream is broken
// (a byte lost or added, a status byte inside) has every value after the
// break shifted.
void readSysEx(LoadInput& in) {
    const SysExScan scan = decodeSysEx(in.data, in.size);
    in.bank.loadImage(in.data, in.hint);
    // The closing byte stands where the data of a whole memory ends: one
    // elsewhere, or a whole memory followed by an F7 one byte late, means
    // the stream lost or gained bytes on the way.
    const std::size_t closing = scan.closed ? scan.end - 1 : 0;
    const bool late = !scan.closed && in.size > kSysExFileSize && in.data[kSysExFileSize] == kSysExEnd;
    const bool misaligned = (scan.closed && (closing - kSysExHeaderSize) % 2 != 0) || late;
    if (scan.nonData != 0) {
        const std::size_t intact = std::min(scan.decoded, (scan.nonData - kSysExHeaderSize) / 2);
        char byte[8];
        std::snprintf(byte, sizeof byte, "%02X", in.data[scan.nonData]);
        note(in, NoteCode::DamagedDump,
             cat({"Byte ", withThousands(scan.nonData), " of the file is ", byte,
                  ", which is no data byte of a dump (a MIDI clock or other status byte that got into it, or a "
                  "damaged transfer): every value from there on is shifted. Of what comes before it, ",
                  completeParts(in.bank, intact), "."}));
    } else if (misaligned) {
        note(in, NoteCode::DamagedDump,
             "The dump's data does not come in whole pairs of bytes: a byte was lost or added on the way, and the "
             "dump does not say where, so no program of it can be trusted. Receive it again.");
    } else if (scan.decoded < kBankImageSize) {
        note(in, NoteCode::ShortDump,
             cat({"The dump ends after ", withThousands(scan.decoded), " of the ", withThousands(kBankImageSize),
                  " bytes of a program memory, so ", completeParts(in.bank, scan.decoded),
                  "; the rest of the bank is not in the file."}));
    } else if (!scan.closed && !late) {
        note(in, NoteCode::MissingEnd,
             cat({"The dump has no closing byte (F7) after its data: it may have been cut off right at its end. All ",
                  withThousands(kBankImageSize), " bytes of the program memory are there."}));
    }
    const std::size_t end = scan.closed ? scan.end : late ? kSysExFileSize + 1 : kSysExFileSize - 1;
    noteTrailing(in, end, scan.closed || late ? "the end of the dump (F7)" : "the dump's data");
}

// A Corvel bank is recognised by its bank header alone and then read from
// the start of the input's bytes.
void readCorvel(LoadInput& in) {
    // The container's copy of the file served only to recognise it.
    in.fxb->clear();
    CorvelStream stream(in.data, in.size);
    streamCorvel(in.bank, stream);
    noteCutNames(in, stream.namesCut, " (of the bank, its programs or its combis)");
    noteTrailing(in, in.size - stream.bytesLeft(), "the last chunk of the bank");
}

void readHalvic(LoadInput& in) {
    FxbFile& file = *in.fxb;
    if (!loadHalvic(in.bank, file.chunkData(), file.chunkSize(), in.hint))
        fail(Failure::HalvicCut);
    if (file.chunkSize() < kHalvicChunkSize)
        note(in, NoteCode::ShortChunk,
             cat({"The memory area of this Halvic bank is ", withThousands(file.chunkSize()), " bytes where the plug-in writes ",
                  withThousands(kHalvicChunkSize), "; the program memory in it was read."}));
    noteTrailing(in, static_cast<std::size_t>(file.usedSize), kFxbTrailing);
}

// Any FXB bank that no other reader claims is read as a 2.V bank.
void read2V(LoadInput& in) {
    FxbFile& file = *in.fxb;
    Read2V read;
    if (!load2V(in.bank, file, &read)) {
        if (file.headerWord(fxb::kFxId) != k2VFxId)
            fail(Failure::OtherPlugin, {fourChars(in.data + fxb::kFxId)});
        fail(Failure::Damaged2V);
    }
    if (read.programs < in.bank.programCount)
        note(in, NoteCode::CountMismatch,
             cat({"The bank's header announces ", in.bank.programCount, " programs, but its data holds ", read.programs,
                  ": the other ", in.bank.programCount - read.programs, " are default programs."}));
    noteCutNames(in, read.namesCut, "");
    noteTrailing(in, static_cast<std::size_t>(file.usedSize), kFxbTrailing);
}

void readWavetermB(LoadInput& in) {
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    if (!parseWavetermB(in.data + 2, in.size - 2, work.data()))
        fail(Failure::WavetermB);
    takeWorkImage(in, work, in.hint);
    // The header's data length L: the image and L - 5120 more bytes.
    const std::size_t length = in.data[20] * 256u + in.data[21];
    const std::size_t announced = kWavetermBImageOffset + length;
    if (in.size < announced)
        note(in, NoteCode::CountMismatch,
             cat({"The file's header announces ", withThousands(length), " bytes of data, but the file ends after ",
                  withThousands(in.size - kWavetermBImageOffset), " of them; the ", withThousands(kBankImageSize),
                  " bytes of the program memory are all there."}));
    // Data beyond the memory image, which the header announces, is not read.
    const std::size_t imageEnd = kWavetermBImageOffset + kBankImageSize;
    const std::size_t beyond = std::min(in.size, announced) - std::min(std::min(in.size, announced), imageEnd);
    if (beyond > 0)
        note(in, NoteCode::TrailingBytes,
             cat({withThousands(beyond), beyond == 1 ? " byte" : " bytes", " of data that the header announces ",
                  beyond == 1 ? "follows the program memory and is" : "follow the program memory and are", " not read."}));
    noteTrailing(in, announced, "the data that the file's header announces");
}

// Waveterm A files carry no model hint of their own and the switch is not
// applied to them (their row says so): the image decides. The record scan
// is bounded by the file's size, so it needs no end marker behind the data.
void readWavetermA(LoadInput& in) {
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    FlexScan scan;
    if (!parseWavetermA(in.data, in.size, work.data(), &scan))
        fail(Failure::WavetermA);
    takeWorkImage(in, work, in.hint);
    if (scan.imageBytesPlaced < kBankImageSize)
        note(in, NoteCode::PartialImage,
             cat({"The file's load records fill only ", withThousands(scan.imageBytesPlaced), " of the ",
                  withThousands(kBankImageSize), " bytes of the program memory; the rest is read as zeros."}));
    noteTrailing(in, in.size - scan.bytesAfterRecords, "the last load record");
}

} // namespace vornak
