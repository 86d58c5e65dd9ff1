#pragma once

// FLEX disks, as the Waveterm A's disk operating system lays them out, read
// from disk images: raw sector dumps and ImageDisk files (disk_image.h).
//
// Sectors are 256 bytes, addressed by track (from 0) and sector (from 1).
// On a double-sided disk the sectors of a track's second side are numbered
// on from the first's (sides of 18 sectors: 1-18, then 19-36), so that the
// sectors per track count both sides.
//
//   track 0 sector 3: the System Information Record (SIR)
//     0x10  11  volume label, NUL-padded
//     0x1B   2  volume number, big-endian
//     0x1D   2  first sector of the free chain (track, sector)
//     0x1F   2  last sector of the free chain
//     0x21   2  free sectors, big-endian
//     0x23   3  date: month, day, year (two digits)
//     0x26   1  last track
//     0x27   1  sectors per track
//   track 0 sector 5: the first directory sector. Bytes 0-1 link the next
//   one (track, sector; 0, 0 ends), ten entries of 24 bytes from byte 16:
//      0  8  name, NUL-padded        13  2  first track, sector
//      8  3  extension               15  2  last track, sector
//     11  1  attributes              17  2  sectors, big-endian
//     12  1  spare                   19  1  random-file flag (nonzero)
//                                    20  1  spare
//                                    21  3  date: month, day, year
//   A name whose first byte is 0 ends the directory; bit 7 set marks a
//   deleted entry.
//   Every sector of a file: bytes 0-1 link the next (0, 0 ends), 2-3 its
//   record number, 4-255 the next 252 bytes of the file.
//
// A raw image is the sectors themselves, track after track, sector 1 first:
// (last track + 1) × sectors per track × 256 bytes.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vornak {

constexpr std::size_t kFlexSectorSize = 256;
constexpr std::size_t kFlexSectorData = 252; // bytes 4-255 of a file's sector
constexpr int kFlexSirSector = 3;            // on track 0
constexpr int kFlexDirectorySector = 5;      // on track 0

// The smallest disk FLEX formats: a single-sided 35-track 5¼-inch disk of
// 10 sectors a track. A raw image has at least its sectors, which keeps every
// file of the PPG formats (all smaller than 66 KB) from being taken for one.
constexpr std::size_t kFlexSmallestDisk = 35 * 10;

struct FlexDate {
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t year = 0; // two digits, as FLEX keeps it
    bool operator==(const FlexDate&) const = default;
};

struct FlexGeometry {
    int lastTrack = 0;
    int sectorsPerTrack = 0; // both sides together on a double-sided disk
    std::size_t sectors() const {
        return static_cast<std::size_t>(lastTrack + 1) * static_cast<std::size_t>(sectorsPerTrack);
    }
    bool operator==(const FlexGeometry&) const = default;
};

enum class DiskImageKind {
    None,      // no disk image Vornak knows
    FlexRaw,   // a raw sector dump of a FLEX disk
    ImageDisk, // an ImageDisk file, of a FLEX disk or not
    Teledisk,  // a Teledisk file: recognised, not read
};

// Which disk image the bytes are. A raw image is known by its System
// Information Record alone: its geometry must give the image's size exactly,
// with at least the sectors of the smallest FLEX disk and the directory's
// first sector on track 0, and its free chain must lie on the disk.
DiskImageKind diskImageKind(std::span<const std::uint8_t> bytes);
// Any of them, Teledisk included: such a file is read as a disk or refused,
// never taken for a bank.
inline bool looksLikeDiskImage(std::span<const std::uint8_t> bytes) { return diskImageKind(bytes) != DiskImageKind::None; }

enum class FlexDiskFailure {
    None,
    NotADiskImage,    // none of the disk images above
    Teledisk,         // a Teledisk image, which is not read
    DamagedImageDisk, // an ImageDisk file whose track records do not hold together
    NotFlex,          // an ImageDisk image of another kind of disk
    NoSystemRecord,   // track 0 sector 3 is not in the image, or could not be read
};

// The failure in words, without the detail that FlexDiskRead::words adds.
const char* flexDiskFailureWords(FlexDiskFailure failure);

enum class FlexFileState {
    Whole,    // the chain ends where it should and every sector was read cleanly
    Doubtful, // readable, but the problem says why its bytes may not be the file's
    Broken,   // the chain cannot be followed to its end: not readable
};

struct FlexFile {
    std::string name;         // "NAME.EXT" ("NAME" without an extension); bytes
                              // other than printable ASCII shown as '?'
    FlexDate date;
    int sectors = 0;          // as the directory gives them
    int chainSectors = 0;     // as the chain holds them; for a broken chain, those before the break
    std::uint8_t attributes = 0;
    bool random = false;
    int firstTrack = 0;
    int firstSector = 0;
    FlexFileState state = FlexFileState::Whole;
    std::string problem;      // in words; empty for a whole file
};

// How a sector of the disk stands in the image.
enum class FlexSector : std::uint8_t {
    Absent,     // the image does not hold it
    Unreadable, // ImageDisk: it could not be read when the image was made
    DataError,  // ImageDisk: read with a data error, its bytes may be wrong
    Clean,
};

struct FlexDisk {
    DiskImageKind image = DiskImageKind::None;
    std::string label;        // printable ASCII, trailing blanks dropped
    int volume = 0;
    FlexDate date;
    FlexGeometry geometry;
    int freeSectors = 0;
    std::vector<FlexFile> files; // in directory order, deleted entries left out
    std::vector<std::string> notes; // about the disk as a whole, in words

    // The sectors, by index track × sectors per track + sector − 1: how each
    // stands, and where its bytes are in `sectorBytes` (256 each).
    std::vector<FlexSector> sectorState;
    std::vector<std::uint32_t> sectorSlot;
    std::vector<std::uint8_t> sectorBytes;
};

struct FlexDiskRead {
    FlexDiskFailure failure = FlexDiskFailure::None;
    std::string words; // the failure in words, with its detail; empty on success
    FlexDisk disk;
};

// Reads the disk's SIR and directory and follows every file's chain. Every
// walk is bounded, whatever the links say: the directory's walk follows each
// sector at most once, and so do the walks of all files together.
FlexDiskRead readFlexDisk(std::span<const std::uint8_t> bytes);

enum class FlexFileFailure {
    None,
    NoSuchFile,  // the directory holds no file of that name
    BrokenChain, // the file's chain cannot be followed to its end
};

struct FlexFileRead {
    FlexFileFailure failure = FlexFileFailure::None;
    std::string words;             // the failure, or for a doubtful file its problem; in words
    const FlexFile* file = nullptr; // the directory's entry in the disk, when there is one
    std::vector<std::uint8_t> bytes; // the file as copied off the disk: 252 bytes a sector, in chain order
};

// The file of that name ("NAME.EXT", letters of either case), as FLEX copies
// it: every sector's bytes 4-255 in chain order.
FlexFileRead readFlexFile(const FlexDisk& disk, std::string_view name);
// The same for one of the disk's files (an entry of disk.files).
FlexFileRead readFlexFile(const FlexDisk& disk, const FlexFile& file);

} // namespace vornak
