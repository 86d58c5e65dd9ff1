#pragma once

// A program's identity as text, and how near two programs are: computed
// from the program model and the parameter table, so that every tool that
// compares programs (duplicates, names carried between banks, 2.V programs
// linked to the PPG programs they came from, similar sounds) uses one rule.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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

// The program a sound stands for (its values; the name is "Basic"), or
// false for a text that is no sound.
bool programOfSound(std::string_view sound, PpgProgram& program) noexcept;

// Why a text is not a sound whose values all lie within their ranges (the
// parameter table's 0..max), in words ("it is no sound", "program value 13
// is 999, beyond 0 to 99"); empty when it is one. (A Corvel bank may hold
// values beyond the ranges, and its sounds say so.)
std::string soundProblem(std::string_view sound);

// What a 2.V bank keeps of a program when its group A or B is exported: the
// sound of the 2.V program the exporter makes of it. A 2.V program keeps
// itself either way, so a 2.V program written from group B of a program
// has, for A, what that program has for B.
std::string keptBy2V(const PpgProgram& program, int group);

// What a 2.V bank keeps of each group of a program, as keptBy2V gives it,
// where `sound` is the program's own (soundOf): a group kept as the program
// is, or as the other group is kept, takes that sound without making it
// again.
struct KeptSounds {
    std::string a;
    std::string b;
};
KeptSounds keptBy2V(const PpgProgram& program, const std::string& sound);

// How far apart two programs are: every value the program holds (both
// groups), each difference taken over the value's own range, added up. A
// different wavetable counts as one whole value, and so does each switch of
// the flag bytes; values derived from others are not counted twice. Zero
// exactly when the sounds are equal.
double soundDistance(const PpgProgram& a, const PpgProgram& b) noexcept;

// A sound found near another: its place among the sounds searched, and its
// distance (soundDistance).
struct Neighbour {
    std::size_t index;
    double distance;
};

// Sounds read once and searched many times: the sounds of a whole
// collection, given as one text with a line break after each sound.
class SoundIndex {
public:
    SoundIndex();
    ~SoundIndex();
    SoundIndex(const SoundIndex&) = delete;
    SoundIndex& operator=(const SoundIndex&) = delete;

    void assign(std::string_view texts);
    std::size_t size() const;
    // The `count` sounds nearest to `target`, nearest first (ties in the
    // order of the text), by their places in the text. Sounds equal to the
    // target and texts that are no sound are passed over; so is everything
    // when the target is no sound.
    std::vector<Neighbour> nearest(std::string_view target, std::size_t count) const;

    struct Data;

private:
    std::size_t search(const Data& target, Neighbour* best, std::size_t count) const noexcept;
    std::unique_ptr<Data> data_;
};

} // namespace vornak
