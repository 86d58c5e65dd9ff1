#include "formats/waveterm.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vornak {

namespace {

constexpr std::size_t kFlexRecordBytes = 255;
constexpr std::size_t kWavetermBMinimumSize = kWavetermBImageOffset + kBankImageSize;
constexpr std::size_t kNameFieldOffset = 38;
constexpr std::size_t kNameFieldSize = 64;
constexpr std::size_t kLengthOffset = 20;
constexpr std::size_t kSignatureSize = 2;

} // namespace

bool readFlexRecord(ByteCursor& c, FlexRecord& record) {
    std::uint8_t kind = 0;
    do {
        if (c.pos == c.end) return false;
        kind = *c.pos++;
    } while (kind == 0x00);

    const std::size_t left = static_cast<std::size_t>(c.end - c.pos);
    if (kind == kFlexTransfer) {
        if (left < 2) return false;
        record.kind = kind;
        record.address = static_cast<std::uint16_t>((c.pos[0] << 8) | c.pos[1]);
        record.count = 0;
        c.pos += 2;
        return true;
    }
    if (kind != kFlexData || left < 3 || left - 3 < c.pos[2]) return false;
    record.kind = kind;
    record.address = static_cast<std::uint16_t>((c.pos[0] << 8) | c.pos[1]);
    record.count = c.pos[2];
    std::memcpy(record.data, c.pos + 3, record.count);
    c.pos += 3 + record.count;
    return true;
}

bool parseWavetermA(const std::uint8_t* data, std::size_t size, std::uint8_t* work, FlexScan* scan) {
    ByteCursor cursor{data, data + size};
    FlexRecord record;
    if (!readFlexRecord(cursor, record)) return false;
    std::bitset<kBankImageSize> placed;
    const std::uint8_t* stop = nullptr;
    do {
        if (record.kind == kFlexData && record.count != 0) {
            const std::size_t room = kWorkImageSize - record.address;
            std::memcpy(work + record.address, record.data, std::min<std::size_t>(record.count, room));
            for (std::size_t a = record.address; a < std::size_t{record.address} + record.count && a < kBankImageSize; ++a)
                placed.set(a);
        }
        stop = cursor.pos;
    } while (readFlexRecord(cursor, record));
    if (scan != nullptr) {
        // The stream ended at the first byte after the last record that is
        // not zero padding, or at the end of the file.
        while (stop != cursor.end && *stop == 0x00) ++stop;
        scan->placed = placed;
        scan->bytesAfterRecords = static_cast<std::size_t>(cursor.end - stop);
    }
    return true;
}

bool parseWavetermB(const std::uint8_t* data, std::size_t size, std::uint8_t* work) {
    // `data` starts behind the two signature bytes; the constants are file offsets.
    auto at = [data](std::size_t fileOffset) { return data + (fileOffset - kSignatureSize); };
    if (size + kSignatureSize < kWavetermBMinimumSize) return false;
    const unsigned length = at(kLengthOffset)[0] * 256u + at(kLengthOffset)[1];
    if (length < kBankImageSize) return false;
    std::memcpy(work, at(kWavetermBImageOffset), kBankImageSize);

    char name[kNameFieldSize + 1] = {};
    std::memcpy(name, at(kNameFieldOffset), kNameFieldSize);
    for (std::size_t i = kNameFieldSize; i > 0 && name[i - 1] == ' '; --i) name[i - 1] = '\0';
    std::memcpy(work + kWorkNameOffset, name, std::strlen(name) + 1);
    return true;
}

bool takeWorkImageName(const std::uint8_t* work, char (&name)[kProgramNameSize]) {
    const std::size_t room = kWorkImageSize - kWorkNameOffset;
    return setName(name, reinterpret_cast<const char*>(work + kWorkNameOffset), room);
}

std::vector<std::uint8_t> wavetermABytes(const PpgBank& bank, int rangeStart, int rangeEnd) {
    BankImage image{};
    bank.storeImage(image.data(), rangeStart, rangeEnd);
    std::vector<std::uint8_t> file(kWavetermAFileSize);
    std::size_t out = 0;
    for (std::size_t address = 0; address < kBankImageSize; address += kFlexRecordBytes) {
        const std::size_t n = std::min(kFlexRecordBytes, kBankImageSize - address);
        file[out++] = kFlexData;
        file[out++] = static_cast<std::uint8_t>(address >> 8);
        file[out++] = static_cast<std::uint8_t>(address & 0xFF);
        file[out++] = static_cast<std::uint8_t>(n);
        std::memcpy(file.data() + out, image.data() + address, n);
        out += n;
    }
    return file;
}

std::vector<std::uint8_t> wavetermBBytes(const PpgBank& bank, int rangeStart, int rangeEnd) {
    std::vector<std::uint8_t> image(kBankImageSize, 0);
    bank.storeImage(image.data(), rangeStart, rangeEnd);
    return image;
}

} // namespace vornak
