#pragma once

#include <string>
#include <vector>

#include "library/format_table.h"
#include "model/ppg_bank.h"

namespace vornak {

// What writing a bank in one output format keeps, found by writing it with
// the format's own writer and reading the bytes back with the tool's reader.
struct ConversionReport {
    const ExportFormat* format = nullptr;
    int programs = 0;   // how many of the bank's programs the file holds
    int first = 0;      // the first of them; the others follow it in order
    int slots = 0;      // program slots the file has
    int filled = 0;     // slots that get the format's fill program
    int blank = 0;      // memory image slots left as zero bytes
    bool names = true;  // every program name written comes back
    int combis = 0;     // combis the file holds
    std::vector<std::string> dropped; // what does not come back, in words
    std::string text;   // the whole report as one sentence
};

// The report for writing programs first..last (as /P gives them) of group
// `group` (as /G gives it) in the format.
ConversionReport reportConversion(const ExportFormat& format, const PpgBank& bank, int first, int last, int group);

// Whether a name is one that the image formats give every program on
// reading ("PPG Program 012"): such a name is not lost when a file drops it.
bool isImageProgramName(const char* name);

} // namespace vornak
