#pragma once

#include <cstddef>
#include <cstdint>

#include "model/ppg_bank.h"

namespace vornak {

// Reads the input file into one buffer, recognises its format by its first
// bytes and has that format's reader fill the bank. Prints its own message
// and answers 0, or the error code that becomes the exit code.
int loadInputFile(const char* path, int modelHint, PpgBank& bank);

// The input as the readers see it: the file's bytes at data[0 .. size - 1],
// followed by zero bytes up to at least size + 2 and at least one whole
// memory image (5120 bytes).
struct LoadInput {
    std::uint8_t* data;
    std::size_t size;
    const char* path; // for readers that open the file a second time
    int modelHint;
    PpgBank& bank;
};

// Recognises the format and reads it; messages are printed, codes thrown as
// CodeError. Exposed for the tests and the fuzz targets.
void readInput(LoadInput& input);

} // namespace vornak
