#pragma once

// Floppy disk image containers, whatever the disk's file system: ImageDisk
// files read sector by sector, Teledisk files only recognised. The FLEX file
// system on such a disk is flex_disk.h's.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vornak {

// ImageDisk (.IMD), as section 6 of ImageDisk's documentation lays it out:
//   "IMD v.vv: dd/mm/yyyy hh:mm:ss", a comment of any length, then 1A
//   then per track, in the order it was read:
//     mode (0-5: data rate and FM or MFM), cylinder, head (0 or 1; bit 7: a
//     sector cylinder map follows, bit 6: a sector head map follows),
//     sector count n, size code (0-6: sectors of 128 << code bytes)
//     n bytes   the sector numbering map: the sectors' ids, in track order
//     n bytes   the sector cylinder map, when bit 7 says so
//     n bytes   the sector head map, when bit 6 says so
//     n sector data records, in the order of the numbering map:
//       00        unavailable: the sector could not be read
//       01 ....   the sector's bytes             02 xx   every byte is xx
//       03 ....   the same with a deleted-data address mark, 04 xx compressed
//       05 ....   read with a data error,                    06 xx compressed
//       07 ....   deleted data read with a data error,       08 xx compressed
// The file ends after the last track's records.
constexpr std::size_t kImageDiskSignatureSize = 4;
inline constexpr std::uint8_t kImageDiskSignature[kImageDiskSignatureSize] = {'I', 'M', 'D', ' '};
constexpr std::uint8_t kImageDiskCommentEnd = 0x1A;

enum class ImdRecord : std::uint8_t {
    Unavailable, // record 00
    Data,        // records 01 to 04: the bytes as written, with or without a deleted-data mark
    DataError,   // records 05 to 08: the bytes as read, with an error in their CRC
};

// One sector of an ImageDisk file.
struct ImdSector {
    std::uint8_t cylinder = 0;  // the cylinder of the sector's id: its cylinder map entry, else the track's
    std::uint8_t id = 0;        // the sector's id (its number) from the numbering map
    std::uint32_t size = 0;     // bytes
    ImdRecord record = ImdRecord::Unavailable;
    bool compressed = false;    // every byte is `fill`
    std::uint8_t fill = 0;
    std::size_t offset = 0;     // of the sector's bytes in the file, when not compressed
};

// "IMD " and a 1A that ends the comment: an ImageDisk file, whole or not.
bool looksLikeImageDisk(std::span<const std::uint8_t> bytes);

struct ImageDiskRead {
    bool ok = false;
    std::string problem;             // when not ok: what does not hold together, and where
    std::vector<ImdSector> sectors;  // every sector of every track, in file order
};

// Reads the track records of an ImageDisk file; nothing is read beyond its
// end. Not ok when the comment has no end, a track header holds a value the
// format does not define, or a track's maps or records run past the end.
ImageDiskRead readImageDisk(std::span<const std::uint8_t> bytes);

// Teledisk (.TD0) image header, 12 bytes: "TD" ("td": the rest of the file
// is compressed), volume sequence (0 for a single file), check sequence,
// version, data rate, drive type, stepping, DOS allocation flag, sides, and
// a CRC-16 of the first ten bytes (polynomial A097, preset 0).
constexpr std::size_t kTelediskHeaderSize = 12;

// A Teledisk header whose CRC holds: such files are recognised, not read.
bool looksLikeTeledisk(std::span<const std::uint8_t> bytes);

} // namespace vornak
