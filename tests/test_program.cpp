// The 51-byte packed program record: bit layout, default record, value
// reduction and the derived mode and flag parameters.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>

#include "model/ppg_program.h"
#include "test_support.h"

using namespace vornak;

namespace {

// First bit of group rows 0..38 in group A, as the record's layout fixes them;
// group B starts 196 bits later.
constexpr std::array<unsigned, 39> kRowStartA{15,  20,  26,  32,  37,  42,  46,  51,  55,  59,  64,  69,  75,
                                              81,  86,  91,  95,  99,  101, 106, 111, 116, 122, 130, 138, 141,
                                              144, 147, 150, 152, 155, 157, 163, 169, 175, 181, 187, 193, 199};

constexpr std::array<int, 39> kDefaultGroup{32, 0, 63, 0,  58, 0, 62, 0, 0, 32, 32, 0,  63, 6,  6,  0,  0,  0,  32, 0,
                                            32, 0, 128, 1, 0,  4, 0,  0, 3, 1,  1,  12, 12, 12, 12, 12, 12, 12, 12};

PpgProgram zeroProgram() {
    PpgProgram p;
    std::memset(p.programValues, 0, sizeof p.programValues);
    std::memset(p.groups, 0, sizeof p.groups);
    return p;
}

bool bitSet(const std::uint8_t* record, unsigned bit) { return (record[bit / 8] >> (bit % 8)) & 1; }

} // namespace

TEST(PackedProgram, EachFieldOccupiesItsOwnBits) {
    for (int group = 0; group < 2; ++group) {
        for (std::size_t row = 0; row < kGroupFields.size(); ++row) {
            PpgProgram p = zeroProgram();
            const ParamField& field = kGroupFields[row];
            p.groups[group][field.index] = field.mask * field.scale;
            PackedProgram record{};
            p.encode(record.data());
            const unsigned start = kRowStartA[row] + (group == 0 ? 0u : 196u);
            const unsigned width = static_cast<unsigned>(__builtin_popcount(field.mask));
            for (unsigned bit = 0; bit < 408; ++bit)
                ASSERT_EQ(bitSet(record.data(), bit), bit >= start && bit < start + width)
                    << "group " << group << " row " << row << " bit " << bit;
        }
    }
    // Program-level fields: bits 0..4, 5..8, 9..14.
    const unsigned starts[] = {0, 5, 9, 15};
    for (std::size_t row = 0; row < kProgramFields.size(); ++row) {
        PpgProgram p = zeroProgram();
        p.programValues[kProgramFields[row].index] = kProgramFields[row].mask;
        PackedProgram record{};
        p.encode(record.data());
        for (unsigned bit = 0; bit < 408; ++bit)
            ASSERT_EQ(bitSet(record.data(), bit), bit >= starts[row] && bit < starts[row + 1]) << row << " " << bit;
    }
}

TEST(PackedProgram, DefaultProgramEncodesToTheDefaultRecordAndDecodesToItsDefaults) {
    const PpgProgram p;
    EXPECT_STREQ(p.name, "Basic");
    EXPECT_FALSE(p.is2V);
    const int values[29] = {0, 0, 0, 127, 0, 0, 1, 0, 0, 0, 0, 33025, 8192, 40, 0, 8, 0, 1, 2, 3, 4, 5, 6, 7, 0, 0, 0, 0, 0};
    for (int k = 0; k < 29; ++k) EXPECT_EQ(p.programValues[k], values[k]) << k;
    for (int g = 0; g < 2; ++g) {
        for (int k = 0; k < 39; ++k) EXPECT_EQ(p.groups[g][k], kDefaultGroup[static_cast<std::size_t>(k)]) << k;
        EXPECT_EQ(p.groups[g][39], 0);
        EXPECT_EQ(p.groups[g][40], 1);
        EXPECT_EQ(p.groups[g][41], 0);
        EXPECT_EQ(p.groups[g][42], 0);
        for (int k = 43; k <= 56; ++k) EXPECT_EQ(p.groups[g][k], (k == 46 || k == 47) ? 1 : 0) << k;
    }
    std::array<std::uint8_t, 52> buffer{};
    buffer[51] = 0xA5;
    p.encode(buffer.data());
    EXPECT_TRUE(std::equal(DefaultPackedProgram.begin(), DefaultPackedProgram.end(), buffer.begin()));
    EXPECT_EQ(buffer[51], 0xA5) << "the byte behind the record is not touched";
}

TEST(PackedProgram, ScaledFieldsLoseTheirRemainder) {
    PpgProgram p;
    p.groups[0][0] = 33;  // scale 2
    p.groups[0][17] = 63; // scale 16
    p.groups[1][5] = 7;   // scale 4
    PackedProgram record{};
    p.encode(record.data());
    PpgProgram back(record.data());
    EXPECT_EQ(back.groups[0][0], 32);
    EXPECT_EQ(back.groups[0][17], 48);
    EXPECT_EQ(back.groups[1][5], 4);
}

