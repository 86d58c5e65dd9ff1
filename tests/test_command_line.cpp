// The switch grammar: combined letters, case folding, the arguments that
// switches take and the ones they swallow.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command_line.h"

using namespace vornak;

namespace {

bool nothingExists(const std::string&) { return false; }
bool homeExists(const std::string& path) { return path.rfind("/home/", 0) == 0; }

ParsedCommandLine parse(std::vector<const char*> args, PathExistsFn exists = nothingExists) {
    args.insert(args.begin(), "vornak");
    return parseCommandLine(static_cast<int>(args.size()), args.data(), exists);
}

} // namespace

TEST(CommandLine, ListingIsTheDefaultUnlessExporting) {
    auto r = parse({"bank.syx"});
    EXPECT_EQ(r.outcome, ParseOutcome::Run);
    EXPECT_EQ(r.settings.listMode, ListMode::On);
    EXPECT_EQ(r.settings.files, std::vector<std::string>{"bank.syx"});
    r = parse({"/Sout.syx", "bank.syx"});
    EXPECT_EQ(r.settings.listMode, ListMode::Off);
    r = parse({"-lsout.syx", "bank.syx"});
    EXPECT_EQ(r.settings.listMode, ListMode::On);
    EXPECT_EQ(r.settings.exportKind, ExportKind::SysEx);
    EXPECT_EQ(r.settings.exportPath, "out.syx");
}

TEST(CommandLine, LettersCombineAndFoldCase) {
    auto r = parse({"-LV", "file"});
    EXPECT_TRUE(r.settings.verbose);
    EXPECT_EQ(r.settings.listMode, ListMode::On);
    r = parse({"/Fvx.fxb", "file"});
    EXPECT_FALSE(r.settings.verbose) << "the export path swallows the rest";
    EXPECT_EQ(r.settings.exportPath, "vx.fxb");
    EXPECT_EQ(r.settings.exportKind, ExportKind::Bank2VChunkV1);
    r = parse({"/xyz?"});
    EXPECT_EQ(r.outcome, ParseOutcome::Usage);
}

TEST(CommandLine, LastExportSwitchWins) {
    auto r = parse({"/Fa.fxb", "/Sb.syx", "file"});
    EXPECT_EQ(r.settings.exportKind, ExportKind::SysEx);
    EXPECT_EQ(r.settings.exportPath, "b.syx");
    r = parse({"/Fa.fxb", "/S", "file"});
    EXPECT_EQ(r.outcome, ParseOutcome::ExportPathMissing);
    r = parse({"/S", "/Fa.fxb", "file"});
    EXPECT_EQ(r.outcome, ParseOutcome::Run);
    EXPECT_EQ(r.settings.exportKind, ExportKind::Bank2VChunkV1);
    r = parse({"/S", "name", "file"});
    EXPECT_EQ(r.outcome, ParseOutcome::ExportPathMissing);
    const char* letters = "fsabwmno";
    for (int kind = 1; kind <= 8; ++kind) {
        std::string arg = std::string("/") + letters[kind - 1] + "x";
        EXPECT_EQ(static_cast<int>(parse({arg.c_str(), "f"}).settings.exportKind), kind) << arg;
    }
}

TEST(CommandLine, Ranges) {
    struct Case {
        const char* arg;
        int start, end;
    } cases[] = {{"/P10-20", 10, 20}, {"/P-20", 0, 20}, {"/P10", 10, 255}, {"/P10-", 10, 0},
                 {"/P", 0, 255},      {"/P -5", -5, 5}, {"/p7x-3", 7, 3},  {"/P99999999999-1", 2147483647, 1}};
    for (const Case& c : cases) {
        auto r = parse({c.arg, "f"});
        EXPECT_EQ(r.settings.rangeStart, c.start) << c.arg;
        EXPECT_EQ(r.settings.rangeEnd, c.end) << c.arg;
    }
    auto r = parse({"/P30-40", "/P-20", "f"});
    EXPECT_EQ(r.settings.rangeStart, 30) << "an earlier start stands";
    EXPECT_EQ(r.settings.rangeEnd, 20);
    r = parse({"/P30-40", "/P", "f"});
    EXPECT_EQ(r.settings.rangeStart, 0);
    EXPECT_EQ(r.settings.rangeEnd, 40);
}

