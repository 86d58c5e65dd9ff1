// The tool on FLEX disk images, written by the tests' writer of images: a
// disk listed, a file on it read and converted as the file copied off the
// disk with every switch, names the disk does not hold and broken chains
// refused, and what the library says of files that share sectors or were
// read with errors.

#include <gtest/gtest.h>

#include <filesystem>

#include "flex_image.h"
#include "library/disk.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

Bytes example(const std::string& name) { return readFile(examplePath(name)); }

// A bank, a SysEx dump, a text file, a deleted bank, a bank whose chain
// ends after 10 of its 21 sectors, and one whose chain loops.
FlexImage smallDisk(const FlexLayout& layout = {}) {
    FlexImage disk(layout);
    disk.addFile("D001.USR", example("demo23-a.usr"));
    disk.addFile("DUMP.SYX", example("demo23.syx"), {.month = 12, .day = 31, .year = 86});
    disk.addFile("README.TXT", Bytes(300, 'x'));
    disk.addFile("OLD.USR", example("demo23-a.usr"), {.deleted = true});
    const auto cut = disk.addFile("CUT.USR", example("demo23-a.usr"));
    disk.link(cut[9], {});
    const auto loop = disk.addFile("LOOP.USR", example("demo23-a.usr"));
    disk.link(loop[3], loop[1]);
    return disk;
}

const FlexLayout kDoubleSided{80, 18, 2, "BANKS 1987", 42, 12, 31, 99};

} // namespace

TEST(DiskTool, ListsTheDiskAndWhatEachFileHolds) {
    TempDir tmp;
    writeFile(tmp.path("disk.dsk"), smallDisk().raw());
    const RunResult r = runTool({tmp.path("disk.dsk")});
    EXPECT_EQ(r.exitCode, 0);
    const std::string files =
        "File         Sectors  Date      Holds\n"
        "D001.USR          21  03-09-87  Waveterm A file, 87 programs, 5 combis\n"
        "DUMP.SYX          41  12-31-86  V8 SysEx dump, 87 programs, 5 combis\n"
        "README.TXT         2  03-09-87  not a bank: Unknown file format\n"
        "CUT.USR           21  03-09-87  Waveterm A file, 100 programs (only 45 of its 100 programs are whole in "
        "the file; the directory gives 21 sectors, its chain holds 10)\n"
        "LOOP.USR          21  03-09-87  cannot be read: its chain of sectors returns to track 11 sector 8 after 4 "
        "sectors\n"
        "\n"
        "5 files, 3 banks\n";
    EXPECT_EQ(withoutBanner(r.out), "Disk \"WAVETERM\", volume 1, 07-14-86\n"
                                    "Raw sector image: 35 tracks of 10 sectors, 213 sectors free\n"
                                    "\n" + files);

    // The same files on a double-sided disk, as an ImageDisk file; the model
    // switch applies to the files that take it.
    writeFile(tmp.path("two.imd"), smallDisk(kDoubleSided).imageDisk());
    const RunResult imd = runTool({tmp.path("two.imd"), "/L"});
    EXPECT_EQ(imd.exitCode, 0);
    std::string moved = files;
    moved.replace(moved.find("track 11 sector 8"), 17, "track 3 sector 36");
    EXPECT_EQ(withoutBanner(imd.out), "Disk \"BANKS 1987\", volume 42, 12-31-99\n"
                                      "ImageDisk image: 80 tracks of 36 sectors, 2,717 sectors free\n"
                                      "\n" + moved);
    const RunResult asWave22 = runTool({"/2.2", tmp.path("two.imd")});
    EXPECT_NE(asWave22.out.find("\nDUMP.SYX          41  12-31-86  V8 SysEx dump, 100 programs\n"), std::string::npos);
}

TEST(DiskTool, AFileOnTheDiskReadsAndConvertsAsTheFileCopiedOffIt) {
    TempDir tmp;
    writeFile(tmp.path("one.dsk"), smallDisk().raw());
    writeFile(tmp.path("two.imd"), smallDisk(kDoubleSided).imageDisk());
    writeFile(tmp.path("D001.USR"), asCopied(example("demo23-a.usr")));
    writeFile(tmp.path("DUMP.SYX"), asCopied(example("demo23.syx")));
    // Switches, and an export switch to which the file's path is added.
    const std::vector<std::pair<std::vector<std::string>, std::string>> runs{
        {{}, ""},           {{"/v"}, ""},  {{"/P5-9", "/2.2"}, ""}, {{}, "/S"}, {{}, "/A"},
        {{"/2.3"}, "/B"},   {{"/GB"}, "/F"}, {{}, "/N"},            {{}, "/O"}, {{}, "/M"},
        {{}, "/W"},         {{"/L", "/P80"}, "/S"},
    };
    for (const std::string disk : {"one.dsk", "two.imd"}) {
        for (const std::string member : {"D001.USR", "dump.syx"}) {
            const std::string onDisk = tmp.path(disk) + "/" + member;
            const std::string copied = tmp.path(member == "dump.syx" ? "DUMP.SYX" : member);
            for (const auto& [switches, exportSwitch] : runs) {
                SCOPED_TRACE(onDisk + " " + exportSwitch + (switches.empty() ? "" : " " + switches.front()));
                std::vector<std::string> args = switches;
                if (!exportSwitch.empty()) args.push_back(exportSwitch + tmp.path("out"));
                args.push_back(onDisk);
                const RunResult fromDisk = runTool(args);
                const Bytes diskOut = exportSwitch.empty() ? Bytes{} : readFile(tmp.path("out"));
                args.back() = copied;
                const RunResult fromFile = runTool(args);
                EXPECT_EQ(fromDisk.exitCode, 0);
                EXPECT_EQ(fromDisk.exitCode, fromFile.exitCode);
                // The verbose echo names the input as given.
                std::string want = fromFile.out;
                if (const std::size_t at = want.find(copied); at != std::string::npos) want.replace(at, copied.size(), onDisk);
                EXPECT_EQ(fromDisk.out, want);
                if (!exportSwitch.empty()) {
                    EXPECT_EQ(diskOut, readFile(tmp.path("out")));
                }
            }
        }
    }
}

