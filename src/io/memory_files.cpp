#include "io/memory_files.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace vornak {

namespace {

// The run's folder, in the file system around it.
constexpr std::string_view kRunFolder = "/run";

// What else the file system holds: folders, and devices, of which only the
// null device and the standard streams can be opened.
constexpr std::array<std::string_view, 9> kFolders{"/dev",  "/dev/shm",  "/dev/shm/tmp", "/tmp",         "/home",
                                                   "/home/web_user", "/proc", "/proc/self", "/proc/self/fd"};
constexpr std::array<std::string_view, 4> kOpenDevices{"/dev/null", "/dev/stdin", "/dev/stdout", "/dev/stderr"};
constexpr std::array<std::string_view, 4> kClosedDevices{"/dev/tty", "/dev/tty1", "/dev/random", "/dev/urandom"};

bool among(std::string_view path, std::span<const std::string_view> list) {
    return std::find(list.begin(), list.end(), path) != list.end();
}

} // namespace

struct MemoryFiles::Place {
    enum Kind {
        Refused,       // a path the system refuses: too long, or through something that is no folder
        Missing,       // nothing there, outside the run's folder
        Folder,        // a folder outside the run's folder (`path` absolute)
        Device,        // a device (`path` absolute)
        RunFolder,     // the run's folder or one below it (`path` relative to it, "" for itself)
        RunFile,       // a file of the run (`path` relative)
        NewInRun,      // a name that nothing has yet, in a folder of the run (`path` relative)
    } kind;
    std::string path;

    bool isFolder() const { return kind == Folder || kind == RunFolder; }
};

void MemoryFiles::add(const std::string& name, FileBytes bytes) {
    for (std::size_t slash = name.find('/'); slash != std::string::npos; slash = name.find('/', slash + 1))
        folders_.insert(name.substr(0, slash));
    inputs_[name] = std::move(bytes);
}

MemoryFiles::Place MemoryFiles::find(const std::string& path) const {
    if (path.empty() || path.size() > MemoryFiles::kPathLength) return {Place::Refused, {}};
    Place at = path[0] == '/' ? Place{Place::Folder, "/"} : Place{Place::RunFolder, ""};
    std::size_t from = path[0] == '/' ? 1 : 0;
    for (;;) {
        const std::size_t slash = std::min(path.find('/', from), path.size());
        const std::string_view part(path.data() + from, slash - from);
        if (part.size() > MemoryFiles::kFileNameLength || !at.isFolder()) return {Place::Refused, {}};
        if (part == "..") {
            const std::size_t cut = at.path.rfind('/');
            if (at.kind == Place::RunFolder && at.path.empty())
                at = {Place::Folder, "/"};
            else if (at.kind == Place::RunFolder)
                at.path.erase(cut == std::string::npos ? 0 : cut);
            else
                at.path = cut == 0 ? "/" : at.path.substr(0, cut);
        } else if (!part.empty() && part != ".") {
            if (at.kind == Place::RunFolder) {
                std::string name = at.path.empty() ? std::string(part) : at.path + "/" + std::string(part);
                const bool file = inputs_.count(name) != 0 || written_.count(name) != 0;
                const Place::Kind kind = file ? Place::RunFile : folders_.count(name) != 0 ? Place::RunFolder : Place::NewInRun;
                at = {kind, std::move(name)};
            } else {
                std::string full = (at.path == "/" ? "" : at.path) + "/" + std::string(part);
                if (full == kRunFolder)
                    at = {Place::RunFolder, ""};
                else
                    at = {among(full, kFolders)                                      ? Place::Folder
                          : among(full, kOpenDevices) || among(full, kClosedDevices) ? Place::Device
                                                                                     : Place::Missing,
                          std::move(full)};
            }
        }
        if (slash == path.size()) return at;
        from = slash + 1;
    }
}

bool MemoryFiles::exists(const std::string& path) const {
    const Place::Kind kind = find(path).kind;
    return kind != Place::Refused && kind != Place::Missing && kind != Place::NewInRun;
}

FileBytes MemoryFiles::read(const char* path, std::size_t spare, std::size_t capacity, std::size_t,
                            std::size_t fileLimit) {
    const Place place = find(path);
    // Standard input is empty, and so is what the other streams give.
    if (place.kind == Place::Device) return among(place.path, kOpenDevices) ? reserveWhole(0, spare, capacity) : FileBytes{};
    if (place.kind != Place::RunFile) return {};
    const auto written = written_.find(place.path);
    if (written != written_.end()) {
        if (written->second.size() > fileLimit) return {FileBytes::NoMemory, nullptr, 0};
        return copyWhole(written->second.data(), written->second.size(), spare, capacity);
    }
    // The input is staged in the loader's layout (spare and capacity), which
    // is the one the tool reads it with.
    FileBytes& input = inputs_.at(place.path);
    if (input.status == FileBytes::Read && input.size > fileLimit) return {FileBytes::NoMemory, nullptr, 0};
    FileBytes taken = std::move(input);
    input = FileBytes{};
    return taken;
}

bool MemoryFiles::write(const char* path, std::vector<std::uint8_t> bytes) {
    const Place place = find(path);
    switch (place.kind) {
    case Place::RunFile:
    case Place::NewInRun:
        written_[place.path] = std::move(bytes);
        return true;
    case Place::Device:
        if (place.path == "/dev/stdout") return std::fwrite(bytes.data(), 1, bytes.size(), output_) == bytes.size();
        return place.path == "/dev/null" || place.path == "/dev/stderr";
    default:
        return false;
    }
}

} // namespace vornak
