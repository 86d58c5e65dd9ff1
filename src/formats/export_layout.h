#pragma once

#include <cstdint>

#include "model/parameters.h"
#include "model/ppg_bank.h"

namespace vornak {

// How the files of an export hold a bank: how many program slots they have
// and which programs land in them, the program that fills the slots the
// bank has no program for, how many groups of a program they hold, whether
// program names come back from them and which values they hold. Each format
// module defines the layouts of its exports; the exporters, the conversion
// reports, compose and the engine's description of the formats read them.

// Where a file puts the programs first..last of a bank (as /P gives them):
// programs first .. first + programs - 1 in slots 0 .. programs - 1, the
// fill program in the next `filled` slots, then `blank` memory image slots
// left as zero bytes; and `combis` combis.
struct SlotUse {
    int first = 0;
    int programs = 0;
    int slots = 0; // program slots the file has
    int filled = 0;
    int blank = 0;
    int combis = 0;
};

// What a file holds of a value, as stored: the values min..max in steps of
// `step` from min; step 0 where it does not hold the value at all. A value
// `bankWide` is held once for the whole bank: every program of the file
// gives back the bank's.
struct HeldSteps {
    std::int32_t min = 0;
    std::int32_t max = 0;
    std::int32_t step = 0;
    bool bankWide = false;

    constexpr bool held() const { return step != 0; }
    // How every writer keeps a value between two steps: it divides by the
    // step and drops the rest (a memory image stores P:3 41 as 20, read
    // back 40), so a value goes down to the step below it.
    static constexpr const char* kRounding = "down";
    // The value a file gives back of v: down to the step below it, within
    // min..max (above max, max).
    constexpr std::int32_t written(std::int32_t v) const {
        if (v <= min) return min;
        if (v >= max) return max;
        return min + (v - min) / step * step;
    }
};

struct ExportLayout {
    int capacity;          // the most programs a file holds (for a bank without combis)
    bool takesRange;       // the range of /P chooses the programs exported (else the whole bank is)
    int groups;            // groups of a program a file holds: a 2.V program holds one
    bool keepsNames;       // the program names exported come back from the file
    bool memoryImage;      // it holds a PPG memory image, read as a Wave 2.2 or 2.3 memory
    PpgProgram (*fill)();  // the program of the slots the bank has no program for
    // What a file gives back of a program exported from `group`, but for its
    // name and the values it holds once for the bank (a Halvic bank's tuning).
    PpgProgram (*held)(const PpgProgram& program, int group);
    HeldSteps (*steps)(const Parameter& value);
    SlotUse (*use)(const PpgBank& bank, int first, int last);

    bool holds(const Parameter& value) const { return steps(value).held(); }
};

} // namespace vornak
