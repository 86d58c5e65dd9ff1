#pragma once

#include <span>
#include <string>
#include <vector>

#include "model/failure.h"

namespace vornak {

// The table of failures: every way in which loading a file, building a bank
// or making a file fails, each a named row (model/failure.h). The format
// modules define theirs; the loader, compose and the engine answer through
// the rows below and theirs alike.

// The library's own failures.
extern const Failure kNoInput;       // the file cannot be opened or read
extern const Failure kTooLarge;      // no memory to hold the file
extern const Failure kEmptyFile;     // no bytes at all
extern const Failure kUnknownFormat; // no known header, and too short for a memory image (details: its size, the image's)
extern const Failure kUnexpected;    // anything else that escapes a reader
extern const Failure kBadRequest;    // a bank to build, or a file to make, that cannot be made as asked (details: why)
extern const Failure kSourceUnread;  // a bank to build from cannot be read (details: the slot, the bank's name, why)
extern const Failure kNoMemory;      // no memory for the file to be made
extern const Failure kHoldsNoFiles;  // a file named inside one that holds no files (details: the name)

// Every failure: the library's, the model's and those of every format
// module.
std::span<const Failure* const> failures();

// A failure as it is answered: its row, with the details in place of the
// row's "{}" (in order) and its exit code in place of "{code}".
struct FailureAnswer {
    int exitCode;
    FailureReason reason;
    std::string message;     // the tool's line, without its line break; "" when it prints none
    std::string explanation; // in plain words, with what to try
};
FailureAnswer answerOf(const CodeError& error);
FailureAnswer answerOf(const Failure& failure, const std::vector<std::string>& details = {});

} // namespace vornak
