#pragma once

// The readers of the input formats, as the format table names them, and
// what they share with the loader. Internal to the library.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/fxb_file.h"
#include "library/codes.h"
#include "library/failures.h"
#include "model/ppg_bank.h"

namespace vornak {

// The input as the readers see it: the file's bytes at data[0 .. size - 1]
// in the loader's buffer (loader.h), so that a short SysEx dump decodes in
// place into a whole image whose bytes beyond the file are zero. A reader
// fills the bank and adds notes, or raises the failure.
struct LoadInput {
    std::uint8_t* data;
    std::size_t size;
    ModelHint hint;
    PpgBank& bank;
    std::vector<LoadNote>& notes;
    int& namesCut;          // names of the file cut to 27 characters
    FxbFile* fxb = nullptr; // the parsed container, for FXB plug-in banks
};

// A reader raises its failures with fail() (failures.h).
void note(LoadInput& in, NoteCode code, std::string text);

void readSysEx(LoadInput& in);
void readWavetermA(LoadInput& in);
void readWavetermB(LoadInput& in);
void read2V(LoadInput& in);
void readHalvic(LoadInput& in);
void readCorvel(LoadInput& in);
void readMemoryImage(LoadInput& in);

} // namespace vornak
