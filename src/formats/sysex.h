#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/format_module.h"
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

// A dump's data bytes carry a nibble each in their low four bits. MIDI lets
// a system real-time byte (F8 to FF: clock, active sensing, ...) stand
// anywhere, inside a System Exclusive message too: the decode skips them.
// Any other byte from 0x80 up is a status byte that got into the data; it
// is decoded as a data byte (its low four bits) and reported.
constexpr std::uint8_t kFirstRealTime = 0xF8;
constexpr std::size_t kSysExDataSize = 2 * kBankImageSize;

// A status byte among the data: where the file holds it, which data byte
// it stands as (counted from 0, real-time bytes not counted), and the byte.
struct SysExStatusByte {
    std::size_t offset;
    std::size_t dataIndex;
    std::uint8_t byte;
};

// What a decode found. `dataBytes` counts the data bytes before the closing
// F7 or the end of the data; beyond the 10,240 of a whole memory it goes on
// only until a status byte, which begins another message. `end` is the
// offset just past the F7, or where the message stopped.
struct SysExScan {
    std::size_t decoded = 0; // image bytes decoded: 5120 for a whole dump
    std::size_t dataBytes = 0;
    std::size_t end = 0;
    bool closed = false;     // an F7 ends the message
    std::vector<SysExStatusByte> statusBytes; // among the first 10,240 data bytes
    std::size_t realTimeBytes = 0;            // skipped
    std::size_t firstRealTime = 0;            // their offsets, the first and the last
    std::size_t lastRealTime = 0;
};

// Decodes the nibble pairs behind the header into a memory image at the start
// of the same buffer, skipping real-time bytes. Stops at an F7, at the end of
// the data, or after a whole image at a status byte; image bytes from where
// the decode stopped on keep what the buffer holds. The buffer must hold at
// least 5120 bytes.
SysExScan decodeSysEx(std::uint8_t* buffer, std::size_t length);

// Programs rangeStart..rangeEnd and the combis as a dump: the file's bytes
// (empty when memory runs out).
std::vector<std::uint8_t> exportSysEx(const PpgBank& bank, int rangeStart, int rangeEnd);

// The module: a dump is read with notes on what came through (a cut dump,
// status and real-time bytes among its data, a misplaced end), and exported
// with /S.
extern const FormatModule kSysExModule;

} // namespace vornak
