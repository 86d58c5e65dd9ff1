// Halvic banks: the written file byte by byte, the model guess from the
// scanned area, the tuning byte, round trips and short chunks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <tuple>

#include "cli/input.h"
#include "formats/halvic.h"
#include "io/file_io.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

constexpr std::size_t kChunkBytes = 65768;
constexpr std::size_t kModelByte = 61437;

// An FXB chunk bank with the header of a Halvic bank around `chunk`; the
// header declares `declared` chunk bytes (all of them by default).
Bytes halvicFile(const Bytes& chunk, std::size_t declared = 0) {
    const auto size = static_cast<std::uint32_t>(declared != 0 ? declared : chunk.size());
    Bytes file = fxbHeader(size + 152, "FBCh", 2, tag("Hvic"), 0, 1);
    appendWord(file, size);
    return join({file, chunk});
}

// A chunk of `size` bytes with the memory image at 1024 and the tuning at 13.
Bytes chunkWith(const BankImage& image, std::uint8_t tuning, std::size_t size = kChunkBytes) {
    Bytes c(size, 0);
    c[13] = tuning;
    std::copy(image.begin(), image.begin() + static_cast<long>(std::min<std::size_t>(5120, size - 1024)), c.begin() + 1024);
    return c;
}

// The chunk the tool writes: the image and tuning, and the fixed bytes every bank carries.
Bytes writtenChunk(const BankImage& image, std::uint8_t tuning) {
    Bytes c = chunkWith(image, tuning);
    const std::uint8_t stamp[] = {0x1A, 0x05, 0x2F, 0xEB}, group[] = {0x98, 0x00, 0x00, 0x20, 0x00, 0x20};
    std::copy(stamp, stamp + 4, c.begin() + 6148);
    c[6210] = 0xFF;
    std::fill(c.begin() + 6213, c.begin() + 6230, 0x03);
    for (int j = 0; j < 5; ++j) std::copy(group, group + 6, c.begin() + 6230 + 6 * j);
    c[12267] = 0xFF;
    for (std::size_t j = 0; j < 10; ++j) {
        c[12268 + 2 * j] = 0x18;
        c[12269 + 2 * j] = 0x42;
    }
    c[65540] = 0xFE;
    return c;
}

BankImage storedImage(const PpgBank& bank, int first = 0, int last = 255) {
    BankImage image{};
    bank.storeImage(image.data(), first, last);
    return image;
}

// The model a chunk of `chunkSize` bytes is read as: 2, 3, or -1 when the
// image decided. Two images tell the outcomes apart: one without a combi
// marker (100 programs unless the model is 2.3), one with a marker in slot 19
// (87 programs unless the model is 2.2). `bytes` may lie behind the chunk,
// where a file holds bytes that are not part of it.
int modelUsed(const std::map<std::size_t, std::uint8_t>& bytes, int hint, std::size_t chunkSize = kChunkBytes) {
    std::mt19937 rng(73);
    BankImage plain = randomImage(rng, 0), marked = randomImage(rng, 0);
    marked[static_cast<std::size_t>(kCombiAreaOffset + 32 * 19 + 31)] = 0x55;
    int counts[2], k = 0;
    for (const BankImage* image : {&plain, &marked}) {
        Bytes data = chunkWith(*image, 0, std::max(chunkSize, kChunkBytes));
        for (const auto& [at, value] : bytes) data[at] = value;
        PpgBank bank(87, 20);
        EXPECT_TRUE(loadHalvic(bank, data.data(), chunkSize, hintOf(hint)));
        counts[k++] = bank.programCount();
    }
    if (counts[0] == 100 && counts[1] == 87) return -1;
    if (counts[0] == 100 && counts[1] == 100) return 2;
    if (counts[0] == 87 && counts[1] == 87) return 3;
    ADD_FAILURE() << "no model gives " << counts[0] << " and " << counts[1] << " programs";
    return 0;
}

} // namespace

