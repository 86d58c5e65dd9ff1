// Corvel banks: the written file chunk by chunk, full round trips, the
// reader's error codes, the older program layout, float fields and names.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "cli/input.h"
#include "formats/corvel.h"
#include "formats/fxb_file.h"
#include "model/failure.h"
#include "io/file_io.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

using Floats = std::vector<float>;

constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

Bytes bankHeader(std::int32_t numPrograms, std::int32_t fxVersion = 1, const char* fxMagic = "FxBk") {
    return fxbHeader(0, fxMagic, 1, tag("ZurO"), static_cast<std::uint32_t>(fxVersion), numPrograms);
}

// A chunk as the format writes it: byteSize 0, numParams the number of floats.
Bytes chunk(std::uint32_t version, std::int32_t fxVersion, const std::string& name, const Floats& floats,
            const char* fxId = "CrVl") {
    Bytes b = fxbBlock("FxCk", version, tag(fxId), static_cast<std::uint32_t>(fxVersion), name, floats);
    putWord(b, 4, 0);
    return b;
}
Bytes globalsChunk(const std::string& name, const Floats& f, std::int32_t fxVersion = 1) { return chunk(1, fxVersion, name, f); }
Bytes programChunk(const std::string& name, const Floats& f, std::int32_t fxVersion = 2) { return chunk(1, fxVersion, name, f); }
Bytes combiChunk(const std::string& name, const Floats& f, std::int32_t fxVersion = 1) { return chunk(0, fxVersion, name, f); }

Floats asFloats(const std::vector<std::int32_t>& values) { return Floats(values.begin(), values.end()); }

// The file a bank is written as.
Bytes corvelFileOf(const PpgBank& bank) {
    std::vector<Bytes> parts{bankHeader(bank.programCount() + bank.combiCount() + 1),
                             globalsChunk(bank.name, {float(bank.programCount()), float(bank.combiCount()), bank.is2V ? 1.0f : 0.0f})};
    for (const PpgProgram& p : bank.programs) parts.push_back(programChunk(p.name, asFloats(programFields(p))));
    for (const PpgCombi& c : bank.combis) parts.push_back(combiChunk(c.name, asFloats(combiFields(c))));
    return join(parts);
}

// A bank with values all over the int range that a float holds exactly,
// including many that no memory image or 2.V bank could carry.
PpgBank variedBank(int programs, int combis, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<std::int32_t> any(-16000000, 16000000), small(-3, 300);
    auto value = [&](std::size_t k) { return k % 3 == 0 ? any(rng) : small(rng); };
    PpgBank bank(programs, combis);
    setName(bank.name, "Twenty-seven letters, bank!");
    bank.is2V = seed % 2 == 0;
    for (std::size_t j = 0; j < bank.programs.size(); ++j) {
        PpgProgram& p = bank.programs[j];
        setName(p.name, ("Sound " + std::to_string(j) + (j % 2 ? " with a name too long to keep" : "")).c_str());
        for (int k = 0; k < kProgramValueCount; ++k) p.programValues[k] = value(j + k);
        for (int k = 0; k < 2 * kGroupParamCount; ++k) p.groups[k / kGroupParamCount][k % kGroupParamCount] = value(j + k + 1);
        p.is2V = j % 3 == 1;
    }
    for (std::size_t i = 0; i < bank.combis.size(); ++i) {
        PpgCombi& c = bank.combis[i];
        setName(c.name, ("Combi " + std::to_string(i)).c_str());
        for (std::int32_t* v : {&c.kbm, &c.firstByte, &c.multi, &c.groupA.bkIndex, &c.groupA.det, &c.groupB.bkIndex, &c.groupB.det}) *v = value(i + 1);
        for (std::int32_t& v : c.bk) v = value(i);
        for (std::int32_t* split : {c.groupA.split, c.groupB.split})
            for (int k = 0; k < 7; ++k) split[k] = value(i + static_cast<std::size_t>(k));
        c.used = static_cast<std::int32_t>(i % 4); // 2 and 3 are in use as well
    }
    return bank;
}

const std::int32_t kPresetGlobals[kGlobalCount] = {77, -3, 9, 8, 7, 6, 5, 4, 3, 2, 1};

