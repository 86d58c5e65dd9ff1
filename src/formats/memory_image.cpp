#include "formats/memory_image.h"

#include <algorithm>

#include "formats/text.h"

namespace vornak {

namespace {

// A memory image that the model can carry whole is clean in one of the two
// layouts, whatever the hint: a Wave 2.3 memory with no combi in use reads
// as a Wave 2.2 memory without /2.3, and is still a program bank.
void readMemoryImage(LoadInput& in) {
    in.bank.loadImage(in.data, in.hint);
    noteModelGuess(in, in.data, in.hint);
    const bool clean = leavesEmptyClear(in.data, ModelHint::Wave22) || leavesEmptyClear(in.data, ModelHint::Wave23);
    const std::size_t image = kBankImageSize;
    if (in.size != image || !clean) {
        const bool whole = in.size == image;
        note(in, NoteCode::BareImage,
             cat({"The file has no header of a known kind, so ", whole ? "it was read as a bare PPG memory image ("
                                                                       : "its first ",
                  withThousands(image), whole ? " bytes)." : " bytes were read as a bare PPG memory image.",
                  clean ? "" : " Bits that a PPG memory always leaves empty are set in them: this is probably not a program bank."}));
    }
    noteTrailing(in, image, "the memory image");
}

} // namespace

const ExportLayout kImageLayout{
    .capacity = kImageProgramsWithoutCombis,
    .takesRange = true,
    .groups = 2,
    .keepsNames = false,
    .memoryImage = true,
    .fill = imageFillProgram,
    .held = heldByImage,
    .steps = imageSteps,
    .use = imageUse,
};

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

const InputFormat kMemoryImageInput{
    .name = "PPG memory image",
    .magic = {},
    .fxb = FxbBank::None,
    .fxId = 0,
    .minimumSize = kBankImageSize,
    .recognises = nullptr,
    .takesModelHint = true,
    .programNames = false,
    .writtenBy = ExportKind::WavetermB,
    .read = readMemoryImage,
};

const FormatModule kMemoryImageModule{
    .readsUsage = {},
    .inputs = {&kMemoryImageInput, 1},
    .exports = {},
    .failures = {},
};

} // namespace vornak
