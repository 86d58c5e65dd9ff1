#include "flex_image.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace vornak::test {

namespace {

constexpr std::size_t kSector = 256;

void put16(std::uint8_t* p, std::size_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}

void putAddress(std::uint8_t* p, FlexAddress a) {
    p[0] = static_cast<std::uint8_t>(a.track);
    p[1] = static_cast<std::uint8_t>(a.sector);
}

} // namespace

std::vector<std::uint8_t> asCopied(std::vector<std::uint8_t> bytes) {
    bytes.resize(std::max<std::size_t>(1, (bytes.size() + 251) / 252) * 252, 0);
    return bytes;
}

std::vector<std::uint8_t> telediskHeader() {
    std::vector<std::uint8_t> td0 = {'T', 'D', 0, 0x5A, 0x15, 0x02, 0x01, 0x00, 0x00, 0x01};
    std::uint16_t crc = 0;
    for (std::uint8_t b : td0)
        for (int bit = 7; bit >= 0; --bit)
            crc = static_cast<std::uint16_t>(((crc >> 15) ^ ((b >> bit) & 1)) != 0 ? (crc << 1) ^ 0xA097 : crc << 1);
    td0.push_back(static_cast<std::uint8_t>(crc));
    td0.push_back(static_cast<std::uint8_t>(crc >> 8));
    return td0;
}

FlexImage::FlexImage(const FlexLayout& layout)
    : layout_(layout), bytes_(static_cast<std::size_t>(layout.tracks * sectorsPerTrack()) * kSector),
      nextFree_(static_cast<std::size_t>(sectorsPerTrack())) {
    const int spt = sectorsPerTrack();
    std::uint8_t* sir = sector({0, 3});
    std::memcpy(sir + 0x10, layout.label.data(), std::min<std::size_t>(layout.label.size(), 11));
    put16(sir + 0x1B, static_cast<std::size_t>(layout.volume));
    sir[0x23] = layout.month;
    sir[0x24] = layout.day;
    sir[0x25] = layout.year;
    sir[0x26] = static_cast<std::uint8_t>(layout.tracks - 1);
    sir[0x27] = static_cast<std::uint8_t>(spt);
    // The directory sectors linked in order, the last ending the chain.
    for (int s = 5; s < spt; ++s) putAddress(sector({0, s}), {0, s + 1});
    // The free chain: every sector from track 1 on, in order.
    const std::size_t total = bytes_.size() / kSector;
    for (std::size_t i = nextFree_; i + 1 < total; ++i) putAddress(bytes_.data() + i * kSector, addressOf(i + 1));
    putAddress(sir + 0x1D, addressOf(nextFree_));
    putAddress(sir + 0x1F, addressOf(total - 1));
    put16(sir + 0x21, total - nextFree_);
}

std::size_t FlexImage::offsetOf(FlexAddress a) const {
    return (static_cast<std::size_t>(a.track * sectorsPerTrack()) + static_cast<std::size_t>(a.sector - 1)) * kSector;
}

FlexAddress FlexImage::addressOf(std::size_t index) const {
    const auto spt = static_cast<std::size_t>(sectorsPerTrack());
    return {static_cast<int>(index / spt), static_cast<int>(index % spt) + 1};
}

std::uint8_t* FlexImage::sector(FlexAddress a) { return bytes_.data() + offsetOf(a); }

std::uint8_t* FlexImage::entry(int n) {
    return sector({0, 5 + n / 10}) + 16 + static_cast<std::size_t>(n % 10) * 24;
}

void FlexImage::link(FlexAddress from, FlexAddress to) { putAddress(sector(from), to); }

