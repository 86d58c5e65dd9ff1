#include "cli/exporters.h"

#include <array>

#include "formats/corvel.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/wave2v_bank.h"
#include "formats/waveterm.h"

namespace vornak {

namespace {

// The PPG memory image formats take the program range and ignore the group.
template <int (*Export)(const PpgBank&, const char*, int, int)>
int exportImage(const PpgBank& bank, const ExportRequest& r) {
    return Export(bank, r.path, r.rangeStart, r.rangeEnd);
}

// The 2.V variants: 0 parameter bank, 1 chunk bank (fxVersion 1), 2 chunk
// bank (fxVersion 0x10204). /F writes variant 1 and /N variant 0.
template <int Variant>
int export2VBank(const PpgBank& bank, const ExportRequest& r) {
    return export2V(bank, r.path, r.rangeStart, r.rangeEnd, r.group, Variant);
}

// Corvel files always hold the whole bank.
int exportCorvelBank(const PpgBank& bank, const ExportRequest& r) { return exportCorvel(bank, r.path); }

constexpr std::array<ExportFormat, 8> kExportFormats{{
    {'f', ExportKind::Wave2VChunkV1, "Waldorf 2.V FXB <= V1.1", export2VBank<1>},
    {'s', ExportKind::SysEx, "SysEx", exportImage<exportSysEx>},
    {'a', ExportKind::WavetermA, "Waveterm A", exportImage<exportWavetermA>},
    {'b', ExportKind::WavetermB, "Waveterm B", exportImage<exportWavetermB>},
    {'w', ExportKind::Corvel, "Corvel", exportCorvelBank},
    {'m', ExportKind::Halvic, "Halvic FXB", exportImage<exportHalvic>},
    {'n', ExportKind::Wave2VParams, "Waldorf 2.V FXB >= V1.2", export2VBank<0>},
    {'o', ExportKind::Wave2VChunkV123, "Waldorf 2.V FXB >= V1.2.3", export2VBank<2>},
}};

} // namespace

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

} // namespace vornak
