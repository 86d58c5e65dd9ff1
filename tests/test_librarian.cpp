// What the library tells about a bank (notes on suspect files, sounds, what
// a conversion keeps) and the banks it builds from programs of other banks,
// checked against what the tool's writers write and its readers read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "library/format_table.h"
#include "library/loader.h"
#include "formats/corvel.h"
#include "formats/bank_2v.h"
#include "library/bank_facts.h"
#include "library/sounds.h"
#include "library/compose.h"
#include "library/conversions.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

const char* const kExamples[] = {"demo23.syx", "demo23-a.usr", "demo23-b.usr", "demo23.bin", "demo23-f.fxb",
                                  "demo23-n.fxb", "demo23-o.fxb", "demo23-m.fxb", "demo23.crv"};

struct Read {
    PpgBank bank = makeStartupBank();
    LoadOutcome outcome;
};

Read readBytes(const Bytes& bytes, int hint = -1) {
    Read r;
    r.outcome = loadBank(bytes.data(), bytes.size(), hintOf(hint), r.bank);
    return r;
}

std::vector<std::string> codes(const LoadOutcome& o) {
    std::vector<std::string> c;
    for (const LoadNote& n : o.notes) c.push_back(noteCodeName(n.code));
    return c;
}

::testing::AssertionResult hasNote(const LoadOutcome& o, const std::string& code, const std::string& words) {
    for (const LoadNote& n : o.notes)
        if (noteCodeName(n.code) == code && n.text.find(words) != std::string::npos) return ::testing::AssertionSuccess();
    std::string all;
    for (const LoadNote& n : o.notes) all += std::string(noteCodeName(n.code)) + ": " + n.text + "\n";
    return ::testing::AssertionFailure() << "no note " << code << " saying \"" << words << "\" in:\n" << all;
}

bool drops(const ConversionReport& r, const std::string& words) {
    return std::ranges::any_of(r.dropped, [&](const std::string& d) { return d.find(words) != std::string::npos; });
}

// A Corvel bank that holds what only Corvel keeps: names, a bank name,
// program values 24..28, group parameter 39, and groups A and B that differ.
PpgBank namedBank() {
    const Bytes bytes = readFile(examplePath("demo23.bin"));
    BankImage image{};
    std::copy_n(bytes.begin(), image.size(), image.begin());
    PpgBank bank = bankFrom(image);
    setName(bank.name, "Pads and Basses");
    for (int p = 0; p < bank.programCount; ++p) {
        PpgProgram& program = bank.programs[static_cast<std::size_t>(p)];
        setName(program.name, ("Sound " + std::to_string(p)).c_str());
        if (p % 3 == 0) program.programValues[25] = 7;
    }
    bank.programs[1].groups[1][39] = 5;
    return bank;
}

} // namespace

TEST(Notes, FilesTheToolWritesHaveNone) {
    for (const char* name : kExamples) {
        const Read r = readBytes(readFile(examplePath(name)));
        EXPECT_EQ(r.outcome.code, 0) << name;
        EXPECT_TRUE(r.outcome.notes.empty()) << name << ": " << r.outcome.notes.front().text;
    }
}

TEST(Notes, ShortAndUnclosedDumpsAndBytesAfterTheData) {
    const Bytes dump = readFile(examplePath("demo23.syx"));
    const Read cut = readBytes(prefix(dump, 5000));
    EXPECT_EQ(codes(cut.outcome), std::vector<std::string>{"short-dump"});
    EXPECT_TRUE(hasNote(cut.outcome, "short-dump", "2,498 of the 5,120 bytes"));
    EXPECT_TRUE(hasNote(cut.outcome, "short-dump", "programs 0 to 47 are complete"));

    Bytes stopped = prefix(dump, 4 + 2 * 60);
    stopped.push_back(0xF7);
    stopped.insert(stopped.end(), {0xF0, 0x7E, 0xF7});
    const Read early = readBytes(stopped);
    EXPECT_TRUE(hasNote(early.outcome, "short-dump", "comes after 120 of the 10,240 data bytes"));
    EXPECT_TRUE(hasNote(early.outcome, "trailing-bytes", "3 bytes follow the end of the dump"));

    EXPECT_EQ(codes(readBytes(prefix(dump, 10244)).outcome), std::vector<std::string>{"missing-end"});
    Bytes longer = dump;
    longer.insert(longer.end(), 7, 0x00);
    EXPECT_TRUE(hasNote(readBytes(longer).outcome, "trailing-bytes", "7 bytes"));
}

TEST(Notes, BareImagesAreNamedAndNoiseIsToldApart) {
    const Bytes image = readFile(examplePath("demo23.bin"));
    Bytes noise(5120);
    std::mt19937 rng(5);
    for (auto& b : noise) b = static_cast<std::uint8_t>(rng() >> 8);
    noise[0] = 0x00; // no magic
    const Read read = readBytes(noise);
    EXPECT_EQ(read.outcome.formatName(), std::string("PPG memory image"));
    EXPECT_TRUE(hasNote(read.outcome, "bare-image", "probably not a program bank"));

    Bytes larger = image;
    larger.resize(9000, 0x11);
    const Read more = readBytes(larger);
    EXPECT_EQ(codes(more.outcome), (std::vector<std::string>{"bare-image", "trailing-bytes"}));
    EXPECT_TRUE(hasNote(more.outcome, "trailing-bytes", "3,880 bytes"));
    EXPECT_EQ(more.outcome.notes[0].text.find("probably not"), std::string::npos) << "a clean image is not called noise";
}

