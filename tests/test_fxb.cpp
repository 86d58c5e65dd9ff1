// The FXB bank container: created layouts and the big-endian file order save
// writes, what parse accepts and rejects, and real banks of other plug-ins.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "formats/fxb_file.h"
#include "formats/bank_2v.h"
#include "io/file_io.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

// The file an FXB image makes, written as the exports write theirs.
bool save(const FxbFile& f, const char* path) { return writeExport(path, f.fileBytes()) == 0; }

bool loadFile(FxbFile& f, const char* path) {
    const FileBytes file = readWholeFile(path);
    return file.status == FileBytes::Read && f.parse(file.data.get(), file.size);
}

// Words and floats of the held image, which is in host order.
std::uint32_t held(const FxbFile& f, std::size_t at) { return hostWord(f.image.get() + at); }
float heldFloat(const FxbFile& f, std::size_t at) { return hostFloat(f.image.get() + at); }
Bytes heldImage(const FxbFile& f) { return Bytes(f.image.get(), f.image.get() + f.imageSize); }

Bytes header(const char* fxMagic, std::int32_t numPrograms, std::int32_t version = 2) {
    return fxbHeader(0, fxMagic, version, tag("test"), 7, numPrograms);
}
Bytes block(const std::vector<float>& params, const char* fxMagic = "FxCk", const std::string& name = "") {
    return fxbBlock(fxMagic, 1, tag("test"), 3, name, params);
}

} // namespace

TEST(FxbCreate, ParameterBankLayoutAndTheFileSaveWrites) {
    TempDir tmp;
    FxbFile f;
    ASSERT_TRUE(f.createChunkBank(8));
    ASSERT_TRUE(f.createParamBank(128, 89)) << "replaces the chunk bank";
    ASSERT_EQ(f.imageSize, 52892u);
    EXPECT_FALSE(f.isChunkBank);
    EXPECT_EQ(held(f, 4), 52884u) << "held in host order";
    EXPECT_EQ(f.programBlock(127), f.image.get() + 156 + 127 * 412);
    EXPECT_EQ(f.programBlock(128), nullptr);
    EXPECT_EQ(f.chunkData(), nullptr);
    EXPECT_EQ(f.chunkSize(), 0u);

    auto fileOf = [](std::uint32_t fxId, std::uint32_t fxVersion) {
        std::vector<Bytes> parts{fxbHeader(52884, "FxBk", 2, fxId, fxVersion, 128)};
        for (int i = 0; i < 128; ++i) parts.push_back(fxbBlock("FxCk", 1, fxId, fxVersion, "", std::vector<float>(89)));
        return join(parts);
    };
    ASSERT_TRUE(save(f, tmp.path("fresh.fxb").c_str()));
    const Bytes fresh = readFile(tmp.path("fresh.fxb"));
    const Bytes head{'C', 'c', 'n', 'K', 0x00, 0x00, 0xCE, 0x94, 'F', 'x', 'B', 'k', 0x00, 0x00, 0x00, 0x02};
    EXPECT_TRUE(std::equal(head.begin(), head.end(), fresh.begin()));
    EXPECT_EQ(fresh, fileOf(0, 0));

    // Identifiers reach the header and every block; floats go big-endian, names as they are.
    f.setFxId(tag("2900"));
    f.setFxVersion(0x10204);
    setHostFloat(f.programBlock(1) + 56, 1.0f);
    setHostFloat(f.programBlock(127) + 56 + 4 * 88, -0.25f);
    std::memcpy(f.programBlock(2) + 28, "Name", 4);
    const Bytes before = heldImage(f);
    ASSERT_TRUE(save(f, tmp.path("set.fxb").c_str()));
    EXPECT_EQ(heldImage(f), before) << "save leaves the held image in host order";
    Bytes want = withWord(withWord(fileOf(tag("2900"), 0x10204), 156 + 412 + 56, 0x3F800000), 156 + 412 * 127 + 56 + 4 * 88, 0xBE800000);
    std::memcpy(want.data() + 156 + 2 * 412 + 28, "Name", 4);
    EXPECT_EQ(readFile(tmp.path("set.fxb")), want);
    ASSERT_TRUE(save(f, tmp.path("again.fxb").c_str()));
    EXPECT_EQ(readFile(tmp.path("again.fxb")), want) << "saving again writes the same file";
}

