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

void distrust(LoadInput& in, Damage damage, int from, int to) {
    in.damage = std::max(in.damage, damage);
    for (int p = std::max(from, 0); p < std::min(to, in.bank.programCount); ++p) in.untrusted.push_back(p);
}

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
// bytes of it, those of the programs `programs` among them, and the bank
// name is `bankNameLength` characters long.
void noteCutNames(LoadInput& in, int count, const std::vector<int>& programs, const char* whose, bool bankName = false,
                  std::size_t bankNameLength = 0) {
    in.namesCut = programs;
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

// Whether the image, as the bank was read from it, sets no bit that a PPG
// memory leaves empty: none that a program's or combi's record holds beside
// its values, and none between the programs and the combis or after the
// programs. Such an image comes back byte for byte when it is stored again.
bool leavesEmptyClear(const PpgBank& bank, const std::uint8_t* image) {
    const auto programs = static_cast<std::size_t>(bank.programCount);
    const auto combis = static_cast<std::size_t>(bank.combiCount);
    const std::uint8_t* unused = image + programs * kPackedProgramSize;
    const std::uint8_t* unusedEnd = image + (combis > 0 ? kCombiAreaOffset : kBankImageSize);
    return std::all_of(bank.programs.begin(), bank.programs.begin() + bank.programCount,
                       [](const PpgProgram& p) { return p.spareBits == 0; }) &&
           std::all_of(bank.combis.begin(), bank.combis.begin() + bank.combiCount,
                       [](const PpgCombi& c) { return c.spare == PackedCombi{}; }) &&
           std::all_of(unused, unusedEnd, [](std::uint8_t b) { return b == 0; });
}

// The same for the image read in the layout.
bool leavesEmptyClear(const std::uint8_t* image, ModelHint layout) {
    PpgBank bank(0, 0);
    bank.loadImage(image, layout);
    return leavesEmptyClear(bank, image);
}

// Without a model switch one combi marked in use makes an image a Wave 2.3
// memory, but a Wave 2.2 memory's programs 87 to 99 may hold 0x55 where a
// Wave 2.3 marks its combis. Where the image holds bits that a Wave 2.3
// memory leaves empty and a Wave 2.2 memory does not, a note says so, and
// whether the format takes the switch that reads it as a Wave 2.2 memory.
void noteModelGuess(LoadInput& in, const std::uint8_t* image, ModelHint hint, bool takesSwitch = true) {
    if (hint != ModelHint::Detect || in.bank.combiCount == 0 || leavesEmptyClear(in.bank, image) ||
        !leavesEmptyClear(image, ModelHint::Wave22))
        return;
    note(in, NoteCode::NeedsModelSwitch,
         cat({"A combi is marked in use, so the memory was read as a Wave 2.3 memory (87 programs and 20 combis), "
              "but bits that a Wave 2.3 memory leaves empty are set in it, as in a Wave 2.2 memory whose programs 87 "
              "to 99 hold 0x55 where a Wave 2.3 marks its combis in use. ",
              takesSwitch ? "If it came from a Wave 2.2, read it with /2.2 (the model switch) to get its 100 programs."
                          : "If it came from a Wave 2.2, its programs 87 to 99 are read as combis: files of this "
                            "format are read by what they hold."}));
}

// Both Waveterm readers fill a zeroed work image, from which the memory image
// and the bank name are taken.
void takeWorkImage(LoadInput& in, const std::vector<std::uint8_t>& work, ModelHint hint, bool takesSwitch) {
    in.bank.loadImage(work.data(), hint);
    noteModelGuess(in, work.data(), hint, takesSwitch);
    if (work[kWorkNameOffset] == 0 || !takeWorkImageName(work.data(), in.bank.name)) return;
    const auto* name = reinterpret_cast<const char*>(work.data() + kWorkNameOffset);
    noteCutNames(in, 0, {}, "", true, strnlen(name, work.size() - kWorkNameOffset));
}

} // namespace