TEST(Halvic, WrittenFileHoldsTheImageTheTuningLowByteAndTheFixedBytesAndReadsBack) {
    std::mt19937 rng(61);
    TempDir tmp;
    for (int combis : {0, 1, 20}) {
        const BankImage source = randomImage(rng, combis);
        PpgBank bank = bankFrom(source), back(87, 20);
        bank.globals[0] = 0x1C8; // only the low byte is kept
        ASSERT_EQ(writeExport(tmp.path("out.fxb").c_str(), exportHalvic(bank, 0, 255)), 0);
        const Bytes file = readFile(tmp.path("out.fxb"));
        ASSERT_EQ(file.size(), 65928u);
        EXPECT_EQ(file, halvicFile(writtenChunk(canonicalImage(source, combis > 0), 0xC8))) << combis << " combis";

        std::strcpy(back.name, "Before");
        ASSERT_EQ(loadFromBytes(file, back), 0);
        EXPECT_EQ(back.programCount(), combis > 0 ? 87 : 100) << "the zero scan area leaves the model to the image";
        EXPECT_EQ(storedImage(back), storedImage(bank));
        EXPECT_EQ(back.globals[0], 0xC8);
        for (const PpgProgram& p : back.programs) EXPECT_EQ(p.programValues[kTuning], 0xC8);
        EXPECT_STREQ(back.name, "Before") << "a Halvic bank carries no name";
    }
}

TEST(Halvic, ExportHonoursTheRangeNotTheGroupAndTakesANegativeStartAsZero) {
    std::mt19937 rng(62);
    const PpgBank bank = bankFrom(randomImage(rng, 0));
    TempDir tmp;
    ASSERT_EQ(writeExport(tmp.path("range.fxb").c_str(), exportHalvic(bank, 95, 255)), 0);
    const Bytes file = readFile(tmp.path("range.fxb"));
    EXPECT_EQ(file, halvicFile(writtenChunk(storedImage(bank, 95, 255), 40)));
    for (int slot = 5; slot < 100; ++slot) // programs 95..99 in slots 0..4, then the default program
        EXPECT_TRUE(std::equal(DefaultPackedProgram.begin(), DefaultPackedProgram.end(), file.begin() + 160 + 1024 + 51 * slot)) << slot;

    PpgBank demo(87, 20);
    ASSERT_EQ(loadInputFile(demoBankPath().c_str(), ModelHint::Detect, demo), 0);
    ASSERT_EQ(writeExport(tmp.path("demo.fxb").c_str(), exportHalvic(demo, 3, 9)), 0);
    EXPECT_EQ(runTool({"/P3-9", "/M" + tmp.path("a.fxb"), demoBankPath()}).exitCode, 0);
    EXPECT_EQ(runTool({"/Gb", "/P3-9", "/M" + tmp.path("b.fxb"), demoBankPath()}).exitCode, 0);
    EXPECT_EQ(readFile(tmp.path("a.fxb")), readFile(tmp.path("demo.fxb")));
    EXPECT_EQ(readFile(tmp.path("b.fxb")), readFile(tmp.path("demo.fxb")));

    ASSERT_EQ(writeExport(tmp.path("zero.fxb").c_str(), exportHalvic(bank, 0, 9)), 0);
    ASSERT_EQ(writeExport(tmp.path("negative.fxb").c_str(), exportHalvic(bank, -4, 9)), 0);
    EXPECT_EQ(readFile(tmp.path("negative.fxb")), readFile(tmp.path("zero.fxb")));
}