TEST(FxbCreate, ChunkBankLayoutItsUnconvertedChunkAndClear) {
    TempDir tmp;
    FxbFile f;
    ASSERT_TRUE(f.createParamBank(2, 2));
    ASSERT_TRUE(f.createChunkBank(52840)) << "replaces the parameter bank";
    ASSERT_EQ(f.imageSize, 53000u);
    EXPECT_TRUE(f.isChunkBank);
    EXPECT_EQ(f.chunkSize(), 52840u);
    EXPECT_EQ(f.chunkData(), f.image.get() + 160);
    EXPECT_EQ(f.programBlock(0), nullptr);
    EXPECT_TRUE(std::all_of(f.chunkData(), f.chunkData() + 52840, [](std::uint8_t b) { return b == 0; }));

    f.setFxId(tag("2900"));
    f.setFxVersion(1);
    Bytes chunk(52840);
    for (std::size_t k = 0; k < chunk.size(); ++k) chunk[k] = static_cast<std::uint8_t>(k * 7 + 1);
    std::copy(chunk.begin(), chunk.end(), f.chunkData());
    ASSERT_TRUE(save(f, tmp.path("chunk.fxb").c_str()));
    Bytes want = fxbHeader(52992, "FBCh", 2, tag("2900"), 1, 1);
    appendWord(want, 52840);
    EXPECT_EQ(readFile(tmp.path("chunk.fxb")), join({want, chunk})) << "the chunk is written as it is";

    f.clear();
    EXPECT_TRUE(f.image == nullptr && f.imageSize == 0 && !f.isChunkBank && f.chunkData() == nullptr && f.chunkSize() == 0);
}

TEST(FxbSave, FailsWithoutAnImageOrAPlaceToWrite) {
    TempDir tmp;
    FxbFile f;
    EXPECT_FALSE(save(f, tmp.path("none.fxb").c_str()));
    ASSERT_TRUE(f.createParamBank(1, 1));
    f.clear();
    EXPECT_FALSE(save(f, tmp.path("cleared.fxb").c_str()));
    EXPECT_TRUE(std::filesystem::is_empty(tmp.dir())) << "no file is created";
    ASSERT_TRUE(f.createParamBank(1, 1));
    EXPECT_FALSE(save(f, tmp.path("no-such-folder/bank.fxb").c_str()));
    EXPECT_FALSE(save(f, tmp.dir().string().c_str())) << "a folder";
    // 216 bytes fit the stream's buffer: only closing the file fails.
    if (std::filesystem::exists("/dev/full")) { EXPECT_FALSE(save(f, "/dev/full")); }
}

TEST(FxbParse, SavedImagesParseBackUnchanged) {
    TempDir tmp;
    std::mt19937 rng(3);
    FxbFile params, chunk;
    ASSERT_TRUE(params.createParamBank(5, 7));
    params.setFxId(tag("abcd"));
    for (int i = 0; i < 5; ++i)
        for (int k = 0; k < 7; ++k) setHostFloat(params.programBlock(i) + 56 + 4 * k, static_cast<float>(rng() % 1000) / 37.0f - 3.0f);
    std::memcpy(params.programBlock(4) + 28, "Last block", 10);
    ASSERT_TRUE(chunk.createChunkBank(999));
    for (int k = 0; k < 999; ++k) chunk.chunkData()[k] = static_cast<std::uint8_t>(rng());

    for (FxbFile* original : {&params, &chunk}) {
        const std::string path = tmp.path(original->isChunkBank ? "chunk.fxb" : "params.fxb");
        ASSERT_TRUE(save(*original, path.c_str()));
        const Bytes file = readFile(path);
        FxbFile back, loaded;
        ASSERT_TRUE(back.parse(file.data(), file.size()));
        ASSERT_TRUE(loadFile(loaded, path.c_str()));
        EXPECT_EQ(back.isChunkBank, original->isChunkBank);
        EXPECT_EQ(heldImage(back), heldImage(*original)) << path;
        EXPECT_EQ(heldImage(loaded), heldImage(*original)) << path;
        ASSERT_TRUE(save(back, tmp.path("resaved.fxb").c_str()));
        EXPECT_EQ(readFile(tmp.path("resaved.fxb")), file) << "a parsed image saves to the same file";
    }
    FxbFile f;
    EXPECT_FALSE(loadFile(f, tmp.path("missing.fxb").c_str()));
    writeFile(tmp.path("bad.fxb"), Bytes{'C', 'c', 'n', 'K'});
    EXPECT_FALSE(loadFile(f, tmp.path("bad.fxb").c_str()));
}

