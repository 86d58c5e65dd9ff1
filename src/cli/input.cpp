#include "cli/input.h"

#include <algorithm>
#include <cstdio>

namespace vornak {

LoadOutcome readFailure(FileBytes::Status status) {
    return failedLoad(status == FileBytes::NoMemory ? Failure::TooLarge : Failure::NoInput);
}

LoadOutcome loadInput(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit) {
    FileBytes file = readWholeFile(path, kLoadSpareBytes, kLoadCapacity, std::min(kStreamLimit, inputLimit), inputLimit);
    if (file.status != FileBytes::Read) return readFailure(file.status);
    return loadBuffer(file.data.get(), file.size, hint, bank);
}

int loadInputFile(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit) {
    const LoadOutcome outcome = loadInput(path, hint, bank, inputLimit);
    if (!outcome.message.empty()) std::printf("%s\n", outcome.message.c_str());
    return outcome.code;
}

} // namespace vornak
