#pragma once

#include <span>
#include <string>

namespace vornak {

// The fixed codes of what the library finds, which the engine answers by
// their names.

// Something a careful user should know: about an input that loaded, or
// about a file a conversion would write.
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

struct LoadNote {
    NoteCode code;
    std::string text; // plain words, with the file's numbers
};

// Why a file did not load, or a bank could not be built, as a fixed code.
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

} // namespace vornak
