#include "cli/driver.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "cli/command_line.h"
#include "cli/input.h"
#include "io/file_io.h"
#include "listing/listing.h"

namespace vornak {

namespace {

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
        std::fprintf(out, "Export file: \"%s\" (%s format)\n", s.exportPath.c_str(), format->label);
        if (format->echoesGroup)
            std::fprintf(out, "Export Group: %c\n", s.exportGroup == kGroupA ? 'A' : 'B');
    }
    std::fprintf(out, "Use program range from %d to %d\n", s.rangeStart, s.rangeEnd);
    std::fprintf(out, "%s programs\n", s.listMode == ListMode::On ? "List" : "Do not list");
}

} // namespace

void printUsage(std::FILE* out) {
    std::fputs("Vornak can read PPG Wave Program Bank files in the following formats:\n", out);
    for (const FormatModule* module : formatModules())
        for (const char* line : module->readsUsage) std::fprintf(out, "  %s\n", line);
    std::fputs("\n"
               "Syntax: vornak [switches] inputfile\n"
               "Switches:\n"
               "/? ............ gives this information and terminates\n"
               "/L ............ lists input file's contents (default, unless exporting)\n",
               out);
    std::vector<const ExportFormat*> exports;
    for (const ExportFormat& format : exportFormats()) exports.push_back(&format);
    std::sort(exports.begin(), exports.end(),
              [](const ExportFormat* a, const ExportFormat* b) { return a->usagePlace < b->usagePlace; });
    for (const ExportFormat* format : exports) {
        std::fprintf(out, "/%cname ........ %s\n", format->switchLetter(), format->usage);
        if (format->usageMore != nullptr) std::fprintf(out, "                %s\n", format->usageMore);
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
        parseCommandLine(argc, argv, [&files](const std::string& path) { return inputExists(files, path); });
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

    // A whole disk image is listed, unless an export asks for a bank.
    bool listedDisk = false;
    const int loaded = loadInputFile(s.files.front().c_str(), s.modelHint, bank, inputLimit, files, out,
                                     s.exportKind == ExportKind::None ? &listedDisk : nullptr);
    if (loaded != 0 || listedDisk) return loaded;
    if (s.listMode == ListMode::On) printListing(bank, s.rangeStart, s.rangeEnd, out);

    const ExportFormat* format = exportFormat(s.exportKind);
    if (format == nullptr) return 0;
    return writeExport(files, s.exportPath.c_str(), format->exporter(bank, {s.rangeStart, s.rangeEnd, s.exportGroup}));
}

} // namespace vornak