TEST(PackedProgram, ValuesOutsideAFieldAreHeldWithinIt) {
    // Values from a librarian file can be anything; they must not spill into
    // the neighbouring fields of the record.
    PpgProgram p;
    p.groups[0][1] = 1000;  // 6 bits, between rows 0 and 2
    p.groups[0][17] = 4000; // 2 bits x 16
    p.groups[1][38] = 64;   // the very last field of the record
    p.groups[1][0] = -7;
    p.programValues[kWavetable] = 99;
    PackedProgram record{};
    p.encode(record.data());
    EXPECT_EQ(record[50] & 0xFE, 0) << "the unused top bits of byte 50 stay clear";
    PpgProgram back(record.data());
    EXPECT_EQ(back.groups[0][1], 63);
    EXPECT_EQ(back.groups[0][17], 48);
    EXPECT_EQ(back.groups[1][38], 63);
    EXPECT_EQ(back.groups[1][0], 0);
    EXPECT_EQ(back.programValues[kWavetable], 31);
    const PpgProgram reference;
    EXPECT_EQ(back.groups[0][0], reference.groups[0][0]);
    EXPECT_EQ(back.groups[0][2], reference.groups[0][2]);
    EXPECT_EQ(back.groups[0][16], reference.groups[0][16]);
    EXPECT_EQ(back.groups[0][18], reference.groups[0][18]);
    EXPECT_EQ(back.groups[1][37], reference.groups[1][37]);
    EXPECT_EQ(back.programValues[kKeyboardMode], reference.programValues[kKeyboardMode]);
}

TEST(PackedProgram, RandomRecordsSurviveDecodeAndEncode) {
    std::mt19937 rng(7);
    for (int round = 0; round < 2000; ++round) {
        PackedProgram record{};
        for (auto& b : record) b = static_cast<std::uint8_t>(rng());
        PpgProgram p(record.data());
        PackedProgram again{};
        p.encode(again.data());
        ASSERT_EQ(record, again) << "round " << round << ": the bits no field holds are kept too";
    }
}

TEST(PackedProgram, FlagBytesExpandPerGroup) {
    PpgProgram p;
    p.groups[0][22] = 0x40; // bits without a single flag
    p.groups[0][23] = 0x08;
    p.groups[1][22] = 0xFF;
    p.groups[1][23] = 0xFF;
    PackedProgram record{};
    p.encode(record.data());
    PpgProgram back(record.data());
    for (int k = 43; k <= 56; ++k) {
        EXPECT_EQ(back.groups[0][k], 0) << k;
        EXPECT_EQ(back.groups[1][k], 1) << k;
    }
    EXPECT_EQ(back.groups[0][22], 0x40);
    EXPECT_EQ(back.groups[0][23], 0x08);
    // Each single flag is the target of exactly one bit.
    std::array<int, 57> hits{};
    for (const auto& table : flagBitTargets)
        for (int target : table)
            if (target != -1) ++hits[static_cast<std::size_t>(target)];
    for (int k = 43; k <= 56; ++k) EXPECT_EQ(hits[static_cast<std::size_t>(k)], 1) << k;
}

TEST(PackedProgram, ModeNumbersAndTriples) {
    PpgProgram p;
    for (int m = 0; m < 8; ++m) {
        p.groups[1][29] = m;
        PackedProgram record{};
        p.encode(record.data());
        PpgProgram back(record.data());
        EXPECT_EQ(back.groups[1][29], m);
        EXPECT_EQ(back.groups[1][40], modeTriples[static_cast<std::size_t>(m)][0]);
        EXPECT_EQ(back.groups[1][41], modeTriples[static_cast<std::size_t>(m)][1]);
        EXPECT_EQ(back.groups[1][42], modeTriples[static_cast<std::size_t>(m)][2]);
        PpgProgram found;
        found.findMode(0, back.groups[1][40], back.groups[1][41], back.groups[1][42]);
        EXPECT_EQ(found.groups[0][29], m) << "findMode walks the triples back";
    }
    p.findMode(0, 0, 1, 1);
    EXPECT_EQ(p.groups[0][29], 7);
    p.findMode(0, 2, 1, 0);
    EXPECT_EQ(p.groups[0][29], 0);
    EXPECT_EQ(p.groups[0][40], 2);
    EXPECT_EQ(p.groups[0][41], 1);
    EXPECT_EQ(p.groups[0][42], 0);
}

TEST(PackedProgram, DecodingLeavesNameAndUnpackedValues) {
    PpgProgram p;
    std::strcpy(p.name, "Strings");
    p.programValues[20] = 99;
    p.groups[0][39] = 5;
    p.is2V = true;
    p.decode(DefaultPackedProgram.data(), false);
    EXPECT_STREQ(p.name, "Strings");
    EXPECT_EQ(p.programValues[20], 99);
    EXPECT_EQ(p.groups[0][39], 5);
    EXPECT_TRUE(p.is2V);
    p.decode(DefaultPackedProgram.data(), true);
    EXPECT_STREQ(p.name, "Basic");
    EXPECT_EQ(p.programValues[20], 4);
    EXPECT_FALSE(p.is2V);
    p.decode(nullptr, true); // ignored
    EXPECT_STREQ(p.name, "Basic");
}

TEST(ProgramNames, LongNamesKeep27Characters) {
    char name[kProgramNameSize];
    const char longText[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    setName(name, longText, sizeof longText);
    EXPECT_STREQ(name, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0");
    setName(name, "Pad");
    EXPECT_STREQ(name, "Pad");
    EXPECT_EQ(name[27], '\0');
}
