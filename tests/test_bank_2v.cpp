// Waldorf 2.V banks: reading parameter and chunk banks, and the three kinds
// of bank the exporter writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "library/loader.h"
#include "model/failure.h"
#include "support_2v.h"

using namespace vornak;
using namespace vornak::test;

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
        const std::string path = tmp.path(std::to_string(variant) + ".fxb");
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