TEST(Notes, ContainersThatSayMoreOrLessThanTheyHold) {
    Bytes fxb = readFile(examplePath("demo23-o.fxb"));
    fxb.insert(fxb.end(), 10, 0xAA);
    EXPECT_TRUE(hasNote(readBytes(fxb).outcome, "trailing-bytes", "10 bytes follow the end of the bank's data"));
    Bytes crv = readFile(examplePath("demo23.crv"));
    crv.push_back(0);
    EXPECT_TRUE(hasNote(readBytes(crv).outcome, "trailing-bytes", "1 byte follows the last chunk"));

    // A chunk bank whose header announces more programs than its chunk holds.
    const Read counted = readBytes(withWord(readFile(examplePath("demo23-o.fxb")), 24, 130));
    EXPECT_EQ(counted.bank.programCount, 130);
    EXPECT_TRUE(hasNote(counted.outcome, "count-mismatch", "announces 130 programs, but its data holds 128"));

    // Waveterm A: records that leave part of the memory unfilled, then junk.
    Bytes flex = prefix(readFile(examplePath("demo23-a.usr")), 4 + 255);
    flex.insert(flex.end(), {0x00, 0x00, 0x44, 0x45});
    const Read partial = readBytes(flex);
    EXPECT_TRUE(hasNote(partial.outcome, "partial-image", "only 255 of the 5,120 bytes"));
    EXPECT_TRUE(hasNote(partial.outcome, "trailing-bytes", "2 bytes follow the last load record"));

    // Waveterm B: a header that announces more data than the file has.
    Bytes usr(102 + 5120, 0x20);
    usr[0] = 'W';
    usr[1] = 'B';
    usr[20] = 0x20; // 8192 bytes
    usr[21] = 0x00;
    std::fill(usr.begin() + 102, usr.end(), 0);
    EXPECT_TRUE(hasNote(readBytes(usr).outcome, "count-mismatch", "announces 8,192 bytes of data, but the file ends after 5,120"));
}

TEST(Notes, DamageNamesTheProgramsAFileDoesNotWhollyHold) {
    // The programs from `from` on are untrusted (none when `from` is -1).
    struct Case {
        const char* what;
        Bytes bytes;
        Damage damage;
        int from;
    };
    const Bytes dump = readFile(examplePath("demo23.syx"));
    Bytes lost = dump;
    lost.erase(lost.begin() + 501);
    Bytes longer = dump;
    longer.push_back(0x00);
    Bytes flex = prefix(readFile(examplePath("demo23-a.usr")), 4 + 255);
    Bytes usr(102 + 5120, 0);
    usr[0] = 'W';
    usr[1] = 'B';
    usr[20] = 0x20; // announces 8192 bytes
    const Case cases[] = {
        {"a whole dump with a byte after it", longer, Damage::None, -1},
        {"a bare image", readFile(examplePath("demo23.bin")), Damage::None, -1},
        // 2,498 bytes: programs 0 to 47 whole, 48 begun.
        {"a dump cut at 5,000", prefix(dump, 5000), Damage::Cut, 48},
        {"a dump cut in its combis", prefix(dump, 9500), Damage::Cut, -1},
        {"a dump that lost a byte", lost, Damage::Damaged, 0},
        // The first record places bytes 0 to 254: programs 0 to 4.
        {"load records of 255 bytes", flex, Damage::Cut, 5},
        {"a Waveterm B file shorter than its header says", usr, Damage::Cut, -1},
        {"a 2.V bank announcing 130 programs", withWord(readFile(examplePath("demo23-o.fxb")), 24, 130), Damage::Cut, 128},
    };
    for (const Case& c : cases) {
        const Read r = readBytes(c.bytes);
        ASSERT_EQ(r.outcome.code, 0) << c.what;
        EXPECT_EQ(damageName(r.outcome.damage), std::string(damageName(c.damage))) << c.what;
        std::vector<int> untrusted;
        for (int p = c.from; p >= 0 && p < r.bank.programCount; ++p) untrusted.push_back(p);
        EXPECT_EQ(r.outcome.untrusted, untrusted) << c.what;
    }
}

// 2.V parameters that stand for no value: no number, below the range, or far
// above it. A quotient of a larger whole value is what the tool writes for a
// PPG value beyond a 2.V parameter's range (demo23-n.fxb holds some).
TEST(Notes, UnsoundTwoVParametersAreDamage) {
    Bytes bank = readFile(examplePath("demo23-n.fxb"));
    const auto param = [](int program, int k) { return static_cast<std::size_t>(156 + 412 * program + 56 + 4 * k); };
    bank = withWord(bank, param(3, 2), std::bit_cast<std::uint32_t>(std::numeric_limits<float>::quiet_NaN()));
    bank = withWord(bank, param(5, 3), std::bit_cast<std::uint32_t>(3e9f));
    bank = withWord(bank, param(5, 4), std::bit_cast<std::uint32_t>(-0.25f));
    bank = withWord(bank, param(7, 3), std::bit_cast<std::uint32_t>(254.0f / 127)); // 254 held at 127: no damage
    const Read r = readBytes(bank);
    ASSERT_EQ(r.outcome.code, 0);
    EXPECT_TRUE(hasNote(r.outcome, "out-of-range", "3 parameters of programs 3 and 5 stand for no value"));
    EXPECT_EQ(r.outcome.damage, Damage::Damaged);
    EXPECT_EQ(r.outcome.untrusted, (std::vector<int>{3, 5}));
    EXPECT_EQ(r.bank.programs[5].programValues[4], -32) << "-0.25 of 127, to the nearest";
    EXPECT_EQ(r.bank.programs[7].programValues[3], 127);
}