// Loads the bytes as an input file into a start-up bank whose globals were
// changed beforehand; answers the loader's code.
int load(const Bytes& bytes, PpgBank& bank) {
    std::copy(kPresetGlobals, kPresetGlobals + kGlobalCount, bank.globals);
    return loadFromBytes(bytes, bank);
}
int codeOf(const Bytes& bytes) {
    PpgBank bank(87, 20);
    return loadFromBytes(bytes, bank);
}

// Reads the bytes through a reading stream directly, without the FXB parse
// the loader runs first; answers the code thrown, or 0.
int streamCode(const Bytes& bytes) {
    CorvelStream stream(bytes.data(), bytes.size());
    PpgBank bank(87, 20);
    try {
        streamCorvel(bank, stream);
    } catch (const CodeError& e) {
        return e.code();
    }
    return 0;
}

Bytes defaultProgram(const std::string& name = "P") { return programChunk(name, asFloats(programFields(PpgProgram()))); }
Bytes defaultCombi(const std::string& name = "C") { return combiChunk(name, asFloats(combiFields(PpgCombi()))); }

} // namespace

TEST(CorvelExport, FileLayoutOfTheStartUpBankAndOfA22Bank) {
    TempDir tmp;
    const PpgBank startUp(87, 20);
    ASSERT_EQ(writeExport(tmp.path("startup.crv").c_str(), exportCorvel(startUp)), 0);
    const Bytes file = readFile(tmp.path("startup.crv"));
    ASSERT_EQ(file.size(), 58728u);
    const Bytes header{'C', 'c', 'n', 'K', 0, 0, 0, 0, 'F', 'x', 'B', 'k', 0, 0, 0, 1, 'Z', 'u', 'r', 'O', 0, 0, 0, 1, 0, 0, 0, 108};
    EXPECT_EQ(prefix(file, 28), header);
    EXPECT_EQ(file, corvelFileOf(startUp));
    // Program 0, the default program: float 13 (the tuning) is 40.0.
    EXPECT_EQ(wordAt(file, 224 + 56 + 4 * 13), 0x42200000u);
    // The first combi chunk: version 0, "CrVl", fxVersion 1, 30 parameters.
    const std::size_t combi = 224 + 632 * 87;
    EXPECT_EQ(Bytes(file.begin() + combi + 12, file.begin() + combi + 28),
              (Bytes{0, 0, 0, 0, 'C', 'r', 'V', 'l', 0, 0, 0, 1, 0, 0, 0, 30}));
    FxbFile fxb;
    ASSERT_TRUE(fxb.parse(file.data(), file.size())) << "a valid FXB parameter bank";
    EXPECT_FALSE(fxb.isChunkBank);

    const PpgBank wave22(100, 0);
    ASSERT_EQ(writeExport(tmp.path("22.crv").c_str(), exportCorvel(wave22)), 0);
    const Bytes file22 = readFile(tmp.path("22.crv"));
    ASSERT_EQ(file22.size(), 63424u);
    EXPECT_EQ(wordAt(file22, 24), 101u);
    EXPECT_EQ(file22, corvelFileOf(wave22));
    EXPECT_TRUE(fxb.parse(file22.data(), file22.size()));
}

TEST(CorvelRoundTrip, EveryFieldOfBankProgramsAndCombis) {
    TempDir tmp;
    const std::pair<int, int> shapes[] = {{87, 20}, {100, 0}, {3, 1}, {0, 2}, {0, 0}};
    unsigned seed = 30;
    for (const auto& [programs, combis] : shapes) {
        const std::string what = std::to_string(programs) + "/" + std::to_string(combis);
        const PpgBank bank = variedBank(programs, combis, seed++);
        ASSERT_EQ(writeExport(tmp.path("bank.crv").c_str(), exportCorvel(bank)), 0);
        const Bytes file = readFile(tmp.path("bank.crv"));
        EXPECT_EQ(file, corvelFileOf(bank)) << what;
        PpgBank back(87, 20);
        ASSERT_EQ(load(file, back), 0) << what;
        expectSameBank(back, bank, what);
        EXPECT_TRUE(std::equal(kPresetGlobals, kPresetGlobals + kGlobalCount, back.globals)) << "the globals are not in the file";
    }
}

