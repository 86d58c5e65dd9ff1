#include "cli/exporters.h"

#include <array>

#include "formats/corvel.h"
#include "formats/file_io.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/wave2v_bank.h"
#include "formats/waveterm.h"

namespace vornak {

namespace {

// The PPG memory image formats take the program range and ignore the group.
template <std::vector<std::uint8_t> (*Write)(const PpgBank&, int, int)>
std::vector<std::uint8_t> imageBytes(const PpgBank& bank, const ExportRequest& r) {
    return Write(bank, r.rangeStart, r.rangeEnd);
}

// The 2.V variants: 0 parameter bank, 1 chunk bank (fxVersion 1), 2 chunk
// bank (fxVersion 0x10204). /F writes variant 1 and /N variant 0.
template <int Variant>
std::vector<std::uint8_t> bankBytes2V(const PpgBank& bank, const ExportRequest& r) {
    return twoVBytes(bank, r.rangeStart, r.rangeEnd, r.group, Variant);
}

// Corvel files always hold the whole bank.
std::vector<std::uint8_t> corvelBankBytes(const PpgBank& bank, const ExportRequest&) { return corvelBytes(bank); }

using F = ExportFamily;
constexpr std::array<ExportFormat, 8> kExportFormats{{
    {'s', ExportKind::SysEx, "SysEx", "V8 SysEx dump", ".syx", F::Image, true, false, imageBytes<sysExBytes>},
    {'a', ExportKind::WavetermA, "Waveterm A", "Waveterm A file", ".usr", F::Image, true, false, imageBytes<wavetermABytes>},
    {'b', ExportKind::WavetermB, "Waveterm B", "Waveterm B file (the bare memory image)", ".usr", F::Image, true, false,
     imageBytes<wavetermBBytes>},
    {'f', ExportKind::Wave2VChunkV1, "Waldorf 2.V FXB <= V1.1", "Waldorf 2.V bank, up to V1.1", ".fxb", F::TwoV, true, true,
     bankBytes2V<1>},
    {'n', ExportKind::Wave2VParams, "Waldorf 2.V FXB >= V1.2", "Waldorf 2.V bank, V1.2", ".fxb", F::TwoV, true, true,
     bankBytes2V<0>},
    {'o', ExportKind::Wave2VChunkV123, "Waldorf 2.V FXB >= V1.2.3", "Waldorf 2.V bank, V1.2.3 and later", ".fxb", F::TwoV,
     true, true, bankBytes2V<2>},
    {'m', ExportKind::Halvic, "Halvic FXB", "Halvic bank", ".fxb", F::Image, true, false, imageBytes<halvicBytes>},
    {'w', ExportKind::Corvel, "Corvel", "Corvel bank", ".crv", F::Corvel, false, false, corvelBankBytes},
}};

} // namespace

std::span<const ExportFormat> exportFormats() { return kExportFormats; }

const ExportFormat* exportFormatForLetter(char letter) {
    for (const ExportFormat& format : kExportFormats)
        if (format.letter == letter) return &format;
    return nullptr;
}

const ExportFormat* exportFormatForKind(ExportKind kind) {
    for (const ExportFormat& format : kExportFormats)
        if (format.kind == kind) return &format;
    return nullptr;
}

int exportBank(const ExportFormat& format, const PpgBank& bank, const ExportRequest& request) {
    return writeExport(request.path, format.write(bank, request));
}

} // namespace vornak
