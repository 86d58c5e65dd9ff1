#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/parameters.h"

namespace vornak {

// The values a program's listing block shows, line by line, in the order the
// listing prints them. The listing walks these tables to print, and the
// engine walks them to describe a program, so the two always agree on the
// labels and on how a value is shown.
//
// One value prints as `before`, then, when it is `labelled`, its label from
// the parameter table and `joint`, then the number through `shown` (a printf
// format with one int: the stored value), then `after`. The unlabelled
// columns of the SEMIT, P: and GR: lines are named in the parameter table by
// their position ("P:3", "GR:8"), which the listing does not print. A value
// with a listing offset in the parameter table shows it through `shown`:
// TTUNE's "4%02d" shows the stored 0..99 as 400..499.
struct ListedValue {
    const char* before;
    bool labelled;
    const char* joint;
    const char* shown;
    const char* after;
    std::uint8_t index; // program value (program lines) or group parameter (group lines)
};

// A line of the program block. Program lines print once; group lines print
// for group A and, continued on the same line after four blanks, group B.
// The head of a program line takes the program number when `numbered`; the
// head of a group line takes the program number when `numbered`, else the
// group letter. `tail` ends the line.
struct ListedLine {
    const char* head;
    bool numbered;
    std::span<const ListedValue> values;
    const char* tail;
};

namespace listing {

// " UW1", " DETU:3": the label, then `joint`.
constexpr ListedValue named(const char* before, int index, const char* joint = "", const char* shown = "%d") {
    return {before, true, joint, shown, "", static_cast<std::uint8_t>(index)};
}
// " 12", " (12)": the number alone.
constexpr ListedValue bare(const char* before, int index, const char* after = "") {
    return {before, false, "", "%2d", after, static_cast<std::uint8_t>(index)};
}

inline constexpr ListedValue kProgramLine1[] = {
    named("", 0, ":", "%2d"),
    named(" DTF:0 ", 2, ":", "%2d"),
};
// The model line ends in " CASS:0  PPG-WAVE 2.x Vy", printed by the listing.
inline constexpr ListedValue kProgramLine2[] = {
    named("", 1, ":"),
    named(" ", 13, ":", "4%02d"),
};

inline constexpr ListedValue kGroupLine1[] = {
    named(" ", 54), named(" ", 28), named(" ", 26), named(" ", 24),
    named(" ", 25), named(" ", 45), named(" ", 48), named(" ", 49),
};
inline constexpr ListedValue kGroupLine2[] = {
    named(" ", 29), named(" ", 30), named(" ", 53), named(" ", 50),
    named(" ", 51), named(" ", 52), named(" ", 44), named(" ", 43),
};
inline constexpr ListedValue kGroupLine3[] = {
    named(" ", 27, ":"), named(" ", 47, ":"), named(" ", 46, ":"),
    named(" ", 55, ":"), named(" ", 56, ":"), named(" ", 30, ":"),
};
inline constexpr ListedValue kGroupLine4[] = {
    bare(" ", 31), bare(" ", 32), bare(" ", 33), bare(" ", 34),
    bare(" ", 35), bare(" ", 36), bare(" ", 37), bare(" ", 38),
};
inline constexpr ListedValue kGroupLine5[] = {
    bare("", 15),  bare(" ", 17), bare(" ", 0),  bare("  ", 7), bare(" ", 9), bare(" ", 11),
    bare(" ", 13), bare("  ", 2), bare("  ", 5), bare(" ", 1),  bare(" ", 21),
};
inline constexpr ListedValue kGroupLine6[] = {
    bare(" ", 16), bare(" ", 18), bare(" ", 20), bare("  ", 8), bare(" ", 10),  bare(" ", 12),
    bare(" ", 14), bare(" (", 19, ")"), bare(" ", 3), bare(" ", 6), bare(" ", 4),
};

} // namespace listing

inline constexpr std::array<ListedLine, 2> kProgramLines{{
    {"PROG:%-3d", true, listing::kProgramLine1, "\n"},
    {"", false, listing::kProgramLine2, ""},
}};

inline constexpr std::array<ListedLine, 6> kGroupLines{{
    {"PROG:%-3d", true, listing::kGroupLine1, "\n"},
    {"GROUP:%c ", false, listing::kGroupLine2, "\n\n"},
    {"PROG:%-3d", true, listing::kGroupLine3, "\n"},
    {"GROUP:%c  SEMIT: ", false, listing::kGroupLine4, "\n\n"},
    {"P:%-3d", true, listing::kGroupLine5, "\n"},
    {"GR:%c", false, listing::kGroupLine6, "\n\n\n"},
}};

namespace listing {
// Every value printed with its label has one in the parameter table.
template <std::size_t N>
constexpr bool labelsThere(const std::array<ListedLine, N>& lines, bool inGroup) {
    for (const ListedLine& line : lines)
        for (const ListedValue& value : line.values)
            if (value.labelled && parameter(inGroup, value.index).label == nullptr) return false;
    return true;
}
static_assert(labelsThere(kProgramLines, false) && labelsThere(kGroupLines, true), "a labelled value without a label");
} // namespace listing

} // namespace vornak
