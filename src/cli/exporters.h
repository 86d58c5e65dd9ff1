#pragma once

#include "cli/command_line.h"
#include "model/ppg_bank.h"

namespace vornak {

struct ExportRequest {
    const char* path;
    int rangeStart;
    int rangeEnd;
    int group; // 0 = group A, 1 = group B
};

// Writes the bank in one format; 0 on success, 1 on failure, prints nothing.
using ExportFn = int (*)(const PpgBank& bank, const ExportRequest& request);

struct ExportFormat {
    char letter;       // switch letter, lower case
    ExportKind kind;
    const char* label; // as the verbose echo names it
    ExportFn run;
};

const ExportFormat* exportFormatForLetter(char letter);
const ExportFormat* exportFormatForKind(ExportKind kind);

} // namespace vornak
