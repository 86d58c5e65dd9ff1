// V8 SysEx dumps and Waveterm A/B files: layouts as written, round trips,
// damaged and unusual input.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>

#include "cli/input.h"
#include "formats/sysex.h"
#include "formats/waveterm.h"
#include "io/file_io.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

// Loads the bytes as an input file into a fresh start-up bank.
struct Loaded {
    int code;
    PpgBank bank{87, 20};
};

Loaded loadBytes(const Bytes& bytes, int hint = -1, const char* bankName = "") {
    TempDir tmp;
    writeFile(tmp.path("input"), bytes);
    Loaded result{0};
    std::strcpy(result.bank.name, bankName);
    result.code = loadInputFile(tmp.path("input").c_str(), hintOf(hint), result.bank);
    return result;
}

BankImage storedImage(const PpgBank& bank) {
    BankImage image{};
    bank.storeImage(image.data(), 0, 255);
    return image;
}

Bytes sysexOf(const BankImage& image) {
    Bytes dump{0xF0, 0x29, 0x01, 0x0D};
    for (std::uint8_t b : image) {
        dump.push_back(b >> 4);
        dump.push_back(b & 0x0F);
    }
    dump.push_back(0xF7);
    return dump;
}

void appendRecord(Bytes& file, unsigned address, const std::uint8_t* data, unsigned count) {
    file.insert(file.end(), {0x02, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(count)});
    file.insert(file.end(), data, data + count);
}

// A FLEX file that places `bytes` at `address` in records of at most 255.
Bytes flexOf(const std::uint8_t* bytes, std::size_t size, unsigned address = 0) {
    Bytes file;
    for (std::size_t at = 0; at < size; at += 255) appendRecord(file, static_cast<unsigned>(address + at), bytes + at, static_cast<unsigned>(std::min<std::size_t>(255, size - at)));
    return file;
}

Bytes wavetermB(const BankImage& image, const std::string& nameField, unsigned length = 5120) {
    Bytes file(102, 0);
    file[0] = 'W';
    file[1] = 'B';
    file[20] = static_cast<std::uint8_t>(length >> 8);
    file[21] = static_cast<std::uint8_t>(length);
    std::memcpy(file.data() + 38, nameField.data(), std::min<std::size_t>(64, nameField.size()));
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

std::string padded(const std::string& text, char pad = ' ') { return text + std::string(64 - text.size(), pad); }

} // namespace

TEST(SysEx, WrittenDumpLayoutAndRoundTrip) {
    std::mt19937 rng(21);
    TempDir tmp;
    for (int combis : {0, 4}) {
        const BankImage source = randomImage(rng, combis);
        const PpgBank bank = bankFrom(source);
        ASSERT_EQ(writeExport(tmp.path("out.syx").c_str(), exportSysEx(bank, 0, 255)), 0);
        const Bytes dump = readFile(tmp.path("out.syx"));
        ASSERT_EQ(dump.size(), 10245u);
        EXPECT_EQ(dump, sysexOf(canonicalImage(source, combis > 0)));
        const Loaded back = loadBytes(dump);
        ASSERT_EQ(back.code, 0);
        EXPECT_EQ(storedImage(back.bank), storedImage(bank));
    }
}

TEST(SysEx, DecodeStopsAtEndMarkersAndAtTheEndOfData) {
    Bytes dump = sysexOf(BankImage{});
    for (std::size_t i = 0; i < 5120; ++i) {
        dump[4 + 2 * i] = 0x3A; // upper four bits are ignored
        dump[5 + 2 * i] = 0x45;
    }
    Bytes full = dump;
    full.back() = 0x00; // the closing byte plays no part
    full.resize(10245 + 5120);
    decodeSysEx(full.data(), 10245);
    EXPECT_TRUE(std::all_of(full.begin(), full.begin() + 5120, [](std::uint8_t b) { return b == 0xA5; }));

    for (int second : {0, 1}) {
        Bytes cut = dump;
        cut[4 + 2 * 100 + second] = 0xF7;
        decodeSysEx(cut.data(), cut.size());
        EXPECT_TRUE(std::all_of(cut.begin(), cut.begin() + 100, [](std::uint8_t b) { return b == 0xA5; }));
        EXPECT_EQ(cut[100], dump[100]) << "from the stop on the input's own bytes stay";
        EXPECT_EQ(cut[5119], dump[5119]);
    }

    // A dump cut off in the middle of the data, with no end marker: decoded
    // as far as it goes, the image bytes the file does not reach are zero.
    Bytes truncated(dump.begin(), dump.begin() + 4 + 2 * 300 + 1);
    const Loaded loaded = loadBytes(truncated);
    ASSERT_EQ(loaded.code, 0);
    BankImage expected{};
    std::fill(expected.begin(), expected.begin() + 300, 0xA5);
    std::copy(truncated.begin() + 300, truncated.end(), expected.begin() + 300);
    const PpgBank reference = bankFrom(expected);
    EXPECT_EQ(storedImage(loaded.bank), storedImage(reference));
}