void readMemoryImage(LoadInput& in) {
    in.bank.loadImage(in.data, in.hint);
    noteModelGuess(in, in.data, in.hint);
    // A memory image that the model can carry whole is clean in one of the
    // two layouts, whatever the hint: a Wave 2.3 memory with no combi in use
    // reads as a Wave 2.2 memory without /2.3, and is still a program bank.
    const bool clean = leavesEmptyClear(in.data, ModelHint::Wave22) || leavesEmptyClear(in.data, ModelHint::Wave23);
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
// to 19 are not wholly in the file, and any of them in use is lost". Where
// the file ends there (`endMissing`), a bank read as a Wave 2.2 memory may
// have lost its combis with the end of the memory, and the combis not wholly
// there are lost.
std::string completeParts(const PpgBank& bank, std::size_t intact, bool endMissing = true) {
    const auto all = static_cast<std::size_t>(bank.programCount);
    const std::size_t programs = std::min(intact / kPackedProgramSize, all);
    std::string text = programs == all ? cat({"all ", counted(programs, "program"), " are complete"})
                                       : cat({programs == 0 ? "" : "only ", firstOnes("program", programs),
                                              programs == 1 ? " is complete" : " are complete"});
    if (bank.combiCount == 0) {
        if (endMissing && intact < kBankImageSize && bank.programCount == kImageProgramsWithoutCombis)
            text += "; the end of the memory, where a Wave 2.3 keeps its combis, is missing, so the bank reads as a Wave "
                    "2.2 memory: if it came from a Wave 2.3, its combis are lost";
        return text;
    }
    const std::size_t combis =
        intact < kCombiAreaOffset ? 0 : std::min<std::size_t>((intact - kCombiAreaOffset) / kPackedCombiSize, kImageCombis);
    if (combis == kImageCombis) return cat({text, ", and all ", counted(kImageCombis, "combi")});
    if (!endMissing) return cat({text, ", and ", firstOnes("combi", combis)});
    return cat({text, ", and ", firstOnes("combi", combis), "; combis ", combis, " to ",
                kImageCombis - 1, " are not wholly in the file, and any of them in use is lost"});
}

// "programs 48 and 60, and combi 3": the programs and combis in the layout
// read that hold any of the image bytes; "" when none does.
std::string partsHolding(const PpgBank& bank, const std::vector<std::size_t>& imageBytes) {
    std::vector<std::string> programs, combis;
    auto add = [](std::vector<std::string>& list, std::size_t n) {
        if (list.empty() || list.back() != std::to_string(n)) list.push_back(std::to_string(n));
    };
    for (const std::size_t b : imageBytes) {
        if (b < static_cast<std::size_t>(bank.programCount) * kPackedProgramSize) add(programs, b / kPackedProgramSize);
        if (bank.combiCount > 0 && b >= kCombiAreaOffset) add(combis, (b - kCombiAreaOffset) / kPackedCombiSize);
    }
    const auto named = [](const std::vector<std::string>& list, const char* what) {
        return cat({what, list.size() == 1 ? " " : "s ", listed(list)});
    };
    if (programs.empty()) return combis.empty() ? "" : named(combis, "combi");
    if (combis.empty()) return named(programs, "program");
    return cat({named(programs, "program"), programs.size() == 1 ? " and " : ", and ", named(combis, "combi")});
}

// The program that holds data byte k of a dump.
int programOfData(std::size_t k) { return static_cast<int>(k / 2 / kPackedProgramSize); }

// The status bytes among a dump's data, as the file holds them.
std::string statusBytesText(const SysExScan& scan) {
    const SysExStatusByte& first = scan.statusBytes.front();
    char byte[4];
    std::snprintf(byte, sizeof byte, "%02X", first.byte);
    if (scan.statusBytes.size() == 1)
        return cat({"Byte ", withThousands(first.offset), " of the file is ", byte,
                    ", which is no data byte of a dump (a status byte that got into it, or a damaged transfer)"});
    return cat({withThousands(scan.statusBytes.size()),
                " bytes of the file are no data bytes of a dump (status bytes that got into it, or a damaged "
                "transfer), the first byte ",
                withThousands(first.offset), " (", byte, ")"});
}

// How a dump's data compare with a whole memory: as long; cut by the end
// of the file; longer by exactly the status bytes among them (which were
// added); or otherwise longer or shorter, so bytes were lost or added where
// the dump does not say.
enum class DumpLength { Right, Cut, StatusBytesAdded, Wrong };

// The note on a dump whose data hold status bytes.
void noteStatusBytes(LoadInput& in, const SysExScan& scan, DumpLength length) {
    const bool one = scan.statusBytes.size() == 1;
    const std::size_t first = scan.statusBytes.front().dataIndex;
    if (length == DumpLength::Wrong) {
        // The note on the length says that nothing can be trusted.
        note(in, NoteCode::DamagedDump, cat({statusBytesText(scan), "."}));
        return;
    }
    if (length == DumpLength::Right) {
        // Each stands in place of a data byte and spoils the image byte it
        // is half of.
        std::vector<std::size_t> spoiled;
        for (const SysExStatusByte& s : scan.statusBytes) {
            spoiled.push_back(s.dataIndex / 2);
            distrust(in, Damage::Damaged, programOfData(s.dataIndex), programOfData(s.dataIndex) + 1);
        }
        const std::string parts = partsHolding(in.bank, spoiled);
        note(in, NoteCode::DamagedDump,
             cat({statusBytesText(scan), ". The dump has the right length, so ",
                  one ? "it stands in place of a data byte" : "they stand in place of data bytes",
                  parts.empty() ? cat({": ", one ? "it falls" : "they fall",
                                       " in bytes of the memory that no program or combi uses, and everything came through."})
                                : cat({" and ", one ? "spoils " : "spoil ", parts, "; the rest came through."})}));
        return;
    }
    const bool cut = length == DumpLength::Cut;
    distrust(in, Damage::Damaged, programOfData(first), in.bank.programCount);
    note(in, NoteCode::DamagedDump,
         cat({statusBytesText(scan),
              cut ? ". The dump is cut short, so whether it was added (and every value from there on is shifted) or "
                    "stands in place of a data byte cannot be told"
                  : one ? ": it was added to the data, so every value from there on is shifted"
                        : ": they were added to the data, so every value from the first on is shifted",
              ". Of what comes before it, ", completeParts(in.bank, first / 2, cut), "."}));
}

} // namespace

