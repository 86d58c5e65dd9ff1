#include "formats/program_2v.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "formats/fxb_file.h"

namespace vornak {

namespace {

constexpr bool mapIsWellFormed() {
    for (const Param2V& row : k2VParamMap)
        if (row.max <= 0 || row.param >= k2VParamCount || row.index >= (row.inGroup ? kGroupParamCount : kProgramValueCount))
            return false;
    return true;
}
static_assert(mapIsWellFormed(), "every mapped parameter needs a place and a maximum");

const std::uint8_t* paramAt(const std::uint8_t* block, int k) { return block + fxb::kBlockHeaderSize + 4 * k; }
std::uint8_t* paramAt(std::uint8_t* block, int k) { return block + fxb::kBlockHeaderSize + 4 * k; }

// Half a step of a parameter whose whole numbers run to max.
constexpr double halfStep(std::int32_t max) { return 1.0 / (2.0 * max); }

// The half steps of the mapped parameters, worked out once rather than
// divided out for every parameter of every program read.
constexpr std::array<double, k2VParamMap.size()> k2VHalfSteps = [] {
    std::array<double, k2VParamMap.size()> halves{};
    for (std::size_t i = 0; i < halves.size(); ++i) halves[i] = halfStep(k2VParamMap[i].max);
    return halves;
}();

// Rounded down, not toward zero: a negative value then comes back from
// intToParam as itself, as every other value does. `half` is halfStep(max).
double roundedProduct(float x, std::int32_t max, double half) { return std::floor(max * (static_cast<double>(x) + half)); }
double roundedProduct(float x, std::int32_t max) { return roundedProduct(x, max, halfStep(max)); }

// paramToInt of the float whose rounded product it is.
std::int32_t valueOf(double product, std::int32_t max) {
    if (std::isnan(product)) return 0;
    if (product < k2VLowestValue) return k2VLowestValue;
    return product > max ? max : static_cast<std::int32_t>(product);
}

} // namespace

const Failure kDamaged2V{
    FailureReason::Damaged, 3, "Not a valid 2.V fxb-file",
    "The Waldorf 2.V bank is damaged: its programs do not hold together. Try a fresh copy, or save the bank again "
    "from the plug-in.",
    nullptr};

bool paramIsSound(float x, std::int32_t max) {
    if (x >= 0.0f && x <= 1.0f) return true;
    if (!(x > 1.0f)) return false; // below 0, or NaN
    // Above the range: what intToParam gives for a whole number beyond max.
    const double whole = std::round(static_cast<double>(x) * max);
    return whole < 2147483648.0 && intToParam(static_cast<std::int32_t>(whole), max) == x;
}

std::int32_t paramToInt(float x, std::int32_t max) { return valueOf(roundedProduct(x, max), max); }

float intToParam(std::int32_t v, std::int32_t max) {
    return static_cast<float>(static_cast<double>(v) / max);
}

Decoded2V decode2V(PpgProgram& program, const std::uint8_t* block) {
    if (hostWord(block + fxb::kChunkMagic) != fxb::kCcnK || hostWord(block + fxb::kFxMagic) != fxb::kFxCk ||
        hostWord(block + fxb::kFxId) != k2VFxId || hostWord(block + fxb::kFxVersion) != 1)
        fail(kDamaged2V);
    Decoded2V found;
    auto param = [block, &found](int k, std::int32_t max, double half) {
        const float x = hostFloat(paramAt(block, k));
        found.unsound += !paramIsSound(x, max);
        return valueOf(roundedProduct(x, max, half), max);
    };

    program.reset();
    found.nameCut = setName(program.name, reinterpret_cast<const char*>(block + fxb::kPrgName), fxb::kPrgNameSize);
    for (std::size_t i = 0; i < k2VParamMap.size(); ++i)
        if (const Param2V& row = k2VParamMap[i]; !row.inGroup)
            program.programValues[row.index] = param(row.param, row.max, k2VHalfSteps[i]);

    // One set of sound parameters: read into group A, then copied to group B
    // (both groups held the same defaults before).
    std::int32_t* group = program.groups[0];
    for (std::size_t i = 0; i < k2VParamMap.size(); ++i)
        if (const Param2V& row = k2VParamMap[i]; row.inGroup) group[row.index] = param(row.param, row.max, k2VHalfSteps[i]);
    // SW travels shifted by one: 0 stands for 3.
    const std::int32_t shifted = param(k2VSwitchParam, 3, halfStep(3));
    group[kSwitch] = shifted == 0 ? 3 : shifted - 1;
    program.findMode(0, param(k2VModeParam, k2VModeMax[0], halfStep(k2VModeMax[0])),
                     param(k2VModeParam + 1, k2VModeMax[1], halfStep(k2VModeMax[1])),
                     param(k2VModeParam + 2, k2VModeMax[2], halfStep(k2VModeMax[2])));
    for (int table = 0; table < 2; ++table) {
        std::int32_t flags = 0;
        for (int b = 0; b < 8; ++b) {
            const std::int32_t target = flagBitTargets[table][b];
            if (target == -1) continue;
            const std::int32_t on = param(flagParamIndices[table][b], 1, halfStep(1));
            group[target] = on;
            if (on != 0) flags |= 1 << b;
        }
        group[kFlagByte1 + table] = flags;
    }
    std::copy(group, group + kGroupParamCount, program.groups[1]);
    program.is2V = true;
    return found;
}

Decoded2V Decoder2V::decode(PpgProgram& program, const std::uint8_t* block) {
    if (lastBlock_ != nullptr && std::memcmp(block, lastBlock_, k2VBlockSize) == 0) {
        program.copyFrom(*lastProgram_);
        return lastFound_;
    }
    lastBlock_ = nullptr;
    lastFound_ = decode2V(program, block);
    lastBlock_ = block;
    lastProgram_ = &program;
    return lastFound_;
}

namespace {

// The block header of a 2.V program, in host order.
void putBlockHeader(std::uint8_t* block, std::uint32_t fxVersion) {
    setHostWord(block + fxb::kChunkMagic, fxb::kCcnK);
    setHostWord(block + fxb::kByteSize, k2VBlockSize - 8);
    setHostWord(block + fxb::kFxMagic, fxb::kFxCk);
    setHostWord(block + fxb::kVersion, 1);
    setHostWord(block + fxb::kFxId, k2VFxId);
    setHostWord(block + fxb::kFxVersion, fxVersion);
    setHostWord(block + fxb::kNumParams, k2VParamCount);
}

} // namespace

PpgProgram heldBy2V(const PpgProgram& program, int group) {
    std::array<std::uint8_t, k2VBlockSize> block{};
    putBlockHeader(block.data(), 1);
    encode2V(program, block.data(), group, 1, false);
    PpgProgram held;
    decode2V(held, block.data());
    return held;
}

int encode2V(const PpgProgram& program, std::uint8_t* block, int group, std::uint32_t fxVersion, bool writeHeader) {
    const bool swap = hostIsLittleEndian();
    if (writeHeader) putBlockHeader(block, fxVersion);
    fxb::putPrgName(block, program.name);
    if (writeHeader && swap) fxb::swapHeaderWords(block);

    auto set = [block](int k, float value) { setHostFloat(paramAt(block, k), value); };
    for (int k = 0; k < k2VParamCount; ++k) set(k, 0.0f);
    const std::int32_t* values = program.programValues;
    const std::int32_t* g = program.groups[group];
    for (const Param2V& row : k2VParamMap)
        set(row.param, intToParam(row.inGroup ? g[row.index] : values[row.index], row.max));
    const std::int64_t shifted = std::int64_t{g[kSwitch]} + 1;
    set(k2VSwitchParam, intToParam(static_cast<std::int32_t>(shifted < 0 ? shifted : shifted % 4), 3));
    for (int c = 0; c < 3; ++c) set(k2VModeParam + c, intToParam(g[kModeComponent0 + c], k2VModeMax[static_cast<std::size_t>(c)]));
    // A flag set is 1; one that a damaged file gave a negative value keeps it.
    for (int table = 0; table < 2; ++table)
        for (int b = 0; b < 8; ++b) {
            const std::int32_t target = flagBitTargets[table][b];
            if (((g[kFlagByte1 + table] >> b) & 1) != 0 && flagParamIndices[table][b] != 0)
                set(flagParamIndices[table][b], target != -1 && g[target] < 0 ? intToParam(g[target], 1) : 1.0f);
        }

    if (writeHeader && swap)
        for (int k = 0; k < k2VParamCount; ++k) swapWord(paramAt(block, k));
    return k2VBlockSize;
}

} // namespace vornak
