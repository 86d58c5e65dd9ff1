#pragma once

#include <string>
#include <vector>

#include "listing/listing_table.h"
#include "model/ppg_program.h"

namespace vornak {

// A program's record as text: the 51-byte record a PPG memory stores it as
// (both groups, wavetable and keyboard, some values at a coarser step), in
// hexadecimal. Equal records are what the instrument itself would hold
// alike.
std::string recordOf(const PpgProgram& program);

// A program's sound as text: everything the program holds but its name, at
// the resolution it was read with (both groups, wavetable, keyboard,
// tuning, and the values only a 2.V or a Corvel bank holds). Two programs
// have the same sound exactly when their texts are equal, whatever their
// names and whatever file they came from. The text is the record, then
// every value that decoding the record alone would not give, as
// ";p13=45" (program value 13), ";a0=63" or ";b39=2" (group A or B).
std::string soundOf(const PpgProgram& program);

// The values a program's listing shows, each label once, in listing order:
// the program's own (WAVETABLE, KEYB-SPLIT, KEYB, TTUNE) and one group's.
const std::vector<const ListedValue*>& listedProgramValues();
const std::vector<const ListedValue*>& listedGroupValues();

// A program's values as the listing shows them, in the order above.
struct ShownValues {
    std::vector<std::string> program;
    std::vector<std::string> groupA;
    std::vector<std::string> groupB;
};
ShownValues shownValues(const PpgProgram& program);

} // namespace vornak
