#pragma once

// What the engine holds between the JavaScript side's calls: the files
// handed over for the next call, the text of similar's sounds, the bytes
// the last call made and its answer. A call hands its inputs over (their
// bytes copied once into the engine's memory, where the loader reads them
// in place), makes the call, then reads its JSON answer and the bytes it
// made, both valid until the next call.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "io/file_io.h"
#include "web/requests.h"

namespace vornak::web {

// A buffer for the next input file of `size` bytes, in the loader's
// layout; null for a file above the input limit, or one there is no memory
// for: the call answers it as the tool answers an input it has no memory
// for.
std::uint8_t* giveFile(std::size_t size);

// The files given for a call, in the order given; the next call starts
// without any.
std::vector<FileBytes> takeFiles();

// A buffer for the text of the sounds the next similar call searches;
// null when there is no memory for it.
char* giveText(std::size_t size);
std::string takeText();

// The bytes a call answers beside its JSON, until the next call.
std::vector<std::uint8_t>& bytesMade();

// The answer as JSON text, valid until the next call.
const char* answer(const Json& json);
// The answer to a request refused: {"refused":"why"}.
const char* refused(const Refusal& refusal);

// The most an input may bring; until it is set, what the tool allows a pipe.
std::size_t& inputLimit();

} // namespace vornak::web
