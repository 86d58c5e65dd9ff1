// The notes the loader gives on a file that loaded (a cut, damaged or odd
// file, named with its numbers) and the words of a file that did not.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "library/format_table.h"
#include "library/loader.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

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
    EXPECT_EQ(counted.bank.programCount(), 130);
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
        for (int p = c.from; p >= 0 && p < r.bank.programCount(); ++p) untrusted.push_back(p);
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
    const std::vector<std::uint8_t> written = exportFormatForLetter('s')->exporter(defaults, {});
    Bytes dump(written.begin(), written.end());
    dump[4 + 2 * 4511] = 0x05;
    dump[5 + 2 * 4511] = 0x05;
    const Read guessed = readBytes(dump);
    ASSERT_EQ(guessed.bank.programCount(), 87);
    EXPECT_EQ(codes(guessed.outcome), std::vector<std::string>{"needs-model-switch"});
    EXPECT_TRUE(hasNote(guessed.outcome, "needs-model-switch", "read it with /2.2"));
    EXPECT_EQ(guessed.outcome.damage, Damage::None);
    const Read told = readBytes(dump, 2);
    EXPECT_EQ(told.bank.programCount(), 100);
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

TEST(Notes, DamagedDumpsSayWhatCameThrough) {
    const Bytes dump = readFile(examplePath("demo23.syx"));
    const Read at9500 = readBytes(prefix(dump, 9500));
    ASSERT_EQ(at9500.bank.programCount(), 87);
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
        EXPECT_EQ(r.outcome.untrusted.size(), static_cast<std::size_t>(r.bank.programCount()));
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
    EXPECT_EQ(shifted.outcome.untrusted.size(), static_cast<std::size_t>(shifted.bank.programCount() - 9));
    const Read spoiled = readBytes(replaced);
    EXPECT_EQ(codes(spoiled.outcome), std::vector<std::string>{"damaged-dump"});
    EXPECT_TRUE(hasNote(spoiled.outcome, "damaged-dump", "Byte 5,001 of the file is 9A"));
    EXPECT_TRUE(hasNote(spoiled.outcome, "damaged-dump", "spoils program 48; the rest came through"));
    EXPECT_EQ(spoiled.outcome.untrusted, std::vector<int>{48});
}

// The note that a memory may be a Wave 2.2 memory read as a Wave 2.3 one is
// given where, read as a Wave 2.3 memory, it sets bits that such a memory
// leaves empty, and read as a Wave 2.2 memory it sets none; an image that
// sets them either way (noise) gets none.
TEST(Notes, NeedsModelSwitchOnlyWhereTheWave22ReadingIsClean) {
    Bytes image(kBankImageSize, 0);
    image[kCombiAreaOffset + 31] = 0x55; // combi 0 in use
    EXPECT_TRUE(codes(readBytes(image).outcome).empty());
    image[4437] = 0x01; // between the programs and the combis of a Wave 2.3 memory: program 87 of a Wave 2.2 one
    EXPECT_EQ(codes(readBytes(image).outcome), std::vector<std::string>{"needs-model-switch"});
    image[50] = 0x80; // bit 407 of program 0, which no field holds in either
    EXPECT_EQ(codes(readBytes(image).outcome), std::vector<std::string>{"bare-image"});
}