TEST(Halvic, ModelGuessFromTheScannedAreaOfTheChunk) {
    const std::size_t full = kChunkBytes, toModelByte = kModelByte + 1;
    const std::tuple<std::map<std::size_t, std::uint8_t>, int, std::size_t, int> cases[] = {
        // Bytes set, model hint, chunk size, model used. Any nonzero byte in 16384..65535 makes the model byte count.
        {{}, -1, full, -1}, {{{20000, 1}}, -1, full, 2}, {{{16384, 0xFF}}, -1, full, 2}, {{{65535, 1}}, -1, full, 2},
        {{{40000, 9}, {kModelByte, 5}}, -1, full, 3}, {{{kModelByte, 5}}, -1, full, 3}, {{{kModelByte, 69}}, -1, full, 3},
        {{{kModelByte, 1}}, -1, full, -1}, {{{30000, 7}, {kModelByte, 0x44}}, -1, full, -1},
        {{{16383, 1}, {12000, 1}, {65536, 1}, {65767, 1}}, -1, full, -1},
        // A hint from the command line is used as it is.
        {{{kModelByte, 5}}, 2, full, 2}, {{{kModelByte, 69}}, 2, full, 2}, {{{kModelByte, 1}}, 2, full, 2}, {{}, 3, full, 3},
        {{{20000, 1}}, 3, full, 3},
        // Only bytes the chunk holds count, not those behind it.
        {{{kModelByte, 5}, {65535, 9}}, -1, 6144, -1}, {{{kModelByte, 0}, {65535, 9}}, -1, 20000, -1},
        {{{kModelByte, 5}, {65535, 9}}, -1, kModelByte, -1}, {{{20000, 1}, {kModelByte, 5}}, -1, kModelByte, -1},
        {{{kModelByte, 5}}, -1, toModelByte, 3}, {{{20000, 1}}, -1, toModelByte, 2}, {{{20000, 1}, {kModelByte, 1}}, -1, toModelByte, -1},
        {{{65535, 9}}, -1, toModelByte, -1}, {{{65535, 9}}, -1, 65535, -1}, {{{65534, 9}}, -1, 65535, 2},
    };
    for (std::size_t n = 0; n < std::size(cases); ++n) {
        const auto& [bytes, hint, chunkSize, model] = cases[n];
        EXPECT_EQ(modelUsed(bytes, hint, chunkSize), model) << "case " << n;
    }
    // Through the command line, and through the loader, where the file's bytes lie behind a short chunk.
    std::mt19937 rng(74);
    const BankImage image = randomImage(rng, 0);
    Bytes chunk = chunkWith(image, 40);
    chunk[kModelByte] = 5;
    RunResult r = runToolOn(halvicFile(chunk));
    EXPECT_EQ(r.exitCode, 0);
    for (const char* piece : {"PROG:86 ", "PPG-WAVE 2.3 V6"}) EXPECT_NE(r.out.find(piece), std::string::npos) << piece;
    EXPECT_EQ(r.out.find("PROG:87 "), std::string::npos);
    r = runToolOn(halvicFile(chunk), {"/2.2"});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* piece : {"PROG:99 ", "PPG-WAVE 2.2 V4"}) EXPECT_NE(r.out.find(piece), std::string::npos) << piece;
    EXPECT_EQ(r.out.find("Combiprograms:"), std::string::npos);
    chunk[65535] = 9;
    PpgBank bank(87, 20);
    ASSERT_EQ(loadFromBytes(halvicFile(chunk, 20000), bank), 0);
    EXPECT_EQ(bank.programCount(), 100) << "the model byte lies beyond the chunk";
    EXPECT_EQ(storedImage(bank), canonicalImage(image, false));
}

