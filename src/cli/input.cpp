#include "cli/input.h"

#include <algorithm>

#include "cli/disk_listing.h"
#include "library/disk.h"

namespace vornak {

namespace {

// The input file, or the disk image that holds the file the path names.
struct ReadInput {
    InputPath path;
    FileBytes file;
};

ReadInput readInput(const char* path, std::size_t inputLimit, FileAccess& files) {
    ReadInput in{splitInputPath(files, path), {}};
    in.file = files.read(in.path.file.c_str(), kLoadSpareBytes, kLoadCapacity, std::min(kStreamLimit, inputLimit), inputLimit);
    return in;
}

LoadOutcome loadRead(ReadInput& in, ModelHint hint, PpgBank& bank) {
    if (in.file.status != FileBytes::Read)
        return failedLoad(in.file.status == FileBytes::NoMemory ? kTooLarge : kNoInput);
    return loadBuffer(in.file.data.get(), in.file.size, hint, bank, in.path.member);
}

} // namespace

LoadOutcome loadInput(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit, FileAccess& files) {
    ReadInput in = readInput(path, inputLimit, files);
    return loadRead(in, hint, bank);
}

int loadInputFile(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit, FileAccess& files,
                  std::FILE* out, bool* listedDisk) {
    ReadInput in = readInput(path, inputLimit, files);
    const std::span<const std::uint8_t> bytes(in.file.data.get(), in.file.size);
    if (listedDisk != nullptr && in.file.status == FileBytes::Read && in.path.member.empty() && isDiskImage(bytes)) {
        *listedDisk = true;
        return printDisk(readDisk(bytes, hint), out);
    }
    const LoadOutcome outcome = loadRead(in, hint, bank);
    if (!outcome.message.empty()) std::fprintf(out, "%s\n", outcome.message.c_str());
    return outcome.code;
}

} // namespace vornak
