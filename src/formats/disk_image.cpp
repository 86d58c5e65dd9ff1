#include "formats/disk_image.h"

#include <algorithm>
#include <cstring>

namespace vornak {

namespace {

constexpr std::uint8_t kLastMode = 5;
constexpr std::uint8_t kCylinderMap = 0x80;
constexpr std::uint8_t kHeadMap = 0x40;
constexpr std::uint8_t kLastSizeCode = 6;
constexpr std::uint8_t kLastRecord = 8;
constexpr std::size_t kTrackHeaderSize = 5;

// A read position in the file that never passes its end.
class Cursor {
public:
    explicit Cursor(std::span<const std::uint8_t> bytes, std::size_t at) : bytes_(bytes), at_(at) {}
    std::size_t at() const { return at_; }
    bool atEnd() const { return at_ == bytes_.size(); }
    std::size_t left() const { return bytes_.size() - at_; }
    // The next n bytes, or none when fewer are left.
    const std::uint8_t* take(std::size_t n) {
        if (left() < n) return nullptr;
        const std::uint8_t* p = bytes_.data() + at_;
        at_ += n;
        return p;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_;
};

std::string at(std::size_t offset) { return " at byte " + std::to_string(offset); }

// Reads one track's header, maps and records onto `sectors`; words when it
// does not hold together.
std::string readTrack(Cursor& c, std::vector<ImdSector>& sectors) {
    const std::size_t start = c.at();
    const std::uint8_t* header = c.take(kTrackHeaderSize);
    if (header == nullptr) return "a track header is cut short" + at(start);
    const std::uint8_t mode = header[0], cylinder = header[1], head = header[2], count = header[3], sizeCode = header[4];
    if (mode > kLastMode) return "a track's mode is " + std::to_string(mode) + at(start);
    if ((head & ~(kCylinderMap | kHeadMap)) > 1) return "a track's head is " + std::to_string(head) + at(start + 2);
    if (count == 0) return {};
    if (sizeCode > kLastSizeCode)
        return "a track's sector size code is " + std::to_string(sizeCode) + at(start + 4) +
               " (0 to 6 are sizes; mixed sizes are not read)";

    const std::uint8_t* ids = c.take(count);
    const std::uint8_t* cylinders = (head & kCylinderMap) != 0 ? c.take(count) : nullptr;
    const std::uint8_t* heads = (head & kHeadMap) != 0 ? c.take(count) : nullptr;
    if (ids == nullptr || ((head & kCylinderMap) != 0 && cylinders == nullptr) || ((head & kHeadMap) != 0 && heads == nullptr))
        return "the sector maps of cylinder " + std::to_string(cylinder) + " are cut short" + at(start);

    const std::uint32_t size = 128u << sizeCode;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t recordAt = c.at();
        const std::uint8_t* type = c.take(1);
        if (type == nullptr) return "the sectors of cylinder " + std::to_string(cylinder) + " are cut short" + at(recordAt);
        if (*type > kLastRecord) return "a sector record's type is " + std::to_string(*type) + at(recordAt);
        ImdSector s;
        s.cylinder = cylinders != nullptr ? cylinders[i] : cylinder;
        s.id = ids[i];
        s.size = size;
        if (*type != 0) {
            // 1, 3, 5, 7 carry the bytes; 2, 4, 6, 8 one byte for all of them.
            s.record = *type >= 5 ? ImdRecord::DataError : ImdRecord::Data;
            s.compressed = *type % 2 == 0;
            s.offset = c.at();
            const std::uint8_t* data = c.take(s.compressed ? 1 : size);
            if (data == nullptr) return "a sector of cylinder " + std::to_string(cylinder) + " is cut short" + at(recordAt);
            if (s.compressed) s.fill = *data;
        }
        sectors.push_back(s);
    }
    return {};
}

} // namespace

bool looksLikeImageDisk(std::span<const std::uint8_t> bytes) {
    return bytes.size() > kImageDiskSignatureSize &&
           std::memcmp(bytes.data(), kImageDiskSignature, kImageDiskSignatureSize) == 0 &&
           std::find(bytes.begin(), bytes.end(), kImageDiskCommentEnd) != bytes.end();
}

ImageDiskRead readImageDisk(std::span<const std::uint8_t> bytes) {
    ImageDiskRead read;
    if (!looksLikeImageDisk(bytes)) {
        read.problem = "no ImageDisk header ended by 1A";
        return read;
    }
    const auto end = std::find(bytes.begin(), bytes.end(), kImageDiskCommentEnd);
    Cursor c(bytes, static_cast<std::size_t>(end - bytes.begin()) + 1);
    // Each track takes at least its five header bytes, each sector at least
    // its map entry and record type: the file's size bounds both loops.
    while (!c.atEnd()) {
        read.problem = readTrack(c, read.sectors);
        if (!read.problem.empty()) {
            read.sectors.clear();
            return read;
        }
    }
    read.ok = true;
    return read;
}

bool looksLikeTeledisk(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kTelediskHeaderSize) return false;
    const bool normal = bytes[0] == 'T' && bytes[1] == 'D';
    const bool advanced = bytes[0] == 't' && bytes[1] == 'd';
    if ((!normal && !advanced) || bytes[2] != 0) return false;
    // CRC-16, polynomial A097, preset 0, most significant bit first.
    std::uint16_t crc = 0;
    for (std::size_t i = 0; i < kTelediskHeaderSize - 2; ++i) {
        crc = static_cast<std::uint16_t>(crc ^ (bytes[i] << 8));
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) != 0 ? (crc << 1) ^ 0xA097 : crc << 1);
    }
    // The DOS program stores it low byte first; the notes on the format do
    // not say so, and either order is taken.
    const std::uint16_t low = static_cast<std::uint16_t>(bytes[10] | (bytes[11] << 8));
    const std::uint16_t high = static_cast<std::uint16_t>((bytes[10] << 8) | bytes[11]);
    return crc == low || crc == high;
}

} // namespace vornak
