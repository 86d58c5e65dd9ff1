// Waldorf 2.V programs and banks: the float conversions, the parameter map of
// a program block, reading parameter and chunk banks, and the three kinds of
// bank the exporter writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "library/loader.h"
#include "formats/fxb_file.h"
#include "formats/bank_2v.h"
#include "formats/program_2v.h"
#include "model/failure.h"
#include "io/file_io.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

using Params = std::array<float, 89>;
using Block = std::array<std::uint8_t, 412>;
using Globals = std::array<int, 11>;

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();

// v / max as a 2.V file stores it.
float q(int v, int max) { return static_cast<float>(static_cast<double>(v) / max); }

// The parameter map: parameter, group parameter (else program value), its index, maximum.
struct Row {
    int param;
    bool inGroup;
    int index, max;
};
const std::vector<Row> kRows = {
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
const std::array<std::array<int, 4>, 14> kFlags{{{30, 22, 5, 54}, {37, 23, 0, 47}, {38, 22, 7, 46}, {39, 23, 6, 55}, {40, 23, 7, 56},
                                                 {52, 22, 1, 44}, {53, 22, 0, 43}, {54, 22, 3, 45}, {55, 23, 1, 48}, {56, 23, 2, 49},
                                                 {57, 22, 4, 53}, {58, 22, 2, 50}, {59, 23, 4, 51}, {60, 23, 5, 52}}};
const Globals kGlobalMax{99, 16383, 63, 127, 127, 127, 127, 127, 127, 127, 127};

// A block in host order, as decode2V and encode2V see it.
Block hostBlock(const Params& params, const char* name = "") {
    Block b{};
    const std::uint32_t words[7] = {tag("CcnK"), 404, tag("FxCk"), 1, tag("2900"), 1, 89};
    std::memcpy(b.data(), words, sizeof words);
    std::memcpy(b.data() + 28, name, strnlen(name, 28));
    std::memcpy(b.data() + 56, params.data(), sizeof params);
    return b;
}
PpgProgram decoded(const Params& params, const char* name = "") {
    PpgProgram p;
    const Block b = hostBlock(params, name);
    decode2V(p, b.data());
    return p;
}
Params encoded(const PpgProgram& p, int group) {
    Block b{};
    EXPECT_EQ(encode2V(p, b.data(), group, 1, false), 412);
    Params out;
    std::memcpy(out.data(), b.data() + 56, sizeof out);
    return out;
}
Params only(std::size_t param, float value) {
    Params p{};
    p[param] = value;
    return p;
}
// A program whose carried values are all 0 (SW 3, since SW travels shifted).
PpgProgram blankProgram() {
    PpgProgram p;
    std::memset(p.programValues, 0, sizeof p.programValues);
    std::memset(p.groups, 0, sizeof p.groups);
    p.groups[0][28] = p.groups[1][28] = 3;
    return p;
}
void expectSameProgram(const PpgProgram& got, const PpgProgram& want, const std::string& what) {
    EXPECT_EQ(std::memcmp(got.name, want.name, sizeof got.name), 0) << what << ": name " << got.name;
    EXPECT_EQ(programFields(got), programFields(want)) << what;
}

// Files in file order. Test program n: its name, wavetable and tuning tell it apart.
std::string programName(int n) { return "Prog " + std::to_string(n); }
Params programParams(int n) {
    Params p{};
    p[29] = q(n % 32, 31);
    p[78] = q(n % 100, 99);
    return p;
}
Bytes program(int n, const char* fxMagic = "FPCh", std::uint32_t fxVersion = 1) {
    const Params p = programParams(n);
    return fxbBlock(fxMagic, 1, tag("2900"), fxVersion, programName(n), std::vector<float>(p.begin(), p.end()));
}
// A globals sub-chunk of `count` parameters; parameter 0, which carries nothing, is 0.9.
Bytes globalsSub(const Globals& values, std::size_t count = 12, std::uint32_t fxVersion = 1) {
    std::vector<float> p(count, 0.0f);
    for (std::size_t k = 0; k < count && k <= 11; ++k) p[k] = k == 0 ? 0.9f : q(values[k - 1], kGlobalMax[k - 1]);
    return fxbBlock("FPCh", 1, tag("2900"), fxVersion, "", p);
}
Bytes chunkBank(const std::vector<Bytes>& subs, std::int32_t numPrograms, const char* fxId = "2900") {
    const Bytes chunk = join(subs);
    Bytes b = fxbHeader(static_cast<std::uint32_t>(chunk.size() + 152), "FBCh", 2, tag(fxId), 1, numPrograms);
    appendWord(b, static_cast<std::uint32_t>(chunk.size()));
    return join({b, chunk});
}
Bytes paramBank(const std::vector<Bytes>& blocks, std::int32_t numPrograms, const char* fxId = "2900") {
    const Bytes body = join(blocks);
    return join({fxbHeader(static_cast<std::uint32_t>(body.size() + 148), "FxBk", 2, tag(fxId), 1, numPrograms), body});
}

// The start-up bank, its programs marked so that kept ones can be told apart.
PpgBank startBank() {
    PpgBank bank(87, 20);
    for (std::size_t i = 0; i < 87; ++i) {
        std::snprintf(bank.programs[i].name, kProgramNameSize, "Start %zu", i);
        bank.programs[i].programValues[20] = 99;
    }
    std::strcpy(bank.name, "Bank");
    return bank;
}
bool load(PpgBank& bank, const Bytes& file) {
    FxbFile f;
    EXPECT_TRUE(f.parse(file.data(), file.size())) << "the container itself is valid";
    return load2V(bank, f);
}
bool loadPath(PpgBank& bank, const std::string& path) { return load(bank, readFile(path)); }
void expectCounts(const PpgBank& bank, int programs, int combis, const std::string& what) {
    EXPECT_EQ(std::vector<int>({bank.programCount(), bank.combiCount()}), std::vector<int>({programs, combis})) << what;
}
void expectUntouched(const PpgBank& bank, const std::string& what) {
    expectCounts(bank, 87, 20, what);
    EXPECT_FALSE(bank.is2V) << what;
    EXPECT_STREQ(bank.programs[5].name, "Start 5") << what;
}

PpgBank namedBank(int count) {
    PpgBank bank(count, 0);
    for (std::size_t i = 0; i < bank.programs.size(); ++i) {
        setName(bank.programs[i].name, programName(static_cast<int>(i)).c_str());
        bank.programs[i].programValues[0] = static_cast<int>(i % 32);
    }
    return bank;
}

} // namespace

