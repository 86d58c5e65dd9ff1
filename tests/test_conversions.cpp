// What an export keeps: the conversion report (what the written file holds,
// checked by reading it back), and end to end, every input kind the tool
// reads converted by the built tool into every export format.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/input.h"
#include "formats/bank_2v.h"
#include "formats/corvel.h"
#include "formats/memory_image.h"
#include "io/file_io.h"
#include "library/format_table.h"
#include "library/listed_values.h"
#include "library/sounds.h"
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
    const bool combis = std::ranges::any_of(from.combis, [](const PpgCombi& c) { return c.used != 0; });
    ASSERT_EQ(to.programCount(), combis ? 87 : 100) << context;
    ASSERT_EQ(to.combiCount(), combis ? 20 : 0) << context;
    EXPECT_FALSE(to.is2V) << context;
    for (std::size_t j = 0; j < std::min(from.programs.size(), to.programs.size()); ++j) {
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
    for (std::size_t i = 0; i < to.combis.size(); ++i) {
        PpgCombi want = from.combis[i];
        want.used = want.used != 0;
        EXPECT_STREQ(to.combis[i].name, "") << context;
        EXPECT_EQ(combiFields(to.combis[i]), combiFields(want)) << context << " combi " << i;
    }
}

// A 2.V bank carries 128 programs with their names and group A, no combis;
// the slots behind the bank's programs hold "Basic 2.2".
void expect2VCarried(const PpgBank& from, const PpgBank& to, const std::string& context) {
    ASSERT_EQ(to.programCount(), 128) << context;
    EXPECT_EQ(to.combiCount(), 0) << context;
    EXPECT_TRUE(to.is2V) << context;
    PpgProgram fill;
    setName(fill.name, "Basic 2.2");
    for (std::size_t j = 0; j < 128; ++j)
        expectCarriedBy2V(to.programs[j], j < from.programs.size() ? from.programs[j] : fill, 0, context + " program " + std::to_string(j));
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
    for (std::size_t j = 0; j < named->programs.size(); ++j) {
        PpgProgram& p = named->programs[j];
        setName(p.name, ("Sound " + std::to_string(j)).c_str());
        p.is2V = j % 5 == 0;
        p.programValues[24 + j % 5] = static_cast<int>(j);
    }
    for (std::size_t i = 0; i < named->combis.size(); ++i) setName(named->combis[i].name, ("Combi " + std::to_string(i)).c_str());
    ASSERT_EQ(writeExport(tmp.path("input-W.crv").c_str(), exportCorvel(*named)), 0);
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

// Bits of a record that no value holds (a PPG leaves them empty) are part
// of what an image holds: the record is the 51 bytes stored, and the image
// formats write them back; the others cannot, and say so.
TEST(Conversions, BitsNoValueHoldsComeBackInEveryImage) {
    Bytes image = readFile(examplePath("demo23.bin"));
    image[3 * 51 + 50] |= 0x80;           // program 3, bit 407
    image[4480 + 2 * 32 + 16] = 0x5A;     // combi 2, byte 16
    const Read read = readBytes(image);
    ASSERT_EQ(read.bank.combiCount(), 20);
    std::string stored;
    for (int k = 0; k < 51; ++k) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", image[static_cast<std::size_t>(3 * 51 + k)]);
        stored += hex;
    }
    EXPECT_EQ(recordOf(read.bank.programs[3]), stored);
    for (const char letter : {'s', 'a', 'b', 'm'}) {
        const ConversionReport r = reportConversion(*exportFormatForLetter(letter), read.bank, 0, 255, kGroupA);
        EXPECT_TRUE(r.dropped.empty()) << letter << ": " << r.text;
        const std::vector<std::uint8_t> bytes = exportFormatForLetter(letter)->exporter(read.bank, {});
        const Read back = readBytes(Bytes(bytes.begin(), bytes.end()));
        BankImage again{};
        back.bank.storeImage(again.data(), 0, 255);
        EXPECT_TRUE(std::equal(again.begin(), again.end(), image.begin())) << letter;
    }
    const ConversionReport corvel = reportConversion(*exportFormatForLetter('w'), read.bank, 0, 255, kGroupA);
    EXPECT_TRUE(drops(corvel, "the unused bits of the records of 1 program")) << corvel.text;
    EXPECT_TRUE(drops(corvel, "the unused bits of the records of 1 combi")) << corvel.text;
}

