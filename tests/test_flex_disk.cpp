// FLEX disk images: the directory listed, files read back as written, raw
// and ImageDisk images of the same disk read alike, damage refused or said
// per file, and recognition strict enough that no bank file is taken for a
// disk.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "flex_image.h"
#include "formats/disk_image.h"
#include "formats/flex_disk.h"
#include "library/loader.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

// `n` bytes that differ from sector to sector and from file to file.
Bytes fileBytes(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    Bytes b(n);
    for (auto& x : b) x = static_cast<std::uint8_t>(rng());
    return b;
}

FlexDisk readDisk(const Bytes& image) {
    FlexDiskRead read = readFlexDisk(image);
    EXPECT_EQ(read.failure, FlexDiskFailure::None) << read.words;
    return std::move(read.disk);
}

const FlexFile& fileNamed(const FlexDisk& disk, const std::string& name) {
    const FlexFileRead r = readFlexFile(disk, name);
    if (r.file == nullptr) throw std::runtime_error("no " + name);
    return *r.file;
}

// A disk of twelve entries (two directory sectors), the fifth deleted,
// files of one to several sectors, one of them whole sectors exactly.
std::size_t sizeOf(unsigned i) { return i == 3 ? 10 * 252 : i * 700 + 5; }
std::string nameOf(unsigned i) {
    std::string name = i < 10 ? "D00" : "D0";
    name += std::to_string(i);
    return name + ".USR";
}

struct WrittenDisk {
    FlexImage image;
    std::vector<unsigned> files; // those not deleted
};

WrittenDisk writtenDisk(const FlexLayout& layout) {
    WrittenDisk w{FlexImage(layout), {}};
    for (unsigned i = 0; i < 12; ++i) {
        FlexEntryOptions options;
        options.day = static_cast<std::uint8_t>(i + 1);
        options.deleted = i == 4;
        options.random = i == 6;
        options.attributes = i == 7 ? 0x80 : 0;
        w.image.addFile(nameOf(i), fileBytes(sizeOf(i), i), options);
        if (!options.deleted) w.files.push_back(i);
    }
    return w;
}

const FlexLayout kSingleSided{};
const FlexLayout kDoubleSided{80, 18, 2, "BANKS 1987", 42, 12, 31, 99};

} // namespace

TEST(FlexDisk, ListsTheDirectoryAndReadsEveryFileAsWrittenFromRawAndImageDisk) {
    for (const FlexLayout& layout : {kSingleSided, kDoubleSided}) {
        const WrittenDisk w = writtenDisk(layout);
        for (const Bytes& image : {w.image.raw(), w.image.imageDisk()}) {
            SCOPED_TRACE(std::to_string(layout.sides) + " sides, " + (image[0] == 'I' ? "ImageDisk" : "raw"));
            const FlexDisk disk = readDisk(image);
            EXPECT_EQ(disk.image, image[0] == 'I' ? DiskImageKind::ImageDisk : DiskImageKind::FlexRaw);
            EXPECT_EQ(disk.label, layout.label);
            EXPECT_EQ(disk.volume, layout.volume);
            EXPECT_EQ(disk.date, (FlexDate{layout.month, layout.day, layout.year}));
            EXPECT_EQ(disk.geometry, (FlexGeometry{layout.tracks - 1, layout.sectorsPerSide * layout.sides}));
            EXPECT_TRUE(disk.notes.empty()) << disk.notes.front();
            ASSERT_EQ(disk.files.size(), 11u);
            int used = static_cast<int>(asCopied(fileBytes(sizeOf(4), 4)).size() / 252); // the deleted file's
            for (std::size_t n = 0; n < w.files.size(); ++n) {
                const unsigned i = w.files[n];
                const Bytes bytes = asCopied(fileBytes(sizeOf(i), i));
                const FlexFile& f = disk.files[n];
                EXPECT_EQ(f.name, nameOf(i));
                EXPECT_EQ(f.state, FlexFileState::Whole) << f.problem;
                EXPECT_EQ(f.sectors, static_cast<int>(bytes.size() / 252));
                EXPECT_EQ(f.chainSectors, f.sectors);
                EXPECT_EQ(f.random, i == 6);
                EXPECT_EQ(f.attributes, i == 7 ? 0x80 : 0);
                EXPECT_EQ(f.date, (FlexDate{3, static_cast<std::uint8_t>(i + 1), 87}));
                const FlexFileRead r = readFlexFile(disk, f.name);
                EXPECT_EQ(r.failure, FlexFileFailure::None);
                EXPECT_EQ(r.bytes, bytes) << f.name;
                used += f.sectors;
            }
            // Track 0 and the files' sectors, the deleted file's included, are not free.
            EXPECT_EQ(disk.freeSectors, static_cast<int>(disk.geometry.sectors()) - disk.geometry.sectorsPerTrack - used);
            EXPECT_EQ(readFlexFile(disk, "d001.usr").bytes, asCopied(fileBytes(sizeOf(1), 1)));
            const FlexFileRead missing = readFlexFile(disk, "D004.USR");
            EXPECT_EQ(missing.failure, FlexFileFailure::NoSuchFile);
            EXPECT_EQ(missing.words, "the disk holds no file named D004.USR");
        }
    }
}

