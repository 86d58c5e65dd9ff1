#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "formats/format_module.h"
#include "formats/fxb_file.h"
#include "model/ppg_bank.h"

namespace vornak {

// Waldorf 2.V banks are FXB files with fxID "2900", in two kinds:
// - a parameter bank ("FxBk"): one 89-parameter block per program; the bank
//   globals travel as program values 13..23 of program 0;
// - a chunk bank ("FBCh"): a chunk of sub-chunks laid out like program blocks
//   but marked "FPCh": a short one (fewer than 50 parameters) with the 12
//   bank globals, and 89-parameter ones with programs. Other sizes are
//   skipped. numParams is little-endian in a sub-chunk whose fxVersion is at
//   most 0x00010202 and whose byte 27 is 0, big-endian otherwise.
// Written banks always hold 128 programs.
constexpr int k2VBankPrograms = 128;
constexpr int k2VGlobalsSubChunkSize = 56 + 4 * 12;
constexpr int k2VChunkSize = k2VGlobalsSubChunkSize + k2VBankPrograms * (56 + 4 * 89);
constexpr std::uint32_t k2VChunkFxVersionV123 = 0x10204;
// The last fxVersion whose sub-chunks may count their parameters
// little-endian (V1.2.2); later versions write them big-endian.
constexpr std::int32_t k2VLittleEndianCountUpTo = 0x00010202;

// Bank globals 0..10 in globals sub-chunk parameters 1..11, with the ranges
// of the program values they stand for (13..23).
inline constexpr std::array<std::int32_t, kGlobalCount> k2VGlobalMax = [] {
    std::array<std::int32_t, kGlobalCount> max{};
    for (std::size_t k = 0; k < max.size(); ++k) max[k] = kProgramParameters[kFirstGlobalValue + k].max2V;
    return max;
}();

// Fills the bank from a parsed file (the image may be changed in place).
// A chunk bank gets as many programs as its numPrograms says (1 up to
// kMaxBankPrograms), whatever its chunk holds; a parameter bank one program
// for each block, as many as its image holds up to kMaxBankPrograms. False
// when the file is not a 2.V bank; the bank is then either untouched (wrong
// fxID, a chunk bank's count out of that range) or emptied.
// `stats`, when given, receives how many programs the file itself held
// (program sub-chunks or blocks decoded), which of them have names that
// fill all 28 bytes of the name field and were cut to the 27 a name keeps,
// and which hold parameters that are not sound (paramIsSound), with how
// many such parameters the programs and the bank's globals hold.
struct Read2V {
    int programs = 0;
    std::vector<int> namesCut;
    std::vector<int> unsound;
    int unsoundValues = 0;
    int unsoundGlobals = 0;
};
bool load2V(PpgBank& bank, FxbFile& file, Read2V* stats = nullptr);

// What an exported 2.V bank holds (one group of each program, 128 slots).
extern const ExportLayout k2VLayout;

void store2VParams(const PpgBank& bank, FxbFile& file, int rangeStart, int rangeEnd, int group);
void store2VChunks(const PpgBank& bank, FxbFile& file, int rangeStart, int rangeEnd, int group,
                   std::uint32_t fxVersion);

// The three kinds of 2.V bank written: a parameter bank (128 blocks of 89
// parameters, as V1.2 saves), and chunk banks with fxVersion 1 (up to V1.1)
// or 0x10204 (V1.2.3 on).
enum class Layout2V { ParameterBank, ChunkBankV1, ChunkBankV123 };

// The file's bytes (empty when memory runs out).
std::vector<std::uint8_t> export2V(const PpgBank& bank, int rangeStart, int rangeEnd, int group, Layout2V layout);

// The module: any FXB bank that no other plug-in's row claims is read as a
// 2.V bank, with notes on what it holds otherwise than the plug-in writes;
// exported with /F, /N and /O.
extern const FormatModule k2VModule;

} // namespace vornak
