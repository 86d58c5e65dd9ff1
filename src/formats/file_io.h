#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace vornak {

// Creates or truncates the file and writes the bytes in one write. False when
// the file cannot be opened or fewer bytes are stored (also when closing
// fails); a partly written file is left in place.
bool writeWholeFile(const char* path, const std::uint8_t* data, std::size_t size);

// A whole file read into one buffer: the file's bytes, then zero bytes up to
// the capacity asked for.
struct FileBytes {
    enum Status { Read, CannotRead, NoMemory } status = CannotRead;
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
};

// Reads the file in one piece into a buffer of at least `capacity` bytes and
// at least its size plus `spare`. A file that cannot be opened, a folder
// (which opens but cannot be read), or a short read is CannotRead; a buffer
// that cannot be allocated is NoMemory.
FileBytes readWholeFile(const char* path, std::size_t spare = 0, std::size_t capacity = 0);

} // namespace vornak