// A Wave 2.2 memory whose program 88 holds 0x55 where a Wave 2.3 marks
// combi 0 in use (image byte 4511) reads as a Wave 2.3 memory without /2.2;
// the bytes a Wave 2.3 memory leaves empty (program 87 stands there) say it
// may not be one.
TEST(Notes, AWave22MemoryTakenForAWave23OneIsNamed) {
    const PpgBank defaults(100, 0);
    const std::vector<std::uint8_t> written = exportFormatForLetter('s')->write(defaults, {});
    Bytes dump(written.begin(), written.end());
    dump[4 + 2 * 4511] = 0x05;
    dump[5 + 2 * 4511] = 0x05;
    const Read guessed = readBytes(dump);
    ASSERT_EQ(guessed.bank.programCount, 87);
    EXPECT_EQ(codes(guessed.outcome), std::vector<std::string>{"needs-model-switch"});
    EXPECT_TRUE(hasNote(guessed.outcome, "needs-model-switch", "read it with /2.2"));
    EXPECT_EQ(guessed.outcome.damage, Damage::None);
    const Read told = readBytes(dump, 2);
    EXPECT_EQ(told.bank.programCount, 100);
    EXPECT_TRUE(told.outcome.notes.empty());
}

TEST(Notes, FailuresCarryTheToolsMessageAndWordsThatFitTheFile) {
    struct Case {
        Bytes bytes;
        int code;
        const char* message;
        const char* words;
        std::string reason;
    };
    Bytes fxp = fxbBlock("FxCk", 1, tag("MDAx"), 1, "Harp", {0.5f, 0.25f});
    const Case cases[] = {
        {{}, 6, "Unknown file format", "The file is empty.", "unknown-format"},
        {Bytes(300, 0x11), 6, "Unknown file format", "at 300 bytes it is too short", "unknown-format"},
        {fxp, 3, "Can't load .fxb file", "single program", "not-a-bank"},
        {prefix(readFile(examplePath("demo23-o.fxb")), 400), 3, "Can't load .fxb file", "damaged or cut short", "damaged"},
        {withWord(readFile(examplePath("demo23-o.fxb")), 16, tag("NiMa")), 3, "Not a valid 2.V fxb-file", "'NiMa'",
         "other-plugin"},
        {withWord(readFile(examplePath("demo23.crv")), 156 + 16, tag("Xxxx")), 4, "", "Corvel bank is damaged", "damaged"},
    };
    for (const Case& c : cases) {
        const Read r = readBytes(c.bytes);
        EXPECT_EQ(r.outcome.code, c.code) << c.words;
        EXPECT_EQ(reasonName(r.outcome.reason), c.reason) << c.words;
        EXPECT_EQ(r.outcome.message, c.message) << c.words;
        EXPECT_NE(r.outcome.explanation.find(c.words), std::string::npos) << r.outcome.explanation;
        EXPECT_TRUE(r.outcome.notes.empty());
        // The tool prints the same message, and nothing else after its banner.
        const RunResult run = runToolOn(c.bytes);
        EXPECT_EQ(run.exitCode, c.code);
        EXPECT_EQ(withoutBanner(run.out), *c.message ? std::string(c.message) + "\n" : "");
    }
}

TEST(Sounds, EqualExactlyWhenThePackedRecordIs) {
    const Read syx = readBytes(readFile(examplePath("demo23.syx")));
    const Read crv = readBytes(readFile(examplePath("demo23.crv")));
    ASSERT_EQ(syx.bank.programCount, crv.bank.programCount);
    for (int p = 0; p < syx.bank.programCount; ++p)
        EXPECT_EQ(soundOf(syx.bank.programs[static_cast<std::size_t>(p)]), soundOf(crv.bank.programs[static_cast<std::size_t>(p)]));

    PpgProgram renamed = syx.bank.programs[4];
    setName(renamed.name, "Another name");
    EXPECT_EQ(soundOf(renamed), soundOf(syx.bank.programs[4]));
    EXPECT_EQ(soundOf(renamed).size(), 102u);
    for (const auto& [group, param] : {std::pair{0, 24}, {1, 31}}) {
        PpgProgram changed = syx.bank.programs[4];
        changed.groups[group][param] ^= 1;
        EXPECT_NE(soundOf(changed), soundOf(syx.bank.programs[4])) << group << " " << param;
    }
    PpgProgram wave = syx.bank.programs[4];
    wave.programValues[kWavetable] ^= 1;
    EXPECT_NE(soundOf(wave), soundOf(syx.bank.programs[4]));
}

