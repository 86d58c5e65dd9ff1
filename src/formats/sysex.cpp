#include "formats/sysex.h"

#include <algorithm>

namespace vornak {

SysExScan decodeSysEx(std::uint8_t* buffer, std::size_t length) {
    // Where an F7 stands, the message ends just past it; without one, at the
    // end of the data.
    std::size_t nonData = 0;
    const auto endAt = [&](std::size_t decoded, std::size_t at) {
        if (at < length && buffer[at] == kSysExEnd) return SysExScan{decoded, at + 1, true, nonData};
        return SysExScan{decoded, length, false, nonData};
    };
    const auto look = [&](std::size_t at) {
        if (nonData == 0 && buffer[at] >= 0x80) nonData = at;
    };
    // Pair i is read from offset 4 + 2i and written to offset i: the write
    // position never overtakes the read position, so the bytes that end the
    // decode are still there to be looked at.
    for (std::size_t i = 0; i < kBankImageSize; ++i) {
        const std::size_t at = kSysExHeaderSize + 2 * i;
        if (at >= length || buffer[at] == kSysExEnd) return endAt(i, at);
        look(at);
        if (at + 1 >= length || buffer[at + 1] == kSysExEnd) return endAt(i, at + 1);
        look(at + 1);
        buffer[i] = static_cast<std::uint8_t>(((buffer[at] & 0x0F) << 4) | (buffer[at + 1] & 0x0F));
    }
    return endAt(kBankImageSize, kSysExFileSize - 1);
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