TEST(CommandLine, GroupAndModelSwitches) {
    EXPECT_EQ(parse({"/Gb", "f"}).settings.exportGroup, 1);
    EXPECT_EQ(parse({"/GB", "f"}).settings.exportGroup, 1);
    EXPECT_EQ(parse({"/GB", "/Ga", "f"}).settings.exportGroup, 0);
    auto r = parse({"/Gbv", "f"});
    EXPECT_TRUE(r.settings.verbose);
    r = parse({"/GB", "/Gc", "f"});
    EXPECT_EQ(r.settings.exportGroup, 1);
    r = parse({"/Gv", "f"});
    EXPECT_FALSE(r.settings.verbose) << "the letter after G is swallowed";
    EXPECT_EQ(r.settings.exportGroup, 0);
    EXPECT_EQ(parse({"/G", "f"}).outcome, ParseOutcome::Run);

    EXPECT_EQ(parse({"/2.3", "f"}).settings.modelHint, ModelHint::Wave23);
    EXPECT_EQ(parse({"/23", "f"}).settings.modelHint, ModelHint::Wave23);
    EXPECT_EQ(parse({"/2.2", "f"}).settings.modelHint, ModelHint::Wave22);
    EXPECT_EQ(parse({"/2", "f"}).settings.modelHint, ModelHint::Detect);
    EXPECT_EQ(parse({"/2.4", "f"}).settings.modelHint, ModelHint::Detect);
    r = parse({"/2v", "f"});
    EXPECT_EQ(r.settings.modelHint, ModelHint::Detect);
    EXPECT_TRUE(r.settings.verbose);
}

TEST(CommandLine, SwitchArgumentsAreRemoved) {
    auto r = parse({"a", "/v", "b"});
    EXPECT_EQ(r.settings.files, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(parse({"/v", "-L", "/", "-"}).outcome, ParseOutcome::NotEnoughInfo);
    EXPECT_EQ(parse({}).outcome, ParseOutcome::NotEnoughInfo);
    r = parse({"-bank.syx", "f"});
    EXPECT_EQ(r.settings.exportKind, ExportKind::WavetermB) << "a leading minus makes switches of a name";
    EXPECT_EQ(r.settings.exportPath, "ank.syx");
    EXPECT_EQ(parse({"./-bank.syx"}).settings.files.front(), "./-bank.syx");
}

TEST(CommandLine, AbsolutePathsThatExistAreFileNames) {
    auto r = parse({"/home/me/bank.syx"}, homeExists);
    EXPECT_EQ(r.outcome, ParseOutcome::Run);
    EXPECT_EQ(r.settings.files.front(), "/home/me/bank.syx");
    EXPECT_EQ(r.settings.exportKind, ExportKind::None);
    // A path that does not exist is still read as switches: "o" exports.
    r = parse({"/home/me/bank.syx"}, nothingExists);
    EXPECT_EQ(r.settings.exportKind, ExportKind::Bank2VChunkV123);
    EXPECT_EQ(r.settings.exportPath, "me/me/bank.syx");
    r = parse({"/S/tmp/out.syx", "/home/x"}, homeExists);
    EXPECT_EQ(r.settings.exportKind, ExportKind::SysEx);
    EXPECT_EQ(r.settings.exportPath, "/tmp/out.syx");
    EXPECT_EQ(r.settings.files.front(), "/home/x");
    EXPECT_EQ(parse({"-home/x"}, homeExists).settings.exportKind, ExportKind::Bank2VChunkV123)
        << "a minus always starts switches";
}