// A dump's notes say what came through, in the layout the bank was read
// with. The closing F7 stands after the 10,240 data bytes of a whole memory;
// one elsewhere means the stream lost or gained bytes on the way, and the
// dump does not say where: nothing of it can be trusted. A cut dump keeps
// what it holds; a status byte among the data spoils what it stands in, or,
// where it was added, shifts every value after it.
void readSysEx(LoadInput& in) {
    const SysExScan scan = decodeSysEx(in.data, in.size);
    in.bank.loadImage(in.data, in.hint);
    if (scan.realTimeBytes > 0) {
        const bool one = scan.realTimeBytes == 1;
        note(in, NoteCode::RealTimeBytes,
             cat({one ? "A MIDI real-time byte" : cat({withThousands(scan.realTimeBytes), " MIDI real-time bytes"}),
                  " (F8 to FF: clock, active sensing and the like) stood inside the dump ",
                  one ? cat({"at byte ", withThousands(scan.firstRealTime)})
                  : scan.realTimeBytes == 2
                      ? cat({"at bytes ", withThousands(scan.firstRealTime), " and ", withThousands(scan.lastRealTime)})
                      : cat({"between bytes ", withThousands(scan.firstRealTime), " and ", withThousands(scan.lastRealTime)}),
                  "; MIDI lets ", one ? "it" : "them", " stand there, and ", one ? "it was" : "they were", " skipped."}));
    }
    const std::size_t n = scan.dataBytes;
    const std::size_t excess = n > kSysExDataSize ? n - kSysExDataSize : 0;
    const DumpLength length = n == kSysExDataSize                      ? DumpLength::Right
                              : !scan.closed && n < kSysExDataSize      ? DumpLength::Cut
                              : excess > 0 && excess == scan.statusBytes.size() ? DumpLength::StatusBytesAdded
                                                                        : DumpLength::Wrong;
    if (!scan.statusBytes.empty()) noteStatusBytes(in, scan, length);
    if (length == DumpLength::Cut) {
        distrust(in, Damage::Cut, static_cast<int>(scan.decoded / kPackedProgramSize), in.bank.programCount);
        note(in, NoteCode::ShortDump,
             cat({"The dump ends after ", withThousands(scan.decoded), " of the ", withThousands(kBankImageSize),
                  " bytes of a program memory, so ", completeParts(in.bank, scan.decoded),
                  "; the rest of the bank is not in the file."}));
    } else if (length == DumpLength::Wrong && n < kSysExDataSize) {
        distrust(in, Damage::Damaged, 0, in.bank.programCount);
        note(in, n % 2 == 0 && scan.statusBytes.empty() ? NoteCode::ShortDump : NoteCode::DamagedDump,
             cat({"The dump's closing byte (F7) comes after ", withThousands(n), " of the ", withThousands(kSysExDataSize),
                  " data bytes of a program memory: bytes were lost on the way, or the dump was sent short, and it "
                  "does not say which. If bytes were lost, nothing after the loss can be trusted, and the dump does "
                  "not say where that was, so no program of it can be trusted; if it was sent short, ",
                  completeParts(in.bank, scan.decoded), ". Receive it again."}));
    } else if (length == DumpLength::Wrong) {
        distrust(in, Damage::Damaged, 0, in.bank.programCount);
        note(in, NoteCode::DamagedDump,
             scan.closed
                 ? cat({"The dump holds ", withThousands(excess), excess == 1 ? " data byte" : " data bytes",
                        " more than the ", withThousands(kSysExDataSize),
                        " of a program memory before its closing byte (F7): bytes were added on the way, and the dump "
                        "does not say where. Nothing after them can be trusted, so no program of it can be trusted. "
                        "Receive it again."})
                 : cat({"The dump has no closing byte (F7) after the ", withThousands(kSysExDataSize),
                        " data bytes of a program memory, and ", withThousands(excess),
                        excess == 1 ? " more follows" : " more follow",
                        ": either bytes were added on the way, and the dump does not say where, so nothing after them "
                        "can be trusted, or it lost its closing byte and other bytes follow it. No program of it can be "
                        "trusted; receive it again."}));
    } else if (length == DumpLength::Right && !scan.closed) {
        note(in, NoteCode::MissingEnd,
             cat({"The dump has no closing byte (F7) after its data: it may have been cut off right at its end. All ",
                  withThousands(kBankImageSize), " bytes of the program memory are there."}));
    }
    // A damaged dump's image says nothing about the model.
    if (in.damage == Damage::None) noteModelGuess(in, in.data, in.hint);
    noteTrailing(in, scan.end, scan.closed ? "the end of the dump (F7)" : "the dump's data");
}