TEST(CorvelRead, ErrorCodes) {
    // A small file: one program, one combi, changed one piece at a time.
    const Bytes h = bankHeader(3), g = globalsChunk("Small", {1, 1, 0}), p = defaultProgram(), c = defaultCombi();
    auto counts = [&](float programs, float combis) { return join({h, globalsChunk("Small", {programs, combis, 0}), p, c}); };
    Bytes unchecked = join({h, g, p, c}), chunkBank = bankHeader(1, 1, "FBCh");
    for (std::size_t at : {4u, 156u + 4u, 224u + 4u, 856u + 4u}) putWord(unchecked, at, 0xFFFFFFFF);
    appendWord(chunkBank, 0);
    const std::tuple<const char*, int, Bytes> cases[] = {
        {"valid", 0, join({h, g, p, c})},
        {"byteSize words are not checked", 0, unchecked},
        {"header cut short", 1, prefix(bankHeader(0), 28)},
        {"header fxVersion 0", 2, join({bankHeader(3, 0), g, p, c})},
        {"header fxVersion -1", 2, join({bankHeader(3, -1), g, p, c})},
        {"header numPrograms 0", 2, join({bankHeader(0), g, p, c})},
        {"a chunk bank with the Corvel id", 2, chunkBank},
        {"globals chunk cut short", 3, join({bankHeader(1), chunk(1, 1, "", {})})},
        {"globals with 2 parameters", 4, join({h, globalsChunk("", {1, 1}), p, c})},
        {"globals fxID", 4, join({h, chunk(1, 1, "", {1, 1, 0}, "CrVm"), p, c})},
        {"globals fxVersion 0", 4, join({h, globalsChunk("", {1, 1, 0}, 0), p, c})},
        {"negative program count", 4, counts(-1, 1)},
        {"negative combi count", 4, counts(1, -1)},
        {"a billion programs", 4, counts(1e9f, 1)},
        {"more programs than the file holds", 4, counts(20, 1)},
        {"more combis than the file holds", 4, counts(1, 5)},
        {"counts that fit but disagree", 6, counts(10, 1)},
        {"header walks fewer chunks", 6, join({bankHeader(2), g, p, c})},
        {"header walks more chunks", 6, join({bankHeader(4), g, p, c, c})},
        {"program fxVersion 3", 11, join({h, g, programChunk("P", Floats(144, 1), 3), c})},
        {"program with 145 floats", 11, join({h, g, programChunk("P", Floats(145, 1)), c})},
        {"program fxID", 11, join({h, g, chunk(1, 2, "P", Floats(144, 1), "CrVm"), c})},
        {"program with no floats", 11, join({bankHeader(4), globalsChunk("", {2, 1, 0}), programChunk("P", {}), p, c})},
        {"combi fxVersion 2", 11, join({h, g, p, combiChunk("C", Floats(30), 2)})},
        {"combi fxVersion 0", 11, join({h, g, p, combiChunk("C", Floats(30), 0)})},
        {"combi with 31 floats", 11, join({h, g, p, combiChunk("C", Floats(31))})},
        {"combi with 29 floats", 11, join({h, g, p, combiChunk("C", Floats(29))})},
        {"combi fxID", 11, join({h, g, p, chunk(0, 1, "C", Floats(30), "CrVm")})},
    };
    std::set<int> seen;
    for (const auto& [what, code, file] : cases) {
        PpgBank bank(87, 20);
        EXPECT_EQ(loadFromBytes(file, bank), code) << what;
        if (code == 6) { EXPECT_STREQ(bank.name, "Small") << what << ": the name is taken before the counts are compared"; }
        if (code == 0 || !seen.insert(code).second) continue;
        const RunResult r = runToolOn(file); // the first case of each code: the exit code, with no message
        EXPECT_EQ(r.exitCode, code) << what;
        EXPECT_EQ(withoutBanner(r.out), "") << what;
    }
    EXPECT_EQ(seen.size(), 6u);
}

