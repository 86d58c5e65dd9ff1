#pragma once

#include <string>
#include <vector>

#include "listing/listing_table.h"
#include "model/ppg_program.h"

namespace vornak {

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
