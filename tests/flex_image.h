#pragma once

// FLEX disk images written for the tests, without the code under test: a
// disk laid out as FLEX's NEWDISK leaves it (boot sectors 1-2, the System
// Information Record at track 0 sector 3, the directory on the rest of track
// 0 from sector 5, every sector from track 1 on in the free chain), files
// written on the free chain's first sectors, then the disk as a raw sector
// dump or as an ImageDisk file. Damage is made by hand: links, sectors left
// out of the image or marked unreadable or read with a data error.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace vornak::test {

struct FlexAddress {
    int track = 0;
    int sector = 0;
    auto operator<=>(const FlexAddress&) const = default;
};

struct FlexLayout {
    int tracks = 35;          // 0 .. tracks - 1
    int sectorsPerSide = 10;
    int sides = 1;            // 2: each track's second side numbered on from the first's
    std::string label = "WAVETERM";
    int volume = 1;
    std::uint8_t month = 7, day = 14, year = 86;
};

struct FlexEntryOptions {
    std::uint8_t month = 3, day = 9, year = 87;
    std::uint8_t attributes = 0;
    bool random = false;
    bool deleted = false;     // bit 7 of the name's first byte; the sectors stay written
};

// What FLEX copies off a disk for a file written with these bytes: whole
// sectors of 252 bytes, the last padded with zeros as written.
std::vector<std::uint8_t> asCopied(std::vector<std::uint8_t> bytes);

// A Teledisk header: "TD", sequence 0, check sequence, version, data rate,
// drive type, stepping, allocation flag, sides, then the CRC-16 (polynomial
// A097, preset 0) of its first ten bytes, low byte first.
std::vector<std::uint8_t> telediskHeader();

class FlexImage {
public:
    explicit FlexImage(const FlexLayout& layout = {});

    int sectorsPerTrack() const { return layout_.sectorsPerSide * layout_.sides; }

    // Writes "NAME.EXT" on the next free sectors (one at least), 252 bytes a
    // sector with record numbers from 1, and its directory entry; answers
    // the sectors of its chain.
    std::vector<FlexAddress> addFile(const std::string& name, const std::vector<std::uint8_t>& bytes,
                                     const FlexEntryOptions& options = {});

    // The 256 bytes of a sector, and the 24 bytes of the n-th directory entry
    // (counted from 0, deleted ones too).
    std::uint8_t* sector(FlexAddress a);
    std::uint8_t* entry(int n);

    // Damage: a sector's link set by hand; for the ImageDisk file, a sector
    // left out of its track, recorded as unreadable, or as read with a data
    // error (its bytes still there).
    void link(FlexAddress from, FlexAddress to);
    void leaveOut(FlexAddress a) { leftOut_.insert(a); }
    void markUnreadable(FlexAddress a) { unreadable_.insert(a); }
    void markDataError(FlexAddress a) { dataError_.insert(a); }
    // A second copy of the sector in its track, before the first: its bytes
    // inverted, read with a data error.
    void addBadCopy(FlexAddress a) { badCopies_.insert(a); }

    std::vector<std::uint8_t> raw() const;
    // Tracks in cylinder then side order, sectors interleaved 2:1 in the
    // numbering map, odd cylinders with a sector cylinder map, sectors whose
    // bytes are all the same compressed.
    std::vector<std::uint8_t> imageDisk() const;

private:
    std::size_t offsetOf(FlexAddress a) const;
    FlexAddress addressOf(std::size_t index) const;

    FlexLayout layout_;
    std::vector<std::uint8_t> bytes_;
    std::size_t nextFree_;    // sector index of the free chain's first sector
    int entries_ = 0;
    std::set<FlexAddress> leftOut_, unreadable_, dataError_, badCopies_;
};

} // namespace vornak::test
