// Exports that cannot be written end with exit code 1 and leave the input as
// it was; names from files cannot drive the terminal.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

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
