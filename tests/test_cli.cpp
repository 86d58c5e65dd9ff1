// End-to-end runs of the built tool: banner, usage, errors, verbose echo,
// loading of bare memory images and exit codes.

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

const std::string kUsage =
    "Vornak can read PPG Wave Program Bank files in the following formats:\n"
    "  V8 SysEx files (.SYX)\n"
    "  Waveterm A files (.USR, created by PELTAX)\n"
    "  Waveterm B files (.USR, created by PELTBX)\n"
    "  Wave 2.V Sound Banks (.FXB), Steinberg and Waldorf formats\n"
    "  Halvic Sound Banks (.FXB)\n"
    "  Corvel sound banks (.CRV)\n"
    "\n"
    "Syntax: vornak [switches] inputfile\n"
    "Switches:\n"
    "/? ............ gives this information and terminates\n"
    "/L ............ lists input file's contents (default, unless exporting)\n"
    "/Fname ........ exports to a Waldorf 2.V .FXB sound bank\n"
    "/Nname ........ exports to a Waldorf 2.V .FXB sound bank (V1.2 format)\n"
    "/Oname ........ exports to a Waldorf 2.V .FXB sound bank (>=V1.2.3 format)\n"
    "/Mname ........ exports to a Halvic .FXB sound bank\n"
    "/Sname ........ exports to a V8 .SYX file of given name\n"
    "/Aname ........ exports to a Waveterm A Dxxx.USR file of given name\n"
    "/Bname ........ exports to a Waveterm B Dxxx.USR file of given name\n"
    "                (which in effect is just the binary compressed data)\n"
    "/Wname ........ exports to a Corvel sound bank file\n"
    "When multiple export switches are given, only the last one is used.\n"
    "/Plll-uuu ..... exports only programs between lll and uuu (0..max)\n"
    "                each of the two numbers can be omitted; if lll is omitted,\n"
    "                the '-' must be given\n"
    "/Gx ........... export Group x (A or B) to 2.V .FXB (default is A)\n"
    "/v ............ increase verbosity a bit\n"
    "/2.x .......... the file to be loaded is a PPG 2.x (x=2/3) V8 file\n"
    "                (default tries to determine from file contents)\n";

Bytes imageBytes(int size, std::uint8_t fill) { return Bytes(static_cast<std::size_t>(size), fill); }

} // namespace

