#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vornak {

// Every value of a program, one row each: the 29 program values and the 57
// group parameters (one row serves group A and group B). A row says what
// the listing calls the value, its range and the number people see for it,
// where the packed 51-byte record keeps it, and how a Waldorf 2.V program
// carries it. The packed record's field tables, the 2.V parameter map, the
// listing's labels and units, the descriptions, the values set in a built
// bank and the conversion reports are all read from here.

// How a 2.V program carries a value. A 2.V program is 89 float parameters,
// each standing for a whole number 0..max as value / max.
enum class Carry2V : std::uint8_t {
    None,          // not at all
    Plain,         // parameter `param2V` holds the value
    Shifted,       // SW: parameter `param2V` holds (value + 1) mod 4
    ModeComponent, // one of the three components of the mode number
    FlagBit,       // a single flag: parameter `param2V` holds its bit
    Components,    // the mode number: through its three components
    Bits,          // a flag byte: through its single flags (bits without one are not carried)
};

struct Parameter {
    bool inGroup;         // a group parameter (else a program value)
    std::uint8_t index;   // its number among the program values or group parameters
    const char* label;    // the listing's word for it; nullptr when the listing does not show it
    std::int32_t max;     // the values run 0..max (the widest range a format holds)
    // The packed record: the field's bits (a run of low bits; 0 when the
    // record has no field for it) and the factor between the stored number
    // and the value.
    std::uint8_t mask;
    std::int32_t scale;
    // A value that the record keeps through another: the mode number it is
    // a component of, or the flag byte (and bit) a single flag comes from;
    // -1 when none.
    std::int8_t from;
    std::uint8_t bit;
    Carry2V carry2V;
    std::uint8_t param2V; // its float parameter in a 2.V program
    std::int32_t max2V;   // the whole number that float 1.0 stands for
    // The listing's unit: people see the stored v as v + listingOffset (the
    // tuning's stored 0..99 as 400..499 Hz), and set it so.
    std::int32_t listingOffset = 0;

    constexpr bool packed() const { return mask != 0; }
    // Whether a PPG memory image keeps it (in a field of its own or through another).
    constexpr bool inImage() const { return packed() || from >= 0; }
    constexpr bool in2V() const { return carry2V != Carry2V::None; }
    // Values that only a Corvel bank keeps (it keeps every value).
    constexpr bool onlyInCorvel() const { return !inImage() && !in2V(); }
};

namespace parameter_rows {

using C = Carry2V;
// label, max; mask, scale; from, bit; 2.V carry, parameter, max
constexpr Parameter value(int index, const char* label, std::int32_t max, std::uint8_t mask, C carry, int param,
                          std::int32_t max2V) {
    return {false, static_cast<std::uint8_t>(index), label, max, mask, mask != 0 ? 1 : 0, -1, 0, carry,
            static_cast<std::uint8_t>(param), max2V};
}
constexpr Parameter group(int index, const char* label, std::int32_t max, std::uint8_t mask, std::int32_t scale,
                          C carry, int param, std::int32_t max2V) {
    return {true, static_cast<std::uint8_t>(index), label, max, mask, scale, -1, 0, carry,
            static_cast<std::uint8_t>(param), max2V};
}
constexpr Parameter derived(int index, const char* label, std::int32_t max, int from, int bit, C carry, int param,
                            std::int32_t max2V) {
    return {true, static_cast<std::uint8_t>(index), label, max, 0, 1, static_cast<std::int8_t>(from),
            static_cast<std::uint8_t>(bit), carry, static_cast<std::uint8_t>(param), max2V};
}
constexpr Parameter listedFrom(std::int32_t offset, Parameter row) {
    row.listingOffset = offset;
    return row;
}

} // namespace parameter_rows

// Program values 13..23 are the bank-wide 2.V settings (the tuning and ten
// others), kept by every program and, as its globals 0..10, by the bank.
constexpr int kFirstGlobalValue = 13;
constexpr int kGlobalCount = 11;

