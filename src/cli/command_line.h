#pragma once

#include <functional>
#include <string>
#include <vector>

#include "library/format_table.h"

namespace vornak {

// /L lists; without it a run lists unless it exports.
enum class ListMode { Undecided, Off, On };

struct Settings {
    ExportKind exportKind = ExportKind::None;
    std::string exportPath;
    int rangeStart = 0;
    int rangeEnd = kDefaultRangeEnd;
    int exportGroup = kGroupA;
    ListMode listMode = ListMode::Undecided;
    bool verbose = false;
    ModelHint modelHint = ModelHint::Detect;
    std::vector<std::string> files; // arguments left after the switch arguments were removed
};

enum class ParseOutcome {
    Run,               // settings complete, files[0] is the input
    Usage,             // "/?" was met
    NotEnoughInfo,     // no input file name left
    ExportPathMissing, // an export switch with an empty file name
};

struct ParsedCommandLine {
    ParseOutcome outcome = ParseOutcome::Run;
    Settings settings;
};

// Answers whether a path names something that exists (a file, a folder, a
// FIFO, a device); lets an absolute input path stand as a file name instead
// of being read as switches.
using PathExistsFn = std::function<bool(const std::string& path)>;
bool pathExists(const std::string& path);

// Scans the arguments (argv[1] .. argv[argc - 1]) by the switch grammar:
// "/" or "-" starts a switch argument whose letters are read one by one,
// case-insensitively; switch arguments are removed and the first remaining
// argument is the input file.
ParsedCommandLine parseCommandLine(int argc, const char* const* argv, PathExistsFn exists = pathExists);

// The decimal text-to-integer reading of /P: leading blanks, an optional sign,
// digits up to the first other character; no digits give 0. Values beyond the
// int range are held at its limits.
int readNumber(const char* text);

} // namespace vornak
