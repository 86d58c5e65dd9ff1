#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/ppg_bank.h"

namespace vornak {

// V8 SysEx dump, 10245 bytes as written:
//   0             F0 29 01 0D   SysEx start, PPG's manufacturer id, fixed signature
//   4 + 2i        high nibble of image byte i (low four bits; upper four ignored)
//   5 + 2i        low nibble of image byte i, for i = 0 .. 5119
//   10244         F7            end of exclusive
constexpr std::size_t kSysExHeaderSize = 4;
inline constexpr std::uint8_t kSysExHeader[kSysExHeaderSize] = {0xF0, 0x29, 0x01, 0x0D};
constexpr std::size_t kSysExFileSize = kSysExHeaderSize + 2 * kBankImageSize + 1;
constexpr std::uint8_t kSysExEnd = 0xF7;

// What a decode found: how many image bytes it decoded (5120 for a whole
// dump) and where the message ends: the offset just past its F7, or the
// length of the data when no F7 closes it. A data byte carries a nibble in
// its low four bits; a byte from 0x80 up is none (a status byte that got
// into the message), and `nonData` is the offset of the first such byte
// among the pairs decoded (0 when there is none).
struct SysExScan {
    std::size_t decoded = 0;
    std::size_t end = 0;
    bool closed = false; // an F7 ends the message
    std::size_t nonData = 0;
};

// Decodes the nibble pairs behind the header into a memory image at the start
// of the same buffer. Stops at an F7 in either byte of a pair or at the end of
// the data; image bytes from there on keep what the buffer holds. The buffer
// must hold at least 5120 bytes. After a whole image the message's F7 is
// looked for at offset 10244 only.
SysExScan decodeSysEx(std::uint8_t* buffer, std::size_t length);

// Programs rangeStart..rangeEnd and the combis as a dump: the file's bytes
// (empty when memory runs out).
std::vector<std::uint8_t> sysExBytes(const PpgBank& bank, int rangeStart, int rangeEnd);

} // namespace vornak
