#include "formats/memory_image.h"

#include <algorithm>

#include "formats/text.h"

namespace vornak {

SlotUse imageUse(const PpgBank& bank, int first, int last) {
    const ImageSelection s = bank.imageSelection(first, last);
    const int slots = s.combis > 0 ? kImageProgramsWithCombis : kImageProgramsWithoutCombis;
    return {s.first, s.written, slots, s.slots - s.written, slots - s.slots, s.combis};
}

PpgProgram heldByImage(const PpgProgram& program, int) {
    PackedProgram record{};
    program.encode(record.data());
    return PpgProgram(record.data());
}

HeldSteps imageSteps(const Parameter& p) {
    if (p.packed()) return {0, p.mask * p.scale, p.scale};
    if (p.inImage()) return {0, p.max, 1};
    return {};
}

bool leavesEmptyClear(const PpgBank& bank, const std::uint8_t* image) {
    const auto programs = static_cast<std::size_t>(bank.programCount());
    const std::uint8_t* unused = image + programs * kPackedProgramSize;
    const std::uint8_t* unusedEnd = image + (bank.combiCount() > 0 ? kCombiAreaOffset : kBankImageSize);
    return std::all_of(bank.programs.begin(), bank.programs.end(), [](const PpgProgram& p) { return p.spareBits == 0; }) &&
           std::all_of(bank.combis.begin(), bank.combis.end(), [](const PpgCombi& c) { return c.spare == PackedCombi{}; }) &&
           std::all_of(unused, unusedEnd, [](std::uint8_t b) { return b == 0; });
}

bool leavesEmptyClear(const std::uint8_t* image, ModelHint layout) {
    PpgBank bank(0, 0);
    bank.loadImage(image, layout);
    return leavesEmptyClear(bank, image);
}

bool cleanInEitherLayout(const std::uint8_t* image) {
    return leavesEmptyClear(image, ModelHint::Wave22) || leavesEmptyClear(image, ModelHint::Wave23);
}

void noteModelGuess(LoadInput& in, const std::uint8_t* image, ModelHint hint, bool takesSwitch) {
    if (hint != ModelHint::Detect || in.bank.combiCount() == 0 || leavesEmptyClear(in.bank, image) ||
        !leavesEmptyClear(image, ModelHint::Wave22))
        return;
    note(in, NoteCode::NeedsModelSwitch,
         cat({"A combi is marked in use, so the memory was read as a Wave 2.3 memory (87 programs and 20 combis), "
              "but bits that a Wave 2.3 memory leaves empty are set in it, as in a Wave 2.2 memory whose programs 87 "
              "to 99 hold 0x55 where a Wave 2.3 marks its combis in use. ",
              takesSwitch ? "If it came from a Wave 2.2, read it with /2.2 (the model switch) to get its 100 programs."
                          : "If it came from a Wave 2.2, its programs 87 to 99 are read as combis: files of this "
                            "format are read by what they hold."}));
}

} // namespace vornak
