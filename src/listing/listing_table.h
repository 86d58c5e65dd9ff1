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
// One value prints as `before`, then the number through `shown` (a printf
// format with one int), then `after`. Its label is the parameter table's
// (the listing's own word for it; the unlabelled columns of the P: and GR:
// lines are named by their position, "P:3", "GR:8").
struct ListedValue {
    const char* before;
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

inline constexpr ListedValue kProgramLine1[] = {
    {"WAVETABLE:", "%2d", "", 0},
    {" DTF:0 KEYB-SPLIT:", "%2d", "", 2},
};
// The model line ends in " CASS:0  PPG-WAVE 2.x Vy", printed by the listing.
inline constexpr ListedValue kProgramLine2[] = {
    {"KEYB:", "%d", "", 1},
    {" TTUNE:", "4%02d", "", 13},
};

inline constexpr ListedValue kGroupLine1[] = {
    {" UW", "%d", "", 54}, {" SW", "%d", "", 28}, {" KW", "%d", "", 26},
    {" KF", "%d", "", 24}, {" KL", "%d", "", 25}, {" MW", "%d", "", 45},
    {" MF", "%d", "", 48}, {" ML", "%d", "", 49},
};
inline constexpr ListedValue kGroupLine2[] = {
    {" BD", "%d", "", 29}, {" BI", "%d", "", 30}, {" TW", "%d", "", 53},
    {" TF", "%d", "", 50}, {" TL", "%d", "", 51}, {" TM", "%d", "", 52},
    {" VF", "%d", "", 44}, {" VL", "%d", "", 43},
};
inline constexpr ListedValue kGroupLine3[] = {
    {" DETU:", "%d", "", 27}, {" MO:", "%d", "", 47}, {" MS:", "%d", "", 46},
    {" EO:", "%d", "", 55},     {" ES:", "%d", "", 56}, {" BI:", "%d", "", 30},
};
inline constexpr ListedValue kGroupLine4[] = {
    {" ", "%2d", "", 31}, {" ", "%2d", "", 32}, {" ", "%2d", "", 33},
    {" ", "%2d", "", 34}, {" ", "%2d", "", 35}, {" ", "%2d", "", 36},
    {" ", "%2d", "", 37}, {" ", "%2d", "", 38},
};
inline constexpr ListedValue kGroupLine5[] = {
    {"", "%2d", "", 15},   {" ", "%2d", "", 17},  {" ", "%2d", "", 0},
    {"  ", "%2d", "", 7},  {" ", "%2d", "", 9},   {" ", "%2d", "", 11},
    {" ", "%2d", "", 13},  {"  ", "%2d", "", 2},  {"  ", "%2d", "", 5},
    {" ", "%2d", "", 1},  {" ", "%2d", "", 21},
};
inline constexpr ListedValue kGroupLine6[] = {
    {" ", "%2d", "", 16},   {" ", "%2d", "", 18},  {" ", "%2d", "", 20},
    {"  ", "%2d", "", 8},   {" ", "%2d", "", 10},  {" ", "%2d", "", 12},
    {" ", "%2d", "", 14},   {" (", "%2d", ")", 19}, {" ", "%2d", "", 3},
    {" ", "%2d", "", 6},   {" ", "%2d", "", 4},
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

} // namespace vornak
