#pragma once

#include <cstdio>

#include "library/disk.h"

namespace vornak {

// The tool's listing of a disk image: the disk, then a line a file (its
// name, sectors, date and what it holds), then what is wrong with the disk.
// A disk that cannot be read prints its message instead. Answers the exit
// code: 0, or the failure's.
int printDisk(const DiskReport& report, std::FILE* out);

} // namespace vornak
