// The loader as a whole: any file in, a bank (or an error code) out; the
// bank is then listed and stored into a memory image, described (sounds and
// values as the listing shows them), reported on for an output format
// (written and read back), and used as the source of a built bank.

#include <cstdio>
#include <span>

#include "library/format_table.h"
#include "cli/input.h"
#include "fuzz_support.h"
#include "library/listed_values.h"
#include "library/sounds.h"
#include "library/compose.h"
#include "library/conversions.h"
#include "listing/listing.h"

using namespace vornak;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::silenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = fuzz::scratchPath("loader");
    fuzz::writeScratch(path, data, size);
    PpgBank bank(87, 20);
    // The model hint comes from the last byte, so that all three are tried.
    const ModelHint hints[] = {ModelHint::Detect, ModelHint::Wave22, ModelHint::Wave23};
    const ModelHint hint = size == 0 ? ModelHint::Detect : hints[data[size - 1] % 3];
    if (loadInputFile(path.c_str(), hint, bank) != 0) return 0;
    printListing(bank, 0, 255, stdout);
    BankImage image{};
    bank.storeImage(image.data(), 0, 255);

    // Banks of a few hundred programs at most: a header may announce 65536.
    if (bank.programCount() > 256) return 0;
    for (const PpgProgram& program : std::span(bank.programs.data(), static_cast<std::size_t>(bank.programCount()))) {
        (void)soundOf(program);
        (void)shownValues(program);
    }
    // One output format per input, chosen by a byte of it, as are the range
    // and the group.
    const int first = size > 1 ? data[size - 2] % 130 : 0;
    const ExportFormat& format = exportFormats()[first % exportFormats().size()];
    (void)reportConversion(format, bank, first, first + 20, first & 1);

    ComposeRequest request;
    request.banks.push_back({"in", data, size});
    request.modelHint = hint;
    request.format = format.kind;
    for (int k = 0; k < 4 && k < bank.programCount(); ++k)
        request.slots.push_back(k == 2 ? std::nullopt : std::optional(ComposeSlot{"in", (first + k) % bank.programCount(), {}}));
    (void)compose(request);
    return 0;
}
