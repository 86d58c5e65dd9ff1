#include "formats/file_io.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace vornak {

bool writeWholeFile(const char* path, const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

FileBytes readWholeFile(const char* path, std::size_t spare, std::size_t capacity) {
    FileBytes result;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return result;
    // A folder opens too, but cannot be read: a first read tells, before the
    // size it claims is trusted.
    std::fgetc(file);
    long length = -1;
    if (!std::ferror(file) && std::fseek(file, 0, SEEK_END) == 0) length = std::ftell(file);
    if (length >= 0 && std::fseek(file, 0, SEEK_SET) == 0) {
        const auto size = static_cast<std::size_t>(length);
        const std::size_t total = std::max(size + spare, capacity);
        result.data.reset(new (std::nothrow) std::uint8_t[total == 0 ? 1 : total]);
        if (!result.data) {
            result.status = FileBytes::NoMemory;
        } else if (std::fread(result.data.get(), 1, size, file) == size) {
            std::fill(result.data.get() + size, result.data.get() + total, std::uint8_t{0});
            result.size = size;
            result.status = FileBytes::Read;
        } else {
            result.data.reset();
        }
    }
    std::fclose(file);
    return result;
}

} // namespace vornak
