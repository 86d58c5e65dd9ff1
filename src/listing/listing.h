#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "model/ppg_bank.h"

namespace vornak {

// Names come from files. Control bytes (0x01..0x1F and 0x7F) are shown as "?"
// so that a crafted name cannot drive the terminal; everything else is
// shown as it stands.
struct PrintableName {
    explicit PrintableName(const char (&name)[kProgramNameSize]);
    char text[kProgramNameSize];
};

struct ListedValue;
// A value as the listing shows it (TTUNE 40 as "440"), without padding.
std::string shownValue(const ListedValue& value, std::int32_t v);

// The model as the listing names it, PPG-WAVE 2.x: 'V' for a bank read from a
// 2.V file, '3' for at most 87 programs (the Wave 2.3 layout), else '2'.
char modelLetter(const PpgBank& bank);

// Prints the bank as a text report: bank name, combis in use, and programs
// first..last (clamped to the bank), each as a block of labelled lines.
void printListing(const PpgBank& bank, int first, int last, std::FILE* out = stdout);

} // namespace vornak
