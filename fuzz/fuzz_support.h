#pragma once

// Shared by the fuzz targets: quiet standard output (the loader prints its
// messages there) and a scratch file per process for readers that take a
// path.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vornak::fuzz {

inline void silenceStdout() {
    if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
}

inline std::string scratchPath(const char* tag) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir != nullptr ? dir : "/tmp") + "/vornak-fuzz-" + tag + "-" + std::to_string(getpid());
}

inline void writeScratch(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) std::abort();
    if (size != 0 && std::fwrite(data, 1, size, f) != size) std::abort();
    if (std::fclose(f) != 0) std::abort();
}

} // namespace vornak::fuzz
