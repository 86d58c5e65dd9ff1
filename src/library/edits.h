#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "library/conversions.h"
#include "library/failures.h"
#include "library/value_setting.h"
#include "model/ppg_bank.h"

namespace vornak {

// A bank read and edited, then written whole as a conversion writes it: new
// sounds and values for some of its programs, new values for some of its
// combis.

struct ProgramEdit {
    int program = 0; // numbered from 0, as the listing numbers them
    // A sound (soundOf) that replaces everything the program holds but its
    // name, before its values are set.
    std::optional<std::string> sound;
    std::vector<ValueSetting> set{}; // new values, set in this order
};

// A new value of a combi, by its label (kCombiValues), as the listing shows it.
struct CombiSetting {
    std::string label;
    double value = 0;
};

struct CombiEdit {
    int combi = 0; // numbered from 0, as the listing numbers them
    std::vector<CombiSetting> set{};
};

struct BankEdits {
    std::vector<ProgramEdit> programs;
    std::vector<CombiEdit> combis;
    bool empty() const { return programs.empty() && combis.empty(); }
};

// Applies the edits to the bank, in order, each program's values as the
// format's writer keeps them (ValueSetter, whose `set` they go through as
// compose's do). A combi edited with any value is marked in use: a combi
// not in use is not listed, so a value set in it would not be seen, and
// one who edits an unused slot means a new combi. A program or combi the bank does not hold, a label its listing
// does not show, a value beyond its range, a sound that is no sound: a
// CodeError kBadRequest, in words.
void applyEdits(PpgBank& bank, const BankEdits& edits, ValueSetter& values);

// The file a conversion of the edited bank writes.
struct EditedFile {
    FailureAnswer failure{0, FailureReason::None, "", ""}; // exit code 1: bad-request or no-memory
    std::vector<std::uint8_t> bytes;
    ConversionReport report;           // as reportConversion makes it for the bank edited
    std::vector<RoundedValue> rounded; // the values set that come back otherwise, by program number (`slot`)
};

// Writes programs first..last of the bank (as /P gives them) of group
// `group` (as /G gives it) in the format, with the edits applied, as the
// format's exporter writes it: without edits, byte for byte a plain
// conversion, and its report. `namesCut` as reportConversion takes it.
EditedFile writeEdited(PpgBank& bank, const BankEdits& edits, const ExportFormat& format, int first, int last, int group,
                       std::span<const int> namesCut);

} // namespace vornak