std::vector<FlexAddress> FlexImage::addFile(const std::string& name, const std::vector<std::uint8_t>& bytes,
                                            const FlexEntryOptions& options) {
    const std::size_t count = std::max<std::size_t>(1, (bytes.size() + 251) / 252);
    const std::size_t total = bytes_.size() / kSector;
    if (nextFree_ + count > total || entries_ == (sectorsPerTrack() - 4) * 10)
        throw std::length_error("the test disk is full");
    std::vector<FlexAddress> chain;
    for (std::size_t n = 0; n < count; ++n) {
        const FlexAddress a = addressOf(nextFree_ + n);
        std::uint8_t* s = sector(a);
        std::memset(s, 0, kSector);
        putAddress(s, n + 1 < count ? addressOf(nextFree_ + n + 1) : FlexAddress{});
        put16(s + 2, n + 1);
        const std::size_t from = n * 252;
        if (from < bytes.size()) std::memcpy(s + 4, bytes.data() + from, std::min<std::size_t>(252, bytes.size() - from));
        chain.push_back(a);
    }
    nextFree_ += count;
    std::uint8_t* sir = sector({0, 3});
    putAddress(sir + 0x1D, nextFree_ < total ? addressOf(nextFree_) : FlexAddress{});
    if (nextFree_ == total) putAddress(sir + 0x1F, {});
    put16(sir + 0x21, total - nextFree_);

    std::uint8_t* e = entry(entries_++);
    std::memset(e, 0, 24);
    const std::size_t dot = name.find('.');
    const std::string base = name.substr(0, dot), extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    std::memcpy(e, base.data(), std::min<std::size_t>(base.size(), 8));
    std::memcpy(e + 8, extension.data(), std::min<std::size_t>(extension.size(), 3));
    if (options.deleted) e[0] |= 0x80;
    e[11] = options.attributes;
    putAddress(e + 13, chain.front());
    putAddress(e + 15, chain.back());
    put16(e + 17, count);
    e[19] = options.random ? 2 : 0;
    e[21] = options.month;
    e[22] = options.day;
    e[23] = options.year;
    return chain;
}

std::vector<std::uint8_t> FlexImage::raw() const { return bytes_; }

std::vector<std::uint8_t> FlexImage::imageDisk() const {
    const std::string header = "IMD 1.18: 14/07/1986 12:00:00\r\nA FLEX disk written for Vornak's tests\r\n";
    std::vector<std::uint8_t> out(header.begin(), header.end());
    out.push_back(0x1A);
    const int n = layout_.sectorsPerSide;
    for (int c = 0; c < layout_.tracks; ++c) {
        for (int h = 0; h < layout_.sides; ++h) {
            // Interleave 2:1: the odd sectors of the side, then the even ones;
            // a bad copy (true) before its sector.
            std::vector<std::pair<int, bool>> ids;
            for (int pass = 0; pass < 2; ++pass)
                for (int id = h * n + pass + 1; id <= h * n + n; id += 2) {
                    if (leftOut_.contains({c, id})) continue;
                    if (badCopies_.contains({c, id})) ids.emplace_back(id, true);
                    ids.emplace_back(id, false);
                }
            const bool cylinderMap = c % 2 == 1;
            out.push_back(5); // 250 kbps MFM
            out.push_back(static_cast<std::uint8_t>(c));
            out.push_back(static_cast<std::uint8_t>(h | (cylinderMap ? 0x80 : 0)));
            out.push_back(static_cast<std::uint8_t>(ids.size()));
            out.push_back(1); // 256 bytes
            for (const auto& [id, bad] : ids) out.push_back(static_cast<std::uint8_t>(id));
            if (cylinderMap)
                for (std::size_t i = 0; i < ids.size(); ++i) out.push_back(static_cast<std::uint8_t>(c));
            for (const auto& [id, bad] : ids) {
                const FlexAddress a{c, id};
                if (unreadable_.contains(a) && !bad) {
                    out.push_back(0);
                    continue;
                }
                std::uint8_t s[kSector];
                std::memcpy(s, bytes_.data() + offsetOf(a), kSector);
                if (bad)
                    for (auto& b : s) b = static_cast<std::uint8_t>(~b);
                const bool same = std::all_of(s, s + kSector, [&](std::uint8_t b) { return b == s[0]; });
                const std::uint8_t error = bad || dataError_.contains(a) ? 4 : 0;
                out.push_back(static_cast<std::uint8_t>((same ? 2 : 1) + error));
                if (same) out.push_back(s[0]);
                else out.insert(out.end(), s, s + kSector);
            }
        }
    }
    return out;
}

} // namespace vornak::test
