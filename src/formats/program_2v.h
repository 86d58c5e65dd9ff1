#pragma once

#include <array>
#include <cstdint>

#include "formats/byte_order.h"
#include "model/failure.h"
#include "model/ppg_program.h"

namespace vornak {

// A 2.V program is an FXB program block of 89 floats (fxID "2900"), each
// standing for an integer 0..max as value / max. The block is 412 bytes:
// the 56-byte block header (numParams 89, prgName) and the floats.
constexpr std::uint32_t k2VFxId = fourCC("2900");
constexpr int k2VParamCount = 89;
constexpr int k2VBlockSize = 56 + 4 * k2VParamCount;

// One row of the parameter map: float parameter `param` carries program
// value `index` (inGroup false) or group parameter `index` (inGroup true).
struct Param2V {
    std::uint8_t param;
    bool inGroup;
    std::uint8_t index;
    std::int32_t max;
};

namespace map_2v {
template <std::size_t N>
constexpr std::array<Param2V, N> plainRows() {
    std::array<Param2V, N> rows{};
    std::size_t n = 0;
    auto take = [&](const Parameter& p) {
        if (p.carry2V == Carry2V::Plain) rows[n++] = {p.param2V, p.inGroup, p.index, p.max2V};
    };
    for (const Parameter& p : kProgramParameters) take(p);
    for (const Parameter& p : kGroupParameters) take(p);
    if (n != N) throw "the count of plain 2.V parameters is wrong"; // not a constant expression: fails the build
    return rows;
}
} // namespace map_2v

// The parameters that carry one value each, from the parameter table. The
// SW switch (shifted), the mode components and the single flags are mapped
// by their own rules below; parameters 0, 1, 65..73, 76 and 77 carry nothing.
inline constexpr std::array<Param2V, 58> k2VParamMap = map_2v::plainRows<58>();

// Group parameter 28 travels in its parameter as (value + 1) mod 4, max 3
// (0 stands for 3); a value below -1, which only a damaged file gives, as
// value + 1, which reads back as itself.
constexpr int k2VSwitchParam = kGroupParameters[kSwitch].param2V;
// Mode components (group parameters 40, 41, 42) in three parameters in a row.
constexpr int k2VModeParam = kGroupParameters[kModeComponent0].param2V;
inline constexpr std::array<std::int32_t, 3> k2VModeMax{kGroupParameters[kModeComponent0].max2V,
                                                        kGroupParameters[kModeComponent1].max2V,
                                                        kGroupParameters[kModeComponent2].max2V};
static_assert(kGroupParameters[kModeComponent1].param2V == k2VModeParam + 1 &&
              kGroupParameters[kModeComponent2].param2V == k2VModeParam + 2);

// Entry b names the float parameter that carries bit b of flag byte 1 (group
// parameter 22, list 0) or flag byte 2 (group parameter 23, list 1); 0: the
// bit is not carried.
inline constexpr std::array<std::array<std::int32_t, 8>, 2> flagParamIndices = [] {
    std::array<std::array<std::int32_t, 8>, 2> params{};
    for (const Parameter& p : kGroupParameters)
        if (p.carry2V == Carry2V::FlagBit) params[static_cast<std::size_t>(p.from - kFlagByte1)][p.bit] = p.param2V;
    return params;
}();

// Float parameter to integer: max * (x + 1 / (2 max)) rounded down (the
// integer nearest to max * x, halves up), held within k2VLowestValue..max.
// NaN gives 0.
std::int32_t paramToInt(float x, std::int32_t max);
// Only a damaged or hand-made file holds a float below 0; it is read as the
// negative value it stands for, down to this one: every whole number from
// here up to max comes back from its float (intToParam) as itself, for
// every max of a 2.V parameter.
constexpr std::int32_t k2VLowestValue = -(1 << 23);
// Whether the float is one that a writer of whole values gives: 0 to 1
// (one that stands for a value 0..max, or lies between two), or the
// quotient of a larger whole value (the tool writes a PPG value beyond a
// 2.V parameter's range so), which paramToInt holds at max. False for NaN,
// for one below 0, and for one above 1 that is no such quotient.
bool paramIsSound(float x, std::int32_t max);
float intToParam(std::int32_t v, std::int32_t max);

// A 2.V bank whose programs do not hold together.
extern const Failure kDamaged2V;

// Fills a whole program from a block in host order (both groups get the same
// values). Fails with kDamaged2V, without touching the program, unless the
// header reads "CcnK" / "FxCk" / "2900" / fxVersion 1. Reads the 412 bytes of
// the block.
// Answers whether the name, which may fill all 28 bytes of its field, was
// cut to the 27 characters a name keeps, and how many of the parameters read
// are not sound (paramIsSound).
struct Decoded2V {
    bool nameCut = false;
    int unsound = 0;
};
Decoded2V decode2V(PpgProgram& program, const std::uint8_t* block);

// decode2V for the blocks of a bank, one after another: a block of the same
// 412 bytes as the block decoded before it (as the program that fills a
// bank's unused slots is, slot after slot) gets a copy of what that one
// decoded. The block and the program decoded before must stay as they were
// while the decoder is used.
class Decoder2V {
public:
    Decoded2V decode(PpgProgram& program, const std::uint8_t* block);

private:
    const std::uint8_t* lastBlock_ = nullptr;
    const PpgProgram* lastProgram_ = nullptr;
    Decoded2V lastFound_;
};

// Writes one group of the program into a 412-byte block. With writeHeader the
// block is complete and big-endian; without it only the name and the floats
// are written, in host order. Answers 412.
int encode2V(const PpgProgram& program, std::uint8_t* block, int group, std::uint32_t fxVersion, bool writeHeader);

// What a 2.V program holds of one group of a program: the group as the 2.V
// exporter writes it and the 2.V reader reads it back (both groups alike).
PpgProgram heldBy2V(const PpgProgram& program, int group);

} // namespace vornak
