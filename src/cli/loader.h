#pragma once

#include <cstddef>
#include <cstdint>

#include "model/ppg_bank.h"

namespace vornak {

// Reads the input file into one buffer, recognises its format by its first
// bytes and has that format's reader fill the bank. Prints its own message
// and answers 0, or the error code that becomes the exit code. When `format`
// is given it receives the name of the format recognised ("" when none was),
// also when its reader then failed. An input of more than `inputLimit` bytes
// is refused as one there is no memory for; more than 1 GiB from a pipe always
// is.
int loadInputFile(const char* path, int modelHint, PpgBank& bank, const char** format = nullptr,
                  std::size_t inputLimit = SIZE_MAX);

} // namespace vornak
