#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "cli/command_line.h"
#include "model/ppg_bank.h"

namespace vornak {

struct ExportRequest {
    const char* path;
    int rangeStart;
    int rangeEnd;
    int group; // 0 = group A, 1 = group B
};

// How a format holds programs: as a PPG memory image (100 slots, 87 when the
// bank has combis), as a 2.V bank (128 slots, one group), or field by field
// as a Corvel bank (the whole bank).
enum class ExportFamily { Image, TwoV, Corvel };

// Makes the bytes of the file a format's export writes; empty when they
// cannot be made (no memory). The path of the request is not used.
using WriteFn = std::vector<std::uint8_t> (*)(const PpgBank& bank, const ExportRequest& request);

struct ExportFormat {
    char letter;           // switch letter, lower case
    ExportKind kind;
    const char* label;     // as the verbose echo names it
    const char* name;      // in words, for people choosing an output
    const char* extension; // of the files it writes, with its dot
    ExportFamily family;
    bool takesRange;       // /P chooses the programs written
    bool takesGroup;       // /G chooses the group written
    WriteFn write;
};

// Every output format, in the order they are offered to people.
std::span<const ExportFormat> exportFormats();
const ExportFormat* exportFormatForLetter(char letter);
const ExportFormat* exportFormatForKind(ExportKind kind);

// Writes the bank in the format to the request's path: 0 on success, 1 on
// failure. Prints nothing.
int exportBank(const ExportFormat& format, const PpgBank& bank, const ExportRequest& request);

} // namespace vornak
