#pragma once

// The readers of the input formats, as the format table names them, and
// what they share with the loader. Internal to the library.

#include <cstddef>
#include <cstdint>
#include <string>

#include "formats/fxb_file.h"
#include "library/loader.h"

namespace vornak {

// The input as the readers see it: the file's bytes at data[0 .. size - 1],
// followed by zero bytes up to at least size + 2 and at least one whole
// memory image (5120 bytes), so that a short SysEx dump decodes in place
// into a whole image whose bytes beyond the file are zero.
constexpr std::size_t kSpareBytes = kLoadSpare;
struct LoadInput {
    std::uint8_t* data;
    std::size_t size;
    ModelHint hint;
    PpgBank& bank;
    LoadOutcome& outcome;
    FxbFile* fxb = nullptr; // the parsed container, for FXB plug-in banks
};

// A failure of the format that was recognised: the tool's message and the
// exit code are in the outcome.
struct ReadFailure {
    int code;
};

// Sets the reason, the tool's message and the explanation, and throws the
// failure.
[[noreturn]] void fail(LoadInput& in, FailureReason reason, const char* message, int code, std::string explanation);
void note(LoadInput& in, NoteCode code, std::string text);

void readSysEx(LoadInput& in);
void readWavetermA(LoadInput& in);
void readWavetermB(LoadInput& in);
void read2V(LoadInput& in);
void readHalvic(LoadInput& in);
void readCorvel(LoadInput& in);
void readMemoryImage(LoadInput& in);

} // namespace vornak