TEST(CorvelRead, CodesOfChunksCutShortBehindTheParse) {
    const Bytes program = defaultProgram(), combi = defaultCombi();
    const std::pair<int, Bytes> cases[] = {
        {10, join({bankHeader(3), globalsChunk("", {2, 0, 0}), program, Bytes(30, 0)})},       // second program missing
        {10, join({bankHeader(3), globalsChunk("", {1, 1, 0}), program, prefix(combi, 30)})},  // combi head cut
        {12, join({bankHeader(2), globalsChunk("", {1, 0, 0}), prefix(program, 456)})},        // program floats cut
        {12, join({bankHeader(3), globalsChunk("", {1, 1, 0}), program, prefix(combi, 100)})}, // combi floats cut
        {1, prefix(bankHeader(3), 155)},
        {3, join({bankHeader(3), prefix(globalsChunk("", {1, 1, 0}), 67)})},
    };
    for (const auto& [code, file] : cases) {
        EXPECT_EQ(streamCode(file), code) << file.size();
        if (file.size() > 156) { EXPECT_EQ(codeOf(file), 3) << file.size() << ": the FXB parse refuses the file first"; }
    }
    CorvelStream none(nullptr, 0);
    PpgBank bank(87, 20);
    try {
        streamCorvel(bank, none);
        ADD_FAILURE() << "reading no bytes at all";
    } catch (const CodeError& e) {
        EXPECT_EQ(e.code(), 1);
    }
}

TEST(CorvelRead, OlderProgramLayoutAndShortProgramChunks) {
    // fxVersion 1: older floats 0..13 stay, 14..41 move one place on, 42..141
    // two places on; program value 14 and group A parameter 14 become 0.
    Floats older(142);
    for (std::size_t i = 0; i < older.size(); ++i) older[i] = static_cast<float>(1000 + i);
    std::vector<std::int32_t> current(144, 0);
    for (int k = 0; k < 144; ++k)
        if (k != 14 && k != 43) current[static_cast<std::size_t>(k)] = 1000 + k - (k > 43 ? 2 : k > 14 ? 1 : 0);
    current[143] = 1; // is2V, from older float 141
    auto loadProgram = [](const Floats& floats, std::int32_t fxVersion) {
        PpgBank bank(87, 20);
        EXPECT_EQ(load(join({bankHeader(2), globalsChunk("", {1, 0, 1}), programChunk("Old", floats, fxVersion)}), bank), 0);
        return bank.programs.at(0);
    };
    const PpgProgram p = loadProgram(older, 1);
    EXPECT_STREQ(p.name, "Old");
    EXPECT_EQ(programFields(p), current);

    // Older floats from 142 on are not used; fxVersion 2 and 0 read the current layout.
    Floats longer = older;
    longer[141] = 0;
    longer.insert(longer.end(), {5, 1});
    EXPECT_EQ(std::vector<int>({loadProgram(longer, 1).groups[1][56], loadProgram(longer, 1).is2V}), std::vector<int>({1140, 0}));
    for (std::int32_t version : {2, 0}) {
        const PpgProgram n = loadProgram(longer, version);
        EXPECT_EQ(std::vector<int>({n.programValues[14], n.groups[0][14], n.is2V}), std::vector<int>({1014, 1043, 1})) << version;
    }

    // 100 floats: the fields behind them are 0.
    Floats f(100);
    for (std::size_t i = 0; i < f.size(); ++i) f[i] = static_cast<float>(i + 1);
    std::vector<std::int32_t> want(144, 0);
    for (int k = 0; k < 100; ++k) want[static_cast<std::size_t>(k)] = k + 1;
    EXPECT_EQ(programFields(loadProgram(f, 2)), want);
}

