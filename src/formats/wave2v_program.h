#pragma once

#include <array>
#include <cstdint>

#include "formats/byte_order.h"
#include "model/ppg_program.h"

namespace vornak {

// A 2.V program is an FXB program block of 89 floats (fxID "2900"), each
// standing for an integer 0..max as value / max. The block is 412 bytes:
// the 56-byte block header (numParams 89, prgName) and the floats.
constexpr std::uint32_t k2VFxId = fourCC("2900");
constexpr int k2VParamCount = 89;
constexpr int k2VBlockSize = 56 + 4 * k2VParamCount;

// One row of the parameter map: float parameter `param` carries program
// value `index` (inGroup false) or group parameter `index` (inGroup true).
struct TwoVParam {
    std::uint8_t param;
    bool inGroup;
    std::uint8_t index;
    std::int32_t max;
};

// The parameters that carry one value each. Parameter 31 (the SW switch,
// shifted), 61..63 (mode components) and the flag parameters are mapped by
// their own rules; 0, 1, 65..73, 76 and 77 carry nothing.
inline constexpr std::array<TwoVParam, 58> k2VParamMap{{
    {2, true, 19, 63},       {3, false, 3, 127},      {4, false, 4, 127},      {5, true, 15, 63},
    {6, true, 17, 63},       {7, true, 0, 63},        {8, true, 16, 63},       {9, true, 18, 63},
    {10, true, 20, 63},      {11, true, 7, 63},       {12, true, 9, 63},       {13, true, 11, 63},
    {14, true, 13, 63},      {15, true, 8, 63},       {16, true, 10, 63},      {17, true, 12, 63},
    {18, true, 14, 63},      {19, true, 2, 63},       {20, true, 5, 63},       {21, true, 1, 63},
    {22, true, 21, 63},      {23, true, 3, 63},       {24, true, 6, 63},       {25, true, 4, 63},
    {26, false, 5, 1},       {27, false, 6, 1},       {28, false, 7, 1},       {29, false, kWavetable, 31},
    {32, false, kKeyboardMode, 3}, {33, false, 8, 1}, {34, false, 9, 4},       {35, false, 10, 16383},
    {36, true, 27, 7},       {41, true, 31, 63},      {42, true, 32, 63},      {43, true, 33, 63},
    {44, true, 34, 63},      {45, true, 35, 63},      {46, true, 36, 63},      {47, true, 37, 63},
    {48, true, 38, 63},      {49, true, 26, 7},       {50, true, 24, 7},       {51, true, 25, 7},
    {64, true, 30, 3},       {74, false, 11, 16383},  {75, false, 12, 16383},  {78, false, kTuning, 99},
    {79, false, 14, 16383},  {80, false, 15, 63},     {81, false, 16, 127},    {82, false, 17, 127},
    {83, false, 18, 127},    {84, false, 19, 127},    {85, false, 20, 127},    {86, false, 21, 127},
    {87, false, 22, 127},    {88, false, 23, 127},
}};

// Group parameter 28 travels in parameter 31 as (value + 1) mod 4, max 3.
constexpr int k2VSwitchParam = 31;
// Mode components (group parameters 40, 41, 42) in parameters 61..63.
constexpr int k2VModeParam = 61;
inline constexpr std::array<std::int32_t, 3> k2VModeMax{2, 1, 1};

// Entry b names the float parameter that carries bit b of flag byte 1 (group
// parameter 22, list 0) or flag byte 2 (group parameter 23, list 1); 0: the
// bit is not carried.
inline constexpr std::array<std::array<std::int32_t, 8>, 2> flagParamIndices{{
    {53, 52, 58, 54, 57, 30, 0, 38},
    {37, 55, 56, 0, 59, 60, 39, 40},
}};

// Float parameter to integer: max * (x + 1 / (2 max)) truncated toward zero,
// held at max. NaN gives 0; products beyond the int range give its limits.
std::int32_t paramToInt(float x, std::int32_t max);
float intToParam(std::int32_t v, std::int32_t max);

// Fills a whole program from a block in host order (both groups get the same
// values). Raises code 1 without touching the program unless the header reads
// "CcnK" / "FxCk" / "2900" / fxVersion 1. Reads the 412 bytes of the block.
void decode2V(PpgProgram& program, const std::uint8_t* block);

// Writes one group of the program into a 412-byte block. With writeHeader the
// block is complete and big-endian; without it only the name and the floats
// are written, in host order. Answers 412.
int encode2V(const PpgProgram& program, std::uint8_t* block, int group, std::uint32_t fxVersion, bool writeHeader);

} // namespace vornak
