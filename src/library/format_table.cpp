#include "library/format_table.h"

#include <array>
#include <vector>

#include "formats/bank_2v.h"
#include "formats/corvel.h"
#include "formats/flex_disk_module.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/waveterm.h"

namespace vornak {

namespace {

// In the order of the usage text's lines for the formats read and of the
// exports offered; the disk images, which have neither, last.
const std::array<const FormatModule*, 6> kModules{
    &kSysExModule, &kWavetermModule, &k2VModule, &kHalvicModule, &kCorvelModule, &kFlexDiskModule,
};

constexpr std::array<ModelName, 2> kModelNames{{
    {ModelHint::Wave22, "2.2", "PPG Wave 2.2"},
    {ModelHint::Wave23, "2.3", "PPG Wave 2.3"},
}};

// The rows of every module, one after another.
template <typename Row, std::span<const Row> FormatModule::*Rows>
std::vector<const Row*> rowsOfModules() {
    std::vector<const Row*> rows;
    for (const FormatModule* module : kModules)
        for (const Row& row : module->*Rows) rows.push_back(&row);
    return rows;
}

} // namespace

std::span<const FormatModule* const> formatModules() { return kModules; }

Rows<InputFormat> inputFormats() {
    static const std::vector<const InputFormat*> rows = rowsOfModules<InputFormat, &FormatModule::inputs>();
    return Rows<InputFormat>(rows);
}

Rows<ExportFormat> exportFormats() {
    static const std::vector<const ExportFormat*> rows = rowsOfModules<ExportFormat, &FormatModule::exports>();
    return Rows<ExportFormat>(rows);
}

std::span<const ModelName> modelNames() { return kModelNames; }

const ExportFormat* exportFormat(ExportKind kind) {
    for (const ExportFormat& format : exportFormats())
        if (format.kind == kind) return &format;
    return nullptr;
}

const ExportFormat* exportFormatForLetter(char letter) {
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    for (const ExportFormat& format : exportFormats())
        if (format.letter == letter) return &format;
    return nullptr;
}

} // namespace vornak
