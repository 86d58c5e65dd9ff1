#pragma once

#include <array>
#include <cstdint>
#include <string_view>

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

// The values of a combi that the listing shows (its CP lines), each by a
// label of its own, in the listing's units, with the range a combi record
// holds of it: the eight program numbers (BK 1..BK 8), the keyboard mode
// (KBM, shown as its low seven bits), MULTI, and for each group the number
// of its BK entry (GR:a BK, 0..7), its DET (0..3) and its seven split keys
// (GR:a SPL 1..SPL 7; SPL 1 is also the listing's KEY). One table, read by
// the descriptions of a bank and by the edits of its combis.
enum class CombiField : std::uint8_t { Bk, Kbm, Multi, GroupBk, GroupDet, Split };

struct CombiValue {
    const char* label;
    CombiField field;
    std::uint8_t group; // 0: a, 1: b (the group's fields only)
    std::uint8_t index; // the BK entry or the split key, from 0
    std::int32_t max;   // from 0
};

inline constexpr int kCombiValueCount = 28;
extern const std::array<CombiValue, kCombiValueCount> kCombiValues;

// Nullptr for a label the table does not have.
const CombiValue* combiValue(std::string_view label);
// The value as the listing shows it (KBM: its low seven bits).
std::int32_t shownValue(const PpgCombi& combi, const CombiValue& value);
// Sets the value as the listing shows it: KBM keeps its top bit; the
// others become `v`.
void setValue(PpgCombi& combi, const CombiValue& value, std::int32_t v);

} // namespace vornak
