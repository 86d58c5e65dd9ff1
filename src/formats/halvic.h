#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/byte_order.h"
#include "formats/format_module.h"
#include "model/ppg_bank.h"

namespace vornak {

// Halvic banks are FXB chunk banks (fxID "Hvic", fxVersion 0) whose 65768-byte
// chunk is the plug-in's memory snapshot:
//   13           tuning byte (bank global 0: the bank holds one tuning)
//   1024         the 5120-byte memory image
//   6148..12287  fixed bytes the plug-in expects (written, never read)
//   16384..65535 scanned on reading: any nonzero byte makes the model byte at
//                61437 count (0: Wave 2.2; 5 or 0x45: Wave 2.3); written zero
//   65540        FE (written, never read)
constexpr std::uint32_t kHalvicFxId = fourCC("Hvic");
constexpr std::size_t kHalvicChunkSize = 65768;
constexpr std::size_t kHalvicTuningOffset = 13;
constexpr std::size_t kHalvicImageOffset = 1024;
constexpr std::size_t kHalvicScanStart = 16384;
constexpr std::size_t kHalvicScanEnd = 65536;
constexpr std::size_t kHalvicModelOffset = 61437;
// Shortest chunk that holds the memory image.
constexpr std::size_t kHalvicMinimumChunk = kHalvicImageOffset + kBankImageSize;

// Loads the memory image and the tuning from a chunk of at least
// kHalvicMinimumChunk bytes (false, bank untouched, when it is shorter).
// Without a model hint the bytes the chunk holds decide, and where they say
// nothing the combi markers; `used`, when given, receives the hint the image
// was loaded with.
bool loadHalvic(PpgBank& bank, const std::uint8_t* chunk, std::size_t size, ModelHint hint, ModelHint* used = nullptr);

// The file's bytes (empty when memory runs out).
std::vector<std::uint8_t> exportHalvic(const PpgBank& bank, int rangeStart, int rangeEnd);

// A Halvic bank holds what a memory image holds, and the tuning once for the
// whole bank.
extern const ExportLayout kHalvicLayout;

// The module: read from a chunk bank of the plug-in's identifier, exported
// with /M.
extern const FormatModule kHalvicModule;

} // namespace vornak
