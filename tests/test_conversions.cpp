// End to end: every input kind the tool reads, converted by the built tool
// into every export format, keeps what the target format can carry.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/input.h"
#include "formats/corvel.h"
#include "io/file_io.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

enum class Family { Image, Bank2V, Corvel };

struct Input {
    std::string kind, path;
    Family family;
};

std::unique_ptr<PpgBank> loadBank(const std::string& path) {
    auto bank = std::make_unique<PpgBank>(87, 20);
    EXPECT_EQ(loadInputFile(path.c_str(), ModelHint::Detect, *bank), 0) << path;
    return bank;
}

std::string withoutBankLine(const std::string& list) {
    return list.rfind("Bank \"", 0) == 0 ? list.substr(list.find("\n\n") + 2) : list;
}

// A memory image carries the packed fields of the programs (group parameters
// 0..38 and those derived from them) and every combi value but the name;
// program names become "PPG Program nnn", the 2.V flags are cleared, and only
// a Halvic bank carries the tuning (the low byte of bank global 0).
void expectImageCarried(const PpgBank& from, const PpgBank& to, bool halvic, const std::string& context) {
    const bool combis = std::ranges::any_of(combisOf(from), [](const PpgCombi& c) { return c.used != 0; });
    ASSERT_EQ(to.programCount, combis ? 87 : 100) << context;
    ASSERT_EQ(to.combiCount, combis ? 20 : 0) << context;
    EXPECT_FALSE(to.is2V) << context;
    for (std::size_t j = 0; j < std::min(programsOf(from).size(), programsOf(to).size()); ++j) {
        PpgProgram want = from.programs[j];
        char name[40];
        std::snprintf(name, sizeof name, "PPG Program %03zu", j);
        setName(want.name, name);
        std::copy(to.programs[j].programValues + 3, to.programs[j].programValues + kProgramValueCount, want.programValues + 3);
        want.programValues[kTuning] = halvic ? (from.globals[0] & 0xFF) : 40;
        want.groups[0][39] = to.programs[j].groups[0][39];
        want.groups[1][39] = to.programs[j].groups[1][39];
        want.is2V = false;
        EXPECT_STREQ(to.programs[j].name, want.name) << context;
        EXPECT_EQ(programFields(to.programs[j]), programFields(want)) << context << " program " << j;
    }
    for (std::size_t i = 0; i < combisOf(to).size(); ++i) {
        PpgCombi want = from.combis[i];
        want.used = want.used != 0;
        EXPECT_STREQ(to.combis[i].name, "") << context;
        EXPECT_EQ(combiFields(to.combis[i]), combiFields(want)) << context << " combi " << i;
    }
}

// A 2.V bank carries 128 programs with their names and group A, no combis;
// the slots behind the bank's programs hold "Basic 2.2".
void expect2VCarried(const PpgBank& from, const PpgBank& to, const std::string& context) {
    ASSERT_EQ(to.programCount, 128) << context;
    EXPECT_EQ(to.combiCount, 0) << context;
    EXPECT_TRUE(to.is2V) << context;
    PpgProgram fill;
    setName(fill.name, "Basic 2.2");
    for (std::size_t j = 0; j < 128; ++j)
        expectCarriedBy2V(to.programs[j], j < programsOf(from).size() ? from.programs[j] : fill, 0, context + " program " + std::to_string(j));
}

// A Waveterm B file around a bare memory image, with a bank name.
Bytes wavetermB(const Bytes& image, const std::string& name) {
    Bytes file(102, 0);
    file[0] = 'W';
    file[1] = 'B';
    file[20] = 5120 >> 8;
    file[21] = 5120 & 0xFF;
    std::fill(file.begin() + 38, file.end(), ' ');
    std::copy(name.begin(), name.end(), file.begin() + 38);
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

} // namespace

