#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "library/conversions.h"
#include "library/value_setting.h"
#include "model/ppg_bank.h"

namespace vornak {

// A bank built from programs of other banks, and written in one format.
struct ComposeSource {
    std::string name; // the file's name, as slots refer to it
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    // Or none: the same bytes in a buffer laid out as loadBuffer takes it,
    // which compose reads in place (and so may change) instead of copying.
    std::uint8_t* loaderBuffer = nullptr;
};

struct ComposeSlot {
    std::string bank;                // the source's name
    int program = 0;                 // numbered from 0, as the listing numbers them
    std::optional<std::string> name; // a new name; none keeps the source program's
    std::vector<ValueSetting> set{}; // new values, set in this order
};

struct ComposeRequest {
    std::vector<ComposeSource> banks;
    std::vector<std::optional<ComposeSlot>> slots; // none: a slot filled as the format fills missing slots
    ExportKind format = ExportKind::SysEx;
    ModelHint modelHint = ModelHint::Detect;       // how image sources are read, as /2.x says
    int group = kGroupA;                           // the group a 2.V bank receives
    std::optional<std::string> bankName;
};

struct ComposeResult {
    int exitCode = 0;
    std::string message;             // why nothing was written
    FailureReason reason = FailureReason::None; // the same as a fixed code: a source's load failure,
                                                // BadRequest or NoMemory
    std::vector<std::uint8_t> bytes; // the file, as the format's export writes it
    ConversionReport report;         // what the written file keeps of the built bank; its `untrusted`
                                     // the slots whose source programs cannot be trusted
    std::vector<RoundedValue> rounded; // the values set that the format holds only in coarser steps
    // Each slot's program as the file gives it back (soundOf, recordOf),
    // for the slots the file holds.
    std::vector<std::string> sounds;
    std::vector<std::string> records;
};

// Builds the bank: each slot the source program (all its values) under its
// new name, or the format's fill program; no combis, so a memory image has
// room for 100 programs (the format's capacity); the bank-wide 2.V
// settings those that its first program carries, as a 2.V parameter bank
// takes them. Then exports it with the format's exporter. A request that
// cannot be met answers exit code 1 (or the code of a source that cannot be
// read) and a message, and no bytes.
// A value set is written as the format's writer writes the same value
// read from any other file (ValueSetter): down to the step it keeps, within
// what it keeps; one that it does not hold is set all the same, and comes
// back as the format gives it (the report's `dropped` says so). One that the format holds once for the whole bank (a Halvic
// bank's tuning) reaches every program, the last one set where several
// slots set it: `rounded` lists the other slots whose own value it
// replaced, and `dropped` says so in words. A label the listing does not
// show, or a value outside its range, is a request that cannot be met.
ComposeResult compose(const ComposeRequest& request);

} // namespace vornak