TEST(FlexDisk, ALoopOrAFarLinkIsRefusedWhereItIsMet) {
    FlexImage image(kDoubleSided);
    const auto looped = image.addFile("LOOP.USR", fileBytes(5 * 252, 1));
    const auto far = image.addFile("FAR.USR", fileBytes(5 * 252, 2));
    const auto noSector = image.addFile("ZERO.USR", fileBytes(3 * 252, 3));
    image.addFile("GOOD.USR", fileBytes(3 * 252, 4));
    image.link(looped[4], looped[1]);
    image.link(far[1], {80, 1});
    image.link(noSector[0], {7, 0});
    for (const Bytes& bytes : {image.raw(), image.imageDisk()}) {
        const FlexDisk disk = readDisk(bytes);
        const FlexFile& loop = fileNamed(disk, "LOOP.USR");
        EXPECT_EQ(loop.state, FlexFileState::Broken);
        EXPECT_EQ(loop.chainSectors, 5);
        EXPECT_EQ(loop.problem, "its chain of sectors returns to track 1 sector 2 after 5 sectors");
        const FlexFile& farFile = fileNamed(disk, "FAR.USR");
        EXPECT_EQ(farFile.chainSectors, 2);
        EXPECT_EQ(farFile.problem, "track 1 sector 7, sector 2 of its chain, links to track 80 sector 1, off the disk's 80 tracks of 36 sectors");
        EXPECT_EQ(fileNamed(disk, "ZERO.USR").problem,
                  "track 1 sector 11, sector 1 of its chain, links to track 7 sector 0, off the disk's 80 tracks of 36 sectors");
        EXPECT_EQ(fileNamed(disk, "GOOD.USR").state, FlexFileState::Whole);
        const FlexFileRead r = readFlexFile(disk, "LOOP.USR");
        EXPECT_EQ(r.failure, FlexFileFailure::BrokenChain);
        EXPECT_EQ(r.words, loop.problem);
        EXPECT_TRUE(r.bytes.empty());
    }
}

