#include "cli/command_line.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>
#include <cstring>

namespace vornak {

namespace {

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Reads the letters of one switch argument (from its second character).
// Answers false when "/?" ends the run.
bool readSwitchLetters(const char* arg, Settings& s) {
    for (const char* c = arg + 1; *c != '\0'; ++c) {
        const char letter = foldCase(*c);
        switch (letter) {
        case '?':
            return false;
        case 'l':
            s.listMode = ListMode::On;
            break;
        case 'v':
            s.verbose = true;
            break;
        case 'p': {
            const char* text = c + 1;
            if (*text == '-') {
                s.rangeEnd = readNumber(text + 1);
            } else {
                s.rangeStart = readNumber(text);
                if (const char* dash = std::strchr(text, '-')) s.rangeEnd = readNumber(dash + 1);
            }
            return true; // the rest of the argument is consumed
        }
        case 'g': {
            if (c[1] == '\0') break; // nothing to consume
            ++c;
            const char group = foldCase(*c);
            if (group == 'a') s.exportGroup = kGroupA;
            if (group == 'b') s.exportGroup = kGroupB;
            break;
        }
        case '2':
            if (c[1] == '.') ++c;
            if (c[1] == '2' || c[1] == '3') {
                ++c;
                s.modelHint = *c == '2' ? ModelHint::Wave22 : ModelHint::Wave23;
            }
            break;
        default:
            if (const ExportFormat* format = exportFormatForLetter(letter)) {
                s.exportKind = format->kind;
                s.exportPath = c + 1;
                return true; // the rest of the argument is the path
            }
            break; // letters without meaning are ignored
        }
    }
    return true;
}

} // namespace

bool pathExists(const std::string& path) {
    // Asked, not opened: opening a FIFO would wait for a writer and then lose
    // what it sent.
    struct stat status;
    return ::stat(path.c_str(), &status) == 0;
}

int readNumber(const char* text) {
    const long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

ParsedCommandLine parseCommandLine(int argc, const char* const* argv, PathExistsFn exists) {
    ParsedCommandLine result;
    Settings& s = result.settings;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const bool switchArgument = arg[0] == '-' || (arg[0] == '/' && !(arg[1] != '\0' && exists(arg)));
        if (!switchArgument) {
            s.files.emplace_back(arg);
            continue;
        }
        if (!readSwitchLetters(arg, s)) {
            result.outcome = ParseOutcome::Usage;
            return result;
        }
    }
    if (s.listMode == ListMode::Undecided) s.listMode = s.exportKind == ExportKind::None ? ListMode::On : ListMode::Off;
    if (s.files.empty())
        result.outcome = ParseOutcome::NotEnoughInfo;
    else if (s.exportKind != ExportKind::None && s.exportPath.empty())
        result.outcome = ParseOutcome::ExportPathMissing;
    return result;
}

} // namespace vornak
