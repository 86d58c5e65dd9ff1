#include "cli/exporters.h"

#include <array>

#include "formats/sysex.h"
#include "formats/waveterm.h"

namespace vornak {

namespace {

// The PPG memory image formats take the program range and ignore the group.
template <int (*Export)(const PpgBank&, const char*, int, int)>
int exportImage(const PpgBank& bank, const ExportRequest& r) {
    return Export(bank, r.path, r.rangeStart, r.rangeEnd);
}

constexpr std::array<ExportFormat, 8> kExportFormats{{
    {'f', ExportKind::Wave2VChunkV1, "Waldorf 2.V FXB <= V1.1", nullptr},
    {'s', ExportKind::SysEx, "SysEx", exportImage<exportSysEx>},
    {'a', ExportKind::WavetermA, "Waveterm A", exportImage<exportWavetermA>},
    {'b', ExportKind::WavetermB, "Waveterm B", exportImage<exportWavetermB>},
    {'w', ExportKind::Corvel, "Corvel", nullptr},
    {'m', ExportKind::Halvic, "Halvic FXB", nullptr},
    {'n', ExportKind::Wave2VParams, "Waldorf 2.V FXB >= V1.2", nullptr},
    {'o', ExportKind::Wave2VChunkV123, "Waldorf 2.V FXB >= V1.2.3", nullptr},
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
