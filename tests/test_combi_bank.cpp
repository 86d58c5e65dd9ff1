// Packed combis and the 5120-byte memory image: layout choice, program names,
// storing ranges and the round trip.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "model/failure.h"
#include "model/ppg_bank.h"
#include "test_support.h"

using namespace vornak;
using vornak::test::canonicalImage;
using vornak::test::randomImage;

namespace {

PackedProgram recordAt(const BankImage& image, int slot) {
    PackedProgram r{};
    std::copy_n(image.begin() + 51 * slot, 51, r.begin());
    return r;
}

// A program that differs from the default in its packed fields.
PpgProgram markedProgram(int mark) {
    PpgProgram p;
    p.programValues[kWavetable] = mark % 32;
    p.programValues[kKeyboardSplit] = mark % 64;
    p.groups[0][1] = mark % 64;
    return p;
}

PpgBank bankOf(int programs, int combis) {
    PpgBank bank(programs, combis);
    for (int j = 0; j < programs; ++j) bank.programs[static_cast<std::size_t>(j)] = markedProgram(j + 1);
    return bank;
}

} // namespace

TEST(PackedCombi, DecodeAndEncode) {
    PackedCombi r{};
    for (int i = 0; i < 32; ++i) r[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(60 + 2 * i);
    r[25] = 0xFF;
    r[26] = 0xFF;
    r[31] = 0x55;
    PpgCombi c(r.data());
    EXPECT_EQ(c.used, 1);
    EXPECT_EQ(c.groupA.bkIndex, 7);
    EXPECT_EQ(c.groupB.bkIndex, 7);
    EXPECT_EQ(c.groupA.det, 3);
    EXPECT_EQ(c.groupB.det, 3);
    for (int j = 0; j < 7; ++j) {
        EXPECT_EQ(c.groupA.split[j], 60 + 2 * (9 + j));
        EXPECT_EQ(c.groupB.split[j], 60 + 2 * (17 + j));
    }
    PackedCombi back{};
    back.fill(0xEE);
    c.encode(back.data());
    EXPECT_EQ(back, r) << "the bits no value holds are kept as read";

    for (std::uint8_t marker : {0x54, 0xFF}) {
        r[31] = marker;
        PpgCombi notUsed(r.data());
        EXPECT_EQ(notUsed.used, 0);
        EXPECT_EQ(notUsed.bk[0], r[1]) << "the other fields are decoded all the same";
        notUsed.encode(back.data());
        EXPECT_EQ(back, r) << "a marker byte other than 0x55 too";
    }
    PpgCombi five;
    five.used = 5;
    five.encode(back.data());
    EXPECT_EQ(back[31], 0x55);
    EXPECT_EQ(PpgCombi(back.data()).used, 1);
    PpgCombi cleared;
    cleared.encode(back.data());
    EXPECT_TRUE(std::all_of(back.begin(), back.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(BankImageLoad, LayoutFollowsModelAndMarkers) {
    std::mt19937 rng(11);
    BankImage image = randomImage(rng, 0);
    PpgBank bank(87, 20);
    bank.loadImage(image.data(), ModelHint::Detect);
    EXPECT_EQ(bank.programCount(), 100);
    EXPECT_EQ(bank.combiCount(), 0);
    EXPECT_STREQ(bank.programs[0].name, "PPG Program 000");
    EXPECT_STREQ(bank.programs[99].name, "PPG Program 099");

    image[4480 + 32 * 19 + 31] = 0x55;
    bank.loadImage(image.data(), ModelHint::Detect);
    EXPECT_EQ(bank.programCount(), 87);
    EXPECT_EQ(bank.combiCount(), 20);
    EXPECT_STREQ(bank.programs[86].name, "PPG Program 086");
    EXPECT_EQ(std::count_if(bank.combis.begin(), bank.combis.begin() + 20, [](const PpgCombi& c) { return c.used; }),
              1);

    bank.loadImage(image.data(), ModelHint::Wave22);
    EXPECT_EQ(bank.programCount(), 100);
    EXPECT_EQ(bank.combiCount(), 0);
    image[4480 + 32 * 19 + 31] = 0;
    bank.loadImage(image.data(), ModelHint::Wave23);
    EXPECT_EQ(bank.programCount(), 87);
    EXPECT_EQ(bank.combiCount(), 20);
}

TEST(BankImageLoad, KeepsNameAndGlobalsAndClearsThe2VFlag) {
    std::mt19937 rng(12);
    const BankImage image = randomImage(rng, 3);
    PpgBank bank(87, 20);
    std::strcpy(bank.name, "Mine");
    bank.globals[0] = 55;
    bank.is2V = true;
    bank.programs[0].is2V = true;
    std::strcpy(bank.combis[0].name, "Old");
    bank.loadImage(image.data(), ModelHint::Detect);
    EXPECT_STREQ(bank.name, "Mine");
    EXPECT_EQ(bank.globals[0], 55);
    EXPECT_FALSE(bank.is2V);
    EXPECT_FALSE(bank.programs[0].is2V);
    EXPECT_EQ(bank.combis[0].name[0], '\0') << "combis are built anew";
}

TEST(BankImageStore, LoadThenStoreReproducesTheImage) {
    std::mt19937 rng(13);
    for (int combis : {0, 1, 20, -1}) {
        for (int round = 0; round < 20; ++round) {
            const BankImage image = randomImage(rng, combis);
            PpgBank bank(87, 20);
            bank.loadImage(image.data(), ModelHint::Detect);
            BankImage stored{};
            bank.storeImage(stored.data(), 0, 255);
            ASSERT_EQ(stored, canonicalImage(image, bank.combiCount() > 0)) << combis;
        }
    }
}

TEST(BankImageStore, RangesAndEmptySlots) {
    const PpgBank bank = bankOf(100, 0);
    BankImage image{};
    bank.storeImage(image.data(), 95, 255);
    for (int k = 0; k < 5; ++k) {
        PackedProgram expected{};
        bank.programs[static_cast<std::size_t>(95 + k)].encode(expected.data());
        EXPECT_EQ(recordAt(image, k), expected) << k;
    }
    for (int k = 5; k < 100; ++k) EXPECT_EQ(recordAt(image, k), DefaultPackedProgram) << k;

    image.fill(0);
    bank.storeImage(image.data(), 50, 10);
    PpgProgram fifty(recordAt(image, 0).data());
    EXPECT_EQ(fifty.programValues[kWavetable], 51 % 32);
    for (int k = 1; k < 100; ++k) EXPECT_EQ(recordAt(image, k), DefaultPackedProgram) << k;

    image.fill(0);
    bank.storeImage(image.data(), -5, 1); // a negative start counts from the first program
    EXPECT_EQ(PpgProgram(recordAt(image, 0).data()).programValues[kWavetable], 1);
    EXPECT_EQ(PpgProgram(recordAt(image, 1).data()).programValues[kWavetable], 2);
    EXPECT_EQ(recordAt(image, 2), DefaultPackedProgram);
}

TEST(BankImageStore, CombisLimitProgramsTo87AndLeaveTheGap) {
    PpgBank bank = bankOf(100, 20);
    bank.combis[2].used = 1;
    bank.combis[2].bk[0] = 9;
    BankImage image{};
    image.fill(0xAB);
    std::fill(image.begin(), image.begin() + 4437, 0); // the caller zero-fills; probe the gap
    std::fill(image.begin() + 4480, image.end(), 0);
    bank.storeImage(image.data(), 0, 255);
    EXPECT_EQ(PpgProgram(recordAt(image, 86).data()).programValues[kWavetable], 87 % 32);
    EXPECT_TRUE(std::all_of(image.begin() + 4437, image.begin() + 4480, [](std::uint8_t b) { return b == 0xAB; }));
    EXPECT_EQ(image[4480 + 64 + 31], 0x55);
    EXPECT_EQ(image[4480 + 64 + 1], 9);
    EXPECT_EQ(image[4480 + 31], 0x00);

    // Ten programs fill ten slots, the rest stays as the caller left it; fewer
    // than 20 combis are followed by cleared combis.
    PpgBank few = bankOf(10, 3);
    few.combis[0].used = 1;
    image.fill(0x77);
    std::fill(image.begin(), image.begin() + 510, 0);
    std::fill(image.begin() + 4480, image.end(), 0);
    few.storeImage(image.data(), 3, 4);
    EXPECT_EQ(PpgProgram(recordAt(image, 1).data()).programValues[kWavetable], 5);
    EXPECT_EQ(recordAt(image, 2), DefaultPackedProgram);
    EXPECT_EQ(recordAt(image, 9), DefaultPackedProgram);
    EXPECT_TRUE(std::all_of(image.begin() + 510, image.begin() + 4480, [](std::uint8_t b) { return b == 0x77; }));
    EXPECT_EQ(image[4480 + 31], 0x55);
    EXPECT_TRUE(std::all_of(image.begin() + 4480 + 32, image.end(), [](std::uint8_t b) { return b == 0; }));

    // A bank without programs writes no program slot.
    PpgBank empty(0, 0);
    image.fill(0x11);
    empty.storeImage(image.data(), 0, 255);
    EXPECT_TRUE(std::all_of(image.begin(), image.end(), [](std::uint8_t b) { return b == 0x11; }));
}

TEST(BankResize, GrowingKeepsTheProgramsInUseOnly) {
    PpgBank bank(3, 2);
    std::strcpy(bank.programs[0].name, "Keep");
    std::strcpy(bank.programs[2].name, "Drop");
    std::strcpy(bank.combis[1].name, "Gone");
    bank.resize(2, 1);
    EXPECT_EQ(bank.programCount(), 2);
    bank.resize(5, 3);
    EXPECT_EQ(bank.programCount(), 5);
    EXPECT_STREQ(bank.programs[0].name, "Keep");
    EXPECT_STREQ(bank.programs[2].name, "Basic") << "out of use, not brought back";
    EXPECT_EQ(bank.combis[1].name[0], '\0');
    const PpgBank fresh(87, 20);
    EXPECT_EQ(fresh.globals[0], 40);
    EXPECT_EQ(fresh.globals[2], 8);
    EXPECT_EQ(fresh.globals[10], 7);
    EXPECT_EQ(fresh.name[0], '\0');
}
