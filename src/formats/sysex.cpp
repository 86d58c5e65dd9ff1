#include "formats/sysex.h"

#include <algorithm>

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

std::vector<std::uint8_t> sysExBytes(const PpgBank& bank, int rangeStart, int rangeEnd) {
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

} // namespace vornak