TEST(FlexDisk, SectorsAnImageDiskFileLacksOrReadWithErrorsAreSaidPerFile) {
    FlexImage image;
    const auto absent = image.addFile("ABSENT.USR", fileBytes(3 * 252, 1));
    const auto unread = image.addFile("UNREAD.USR", fileBytes(3 * 252, 2));
    const auto error = image.addFile("ERROR.USR", fileBytes(3 * 252, 3));
    const auto good = image.addFile("GOOD.USR", fileBytes(3 * 252, 4));
    image.leaveOut(absent[1]);
    image.addBadCopy(good[1]);
    image.markUnreadable(unread[0]);
    image.markDataError(error[1]);
    const FlexDisk disk = readDisk(image.imageDisk());
    EXPECT_EQ(fileNamed(disk, "ABSENT.USR").problem, "track 1 sector 2, sector 2 of its chain, is not in the image");
    EXPECT_EQ(fileNamed(disk, "UNREAD.USR").problem, "its first sector, track 1 sector 4, could not be read when the image was made");
    const FlexFileRead e = readFlexFile(disk, "ERROR.USR");
    EXPECT_EQ(e.failure, FlexFileFailure::None);
    EXPECT_EQ(e.file->state, FlexFileState::Doubtful);
    EXPECT_EQ(e.words, "track 1 sector 8 was read with a data error, so its bytes may be wrong");
    EXPECT_EQ(e.bytes, fileBytes(3 * 252, 3));
    // The clean copy of a sector the image holds twice is read.
    const FlexFileRead g = readFlexFile(disk, "GOOD.USR");
    EXPECT_EQ(g.bytes, fileBytes(3 * 252, 4));
    EXPECT_EQ(g.file->state, FlexFileState::Whole);
    EXPECT_EQ(disk.notes, std::vector<std::string>{"1 sector is in the image more than once; the best read copy of each is read"});

    // A System Information Record that gives the disk one track less.
    std::uint8_t* sir = image.sector({0, 3});
    sir[0x26] = 33;
    sir[0x1F] = 33;
    EXPECT_EQ(readDisk(image.imageDisk()).notes.at(0),
              "10 sectors of the image lie off the disk's 34 tracks of 10 sectors (as its System Information Record gives them): not read");
}

TEST(FlexDisk, ChainsThatDisagreeWithTheDirectoryOrRunIntoAnotherAreDoubtful) {
    FlexImage image;
    const auto first = image.addFile("FIRST.USR", fileBytes(4 * 252, 1));
    const auto cut = image.addFile("CUT.USR", fileBytes(4 * 252, 2));
    const auto joins = image.addFile("JOINS.USR", fileBytes(2 * 252, 3));
    image.link(cut[1], {});
    image.link(joins[1], first[2]);
    const FlexDisk disk = readDisk(image.raw());
    EXPECT_EQ(fileNamed(disk, "CUT.USR").problem, "the directory gives 4 sectors, its chain holds 2");
    EXPECT_EQ(fileNamed(disk, "FIRST.USR").problem, "the chain of JOINS.USR runs into its own at track 1 sector 3");
    const FlexFileRead r = readFlexFile(disk, "JOINS.USR");
    EXPECT_EQ(r.words, "its chain runs into that of FIRST.USR at track 1 sector 3; the directory gives 2 sectors, its chain holds 4");
    Bytes want = fileBytes(2 * 252, 3);
    const Bytes tail = fileBytes(4 * 252, 1);
    want.insert(want.end(), tail.begin() + 2 * 252, tail.end());
    EXPECT_EQ(r.bytes, want);
}

TEST(FlexDisk, ADamagedDirectoryIsReadOnceAndSaid) {
    FlexImage image;
    for (unsigned i = 0; i < 30; ++i) image.addFile(nameOf(i), fileBytes(10, i));
    image.link({0, 7}, {0, 5});
    FlexDisk disk = readDisk(image.raw());
    EXPECT_EQ(disk.files.size(), 30u);
    EXPECT_EQ(disk.notes, std::vector<std::string>{"the directory's chain of sectors returns to track 0 sector 5; it is read once"});
    image.link({0, 6}, {35, 5});
    disk = readDisk(image.raw());
    EXPECT_EQ(disk.files.size(), 20u);
    EXPECT_EQ(disk.notes.at(0), "the directory links to track 35 sector 5, off the disk's 35 tracks of 10 sectors; the files listed after it are lost");
}

