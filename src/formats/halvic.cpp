#include "formats/halvic.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "formats/fxb_file.h"

namespace vornak {

namespace {

// The fixed bytes of a written chunk: a run of `count` copies of `pattern`
// (of `width` bytes) from `offset`.
struct FixedRun {
    std::size_t offset;
    std::size_t count;
    std::size_t width;
    std::array<std::uint8_t, 6> pattern;
};

constexpr std::array<FixedRun, 6> kHalvicFixedBytes{{
    {6148, 1, 4, {0x1A, 0x05, 0x2F, 0xEB}},
    {6210, 1, 1, {0xFF}},
    {6213, 17, 1, {0x03}},
    {6230, 5, 6, {0x98, 0x00, 0x00, 0x20, 0x00, 0x20}},
    {12267, 1, 1, {0xFF}},
    {12268, 10, 2, {0x18, 0x42}},
}};
constexpr std::size_t kEndMarkerOffset = 65540;
constexpr std::uint8_t kEndMarker = 0xFE;

} // namespace

ModelHint halvicModel(const std::uint8_t* chunk, std::size_t size) {
    const std::size_t end = std::min(size, kHalvicScanEnd);
    if (end <= kHalvicScanStart) return ModelHint::Detect;
    const bool found = std::any_of(chunk + kHalvicScanStart, chunk + end, [](std::uint8_t b) { return b != 0; });
    if (!found || kHalvicModelOffset >= size) return ModelHint::Detect;
    switch (chunk[kHalvicModelOffset]) {
    case 0:
        return ModelHint::Wave22;
    case 5:
    case 0x45:
        return ModelHint::Wave23;
    default:
        return ModelHint::Detect;
    }
}

bool loadHalvic(PpgBank& bank, const std::uint8_t* chunk, std::size_t size, ModelHint hint) {
    if (size < kHalvicMinimumChunk) return false;
    if (hint == ModelHint::Detect) hint = halvicModel(chunk, size);
    bank.loadImage(chunk + kHalvicImageOffset, hint);
    const std::int32_t tuning = chunk[kHalvicTuningOffset];
    bank.globals[0] = tuning;
    for (int j = 0; j < bank.programCount; ++j) bank.programs[static_cast<std::size_t>(j)].programValues[kTuning] = tuning;
    return true;
}

std::vector<std::uint8_t> halvicBytes(const PpgBank& bank, int rangeStart, int rangeEnd) {
    FxbFile file;
    if (!file.createChunkBank(static_cast<int>(kHalvicChunkSize))) return {};
    file.setHeaderWord(fxb::kFxId, kHalvicFxId);
    std::uint8_t* chunk = file.chunkData();
    chunk[kHalvicTuningOffset] = static_cast<std::uint8_t>(bank.globals[0] & 0xFF);
    bank.storeImage(chunk + kHalvicImageOffset, rangeStart, rangeEnd);
    for (const FixedRun& run : kHalvicFixedBytes)
        for (std::size_t i = 0; i < run.count; ++i) std::memcpy(chunk + run.offset + i * run.width, run.pattern.data(), run.width);
    // The model area (16384..65535) stays as created, all zero, so a bank read
    // back without /2.x has its model decided by the combi markers.
    chunk[kEndMarkerOffset] = kEndMarker;
    return file.fileBytes();
}

} // namespace vornak
