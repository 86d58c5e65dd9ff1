#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/notes.h"
#include "library/failures.h"
#include "library/format_table.h"
#include "model/ppg_bank.h"

namespace vornak {

// What loading an input gave.
struct LoadOutcome {
    int code = 0;                          // 0: the bank was filled; else the tool's exit code
    std::string message;                   // the tool's message line, without its line break; "" when none
    std::string explanation;               // a failure in plain words, with what to try
    const InputFormat* format = nullptr;   // the format recognised; none for an unknown one
    const InputFormat* container = nullptr; // the disk image the file was taken out of, when one was named
    bool fxbContainer = false;             // it starts like an FXB file (the format, when it has one, is a plug-in's)
    FailureReason reason = FailureReason::None;
    std::vector<LoadNote> notes;           // for a bank that loaded
    std::vector<int> namesCut;             // the programs whose names were cut to 27 characters
    Damage damage = Damage::None;          // for a bank that loaded
    std::vector<int> untrusted;            // the programs whose values the file does not wholly and
                                           // reliably hold, ascending
    // For a bank that loaded: the export whose files are of this file's
    // format and layout; none when no export writes such files.
    const ExportFormat* writesAs = nullptr;

    // The format in words, as people know it ("" when none was recognised).
    const char* formatName() const;
};

// The loader reads from one buffer: the input's bytes at data[0 .. size - 1],
// then zero bytes, at least kLoadSpareBytes of them, in a buffer at least
// kLoadCapacity bytes long, so that a short SysEx dump decodes in place into
// a whole memory image.
constexpr std::size_t kLoadSpareBytes = 2;
constexpr std::size_t kLoadCapacity = kBankImageSize;

// Recognises the format of the bytes in such a buffer by their first bytes
// and has that format's reader fill the bank. The buffer's bytes may be
// changed (a SysEx dump is decoded in place). With a `member` ("NAME.EXT"),
// the bytes are a disk image and the file of that name on it is read, as
// the file copied off the disk would be. Prints nothing.
LoadOutcome loadBuffer(std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank,
                       std::string_view member = {});

// The same for bytes anywhere: they are copied into such a buffer first; the
// caller's stay as they are.
LoadOutcome loadBank(const std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank,
                     std::string_view member = {});

// What a failure to load gives, as the table of failures answers it: for
// an input that could not be read whole, kNoInput (it cannot be opened or
// read: "No input file", 1) or kTooLarge (no memory to hold it: "Error
// allocating buffer", 2).
LoadOutcome failedLoad(const Failure& failure);

} // namespace vornak