TEST(Conversion2V, ParamToIntRoundsHalfUpAndHoldsAtMax) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const std::tuple<float, int, int> cases[] = {
        {0.5f, 63, 32}, {0.49f, 63, 31}, {1.0f, 63, 63}, {1.5f, 63, 63}, {-0.5f, 63, -31} /* no lower limit */, {0.0f, 63, 0},
        {0.5f, 1, 1},   {0.7f, 1, 1},    {100.0f, 1, 1}, {0.4999f, 1, 0}, {-0.5f, 1, 0}, {-0.51f, 1, -1}, {-1.49f, 1, -1}, {-1.5f, 1, -1}, {nan, 63, 0},
        {-nan, 16383, 0}, {inf, 99, 99}, {3e38f, 16383, 16383}, {-3e38f, 16383, k2VLowestValue}, {-inf, 1, k2VLowestValue},
    };
    for (const auto& [x, max, want] : cases) EXPECT_EQ(paramToInt(x, max), want) << x << " max " << max;
}

TEST(Conversion2V, EveryIntegerSurvivesForEveryMax) {
    std::set<int> maxima{2}; // 2: mode component 1
    for (const Row& r : kRows) maxima.insert(r.max);
    for (int max : maxima)
        for (int v = -max; v <= max; ++v) {
            ASSERT_EQ(intToParam(v, max), q(v, max)) << v << "/" << max;
            // Negative values (from a damaged or hand-made file) too: -6 is
            // no more read back as -5.
            ASSERT_EQ(paramToInt(intToParam(v, max), max), v) << v << "/" << max;
        }
    // Above the maximum the float leaves 0..1 and reads back as the maximum.
    EXPECT_NEAR(intToParam(33025, 16383), 2.0158, 1e-4);
    EXPECT_EQ(paramToInt(intToParam(33025, 16383), 16383), 16383);
    EXPECT_EQ(intToParam(-7, 7), -1.0f);
}

// The floats a writer of whole values gives are sound: 0 to 1, and the
// quotients of whole values above the range. Below 0, or above 1 and no
// such quotient, a float is not, whatever value it is read as: a switch of
// -0.25 or 1.25, SW of -0.1.
TEST(Conversion2V, SoundFloatsAreThoseAWriterOfWholeValuesGives) {
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    for (const auto& [x, max] : {std::pair{-0.25f, 1}, {1.25f, 1}, {-0.1f, 3}, {nan, 63}, {inf, 63}, {-inf, 63}, {1.0001f, 127}})
        EXPECT_FALSE(paramIsSound(x, max)) << x << " max " << max;
    for (const auto& [x, max] : {std::pair{0.0f, 1}, {-0.0f, 1}, {1.0f, 1}, {0.3f, 1}, {q(33025, 16383), 16383}, {q(2, 1), 1}})
        EXPECT_TRUE(paramIsSound(x, max)) << x << " max " << max;
    PpgProgram p;
    EXPECT_EQ(decode2V(p, hostBlock(only(53, -0.25f)).data()).unsound, 1);
    EXPECT_EQ(decode2V(p, hostBlock(only(31, -0.1f)).data()).unsound, 1);
}

