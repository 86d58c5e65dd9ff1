#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/export_layout.h"
#include "formats/notes.h"
#include "model/failure.h"
#include "model/ppg_bank.h"

namespace vornak {

// A format module holds one format, or a family of formats, whole: how its
// files are recognised and read (with their notes, damage and failures), how
// a bank is exported in it, and the tool's words for it. Each module gives
// one FormatModule; the format table (library/format_table.h) lists them,
// and the loader, the command line, the exports, the conversion reports and
// the engine walk it. Adding a format is a module and a row of that table.

class FxbFile;

// ---- Exporting -----------------------------------------------------------

// The exports, one per export switch, as the command line, the driver and
// the engine pass them around; the values are the tool's own numbering.
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

// Makes the bytes of the file an export writes; empty when they cannot be
// made (no memory).
using ExportFn = std::vector<std::uint8_t> (*)(const PpgBank& bank, const ExportRequest& request);

// ---- Reading -------------------------------------------------------------

// The input as a reader sees it: the file's bytes at data[0 .. size - 1] in
// the loader's buffer (library/loader.h), so that a short SysEx dump decodes
// in place into a whole image whose bytes beyond the file are zero. A reader
// fills the bank and adds notes, or raises its failure (fail()).
struct LoadInput {
    std::uint8_t* data;
    std::size_t size;
    ModelHint hint;
    PpgBank& bank;
    std::vector<LoadNote>& notes;
    std::vector<int>& namesCut;  // the programs whose names were cut to 27 characters
    Damage& damage;              // how far the bank can be trusted, and the programs
    std::vector<int>& untrusted; // it cannot be trusted for (distrust)
    FxbFile* fxb = nullptr;      // the parsed container, for FXB plug-in banks
    // The export whose files are of this file's format and layout, as the
    // row says; a reader says otherwise where the file itself tells.
    ExportKind writtenBy = ExportKind::None;
};

void note(LoadInput& in, NoteCode code, std::string text);
// The file is cut or damaged (the worse of what was found counts), and
// programs from .. to - 1 of the bank are not to be trusted.
void distrust(LoadInput& in, Damage damage, int from, int to);
// The note on bytes after the first `used`, which are not read: "12 bytes
// follow `after` and are not read."
void noteTrailing(LoadInput& in, std::size_t used, const char* after);
// Names the file holds in a field wider than the 27 characters a name
// keeps: `count` names (`whose`: "" or words after "names") fill all 28
// bytes of it, those of the programs `programs` among them.
void noteCutNames(LoadInput& in, int count, const std::vector<int>& programs, const char* whose);
// The bank name, `length` characters long in the file, was cut to 27.
void noteCutBankName(LoadInput& in, std::size_t length);

// Which banks in the FXB container a format's row takes.
enum class FxbBank { None, Any, Chunk, Parameters };

struct InputFormat {
    const char* name; // as people know it ("V8 SysEx dump")
    // Recognition: the bytes the file starts with (a magic matches only when
    // the file holds at least as many bytes). A plug-in bank in the FXB
    // container is recognised by the plug-in's identifier and the kind of
    // bank; a row with identifier 0 takes the banks of that kind that no
    // other row names. A row may instead recognise its files by a test of
    // its own (a disk image by its structure): such rows are asked before
    // the magics, and their test must refuse the files of every other
    // format. A row with neither takes any file of `minimumSize` bytes that
    // no other row recognises. A format whose files hold files of another (a
    // disk image holding Waveterm A files) takes out the one named
    // (takeOut), which the loader then recognises and reads with its
    // format's row, in a LoadInput of its own over those bytes.
    std::span<const std::uint8_t> magic = {};
    FxbBank fxb = FxbBank::None;
    std::uint32_t fxId = 0;
    std::size_t minimumSize = 0;
    bool (*recognises)(std::span<const std::uint8_t> bytes) = nullptr;
    // Whether /2.2 and /2.3 apply: a Waveterm A file is read by what it holds.
    bool takesModelHint = true;
    bool programNames = false; // its files hold program names
    ExportKind writtenBy = ExportKind::None;
    // Fills the bank, adds notes, or throws the failure.
    void (*read)(LoadInput& input) = nullptr;
    // A format whose files hold files: the file named `member` in it, as
    // copied out, or the failure thrown when there is no such file or it
    // cannot be read; `doubt` says why its bytes may not be the file's as
    // written (empty when they are). Its `read` takes the file as a whole,
    // which is not a bank.
    std::vector<std::uint8_t> (*takeOut)(std::span<const std::uint8_t> bytes, std::string_view member,
                                         std::string& doubt) = nullptr;

    bool isFxb() const { return fxb != FxbBank::None; }
    // Recognised by no header: what no other row takes.
    bool headerless() const { return magic.empty() && recognises == nullptr; }
    bool holdsNames() const { return programNames; }
};

// ---- The module ----------------------------------------------------------

struct ExportFormat {
    ExportKind kind;
    char letter;           // switch letter, lower case
    const char* name;      // in words, for people choosing an export
    const char* extension; // of the files it writes, with its dot
    const ExportLayout* layout;
    ExportFn exporter;
    const InputFormat* readsAs; // what the tool recognises its files as
    // The usage text's line after "/Xname ........ " (and one more line, or
    // nullptr), its place among the usage text's export lines, the verbose
    // echo's name of the export and whether the echo names its group.
    const char* usage;
    const char* usageMore = nullptr;
    int usagePlace;
    const char* label;
    bool echoesGroup = false;

    char switchLetter() const { return static_cast<char>(letter - 'a' + 'A'); }
    // /P chooses the programs exported; /G the group, of a file that holds one.
    bool takesRange() const { return layout->takesRange; }
    bool takesGroup() const { return layout->groups == 1; }
    bool keepsNames() const { return layout->keepsNames; }
    int capacity() const { return layout->capacity; }
};

struct FormatModule {
    // The usage text's lines for the formats read, in its order.
    std::span<const char* const> readsUsage;
    std::span<const InputFormat> inputs;
    std::span<const ExportFormat> exports; // in the order they are offered to people
    std::span<const Failure* const> failures;
};

} // namespace vornak
