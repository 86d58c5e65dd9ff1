#include "cli/driver.h"

#include <cstdio>

#include "cli/command_line.h"
#include "cli/input.h"
#include "io/file_io.h"
#include "listing/listing.h"

namespace vornak {

namespace {

// The usage text's lines for the formats read, one for each family.
constexpr const char* kReadsUsage[] = {
    "V8 SysEx files (.SYX)",
    "Waveterm A files (.USR, created by PELTAX)",
    "Waveterm B files (.USR, created by PELTBX)",
    "Wave 2.V Sound Banks (.FXB), Steinberg and Waldorf formats",
    "Halvic Sound Banks (.FXB)",
    "Corvel sound banks (.CRV)",
};

// The tool's words for each output format, in the order of the usage
// text's export lines: the line after "/Xname ........ " (and a second
// one), and the verbose echo's name of the format.
struct ExportTexts {
    ExportKind kind;
    const char* usage;
    const char* usageMore;
    const char* label;
};
constexpr ExportTexts kExportTexts[] = {
    {ExportKind::Bank2VChunkV1, "exports to a Waldorf 2.V .FXB sound bank", nullptr, "Waldorf 2.V FXB <= V1.1"},
    {ExportKind::Bank2VParams, "exports to a Waldorf 2.V .FXB sound bank (V1.2 format)", nullptr, "Waldorf 2.V FXB >= V1.2"},
    {ExportKind::Bank2VChunkV123, "exports to a Waldorf 2.V .FXB sound bank (>=V1.2.3 format)", nullptr,
     "Waldorf 2.V FXB >= V1.2.3"},
    {ExportKind::Halvic, "exports to a Halvic .FXB sound bank", nullptr, "Halvic FXB"},
    {ExportKind::SysEx, "exports to a V8 .SYX file of given name", nullptr, "SysEx"},
    {ExportKind::WavetermA, "exports to a Waveterm A Dxxx.USR file of given name", nullptr, "Waveterm A"},
    {ExportKind::WavetermB, "exports to a Waveterm B Dxxx.USR file of given name",
     "(which in effect is just the binary compressed data)", "Waveterm B"},
    {ExportKind::Corvel, "exports to a Corvel sound bank file", nullptr, "Corvel"},
};

const ExportTexts& textsOf(ExportKind kind) {
    for (const ExportTexts& t : kExportTexts)
        if (t.kind == kind) return t;
    return kExportTexts[0];
}

constexpr const char* kBanner =
    "Vornak V" VORNAK_VERSION "\n"
    "Copyright (C) 2026 the Vornak developers, under the MIT License (see LICENSE)\n"
    "The latest version is published with the Vornak sources (see README.md)\n"
    "\n";

void printEcho(const Settings& s, std::FILE* out) {
    std::fputs("Passed parameters:\n", out);
    std::fprintf(out, "Input file: \"%s\"\n", s.files.front().c_str());
    if (s.modelHint != ModelHint::Detect)
        std::fprintf(out, "Input file is assumed to hold PPG Wave 2.%d program data\n", static_cast<int>(s.modelHint));
    if (const ExportFormat* format = exportFormat(s.exportKind)) {
        std::fprintf(out, "Export file: \"%s\" (%s format)\n", s.exportPath.c_str(), textsOf(format->kind).label);
        // Only /F names its group.
        if (s.exportKind == ExportKind::Bank2VChunkV1)
            std::fprintf(out, "Export Group: %c\n", s.exportGroup == kGroupA ? 'A' : 'B');
    }
    std::fprintf(out, "Use program range from %d to %d\n", s.rangeStart, s.rangeEnd);
    std::fprintf(out, "%s programs\n", s.listMode == ListMode::On ? "List" : "Do not list");
}

} // namespace

void printUsage(std::FILE* out) {
    std::fputs("Vornak can read PPG Wave Program Bank files in the following formats:\n", out);
    for (const char* line : kReadsUsage) std::fprintf(out, "  %s\n", line);
    std::fputs("\n"
               "Syntax: vornak [switches] inputfile\n"
               "Switches:\n"
               "/? ............ gives this information and terminates\n"
               "/L ............ lists input file's contents (default, unless exporting)\n",
               out);
    for (const ExportTexts& texts : kExportTexts) {
        std::fprintf(out, "/%cname ........ %s\n", exportFormat(texts.kind)->switchLetter(), texts.usage);
        if (texts.usageMore != nullptr) std::fprintf(out, "                %s\n", texts.usageMore);
    }
    std::fputs("When multiple export switches are given, only the last one is used.\n"
               "/Plll-uuu ..... exports only programs between lll and uuu (0..max)\n"
               "                each of the two numbers can be omitted; if lll is omitted,\n"
               "                the '-' must be given\n"
               "/Gx ........... export Group x (A or B) to 2.V .FXB (default is A)\n"
               "/v ............ increase verbosity a bit\n"
               "/2.x .......... the file to be loaded is a PPG 2.x (x=2/3) V8 file\n"
               "                (default tries to determine from file contents)\n",
               out);
}

void printBanner(std::FILE* out) { std::fputs(kBanner, out); }

int runDriver(int argc, const char* const* argv, PpgBank& bank, std::size_t inputLimit, FileAccess& files,
              std::FILE* out) {
    printBanner(out);
    const ParsedCommandLine parsed =
        parseCommandLine(argc, argv, [&files](const std::string& path) { return files.exists(path); });
    const Settings& s = parsed.settings;
    switch (parsed.outcome) {
    case ParseOutcome::Usage:
        printUsage(out);
        return 1;
    case ParseOutcome::NotEnoughInfo:
        std::fputs("Not enough command line information\n", out);
        printUsage(out);
        return 1;
    case ParseOutcome::ExportPathMissing:
        std::fputs("Export file name missing\n", out);
        printUsage(out);
        return 1;
    case ParseOutcome::Run:
        break;
    }
    if (s.verbose) printEcho(s, out);

    const int loaded = loadInputFile(s.files.front().c_str(), s.modelHint, bank, inputLimit, files, out);
    if (loaded != 0) return loaded;
    if (s.listMode == ListMode::On) printListing(bank, s.rangeStart, s.rangeEnd, out);

    const ExportFormat* format = exportFormat(s.exportKind);
    if (format == nullptr) return 0;
    return writeExport(files, s.exportPath.c_str(), format->write(bank, {s.rangeStart, s.rangeEnd, s.exportGroup}));
}

} // namespace vornak