TEST(Conversion, EveryInputKindIntoEveryExportFormat) {
    TempDir tmp;
    const std::string demo = demoBankPath();
    auto exportWith = [&](char letter, const std::string& from, const std::string& to) {
        const RunResult r = runTool({std::string("/") + letter + to, from});
        EXPECT_EQ(r.exitCode, 0) << letter << " " << from;
        EXPECT_EQ(withoutBanner(r.out), "") << "no listing while exporting";
    };

    // The inputs, made by the tool's own exporters from the demo bank (87
    // programs, 20 combis of which some are in use, both groups different).
    std::vector<Input> inputs{{"bare image", demo, Family::Image}};
    const std::tuple<char, const char*, Family> made[] = {{'S', "SysEx", Family::Image},  {'A', "Waveterm A", Family::Image},
                                                          {'M', "Halvic", Family::Image}, {'F', "2.V /F", Family::Bank2V},
                                                          {'N', "2.V /N", Family::Bank2V}, {'O', "2.V /O", Family::Bank2V}};
    for (const auto& [letter, kind, family] : made) {
        inputs.push_back({kind, tmp.path(std::string("input-") + letter), family});
        exportWith(letter, demo, inputs.back().path);
    }
    // A Waveterm B file proper, around the image the /B export writes.
    exportWith('B', demo, tmp.path("input-B.bin"));
    writeFile(tmp.path("input-B.usr"), wavetermB(readFile(tmp.path("input-B.bin")), "Matrix bank"));
    inputs.push_back({"Waveterm B", tmp.path("input-B.usr"), Family::Image});
    // A Corvel bank with names for the bank, programs and combis, and the 2.V
    // flag and values only Corvel carries on some programs.
    std::unique_ptr<PpgBank> named = loadBank(demo);
    setName(named->name, "Corvel matrix");
    for (std::size_t j = 0; j < programsOf(*named).size(); ++j) {
        PpgProgram& p = named->programs[j];
        setName(p.name, ("Sound " + std::to_string(j)).c_str());
        p.is2V = j % 5 == 0;
        p.programValues[24 + j % 5] = static_cast<int>(j);
    }
    for (std::size_t i = 0; i < combisOf(*named).size(); ++i) setName(named->combis[i].name, ("Combi " + std::to_string(i)).c_str());
    ASSERT_EQ(writeExport(tmp.path("input-W.crv").c_str(), corvelBytes(*named)), 0);
    inputs.push_back({"Corvel", tmp.path("input-W.crv"), Family::Corvel});

    // What each input reads as.
    std::vector<std::unique_ptr<PpgBank>> sources;
    std::vector<std::string> listings;
    for (const Input& in : inputs) {
        sources.push_back(loadBank(in.path));
        const RunResult r = runTool({in.path});
        EXPECT_EQ(r.exitCode, 0) << in.kind;
        listings.push_back(withoutBanner(r.out));
    }
    const std::string &imageListing = listings[0], &v2Listing = listings[4];
    for (std::size_t n = 0; n < inputs.size(); ++n) {
        if (inputs[n].family == Family::Image) {
            EXPECT_EQ(withoutBankLine(listings[n]), imageListing) << inputs[n].kind;
            expectImageCarried(*sources[0], *sources[n], false, inputs[n].kind);
        }
        if (inputs[n].family == Family::Bank2V) { EXPECT_EQ(listings[n], v2Listing) << inputs[n].kind; }
    }
    EXPECT_EQ(listings[7].rfind("Bank \"Matrix bank\"\n\n", 0), 0u);
    expectSameBank(*sources[8], *named, "Corvel input");
    EXPECT_NE(imageListing.find("PPG-WAVE 2.3 V6"), std::string::npos);
    EXPECT_NE(imageListing.find("GROUP:b"), std::string::npos);

    // The conversions run on a few threads, as they spend their time starting
    // processes; the checks follow on this thread.
    struct Conversion {
        std::size_t input;
        char letter;
        std::string out;
        RunResult exported, listed;
    };
    std::vector<Conversion> conversions;
    for (std::size_t n = 0; n < inputs.size(); ++n)
        for (char letter : std::string("SABMFNOW")) conversions.push_back({n, letter, tmp.path("out-" + std::to_string(n) + letter), {}, {}});
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i = next++; i < conversions.size(); i = next++) {
            Conversion& c = conversions[i];
            c.exported = runTool({std::string("/") + c.letter + c.out, inputs[c.input].path});
            c.listed = runTool({c.out});
        }
    };
    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w) workers.emplace_back(work);
    for (std::thread& w : workers) w.join();

    for (const Conversion& c : conversions) {
        const Input& in = inputs[c.input];
        const std::string context = in.kind + " to /" + c.letter;
        EXPECT_EQ(c.exported.exitCode, 0) << context;
        EXPECT_EQ(withoutBanner(c.exported.out), "") << context << ": no listing while exporting";
        EXPECT_EQ(c.listed.exitCode, 0) << context;
        const std::string list = withoutBanner(c.listed.out);
        const std::unique_ptr<PpgBank> result = loadBank(c.out);
        if (c.letter == 'W') { // carries everything
            EXPECT_EQ(list, listings[c.input]) << context;
            expectSameBank(*result, *sources[c.input], context);
        } else if (std::string("FNO").find(c.letter) != std::string::npos) {
            expect2VCarried(*sources[c.input], *result, context);
            for (const char* piece : {"PPG-WAVE 2.V V1", "PROG:127 "}) EXPECT_NE(list.find(piece), std::string::npos) << context << ": " << piece;
            for (const char* piece : {"PPG-WAVE 2.3", "Combiprograms:", "GROUP:b"}) EXPECT_EQ(list.find(piece), std::string::npos) << context << ": " << piece;
            if (in.family != Family::Corvel) { EXPECT_EQ(list, v2Listing) << context << ": only the Corvel input has names of its own"; }
        } else {
            expectImageCarried(*sources[c.input], *result, c.letter == 'M', context);
            if (in.family == Family::Image) { EXPECT_EQ(list, withoutBankLine(listings[c.input])) << context; }
            for (const char* piece : {"PPG-WAVE 2.2 V4", "PROG:99 "})
                if (in.family == Family::Bank2V) { EXPECT_NE(list.find(piece), std::string::npos) << context << ": " << piece; }
            EXPECT_EQ(list.find("PROG:100 "), std::string::npos) << context;
            EXPECT_EQ(list.find("Bank \""), std::string::npos) << context << ": no bank name";
        }
    }
}
