#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/format_module.h"
#include "model/ppg_bank.h"

namespace vornak {

// Both Waveterm readers fill a 64 KiB work image, all zero beforehand:
//   0x0000  5120 bytes   the memory image
//   0xC0C0  up to a NUL  the bank name (none when the byte there is 0)
constexpr std::size_t kWorkImageSize = 0x10000;
constexpr std::size_t kWorkNameOffset = 0xC0C0;

// Waveterm A files are FLEX binary files, a stream of load records:
//   02 hi lo n  d0 .. d(n-1)   data record: n bytes (0..255) for address hi:lo
//   16 hi lo                   transfer address record, no data
// Any number of 00 bytes may stand before a record; any other byte ends the
// stream. Written as 21 data records of 255 bytes (the last 20) and nothing
// else: 5204 bytes.
constexpr std::uint8_t kFlexData = 0x02;
inline constexpr std::uint8_t kWavetermAMagic[1] = {kFlexData};
constexpr std::uint8_t kFlexTransfer = 0x16;
constexpr std::size_t kWavetermAFileSize = 5204;

struct FlexRecord {
    std::uint8_t kind = 0;
    std::uint16_t address = 0;
    std::uint8_t count = 0;
    std::uint8_t data[255] = {};
};

// Bytes from `pos` up to `end`; a read never passes `end`.
struct ByteCursor {
    const std::uint8_t* pos;
    const std::uint8_t* end;
};

// Reads the record at the cursor and moves past it. False when no whole
// record starts there: an end of data, a byte that starts no record, or a
// record cut short by the end of the data.
bool readFlexRecord(ByteCursor& cursor, FlexRecord& record);

// What a replay found: which bytes of the memory image (addresses 0..5119)
// the records placed, and how many bytes follow the record stream (from the
// byte that ended it; zero padding before the end of the file is part of the
// stream).
struct FlexScan {
    std::bitset<kBankImageSize> placed;
    std::size_t bytesAfterRecords = 0;
};

// Replays the records into the work image, later ones over earlier ones;
// bytes beyond address 0xFFFF are dropped. False when the first record is not
// a whole record.
bool parseWavetermA(const std::uint8_t* data, std::size_t size, std::uint8_t* work, FlexScan* scan = nullptr);

// Waveterm B file (file offsets; `data` starts behind "WB" at offset 2):
//   0    "WB"
//   20   data length L, big-endian 16 bits, at least 5120
//   38   bank name, 64 bytes padded with blanks
//   102  the 5120-byte memory image (L - 5120 more bytes follow, not read)
// False when L is below 5120 or the file ends before the whole image.
bool parseWavetermB(const std::uint8_t* data, std::size_t size, std::uint8_t* work);
inline constexpr std::uint8_t kWavetermBMagic[2] = {'W', 'B'};
constexpr std::size_t kWavetermBImageOffset = 102;

// The bank name the work image holds, cut to 27 characters; empty when none.
// Answers whether it was cut.
bool takeWorkImageName(const std::uint8_t* work, char (&name)[kProgramNameSize]);

// The files' bytes (empty when memory runs out). A Waveterm B file is
// written as the bare 5120-byte image, without the "WB" header.
std::vector<std::uint8_t> exportWavetermA(const PpgBank& bank, int rangeStart, int rangeEnd);
std::vector<std::uint8_t> exportWavetermB(const PpgBank& bank, int rangeStart, int rangeEnd);

// The module: both kinds of file are read with notes on what the file holds
// beyond the memory, or not of it; /A exports a Waveterm A file, /B the bare
// image. The bare image, which a Waveterm B file holds behind its header, is
// read on its own too: any file of 5120 bytes or more that no other format
// recognises is taken as one (its first 5120 bytes).
extern const FormatModule kWavetermModule;

} // namespace vornak
