#include "library/format_table.h"

#include <algorithm>
#include <array>

#include "formats/corvel.h"
#include "formats/fxb_file.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/bank_2v.h"
#include "formats/waveterm.h"
#include "library/readers.h"

namespace vornak {

namespace {

constexpr std::uint8_t kWavetermAMagic[] = {kFlexData};

using B = FxbBank;
constexpr std::array<InputFormat, 8> kInputFormats{{
    {InputKind::SysEx, "V8 SysEx dump", kSysExHeader, B::None, 0, 0, true, readSysEx},
    {InputKind::WavetermA, "Waveterm A file", kWavetermAMagic, B::None, 0, 0, false, readWavetermA},
    {InputKind::WavetermB, "Waveterm B file", kWavetermBMagic, B::None, 0, 0, true, readWavetermB},
    {InputKind::Bank2VChunk, "Waldorf 2.V chunk bank", fxb::kMagic, B::Chunk, 0, 0, false, read2V},
    {InputKind::Bank2VParams, "Waldorf 2.V parameter bank", fxb::kMagic, B::Parameters, 0, 0, false, read2V},
    {InputKind::Halvic, "Halvic bank", fxb::kMagic, B::Chunk, kHalvicFxId, 0, true, readHalvic},
    {InputKind::Corvel, "Corvel bank", fxb::kMagic, B::Any, kCorvelBankId, 0, false, readCorvel},
    {InputKind::MemoryImage, "PPG memory image", {}, B::None, 0, kBankImageSize, true, readMemoryImage},
}};

// The memory image formats take the program range and ignore the group.
template <std::vector<std::uint8_t> (*Write)(const PpgBank&, int, int)>
std::vector<std::uint8_t> imageBytes(const PpgBank& bank, const ExportRequest& r) {
    return Write(bank, r.rangeStart, r.rangeEnd);
}

template <Layout2V Layout>
std::vector<std::uint8_t> bankBytes2V(const PpgBank& bank, const ExportRequest& r) {
    return bytes2V(bank, r.rangeStart, r.rangeEnd, r.group, Layout);
}

// Corvel files always hold the whole bank.
std::vector<std::uint8_t> corvelBankBytes(const PpgBank& bank, const ExportRequest&) { return corvelBytes(bank); }

using K = ExportKind;
constexpr std::array<ExportFormat, 8> kExportFormats{{
    {K::SysEx, 's', "V8 SysEx dump", ".syx", &kImageOutput, imageBytes<sysExBytes>, InputKind::SysEx},
    {K::WavetermA, 'a', "Waveterm A file", ".usr", &kImageOutput, imageBytes<wavetermABytes>, InputKind::WavetermA},
    {K::WavetermB, 'b', "Waveterm B file (the bare memory image)", ".usr", &kImageOutput, imageBytes<wavetermBBytes>,
     InputKind::MemoryImage},
    {K::Bank2VChunkV1, 'f', "Waldorf 2.V bank, up to V1.1", ".fxb", &k2VOutput, bankBytes2V<Layout2V::ChunkBankV1>,
     InputKind::Bank2VChunk},
    {K::Bank2VParams, 'n', "Waldorf 2.V bank, V1.2", ".fxb", &k2VOutput, bankBytes2V<Layout2V::ParameterBank>,
     InputKind::Bank2VParams},
    {K::Bank2VChunkV123, 'o', "Waldorf 2.V bank, V1.2.3 and later", ".fxb", &k2VOutput,
     bankBytes2V<Layout2V::ChunkBankV123>, InputKind::Bank2VChunk},
    {K::Halvic, 'm', "Halvic bank", ".fxb", &kImageOutput, imageBytes<halvicBytes>, InputKind::Halvic},
    {K::Corvel, 'w', "Corvel bank", ".crv", &kCorvelOutput, corvelBankBytes, InputKind::Corvel},
}};

constexpr std::array<ModelName, 2> kModelNames{{
    {ModelHint::Wave22, "2.2", "PPG Wave 2.2"},
    {ModelHint::Wave23, "2.3", "PPG Wave 2.3"},
}};

} // namespace

std::span<const InputFormat> inputFormats() { return kInputFormats; }

std::span<const ModelName> modelNames() { return kModelNames; }

const InputFormat& inputFormat(InputKind kind) {
    for (const InputFormat& format : kInputFormats)
        if (format.kind == kind) return format;
    return kInputFormats.back();
}

bool InputFormat::holdsNames() const {
    return std::any_of(kExportFormats.begin(), kExportFormats.end(),
                       [&](const ExportFormat& f) { return f.readsAs == kind && f.keepsNames(); });
}

std::span<const ExportFormat> exportFormats() { return kExportFormats; }

const ExportFormat* exportFormat(ExportKind kind) {
    for (const ExportFormat& format : kExportFormats)
        if (format.kind == kind) return &format;
    return nullptr;
}

const ExportFormat* exportFormatForLetter(char letter) {
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    for (const ExportFormat& format : kExportFormats)
        if (format.letter == letter) return &format;
    return nullptr;
}

} // namespace vornak
