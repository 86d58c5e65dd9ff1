// Exports that cannot be written end with exit code 1 and leave the input and
// any earlier file of the target's name as they were; exports replace a
// regular file whole; names from files cannot drive the terminal.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "listing/listing.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

TEST(OutputFailures, EveryExportFailsCleanlyWhereItCannotWrite) {
    TempDir tmp;
    const std::string input = tmp.path("bank.bin");
    const Bytes original = readFile(demoBankPath());
    writeFile(input, original);
    const std::string targets[] = {
        tmp.path("no-such-folder/out.bin"), // a missing folder
        tmp.dir().string(),                 // a folder itself
        "/proc/vornak-cannot-create",       // a place nobody may create files in
        "/dev/full",                        // a device that is full
    };
    for (const char letter : std::string("FNOMSABW")) {
        for (const std::string& target : targets) {
            const RunResult r = runTool({std::string("/") + letter + target, input});
            EXPECT_EQ(r.exitCode, 1) << letter << " " << target;
            EXPECT_EQ(withoutBanner(r.out), "") << "exporters print nothing";
        }
    }
    EXPECT_EQ(readFile(input), original) << "reading never writes the input";
}

namespace {

std::vector<std::string> entriesOf(const TempDir& tmp) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(tmp.dir())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
    return st.st_mode;
}

} // namespace

TEST(OutputFailures, AWriteThatFailsPartWayLeavesTheEarlierFileAsItWas) {
    // The tool may write 1024 bytes to a file; every export is longer.
    TempDir tmp;
    const std::string target = tmp.path("bank.out");
    const Bytes earlier = readFile(examplePath("demo23.crv"));
    for (const char letter : std::string("FNOMSABW")) {
        writeFile(target, earlier);
        const RunResult r = runTool({std::string("/") + letter + target, demoBankPath()}, {.fileSizeLimit = 1024});
        EXPECT_EQ(r.exitCode, 1) << letter;
        EXPECT_EQ(withoutBanner(r.out), "") << letter;
        EXPECT_TRUE(readFile(target) == earlier) << letter << ": the earlier file is untouched";
        EXPECT_EQ(entriesOf(tmp), std::vector<std::string>{"bank.out"}) << letter << ": nothing else is left behind";
    }
}

TEST(OutputFailures, AnExportReplacesARegularFileWholeAndWritesOtherTargetsInPlace) {
    TempDir tmp;
    const Bytes syx = readFile(examplePath("demo23.syx"));
    const Bytes earlier(100, 0x55);

    // An existing file keeps its mode; a new one gets 0666 less the umask.
    writeFile(tmp.path("kept.syx"), earlier);
    ASSERT_EQ(chmod(tmp.path("kept.syx").c_str(), 0640), 0);
    EXPECT_EQ(runTool({"/S" + tmp.path("kept.syx"), demoBankPath()}).exitCode, 0);
    EXPECT_TRUE(readFile(tmp.path("kept.syx")) == syx);
    EXPECT_EQ(modeOf(tmp.path("kept.syx")) & 07777, 0640u);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(runTool({"/S" + tmp.path("new.syx"), demoBankPath()}).exitCode, 0);
    EXPECT_EQ(modeOf(tmp.path("new.syx")) & 07777, 0666u & ~mask);

    // The input itself, read whole before the export, is replaced by the export.
    writeFile(tmp.path("bank"), readFile(demoBankPath()));
    EXPECT_EQ(runTool({"/S" + tmp.path("bank"), tmp.path("bank")}).exitCode, 0);
    EXPECT_TRUE(readFile(tmp.path("bank")) == syx);

    // A symbolic link stays a link; the file it names takes the bytes.
    writeFile(tmp.path("linked.syx"), earlier);
    std::filesystem::create_symlink(tmp.path("linked.syx"), tmp.path("link"));
    EXPECT_EQ(runTool({"/S" + tmp.path("link"), demoBankPath()}).exitCode, 0);
    EXPECT_TRUE(S_ISLNK(modeOf(tmp.path("link"))));
    EXPECT_TRUE(readFile(tmp.path("linked.syx")) == syx);
    EXPECT_EQ(entriesOf(tmp), (std::vector<std::string>{"bank", "kept.syx", "link", "linked.syx", "new.syx"}));

    EXPECT_EQ(runTool({"/W/dev/null", demoBankPath()}).exitCode, 0) << "a device is written in place";
}

TEST(OutputFailures, ListingIsPrintedBeforeAFailedExport) {
    const RunResult r = runTool({"-L", "/S/dev/full", demoBankPath()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("PROG:86 "), std::string::npos);
}

TEST(TerminalSafety, ControlBytesInNamesArePrintedAsQuestionMarks) {
    PpgBank bank(1, 1);
    std::strcpy(bank.name, "\x1b]0;pwned\x07");
    std::strcpy(bank.programs[0].name, "Tab\there\x7f");
    bank.combis[0].used = 1;
    std::strcpy(bank.combis[0].name, "\x01\x1f ok \xc3\xa9");
    std::FILE* f = std::tmpfile();
    printListing(bank, 0, 0, f);
    std::string text;
    std::rewind(f);
    for (int c; (c = std::fgetc(f)) != EOF;) text.push_back(static_cast<char>(c));
    std::fclose(f);
    EXPECT_EQ(text.rfind("Bank \"?]0;pwned?\"\n\n", 0), 0u);
    EXPECT_NE(text.find("PROG:0 \"Tab?here?\"\n"), std::string::npos);
    EXPECT_NE(text.find("CP:0  \"?? ok \xc3\xa9\"\n"), std::string::npos) << "bytes above 0x7F stay";
    for (char c : text) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c);
}