// A negative value, which only a damaged or hand-made file holds, comes
// back as itself from a 2.V bank written by the tool: down to the lowest
// value a float below the range is read as, a switch read as -1, and SW
// read as -5 (stored -1.5).
TEST(Conversion2V, NegativeValuesComeBackAsThemselves) {
    std::set<int> maxima{2};
    for (const Row& r : kRows) maxima.insert(r.max);
    for (const int max : maxima)
        for (const int v : {k2VLowestValue, k2VLowestValue + 1, -4999999, -1})
            EXPECT_EQ(paramToInt(intToParam(v, max), max), v) << v << "/" << max;

    Params params{};
    params[53] = -1.0f;                                       // VL, bit 0 of flag byte 1
    params[31] = -1.5f;                                       // SW
    params[3] = -std::numeric_limits<float>::infinity();      // program value 3
    const PpgProgram read = decoded(params);
    ASSERT_EQ(read.groups[0][43], -1);
    ASSERT_EQ(read.groups[0][kSwitch], -5);
    ASSERT_EQ(read.programValues[3], k2VLowestValue);
    const PpgProgram again = decoded(encoded(read, 0));
    EXPECT_EQ(programFields(again), programFields(read));
}

TEST(Program2V, EachValueTravelsInItsParameter) {
    const PpgProgram base = decoded(Params{});
    PpgProgram zero = blankProgram(); // all zero: every carried value 0, SW 3, mode 0, no flags
    zero.is2V = true;
    std::memset(zero.name, 0, sizeof zero.name);
    expectSameProgram(base, zero, "all zero");
    EXPECT_EQ(encoded(zero, 0), Params{});
    for (const Row& row : kRows)
        for (int v : {1, row.max / 2, row.max}) {
            const std::string what = "parameter " + std::to_string(row.param) + " = " + std::to_string(v);
            const Params params = only(static_cast<std::size_t>(row.param), q(v, row.max));
            // Written from the chosen group only; read into both groups.
            PpgProgram p = blankProgram(), want = base;
            (row.inGroup ? p.groups[1][row.index] : p.programValues[row.index]) = v;
            (row.inGroup ? want.groups[0][row.index] : want.programValues[row.index]) = v;
            want.groups[1][row.index] = want.groups[0][row.index];
            EXPECT_EQ(encoded(p, 1), params) << what;
            EXPECT_EQ(encoded(p, 0), row.inGroup ? Params{} : params) << what << " from group A";
            expectSameProgram(decoded(params), want, what);
        }
    for (int param : {0, 1, 65, 66, 67, 68, 69, 70, 71, 72, 73, 76, 77})
        expectSameProgram(decoded(only(static_cast<std::size_t>(param), 1.0f)), base, "unused parameter " + std::to_string(param));
    // Not carried: keyboardSplit, values 24..28, group parameter 39.
    PpgProgram p = blankProgram();
    p.programValues[2] = 17;
    for (int k = 24; k <= 28; ++k) p.programValues[k] = 5;
    p.groups[0][39] = 9;
    EXPECT_EQ(encoded(p, 0), Params{});
}

TEST(Program2V, FlagParametersCarryOneBitEach) {
    const PpgProgram base = decoded(Params{});
    for (const auto& [param, flagByte, bit, target] : kFlags) {
        const std::string what = "parameter " + std::to_string(param);
        const Params params = only(static_cast<std::size_t>(param), 1.0f);
        PpgProgram want = base, p = blankProgram();
        for (auto& g : want.groups) {
            g[flagByte] = 1 << bit;
            g[target] = 1;
        }
        expectSameProgram(decoded(params), want, what);
        p.groups[1][flagByte] = 1 << bit;
        p.groups[0][target] = 1; // the single flags are not read
        EXPECT_EQ(encoded(p, 1), params) << what;
        EXPECT_EQ(encoded(p, 0), Params{}) << what << " from group A";
    }
    Params p = only(53, 0.7f);
    p[30] = 0.2f;
    const PpgProgram prog = decoded(p);
    EXPECT_EQ(std::vector<int>({prog.groups[0][22], prog.groups[0][43], prog.groups[0][54]}), std::vector<int>({1, 1, 0}));
    // Bit 6 of flag byte 1 and bit 3 of flag byte 2 are never carried.
    PpgProgram odd = blankProgram();
    odd.groups[0][22] = 0x40;
    odd.groups[0][23] = 0x08;
    EXPECT_EQ(encoded(odd, 0), Params{});
    p.fill(1.0f);
    EXPECT_EQ(std::vector<int>({decoded(p).groups[0][22], decoded(p).groups[1][23]}), std::vector<int>({0xBF, 0xF7}));
}

TEST(Program2V, SwitchTravelsShiftedByOneAndModeAsItsComponents) {
    const float written[4] = {q(1, 3), q(2, 3), 1.0f, 0.0f}; // for SW 0, 1, 2, 3
    for (int sw = 0; sw < 4; ++sw) {
        PpgProgram p = blankProgram();
        p.groups[0][28] = sw;
        EXPECT_EQ(encoded(p, 0)[31], written[sw]) << sw;
        EXPECT_EQ(decoded(encoded(p, 0)).groups[1][28], sw);
    }
    const int modes[8][3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {2, 0, 0}, {1, 1, 0}, {1, 0, 1}, {0, 1, 1}};
    auto mode = [](const PpgProgram& p, int g) { return std::vector<int>({p.groups[g][29], p.groups[g][40], p.groups[g][41], p.groups[g][42]}); };
    for (int m = 0; m < 8; ++m) {
        PpgProgram p = blankProgram();
        p.setMode(1, m);
        const Params params = encoded(p, 1);
        const auto& t = modes[m];
        EXPECT_EQ(std::vector<float>(params.begin() + 61, params.begin() + 64), std::vector<float>({q(t[0], 2), q(t[1], 1), q(t[2], 1)}));
        EXPECT_EQ(mode(decoded(params), 0), std::vector<int>({m, t[0], t[1], t[2]}));
        EXPECT_EQ(mode(decoded(params), 1), std::vector<int>({m, t[0], t[1], t[2]}));
    }
    EXPECT_EQ(mode(decoded(only(61, 0.5f)), 0), std::vector<int>({1, 1, 0, 0}));
    Params p{};
    p[61] = p[62] = 1.0f; // a triple without a mode number keeps its components, mode 0
    EXPECT_EQ(mode(decoded(p), 1), std::vector<int>({0, 2, 1, 0}));
    PpgProgram five = blankProgram(); // the mode number itself is not read when writing
    five.groups[0][29] = 5;
    five.groups[0][42] = 1;
    EXPECT_EQ(encoded(five, 0), only(63, 1.0f));
}