TEST(Cli, BannerComesFirstAndEndsWithAnEmptyLine) {
    const RunResult r = runTool({});
    EXPECT_EQ(r.out.rfind("Vornak V1.10\n", 0), 0u);
    const std::size_t third = r.out.find('\n', r.out.find('\n', 13) + 1);
    EXPECT_EQ(r.out.substr(third, 2), "\n\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(withoutBanner(r.out), "Not enough command line information\n" + kUsage);
}

TEST(Cli, UsageAndCommandLineErrors) {
    TempDir tmp;
    for (const auto& args : std::vector<std::vector<std::string>>{{"/?"}, {tmp.path("missing"), "/?"}, {"-lv?"}}) {
        const RunResult r = runTool(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(withoutBanner(r.out), kUsage) << "the file is not opened";
    }
    RunResult r = runTool({"/v", "-L"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(withoutBanner(r.out), "Not enough command line information\n" + kUsage);
    r = runTool({"/S", "file"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(withoutBanner(r.out), "Export file name missing\n" + kUsage);
}

TEST(Cli, LoaderMessagesAndCodes) {
    TempDir tmp;
    RunResult r = runTool({"no-such-bank.bin"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(withoutBanner(r.out), "No input file\n");
    r = runTool({tmp.path("no-such-bank.bin")});
    EXPECT_EQ(withoutBanner(r.out).substr(0, 36), "Not enough command line information\n")
        << "an absolute path that does not exist is read as switches";
    r = runTool({tmp.dir().string()});
    EXPECT_EQ(r.exitCode, 1) << "a folder is no input file";
    EXPECT_EQ(withoutBanner(r.out), "No input file\n");

    writeFile(tmp.path("empty"), {});
    r = runTool({tmp.path("empty")});
    EXPECT_EQ(r.exitCode, 6);
    EXPECT_EQ(withoutBanner(r.out), "Unknown file format\n");

    writeFile(tmp.path("short"), imageBytes(5119, 0));
    r = runTool({tmp.path("short")});
    EXPECT_EQ(r.exitCode, 6);

    Bytes zeros = imageBytes(5120, 0);
    zeros[1] = 0x02; // not a FLEX file: the kind byte must come first
    writeFile(tmp.path("image"), zeros);
    r = runTool({tmp.path("image")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("PROG:99 "), std::string::npos);
    EXPECT_NE(r.out.find("PPG-WAVE 2.2 V4"), std::string::npos);

    // A larger file is an image too; the rest is ignored.
    writeFile(tmp.path("big"), imageBytes(9000, 0));
    EXPECT_EQ(runTool({tmp.path("big"), "/2.3"}).out.find("PROG:87 "), std::string::npos);
}

TEST(Cli, ModelHintSetsTheLayoutOfABareImage) {
    TempDir tmp;
    writeFile(tmp.path("image"), imageBytes(5120, 0));
    const RunResult r = runTool({"/23", tmp.path("image")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Combiprograms:\n\n\nPrograms:"), std::string::npos);
    EXPECT_NE(r.out.find("PROG:86 "), std::string::npos);
    EXPECT_EQ(r.out.find("PROG:87 "), std::string::npos);
}

TEST(Cli, VerboseEcho) {
    TempDir tmp;
    writeFile(tmp.path("image"), imageBytes(5120, 0));
    const std::string out = tmp.path("out.fxb");
    RunResult r = runTool({"/v2.2", "/P-7", "/P300", "/FOther.fxb", "/gb", "-W", tmp.path("image"), "/F" + out});
    const std::string echo = "Passed parameters:\n"
                             "Input file: \"" + tmp.path("image") + "\"\n"
                             "Input file is assumed to hold PPG Wave 2.2 program data\n"
                             "Export file: \"" + out + "\" (Waldorf 2.V FXB <= V1.1 format)\n"
                             "Export Group: B\n"
                             "Use program range from 300 to 7\n"
                             "Do not list programs\n";
    EXPECT_EQ(withoutBanner(r.out).substr(0, echo.size()), echo);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(readFile(out).size(), 53000u);
    r = runTool({"-v", "/l", tmp.path("image")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("\"\nUse program range from 0 to 255\nList programs\n\nPrograms:"), std::string::npos);
}

TEST(Cli, AbsoluteInputPathIsAFileName) {
    TempDir tmp;
    writeFile(tmp.path("bank.bin"), imageBytes(5120, 0));
    const RunResult r = runTool({tmp.path("bank.bin")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("PROG:99 "), std::string::npos);
}

TEST(Cli, DemoBankListsEveryKindOfLine) {
    TempDir tmp;
    // The shipped demo bank is what the generator writes.
    const std::string fresh = tmp.path("demo.bin");
    ASSERT_EQ(std::system((std::string(VORNAK_DEMO_TOOL) + " " + fresh).c_str()), 0);
    EXPECT_EQ(readFile(fresh), readFile(demoBankPath()));
    const RunResult r = runTool({demoBankPath()});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* piece : {"Combiprograms:", "CP:19 BK:", "GR:a=BK:", "MULTI:", "PROG:86 \"PPG Program 086\"",
                              "PPG-WAVE 2.3 V6", "GROUP:b  SEMIT:", "GR:b "})
        EXPECT_NE(r.out.find(piece), std::string::npos) << piece;
    EXPECT_EQ(r.out.find("CP:3 "), std::string::npos) << "combis not in use are not listed";
}

TEST(Cli, ShippedExamplesAreWhatTheToolWritesNow) {
    // scripts/make-examples regenerates them when a writer changes on purpose.
    TempDir tmp;
    const std::string examples = std::string(VORNAK_SOURCE_DIR) + "/examples/";
    const std::pair<const char*, const char*> outputs[] = {
        {"S", "demo23.syx"},   {"A", "demo23-a.usr"}, {"B", "demo23-b.usr"}, {"F", "demo23-f.fxb"},
        {"N", "demo23-n.fxb"}, {"O", "demo23-o.fxb"}, {"M", "demo23-m.fxb"}, {"W", "demo23.crv"},
    };
    for (const auto& [letter, file] : outputs) {
        const std::string out = tmp.path(file);
        ASSERT_EQ(runTool({std::string("/") + letter + out, demoBankPath()}).exitCode, 0) << file;
        const Bytes shipped = readFile(examples + file);
        EXPECT_FALSE(shipped.empty()) << file;
        EXPECT_TRUE(readFile(out) == shipped) << file << " differs from what the tool writes";
    }
}