// The report of every output for every input kind against the file that the
// format's writer really writes, read back: where each program lands, what
// fills the other slots, and whether names come back.
TEST(Conversions, ReportWhatTheWrittenFileHolds) {
    std::vector<std::pair<std::string, PpgBank>> banks;
    for (const char* name : kExamples) banks.emplace_back(name, std::move(readBytes(readFile(examplePath(name))).bank));
    banks.emplace_back("named", namedBank());
    const std::string fill = recordOf(imageFillProgram());

    for (const auto& [name, bank] : banks) {
        for (const ExportFormat& format : exportFormats()) {
            for (const auto& [first, last, group] : {std::tuple{0, 255, 0}, {5, 9, 1}}) {
                const std::string context = name + " /" + format.letter + " " + std::to_string(first);
                const ConversionReport r = reportConversion(format, bank, first, last, group);
                const std::vector<std::uint8_t> bytes = format.exporter(bank, {first, last, group});
                const Read back = readBytes(Bytes(bytes.begin(), bytes.end()), r.combis > 0 ? 3 : -1);
                ASSERT_EQ(back.outcome.code, 0) << context;
                EXPECT_EQ(r.programs + r.filled + r.blank, r.slots) << context;
                const bool ranged = format.takesRange() && first != 0;
                EXPECT_EQ(r.programs, format.layout == &kCorvelLayout ? bank.programCount()
                                      : ranged                              ? 5
                                      : format.layout == &k2VLayout ? std::min(bank.programCount(), 128)
                                                                            : std::min(bank.programCount(), bank.combiCount() ? 87 : 100))
                    << context;
                EXPECT_EQ(r.first, ranged ? 5 : 0) << context;
                const bool rounded = std::ranges::any_of(r.dropped, [](const std::string& d) { return d.find("exact sound") != std::string::npos; });
                bool namesBack = true;
                for (int k = 0; k < r.programs; ++k) {
                    const PpgProgram& src = bank.programs[static_cast<std::size_t>(r.first + k)];
                    const PpgProgram& got = back.bank.programs[static_cast<std::size_t>(k)];
                    if (format.layout != &k2VLayout && !rounded) {
                        EXPECT_EQ(recordOf(got), recordOf(src)) << context << " slot " << k;
                    }
                    namesBack = namesBack && (std::string(got.name) == src.name || isImageProgramName(src.name));
                }
                EXPECT_EQ(r.names, namesBack) << context;
                if (!format.layout->memoryImage || name == "named") {
                    EXPECT_EQ(r.names, !format.layout->memoryImage) << context;
                }
                for (int k = r.programs; k < r.programs + r.filled; ++k) {
                    const PpgProgram& got = back.bank.programs[static_cast<std::size_t>(k)];
                    if (format.layout == &k2VLayout)
                        EXPECT_STREQ(got.name, "Basic 2.2") << context;
                    else
                        EXPECT_EQ(recordOf(got), fill) << context;
                }
                EXPECT_NE(r.text.find(r.programs == bank.programCount() ? "Writes all" : "Writes " + std::to_string(r.programs) + " of"),
                          std::string::npos) << r.text;
            }
        }
    }
}

