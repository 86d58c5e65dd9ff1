#pragma once

#include <span>
#include <string>
#include <vector>

#include "library/format_table.h"
#include "library/loader.h"
#include "model/ppg_bank.h"

namespace vornak {

// What exporting a bank in one format keeps, found by exporting it with the
// format's own exporter and reading the bytes back as the tool reads a
// file: without a model switch, which no later reader of the file is told
// to give. Where the file reads back otherwise than it was written (as
// another format, or as the other model), a note says so; the values are
// compared with the file read as what it was written as.
struct ConversionReport {
    const ExportFormat* format = nullptr;
    int programs = 0;   // how many of the bank's programs the file holds
    int first = 0;      // the first of them; the others follow it in order
    int slots = 0;      // program slots the file has
    int filled = 0;     // slots that get the format's fill program
    int blank = 0;      // memory image slots left as zero bytes
    bool names = true;  // every program name written comes back, as the file gave it
    int combis = 0;     // combis the file holds
    std::vector<std::string> dropped; // what does not come back, in words
    std::vector<LoadNote> notes;      // how the file reads back, where not as written
    // The programs written (by their numbers in the bank written from)
    // whose values the bank itself does not wholly and reliably hold, as
    // noteUntrusted gives them; ascending.
    std::vector<int> untrusted;
    std::string text;   // the whole report as one sentence
};

// The report for writing programs first..last (as /P gives them) of group
// `group` (as /G gives it) in the format. `namesCut` are the programs whose
// names were cut to 27 characters when the bank was read
// (LoadOutcome::namesCut): a format that keeps names keeps them so.
ConversionReport reportConversion(const ExportFormat& format, const PpgBank& bank, int first, int last, int group,
                                  std::span<const int> namesCut = {});
// The same for the bytes that the format's exporter made of the bank so (none
// when it could not make them). `readBack`, when given, receives the bank as
// the file gives it back (read as what it was written as); it is left as it
// was when the file could not be made.
ConversionReport reportConversion(const ExportFormat& format, const PpgBank& bank, const std::vector<std::uint8_t>& bytes,
                                  int first, int last, int group, std::span<const int> namesCut = {},
                                  PpgBank* readBack = nullptr);

// The report's sentence, made again after something was added to `dropped`.
std::string reportText(const ConversionReport& report, int bankPrograms);

// Why a name cannot be a program's or a bank's name, in words beginning with
// `what`: the bank model holds at most 27 bytes, none of them a control
// character. Empty when it can.
std::string nameProblem(const std::string& name, const std::string& what);

// Gives a program of a bank the loader read a new name, as a conversion
// with names does: a name that was cut when the file was read is then no
// longer the program's, and `namesCut` (LoadOutcome::namesCut) no longer
// counts it. Answers why the name cannot be a program's, in words ("" when
// it was given).
std::string renameProgram(PpgBank& bank, int program, const std::string& name, std::vector<int>& namesCut);

// Adds to the report the programs it writes that cannot be trusted: those
// of `untrusted` (the loaded bank's, LoadOutcome::untrusted, ascending)
// among the programs written; the sentence says them.
void noteUntrusted(ConversionReport& report, std::span<const int> untrusted, int bankPrograms);

// Whether a name is one that the image formats give every program on
// reading ("PPG Program 012"): such a name is not lost when a file drops it.
bool isImageProgramName(const char* name);

} // namespace vornak
