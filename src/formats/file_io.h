#pragma once

#include <cstddef>
#include <cstdint>

namespace vornak {

// Creates or truncates the file and writes the bytes in one write. False when
// the file cannot be opened or fewer bytes are stored (also when closing
// fails); a partly written file is left in place.
bool writeWholeFile(const char* path, const std::uint8_t* data, std::size_t size);

} // namespace vornak