TEST(FxbParse, WhatIsAcceptedAndWhatIsRefusedWithoutChangingTheObject) {
    const Bytes h = header("FxBk", 0);
    const Bytes blocks = join({header("FxBk", 3), block({1.0f, 2.0f, 3.0f}), block({}), block({-1.0f, 0.5f, 0.25f, 8.0f, 1e-3f})});
    const Bytes two = join({header("FxBk", 2), block({1.0f}), block({2.0f})});
    Bytes chunk = header("FBCh", 1);
    appendWord(chunk, 37);
    chunk.resize(160 + 37, 0x11);
    const std::vector<std::pair<Bytes, bool>> cases = {
        // The bank header: 28 bytes are enough without programs; version is signed and at most 2.
        {prefix(h, 28), true}, {prefix(h, 27), false}, {{}, false}, {h, true}, {header("FxBk", 0, 1), true}, {header("FxBk", 0, 0), true},
        {header("FxBk", 0, -1), true}, {header("FxBk", 0, -100000), true}, {header("FxBk", 0, 3), false},
        {header("FxBk", 0, 0x7FFFFFFF), false}, {header("FxBk", -5), true}, {header("FxCk", 0), false}, {header("FPCh", 0), false},
        {header("fxbk", 0), false}, {header("FBCH", 0), false}, {withWord(h, 0, tag("CcnJ")), false},
        // Blocks, each of its own size: the last may end at the end of the image, and bytes may follow.
        {blocks, true}, {prefix(blocks, blocks.size() - 1), false}, {join({blocks, Bytes(5, 1)}), true},
        {withWord(blocks, 24, 4), false}, {withWord(blocks, 24, 0x7FFFFFFF), false}, {join({header("FxBk", 1), Bytes(55, 0)}), false},
        {two, true}, {join({header("FxBk", 2), block({1.0f}), block({2.0f}, "FPCh")}), false}, {withWord(two, 156 + 60, tag("CcnJ")), false},
        // numParams -1, and counts whose byte size wraps in 32 bits (4 x 0x40000000 = 2^32).
        {withWord(two, 156 + 60 + 24, 0xFFFFFFFF), false}, {withWord(two, 156 + 60 + 24, 0x40000000), false},
        {withWord(two, 156 + 60 + 24, 0x3FFFFFF2), false}, {withWord(two, 156 + 60 + 24, 0x7FFFFFFF), false},
        {withWord(two, 156 + 60 + 24, 0xC0000000), false},
        // The chunk must fit the image, even where 160 + chunkSize wraps in 32 bits.
        {chunk, true}, {withWord(chunk, 156, 0), true}, {prefix(withWord(chunk, 156, 0), 160), true}, {prefix(chunk, 159), false},
        {withWord(chunk, 156, 38), false}, {withWord(chunk, 156, 0xFFFFFFFF), false}, {withWord(chunk, 156, 0xFFFFFF60), false},
        {withWord(chunk, 156, 0x80000000), false},
    };
    FxbFile f;
    ASSERT_TRUE(f.createChunkBank(40));
    f.chunkData()[0] = 0x99;
    const Bytes before = heldImage(f);
    for (std::size_t n = 0; n < cases.size(); ++n) {
        const auto& [bytes, valid] = cases[n];
        FxbFile fresh;
        EXPECT_EQ(fresh.parse(bytes.data(), bytes.size()), valid) << "case " << n;
        if (valid) continue;
        EXPECT_FALSE(f.parse(bytes.data(), bytes.size())) << "case " << n;
        EXPECT_EQ(heldImage(f), before) << "case " << n << ": the object keeps what it held";
        EXPECT_TRUE(f.isChunkBank);
    }
}