TEST(SysEx, ModelHintDecidesTheLayout) {
    const Bytes dump = sysexOf(BankImage{});
    EXPECT_EQ(loadBytes(dump, 2).bank.programCount(), 100);
    const Loaded as23 = loadBytes(dump, 3);
    EXPECT_EQ(as23.bank.programCount(), 87);
    EXPECT_EQ(as23.bank.combiCount(), 20);
    EXPECT_EQ(loadBytes(dump, -1).bank.programCount(), 100);
    EXPECT_STREQ(loadBytes(dump, -1, "Kept").bank.name, "Kept") << "a dump carries no name";
}

TEST(WavetermA, WrittenFileLayoutAndRoundTrip) {
    std::mt19937 rng(22);
    const BankImage source = randomImage(rng, 2);
    const PpgBank bank = bankFrom(source);
    TempDir tmp;
    ASSERT_EQ(writeExport(tmp.path("D001.USR").c_str(), exportWavetermA(bank, 0, 255)), 0);
    const Bytes file = readFile(tmp.path("D001.USR"));
    ASSERT_EQ(file.size(), 5204u);
    const BankImage image = storedImage(bank);
    EXPECT_EQ(file, flexOf(image.data(), image.size()));
    const std::uint8_t firstHeaders[] = {0x02, 0x00, 0x00, 0xFF};
    const std::uint8_t lastHeader[] = {0x02, 0x13, 0xEC, 0x14};
    EXPECT_TRUE(std::equal(firstHeaders, firstHeaders + 4, file.begin()));
    EXPECT_TRUE(std::equal(lastHeader, lastHeader + 4, file.begin() + 5204 - 24));

    const Loaded back = loadBytes(file, 2, "Kept");
    ASSERT_EQ(back.code, 0);
    EXPECT_EQ(back.bank.programCount(), 87) << "the model switch does not apply to FLEX files";
    EXPECT_EQ(storedImage(back.bank), image);
    EXPECT_STREQ(back.bank.name, "Kept");
}

TEST(WavetermA, PaddingTransferRecordsAndOverlaps) {
    std::mt19937 rng(23);
    const BankImage image = randomImage(rng, 0);
    const BankImage other = randomImage(rng, 0);
    // Records in reverse order, each behind padding; an earlier pass of other
    // bytes over the same addresses is overwritten by the later records.
    Bytes file;
    appendRecord(file, 0, other.data(), 255);
    file.insert(file.end(), {0x00, 0x00, 0x16, 0x12, 0x34});
    for (int r = 20; r >= 0; --r) {
        file.insert(file.end(), 7, 0x00);
        const unsigned at = static_cast<unsigned>(r) * 255;
        appendRecord(file, at, image.data() + at, std::min(255u, 5120 - at));
    }
    appendRecord(file, 40, other.data(), 0); // count 0 places nothing
    file.insert(file.end(), {0x16, 0x00, 0x00, 0x00, 0x00});
    const Loaded loaded = loadBytes(file);
    ASSERT_EQ(loaded.code, 0);
    const PpgBank reference = bankFrom(image);
    EXPECT_EQ(storedImage(loaded.bank), storedImage(reference));

    // The stream ends at a byte that starts no record, or at a record cut
    // short by the end of the file; what came before stands.
    Bytes ended = flexOf(image.data(), 510);
    Bytes tail = ended;
    ended.push_back(0x7E);
    appendRecord(ended, 510, other.data(), 255);
    appendRecord(tail, 510, other.data(), 255);
    tail.resize(tail.size() - 1);
    for (const Bytes& f : {ended, tail}) {
        const Loaded l = loadBytes(f);
        ASSERT_EQ(l.code, 0);
        BankImage first{};
        std::copy_n(image.begin(), 510, first.begin());
        const PpgBank expected = bankFrom(first);
        EXPECT_EQ(storedImage(l.bank), storedImage(expected));
    }
}

TEST(WavetermA, BadFirstRecordIsInvalid) {
    for (const Bytes& file : {Bytes{0x02}, Bytes{0x02, 0x00, 0x00, 0x10, 0x01}, Bytes{0x02, 0x00}}) {
        const Loaded l = loadBytes(file);
        EXPECT_EQ(l.code, 5);
    }
    Bytes padded5120(5120, 0);
    padded5120[0] = 0x02;
    padded5120[3] = 0xFF;
    EXPECT_EQ(loadBytes(padded5120).code, 0) << "a FLEX file of image size is still a FLEX file";
    std::uint8_t work[kWorkImageSize] = {};
    const std::uint8_t junk[] = {0x00, 0x00, 0x41};
    EXPECT_FALSE(parseWavetermA(junk, sizeof junk, work));
}