TEST(CorvelRead, FloatFieldsBecomeIntegers) {
    // Program values 0..11 and both groups' parameter 0; programs with is2V 0.5, -0.5, NaN, 1e30 and -2.
    Floats p(144, 0.0f);
    const float values[] = {2.9f, -2.9f, -0.5f, kNaN, kInf, -kInf, 3e9f, -3e9f, 2147483520.0f, -2147483648.0f, 0.999f, 16777216.0f};
    const std::int32_t expected[] = {2, -2, 0, 0, kIntMax, kIntMin, kIntMax, kIntMin, 2147483520, kIntMin, 0, 16777216};
    std::copy(std::begin(values), std::end(values), p.begin());
    p[29] = 1e38f;
    p[86] = -kNaN;
    std::vector<Bytes> parts{bankHeader(8), globalsChunk("", {5.9f, 2.5f, 0.5f})};
    for (float is2V : {0.5f, -0.5f, kNaN, 1e30f, -2.0f}) {
        p[143] = is2V;
        parts.push_back(programChunk("", p));
    }
    Floats c(30, 0.0f); // used, bk 0, bk 1, kbm, split 0 of group a
    for (const auto& [at, value] : {std::pair{0, 0.5f}, {1, kNaN}, {2, -kInf}, {9, 255.9f}, {14, -0.9f}}) c[at] = value;
    parts.push_back(combiChunk("", c));
    c[0] = 1.7f;
    parts.push_back(combiChunk("", c));
    const Bytes file = join(parts);
    PpgBank bank(87, 20);
    ASSERT_EQ(load(file, bank), 0);
    ASSERT_EQ(bank.programCount(), 5) << "5.9 programs";
    ASSERT_EQ(bank.combiCount(), 2) << "2.5 combis";
    EXPECT_FALSE(bank.is2V) << "0.5 is false";
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), bank.programs[0].programValues));
    EXPECT_EQ(std::vector<int>({bank.programs[0].groups[0][0], bank.programs[0].groups[1][0]}), std::vector<int>({kIntMax, 0}));
    std::vector<bool> is2V;
    for (const PpgProgram& program : bank.programs) is2V.push_back(program.is2V);
    EXPECT_EQ(is2V, std::vector<bool>({false, false, false, true, true}));
    const PpgCombi& combi = bank.combis[0];
    EXPECT_EQ(std::vector<int>({combi.used, combi.bk[0], combi.bk[1], combi.kbm, combi.groupA.split[0], bank.combis[1].used}),
              std::vector<int>({0, 0, kIntMin, 255, 0, 1}));
    // The tool lists such a bank without fault.
    const RunResult run = runToolOn(file);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("CP:1  BK:"), std::string::npos);
    EXPECT_EQ(run.out.find("CP:0 "), std::string::npos) << "a used float of 0.5 is not in use";
}

TEST(CorvelRead, ExtraGlobalsParametersAreSkipped) {
    PpgBank want(1, 1);
    setName(want.name, "Extra");
    want.is2V = true;
    setName(want.programs[0].name, "Kept");
    want.programs[0].programValues[24] = 24;
    want.programs[0].groups[1][39] = 39;
    setName(want.combis[0].name, "Combi");
    want.combis[0].used = 1;
    want.combis[0].multi = 3;
    for (const Floats& globals : {Floats{1, 1, 1, 12345, -7}, Floats{1, 1, 1, 0.5f, 99, 98, 97, 96}}) {
        Bytes file = corvelFileOf(want);
        const Bytes longer = globalsChunk("Extra", globals);
        file.erase(file.begin() + 156, file.begin() + 224);
        file.insert(file.begin() + 156, longer.begin(), longer.end());
        PpgBank back(87, 20);
        ASSERT_EQ(load(file, back), 0) << globals.size();
        expectSameBank(back, want, std::to_string(globals.size()) + " globals parameters");
    }
}

TEST(CorvelRead, NamesKeepAtMost27Characters) {
    const std::pair<std::string, std::string> cases[] = {
        {std::string(28, 'N'), std::string(27, 'N')},
        {std::string(27, 'n'), std::string(27, 'n')},
        {std::string("Short\0junk after the NUL", 24), "Short"},
        {"", ""},
    };
    for (const auto& [field, expected] : cases) {
        PpgBank bank(87, 20);
        ASSERT_EQ(load(join({bankHeader(3), globalsChunk(field, {1, 1, 0}), defaultProgram(field), defaultCombi(field)}), bank), 0);
        EXPECT_EQ(std::vector<std::string>({bank.name, bank.programs[0].name, bank.combis[0].name}), std::vector<std::string>(3, expected));
    }
}