// The sounds a file holds where a bank gave it no program are those that a
// file of one such slot, written and read back, holds.
TEST(Conversions, FillAndBlankSoundsAreWhatAFileGivesBack) {
    for (const ExportFormat& format : exportFormats()) {
        PpgBank one(0, 0);
        one.resize(1, 0);
        one.programs[0] = format.layout->fill();
        const std::vector<std::uint8_t> bytes = format.exporter(one, {0, 0, kGroupA});
        const Read back = readBytes(Bytes(bytes.begin(), bytes.end()));
        ASSERT_EQ(back.outcome.code, 0) << format.letter;
        std::set<std::string> read;
        for (const PpgProgram& p : back.bank.programs) read.insert(soundOf(p));
        const FillSounds sounds = fillSounds(*format.layout);
        std::set<std::string> want{sounds.fill};
        if (!sounds.blank.empty()) want.insert(sounds.blank);
        EXPECT_EQ(read, want) << format.letter;
    }
}

TEST(Conversions, NameWhatIsLost) {
    const PpgBank bank = namedBank();
    auto dropped = [&](char letter, int group = 0) {
        const ConversionReport r = reportConversion(*exportFormatForLetter(letter), bank, 0, 255, group);
        std::string all;
        for (const std::string& d : r.dropped) all += d + "|";
        return all;
    };
    EXPECT_NE(dropped('s').find("program names of 87 programs"), std::string::npos);
    EXPECT_NE(dropped('s').find("the bank name"), std::string::npos);
    EXPECT_NE(dropped('s').find("values only a Corvel bank keeps of 30 programs"), std::string::npos) << dropped('s');
    EXPECT_NE(dropped('o').find("group B of"), std::string::npos);
    EXPECT_NE(dropped('o', 1).find("group A of"), std::string::npos);
    EXPECT_NE(dropped('o').find("combis"), std::string::npos);
    EXPECT_EQ(dropped('w'), "");

    // The report says so in words where the names are lost, and only there.
    for (const ExportFormat& format : exportFormats()) {
        const ConversionReport r = reportConversion(format, bank, 0, 255, kGroupA);
        EXPECT_EQ(r.names, format.keepsNames()) << format.letter;
        EXPECT_EQ(r.text.find("program names are not kept") != std::string::npos, !format.keepsNames()) << r.text;
    }
}

namespace {

std::vector<std::string> noteCodes(const ConversionReport& r) {
    std::vector<std::string> c;
    for (const LoadNote& n : r.notes) c.push_back(noteCodeName(n.code));
    return c;
}

// The demo 2.V bank with one program whose packed record holds 0x55 where a
// Wave 2.3 marks a combi in use.
Bytes bankWithAMarkerInAProgram() {
    Bytes bytes = readFile(examplePath("demo23-n.fxb"));
    const Bytes floats{0x3F, 0x22, 0x8A, 0x29, 0x3E, 0x22, 0x8A, 0x29};
    std::copy(floats.begin(), floats.end(), bytes.begin() + 36648);
    return bytes;
}

} // namespace

