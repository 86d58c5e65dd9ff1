#include "library/disk.h"

#include <algorithm>
#include <cstdio>

#include "formats/flex_disk_module.h"
#include "formats/memory_image.h"
#include "formats/text.h"
#include "library/loader.h"

namespace vornak {

namespace {

void notABank(DiskFile& file, std::string why) {
    file.holds = DiskFileHolds::NotABank;
    file.kind = "not a bank";
    file.why = std::move(why);
}

void unreadable(DiskFile& file, std::string why, const char* kind = "cannot be read") {
    file.holds = DiskFileHolds::Unreadable;
    file.kind = kind;
    file.why = std::move(why);
}

void addWhy(DiskFile& file, const std::string& why) {
    if (!why.empty()) file.why += (file.why.empty() ? "" : "; ") + why;
}

// What the file holds, as the loader reads the file copied off the disk:
// a bank, unless it refuses the file, or the file is taken for a bare
// memory image that no PPG would leave as it is, or none of its programs is
// whole in it.
void readAsInput(DiskFile& file, std::vector<std::uint8_t> bytes, ModelHint hint) {
    const std::size_t size = bytes.size();
    file.bytes = size;
    bytes.resize(std::max(size + kLoadSpareBytes, kLoadCapacity));
    PpgBank bank = makeStartupBank();
    const LoadOutcome o = loadBuffer(bytes.data(), size, hint, bank);
    if (o.code != 0) return notABank(file, o.message.empty() ? o.explanation : o.message);
    const int programs = bank.programCount();
    const auto untrusted = static_cast<int>(o.untrusted.size());
    if (o.format->headerless() && !cleanInEitherLayout(bytes.data()))
        return notABank(file, "no header of a known kind, and not a clean PPG memory");
    if (programs > 0 && untrusted == programs) return notABank(file, "none of its programs is whole in the file");
    file.holds = DiskFileHolds::Bank;
    file.kind = o.formatName();
    file.format = o.format;
    file.programs = programs;
    file.combis = bank.combisInUse();
    if (untrusted > 0) addWhy(file, cat({"only ", programs - untrusted, " of its ", programs, " programs are whole in the file"}));
}

} // namespace

int DiskReport::banks() const {
    return static_cast<int>(std::count_if(files.begin(), files.end(), [](const DiskFile& f) { return f.holds == DiskFileHolds::Bank; }));
}

bool isDiskImage(std::span<const std::uint8_t> bytes) { return looksLikeDiskImage(bytes); }

DiskReport readDisk(std::span<const std::uint8_t> bytes, ModelHint hint, bool keepFiles) {
    DiskReport report;
    const FlexDiskRead read = readFlexDisk(bytes);
    const FlexDisk& disk = read.disk;
    report.image = disk.image;
    if (read.failure != FlexDiskFailure::None) {
        report.failure = answerOf(flexDiskFailure(read.failure), {read.words});
        return report;
    }
    report.label = disk.label;
    report.volume = disk.volume;
    report.date = disk.date;
    report.geometry = disk.geometry;
    report.freeSectors = disk.freeSectors;
    report.notes = disk.notes;
    // The chains of files on a sound disk share no sector, so that together
    // they take no more than the disk's sectors; on a damaged one they may.
    std::size_t budget = disk.geometry.sectors();
    for (const FlexFile& f : disk.files) {
        DiskFile& file = report.files.emplace_back();
        file.name = f.name;
        file.date = f.date;
        file.sectors = f.sectors;
        const auto chain = static_cast<std::size_t>(f.chainSectors);
        if (f.state == FlexFileState::Broken) {
            unreadable(file, f.problem);
        } else if (chain > budget) {
            unreadable(file, "the files before it share sectors and have taken as many as the disk holds", "not read");
        } else {
            budget -= chain;
            std::vector<std::uint8_t> copied = readFlexFile(disk, f).bytes;
            // The loader may change the bytes it reads (a SysEx dump is
            // decoded in place): it reads a copy of those kept.
            if (keepFiles) file.copied = copied;
            readAsInput(file, std::move(copied), hint);
            addWhy(file, f.problem);
        }
    }
    return report;
}

std::string dateText(const FlexDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02u-%02u-%02u", unsigned{date.month}, unsigned{date.day},
                  unsigned{date.year});
    return text;
}

const char* imageKindName(DiskImageKind image) {
    switch (image) {
    case DiskImageKind::FlexRaw: return "raw sector image";
    case DiskImageKind::ImageDisk: return "ImageDisk image";
    case DiskImageKind::Teledisk: return "Teledisk image";
    case DiskImageKind::None: break;
    }
    return "";
}

} // namespace vornak
