#pragma once

#include <cstddef>
#include <cstdint>

#include "model/ppg_bank.h"

namespace vornak {

// V8 SysEx dump, 10245 bytes as written:
//   0             F0 29 01 0D   SysEx start, PPG's manufacturer id, fixed signature
//   4 + 2i        high nibble of image byte i (low four bits; upper four ignored)
//   5 + 2i        low nibble of image byte i, for i = 0 .. 5119
//   10244         F7            end of exclusive
constexpr std::size_t kSysExHeaderSize = 4;
constexpr std::size_t kSysExFileSize = kSysExHeaderSize + 2 * kBankImageSize + 1;
constexpr std::uint8_t kSysExEnd = 0xF7;

// Decodes the nibble pairs behind the header into a memory image at the start
// of the same buffer. Stops at an F7 in either byte of a pair or at the end of
// the data; image bytes from there on keep what the buffer holds. The buffer
// must hold at least 5120 bytes.
void decodeSysEx(std::uint8_t* buffer, std::size_t length);

// Writes programs rangeStart..rangeEnd and the combis as a dump; 0 or 1.
int exportSysEx(const PpgBank& bank, const char* path, int rangeStart, int rangeEnd);

} // namespace vornak
