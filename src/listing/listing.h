#pragma once

#include <cstdio>

#include "model/ppg_bank.h"

namespace vornak {

// Prints the bank as a text report: bank name, combis in use, and programs
// first..last (clamped to the bank), each as a block of labelled lines.
void printListing(const PpgBank& bank, int first, int last, std::FILE* out = stdout);

} // namespace vornak
