#include "formats/output_kind.h"

namespace vornak {

namespace {

// The image's slots: 100, or 87 when the bank has combis; those storeImage
// does not write stay zero.
SlotUse imageUse(const PpgBank& bank, int first, int last) {
    const ImageSelection s = bank.imageSelection(first, last);
    const int slots = s.combis > 0 ? kImageProgramsWithCombis : kImageProgramsWithoutCombis;
    return {s.first, s.written, slots, s.slots - s.written, slots - s.slots, s.combis};
}

// A program as its packed record holds it.
PpgProgram imageHeld(const PpgProgram& program, int) {
    PackedProgram record{};
    program.encode(record.data());
    return PpgProgram(record.data());
}

// A packed field holds its stored numbers times its scale; a value kept
// through another (a single flag, a mode component) every value of its range.
HeldSteps imageSteps(const Parameter& p) {
    if (p.packed()) return {0, p.mask * p.scale, p.scale};
    if (p.inImage()) return {0, p.max, 1};
    return {};
}

} // namespace

const OutputKind kImageOutput{
    .capacity = kImageProgramsWithoutCombis,
    .takesRange = true,
    .groups = 2,
    .keepsNames = false,
    .memoryImage = true,
    .fill = imageFillProgram,
    .held = imageHeld,
    .steps = imageSteps,
    .use = imageUse,
};

} // namespace vornak