// A report says how the tool itself reads the file back, without a model
// switch nobody gives it, and every claim is checked by reading back.
TEST(Conversions, ReportsHowTheWrittenFileReadsBack) {
    const Read v2 = readBytes(bankWithAMarkerInAProgram());
    for (const char letter : {'s', 'b', 'm', 'a'}) {
        const ConversionReport r = reportConversion(*exportFormatForLetter(letter), v2.bank, 0, 255, kGroupA);
        const std::vector<std::uint8_t> bytes = exportFormatForLetter(letter)->exporter(v2.bank, {});
        const Read back = readBytes(Bytes(bytes.begin(), bytes.end()));
        ASSERT_EQ(back.bank.programCount(), 87) << letter << ": the file really reads back so";
        EXPECT_EQ(noteCodes(r), std::vector<std::string>{"needs-model-switch"}) << letter;
        EXPECT_NE(r.text.find("reads back as 87 programs and 1 combi"), std::string::npos) << r.text;
        // /2.2 brings it back, except for a Waveterm A file, which is read by what it holds.
        EXPECT_EQ(r.text.find("/2.2") != std::string::npos, letter != 'a') << r.text;
        EXPECT_EQ(drops(r, "13 programs (87 to 99)"), letter == 'a') << r.text;
    }
    ComposeRequest request = requestFrom({{"bank.fxb", bankWithAMarkerInAProgram()}});
    for (int p = 0; p < 100; ++p) request.slots.push_back(ComposeSlot{"bank.fxb", p, std::nullopt});
    EXPECT_EQ(noteCodes(compose(request).report), std::vector<std::string>{"needs-model-switch"}) << "compose too";

    // The reverse: a Wave 2.3 layout with no combi in use reads back as a Wave 2.2 memory.
    Bytes image(5120, 0);
    for (std::size_t i = 0; i < 87 * 51; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
    for (std::size_t at = 0; at < 87 * 51; at += 51) { // the bits a PPG leaves empty
        image[at + 25] &= 0x1F;
        image[at + 26] &= 0xF8;
        image[at + 50] &= 0x01;
    }
    const Read wave23 = readBytes(image, 3);
    ASSERT_EQ(wave23.bank.programCount(), 87);
    const ConversionReport r = reportConversion(*exportFormatForLetter('b'), wave23.bank, 0, 255, kGroupA);
    EXPECT_NE(r.text.find("reads back as 100 programs"), std::string::npos) << r.text;
    // A Waveterm A file takes no switch: it brings back every program, and 13 more.
    const ConversionReport a = reportConversion(*exportFormatForLetter('a'), wave23.bank, 0, 255, kGroupA);
    EXPECT_NE(a.text.find("comes back with programs 87 to 99 more"), std::string::npos) << a.text;
    EXPECT_TRUE(a.dropped.empty()) << a.text;
    const std::vector<std::uint8_t> copy = exportFormatForLetter('b')->exporter(wave23.bank, {});
    EXPECT_TRUE(readBytes(Bytes(copy.begin(), copy.end())).outcome.notes.empty()) << "the tool's own image is no noise";

    // A bare image whose first byte is that of a Waveterm A file.
    PpgBank first02 = readBytes(readFile(examplePath("demo23.syx"))).bank;
    first02.programs[0].programValues[kWavetable] = 2;
    first02.programs[0].programValues[kKeyboardMode] = 0;
    const ConversionReport b = reportConversion(*exportFormatForLetter('b'), first02, 0, 255, kGroupA);
    const std::vector<std::uint8_t> bare = exportFormatForLetter('b')->exporter(first02, {});
    ASSERT_EQ(bare[0], 0x02);
    EXPECT_NE(readBytes(Bytes(bare.begin(), bare.end())).outcome.formatName(), std::string("PPG memory image"));
    EXPECT_EQ(noteCodes(b), std::vector<std::string>{"reads-as-other-format"});
    EXPECT_NE(b.text.find("as a Waveterm A file"), std::string::npos) << b.text;
    EXPECT_FALSE(drops(b, "exact sound")) << "the values are compared with the image as written";
}

TEST(Conversions, CombiValuesNamesAndGroupsAreComparedAsTheyComeBack) {
    PpgBank bank = namedBank();
    bank.combis[0].bk[0] = 9;
    bank.combis[0].groupA.det = 5;
    EXPECT_TRUE(drops(reportConversion(*exportFormatForLetter('s'), bank, 0, 255, kGroupA), "the exact values of 1 combi"));
    EXPECT_FALSE(drops(reportConversion(*exportFormatForLetter('w'), bank, 0, 255, kGroupA), "combi"));

    // Group B of a 2.V program is group A: nothing of it is lost.
    const Read v2 = readBytes(readFile(examplePath("demo23-o.fxb")));
    EXPECT_FALSE(drops(reportConversion(*exportFormatForLetter('n'), v2.bank, 0, 255, kGroupA), "group B"));

    // A name that fills all 28 bytes of a 2.V name field keeps 27 of them.
    Bytes file = readFile(examplePath("demo23-n.fxb"));
    std::fill_n(file.begin() + 156 + 28, 28, 'x');
    const Read cut = readBytes(file);
    EXPECT_TRUE(hasNote(cut.outcome, "cut-names", "1 name fills all 28 bytes"));
    const ConversionReport again = reportConversion(*exportFormatForLetter('n'), cut.bank, 0, 255, kGroupA, cut.outcome.namesCut);
    EXPECT_FALSE(again.names);
    EXPECT_TRUE(drops(again, "beyond 27 of 1 name"));

    // A Waveterm B file: a long bank name, and data beyond the memory image.
    Bytes usr(102, 0);
    usr[0] = 'W';
    usr[1] = 'B';
    usr[20] = 0x15; // 5376 bytes of data: the image and 256 more
    std::fill_n(usr.begin() + 38, 64, 'N');
    const Bytes image = readFile(examplePath("demo23.bin"));
    usr.insert(usr.end(), image.begin(), image.end());
    usr.insert(usr.end(), 256, 0);
    const Read wb = readBytes(usr);
    EXPECT_TRUE(hasNote(wb.outcome, "cut-names", "is 64 characters long"));
    EXPECT_TRUE(hasNote(wb.outcome, "trailing-bytes", "256 bytes of data that the header announces"));
    // Only the program names written count as cut: not one outside the
    // range, nor a bank name.
    EXPECT_TRUE(reportConversion(*exportFormatForLetter('n'), cut.bank, 1, 5, kGroupA, cut.outcome.namesCut).names);
    const ConversionReport corvel = reportConversion(*exportFormatForLetter('w'), wb.bank, 0, 255, kGroupA, wb.outcome.namesCut);
    EXPECT_TRUE(corvel.names);
    EXPECT_FALSE(drops(corvel, "beyond 27"));

    // A bank built of 2.V programs is a 2.V bank, in a Corvel file as the tool writes it.
    ComposeRequest request = requestFrom({{"bank.fxb", readFile(examplePath("demo23-o.fxb"))}});
    request.slots = {ComposeSlot{"bank.fxb", 1, std::nullopt}};
    request.format = ExportKind::Corvel;
    const ComposeResult built = compose(request);
    EXPECT_TRUE(readBytes(Bytes(built.bytes.begin(), built.bytes.end())).bank.is2V);
}

// A name cut when the file was read and then given anew is the program's
// own: the report keeps it, and says nothing of a cut.
TEST(Conversions, ANameGivenAnewIsNoLongerCut) {
    Bytes file = readFile(examplePath("demo23-n.fxb"));
    std::fill_n(file.begin() + 156 + 28, 28, 'x'); // program 0's name fills its field
    Read read = readBytes(file);
    ASSERT_EQ(read.outcome.namesCut, std::vector<int>{0});
    const ExportFormat& n = *exportFormatForLetter('n');
    EXPECT_FALSE(reportConversion(n, read.bank, 0, 255, kGroupA, read.outcome.namesCut).names);

    EXPECT_EQ(renameProgram(read.bank, 0, std::string(28, 'y'), read.outcome.namesCut),
              "The name of program 0 is 28 characters long; a name holds at most 27.");
    EXPECT_EQ(renameProgram(read.bank, 128, "Far", read.outcome.namesCut), "The bank has no program 128.");
    EXPECT_EQ(read.outcome.namesCut, std::vector<int>{0}) << "a name not given changes nothing";
    EXPECT_EQ(renameProgram(read.bank, 0, "Brass", read.outcome.namesCut), "");
    const ConversionReport renamed = reportConversion(n, read.bank, 0, 255, kGroupA, read.outcome.namesCut);
    EXPECT_TRUE(renamed.names);
    EXPECT_FALSE(drops(renamed, "beyond 27")) << renamed.text;
}
