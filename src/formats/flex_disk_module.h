#pragma once

#include "formats/flex_disk.h"
#include "formats/format_module.h"
#include "model/failure.h"

namespace vornak {

// The module of FLEX disk images (flex_disk.h): raw sector dumps and
// ImageDisk files of a FLEX disk are recognised by their structure, before
// any magic, and Teledisk files are recognised to be refused. A disk image
// holds files, not a bank: read as a whole it is refused, and a file on it,
// named as "NAME.EXT", is taken out as FLEX copies it and read as the file
// it is. Nothing is exported as a disk.
extern const FormatModule kFlexDiskModule;

// The row of the table of failures for a disk image that cannot be read as
// a FLEX disk; its detail is FlexDiskRead::words.
const Failure& flexDiskFailure(FlexDiskFailure failure);

} // namespace vornak
