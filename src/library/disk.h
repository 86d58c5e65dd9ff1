#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/flex_disk.h"
#include "library/failures.h"
#include "library/format_table.h"

namespace vornak {

// What a FLEX disk image holds, as the tool lists it and the engine answers
// it: the disk, and every file on it read as the loader reads a file copied
// off the disk, to tell what it holds.

enum class DiskFileHolds {
    Bank,       // a bank of a format Vornak reads
    NotABank,   // readable, but no bank: the loader refuses it, or finds no program in it
    Unreadable, // its chain of sectors cannot be followed, or it was not read
};

struct DiskFile {
    std::string name; // "NAME.EXT"
    FlexDate date;
    int sectors = 0;        // as the directory gives them
    std::size_t bytes = 0;  // as copied off the disk, 252 a sector; 0 when unreadable
    DiskFileHolds holds = DiskFileHolds::Unreadable;
    // In words: the format's name as people know it ("Waveterm A file"),
    // "not a bank", "cannot be read" or "not read".
    std::string kind;
    const InputFormat* format = nullptr; // a bank's
    int programs = 0;                    // a bank's
    int combis = 0;                      // in use
    // Why it is no bank or cannot be read; for a bank, why its bytes may not
    // be the file's as written, or its programs not all whole. Empty when
    // there is nothing to say.
    std::string why;
    // The file as copied off the disk, when readDisk was asked to keep it;
    // empty when unreadable.
    std::vector<std::uint8_t> copied;
};

struct DiskReport {
    // Exit code 0 when the disk was read; else why not, as a load's failure
    // (loader.h).
    FailureAnswer failure{0, FailureReason::None, {}, {}};

    DiskImageKind image = DiskImageKind::None;
    std::string label;
    int volume = 0;
    FlexDate date;
    FlexGeometry geometry;
    int freeSectors = 0;                   // as the System Information Record counts them
    std::vector<std::string> notes;        // about the disk as a whole, in words
    std::vector<DiskFile> files;           // in directory order, deleted files left out

    bool ok() const { return failure.exitCode == 0; }
    int banks() const;
};

// Whether the bytes are a disk image (of any kind Vornak recognises, the
// refused ones included): such a file holds files, not a bank.
bool isDiskImage(std::span<const std::uint8_t> bytes);

// Reads the disk and every file on it. Bounded whatever the image says:
// the files read together take no more sectors than the disk holds (files
// whose chains share sectors may count them twice; those beyond are not
// read, and say so). The model hint is the loader's. With `keepFiles`,
// each readable file's bytes are kept in the report (DiskFile::copied).
DiskReport readDisk(std::span<const std::uint8_t> bytes, ModelHint hint = ModelHint::Detect, bool keepFiles = false);

// A FLEX date as the tool shows it: "03-09-87" (month, day, two-digit year).
std::string dateText(const FlexDate& date);

// "raw sector image", "ImageDisk image".
const char* imageKindName(DiskImageKind image);

} // namespace vornak