TEST(FlexDisk, NoBankFileIsTakenForADisk) {
    for (const auto& entry : std::filesystem::directory_iterator(VORNAK_SOURCE_DIR "/examples"))
        EXPECT_EQ(diskImageKind(readFile(entry.path().string())), DiskImageKind::None) << entry.path();
    const std::filesystem::path corpus = corpusPath("waveterm");
    if (std::filesystem::is_directory(corpus)) {
        for (const auto& entry : std::filesystem::directory_iterator(corpus))
            EXPECT_EQ(diskImageKind(readFile(entry.path().string())), DiskImageKind::None) << entry.path();
    }

    // A memory image whose bytes at track 0 sector 3 would make a System
    // Information Record of a 2-track disk of 10 sectors, the image's size.
    Bytes image = readFile(demoBankPath());
    ASSERT_EQ(image.size(), 5120u);
    std::fill(image.begin() + 512 + 0x1D, image.begin() + 512 + 0x28, 0);
    image[512 + 0x26] = 1;
    image[512 + 0x27] = 10;
    EXPECT_EQ(diskImageKind(image), DiskImageKind::None);
    EXPECT_EQ(readFlexDisk(image).failure, FlexDiskFailure::NotADiskImage);

    // A raw disk one sector short or long is no disk.
    Bytes raw = FlexImage().raw();
    ASSERT_EQ(diskImageKind(raw), DiskImageKind::FlexRaw);
    raw.resize(raw.size() + 256);
    EXPECT_EQ(diskImageKind(raw), DiskImageKind::None);
    raw.resize(raw.size() - 512);
    EXPECT_EQ(diskImageKind(raw), DiskImageKind::None);
}

TEST(FlexDisk, OtherDiskImagesAreRefusedInWords) {
    Bytes td0 = telediskHeader();
    td0.resize(6000, 0x20);
    EXPECT_EQ(diskImageKind(td0), DiskImageKind::Teledisk);
    EXPECT_EQ(readFlexDisk(td0).failure, FlexDiskFailure::Teledisk);
    td0[5] ^= 1;
    EXPECT_EQ(diskImageKind(td0), DiskImageKind::None);

    const Bytes imd = FlexImage().imageDisk();
    const FlexDiskRead cut = readFlexDisk(prefix(imd, imd.size() - 1));
    EXPECT_EQ(cut.failure, FlexDiskFailure::DamagedImageDisk);
    EXPECT_EQ(cut.words, "an ImageDisk file that is damaged or cut short: a sector of cylinder 34 is cut short at byte " +
                             std::to_string(imd.size() - 2));

    // One track of one 512-byte sector, number 3, compressed to zeros.
    Bytes big = {'I', 'M', 'D', ' ', '1', 0x1A, 5, 0, 0, 1, 2, 3, 2, 0};
    EXPECT_EQ(readFlexDisk(big).words, "an ImageDisk image, but not of a FLEX disk: its sectors are 512 bytes, a FLEX disk's 256");
    FlexImage noSir;
    noSir.leaveOut({0, 3});
    EXPECT_EQ(readFlexDisk(noSir.imageDisk()).failure, FlexDiskFailure::NoSystemRecord);
}

TEST(FlexDisk, AWavetermFileOfTheCorpusComesOffADiskAsItself) {
    const std::filesystem::path corpus = corpusPath("waveterm");
    if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "no corpus of Waveterm files here";
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        if (entry.path().extension() != ".USR") continue;
        const Bytes usr = readFile(entry.path().string());
        ASSERT_EQ(usr.size() % 252, 0u) << "a file copied off a FLEX disk is whole sectors";
        FlexImage image(kDoubleSided);
        image.addFile("NOISE.TXT", fileBytes(1000, 1));
        image.addFile("BANK.USR", usr);
        for (const Bytes& disk : {image.raw(), image.imageDisk()}) {
            const FlexFileRead r = readFlexFile(readDisk(disk), "BANK.USR");
            ASSERT_EQ(r.bytes, usr) << entry.path();
            PpgBank fromDisk(87, 20), fromFile(87, 20);
            ASSERT_EQ(loadBank(r.bytes.data(), r.bytes.size(), ModelHint::Detect, fromDisk).code, 0);
            ASSERT_EQ(loadBank(usr.data(), usr.size(), ModelHint::Detect, fromFile).code, 0);
            expectSameBank(fromDisk, fromFile, entry.path().string());
        }
    }
}
