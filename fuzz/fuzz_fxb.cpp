// The FXB container: validation, then every accessor and the file bytes of
// what was accepted.

#include "formats/fxb_file.h"

using namespace vornak;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FxbFile file;
    if (!file.parse(data, size)) return 0;
    if (file.isChunkBank) {
        volatile std::uint8_t sink = 0;
        const std::uint8_t* chunk = file.chunkData();
        for (std::uint32_t i = 0; i < file.chunkSize(); i += 97) sink = sink ^ chunk[i];
    } else {
        const std::int32_t programs = static_cast<std::int32_t>(file.headerWord(fxb::kNumPrograms));
        for (std::int32_t i = 0; i < programs; ++i)
            if (file.programBlock(i) == nullptr) break;
    }
    file.setFxId(fourCC("2900"));
    file.setFxVersion(1);
    (void)file.fileBytes();
    return 0;
}
