#pragma once

#include <array>
#include <cstdint>

#include "model/ppg_program.h"

namespace vornak {

// One combination program of a Wave 2.3. Packed form, 32 bytes:
//   0        firstByte (carried through)      24      kbm
//   1..8     bk[0..7]                         25      bits 3..5 bkIndex a, bits 0..2 bkIndex b
//   9..15    split[0..6] of group a           26      bits 2..3 det a, bits 0..1 det b
//   16       unused                           27      multi
//   17..23   split[0..6] of group b           28..30  unused
//                                             31      0x55 ('U') when in use
// The unused bytes and bits (bits 6, 7 of byte 25, bits 4..7 of byte 26)
// are kept as read, and byte 31 of a combi not in use too.
constexpr int kPackedCombiSize = 32;
constexpr std::uint8_t kCombiUsedMarker = 0x55;

using PackedCombi = std::array<std::uint8_t, kPackedCombiSize>;

struct CombiGroup {
    std::int32_t bkIndex = 0;
    std::int32_t det = 0;
    std::int32_t split[7] = {};
};

class PpgCombi {
public:
    explicit PpgCombi(const std::uint8_t* packed = nullptr);
    PpgCombi(const PpgCombi&) = default;
    PpgCombi& operator=(const PpgCombi&) = default;

    void clear();
    // Decodes every value (not the name); a null record does nothing.
    void decode(const std::uint8_t* packed);
    // Writes all 32 bytes of the record; the combi is not changed.
    void encode(std::uint8_t* packed) const;

    char name[kProgramNameSize] = {};
    std::int32_t used = 0;
    std::int32_t bk[8] = {};
    std::int32_t kbm = 0;
    std::int32_t firstByte = 0;
    std::int32_t multi = 0;
    CombiGroup groupA;
    CombiGroup groupB;
    // The bits of the record that no value holds, as read (byte 31: the
    // marker byte of a combi not in use). Zero but in an image that sets them.
    PackedCombi spare{};
};

} // namespace vornak
