#include "formats/sysex.h"

#include <algorithm>
#include <cstdio>

#include "formats/memory_image.h"
#include "formats/text.h"

namespace vornak {

SysExScan decodeSysEx(std::uint8_t* buffer, std::size_t length) {
    SysExScan scan;
    std::uint8_t high = 0;
    std::size_t at = kSysExHeaderSize;
    // Data byte k is read from offset 4 + k or later, and image byte k / 2
    // written to offset k / 2: the write position never overtakes the read
    // position.
    for (; at < length; ++at) {
        const std::uint8_t byte = buffer[at];
        if (byte >= kFirstRealTime) {
            if (scan.realTimeBytes++ == 0) scan.firstRealTime = at;
            scan.lastRealTime = at;
            continue;
        }
        if (byte == kSysExEnd) {
            scan.closed = true;
            ++at;
            break;
        }
        const std::size_t k = scan.dataBytes;
        if (k >= kSysExDataSize) {
            if (byte >= 0x80) break;
            ++scan.dataBytes;
            continue;
        }
        if (byte >= 0x80) scan.statusBytes.push_back({at, k, byte});
        if (k % 2 == 0)
            high = byte;
        else
            buffer[k / 2] = static_cast<std::uint8_t>(((high & 0x0F) << 4) | (byte & 0x0F));
        ++scan.dataBytes;
    }
    scan.end = at;
    scan.decoded = std::min(scan.dataBytes, kSysExDataSize) / 2;
    return scan;
}

std::vector<std::uint8_t> exportSysEx(const PpgBank& bank, int rangeStart, int rangeEnd) {
    BankImage image{};
    bank.storeImage(image.data(), rangeStart, rangeEnd);
    std::vector<std::uint8_t> dump(kSysExFileSize);
    std::copy_n(kSysExHeader, kSysExHeaderSize, dump.begin());
    for (std::size_t i = 0; i < kBankImageSize; ++i) {
        dump[kSysExHeaderSize + 2 * i] = image[i] >> 4;
        dump[kSysExHeaderSize + 2 * i + 1] = image[i] & 0x0F;
    }
    dump[kSysExFileSize - 1] = kSysExEnd;
    return dump;
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
    const auto all = static_cast<std::size_t>(bank.programCount());
    const std::size_t programs = std::min(intact / kPackedProgramSize, all);
    std::string text = programs == all ? cat({"all ", counted(programs, "program"), " are complete"})
                                       : cat({programs == 0 ? "" : "only ", firstOnes("program", programs),
                                              programs == 1 ? " is complete" : " are complete"});
    if (bank.combiCount() == 0) {
        if (endMissing && intact < kBankImageSize && bank.programCount() == kImageProgramsWithoutCombis)
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
        if (b < static_cast<std::size_t>(bank.programCount()) * kPackedProgramSize) add(programs, b / kPackedProgramSize);
        if (bank.combiCount() > 0 && b >= kCombiAreaOffset) add(combis, (b - kCombiAreaOffset) / kPackedCombiSize);
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
    distrust(in, Damage::Damaged, programOfData(first), in.bank.programCount());
    note(in, NoteCode::DamagedDump,
         cat({statusBytesText(scan),
              cut ? ". The dump is cut short, so whether it was added (and every value from there on is shifted) or "
                    "stands in place of a data byte cannot be told"
                  : one ? ": it was added to the data, so every value from there on is shifted"
                        : ": they were added to the data, so every value from the first on is shifted",
              ". Of what comes before it, ", completeParts(in.bank, first / 2, cut), "."}));
}

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
        distrust(in, Damage::Cut, static_cast<int>(scan.decoded / kPackedProgramSize), in.bank.programCount());
        note(in, NoteCode::ShortDump,
             cat({"The dump ends after ", withThousands(scan.decoded), " of the ", withThousands(kBankImageSize),
                  " bytes of a program memory, so ", completeParts(in.bank, scan.decoded),
                  "; the rest of the bank is not in the file."}));
    } else if (length == DumpLength::Wrong && n < kSysExDataSize) {
        distrust(in, Damage::Damaged, 0, in.bank.programCount());
        note(in, n % 2 == 0 && scan.statusBytes.empty() ? NoteCode::ShortDump : NoteCode::DamagedDump,
             cat({"The dump's closing byte (F7) comes after ", withThousands(n), " of the ", withThousands(kSysExDataSize),
                  " data bytes of a program memory: bytes were lost on the way, or the dump was sent short, and it "
                  "does not say which. If bytes were lost, nothing after the loss can be trusted, and the dump does "
                  "not say where that was, so no program of it can be trusted; if it was sent short, ",
                  completeParts(in.bank, scan.decoded), ". Receive it again."}));
    } else if (length == DumpLength::Wrong) {
        distrust(in, Damage::Damaged, 0, in.bank.programCount());
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

std::vector<std::uint8_t> exportRequested(const PpgBank& bank, const ExportRequest& r) {
    return exportSysEx(bank, r.rangeStart, r.rangeEnd);
}

const char* const kReadsUsage[] = {"V8 SysEx files (.SYX)"};

const InputFormat kInputs[] = {{
    .name = "V8 SysEx dump",
    .magic = kSysExHeader,
    .writtenBy = ExportKind::SysEx,
    .read = readSysEx,
}};

const ExportFormat kExports[] = {{
    .kind = ExportKind::SysEx,
    .letter = 's',
    .name = "V8 SysEx dump",
    .extension = ".syx",
    .layout = &kImageLayout,
    .exporter = exportRequested,
    .readsAs = &kInputs[0],
    .usage = "exports to a V8 .SYX file of given name",
    .usagePlace = 4,
    .label = "SysEx",
}};

} // namespace

const FormatModule kSysExModule{
    .readsUsage = kReadsUsage,
    .inputs = kInputs,
    .exports = kExports,
    .failures = {},
};

} // namespace vornak
