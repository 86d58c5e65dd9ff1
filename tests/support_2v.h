#pragma once

// Helpers of the Waldorf 2.V tests: program blocks and banks made by hand,
// in file order or in host order, and the parameter map as the format
// states it.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "formats/bank_2v.h"
#include "formats/fxb_file.h"
#include "formats/program_2v.h"
#include "test_support.h"

namespace vornak::test {

using Params = std::array<float, 89>;
using Block = std::array<std::uint8_t, 412>;
using Globals = std::array<int, 11>;

inline constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

// v / max as a 2.V file stores it.
inline float q(int v, int max) { return static_cast<float>(static_cast<double>(v) / max); }

// The parameter map: parameter, group parameter (else program value), its index, maximum.
struct Row {
    int param;
    bool inGroup;
    int index, max;
};
inline const std::vector<Row> kRows = {
    {2, true, 19, 63},    {3, false, 3, 127},   {4, false, 4, 127},     {5, true, 15, 63},      {6, true, 17, 63},    {7, true, 0, 63},
    {8, true, 16, 63},    {9, true, 18, 63},    {10, true, 20, 63},     {11, true, 7, 63},      {12, true, 9, 63},    {13, true, 11, 63},
    {14, true, 13, 63},   {15, true, 8, 63},    {16, true, 10, 63},     {17, true, 12, 63},     {18, true, 14, 63},   {19, true, 2, 63},
    {20, true, 5, 63},    {21, true, 1, 63},    {22, true, 21, 63},     {23, true, 3, 63},      {24, true, 6, 63},    {25, true, 4, 63},
    {26, false, 5, 1},    {27, false, 6, 1},    {28, false, 7, 1},      {29, false, 0, 31},     {32, false, 1, 3},    {33, false, 8, 1},
    {34, false, 9, 4},    {35, false, 10, 16383}, {36, true, 27, 7},    {41, true, 31, 63},     {42, true, 32, 63},   {43, true, 33, 63},
    {44, true, 34, 63},   {45, true, 35, 63},   {46, true, 36, 63},     {47, true, 37, 63},     {48, true, 38, 63},   {49, true, 26, 7},
    {50, true, 24, 7},    {51, true, 25, 7},    {64, true, 30, 3},      {74, false, 11, 16383}, {75, false, 12, 16383}, {78, false, 13, 99},
    {79, false, 14, 16383}, {80, false, 15, 63}, {81, false, 16, 127},  {82, false, 17, 127},   {83, false, 18, 127}, {84, false, 19, 127},
    {85, false, 20, 127}, {86, false, 21, 127}, {87, false, 22, 127},   {88, false, 23, 127},
};
// Flag parameters: parameter, flag byte (group parameter 22 or 23), bit, single-flag group parameter.
inline const std::array<std::array<int, 4>, 14> kFlags{{{30, 22, 5, 54}, {37, 23, 0, 47}, {38, 22, 7, 46}, {39, 23, 6, 55}, {40, 23, 7, 56},
                                                 {52, 22, 1, 44}, {53, 22, 0, 43}, {54, 22, 3, 45}, {55, 23, 1, 48}, {56, 23, 2, 49},
                                                 {57, 22, 4, 53}, {58, 22, 2, 50}, {59, 23, 4, 51}, {60, 23, 5, 52}}};
inline const Globals kGlobalMax{99, 16383, 63, 127, 127, 127, 127, 127, 127, 127, 127};

// A block in host order, as decode2V and encode2V see it.
inline Block hostBlock(const Params& params, const char* name = "") {
    Block b{};
    const std::uint32_t words[7] = {tag("CcnK"), 404, tag("FxCk"), 1, tag("2900"), 1, 89};
    std::memcpy(b.data(), words, sizeof words);
    std::memcpy(b.data() + 28, name, strnlen(name, 28));
    std::memcpy(b.data() + 56, params.data(), sizeof params);
    return b;
}
inline PpgProgram decoded(const Params& params, const char* name = "") {
    PpgProgram p;
    const Block b = hostBlock(params, name);
    decode2V(p, b.data());
    return p;
}
inline Params encoded(const PpgProgram& p, int group) {
    Block b{};
    EXPECT_EQ(encode2V(p, b.data(), group, 1, false), 412);
    Params out;
    std::memcpy(out.data(), b.data() + 56, sizeof out);
    return out;
}
inline Params only(std::size_t param, float value) {
    Params p{};
    p[param] = value;
    return p;
}
// A program whose carried values are all 0 (SW 3, since SW travels shifted).
inline PpgProgram blankProgram() {
    PpgProgram p;
    std::memset(p.programValues, 0, sizeof p.programValues);
    std::memset(p.groups, 0, sizeof p.groups);
    p.groups[0][28] = p.groups[1][28] = 3;
    return p;
}
inline void expectSameProgram(const PpgProgram& got, const PpgProgram& want, const std::string& what) {
    EXPECT_EQ(std::memcmp(got.name, want.name, sizeof got.name), 0) << what << ": name " << got.name;
    EXPECT_EQ(programFields(got), programFields(want)) << what;
}

// Files in file order. Test program n: its name, wavetable and tuning tell it apart.
inline std::string programName(int n) { return "Prog " + std::to_string(n); }
inline Params programParams(int n) {
    Params p{};
    p[29] = q(n % 32, 31);
    p[78] = q(n % 100, 99);
    return p;
}
inline Bytes program(int n, const char* fxMagic = "FPCh", std::uint32_t fxVersion = 1) {
    const Params p = programParams(n);
    return fxbBlock(fxMagic, 1, tag("2900"), fxVersion, programName(n), std::vector<float>(p.begin(), p.end()));
}
// A globals sub-chunk of `count` parameters; parameter 0, which carries nothing, is 0.9.
inline Bytes globalsSub(const Globals& values, std::size_t count = 12, std::uint32_t fxVersion = 1) {
    std::vector<float> p(count, 0.0f);
    for (std::size_t k = 0; k < count && k <= 11; ++k) p[k] = k == 0 ? 0.9f : q(values[k - 1], kGlobalMax[k - 1]);
    return fxbBlock("FPCh", 1, tag("2900"), fxVersion, "", p);
}
inline Bytes chunkBank(const std::vector<Bytes>& subs, std::int32_t numPrograms, const char* fxId = "2900") {
    const Bytes chunk = join(subs);
    Bytes b = fxbHeader(static_cast<std::uint32_t>(chunk.size() + 152), "FBCh", 2, tag(fxId), 1, numPrograms);
    appendWord(b, static_cast<std::uint32_t>(chunk.size()));
    return join({b, chunk});
}
inline Bytes paramBank(const std::vector<Bytes>& blocks, std::int32_t numPrograms, const char* fxId = "2900") {
    const Bytes body = join(blocks);
    return join({fxbHeader(static_cast<std::uint32_t>(body.size() + 148), "FxBk", 2, tag(fxId), 1, numPrograms), body});
}

// The start-up bank, its programs marked so that kept ones can be told apart.
inline PpgBank startBank() {
    PpgBank bank(87, 20);
    for (std::size_t i = 0; i < 87; ++i) {
        std::snprintf(bank.programs[i].name, kProgramNameSize, "Start %zu", i);
        bank.programs[i].programValues[20] = 99;
    }
    std::strcpy(bank.name, "Bank");
    return bank;
}
inline bool load(PpgBank& bank, const Bytes& file) {
    FxbFile f;
    EXPECT_TRUE(f.parse(file.data(), file.size())) << "the container itself is valid";
    return load2V(bank, f);
}
inline bool loadPath(PpgBank& bank, const std::string& path) { return load(bank, readFile(path)); }
inline void expectCounts(const PpgBank& bank, int programs, int combis, const std::string& what) {
    EXPECT_EQ(std::vector<int>({bank.programCount(), bank.combiCount()}), std::vector<int>({programs, combis})) << what;
}
inline void expectUntouched(const PpgBank& bank, const std::string& what) {
    expectCounts(bank, 87, 20, what);
    EXPECT_FALSE(bank.is2V) << what;
    EXPECT_STREQ(bank.programs[5].name, "Start 5") << what;
}

inline PpgBank namedBank(int count) {
    PpgBank bank(count, 0);
    for (std::size_t i = 0; i < bank.programs.size(); ++i) {
        setName(bank.programs[i].name, programName(static_cast<int>(i)).c_str());
        bank.programs[i].programValues[0] = static_cast<int>(i % 32);
    }
    return bank;
}

} // namespace vornak::test
