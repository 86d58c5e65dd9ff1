#pragma once

#include <cstddef>
#include <cstdio>

#include "io/file_io.h"
#include "library/loader.h"
#include "model/ppg_bank.h"

namespace vornak {

// Reads the whole file through `files` into a buffer as the loader takes
// it, then loads it as loadBuffer does. A path that names a file on a disk
// image ("disk.dsk/D001.USR", see splitInputPath) reads the image and loads
// that file. A file that could not be read in whole gives the tool's
// message and code ("No input file", 1; "Error allocating buffer", 2). An
// input of more than `inputLimit` bytes is refused as one there is no
// memory for; more than 1 GiB from a pipe always is.
LoadOutcome loadInput(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit = kNoFileLimit,
                      FileAccess& files = systemFiles());

// The tool's loader: loadInput, then the message printed to `out` as the
// tool prints it. Answers 0, or the error code that becomes the exit code.
// With `listedDisk`, a whole disk image is not loaded but listed to `out`
// (printDisk), and *listedDisk set; without, it is refused as no bank.
int loadInputFile(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit = kNoFileLimit,
                  FileAccess& files = systemFiles(), std::FILE* out = stdout, bool* listedDisk = nullptr);

} // namespace vornak
