// FLEX disk images, raw or ImageDisk: the System Information Record and the
// directory read, every file's chain followed, every file read off the disk;
// then the disk as the tool lists it (every file loaded, bounded, its bytes
// kept as the engine keeps them) and its first file read by name through
// the loader.

#include <cstdlib>

#include "formats/flex_disk.h"
#include "library/disk.h"
#include "library/loader.h"

using namespace vornak;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const FlexDiskRead read = readFlexDisk({data, size});
    for (const FlexFile& f : read.disk.files) {
        const FlexFileRead file = readFlexFile(read.disk, f.name);
        // A file readable in the listing comes off the disk whole, 252 bytes
        // a sector of its chain; a broken one not at all.
        if (file.file == nullptr) std::abort();
        const bool broken = file.file->state == FlexFileState::Broken;
        if (broken != (file.failure == FlexFileFailure::BrokenChain)) std::abort();
        if (!broken && file.bytes.size() != static_cast<std::size_t>(file.file->chainSectors) * kFlexSectorData) std::abort();
    }
    const DiskReport report = readDisk({data, size}, ModelHint::Detect, true);
    if (report.ok() != (read.failure == FlexDiskFailure::None) || report.files.size() != read.disk.files.size()) std::abort();
    // The bytes kept of each file are those it was read from; none of one
    // that was not read.
    for (const DiskFile& f : report.files)
        if (f.copied.size() != (f.holds == DiskFileHolds::Unreadable ? 0 : f.bytes)) std::abort();
    if (!read.disk.files.empty()) {
        PpgBank bank(87, 20);
        (void)loadBank(data, size, ModelHint::Detect, bank, read.disk.files.front().name);
    }
    return 0;
}