TEST(FxbParse, HeldImageIsInHostOrderWhereTheWalkWent) {
    Bytes file = join({header("FxBk", 3), block({1.0f, 2.0f, 3.0f}, "FxCk", "first"), block({}), block({-1.0f, 0.5f, 0.25f, 8.0f, 1e-3f})});
    file[28] = 0x12; // reserved bytes are not converted
    file.insert(file.end(), {1, 2, 3, 4, 5});
    FxbFile f;
    ASSERT_TRUE(f.parse(file.data(), file.size()));
    EXPECT_FALSE(f.isChunkBank);
    EXPECT_EQ(f.imageSize, file.size());
    EXPECT_EQ(std::vector<std::uint32_t>({held(f, 8), held(f, 16), held(f, 20), held(f, 156 + 24), held(f, 224 + 8), held(f, 280 + 24)}),
              std::vector<std::uint32_t>({tag("FxBk"), tag("test"), 7, 3, tag("FxCk"), 5}));
    EXPECT_EQ(std::vector<float>({heldFloat(f, 156 + 56 + 8), heldFloat(f, 280 + 56), heldFloat(f, 280 + 56 + 16)}),
              std::vector<float>({3.0f, -1.0f, 1e-3f}));
    EXPECT_STREQ(reinterpret_cast<const char*>(f.image.get()) + 156 + 28, "first");
    EXPECT_EQ(f.image[28], 0x12);
    EXPECT_TRUE(std::equal(file.end() - 5, file.end(), f.image.get() + file.size() - 5)) << "bytes behind the blocks stay";
    // Blocks beyond numPrograms are neither walked nor converted.
    putWord(file, 24, 2);
    ASSERT_TRUE(f.parse(file.data(), file.size()));
    EXPECT_EQ(f.image[280 + 27], 5);
    EXPECT_EQ(f.image[280 + 56], 0xBF);

    Bytes chunk = header("FBCh", 1);
    appendWord(chunk, 4);
    chunk.insert(chunk.end(), {1, 2, 3, 4});
    ASSERT_TRUE(f.parse(chunk.data(), chunk.size()));
    EXPECT_TRUE(f.isChunkBank);
    EXPECT_EQ(f.chunkSize(), 4u);
    EXPECT_EQ(f.chunkData(), f.image.get() + 160);
    EXPECT_TRUE(std::equal(chunk.begin() + 160, chunk.end(), f.chunkData())) << "chunk bytes are not converted";
}

// Real banks of other plug-ins: every bank parses and saves back unchanged,
// every single-program file is refused, none is a 2.V bank.
TEST(FxbCorpus, ForeignBanksParseButAreNot2VBanks) {
    const std::filesystem::path dir = corpusPath("fxb-foreign");
    if (!std::filesystem::is_directory(dir)) GTEST_SKIP() << "no corpus of foreign banks here";
    TempDir tmp;
    int banks = 0, programs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::string ext = entry.path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (ext != ".fxb" && ext != ".fxp") continue;
        const std::string path = entry.path().string();
        const Bytes file = readFile(path);
        ASSERT_GE(file.size(), 12u) << path;
        FxbFile f;
        const bool ok = f.parse(file.data(), file.size());
        const RunResult run = runTool({path});
        EXPECT_EQ(run.exitCode, 3) << path;
        if (ext == ".fxp") {
            ++programs;
            EXPECT_FALSE(ok) << path << ": a single program is no bank";
            EXPECT_EQ(withoutBanner(run.out), "Can't load .fxb file\n") << path;
            continue;
        }
        ++banks;
        ASSERT_TRUE(ok) << path;
        EXPECT_EQ(f.isChunkBank, std::memcmp(file.data() + 8, "FBCh", 4) == 0) << path;
        ASSERT_TRUE(save(f, tmp.path("copy.fxb").c_str()));
        EXPECT_EQ(readFile(tmp.path("copy.fxb")), file) << path << " is written back unchanged";
        PpgBank bank(87, 20);
        std::strcpy(bank.programs[0].name, "Mine");
        EXPECT_FALSE(load2V(bank, f)) << path;
        EXPECT_TRUE(bank.programCount() == 87 && bank.combiCount() == 20 && !bank.is2V) << "the bank is untouched";
        EXPECT_STREQ(bank.programs[0].name, "Mine");
        EXPECT_EQ(withoutBanner(run.out), "Not a valid 2.V fxb-file\n") << path;
    }
    EXPECT_EQ(banks, 10);
    EXPECT_EQ(programs, 4);
}
