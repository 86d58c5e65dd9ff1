#pragma once

#include <cstdint>

#include "formats/format_module.h"

namespace vornak {

// What every format that carries the PPG memory image (model/ppg_bank.h)
// shares: how its files hold a bank (kImageLayout), and the note on a memory
// that may have been read as the wrong model.

// The image's slots: 100, or 87 when the bank has combis; those storeImage
// does not write stay zero.
SlotUse imageUse(const PpgBank& bank, int first, int last);
// A program as its packed record holds it.
PpgProgram heldByImage(const PpgProgram& program, int group);
// What the packed record holds of a value: its field's stored numbers
// times its scale; a value kept through another (a single flag, a mode
// component) every value of its range.
HeldSteps imageSteps(const Parameter& value);

// The layout of a file that holds the image, and what `steps` says besides.
constexpr ExportLayout imageLayout(HeldSteps (*steps)(const Parameter& value)) {
    return {
        .capacity = kImageProgramsWithoutCombis,
        .takesRange = true,
        .groups = 2,
        .keepsNames = false,
        .memoryImage = true,
        .fill = imageFillProgram,
        .held = heldByImage,
        .steps = steps,
        .use = imageUse,
    };
}
inline constexpr ExportLayout kImageLayout = imageLayout(imageSteps);

// Whether the image, as the bank was read from it, sets no bit that a PPG
// memory leaves empty: none that a program's or combi's record holds beside
// its values, and none between the programs and the combis or after the
// programs. Such an image comes back byte for byte when it is stored again.
bool leavesEmptyClear(const PpgBank& bank, const std::uint8_t* image);
// The same for the image read in the layout.
bool leavesEmptyClear(const std::uint8_t* image, ModelHint layout);
// Clean read in one layout or the other: a program memory of either model,
// and not likely the bytes of some other kind of file.
bool cleanInEitherLayout(const std::uint8_t* image);

// Without a model switch one combi marked in use makes an image a Wave 2.3
// memory, but a Wave 2.2 memory's programs 87 to 99 may hold 0x55 where a
// Wave 2.3 marks its combis. Where the image, read as a Wave 2.3 memory,
// sets bits that such a memory leaves empty, and read as a Wave 2.2 memory
// sets none, a note says so, and whether the format takes the switch that
// reads it as a Wave 2.2 memory.
void noteModelGuess(LoadInput& in, const std::uint8_t* image, ModelHint hint, bool takesSwitch = true);

} // namespace vornak
