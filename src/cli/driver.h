#pragma once

#include <cstddef>
#include <cstdint>

#include "model/ppg_bank.h"

namespace vornak {

void printUsage();

// One run of the tool on the process arguments: banner, switches, load,
// listing, export. Answers the exit code. `inputLimit` is the loader's (see
// loadInputFile).
int runDriver(int argc, const char* const* argv, PpgBank& bank, std::size_t inputLimit = SIZE_MAX);

} // namespace vornak
