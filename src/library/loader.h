#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "library/format_table.h"
#include "library/text.h"
#include "model/ppg_bank.h"

namespace vornak {

// Something a careful user should know: about an input that loaded, or
// about a file a conversion would write. The engine answers each code by
// its name (noteCodeName).
enum class NoteCode {
    BareImage,     // "bare-image": no header of a known kind; read as a memory image
    ShortDump,     // "short-dump": a dump that ends before the whole memory
    DamagedDump,   // "damaged-dump": a dump whose nibble stream is broken
    MissingEnd,    // "missing-end": a whole dump without its closing byte
    TrailingBytes, // "trailing-bytes": bytes after what the format holds
    CountMismatch, // "count-mismatch": a header announces more than the file holds
    PartialImage,  // "partial-image": load records leave part of the memory unfilled
    ShortChunk,    // "short-chunk": a Halvic memory area shorter than the plug-in writes
    CutNames,      // "cut-names": names longer than the 27 characters Vornak keeps
    // About a written file:
    ReadsAsOtherFormat, // "reads-as-other-format": the tool would recognise it as another format
    NeedsModelSwitch,   // "needs-model-switch": it reads back as the other model unless /2.2 or /2.3 is given
};
const char* noteCodeName(NoteCode code);
// Every code, in the order above.
std::span<const NoteCode> noteCodes();

// Why a file did not load, or a bank could not be built, as a fixed code.
// The engine answers each by its name (reasonName).
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
std::span<const FailureReason> failureReasons();

struct LoadNote {
    NoteCode code;
    std::string text; // plain words, with the file's numbers
};

// What loading an input gave.
struct LoadOutcome {
    int code = 0;                          // 0: the bank was filled; else the tool's exit code
    std::string message;                   // the tool's message line, without its line break; "" when none
    std::string explanation;               // a failure in plain words, with what to try
    const InputFormat* format = nullptr;   // the format recognised; none for an unknown one
    bool fxbContainer = false;             // it starts like an FXB file (the format, when it has one, is a plug-in's)
    FailureReason reason = FailureReason::None;
    std::vector<LoadNote> notes;           // for a bank that loaded
    int namesCut = 0;                      // names of the file that were cut to 27 characters

    // The format in words, as people know it ("" when none was recognised).
    const char* formatName() const;
};

// Recognises the format of the bytes by their first bytes and has that
// format's reader fill the bank. Prints nothing. The bytes are copied; the
// caller's stay as they are.
LoadOutcome loadBank(const std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank);

// How the loader holds an input to read it in place: the file's bytes, then
// zero bytes, at least kLoadSpare of them and at least a whole memory image
// in all (readWholeFile's and reserveWhole's spare and capacity).
inline constexpr std::size_t kLoadSpare = 2;
inline constexpr std::size_t kLoadCapacity = kBankImageSize;

// Loads a file read in that layout, in place (a reader may change its
// bytes); a read that failed answers readFailure's outcome.
LoadOutcome loadInPlace(FileBytes& file, ModelHint hint, PpgBank& bank);

// Reads the whole file, then loads it as loadBank does. An input of more
// than `inputLimit` bytes is refused as one there is no memory for; more
// than 1 GiB from a pipe always is.
LoadOutcome loadFile(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit = kNoFileLimit);

// What a file that could not be read in whole gives: the tool's message and
// code ("No input file", 1; "Error allocating buffer", 2) and words for it.
LoadOutcome readFailure(FileBytes::Status status);

// The tool's loader: loadFile, then the message printed as the tool prints
// it. Answers 0, or the error code that becomes the exit code.
int loadInputFile(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit = kNoFileLimit);

} // namespace vornak