TEST(DiskTool, WhatCannotBeReadIsRefusedInWordsWithTheToolsCodes) {
    TempDir tmp;
    writeFile(tmp.path("disk.dsk"), smallDisk().raw());
    RunResult r = runTool({tmp.path("disk.dsk") + "/NONE.USR"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(withoutBanner(r.out), "No input file: the disk holds no file named NONE.USR; its files are D001.USR, "
                                    "DUMP.SYX, README.TXT, CUT.USR and LOOP.USR\n");
    r = runTool({"/Sout.syx", tmp.path("disk.dsk") + "/LOOP.USR"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(withoutBanner(r.out), "No input file: LOOP.USR cannot be read off the disk: its chain of sectors "
                                    "returns to track 11 sector 8 after 4 sectors\n");
    // An export needs a bank: the whole disk is refused and nothing written.
    r = runTool({"/L", "/W" + tmp.path("out.crv"), tmp.path("disk.dsk")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(withoutBanner(r.out), "A disk image holds files, not a bank: name one after the image's name and a "
                                    "slash (disk.dsk/NAME.USR)\n");
    EXPECT_FALSE(std::filesystem::exists(tmp.path("out.crv")));
    // A file that is no disk holds no files; a damaged ImageDisk file and a
    // Teledisk file are refused as disks.
    r = runTool({examplePath("demo23.syx") + "/D001.USR"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(withoutBanner(r.out), "No input file: the file is not a disk image, so it holds no file named D001.USR\n");
    const Bytes imd = smallDisk().imageDisk();
    writeFile(tmp.path("cut.imd"), prefix(imd, 100));
    r = runTool({tmp.path("cut.imd") + "/D001.USR"});
    EXPECT_EQ(r.exitCode, 5);
    EXPECT_EQ(withoutBanner(r.out), "Disk image not read: an ImageDisk file that is damaged or cut short: a sector of "
                                    "cylinder 0 is cut short at byte 89\n");
    Bytes td0 = telediskHeader();
    td0.resize(6000);
    writeFile(tmp.path("disk.td0"), td0);
    r = runTool({tmp.path("disk.td0")});
    EXPECT_EQ(r.exitCode, 6);
    EXPECT_EQ(withoutBanner(r.out).substr(0, 55), "Disk image not read: a Teledisk image, which is not rea");
}

// Files whose chains share sectors are read until they have taken as many
// sectors as the disk holds, so that no directory makes the listing read a
// disk many times over; one read with a data error is a bank in doubt.
TEST(DiskReport, ReadsNoMoreThanTheDiskHoldsAndSaysWhatIsInDoubt) {
    FlexImage image;
    image.addFile("BANK.USR", example("demo23-a.usr"));
    const auto big = image.addFile("BIG.DAT", Bytes(200 * 252, 0x41));
    for (int n = 2; n < 5; ++n) {
        image.addFile("SAME" + std::to_string(n) + ".DAT", Bytes(10, 0));
        image.entry(n)[13] = static_cast<std::uint8_t>(big[0].track);
        image.entry(n)[14] = static_cast<std::uint8_t>(big[0].sector);
    }
    image.markDataError({1, 2});
    const DiskReport report = readDisk(image.imageDisk());
    ASSERT_TRUE(report.ok()) << report.failure.message;
    ASSERT_EQ(report.files.size(), 5u);
    const DiskFile& bank = report.files[0];
    EXPECT_EQ(bank.holds, DiskFileHolds::Bank);
    EXPECT_EQ(bank.kind, "Waveterm A file");
    EXPECT_EQ(bank.bytes, 21u * 252);
    EXPECT_EQ(bank.why, "track 1 sector 2 was read with a data error, so its bytes may be wrong");
    EXPECT_EQ(report.files[1].holds, DiskFileHolds::NotABank);
    EXPECT_EQ(report.files[1].why.substr(0, 31), "no header of a known kind, and ");
    // 21 + 200 sectors read, 129 left of the disk's 350: room for none of
    // the 200-sector chains that run into BIG.DAT's.
    for (std::size_t n = 2; n < 5; ++n) {
        EXPECT_EQ(report.files[n].holds, DiskFileHolds::Unreadable);
        EXPECT_EQ(report.files[n].bytes, 0u);
        EXPECT_EQ(report.files[n].kind, "not read");
    }
    EXPECT_EQ(report.banks(), 1);

    // The file is read as a bank all the same, but not one to be trusted.
    PpgBank fromDisk = makeStartupBank();
    const Bytes disk = image.imageDisk();
    const LoadOutcome o = loadBank(disk.data(), disk.size(), ModelHint::Detect, fromDisk, "bank.usr");
    EXPECT_EQ(o.code, 0);
    EXPECT_EQ(o.damage, Damage::Damaged);
    EXPECT_EQ(o.untrusted.size(), 87u);
    expectSameBank(fromDisk, readBytes(example("demo23-a.usr")).bank);

    EXPECT_EQ(readDisk(example("demo23.bin")).failure.message, "Not a disk image");
}