TEST(CorvelExport, OutOfRangeValuesAreClampedIntoAMemoryImage) {
    // The scale of each packed group field: a value equal to it is stored as 1.
    const std::int32_t scale[39] = {2, 1, 1, 2, 2, 4, 2, 4, 4, 2, 2, 1, 1, 2, 2, 4, 4, 16, 2, 2,
                                    2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    PpgBank bank(87, 20);
    PpgProgram& p = bank.programs[0];
    p.programValues[kWavetable] = 1000;
    p.programValues[kKeyboardMode] = -7;
    p.programValues[kKeyboardSplit] = 63;
    std::vector<std::int32_t> wantA(scale, scale + 39), wantB = wantA;
    std::copy(scale, scale + 39, p.groups[0]);
    std::copy(scale, scale + 39, p.groups[1]);
    // Value written, value read back.
    const std::tuple<int, int, std::int32_t, std::int32_t> wide[] = {
        {0, 0, 1000, 62}, {0, 17, 1000, 48}, {0, 22, 300, 255}, {0, 23, -1, 0}, {0, 29, 9, 7},
        {0, 38, 64, 63},  {1, 0, -1000, 0},  {1, 38, 1 << 30, 63},
    };
    for (const auto& [g, k, value, readBack] : wide) {
        p.groups[g][k] = value;
        (g == 0 ? wantA : wantB)[static_cast<std::size_t>(k)] = readBack;
    }
    bank.programs[1].groups[0][1] = 40;
    TempDir tmp;
    ASSERT_EQ(writeExport(tmp.path("wide.crv").c_str(), exportCorvel(bank)), 0);
    ASSERT_EQ(runTool({"/S" + tmp.path("wide.syx"), tmp.path("wide.crv")}).exitCode, 0);
    PpgBank back(87, 20);
    ASSERT_EQ(loadInputFile(tmp.path("wide.syx").c_str(), ModelHint::Detect, back), 0);
    const PpgProgram& q = back.programs[0];
    EXPECT_EQ(std::vector<int>(q.programValues, q.programValues + 3), std::vector<int>({31, 0, 63}));
    // Every other field, the neighbours of the clamped ones included, keeps its own value.
    EXPECT_EQ(std::vector<std::int32_t>(q.groups[0], q.groups[0] + 39), wantA);
    EXPECT_EQ(std::vector<std::int32_t>(q.groups[1], q.groups[1] + 39), wantB);
    EXPECT_EQ(back.programs[1].groups[0][1], 40) << "the next program is untouched";
    EXPECT_EQ(back.programs[1].groups[0][0], 32);
}

TEST(CorvelExport, WritesTheWholeBankWhateverTheRange) {
    PpgBank demo(87, 20);
    ASSERT_EQ(loadInputFile(demoBankPath().c_str(), ModelHint::Detect, demo), 0);
    TempDir tmp;
    ASSERT_EQ(writeExport(tmp.path("direct.crv").c_str(), exportCorvel(demo)), 0);
    EXPECT_EQ(runTool({"/P5-9", "/Gb", "/W" + tmp.path("ranged.crv"), demoBankPath()}).exitCode, 0);
    const Bytes ranged = readFile(tmp.path("ranged.crv"));
    EXPECT_EQ(ranged.size(), 58728u);
    EXPECT_EQ(ranged, readFile(tmp.path("direct.crv")));
    PpgBank back(87, 20);
    ASSERT_EQ(load(ranged, back), 0);
    expectSameBank(back, demo);
}

TEST(CorvelExport, FailuresToOpenWriteOrCloseGiveOne) {
    const PpgBank bank(87, 20);
    TempDir tmp;
    EXPECT_EQ(writeExport(tmp.path("no-such-folder/out.crv").c_str(), exportCorvel(bank)), 1);
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    EXPECT_EQ(writeExport("/dev/full", exportCorvel(bank)), 1);
    EXPECT_EQ(writeExport("/dev/full", exportCorvel(PpgBank(0, 0))), 1) << "224 bytes: only closing the file fails";
}
