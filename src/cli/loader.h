#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/ppg_bank.h"

namespace vornak {

// Something about an input that a careful user should know although it
// loaded: a fixed code ("short-dump", "trailing-bytes", ...) and plain words.
struct LoadNote {
    std::string code;
    std::string text;
};

// What loading an input gave. A failure's reason is one of:
//   "no-input"        the file cannot be opened or read
//   "too-large"       the file is more than may be held (the input limit, or memory)
//   "unknown-format"  no known header, and too short for a bare memory image
//   "not-a-bank"      an FXB file that holds one program, or neither kind of bank
//   "other-plugin"    an FXB bank of a plug-in whose banks are not read
//   "damaged"         a format that was recognised, but whose data do not hold together
//   "unexpected"      any other failure
struct LoadOutcome {
    int code = 0;                // 0: the bank was filled; else the tool's exit code
    std::string message;         // the tool's message line, without its line break; "" when none
    std::string explanation;     // a failure in plain words, with what to try
    const char* format = "";     // the format recognised, as the user knows it ("" when none)
    const char* reason = "";     // why it failed, as a fixed code (see below); "" when it loaded
    std::vector<LoadNote> notes; // for a bank that loaded
};

// Recognises the format of the bytes by their first bytes and has that
// format's reader fill the bank. Prints nothing. The bytes are copied; the
// caller's stay as they are.
LoadOutcome loadBank(const std::uint8_t* data, std::size_t size, int modelHint, PpgBank& bank);

// Reads the whole file, then loads it as loadBank does. An input of more
// than `inputLimit` bytes is refused as one there is no memory for; more
// than 1 GiB from a pipe always is.
LoadOutcome loadFile(const char* path, int modelHint, PpgBank& bank, std::size_t inputLimit = SIZE_MAX);

// The tool's loader: loadFile, then the message printed as the tool prints
// it. Answers 0, or the error code that becomes the exit code. When `format`
// is given it receives the name of the format recognised ("" when none was),
// also when its reader then failed.
int loadInputFile(const char* path, int modelHint, PpgBank& bank, const char** format = nullptr,
                  std::size_t inputLimit = SIZE_MAX);

// 5120 as "5,120".
std::string withThousands(std::uint64_t n);

} // namespace vornak
