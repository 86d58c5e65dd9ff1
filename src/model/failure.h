#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

namespace vornak {

// Every way in which reading a file, building a bank or making a file fails
// is one named Failure: a row that gives its reason code, the tool's exit
// code, the message the tool prints and the explanation the engine gives.
// The model, the format modules and the library each define their own rows;
// the library's table of failures lists them all (library/failures.h).

// Why a file did not load, or a bank could not be built, as a fixed code,
// which the engine answers by its name.
enum class FailureReason {
    None,          // "": it loaded
    NoInput,       // "no-input": the file cannot be opened or read
    TooLarge,      // "too-large": more than may be held (the input limit, or memory)
    UnknownFormat, // "unknown-format": no known header, and too short for a bare memory image
    NotABank,      // "not-a-bank": an FXB file that holds one program, or neither kind of bank
    OtherPlugin,   // "other-plugin": an FXB bank of a plug-in whose banks are not read
    Damaged,       // "damaged": a format that was recognised, but whose data do not hold together
    Unexpected,    // "unexpected": any other failure
    BadRequest,    // "bad-request": a bank to build that cannot be built as asked
    NoMemory,      // "no-memory": no memory for the file to be written
};
const char* reasonName(FailureReason reason);
// Every reason of a failure: all but None.
std::span<const FailureReason> failureReasons();

// The texts hold "{}" where the details of a failure go (in order) and
// "{code}" where its exit code goes.
struct Failure {
    FailureReason reason;
    int exitCode;
    const char* message;     // the tool's line, without its line break; "" when it prints none
    const char* explanation; // in plain words, with what to try; nullptr: the message says it
    const char* within;      // a sentence the explanation is put in, at its "{}"; or nullptr
};

// A failure raised: inside the model and the format code it is thrown, and
// the operation that owns the resources catches it, cleans up and turns it
// into its own result. `exitCode` and `reason`, when set, stand for the
// row's (a bank built from others fails with the code of the source that
// could not be read).
struct CodeError {
    const Failure* failure;
    std::vector<std::string> details = {};
    int exitCode = 0;
    FailureReason reason = FailureReason::None;

    // The tool's exit code for it.
    int code() const { return exitCode != 0 ? exitCode : failure->exitCode; }
};
[[noreturn]] void fail(const Failure& failure, std::initializer_list<std::string> details = {});

// The model's own: no memory for the programs or combis a bank is to hold.
extern const Failure kBankNoMemory;

} // namespace vornak
