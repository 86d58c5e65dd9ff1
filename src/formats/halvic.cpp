#include "formats/halvic.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "formats/fxb_file.h"
#include "formats/memory_image.h"
#include "formats/text.h"

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

const Failure kHalvicCut{
    FailureReason::Damaged, 3, "Can't load .fxb file",
    "The Halvic bank is cut short: its memory area is too small to hold a program memory. Try a fresh copy, or save "
    "the bank again from the plug-in.",
    nullptr};

ModelHint guessModel(const std::uint8_t* chunk, std::size_t size) {
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

} // namespace

bool loadHalvic(PpgBank& bank, const std::uint8_t* chunk, std::size_t size, ModelHint hint, ModelHint* used) {
    if (size < kHalvicMinimumChunk) return false;
    if (hint == ModelHint::Detect) hint = guessModel(chunk, size);
    if (used != nullptr) *used = hint;
    bank.loadImage(chunk + kHalvicImageOffset, hint);
    bank.setGlobal(kTuning - kFirstGlobalValue, chunk[kHalvicTuningOffset]);
    return true;
}

std::vector<std::uint8_t> exportHalvic(const PpgBank& bank, int rangeStart, int rangeEnd) {
    FxbFile file;
    if (!file.createChunkBank(static_cast<int>(kHalvicChunkSize))) return {};
    file.setHeaderWord(fxb::kFxId, kHalvicFxId);
    std::uint8_t* chunk = file.chunkData();
    chunk[kHalvicTuningOffset] = static_cast<std::uint8_t>(bank.globals[kTuning - kFirstGlobalValue] & 0xFF);
    bank.storeImage(chunk + kHalvicImageOffset, rangeStart, rangeEnd);
    for (const FixedRun& run : kHalvicFixedBytes)
        for (std::size_t i = 0; i < run.count; ++i) std::memcpy(chunk + run.offset + i * run.width, run.pattern.data(), run.width);
    // The model area (16384..65535) stays as created, all zero, so a bank read
    // back without /2.x has its model decided by the combi markers.
    chunk[kEndMarkerOffset] = kEndMarker;
    return file.fileBytes();
}

namespace {

void readHalvic(LoadInput& in) {
    FxbFile& file = *in.fxb;
    ModelHint used = in.hint;
    if (!loadHalvic(in.bank, file.chunkData(), file.chunkSize(), in.hint, &used)) fail(kHalvicCut);
    noteModelGuess(in, file.chunkData() + kHalvicImageOffset, used);
    if (file.chunkSize() < kHalvicChunkSize) {
        distrust(in, Damage::Cut, 0, 0);
        note(in, NoteCode::ShortChunk,
             cat({"The memory area of this Halvic bank is ", withThousands(file.chunkSize()), " bytes where the plug-in writes ",
                  withThousands(kHalvicChunkSize), "; the program memory in it was read."}));
    }
    noteFxbTrailing(in, file);
}

// The memory image's, and the tuning once for the whole bank.
HeldSteps halvicSteps(const Parameter& p) {
    if (globalOf(p) == kTuning - kFirstGlobalValue) return {0, p.max, 1, true};
    return imageSteps(p);
}

std::vector<std::uint8_t> exportRequested(const PpgBank& bank, const ExportRequest& r) {
    return exportHalvic(bank, r.rangeStart, r.rangeEnd);
}

const char* const kReadsUsage[] = {"Halvic Sound Banks (.FXB)"};

const InputFormat kInputs[] = {{
    .name = "Halvic bank",
    .magic = fxb::kMagic,
    .fxb = FxbBank::Chunk,
    .fxId = kHalvicFxId,
    .writtenBy = ExportKind::Halvic,
    .read = readHalvic,
}};

const ExportFormat kExports[] = {{
    .kind = ExportKind::Halvic,
    .letter = 'm',
    .name = "Halvic bank",
    .extension = ".fxb",
    .layout = &kHalvicLayout,
    .exporter = exportRequested,
    .readsAs = &kInputs[0],
    .usage = "exports to a Halvic .FXB sound bank",
    .usagePlace = 3,
    .label = "Halvic FXB",
}};

const Failure* const kFailures[] = {&kHalvicCut};

} // namespace

const ExportLayout kHalvicLayout = imageLayout(halvicSteps);

const FormatModule kHalvicModule{
    .readsUsage = kReadsUsage,
    .inputs = kInputs,
    .exports = kExports,
    .failures = kFailures,
};

} // namespace vornak
