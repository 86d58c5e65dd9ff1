// Waldorf 2.V programs: the float conversions and the parameter map of a
// program block.

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <set>
#include <tuple>

#include "support_2v.h"

using namespace vornak;
using namespace vornak::test;

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
