#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vornak {

// Writes the bytes as the whole content of the file; false when they cannot
// all be stored. A regular file, new or existing, is replaced whole: the
// bytes go to a new file in the same folder, which is closed and then renamed
// over the target. A failure removes that file and leaves the target as it
// was; an existing target keeps its permission bits. Anything else (a device,
// a FIFO, a symbolic link) is opened by its name and written directly, and so
// is an existing file in a folder that refuses new files; a failure there can
// leave it partly written.
bool writeWholeFile(const char* path, const std::uint8_t* data, std::size_t size);

// How the name of that new file begins: ".vornak-<process id>-<counter>.tmp".
constexpr const char* kTemporaryPrefix = ".vornak-";

// An export's last step: the bytes its writer made, written as the whole
// file. 0 on success; 1 when the writer made none (it ran out of memory) or
// they cannot all be stored.
int writeExport(const char* path, const std::vector<std::uint8_t>& bytes);

// A whole file read into one buffer: the file's bytes, then zero bytes up to
// the capacity asked for.
struct FileBytes {
    enum Status { Read, CannotRead, NoMemory } status = CannotRead;
    std::unique_ptr<std::uint8_t[]> data;
    std::size_t size = 0;
};

// A buffer laid out as readWholeFile holds a file, for `size` bytes that the
// caller puts at its start: at least `capacity` bytes and at least `size`
// plus `spare`, the rest zero. NoMemory when it cannot be allocated.
FileBytes reserveWhole(std::size_t size, std::size_t spare = 0, std::size_t capacity = 0);

// Bytes already in memory, copied into such a buffer.
FileBytes copyWhole(const std::uint8_t* data, std::size_t size, std::size_t spare = 0, std::size_t capacity = 0);

// The most an input that cannot be measured (a pipe) may bring: 1 GiB.
constexpr std::size_t kStreamLimit = std::size_t{1} << 30;
// A file whose size is known is held whatever its size, when memory allows.
constexpr std::size_t kNoFileLimit = SIZE_MAX;

// Reads the file into a buffer of at least `capacity` bytes and at least its
// size plus `spare`. A file is read in one piece, its size found by seeking;
// an input that cannot be measured so is read to its end in growing steps.
// More than `streamLimit` bytes from such an input, or a file of more than
// `fileLimit` bytes, is NoMemory. A file that cannot be opened, a folder
// (which opens but cannot be read), or a failing read is CannotRead; a buffer
// that cannot be allocated is NoMemory.
FileBytes readWholeFile(const char* path, std::size_t spare = 0, std::size_t capacity = 0,
                        std::size_t streamLimit = kStreamLimit, std::size_t fileLimit = kNoFileLimit);

// The files a run of the tool sees: the system's (systemFiles), or, in the
// WebAssembly engine, a map of names to bytes (MemoryFiles). The tool reads
// its input and writes its export through this, and nothing else.
class FileAccess {
public:
    virtual ~FileAccess() = default;
    // Whether the path names something that exists, as stat() says.
    virtual bool exists(const std::string& path) const = 0;
    // The whole file, as readWholeFile reads it.
    virtual FileBytes read(const char* path, std::size_t spare, std::size_t capacity, std::size_t streamLimit,
                           std::size_t fileLimit) = 0;
    // The bytes as the whole content of the file, as writeWholeFile writes
    // them; false when they cannot all be stored.
    virtual bool write(const char* path, std::vector<std::uint8_t> bytes) = 0;
};

FileAccess& systemFiles();

// An input path that names a file inside another, as a file on a disk image
// ("disk.dsk/D001.USR"): nothing of that name exists, and the part before its
// last slash names a file, not a folder. The file that holds it and the name
// within it; any other path is the file itself, with no member.
struct InputPath {
    std::string file;
    std::string member;
};
InputPath splitInputPath(const FileAccess& files, const std::string& path);
// Whether the path names something that exists, or a file inside one that does.
bool inputExists(const FileAccess& files, const std::string& path);

// writeExport through `files`.
int writeExport(FileAccess& files, const char* path, std::vector<std::uint8_t> bytes);

} // namespace vornak
