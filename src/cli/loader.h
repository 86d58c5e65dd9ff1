#pragma once

#include "model/ppg_bank.h"

namespace vornak {

// Reads the input file into one buffer, recognises its format by its first
// bytes and has that format's reader fill the bank. Prints its own message
// and answers 0, or the error code that becomes the exit code. When `format`
// is given it receives the name of the format recognised ("" when none was),
// also when its reader then failed.
int loadInputFile(const char* path, int modelHint, PpgBank& bank, const char** format = nullptr);

} // namespace vornak
