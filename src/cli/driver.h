#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "io/file_io.h"
#include "model/ppg_bank.h"

namespace vornak {

void printUsage(std::FILE* out = stdout);

// The banner every run prints first.
void printBanner(std::FILE* out = stdout);

// One run of the tool on the process arguments: banner, switches, load,
// listing, export. Answers the exit code. `inputLimit` is the loader's (see
// loadInputFile). The input is read and the export written through `files`;
// everything the tool prints goes to `out`.
int runDriver(int argc, const char* const* argv, PpgBank& bank, std::size_t inputLimit = SIZE_MAX,
              FileAccess& files = systemFiles(), std::FILE* out = stdout);

} // namespace vornak