TEST(WavetermA, NamesAndRecordsNearTheTopOfMemory) {
    const std::uint8_t top[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    Bytes file;
    appendRecord(file, 0xFFFB, top, 10); // bytes beyond 0xFFFF are dropped
    std::uint8_t work[kWorkImageSize] = {};
    ASSERT_TRUE(parseWavetermA(file.data(), file.size(), work));
    EXPECT_EQ(work[0xFFFF], 5);
    EXPECT_EQ(work[0], 0);

    struct Case {
        std::string placed, expected;
    } cases[] = {{std::string("Strings\0", 8), "Strings"},
                 {std::string("", 1), "Kept"},
                 {std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0\0", 28), "ABCDEFGHIJKLMNOPQRSTUVWXYZ0"},
                 {std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ01\0", 29), "ABCDEFGHIJKLMNOPQRSTUVWXYZ0"},
                 {std::string(64, 'n') + std::string(1, '\0'), std::string(27, 'n')}};
    for (const Case& c : cases) {
        Bytes named = flexOf(BankImage{}.data(), 255);
        Bytes name = flexOf(reinterpret_cast<const std::uint8_t*>(c.placed.data()), c.placed.size(), 0xC0C0);
        named.insert(named.end(), name.begin(), name.end());
        const Loaded l = loadBytes(named, -1, "Kept");
        ASSERT_EQ(l.code, 0);
        EXPECT_STREQ(l.bank.name, c.expected.c_str());
    }
    // A name that runs to the very end of memory without a NUL.
    Bytes unterminated;
    const Bytes letters(0x10000 - 0xC0C0, 'x');
    Bytes name = flexOf(letters.data(), letters.size(), 0xC0C0);
    const Loaded l = loadBytes(name);
    ASSERT_EQ(l.code, 0);
    EXPECT_STREQ(l.bank.name, std::string(27, 'x').c_str());
}

TEST(WavetermB, ImageLengthAndModelHint) {
    std::mt19937 rng(24);
    const BankImage image = randomImage(rng, 0);
    for (unsigned length : {5120u, 8192u}) {
        const Loaded l = loadBytes(wavetermB(image, padded("")), 3);
        ASSERT_EQ(l.code, 0) << length;
        EXPECT_EQ(l.bank.programCount(), 87) << "the model switch applies";
        EXPECT_EQ(storedImage(l.bank), canonicalImage(image, true));
    }
    const Loaded rejected = loadBytes(wavetermB(image, padded(""), 5119));
    EXPECT_EQ(rejected.code, 5);
    Bytes shortFile = wavetermB(image, padded(""));
    shortFile.pop_back();
    EXPECT_EQ(loadBytes(shortFile).code, 5);
    EXPECT_EQ(loadBytes(Bytes{'W', 'B'}).code, 5);
}

TEST(WavetermB, NameField) {
    struct Case {
        std::string field, expected;
    } cases[] = {
        {padded("Brass"), "Brass"},
        {padded("Two words"), "Two words"},
        {padded(""), "Kept"},
        {padded("Pad  ", '\0'), "Pad  "},
        {padded(std::string(28, 'q')), std::string(27, 'q')},
        {std::string(64, 'w'), std::string(27, 'w')},
    };
    for (const Case& c : cases) {
        const Loaded l = loadBytes(wavetermB(BankImage{}, c.field), -1, "Kept");
        ASSERT_EQ(l.code, 0);
        EXPECT_STREQ(l.bank.name, c.expected.c_str()) << c.field;
    }
}

TEST(WavetermB, WrittenFileIsTheBareImage) {
    std::mt19937 rng(25);
    const BankImage source = randomImage(rng, 5);
    const PpgBank bank = bankFrom(source);
    TempDir tmp;
    ASSERT_EQ(writeExport(tmp.path("D002.USR").c_str(), exportWavetermB(bank, 3, 9)), 0);
    const Bytes file = readFile(tmp.path("D002.USR"));
    BankImage expected{};
    bank.storeImage(expected.data(), 3, 9);
    EXPECT_EQ(file, Bytes(expected.begin(), expected.end()));
    const Loaded back = loadBytes(file);
    EXPECT_EQ(back.code, 0);
    EXPECT_EQ(storedImage(back.bank), expected) << "read back as a bare memory image";
}
