#pragma once

#include <span>
#include <string>

namespace vornak {

// What a reader finds beside the bank: notes, and how far the bank can be
// trusted. The engine answers both by their names.

// Something a careful user should know: about an input that loaded, or
// about a file an export would write.
enum class NoteCode {
    BareImage,     // "bare-image": no header of a known kind; read as a memory image
    ShortDump,     // "short-dump": a dump that ends before the whole memory
    DamagedDump,   // "damaged-dump": a dump whose nibble stream is broken
    MissingEnd,    // "missing-end": a whole dump without its closing byte
    RealTimeBytes, // "real-time-bytes": MIDI real-time bytes inside a dump, skipped
    TrailingBytes, // "trailing-bytes": bytes after what the format holds
    CountMismatch, // "count-mismatch": a header announces more than the file holds
    PartialImage,  // "partial-image": load records leave part of the memory unfilled
    ShortChunk,    // "short-chunk": a Halvic memory area shorter than the plug-in writes
    CutNames,      // "cut-names": names longer than the 27 characters Vornak keeps
    OutOfRange,    // "out-of-range": 2.V parameters that stand for no value, read as the nearest
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

// How far a bank that loaded can be trusted: wholly; not wholly, because
// the file ends before all its data; or not, where its data are broken.
// The engine answers each by its name (damageName): "", "cut", "damaged".
enum class Damage { None, Cut, Damaged };
const char* damageName(Damage damage);

} // namespace vornak