// Program value k is row k.
inline constexpr std::array<Parameter, 29> kProgramParameters = [] {
    using namespace parameter_rows;
    return std::array<Parameter, 29>{{
        value(0, "WAVETABLE", 31, 0x1F, C::Plain, 29, 31),
        value(1, "KEYB", 15, 0x0F, C::Plain, 32, 3),
        value(2, "KEYB-SPLIT", 63, 0x3F, C::None, 0, 0),
        value(3, nullptr, 127, 0, C::Plain, 3, 127),
        value(4, nullptr, 127, 0, C::Plain, 4, 127),
        value(5, nullptr, 1, 0, C::Plain, 26, 1),
        value(6, nullptr, 1, 0, C::Plain, 27, 1),
        value(7, nullptr, 1, 0, C::Plain, 28, 1),
        value(8, nullptr, 1, 0, C::Plain, 33, 1),
        value(9, nullptr, 4, 0, C::Plain, 34, 4),
        value(10, nullptr, 16383, 0, C::Plain, 35, 16383),
        value(11, nullptr, 16383, 0, C::Plain, 74, 16383),
        value(12, nullptr, 16383, 0, C::Plain, 75, 16383),
        listedFrom(400, value(13, "TTUNE", 99, 0, C::Plain, 78, 99)),
        value(14, nullptr, 16383, 0, C::Plain, 79, 16383),
        value(15, nullptr, 63, 0, C::Plain, 80, 63),
        value(16, nullptr, 127, 0, C::Plain, 81, 127),
        value(17, nullptr, 127, 0, C::Plain, 82, 127),
        value(18, nullptr, 127, 0, C::Plain, 83, 127),
        value(19, nullptr, 127, 0, C::Plain, 84, 127),
        value(20, nullptr, 127, 0, C::Plain, 85, 127),
        value(21, nullptr, 127, 0, C::Plain, 86, 127),
        value(22, nullptr, 127, 0, C::Plain, 87, 127),
        value(23, nullptr, 127, 0, C::Plain, 88, 127),
        // Kept only by a Corvel bank, whose floats hold any whole number;
        // their range is taken as the 2.V's own settings'.
        value(24, nullptr, 127, 0, C::None, 0, 0),
        value(25, nullptr, 127, 0, C::None, 0, 0),
        value(26, nullptr, 127, 0, C::None, 0, 0),
        value(27, nullptr, 127, 0, C::None, 0, 0),
        value(28, nullptr, 127, 0, C::None, 0, 0),
    }};
}();

