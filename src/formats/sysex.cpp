#include "formats/sysex.h"

#include <array>

#include "formats/file_io.h"

namespace vornak {

void decodeSysEx(std::uint8_t* buffer, std::size_t length) {
    // Pair i is read from offset 4 + 2i and written to offset i: the write
    // position never overtakes the read position.
    for (std::size_t i = 0; i < kBankImageSize; ++i) {
        const std::size_t at = kSysExHeaderSize + 2 * i;
        if (at >= length || buffer[at] == kSysExEnd) return;
        if (at + 1 >= length || buffer[at + 1] == kSysExEnd) return;
        buffer[i] = static_cast<std::uint8_t>(((buffer[at] & 0x0F) << 4) | (buffer[at + 1] & 0x0F));
    }
}

int exportSysEx(const PpgBank& bank, const char* path, int rangeStart, int rangeEnd) {
    BankImage image{};
    bank.storeImage(image.data(), rangeStart, rangeEnd);
    std::array<std::uint8_t, kSysExFileSize> dump;
    dump[0] = 0xF0;
    dump[1] = 0x29;
    dump[2] = 0x01;
    dump[3] = 0x0D;
    for (std::size_t i = 0; i < kBankImageSize; ++i) {
        dump[kSysExHeaderSize + 2 * i] = image[i] >> 4;
        dump[kSysExHeaderSize + 2 * i + 1] = image[i] & 0x0F;
    }
    dump[kSysExFileSize - 1] = kSysExEnd;
    return writeWholeFile(path, dump.data(), dump.size()) ? 0 : 1;
}

} // namespace vornak
