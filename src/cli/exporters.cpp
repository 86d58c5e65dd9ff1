#include "cli/exporters.h"

#include <array>

namespace vornak {

namespace {

constexpr std::array<ExportFormat, 8> kExportFormats{{
    {'f', ExportKind::Wave2VChunkV1, "Waldorf 2.V FXB <= V1.1", nullptr},
    {'s', ExportKind::SysEx, "SysEx", nullptr},
    {'a', ExportKind::WavetermA, "Waveterm A", nullptr},
    {'b', ExportKind::WavetermB, "Waveterm B", nullptr},
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