// Group parameter k is row k.
inline constexpr std::array<Parameter, 57> kGroupParameters = [] {
    using namespace parameter_rows;
    return std::array<Parameter, 57>{{
        group(0, "P:3", 63, 0x1F, 2, C::Plain, 7, 63),
        group(1, "P:10", 63, 0x3F, 1, C::Plain, 21, 63),
        group(2, "P:8", 63, 0x3F, 1, C::Plain, 19, 63),
        group(3, "GR:9", 63, 0x1F, 2, C::Plain, 23, 63),
        group(4, "GR:11", 63, 0x1F, 2, C::Plain, 25, 63),
        group(5, "P:9", 63, 0x0F, 4, C::Plain, 20, 63),
        group(6, "GR:10", 63, 0x1F, 2, C::Plain, 24, 63),
        group(7, "P:4", 63, 0x0F, 4, C::Plain, 11, 63),
        group(8, "GR:4", 63, 0x0F, 4, C::Plain, 15, 63),
        group(9, "P:5", 63, 0x1F, 2, C::Plain, 12, 63),
        group(10, "GR:5", 63, 0x1F, 2, C::Plain, 16, 63),
        group(11, "P:6", 63, 0x3F, 1, C::Plain, 13, 63),
        group(12, "GR:6", 63, 0x3F, 1, C::Plain, 17, 63),
        group(13, "P:7", 63, 0x1F, 2, C::Plain, 14, 63),
        group(14, "GR:7", 63, 0x1F, 2, C::Plain, 18, 63),
        group(15, "P:1", 63, 0x0F, 4, C::Plain, 5, 63),
        group(16, "GR:1", 63, 0x0F, 4, C::Plain, 8, 63),
        group(17, "P:2", 63, 0x03, 16, C::Plain, 6, 63),
        group(18, "GR:2", 63, 0x1F, 2, C::Plain, 9, 63),
        group(19, "GR:8", 63, 0x1F, 2, C::Plain, 2, 63),
        group(20, "GR:3", 63, 0x1F, 2, C::Plain, 10, 63),
        group(21, "P:11", 63, 0x3F, 1, C::Plain, 22, 63),
        // The flag bytes: the record keeps them whole; their bits are the
        // single flags 43..56 below.
        group(22, nullptr, 255, 0xFF, 1, C::Bits, 0, 0),
        group(23, nullptr, 255, 0xFF, 1, C::Bits, 0, 0),
        group(24, "KF", 7, 0x07, 1, C::Plain, 50, 7),
        group(25, "KL", 7, 0x07, 1, C::Plain, 51, 7),
        group(26, "KW", 7, 0x07, 1, C::Plain, 49, 7),
        group(27, "DETU", 7, 0x07, 1, C::Plain, 36, 7),
        group(28, "SW", 3, 0x03, 1, C::Shifted, 31, 3),
        // The mode number; a 2.V program carries its components (40..42).
        group(29, "BD", 7, 0x07, 1, C::Components, 0, 0),
        group(30, "BI", 3, 0x03, 1, C::Plain, 64, 3),
        group(31, "SEMIT 1", 63, 0x3F, 1, C::Plain, 41, 63),
        group(32, "SEMIT 2", 63, 0x3F, 1, C::Plain, 42, 63),
        group(33, "SEMIT 3", 63, 0x3F, 1, C::Plain, 43, 63),
        group(34, "SEMIT 4", 63, 0x3F, 1, C::Plain, 44, 63),
        group(35, "SEMIT 5", 63, 0x3F, 1, C::Plain, 45, 63),
        group(36, "SEMIT 6", 63, 0x3F, 1, C::Plain, 46, 63),
        group(37, "SEMIT 7", 63, 0x3F, 1, C::Plain, 47, 63),
        group(38, "SEMIT 8", 63, 0x3F, 1, C::Plain, 48, 63),
        // Kept only by a Corvel bank.
        group(39, nullptr, 127, 0, 1, C::None, 0, 0),
        derived(40, nullptr, 2, 29, 0, C::ModeComponent, 61, 2),
        derived(41, nullptr, 1, 29, 1, C::ModeComponent, 62, 1),
        derived(42, nullptr, 1, 29, 2, C::ModeComponent, 63, 1),
        derived(43, "VL", 1, 22, 0, C::FlagBit, 53, 1),
        derived(44, "VF", 1, 22, 1, C::FlagBit, 52, 1),
        derived(45, "MW", 1, 22, 3, C::FlagBit, 54, 1),
        derived(46, "MS", 1, 22, 7, C::FlagBit, 38, 1),
        derived(47, "MO", 1, 23, 0, C::FlagBit, 37, 1),
        derived(48, "MF", 1, 23, 1, C::FlagBit, 55, 1),
        derived(49, "ML", 1, 23, 2, C::FlagBit, 56, 1),
        derived(50, "TF", 1, 22, 2, C::FlagBit, 58, 1),
        derived(51, "TL", 1, 23, 4, C::FlagBit, 59, 1),
        derived(52, "TM", 1, 23, 5, C::FlagBit, 60, 1),
        derived(53, "TW", 1, 22, 4, C::FlagBit, 57, 1),
        derived(54, "UW", 1, 22, 5, C::FlagBit, 30, 1),
        derived(55, "EO", 1, 23, 6, C::FlagBit, 39, 1),
        derived(56, "ES", 1, 23, 7, C::FlagBit, 40, 1),
    }};
}();

// The global a program value stands for (0..10), or -1.
constexpr int globalOf(const Parameter& p) {
    return !p.inGroup && p.index >= kFirstGlobalValue && p.index < kFirstGlobalValue + kGlobalCount ? p.index - kFirstGlobalValue
                                                                                                     : -1;
}

inline constexpr const Parameter& parameter(bool inGroup, int index) {
    return inGroup ? kGroupParameters[static_cast<std::size_t>(index)] : kProgramParameters[static_cast<std::size_t>(index)];
}

namespace parameter_rows {

// Whether check(row, k, inGroup) holds for row k of either table.
template <typename Check>
constexpr bool everyRow(Check check) {
    for (std::size_t k = 0; k < kProgramParameters.size(); ++k)
        if (!check(kProgramParameters[k], k, false)) return false;
    for (std::size_t k = 0; k < kGroupParameters.size(); ++k)
        if (!check(kGroupParameters[k], k, true)) return false;
    return true;
}
static_assert(everyRow([](const Parameter& p, std::size_t k, bool inGroup) { return p.inGroup == inGroup && p.index == k; }),
              "row k describes value k");
static_assert(everyRow([](const Parameter& p, std::size_t, bool) { return !p.packed() || p.mask * p.scale <= p.max; }),
              "a packed field holds no value beyond the range");

} // namespace parameter_rows

} // namespace vornak
