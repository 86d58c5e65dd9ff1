#pragma once

#include "model/ppg_bank.h"

namespace vornak {

void printUsage();

// One run of the tool on the process arguments: banner, switches, load,
// listing, export. Answers the exit code.
int runDriver(int argc, const char* const* argv, PpgBank& bank);

} // namespace vornak
