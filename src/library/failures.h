#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "library/codes.h"

namespace vornak {

// Every way in which loading a file, building a bank or making a file
// fails. Each is one row of the table of failures (failures.cpp), which
// gives its reason code, the tool's exit code, the message the tool prints
// and the explanation the engine gives; the loader, compose and the engine
// answer through it.
enum class Failure {
    NoInput,       // the file cannot be opened or read
    TooLarge,      // no memory to hold the file
    EmptyFile,     // no bytes at all
    UnknownFormat, // no known header, and too short for a memory image (detail: its size)
    FxbPreset,     // an FXB file of one program
    FxbNeither,    // an FXB file of neither kind of bank
    FxbDamaged,    // an FXB bank whose sizes do not hold together
    HalvicCut,     // a Halvic memory area too small for the memory image
    OtherPlugin,   // an FXB bank of another plug-in (detail: its identifier)
    Damaged2V,     // a 2.V bank whose programs do not hold together
    WavetermB,     // a "WB" file too short, or with a wrong length
    WavetermA,     // a file of byte 02 whose first load record is damaged
    // The Corvel reader's own codes, as the rows of the exit codes 1, 2, 3,
    // 4, 6, 10, 11 and 12 say.
    CorvelHeaderCut,
    CorvelHeader,
    CorvelSettingsCut,
    CorvelSettings,
    CorvelCounts,
    CorvelChunkCut,
    CorvelChunk,
    CorvelChunkRest,
    BankNoMemory,  // no memory for the programs a file holds
    Unexpected,    // anything else that escapes a reader
    BadRequest,    // a bank to build, or a file to make, that cannot be made as asked (detail: why)
    SourceUnread,  // a bank to build from cannot be read (details: the slot, the bank's name, why)
    NoMemory,      // no memory for the file to be made
};

// A failure as it is answered: its row, with the details in place of the
// row's "{}" (in order) and its exit code in place of "{code}".
struct FailureAnswer {
    int exitCode;
    FailureReason reason;
    std::string message;     // the tool's line, without its line break; "" when it prints none
    std::string explanation; // in plain words, with what to try
};
FailureAnswer answerOf(Failure failure, const std::vector<std::string>& details = {});

// The Corvel reader's failure of the code it raises; Unexpected for a code
// it has not.
Failure corvelFailure(int code);

// A failure as the library raises it. The exit code and reason of
// SourceUnread are those of the source's own failure.
struct Failed {
    Failure failure;
    std::vector<std::string> details = {};
    int exitCode = 0;
    FailureReason reason = FailureReason::None;

    FailureAnswer answer() const;
};
[[noreturn]] void fail(Failure failure, std::initializer_list<std::string> details = {});

} // namespace vornak