// A Corvel bank is recognised by its bank header alone and then read from
// the start of the input's bytes.
void readCorvel(LoadInput& in) {
    // The container's copy of the file served only to recognise it.
    in.fxb->clear();
    CorvelStream stream(in.data, in.size);
    streamCorvel(in.bank, stream);
    noteCutNames(in, stream.namesCut, stream.programNamesCut, " (of the bank, its programs or its combis)");
    noteTrailing(in, in.size - stream.bytesLeft(), "the last chunk of the bank");
}

void readHalvic(LoadInput& in) {
    FxbFile& file = *in.fxb;
    if (!loadHalvic(in.bank, file.chunkData(), file.chunkSize(), in.hint))
        fail(Failure::HalvicCut);
    noteModelGuess(in, file.chunkData() + kHalvicImageOffset,
                   in.hint == ModelHint::Detect ? halvicModel(file.chunkData(), file.chunkSize()) : in.hint);
    if (file.chunkSize() < kHalvicChunkSize) {
        distrust(in, Damage::Cut, 0, 0);
        note(in, NoteCode::ShortChunk,
             cat({"The memory area of this Halvic bank is ", withThousands(file.chunkSize()), " bytes where the plug-in writes ",
                  withThousands(kHalvicChunkSize), "; the program memory in it was read."}));
    }
    noteTrailing(in, static_cast<std::size_t>(file.usedSize), kFxbTrailing);
}

