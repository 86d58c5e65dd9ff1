#include "cli/input.h"

#include <algorithm>

namespace vornak {

LoadOutcome loadInput(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit, FileAccess& files) {
    FileBytes file = files.read(path, kLoadSpareBytes, kLoadCapacity, std::min(kStreamLimit, inputLimit), inputLimit);
    if (file.status != FileBytes::Read)
        return failedLoad(file.status == FileBytes::NoMemory ? kTooLarge : kNoInput);
    return loadBuffer(file.data.get(), file.size, hint, bank);
}

int loadInputFile(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit, FileAccess& files,
                  std::FILE* out) {
    const LoadOutcome outcome = loadInput(path, hint, bank, inputLimit, files);
    if (!outcome.message.empty()) std::fprintf(out, "%s\n", outcome.message.c_str());
    return outcome.code;
}

} // namespace vornak
