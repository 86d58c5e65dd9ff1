#pragma once

#include <cstdint>

#include "model/parameters.h"
#include "model/ppg_bank.h"

namespace vornak {

// What a kind of output file does with a bank: how many program slots it
// has and which programs land in them, the program that fills the slots
// the bank has no program for, how many groups of a program it holds,
// whether program names come back from it and which values it holds. One
// descriptor for each kind; the writers, the conversion reports, compose
// and the engine's description of the formats all read them.

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

// What a file of a kind holds of a value, as stored: the values min..max in
// steps of `step` from min; step 0 where it does not hold the value at all.
struct HeldSteps {
    std::int32_t min = 0;
    std::int32_t max = 0;
    std::int32_t step = 0;

    constexpr bool held() const { return step != 0; }
    // The held value nearest to v (halves up), within min..max.
    constexpr std::int32_t nearest(std::int32_t v) const {
        if (v <= min) return min;
        if (v >= max) return max;
        const std::int32_t held = min + (v - min + step / 2) / step * step;
        return held > max ? max : held;
    }
};

struct OutputKind {
    int capacity;          // the most programs a file holds (for a bank without combis)
    bool takesRange;       // the range of /P chooses the programs written (else the whole bank is)
    int groups;            // groups of a program a file holds: a 2.V program holds one
    bool keepsNames;       // the program names written come back from the file
    bool memoryImage;      // it holds a PPG memory image, read as a Wave 2.2 or 2.3 memory
    PpgProgram (*fill)();  // the program of the slots the bank has no program for
    // What a file gives back of a program written from `group`, but for its
    // name and what the bank around it holds (a Halvic bank's tuning).
    PpgProgram (*held)(const PpgProgram& program, int group);
    HeldSteps (*steps)(const Parameter& value);
    SlotUse (*use)(const PpgBank& bank, int first, int last);

    bool holds(const Parameter& value) const { return steps(value).held(); }
};

// The kinds: a PPG memory image (100 slots, or 87 and the combis), a
// Waldorf 2.V bank (128 slots, one group), a Corvel bank (the whole bank).
// Each is defined by the unit of its writer: the image here, the others by
// bank_2v.cpp and corvel.cpp.
extern const OutputKind kImageOutput;
extern const OutputKind k2VOutput;
extern const OutputKind kCorvelOutput;

} // namespace vornak