TEST(Halvic, ShortChunksAndTheTuningByte) {
    std::mt19937 rng(65);
    const BankImage image = randomImage(rng, 0);
    // Too short for the memory image: refused, and the bank is not touched.
    const Bytes tooShort = chunkWith(image, 0, 1024 + 5120 - 1);
    PpgBank bank(87, 20);
    bank.globals[0] = 17;
    EXPECT_EQ(loadFromBytes(halvicFile(tooShort), bank), 3);
    const RunResult r = runToolOn(halvicFile(tooShort));
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(withoutBanner(r.out), "Can't load .fxb file\n");
    for (int hint : {-1, 2, 3}) EXPECT_FALSE(loadHalvic(bank, tooShort.data(), tooShort.size(), hintOf(hint)));
    EXPECT_FALSE(loadHalvic(bank, tooShort.data(), 0, ModelHint::Detect));
    EXPECT_EQ(bank.programCount(), 87);
    EXPECT_EQ(bank.globals[0], 17);
    EXPECT_STREQ(bank.programs[0].name, "Basic");

    // Just long enough: the image, and the tuning byte for the bank and every program.
    const Bytes exact = chunkWith(image, 200, 1024 + 5120);
    for (int hint : {-1, 3}) {
        ASSERT_EQ(loadFromBytes(halvicFile(exact), bank, hint), 0);
        EXPECT_EQ(bank.programCount(), hint == 3 ? 87 : 100);
        EXPECT_EQ(bank.globals[0], 200);
        for (const PpgProgram& p : bank.programs) EXPECT_EQ(p.programValues[kTuning], 200);
    }
    ASSERT_EQ(loadFromBytes(halvicFile(exact), bank), 0);
    EXPECT_EQ(storedImage(bank), canonicalImage(image, false));
}

TEST(Halvic, OnlyTheIdAndTheBankKindAreLookedAt) {
    std::mt19937 rng(66);
    const BankImage image = randomImage(rng, 3);
    Bytes file = halvicFile(chunkWith(image, 41));
    // byteSize, version, fxVersion, numPrograms and the reserved bytes.
    for (const auto& [at, value] : {std::pair{4, 0xDEADBEEFu}, {12, 0u}, {20, 0xDEADBEEFu}, {24, 9u}}) putWord(file, at, value);
    std::fill(file.begin() + 28, file.begin() + 156, 0x5A);
    PpgBank bank(87, 20);
    ASSERT_EQ(loadFromBytes(file, bank), 0);
    EXPECT_EQ(bank.programCount(), 87);
    EXPECT_EQ(storedImage(bank), canonicalImage(image, true));
    EXPECT_EQ(bank.globals[0], 41);
    for (const PpgProgram& p : bank.programs) EXPECT_EQ(p.programValues[kTuning], 41);

    EXPECT_EQ(loadFromBytes(fxbHeader(20, "FxBk", 2, tag("Hvic"), 0, 0), bank), 3) << "a parameter bank is read as a 2.V bank";
    EXPECT_EQ(bank.programCount(), 87) << "and refused for its fxID";
}

TEST(Halvic, ForeignChunkBankBecomesHalvicOnlyByItsId) {
    const std::string path = corpusPath("fxb-foreign/ardour2fxp_OXFM.fxb");
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "no corpus of foreign banks here";
    RunResult r = runTool({path});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(withoutBanner(r.out), "Not a valid 2.V fxb-file\n");
    // The same bank relabelled: its 90688-byte chunk is read like any Halvic chunk.
    Bytes relabelled = readFile(path);
    ASSERT_GT(relabelled.size(), 160u + 6144u);
    std::copy_n("Hvic", 4, relabelled.begin() + 16);
    PpgBank bank(87, 20), expected(87, 20);
    ASSERT_EQ(loadFromBytes(relabelled, bank), 0);
    EXPECT_EQ(bank.globals[0], relabelled[160 + 13]);
    for (int hint : {2, 3}) {
        ASSERT_EQ(loadFromBytes(relabelled, bank, hint), 0);
        EXPECT_EQ(bank.programCount(), hint == 2 ? 100 : 87);
        expected.loadImage(relabelled.data() + 160 + 1024, hintOf(hint));
        EXPECT_EQ(storedImage(bank), storedImage(expected));
    }
    EXPECT_EQ(runToolOn(relabelled).exitCode, 0);
}
