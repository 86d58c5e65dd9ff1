#include "cli/driver.h"

#include <cstdio>

#include "cli/command_line.h"
#include "cli/exporters.h"
#include "cli/loader.h"
#include "listing/listing.h"

namespace vornak {

namespace {

constexpr const char* kBanner =
    "Vornak V" VORNAK_VERSION "\n"
    "Copyright (C) 2026 the Vornak developers, under the MIT License (see LICENSE)\n"
    "The latest version is published with the Vornak sources (see README.md)\n"
    "\n";

constexpr const char* kUsage =
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

void printEcho(const Settings& s) {
    std::fputs("Passed parameters:\n", stdout);
    std::printf("Input file: \"%s\"\n", s.files.front().c_str());
    if (s.modelHint != -1) std::printf("Input file is assumed to hold PPG Wave 2.%d program data\n", s.modelHint);
    if (const ExportFormat* format = exportFormatForKind(s.exportKind)) {
        std::printf("Export file: \"%s\" (%s format)\n", s.exportPath.c_str(), format->label);
        if (s.exportKind == ExportKind::Wave2VChunkV1) std::printf("Export Group: %c\n", s.exportGroup == 0 ? 'A' : 'B');
    }
    std::printf("Use program range from %d to %d\n", s.rangeStart, s.rangeEnd);
    std::printf("%s programs\n", s.listMode == 1 ? "List" : "Do not list");
}

} // namespace

void printUsage() { std::fputs(kUsage, stdout); }

int runDriver(int argc, const char* const* argv, PpgBank& bank, std::size_t inputLimit) {
    std::fputs(kBanner, stdout);
    const ParsedCommandLine parsed = parseCommandLine(argc, argv);
    const Settings& s = parsed.settings;
    switch (parsed.outcome) {
    case ParseOutcome::Usage:
        printUsage();
        return 1;
    case ParseOutcome::NotEnoughInfo:
        std::fputs("Not enough command line information\n", stdout);
        printUsage();
        return 1;
    case ParseOutcome::ExportPathMissing:
        std::fputs("Export file name missing\n", stdout);
        printUsage();
        return 1;
    case ParseOutcome::Run:
        break;
    }
    if (s.verbose) printEcho(s);

    const int loaded = loadInputFile(s.files.front().c_str(), s.modelHint, bank, nullptr, inputLimit);
    if (loaded != 0) return loaded;
    if (s.listMode == 1) printListing(bank, s.rangeStart, s.rangeEnd);

    const ExportFormat* format = exportFormatForKind(s.exportKind);
    if (format == nullptr) return 0;
    const ExportRequest request{s.exportPath.c_str(), s.rangeStart, s.rangeEnd, s.exportGroup};
    return exportBank(*format, bank, request);
}

} // namespace vornak