TEST(Program2V, DecodeStartsFromTheDefaultProgramAndNamesKeep27Characters) {
    PpgProgram p, want = decoded(Params{});
    std::strcpy(p.name, "Old name that is long");
    for (int k = 0; k < 29; ++k) p.programValues[k] = 9;
    for (int k = 0; k < 57; ++k) p.groups[0][k] = p.groups[1][k] = k % 5 + 1;
    Block b = hostBlock(Params{});
    std::memcpy(b.data() + 28, "AB\0CDEFG", 8); // the name ends at the first NUL, the rest is NUL
    decode2V(p, b.data());
    std::strcpy(want.name, "AB");
    expectSameProgram(p, want, "a block of zeros");
    EXPECT_STREQ(decoded(Params{}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01").name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0");

    PpgProgram named = blankProgram();
    setName(named.name, "Pad");
    Block out;
    out.fill(0xEE);
    encode2V(named, out.data(), 0, 1, false);
    const char field[28] = "Pad";
    EXPECT_EQ(std::memcmp(out.data() + 28, field, 28), 0) << "NUL-padded";
}

TEST(Program2V, OnlyAProperHeaderIsDecoded) {
    PpgProgram original;
    std::strcpy(original.name, "Keep");
    original.groups[1][5] = 44;
    const std::pair<std::size_t, std::uint32_t> bad[] = {{0, tag("CcnJ")}, {8, tag("FPCh")}, {8, tag("FxBk")}, {16, tag("2901")},
                                                         {20, 66052},      {20, 0},          {20, 2}};
    for (const auto& [at, value] : bad) {
        Block b = hostBlock(Params{}, "Other");
        setHostWord(b.data() + at, value);
        PpgProgram p = original;
        EXPECT_THROW(decode2V(p, b.data()), CodeError) << at << " " << value;
        expectSameProgram(p, original, "after a refused block");
    }
    Block b = hostBlock(Params{}, "Fine"); // byteSize, version and numParams are not examined
    for (std::size_t at : {4, 12, 24}) setHostWord(b.data() + at, 3);
    PpgProgram p;
    EXPECT_NO_THROW(decode2V(p, b.data()));
    EXPECT_STREQ(p.name, "Fine");
}

TEST(ChunkBank2V, NumParamsByteOrderFollowsFxVersion) {
    const std::tuple<std::uint32_t, std::uint32_t, bool> cases[] = {
        // fxVersion (signed), numParams as stored, loads
        {1, 0x59000000, true},     {1, 0x59, true},          {66052, 0x59, true},         {66050, 0x59000000, true},
        {66051, 0x59000000, false}, {66052, 0x59000000, false}, {0xFFFFFFFF, 0x59000000, true}, {0x80000000, 0x59, true},
    };
    for (const auto& [fxVersion, count, loads] : cases) {
        PpgBank bank = startBank();
        const std::string what = std::to_string(fxVersion) + " " + std::to_string(count);
        ASSERT_EQ(load(bank, chunkBank({withWord(program(7, "FPCh", fxVersion), 24, count)}, 1)), loads) << what;
        expectCounts(bank, loads ? 1 : 0, 0, what);
        if (loads) expectSameProgram(bank.programs[0], decoded(programParams(7), "Prog 7"), what);
    }
    // The globals sub-chunk follows the same rule.
    const Globals g{41, 1234, 17, 9, 8, 7, 6, 5, 4, 3, 2};
    PpgBank bank = startBank();
    ASSERT_TRUE(load(bank, chunkBank({withWord(globalsSub(g), 24, 0x0C000000), program(1)}, 1)));
    EXPECT_TRUE(std::equal(g.begin(), g.end(), bank.globals));
}

TEST(ChunkBank2V, GlobalsSubChunksAnywhereShortOrOddSized) {
    const Globals first{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}, last{41, 1234, 17, 9, 8, 7, 6, 5, 4, 3, 127},
        partial{41, 1234, 12, 13, 14, 15, 16, 17, 18, 19, 20}, ignored{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    const std::pair<std::vector<Bytes>, Globals> cases[] = {
        // Anywhere in the chunk, and a later one wins.
        {{globalsSub(ignored), program(0), program(1), globalsSub(last)}, last},
        // A short one sets only the globals it holds, in the middle of the chunk or at its end.
        {{program(0), program(1), globalsSub(last, 3)}, partial}, {{globalsSub(last, 3), program(0), program(1)}, partial},
        {{program(0), program(1), globalsSub(last, 0)}, first},   {{globalsSub(last, 0), program(0), program(1)}, first},
        // Fewer than 50 parameters are globals; 50 to 88 and 90 on are skipped and take no program slot.
        {{program(0), globalsSub(last, 49), globalsSub(ignored, 50), globalsSub(ignored, 60), globalsSub(ignored, 88),
          globalsSub(ignored, 90), program(1)}, last},
    };
    for (const auto& [subs, want] : cases) {
        PpgBank bank = startBank();
        std::copy(first.begin(), first.end(), bank.globals);
        ASSERT_TRUE(load(bank, chunkBank(subs, 2)));
        EXPECT_EQ(std::vector<int>(bank.globals, bank.globals + 11), std::vector<int>(want.begin(), want.end()));
        expectCounts(bank, 2, 0, "");
        EXPECT_TRUE(bank.is2V && bank.programs[1].is2V);
        EXPECT_STREQ(bank.name, "Bank") << "the bank name stays";
        EXPECT_STREQ(bank.programs[1].name, "Prog 1");
    }
}

TEST(ChunkBank2V, ProgramCountAgainstSubChunks) {
    std::vector<Bytes> many;
    for (int i = 0; i < 130; ++i) many.push_back(program(i));
    const std::vector<Bytes> five(many.begin(), many.begin() + 5), three(many.begin(), many.begin() + 3);
    PpgBank bank = startBank();
    EXPECT_FALSE(load(bank, chunkBank(five, 4)));
    expectCounts(bank, 0, 0, "more program sub-chunks than numPrograms");
    bank = startBank();
    ASSERT_TRUE(load(bank, chunkBank(three, 4)));
    EXPECT_EQ(bank.programCount(), 4);
    EXPECT_STREQ(bank.programs[2].name, "Prog 2");
    EXPECT_STREQ(bank.programs[3].name, "Start 3") << "program 3 keeps what it held";
    EXPECT_EQ(bank.programs[3].programValues[20], 99);
    EXPECT_FALSE(bank.programs[3].is2V);

    // Counts below 1 or above the bank's limit leave the bank untouched, as
    // does another fxID.
    const std::pair<Bytes, std::string> refused[] = {
        {chunkBank(three, 0), "0"}, {chunkBank(three, -1), "-1"}, {chunkBank(three, kIntMin), "min"},
        {chunkBank(three, kMaxBankPrograms + 1), "65537"},
        {chunkBank(three, std::numeric_limits<std::int32_t>::max()), "max"}, {chunkBank(three, 1, "2901"), "fxID"},
    };
    for (const auto& [file, what] : refused) {
        bank = startBank();
        EXPECT_FALSE(load(bank, file)) << what;
        expectUntouched(bank, what);
    }
    bank = startBank();
    ASSERT_TRUE(load(bank, chunkBank(three, 128)));
    EXPECT_EQ(bank.programCount(), 128);
    EXPECT_STREQ(bank.programs[86].name, "Start 86");
    EXPECT_STREQ(bank.programs[87].name, "Basic");
    ASSERT_TRUE(load(bank, chunkBank(many, 130)));
    EXPECT_STREQ(bank.programs[129].name, "Prog 129");

    // Any count up to the limit makes that many programs, whatever the chunk
    // holds; the ones it does not fill are default programs.
    struct Counted {
        int header, held;
    };
    for (const Counted c : {Counted{129, 128}, Counted{200, 10}, Counted{kMaxBankPrograms, 1}}) {
        bank = startBank();
        const std::vector<Bytes> held(many.begin(), many.begin() + c.held);
        ASSERT_TRUE(load(bank, chunkBank(held, c.header))) << c.header;
        EXPECT_EQ(bank.programCount(), c.header);
        EXPECT_STREQ(bank.programs[static_cast<std::size_t>(c.held - 1)].name, programName(c.held - 1).c_str()) << c.header;
        EXPECT_STREQ(bank.programs[static_cast<std::size_t>(c.header - 1)].name, "Basic") << c.header;
    }
}

TEST(ChunkBank2V, EveryProgramTheHeaderCountsIsListedAndTooManyAreRefused) {
    std::vector<Bytes> subs{globalsSub({})}; // a writer that counts the globals sub-chunk too
    for (int i = 0; i < 128; ++i) subs.push_back(program(i));
    const RunResult listed = runToolOn(chunkBank(subs, 129));
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_NE(listed.out.find("PROG:127 \"Prog 127\""), std::string::npos);
    EXPECT_NE(listed.out.find("PROG:128 \"Basic\""), std::string::npos);

    const RunResult refused = runToolOn(chunkBank(subs, kMaxBankPrograms + 1), {"/L"});
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(withoutBanner(refused.out), "Not a valid 2.V fxb-file\n");
}

TEST(ChunkBank2V, BrokenSubChunksEmptyTheBank) {
    const Bytes a = program(0), b = program(1);
    Bytes overlapping = globalsSub({}, 0); // byteSize 20: the next sub-chunk starts on the name field,
    overlapping.resize(28);                // and a complete sub-chunk does start there
    putWord(overlapping, 4, 20);
    Bytes cut = chunkBank({a, b}, 2), cutGlobals = chunkBank({a, globalsSub({}, 12)}, 1);
    putWord(cut, 156, wordAt(cut, 156) - 4);
    putWord(cutGlobals, 156, wordAt(cutGlobals, 156) - 4);
    const std::pair<const char*, Bytes> cases[] = {
        {"reaches past the chunk", chunkBank({a, withWord(b, 4, 408)}, 2)},
        {"chunkMagic", chunkBank({a, withWord(b, 0, tag("CcnJ"))}, 2)},
        {"fxMagic FxCk", chunkBank({withWord(a, 8, tag("FxCk")), b}, 2)},
        {"fxID", chunkBank({a, withWord(b, 16, tag("2901"))}, 2)},
        {"negative numParams", chunkBank({withWord(a, 24, 0xFFFFFFFF), b}, 2)},
        {"byteSize wraps", chunkBank({withWord(a, 4, 0xFFFFFFF8), b}, 2)},
        {"byteSize huge", chunkBank({withWord(a, 4, 0x7FFFFFFF), b}, 2)},
        {"byteSize short of the parameters", chunkBank({withWord(a, 4, 403), b}, 2)},
        {"byteSize short of the header", chunkBank({withWord(globalsSub({}, 0), 4, 40), a}, 1)},
        {"byteSize 0", chunkBank({withWord(globalsSub({}), 4, 0), a}, 1)},
        {"byteSize ending inside the header", chunkBank({overlapping, a}, 1)},
        {"header cut by the chunk's end", chunkBank({a, Bytes(55, 0)}, 2)},
        {"parameters cut by the chunk's end", cut},
        {"globals cut by the chunk's end", cutGlobals},
    };
    for (const auto& [what, file] : cases) {
        PpgBank bank = startBank();
        EXPECT_FALSE(load(bank, file)) << what;
        expectCounts(bank, 0, 0, what);
    }
    // A sub-chunk longer than its parameters is fine: the rest is skipped.
    Bytes padded = withWord(a, 4, 412);
    padded.insert(padded.end(), 8, 0xAB);
    PpgBank bank = startBank();
    ASSERT_TRUE(load(bank, chunkBank({padded, b}, 2)));
    EXPECT_STREQ(bank.programs[1].name, "Prog 1");

    const RunResult r = runToolOn(cases[0].second);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(withoutBanner(r.out), "Not a valid 2.V fxb-file\n");
}

TEST(ParamBank2V, EveryBlockLoadsAndProgramZeroGivesTheGlobals) {
    const Globals g{40, 9000, 63, 127, 0, 1, 2, 3, 4, 5, 6};
    std::vector<float> zero(89, 0.0f);
    for (std::size_t k = 0; k < 11; ++k) zero[78 + k] = q(g[k], kGlobalMax[k]);
    PpgBank bank = startBank();
    ASSERT_TRUE(load(bank, paramBank({fxbBlock("FxCk", 1, tag("2900"), 1, "Zero", zero), program(1, "FxCk"), program(2, "FxCk")}, 3)));
    expectCounts(bank, 3, 0, "");
    EXPECT_TRUE(bank.is2V);
    EXPECT_STREQ(bank.name, "Bank");
    EXPECT_STREQ(bank.programs[0].name, "Zero");
    for (int i = 1; i < 3; ++i) expectSameProgram(bank.programs[static_cast<std::size_t>(i)], decoded(programParams(i), programName(i).c_str()), "");
    EXPECT_TRUE(std::equal(g.begin(), g.end(), bank.globals));
    for (std::int32_t n : {0, -3, kIntMin}) { // no programs, or a negative count: an empty 2.V bank
        bank = startBank();
        EXPECT_TRUE(load(bank, paramBank({}, n))) << n;
        expectCounts(bank, 0, 0, std::to_string(n));
        EXPECT_TRUE(bank.is2V) << n;
    }
    EXPECT_EQ(runToolOn(paramBank({}, -3)).exitCode, 0) << "an empty 2.V bank lists";
}

// Runs of equal blocks (a bank's fill program, slot after slot) with one
// that differs by a single value or only in its name among them: every
// program and every count is what the block read alone gives.
TEST(Bank2V, RepeatedBlocksReadAsEachAlone) {
    Params a = programParams(3);
    a[35] = 2.5f; // above its range: unsound
    Params b = a;
    b[41] = q(17, 63);
    const char* longName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ01";
    const std::vector<std::pair<const Params*, const char*>> order{{&a, "A"}, {&a, "A"}, {&b, "A"}, {&a, "A"},
                                                                   {&a, longName}, {&a, longName}, {&a, "A"}};
    std::vector<Bytes> blocks[2];
    for (const auto& [params, name] : order)
        for (const char* magic : {"FPCh", "FxCk"})
            blocks[magic[1] == 'x'].push_back(fxbBlock(magic, 1, tag("2900"), 1, name, std::vector<float>(params->begin(), params->end())));
    const auto n = static_cast<std::int32_t>(order.size());
    for (const Bytes& file : {chunkBank(blocks[0], n), paramBank(blocks[1], n)}) {
        PpgBank bank = startBank();
        FxbFile f;
        ASSERT_TRUE(f.parse(file.data(), file.size()));
        Read2V read;
        ASSERT_TRUE(load2V(bank, f, &read));
        expectCounts(bank, n, 0, "");
        for (std::size_t i = 0; i < order.size(); ++i)
            expectSameProgram(bank.programs[i], decoded(*order[i].first, order[i].second), "program " + std::to_string(i));
        EXPECT_EQ(read.namesCut, std::vector<int>({4, 5}));
        EXPECT_EQ(read.unsound, std::vector<int>({0, 1, 2, 3, 4, 5, 6}));
        EXPECT_EQ(read.unsoundValues, n);
    }
}

TEST(ParamBank2V, RefusedBlocksEmptyTheBank) {
    const Bytes good = program(0, "FxCk");
    const Bytes short88 = fxbBlock("FxCk", 1, tag("2900"), 1, "Short", std::vector<float>(88));
    const std::pair<const char*, Bytes> cases[] = {
        {"88 parameters", paramBank({short88}, 1)},
        {"88 parameters followed by an 89th float's worth of bytes", join({paramBank({short88}, 1), Bytes(4, 0)})},
        {"fxVersion 2", paramBank({good, withWord(good, 20, 2)}, 2)},
        {"fxVersion 66052", paramBank({withWord(good, 20, 66052), good}, 2)},
        {"fxID", paramBank({good, withWord(good, 16, tag("2901"))}, 2)},
        {"no parameters", paramBank({fxbBlock("FxCk", 1, tag("2900"), 1, "Empty", {})}, 1)},
        {"a short second block", paramBank({good, fxbBlock("FxCk", 1, tag("2900"), 1, "Short", std::vector<float>(12))}, 2)},
    };
    for (const auto& [what, file] : cases) {
        PpgBank bank = startBank();
        EXPECT_FALSE(load(bank, file)) << what;
        expectCounts(bank, 0, 0, what);
    }
    PpgBank bank = startBank();
    EXPECT_FALSE(load(bank, paramBank({good}, 1, "Hvic")));
    expectUntouched(bank, "fxID Hvic");
}

// The layouts in the order the variant tables below list them: parameter
// bank, chunk bank with fxVersion 1, chunk bank with fxVersion 0x10204.
Layout2V layout2V(int variant) {
    constexpr Layout2V layouts[] = {Layout2V::ParameterBank, Layout2V::ChunkBankV1, Layout2V::ChunkBankV123};
    return layouts[variant];
}

TEST(Export2V, FileLayoutOfEachVariant) {
    TempDir tmp;
    PpgBank bank = namedBank(87);
    const Globals g{45, 16383, 9, 1, 2, 3, 4, 5, 6, 7, 120};
    std::copy(g.begin(), g.end(), bank.globals);
    const std::tuple<std::size_t, const char*, const char*, std::uint32_t> variants[] = {
        {52892, "FxBk", "FxCk", 1}, {53000, "FBCh", "FPCh", 1}, {53000, "FBCh", "FPCh", 66052}}; // size, magics, fxVersion
    std::vector<Bytes> files;
    for (int variant = 0; variant < 3; ++variant) {
        const auto& [size, fxMagic, blockMagic, fxVersion] = variants[variant];
        const std::string path = tmp.path("v" + std::to_string(variant));
        ASSERT_EQ(writeExport(path.c_str(), export2V(bank, 0, 255, 0, layout2V(variant))), 0);
        const Bytes file = readFile(path);
        ASSERT_EQ(file.size(), size);
        Bytes head = fxbHeader(static_cast<std::uint32_t>(size - 8), fxMagic, 2, tag("2900"), fxVersion, 128);
        if (variant > 0) {
            appendWord(head, 52840);
            head = join({head, withWord(globalsSub(g, 12, fxVersion), 56, 0)}); // parameter 0 is written 0.0
        }
        EXPECT_TRUE(std::equal(head.begin(), head.end(), file.begin())) << "variant " << variant;
        for (std::size_t i = 0; i < 128; ++i) {
            const std::size_t at = head.size() + 412 * i;
            const std::string name = i < 87 ? programName(static_cast<int>(i)) : "Basic 2.2";
            const Bytes blockHead = fxbBlock(blockMagic, 1, tag("2900"), fxVersion, name, std::vector<float>(89));
            ASSERT_TRUE(std::equal(blockHead.begin(), blockHead.begin() + 56, file.begin() + static_cast<long>(at))) << variant << " " << i;
            if (i < 87) { EXPECT_EQ(floatAt(file, at + 56 + 4 * 29), q(static_cast<int>(i) % 32, 31)) << i; }
        }
        PpgBank back(87, 20), fill(1, 0);
        setName(fill.programs[0].name, "Basic 2.2");
        ASSERT_TRUE(loadPath(back, path));
        for (std::size_t i = 87; i < 128; ++i) expectCarriedBy2V(back.programs[i], fill.programs[0], 0, "slot " + std::to_string(i));
        files.push_back(file);
    }
    // /F and /O differ only in the fxVersion words.
    std::set<std::size_t> fxVersionWords{20, 160 + 20};
    for (std::size_t i = 0; i < 128; ++i) fxVersionWords.insert(264 + 412 * i + 20);
    for (std::size_t k = 0; k < files[1].size(); ++k)
        if (files[1][k] != files[2][k]) { ASSERT_TRUE(fxVersionWords.count(k & ~std::size_t{3})) << "byte " << k << " differs"; }
}

TEST(Export2V, RangesFillSlotsFromZero) {
    TempDir tmp;
    auto run = [](int from, int to) {
        std::vector<int> v;
        for (int i = from; i <= to; ++i) v.push_back(i);
        return v;
    };
    const std::tuple<int, int, int, std::vector<int>> cases[] = {
        // programs, range, the programs in slots 0, 1, ...; the rest "Basic 2.2"
        {87, 0, 255, run(0, 86)}, {100, 10, 5, {10}},         {100, 200, 255, {99}},      {0, 0, 255, {}},
        {100, -5, 2, run(0, 2)},  {100, 95, 255, run(95, 99)}, {200, 0, 255, run(0, 127)}, {200, 150, 160, {127}},
    };
    for (int variant = 0; variant < 3; ++variant)
        for (const auto& [programs, first, last, slots] : cases) {
            const std::string what = "variant " + std::to_string(variant) + ", " + std::to_string(programs) + " programs, range " +
                                     std::to_string(first) + ".." + std::to_string(last);
            ASSERT_EQ(writeExport(tmp.path("range.fxb").c_str(), export2V(namedBank(programs), first, last, 0, layout2V(variant))), 0) << what;
            PpgBank back(87, 20);
            ASSERT_TRUE(loadPath(back, tmp.path("range.fxb"))) << what;
            ASSERT_EQ(back.programCount(), 128) << what;
            for (std::size_t slot = 0; slot < 128; ++slot) {
                const bool filled = slot < slots.size();
                ASSERT_STREQ(back.programs[slot].name, filled ? programName(slots[slot]).c_str() : "Basic 2.2") << what << " " << slot;
                ASSERT_EQ(back.programs[slot].programValues[filled ? 0 : 11], filled ? slots[slot] % 32 : 16383) << what << " " << slot;
            }
        }
}

TEST(Export2V, EveryVariantWritesTheChosenGroup) {
    // A bank with values in every carried field and both groups different.
    TempDir tmp;
    std::mt19937 rng(17);
    const BankImage image = randomImage(rng, 0);
    writeFile(tmp.path("image.bin"), Bytes(image.begin(), image.end()));
    PpgBank bank = bankFrom(image);
    const int max[] = {127, 127, 1, 1, 1, 1, 4, 16383, 0, 16383, 99, 16383, 63, 127, 127, 127, 127, 127, 127, 127, 127};
    int differing = 0;
    for (PpgProgram& p : bank.programs) {
        for (int k = 3; k <= 23; ++k)
            if (k != 11) p.programValues[k] = static_cast<int>(rng() % (max[k - 3] + 1u)); // 11 stays 33025
        differing += p.groups[0][0] != p.groups[1][0];
    }
    ASSERT_GT(differing, 50);
    for (int variant = 0; variant < 3; ++variant)
        for (int group = 0; group < 2; ++group) {
            const std::string what = "variant " + std::to_string(variant) + " group " + std::to_string(group);
            ASSERT_EQ(writeExport(tmp.path("out.fxb").c_str(), export2V(bank, 0, 255, group, layout2V(variant))), 0) << what;
            PpgBank back(87, 20);
            ASSERT_TRUE(loadPath(back, tmp.path("out.fxb"))) << what;
            for (std::size_t i = 0; i < 100; ++i) expectCarriedBy2V(back.programs[i], bank.programs[i], group, what + " " + std::to_string(i));
        }
    // Through the tool: /GB reaches the exporter, and "/P -5" (read as -5 .. 5) starts at 0.
    ASSERT_EQ(runTool({"/GB", "/P -5", "/O" + tmp.path("b.fxb"), tmp.path("image.bin")}).exitCode, 0);
    PpgBank back(87, 20);
    const PpgBank plain = bankFrom(image);
    ASSERT_TRUE(loadPath(back, tmp.path("b.fxb")));
    for (std::size_t i = 0; i < 6; ++i) expectCarriedBy2V(back.programs[i], plain.programs[i], 1, std::to_string(i));
    EXPECT_STREQ(back.programs[6].name, "Basic 2.2");
}

TEST(Export2V, FailuresAnswerOne) {
    TempDir tmp;
    const PpgBank bank = namedBank(3);
    for (int variant = 0; variant < 3; ++variant)
        EXPECT_EQ(writeExport(tmp.path("no-folder/x.fxb").c_str(), export2V(bank, 0, 255, 0, layout2V(variant))), 1) << variant;
}