namespace {

// "program 4", "programs 4, 7 and 9", "12 programs, from 4 to 120": programs
// in ascending order.
std::string programsNamed(const std::vector<int>& programs) {
    constexpr std::size_t kNamedOneByOne = 5;
    if (programs.size() > kNamedOneByOne)
        return cat({programs.size(), " programs, from ", programs.front(), " to ", programs.back()});
    std::vector<std::string> numbers;
    for (const int p : programs) numbers.push_back(std::to_string(p));
    return cat({programs.size() == 1 ? "program " : "programs ", listed(numbers)});
}

// The note on 2.V parameters that are not sound: they stand for no value
// the parameter has.
void noteUnsound(LoadInput& in, const Read2V& read) {
    if (read.unsound.empty() && read.unsoundGlobals == 0) return;
    const int count = read.unsoundValues + read.unsoundGlobals;
    std::string whose = read.unsound.empty() ? "" : cat({"of ", programsNamed(read.unsound)});
    if (read.unsoundGlobals > 0)
        whose += cat({whose.empty() ? "" : " and ", "of the bank's settings (tuning and the others)"});
    distrust(in, Damage::Damaged, 0, 0);
    for (const int p : read.unsound) distrust(in, Damage::Damaged, p, p + 1);
    note(in, NoteCode::OutOfRange,
         cat({withThousands(static_cast<std::uint64_t>(count)), count == 1 ? " parameter " : " parameters ", whose,
              count == 1 ? " stands" : " stand",
              " for no value a 2.V parameter has (not a number, below 0, or above 1 and no value written so), so the "
              "file is damaged or was not written by the plug-in. Vornak reads one that is no number as 0, one below "
              "the range as a negative value, which a PPG memory cannot hold, and one above it as the highest",
              read.unsound.empty() ? "." : read.unsound.size() == 1 ? ": the program cannot be trusted."
                                                                    : ": these programs cannot be trusted."}));
}

} // namespace

// Any FXB bank that no other reader claims is read as a 2.V bank.
void read2V(LoadInput& in) {
    FxbFile& file = *in.fxb;
    Read2V read;
    if (!load2V(in.bank, file, &read)) {
        if (file.headerWord(fxb::kFxId) != k2VFxId)
            fail(Failure::OtherPlugin, {fourChars(in.data + fxb::kFxId)});
        fail(Failure::Damaged2V);
    }
    if (read.programs < in.bank.programCount) {
        distrust(in, Damage::Cut, read.programs, in.bank.programCount);
        note(in, NoteCode::CountMismatch,
             cat({"The bank's header announces ", in.bank.programCount, " programs, but its data holds ", read.programs,
                  ": the other ", in.bank.programCount - read.programs, " are default programs."}));
    }
    noteUnsound(in, read);
    noteCutNames(in, static_cast<int>(read.namesCut.size()), read.namesCut, "");
    noteTrailing(in, static_cast<std::size_t>(file.usedSize), kFxbTrailing);
}

void readWavetermB(LoadInput& in) {
    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    if (!parseWavetermB(in.data + 2, in.size - 2, work.data()))
        fail(Failure::WavetermB);
    takeWorkImage(in, work, in.hint, true);
    // The header's data length L: the image and L - 5120 more bytes.
    const std::size_t length = in.data[20] * 256u + in.data[21];
    const std::size_t announced = kWavetermBImageOffset + length;
    if (in.size < announced) {
        distrust(in, Damage::Cut, 0, 0);
        note(in, NoteCode::CountMismatch,
             cat({"The file's header announces ", withThousands(length), " bytes of data, but the file ends after ",
                  withThousands(in.size - kWavetermBImageOffset), " of them; the ", withThousands(kBankImageSize),
                  " bytes of the program memory are all there."}));
    }
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
    takeWorkImage(in, work, in.hint, false);
    if (!scan.placed.all()) {
        note(in, NoteCode::PartialImage,
             cat({"The file's load records fill only ", withThousands(scan.placed.count()), " of the ",
                  withThousands(kBankImageSize), " bytes of the program memory; the rest is read as zeros."}));
        // The programs not wholly placed.
        distrust(in, Damage::Cut, 0, 0);
        for (int p = 0; p < in.bank.programCount; ++p)
            for (int at = p * kPackedProgramSize; at < (p + 1) * kPackedProgramSize; ++at)
                if (!scan.placed.test(static_cast<std::size_t>(at))) {
                    distrust(in, Damage::Cut, p, p + 1);
                    break;
                }
    }
    noteTrailing(in, in.size - scan.bytesAfterRecords, "the last load record");
}

} // namespace vornak
