#include "model/ppg_program.h"

#include <algorithm>
#include <cstring>

namespace vornak {

void writeField(std::int32_t value, std::uint8_t* record, unsigned bit, const ParamField& field) {
    const unsigned byte = bit / 8;
    const std::int32_t q = std::clamp<std::int32_t>(value / field.scale, 0, field.mask);
    const unsigned b = (bit % 8 != 0) ? record[byte] : 0u;
    const unsigned t = b | (static_cast<unsigned>(q) << (bit % 8));
    record[byte] = static_cast<std::uint8_t>(t & 0xFF);
    record[byte + 1] = static_cast<std::uint8_t>((t >> 8) & 0xFF);
}

bool setName(char (&dest)[kProgramNameSize], const char* src, std::size_t size) {
    std::size_t len = 0;
    const std::size_t limit = std::min<std::size_t>(size, kProgramNameSize - 1);
    while (len < limit && src[len] != '\0') ++len;
    std::memcpy(dest, src, len);
    std::memset(dest + len, 0, kProgramNameSize - len);
    return len < size && src[len] != '\0';
}

PpgProgram::PpgProgram(const std::uint8_t* packed) noexcept {
    reset();
    if (packed != nullptr) decode(packed, true);
}

PpgProgram::PpgProgram(DefaultTag) {
    is2V = false;
    setName(name, "Basic");
    std::copy(kDefaultProgramValues.begin(), kDefaultProgramValues.end(), programValues);
    std::memset(groups, 0, sizeof groups);
    decode(DefaultPackedProgram.data(), false);
}

// Every program starts as the default program, so it is built once, by
// decoding the default record, and copied from then on.
void PpgProgram::reset() noexcept {
    static const PpgProgram prototype{DefaultTag{}};
    copyFrom(prototype);
}

void PpgProgram::copyFrom(const PpgProgram& other) noexcept {
    if (this == &other) return;
    std::memcpy(name, other.name, sizeof name);
    std::memcpy(programValues, other.programValues, sizeof programValues);
    std::memcpy(groups, other.groups, sizeof groups);
    is2V = other.is2V;
    spareBits = other.spareBits;
}

void PpgProgram::decode(const std::uint8_t* packed, bool resetFirst) noexcept {
    if (packed == nullptr) return;
    if (resetFirst) reset();
    readPackedFields(packed, [this](int group, int index, std::int32_t value) {
        (group == kProgramFieldsGroup ? programValues : groups[group])[index] = value;
    });
    spareBits = 0;
    for (std::size_t k = 0; k < kSpareBits.size(); ++k)
        if ((packed[kSpareBits[k] / 8] >> (kSpareBits[k] % 8)) & 1) spareBits = static_cast<std::uint16_t>(spareBits | 1u << k);

    for (int g = 0; g < 2; ++g) {
        setMode(g, groups[g][kModeNumber]);
        for (int table = 0; table < 2; ++table) {
            const std::int32_t flags = groups[g][kFlagByte1 + table];
            for (int b = 0; b < 8; ++b) {
                const std::int32_t target = flagBitTargets[table][b];
                if (target != -1) groups[g][target] = (flags >> b) & 1;
            }
        }
    }
}

void PpgProgram::encode(std::uint8_t* packed) const {
    if (packed == nullptr) return;
    walkPackedFields([&](int group, const ParamField& row, unsigned bit) {
        writeField((group == kProgramFieldsGroup ? programValues : groups[group])[row.index], packed, bit, row);
    });
    for (std::size_t k = 0; k < kSpareBits.size(); ++k)
        if ((spareBits >> k) & 1) packed[kSpareBits[k] / 8] = static_cast<std::uint8_t>(packed[kSpareBits[k] / 8] | 1u << (kSpareBits[k] % 8));
}

void PpgProgram::setMode(int group, int mode) noexcept {
    std::int32_t* g = groups[group];
    g[kModeNumber] = mode;
    // The mode comes from a 3-bit field; anything else has no triple.
    if (mode < 0 || mode >= static_cast<int>(modeTriples.size())) return;
    const auto& triple = modeTriples[static_cast<std::size_t>(mode)];
    g[kModeComponent0] = triple[0];
    g[kModeComponent1] = triple[1];
    g[kModeComponent2] = triple[2];
}

std::int32_t PpgProgram::value(const Parameter& row, int group) const noexcept {
    return row.inGroup ? groups[group][row.index] : programValues[row.index];
}

void PpgProgram::setValue(const Parameter& row, int group, std::int32_t v) noexcept {
    if (!row.inGroup) {
        programValues[row.index] = v;
        return;
    }
    if (row.index == kModeNumber) {
        setMode(group, v);
        return;
    }
    std::int32_t* g = groups[group];
    g[row.index] = v;
    if (row.from == kFlagByte1 || row.from == kFlagByte2) {
        const std::int32_t bit = std::int32_t{1} << row.bit;
        g[row.from] = v != 0 ? (g[row.from] | bit) : (g[row.from] & ~bit);
    }
}

void PpgProgram::findMode(int group, int c40, int c41, int c42) {
    std::int32_t* g = groups[group];
    g[kModeComponent0] = c40;
    g[kModeComponent1] = c41;
    g[kModeComponent2] = c42;
    g[kModeNumber] = 0;
    for (std::size_t m = 0; m < modeTriples.size(); ++m) {
        const auto& triple = modeTriples[m];
        if (triple[0] == c40 && triple[1] == c41 && triple[2] == c42) {
            g[kModeNumber] = static_cast<std::int32_t>(m);
            return;
        }
    }
}

} // namespace vornak
