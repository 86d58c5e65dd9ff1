#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "formats/output_kind.h"
#include "model/ppg_bank.h"

namespace vornak {

// Every format Vornak reads and writes, as data. The loader recognises and
// reads files by walking the input table; the command line, the exports,
// the conversion reports and the engine's list of formats walk the output
// table.

// ---- Reading -------------------------------------------------------------

// What the loader recognises a file as.
enum class InputKind {
    SysEx,
    WavetermA,
    WavetermB,
    Bank2VChunk,
    Bank2VParams,
    Halvic,
    Corvel,
    MemoryImage,
};

struct LoadInput;

// Which banks in the FXB container a format's row takes.
enum class FxbBank { None, Any, Chunk, Parameters };

struct InputFormat {
    InputKind kind;
    const char* name; // as people know it ("V8 SysEx dump")
    // Recognition: the bytes the file starts with (a magic matches only when
    // the file holds at least as many bytes). A plug-in bank in the FXB
    // container is recognised by the plug-in's identifier and the kind of
    // bank; a row with identifier 0 takes the banks of that kind that no
    // other row names. A row without magic takes any file of `minimumSize`
    // bytes that no other row recognises.
    std::span<const std::uint8_t> magic;
    FxbBank fxb;
    std::uint32_t fxId;
    std::size_t minimumSize;
    // Whether /2.2 and /2.3 apply: a Waveterm A file is read by what it holds.
    bool takesModelHint;
    // Fills the bank, adds notes, or throws the failure.
    void (*read)(LoadInput& input);

    bool isFxb() const { return fxb != FxbBank::None; }
    // Whether the file holds program names: those of a format whose files
    // keep names (an output format of the tool writes it and reads it so).
    bool holdsNames() const;
};

// Recognition does not depend on the order: magics differ, and within the
// FXB container the identifiers do.
std::span<const InputFormat> inputFormats();
const InputFormat& inputFormat(InputKind kind);

// The models a memory image is read as when it is told (/2.2, /2.3): the
// hint, as the switch and the engine's option name it ("2.2"), in words.
struct ModelName {
    ModelHint hint;
    const char* model;
    const char* name;
};
std::span<const ModelName> modelNames();

// A file that starts like an FXB file but whose container does not hold
// together has no plug-in to name.
inline constexpr const char* kFxbContainerName = "FXB bank";

// ---- Writing -------------------------------------------------------------

// The output formats, one per export switch; the identity that the command
// line, the driver and the engine pass around. The switch letter and the
// writer are in the format's row.
enum class ExportKind {
    None,
    Bank2VChunkV1,   // /F
    SysEx,           // /S
    WavetermA,       // /A
    WavetermB,       // /B
    Corvel,          // /W
    Halvic,          // /M
    Bank2VParams,    // /N
    Bank2VChunkV123, // /O
};

struct ExportRequest {
    int rangeStart = 0;
    int rangeEnd = kDefaultRangeEnd;
    int group = kGroupA;
};

// Makes the bytes of the file a format's export writes; empty when they
// cannot be made (no memory).
using WriteFn = std::vector<std::uint8_t> (*)(const PpgBank& bank, const ExportRequest& request);

struct ExportFormat {
    ExportKind kind;
    char letter;           // switch letter, lower case
    const char* name;      // in words, for people choosing an output
    const char* extension; // of the files it writes, with its dot
    const OutputKind* output; // how its files hold a bank: slots, fill program, groups, names
    WriteFn write;
    InputKind readsAs;     // what the tool recognises its files as

    char switchLetter() const { return static_cast<char>(letter - 'a' + 'A'); }
    // /P chooses the programs written; /G the group, of a file that holds one.
    bool takesRange() const { return output->takesRange; }
    bool takesGroup() const { return output->groups == 1; }
    bool keepsNames() const { return output->keepsNames; }
    int capacity() const { return output->capacity; }
};

// In the order they are offered to people.
std::span<const ExportFormat> exportFormats();
const ExportFormat* exportFormat(ExportKind kind);
// By switch letter, in either case; nullptr for a letter no format has.
const ExportFormat* exportFormatForLetter(char letter);

} // namespace vornak