// Bits of a record that no value holds (a PPG leaves them empty) are part
// of what an image holds: the record is the 51 bytes stored, and the image
// formats write them back; the others cannot, and say so.
TEST(Conversions, BitsNoValueHoldsComeBackInEveryImage) {
    Bytes image = readFile(examplePath("demo23.bin"));
    image[3 * 51 + 50] |= 0x80;           // program 3, bit 407
    image[4480 + 2 * 32 + 16] = 0x5A;     // combi 2, byte 16
    const Read read = readBytes(image);
    ASSERT_EQ(read.bank.combiCount, 20);
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
        const std::vector<std::uint8_t> bytes = exportFormatForLetter(letter)->write(read.bank, {});
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
                const std::vector<std::uint8_t> bytes = format.write(bank, {first, last, group});
                const Read back = readBytes(Bytes(bytes.begin(), bytes.end()), r.combis > 0 ? 3 : -1);
                ASSERT_EQ(back.outcome.code, 0) << context;
                EXPECT_EQ(r.programs + r.filled + r.blank, r.slots) << context;
                const bool ranged = format.takesRange() && first != 0;
                EXPECT_EQ(r.programs, format.output == &kCorvelOutput ? bank.programCount
                                      : ranged                              ? 5
                                      : format.output == &k2VOutput ? std::min(bank.programCount, 128)
                                                                            : std::min(bank.programCount, bank.combiCount ? 87 : 100))
                    << context;
                EXPECT_EQ(r.first, ranged ? 5 : 0) << context;
                const bool rounded = std::ranges::any_of(r.dropped, [](const std::string& d) { return d.find("exact sound") != std::string::npos; });
                bool namesBack = true;
                for (int k = 0; k < r.programs; ++k) {
                    const PpgProgram& src = bank.programs[static_cast<std::size_t>(r.first + k)];
                    const PpgProgram& got = back.bank.programs[static_cast<std::size_t>(k)];
                    if (format.output != &k2VOutput && !rounded) {
                        EXPECT_EQ(recordOf(got), recordOf(src)) << context << " slot " << k;
                    }
                    namesBack = namesBack && (std::string(got.name) == src.name || isImageProgramName(src.name));
                }
                EXPECT_EQ(r.names, namesBack) << context;
                if (format.output != &kImageOutput || name == "named") {
                    EXPECT_EQ(r.names, format.output != &kImageOutput) << context;
                }
                for (int k = r.programs; k < r.programs + r.filled; ++k) {
                    const PpgProgram& got = back.bank.programs[static_cast<std::size_t>(k)];
                    if (format.output == &k2VOutput)
                        EXPECT_STREQ(got.name, "Basic 2.2") << context;
                    else
                        EXPECT_EQ(recordOf(got), fill) << context;
                }
                EXPECT_NE(r.text.find(r.programs == bank.programCount ? "Writes all" : "Writes " + std::to_string(r.programs) + " of"),
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
        one.programs[0] = format.output->fill();
        const std::vector<std::uint8_t> bytes = format.write(one, {0, 0, kGroupA});
        const Read back = readBytes(Bytes(bytes.begin(), bytes.end()));
        ASSERT_EQ(back.outcome.code, 0) << format.letter;
        std::set<std::string> read;
        for (const PpgProgram& p : programsOf(back.bank)) read.insert(soundOf(p));
        const FillSounds sounds = fillSounds(*format.output);
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

ComposeRequest requestFrom(const std::vector<std::pair<std::string, Bytes>>& files) {
    static std::vector<std::pair<std::string, Bytes>> kept;
    kept = files;
    ComposeRequest request;
    for (const auto& [name, bytes] : kept) request.banks.push_back({name, bytes.data(), bytes.size()});
    return request;
}

} // namespace

// Programs from a SysEx dump, a Corvel bank and a 2.V bank, renamed, one
// twice and one slot empty, into every output: read back by the tool, each
// slot holds its source program as that format holds it.
TEST(Compose, SlotsHoldTheirSourcesInEveryFormat) {
    const PpgBank named = namedBank();
    const std::vector<std::uint8_t> crv = corvelBytes(named);
    ComposeRequest request = requestFrom({{"dump.syx", readFile(examplePath("demo23.syx"))},
                                          {"named.crv", Bytes(crv.begin(), crv.end())},
                                          {"bank.fxb", readFile(examplePath("demo23-n.fxb"))}});
    request.slots = {ComposeSlot{"dump.syx", 10, "Brass"}, ComposeSlot{"named.crv", 3, std::nullopt}, std::nullopt,
                     ComposeSlot{"bank.fxb", 127, "Last one"}, ComposeSlot{"dump.syx", 10, std::nullopt}};
    request.bankName = "Built";
    const Read dump = readBytes(readFile(examplePath("demo23.syx")));
    const Read v2 = readBytes(readFile(examplePath("demo23-n.fxb")));
    const PpgProgram* sources[] = {&dump.bank.programs[10], &named.programs[3], nullptr, &v2.bank.programs[127], &dump.bank.programs[10]};
    const char* names[] = {"Brass", "Sound 3", nullptr, "Last one", "PPG Program 010"};

    for (const ExportFormat& format : exportFormats()) {
        request.format = format.kind;
        const ComposeResult result = compose(request);
        ASSERT_EQ(result.exitCode, 0) << format.letter << result.message;
        const Read back = readBytes(Bytes(result.bytes.begin(), result.bytes.end()));
        ASSERT_EQ(back.outcome.code, 0);
        // The empty slot gets the fill program, as the slots beyond the bank do.
        const ConversionReport& r = result.report;
        EXPECT_EQ(r.programs, 4);
        EXPECT_GE(r.filled, 1);
        EXPECT_EQ(r.programs + r.filled + r.blank, r.slots) << format.letter;
        for (std::size_t k = 0; k < 5; ++k) {
            const PpgProgram& got = back.bank.programs[k];
            const std::string context = std::string(1, format.letter) + " slot " + std::to_string(k);
            if (sources[k] == nullptr) {
                const PpgProgram fill = format.output == &k2VOutput ? k2VOutput.fill() : imageFillProgram();
                EXPECT_EQ(recordOf(got), recordOf(fill)) << context;
                continue;
            }
            if (format.output == &k2VOutput) {
                // What a 2.V bank holds of the program: the same program
                // written alone by the same writer.
                PpgBank alone(0, 0);
                alone.resize(1, 0);
                alone.programs[0] = *sources[k];
                const std::vector<std::uint8_t> single = format.write(alone, {0, 0, kGroupA});
                const Read one = readBytes(Bytes(single.begin(), single.end()));
                EXPECT_EQ(programFields(got), programFields(one.bank.programs[0])) << context;
            } else {
                EXPECT_EQ(recordOf(got), recordOf(*sources[k])) << context;
            }
            if (format.output != &kImageOutput) {
                EXPECT_STREQ(got.name, names[k]) << context;
            }
            if (format.output == &kCorvelOutput) {
                EXPECT_EQ(programFields(got), programFields(*sources[k])) << context;
            }
        }
        EXPECT_EQ(std::string(back.bank.name), format.output == &kCorvelOutput ? "Built" : "");
        EXPECT_EQ(back.bank.combiCount == 0 || format.output == &kImageOutput, true);

        // The same sources only in buffers laid out as the loader reads them,
        // as the engine hands them over: each read in place once (the dump,
        // decoded in place, serves two slots), they make the same file.
        ComposeRequest inPlace = request;
        std::vector<Bytes> buffers;
        buffers.reserve(inPlace.banks.size());
        for (ComposeSource& source : inPlace.banks) {
            Bytes& buffer = buffers.emplace_back(std::max(source.size + kLoadSpareBytes, kLoadCapacity), 0);
            std::copy_n(source.data, source.size, buffer.begin());
            source = {source.name, nullptr, source.size, buffer.data()};
        }
        const ComposeResult fromBuffers = compose(inPlace);
        EXPECT_TRUE(fromBuffers.bytes == result.bytes) << format.letter << fromBuffers.message;
        EXPECT_EQ(fromBuffers.report.text, result.report.text);
    }
}

TEST(Compose, AWholeBankInOrderIsTheToolsOwnExport) {
    for (const auto& [file, letter] : {std::pair{"demo23-o.fxb", 'o'}, {"demo23-n.fxb", 'n'}, {"demo23.crv", 'w'}}) {
        const Bytes bytes = readFile(examplePath(file));
        const Read source = readBytes(bytes);
        ComposeRequest request = requestFrom({{file, bytes}});
        for (int p = 0; p < source.bank.programCount; ++p) request.slots.push_back(ComposeSlot{file, p, std::nullopt});
        request.format = exportFormatForLetter(letter)->kind;
        const ComposeResult result = compose(request);
        ASSERT_EQ(result.exitCode, 0) << result.message;
        // A built bank holds no combis: the Corvel bank is compared without them.
        PpgBank expected = source.bank;
        expected.resize(expected.programCount, 0);
        const std::vector<std::uint8_t> tool = exportFormatForLetter(letter)->write(expected, {});
        EXPECT_TRUE(result.bytes == tool) << file;
    }
}

TEST(Compose, RefusesWhatItCannotBuild) {
    const Bytes dump = readFile(examplePath("demo23.syx"));
    auto attempt = [&](std::vector<std::optional<ComposeSlot>> slots, char format = 's', std::optional<std::string> bankName = {}) {
        ComposeRequest request = requestFrom({{"dump.syx", dump}, {"bad.syx", Bytes(10, 0)}});
        request.slots = std::move(slots);
        const ExportFormat* output = exportFormatForLetter(format);
        request.format = output != nullptr ? output->kind : ExportKind::None;
        request.bankName = std::move(bankName);
        return compose(request);
    };
    struct Case {
        ComposeResult result;
        int code;
        const char* words;
    };
    const Case cases[] = {
        {attempt({ComposeSlot{"missing.syx", 0, {}}}), 1, "no bank \"missing.syx\" was given"},
        {attempt({ComposeSlot{"dump.syx", 87, {}}}), 1, "has no program 87 (it holds 87"},
        {attempt({ComposeSlot{"dump.syx", -1, {}}}), 1, "has no program -1"},
        {attempt({ComposeSlot{"bad.syx", 0, {}}}), 6, "cannot be read (Unknown file format)"},
        {attempt(std::vector<std::optional<ComposeSlot>>(101)), 1, "holds at most 100 programs; the new bank has 101"},
        {attempt(std::vector<std::optional<ComposeSlot>>(129), 'n'), 1, "at most 128"},
        {attempt({}), 1, "no slots"},
        {attempt({ComposeSlot{"dump.syx", 0, std::string(28, 'x')}}), 1, "28 characters long; a name holds at most 27"},
        {attempt({ComposeSlot{"dump.syx", 0, std::string("a\tb")}}), 1, "control character"},
        {attempt({std::nullopt}, 'q'), 1, "no output format"},
        {attempt({std::nullopt}, 's', std::string(40, 'b')), 1, "The bank name is 40 characters long"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result.exitCode, c.code) << c.words;
        // A source that cannot be read answers its load's reason; the rest is the request's.
        EXPECT_EQ(std::string(reasonName(c.result.reason)), c.code == 6 ? "unknown-format" : "bad-request") << c.words;
        EXPECT_NE(c.result.message.find(c.words), std::string::npos) << c.result.message;
        EXPECT_TRUE(c.result.bytes.empty()) << c.words;
    }
    const ComposeResult full = attempt(std::vector<std::optional<ComposeSlot>>(100));
    EXPECT_EQ(full.exitCode, 0) << "a memory image has room for 100 programs";
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
        const std::vector<std::uint8_t> bytes = exportFormatForLetter(letter)->write(v2.bank, {});
        const Read back = readBytes(Bytes(bytes.begin(), bytes.end()));
        ASSERT_EQ(back.bank.programCount, 87) << letter << ": the file really reads back so";
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
    ASSERT_EQ(wave23.bank.programCount, 87);
    const ConversionReport r = reportConversion(*exportFormatForLetter('b'), wave23.bank, 0, 255, kGroupA);
    EXPECT_NE(r.text.find("reads back as 100 programs"), std::string::npos) << r.text;
    // A Waveterm A file takes no switch: it brings back every program, and 13 more.
    const ConversionReport a = reportConversion(*exportFormatForLetter('a'), wave23.bank, 0, 255, kGroupA);
    EXPECT_NE(a.text.find("comes back with programs 87 to 99 more"), std::string::npos) << a.text;
    EXPECT_TRUE(a.dropped.empty()) << a.text;
    const std::vector<std::uint8_t> copy = exportFormatForLetter('b')->write(wave23.bank, {});
    EXPECT_TRUE(readBytes(Bytes(copy.begin(), copy.end())).outcome.notes.empty()) << "the tool's own image is no noise";

    // A bare image whose first byte is that of a Waveterm A file.
    PpgBank first02 = readBytes(readFile(examplePath("demo23.syx"))).bank;
    first02.programs[0].programValues[kWavetable] = 2;
    first02.programs[0].programValues[kKeyboardMode] = 0;
    const ConversionReport b = reportConversion(*exportFormatForLetter('b'), first02, 0, 255, kGroupA);
    const std::vector<std::uint8_t> bare = exportFormatForLetter('b')->write(first02, {});
    ASSERT_EQ(bare[0], 0x02);
    EXPECT_NE(readBytes(Bytes(bare.begin(), bare.end())).outcome.formatName(), std::string("PPG memory image"));
    EXPECT_EQ(noteCodes(b), std::vector<std::string>{"reads-as-other-format"});
    EXPECT_NE(b.text.find("as a Waveterm A file"), std::string::npos) << b.text;
    EXPECT_FALSE(drops(b, "exact sound")) << "the values are compared with the image as written";
}

TEST(Notes, DamagedDumpsSayWhatCameThrough) {
    const Bytes dump = readFile(examplePath("demo23.syx"));
    const Read at9500 = readBytes(prefix(dump, 9500));
    ASSERT_EQ(at9500.bank.programCount, 87);
    EXPECT_TRUE(hasNote(at9500.outcome, "short-dump", "all 87 programs are complete, and combis 0 to 7; combis 8 to 19"));
    EXPECT_TRUE(hasNote(readBytes(prefix(dump, 9000)).outcome, "short-dump", "reads as a Wave 2.2 memory"));

    // Where the closing F7 does not follow a whole memory's data, bytes were
    // lost or added where the dump does not say: nothing of it is trusted.
    Bytes lostOne = dump, lostPair = dump, repeated = dump;
    lostOne.erase(lostOne.begin() + 500);
    lostPair.erase(lostPair.begin() + 1000, lostPair.begin() + 1002);
    repeated.insert(repeated.begin() + 1002, dump.begin() + 1000, dump.begin() + 1002);
    for (const Bytes* broken : {&lostOne, &lostPair, &repeated}) {
        const Read r = readBytes(*broken);
        EXPECT_EQ(r.outcome.damage, Damage::Damaged);
        EXPECT_EQ(r.outcome.untrusted.size(), static_cast<std::size_t>(r.bank.programCount));
        EXPECT_EQ(r.outcome.notes.size(), 1u);
        EXPECT_NE(r.outcome.notes[0].text.find("no program of it can be trusted"), std::string::npos) << r.outcome.notes[0].text;
        EXPECT_EQ(r.outcome.notes[0].text.find("are there"), std::string::npos);
    }
    EXPECT_TRUE(hasNote(readBytes(lostPair).outcome, "short-dump", "bytes were lost on the way, or the dump was sent short"));
    EXPECT_TRUE(hasNote(readBytes(repeated).outcome, "damaged-dump", "2 data bytes more than the 10,240"));

    // MIDI real-time bytes are skipped: the dump reads as it was sent.
    Bytes clocked = dump;
    clocked.insert(clocked.begin() + 1004, 0xF8);
    clocked.insert(clocked.begin() + 5001, 0xFE);
    const Read timed = readBytes(clocked);
    expectSameBank(timed.bank, readBytes(dump).bank, "with F8 and FE inside");
    EXPECT_EQ(codes(timed.outcome), std::vector<std::string>{"real-time-bytes"});
    EXPECT_TRUE(hasNote(timed.outcome, "real-time-bytes", "at bytes 1,004 and 5,001"));
    EXPECT_EQ(timed.outcome.damage, Damage::None);

    // Any other status byte is damage, named as the file holds it. Added, it
    // shifts everything after it; in place of a data byte (the length is
    // right) it spoils only the program it falls in.
    Bytes added = dump, replaced = dump;
    added.insert(added.begin() + 1004, 0xF0);
    replaced[5001] = 0x9A; // data byte 4,997: image byte 2,498, in program 48
    const Read shifted = readBytes(added);
    EXPECT_TRUE(hasNote(shifted.outcome, "damaged-dump", "Byte 1,004 of the file is F0"));
    EXPECT_TRUE(hasNote(shifted.outcome, "damaged-dump", "every value from there on is shifted"));
    EXPECT_TRUE(hasNote(shifted.outcome, "damaged-dump", "programs 0 to 8 are complete")) << "(1004 - 4) / 2 = 500 bytes";
    EXPECT_EQ(shifted.outcome.untrusted.front(), 9);
    EXPECT_EQ(shifted.outcome.untrusted.size(), static_cast<std::size_t>(shifted.bank.programCount - 9));
    const Read spoiled = readBytes(replaced);
    EXPECT_EQ(codes(spoiled.outcome), std::vector<std::string>{"damaged-dump"});
    EXPECT_TRUE(hasNote(spoiled.outcome, "damaged-dump", "Byte 5,001 of the file is 9A"));
    EXPECT_TRUE(hasNote(spoiled.outcome, "damaged-dump", "spoils program 48; the rest came through"));
    EXPECT_EQ(spoiled.outcome.untrusted, std::vector<int>{48});
}

TEST(Sounds, DifferWhereverTheProgramsDo) {
    const Read v2 = readBytes(readFile(examplePath("demo23-o.fxb")));
    const PpgProgram& base = v2.bank.programs[3];
    PpgProgram finer = base, twoVOnly = base, tuned = base;
    finer.groups[kGroupA][0] = base.groups[kGroupA][0] ^ 1;  // P:3 at a step the record does not keep
    finer.groups[kGroupB][0] = finer.groups[kGroupA][0];
    twoVOnly.programValues[4] += 1;
    tuned.programValues[kTuning] += 1;
    for (const PpgProgram* other : {&finer, &twoVOnly, &tuned}) {
        EXPECT_NE(soundOf(*other), soundOf(base));
        EXPECT_EQ(recordOf(*other), recordOf(base)) << "the instrument would hold them alike";
    }
    PpgProgram renamed = base;
    setName(renamed.name, "Other");
    EXPECT_EQ(soundOf(renamed), soundOf(base));
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

namespace {

// Both groups' kept sounds at once are those found one by one.
void expectBothKept(const PpgProgram& program) {
    const KeptSounds both = keptBy2V(program, soundOf(program));
    EXPECT_EQ(both.a, keptBy2V(program, kGroupA));
    EXPECT_EQ(both.b, keptBy2V(program, kGroupB));
}

} // namespace

// What a 2.V bank keeps of each group, found by the 2.V writer itself: a PPG
// program's group strings are those of the 2.V programs written from it.
TEST(Sounds, KeptBy2VLinksA2VProgramToTheGroupItCameFrom) {
    const PpgBank bank = namedBank();
    for (const ExportFormat& format : exportFormats()) {
        if (format.output != &k2VOutput) continue;
        for (const int group : {kGroupA, kGroupB}) {
            const std::vector<std::uint8_t> bytes = format.write(bank, {0, 255, group});
            const Read v2 = readBytes(Bytes(bytes.begin(), bytes.end()));
            for (int p = 0; p < 87; p += 7) {
                const PpgProgram& from = bank.programs[static_cast<std::size_t>(p)];
                const PpgProgram& written = v2.bank.programs[static_cast<std::size_t>(p)];
                EXPECT_EQ(keptBy2V(written, kGroupA), keptBy2V(from, group)) << format.letter << " " << p;
                EXPECT_EQ(keptBy2V(written, kGroupB), keptBy2V(written, kGroupA)) << "a 2.V program keeps itself";
                expectBothKept(from);
                expectBothKept(written);
            }
        }
    }
    PpgProgram changed = bank.programs[7];
    changed.groups[kGroupB][kGroupFields[11].index] ^= 1; // P:6, kept whole by a 2.V bank
    EXPECT_NE(keptBy2V(changed, kGroupB), keptBy2V(bank.programs[7], kGroupB));
    EXPECT_EQ(keptBy2V(changed, kGroupA), keptBy2V(bank.programs[7], kGroupA));
    expectBothKept(changed);
    // Bits of the record outside its fields are part of the sound, and no
    // 2.V program holds them: a 2.V program that has them keeps all of itself
    // but them.
    PpgProgram spare = readBytes(readFile(examplePath("demo23-o.fxb"))).bank.programs[3];
    spare.spareBits = 1;
    expectBothKept(spare);
}

TEST(Sounds, ReadBackAndMeasuredByTheirValues) {
    const Read dump = readBytes(readFile(examplePath("demo23-o.fxb")));
    std::vector<std::string> sounds;
    for (int p = 0; p < dump.bank.programCount; ++p) {
        const PpgProgram& program = dump.bank.programs[static_cast<std::size_t>(p)];
        PpgProgram again;
        ASSERT_TRUE(programOfSound(soundOf(program), again));
        EXPECT_EQ(soundOf(again), soundOf(program)) << p;
        EXPECT_EQ(soundDistance(again, program), 0.0);
        sounds.push_back(soundOf(program));
    }
    PpgProgram ignored;
    for (const char* junk : {"", "zz", "00;p1=2", ";p99=1"}) EXPECT_FALSE(programOfSound(junk, ignored)) << junk;
    EXPECT_FALSE(programOfSound(sounds[0] + ";q1=2", ignored));
    EXPECT_FALSE(programOfSound(sounds[0] + ";a57=2", ignored));
    EXPECT_FALSE(programOfSound(sounds[0] + ";p1=99999999999", ignored));

    // One step of one value is nearer than any other program of the bank:
    // P:3, which the record keeps at every other step, so that the sound
    // says the value beside its record.
    PpgProgram step = dump.bank.programs[20];
    for (const int g : {kGroupA, kGroupB}) step.groups[g][0] += step.groups[g][0] < 63 ? 1 : -1;
    std::vector<std::string_view> candidates(sounds.begin(), sounds.end());
    const std::string stepped = soundOf(step);
    candidates.push_back(stepped);
    const std::vector<Neighbour> nearest = nearestSounds(sounds[20], candidates, 5);
    ASSERT_EQ(nearest.size(), 5u);
    EXPECT_EQ(nearest[0].index, candidates.size() - 1);
    EXPECT_DOUBLE_EQ(nearest[0].distance, soundDistance(dump.bank.programs[20], step));
    EXPECT_NE(stepped.find(";a0="), std::string::npos);
    PpgProgram far = step;
    for (const int g : {kGroupA, kGroupB}) far.groups[g][0] += far.groups[g][0] < 60 ? 3 : -3; // another record too
    const std::string farSound = soundOf(far);
    EXPECT_DOUBLE_EQ(nearestSounds(stepped, {farSound}, 1).at(0).distance, soundDistance(step, far));
    EXPECT_TRUE(std::ranges::none_of(nearest, [&](const Neighbour& n) { return candidates[n.index] == sounds[20]; }))
        << "the same sound is not its own neighbour";
    EXPECT_TRUE(std::ranges::is_sorted(nearest, {}, &Neighbour::distance));
    // The search, which reads sounds without making programs of them,
    // measures as soundDistance does (2.V programs have values beyond their
    // records).
    for (const Neighbour& n : nearestSounds(sounds[7], candidates, 20)) {
        PpgProgram other;
        ASSERT_TRUE(programOfSound(candidates[n.index], other));
        EXPECT_DOUBLE_EQ(n.distance, soundDistance(dump.bank.programs[7], other)) << n.index;
    }
}

// The search, which stops measuring a sound once it is further than those
// found, finds what measuring every sound and sorting them finds: random
// programs, with values beyond their records, copies and near copies.
TEST(Sounds, SearchFindsWhatAPlainSearchFinds) {
    std::mt19937 rng(29);
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::vector<PpgProgram> programs;
    for (int i = 0; i < 400; ++i) {
        PpgProgram p;
        if (!programs.empty() && pick(3) == 0) {
            p = programs[static_cast<std::size_t>(pick(static_cast<int>(programs.size())))];
        } else {
            PackedProgram record{};
            for (std::uint8_t& b : record) b = static_cast<std::uint8_t>(rng());
            p.decode(record.data(), true);
        }
        for (int changes = pick(4); changes > 0; --changes) {
            const bool inGroup = pick(2) == 1;
            const int index = pick(inGroup ? kGroupParamCount : kProgramValueCount);
            const Parameter& row = parameter(inGroup, index);
            std::int32_t& value = inGroup ? p.groups[pick(2)][index] : p.programValues[index];
            value = pick(2) == 0 ? pick(row.max + 1) : std::clamp(value + pick(3) - 1, 0, row.max);
        }
        programs.push_back(p);
    }
    std::vector<std::string> sounds;
    for (const PpgProgram& p : programs) sounds.push_back(soundOf(p));
    const std::vector<std::string_view> candidates(sounds.begin(), sounds.end());

    for (const std::size_t target : {0u, 7u, 123u, 399u}) {
        std::vector<Neighbour> plain;
        for (std::size_t i = 0; i < sounds.size(); ++i)
            if (sounds[i] != sounds[target]) plain.push_back({i, soundDistance(programs[target], programs[i])});
        std::ranges::stable_sort(plain, {}, &Neighbour::distance);
        for (const std::size_t count : {1u, 5u, 40u}) {
            const std::vector<Neighbour> found = nearestSounds(sounds[target], candidates, count);
            ASSERT_EQ(found.size(), count) << target;
            for (std::size_t k = 0; k < count; ++k) {
                EXPECT_EQ(found[k].index, plain[k].index) << target << " " << count << " " << k;
                EXPECT_EQ(found[k].distance, plain[k].distance) << target << " " << count << " " << k;
            }
        }
    }
}
