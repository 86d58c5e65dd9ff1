#include "io/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <new>
#include <string>

namespace vornak {

namespace {

// Writes all bytes to an open descriptor and closes it; false when a write
// stores nothing or fails, or closing fails.
bool writeAndClose(int fd, const std::uint8_t* data, std::size_t size) {
    bool written = true;
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            written = false;
            break;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    const bool closed = ::close(fd) == 0;
    return written && closed;
}

bool writeInPlace(const char* path, const std::uint8_t* data, std::size_t size) {
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0666);
    return fd >= 0 && writeAndClose(fd, data, size);
}

// A new file beside the target: the folder part of the path, then a hidden
// name made unique by the process id and a counter (kTemporaryPrefix).
int createBeside(const std::string& target, mode_t mode, std::string& name) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        name = folder + kTemporaryPrefix + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

bool writeWholeFile(const char* path, const std::uint8_t* data, std::size_t size) {
    struct stat target;
    const bool exists = ::lstat(path, &target) == 0;
    // Devices, FIFOs, folders and symbolic links are opened by their name, as
    // the user named them.
    if (exists && !S_ISREG(target.st_mode)) return writeInPlace(path, data, size);
    // A file that may not be written is not replaced either.
    if (exists) {
        const int probe = ::open(path, O_WRONLY);
        if (probe < 0) return false;
        ::close(probe);
    }

    const mode_t keep = exists ? (target.st_mode & 0777) : 0666;
    std::string temporary;
    const int fd = createBeside(path, keep, temporary);
    if (fd < 0) {
        // A folder that takes no new files may still hold a file that may be
        // written: that one is written in place, as the only way left.
        const bool refused = errno == EACCES || errno == EPERM;
        return exists && refused && writeInPlace(path, data, size);
    }
    // The creation mode passed through the umask; an existing target's bits
    // are set again in full. A file system without permission bits refuses
    // this, which does not stop the export.
    if (exists) (void)::fchmod(fd, keep);
    if (writeAndClose(fd, data, size) && ::rename(temporary.c_str(), path) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
}

int writeExport(const char* path, const std::vector<std::uint8_t>& bytes) {
    return !bytes.empty() && writeWholeFile(path, bytes.data(), bytes.size()) ? 0 : 1;
}

namespace {

// A buffer of at least `total` bytes (never none), or none when memory runs out.
std::unique_ptr<std::uint8_t[]> allocate(std::size_t total) {
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[total == 0 ? 1 : total]);
}

// The read is complete: the bytes are followed by zeros up to `total`.
void keep(FileBytes& result, std::unique_ptr<std::uint8_t[]> data, std::size_t size, std::size_t total) {
    std::fill(data.get() + size, data.get() + total, std::uint8_t{0});
    result.data = std::move(data);
    result.size = size;
    result.status = FileBytes::Read;
}

// A file whose size seeking tells: read in one piece, unless it is larger
// than `limit`. The size is an off_t, which holds sizes that a long (32 bits
// on some platforms) or a size_t cannot.
void readMeasured(std::FILE* file, std::size_t spare, std::size_t capacity, std::size_t limit, FileBytes& result) {
    off_t length = -1;
    if (::fseeko(file, 0, SEEK_END) == 0) length = ::ftello(file);
    if (length < 0 || ::fseeko(file, 0, SEEK_SET) != 0) return;
    if (static_cast<std::uintmax_t>(length) > limit) {
        result.status = FileBytes::NoMemory;
        return;
    }
    const auto size = static_cast<std::size_t>(length);
    const std::size_t total = std::max(size + spare, capacity);
    auto data = allocate(total);
    if (!data)
        result.status = FileBytes::NoMemory;
    else if (std::fread(data.get(), 1, size, file) == size)
        keep(result, std::move(data), size, total);
}

// An input that cannot be measured (a pipe, a terminal): read to its end in
// steps that double, up to `limit` (at least 1) bytes. `first` is the byte
// (or EOF) that the probe has already taken from it.
void readToEnd(std::FILE* file, int first, std::size_t spare, std::size_t capacity, std::size_t limit,
               FileBytes& result) {
    constexpr std::size_t kFirstStep = 64 * 1024;
    // The buffer may take `room` bytes from the input and holds `total`.
    const auto totalFor = [&](std::size_t taken) { return std::max(taken + spare, capacity); };
    std::size_t room = std::min(kFirstStep, limit);
    std::size_t size = 0;
    auto data = allocate(totalFor(room));
    if (!data) {
        result.status = FileBytes::NoMemory;
        return;
    }
    if (first != EOF) data[size++] = static_cast<std::uint8_t>(first);
    for (;;) {
        if (size == room) {
            // Full at the limit: one byte more is too much to hold.
            if (room == limit) {
                const int more = std::fgetc(file);
                if (more != EOF) result.status = FileBytes::NoMemory;
                if (more != EOF || std::ferror(file)) return;
                break;
            }
            const std::size_t grown = room > limit / 2 ? limit : 2 * room;
            auto larger = allocate(totalFor(grown));
            if (!larger) {
                result.status = FileBytes::NoMemory;
                return;
            }
            std::copy_n(data.get(), size, larger.get());
            data = std::move(larger);
            room = grown;
        }
        const std::size_t asked = room - size;
        const std::size_t got = std::fread(data.get() + size, 1, asked, file);
        size += got;
        if (got < asked) {
            if (std::ferror(file)) return;
            break;
        }
    }
    keep(result, std::move(data), size, totalFor(room));
}

} // namespace

FileBytes reserveWhole(std::size_t size, std::size_t spare, std::size_t capacity) {
    FileBytes result;
    const std::size_t total = std::max(size + spare, capacity);
    if (total < size) {
        result.status = FileBytes::NoMemory;
        return result;
    }
    auto buffer = allocate(total);
    if (!buffer) {
        result.status = FileBytes::NoMemory;
        return result;
    }
    keep(result, std::move(buffer), size, total);
    return result;
}

FileBytes copyWhole(const std::uint8_t* data, std::size_t size, std::size_t spare, std::size_t capacity) {
    FileBytes result = reserveWhole(size, spare, capacity);
    if (result.status == FileBytes::Read && size != 0) std::copy_n(data, size, result.data.get());
    return result;
}

FileBytes readWholeFile(const char* path, std::size_t spare, std::size_t capacity, std::size_t streamLimit,
                        std::size_t fileLimit) {
    FileBytes result;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return result;
    // A folder opens too, but cannot be read: a first read tells, before the
    // size it claims is trusted. On a pipe that byte is kept.
    const int first = std::fgetc(file);
    if (!std::ferror(file)) {
        if (std::ftell(file) >= 0)
            readMeasured(file, spare, capacity, fileLimit, result);
        else
            readToEnd(file, first, spare, capacity, streamLimit, result);
    }
    std::fclose(file);
    return result;
}

namespace {

class SystemFiles final : public FileAccess {
public:
    bool exists(const std::string& path) const override {
        // Asked, not opened: opening a FIFO would wait for a writer and then
        // lose what it sent.
        struct stat status;
        return ::stat(path.c_str(), &status) == 0;
    }
    FileBytes read(const char* path, std::size_t spare, std::size_t capacity, std::size_t streamLimit,
                   std::size_t fileLimit) override {
        return readWholeFile(path, spare, capacity, streamLimit, fileLimit);
    }
    bool write(const char* path, std::vector<std::uint8_t> bytes) override {
        return writeWholeFile(path, bytes.data(), bytes.size());
    }
};

} // namespace

FileAccess& systemFiles() {
    static SystemFiles files;
    return files;
}

int writeExport(FileAccess& files, const char* path, std::vector<std::uint8_t> bytes) {
    return !bytes.empty() && files.write(path, std::move(bytes)) ? 0 : 1;
}

InputPath splitInputPath(const FileAccess& files, const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0 || files.exists(path)) return {path, {}};
    std::string file = path.substr(0, slash);
    std::string member = path.substr(slash + 1);
    // "a/" is a folder "a" or nothing; a file is a file without the slash.
    if (member.empty() || member == "." || member == ".." || !files.exists(file) || files.exists(file + "/"))
        return {path, {}};
    return {std::move(file), std::move(member)};
}

bool inputExists(const FileAccess& files, const std::string& path) {
    return files.exists(path) || !splitInputPath(files, path).member.empty();
}

} // namespace vornak
