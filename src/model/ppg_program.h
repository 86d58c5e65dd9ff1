#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "model/parameters.h"

namespace vornak {

// One PPG Wave 2.2/2.3 program (one sound): a name, 29 program-level values and
// two groups (A and B) of 57 sound parameters each.
//
// In a memory image a program is a 51-byte bit-packed record (PackedProgram):
//   bits   0..14   program values 0, 1, 2 (wavetable, keyboard mode, split)
//   bits  15..204  group A, rows 0..38 of the group field table
//   bits 205..210  unused: 0 in a PPG's own memory
//   bits 211..400  group B, rows 0..38 of the group field table
//   bits 401..407  unused: 0 in a PPG's own memory
// Bit n is bit (n mod 8) of byte (n div 8). Group parameters 40..42 (mode
// components) and 43..56 (single flags) are derived from 29, 22 and 23.

constexpr int kPackedProgramSize = 51;
constexpr int kProgramNameSize = 28;
constexpr int kProgramValueCount = 29;
constexpr int kGroupParamCount = 57;

using PackedProgram = std::array<std::uint8_t, kPackedProgramSize>;

// Program values with a name of their own.
enum ProgramValue : int {
    kWavetable = 0,
    kKeyboardMode = 1,
    kKeyboardSplit = 2,
    kTuning = kFirstGlobalValue, // global 0
};

// The two groups of a program, as indices into `groups`.
constexpr int kGroupA = 0;
constexpr int kGroupB = 1;

// Group parameters the code refers to by number.
enum GroupParam : int {
    kFlagByte1 = 22,
    kFlagByte2 = 23,
    kSwitch = 28,       // SW
    kModeNumber = 29,   // BD
    kModeComponent0 = 40,
    kModeComponent1 = 41,
    kModeComponent2 = 42,
};

// One row of a bit-field table: the value it fills, the field's bits (a run of
// low bits) and the factor between the stored number and the in-memory value.
struct ParamField {
    std::uint8_t index;
    std::uint8_t mask;
    std::int32_t scale;
    // A mask is a run of low bits, so the field's width is its top bit's place.
    constexpr unsigned width() const { return static_cast<unsigned>(std::bit_width(mask)); }
};

// The packed fields of a parameter table, in storage order: the rows that
// have a field, in the order of their values.
template <std::size_t N, std::size_t M>
constexpr std::array<ParamField, N> packedFields(const std::array<Parameter, M>& rows) {
    std::array<ParamField, N> fields{};
    std::size_t n = 0;
    for (const Parameter& p : rows)
        if (p.packed()) fields[n++] = {p.index, p.mask, p.scale};
    if (n != N) throw "the count of packed fields is wrong"; // not a constant expression: fails the build
    return fields;
}

inline constexpr std::array<ParamField, 3> kProgramFields = packedFields<3>(kProgramParameters);
// Row r fills group parameter r.
inline constexpr std::array<ParamField, 39> kGroupFields = packedFields<39>(kGroupParameters);

// Bits between group A and group B in the packed record.
constexpr unsigned kGroupGapBits = 6;

// Mode number m (group parameter 29) expands into group parameters 40, 41, 42.
inline constexpr std::array<std::array<std::uint8_t, 3>, 8> modeTriples{{
    {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {2, 0, 0}, {1, 1, 0}, {1, 0, 1}, {0, 1, 1},
}};

// Entry b names the group parameter that receives bit b of flag byte 1 (group
// parameter 22, table 0) or flag byte 2 (group parameter 23, table 1); -1: the
// bit lives only in the flag byte.
inline constexpr std::array<std::array<std::int32_t, 8>, 2> flagBitTargets = [] {
    std::array<std::array<std::int32_t, 8>, 2> targets{};
    for (auto& table : targets) table.fill(-1);
    for (const Parameter& p : kGroupParameters)
        if (p.from == kFlagByte1 || p.from == kFlagByte2) targets[static_cast<std::size_t>(p.from - kFlagByte1)][p.bit] = p.index;
    return targets;
}();

// The record that reset() decodes: the "Basic" program.
inline constexpr PackedProgram DefaultPackedProgram{
    0x00, 0x00, 0x08, 0xFC, 0xA0, 0xC3, 0x07, 0x80, 0x10, 0xF8, 0xC7, 0x00, 0x00,
    0x02, 0x08, 0x00, 0x06, 0x80, 0xC0, 0x89, 0x61, 0x18, 0x86, 0x61, 0x18, 0x06,
    0x80, 0xC0, 0x0F, 0x3A, 0x7C, 0x00, 0x08, 0x81, 0x7F, 0x0C, 0x00, 0x20, 0x80,
    0x00, 0x60, 0x00, 0x08, 0x9C, 0x18, 0x86, 0x61, 0x18, 0x86, 0x61, 0x00,
};

inline constexpr std::array<std::int32_t, kProgramValueCount> kDefaultProgramValues{
    0, 0, 0, 127, 0, 0, 1, 0, 0, 0, 0, 0x8101, 0x2000, 40, 0, 8, 0, 1, 2, 3, 4, 5, 6, 7, 0, 0, 0, 0, 0,
};

// Reads the field that starts at bit `bit` of the record.
inline std::int32_t readField(const std::uint8_t* record, unsigned bit, const ParamField& field) {
    const unsigned byte = bit / 8;
    const unsigned t = record[byte] + 256u * record[byte + 1];
    return static_cast<std::int32_t>((t >> (bit % 8)) & field.mask) * field.scale;
}

// Writes the field that starts at bit `bit`. A field starting inside a byte
// is merged with the bits already there; one starting on a byte boundary
// overwrites that byte. The following byte is always written. A value outside
// the field's range is reduced into it (clamped) so that it never spills into
// the neighbouring fields.
void writeField(std::int32_t value, std::uint8_t* record, unsigned bit, const ParamField& field);

// The packed fields of a record in storage order: visit(group, field, bit)
// for the program values (group kProgramFieldsGroup), then group A's
// parameters, a gap, and group B's; `bit` is where the field starts.
constexpr int kProgramFieldsGroup = -1;
template <typename Visit>
constexpr void walkPackedFields(Visit visit);

// Every packed field of a record read: visit(group, index, value), in the
// same order.
template <typename Visit>
void readPackedFields(const std::uint8_t* record, Visit visit) {
    walkPackedFields([&](int group, const ParamField& row, unsigned bit) { visit(group, row.index, readField(record, bit, row)); });
}

class PpgProgram {
public:
    explicit PpgProgram(const std::uint8_t* packed = nullptr) noexcept;
    PpgProgram(const PpgProgram& other) { copyFrom(other); }
    PpgProgram& operator=(const PpgProgram& other) {
        copyFrom(other);
        return *this;
    }

    void reset() noexcept;
    void copyFrom(const PpgProgram& other) noexcept;
    // Fills the packed fields, the spare bits and the derived group
    // parameters; a null record does nothing.
    void decode(const std::uint8_t* packed, bool resetFirst) noexcept;
    // Writes the packed fields and the spare bits into a zero-filled 51-byte
    // record; the program is not changed.
    void encode(std::uint8_t* packed) const;
    void setMode(int group, int mode) noexcept;
    void findMode(int group, int c40, int c41, int c42);
    // A value by its row of the parameter table: a program value, or the
    // group parameter of group `group`. Setting one keeps what the record
    // and a 2.V program derive it from or derive from it in step: a single
    // flag sets its bit of the flag byte, the mode number its components.
    std::int32_t value(const Parameter& row, int group) const noexcept;
    void setValue(const Parameter& row, int group, std::int32_t v) noexcept;

    char name[kProgramNameSize] = {};
    std::int32_t programValues[kProgramValueCount] = {};
    std::int32_t groups[2][kGroupParamCount] = {};
    bool is2V = false;
    // The record's bits outside the packed fields, as read: bit k stands for
    // record bit kSpareBits[k]. Zero but in an image that sets them.
    std::uint16_t spareBits = 0;

private:
    // Builds the default program the long way: "Basic", the default program
    // values, and the default record decoded into both groups.
    struct DefaultTag {};
    explicit PpgProgram(DefaultTag);
};

// Copies a name of at most `size` bytes (stopping at the first NUL) into a
// 28-byte name field, cut to 27 characters, the rest NUL. Answers whether
// it was cut.
bool setName(char (&dest)[kProgramNameSize], const char* src, std::size_t size);
inline bool setName(char (&dest)[kProgramNameSize], const char* src) {
    return setName(dest, src, kProgramNameSize);
}

template <typename Visit>
constexpr void walkPackedFields(Visit visit) {
    unsigned bit = 0;
    const auto walk = [&](int group, const auto& rows) {
        for (const ParamField& row : rows) {
            visit(group, row, bit);
            bit += row.width();
        }
    };
    walk(kProgramFieldsGroup, kProgramFields);
    walk(kGroupA, kGroupFields);
    bit += kGroupGapBits;
    walk(kGroupB, kGroupFields);
}

// The bits of a record that no field holds, in order (the gap between the
// groups and the bits after group B): a program keeps them as read, so that
// a memory image comes back bit for bit.
constexpr std::size_t kRecordBits = 8 * kPackedProgramSize;
constexpr std::size_t kSpareBitCount = [] {
    std::size_t used = 0;
    walkPackedFields([&](int, const ParamField& row, unsigned) { used += row.width(); });
    return kRecordBits - used;
}();
inline constexpr std::array<std::uint16_t, kSpareBitCount> kSpareBits = [] {
    std::array<bool, kRecordBits> used{};
    walkPackedFields([&](int, const ParamField& row, unsigned bit) {
        for (unsigned b = 0; b < row.width(); ++b) used[bit + b] = true;
    });
    std::array<std::uint16_t, kSpareBitCount> spare{};
    std::size_t n = 0;
    for (std::size_t b = 0; b < kRecordBits; ++b)
        if (!used[b]) spare[n++] = static_cast<std::uint16_t>(b);
    return spare;
}();
static_assert(kSpareBitCount == 13 && kSpareBitCount <= 16);

} // namespace vornak
