#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/export_layout.h"
#include "listing/listing_table.h"
#include "model/ppg_program.h"

namespace vornak {

// The values a program's listing shows, by their labels: their ranges, what
// an export holds of them, and a program's values as the listing shows them.

// The values a program's listing shows, each label once, in listing order:
// the program's own (WAVETABLE, KEYB-SPLIT, KEYB, TTUNE) and one group's.
const std::vector<const ListedValue*>& listedProgramValues();
const std::vector<const ListedValue*>& listedGroupValues();

// A value the listing shows, by its label: its range in the listing's units
// (the widest any format holds), and whether it is a single flag (a switch,
// 0 or 1).
struct ValueRange {
    const ListedValue* listed;
    const Parameter* row;
    std::int32_t min;
    std::int32_t max;
    bool flag;

    const char* label() const { return row->label; }
};
// In the order of listedProgramValues() or listedGroupValues().
const std::vector<ValueRange>& valueRanges(bool inGroup);
// Nullptr for a label the listing does not show.
const ValueRange* valueRange(bool inGroup, std::string_view label);
// What a file of the layout holds of the value, in the listing's units.
HeldSteps heldSteps(const ExportLayout& layout, const ValueRange& value);

// A program's values as the listing shows them, in the order above.
struct ShownValues {
    std::vector<std::string> program;
    std::vector<std::string> groupA;
    std::vector<std::string> groupB;
};
ShownValues shownValues(const PpgProgram& program);

// The same values as numbers in the listing's units (the stored tuning 40
// as 440), as compose's settings take them. Wider than the values: a
// Corvel bank may hold any whole number a float holds exactly.
struct ListedNumbers {
    std::vector<std::int64_t> program;
    std::vector<std::int64_t> groupA;
    std::vector<std::int64_t> groupB;
};
ListedNumbers listedNumbers(const PpgProgram& program);

// The labels of the values a program's listing shows that a file of the
// layout does not hold (a memory image's program records hold no tuning; a
// 2.V program no keyboard split), from the parameter table. A 2.V bank
// also holds one group of two.
std::vector<const char*> valuesNotHeld(const ExportLayout& layout);

// The sounds (soundOf) of what a file of the layout holds where a bank gave
// it no program: the program that fills its slots, as the file gives it
// back, and a blank memory image slot, zero bytes ("" when its files have
// none).
struct FillSounds {
    std::string fill;
    std::string blank;
};
FillSounds fillSounds(const ExportLayout& layout);

} // namespace vornak
