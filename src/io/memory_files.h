#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "io/file_io.h"

namespace vornak {

// The files of one run of the tool in the WebAssembly engine: a folder of its
// own that holds the input files (names relative to it, "bank.syx",
// "banks/a.syx") and nothing else, inside a file system that is read-only
// everywhere else, as a process that owns only its working folder sees it.
// Paths are taken apart as the system the tool is built for takes them:
// "a/", "a/." and "a/../b" need a folder "a"; a file name of more than 255
// bytes or a path of more than 4095 is refused. Of the devices, the null
// device and the standard streams are there: standard input is empty, what
// is written to standard output goes to the run's output, standard error
// takes anything; any other device cannot be opened.
class MemoryFiles final : public FileAccess {
public:
    // The most bytes of a file name (a part of a path between slashes) and
    // of a whole path, as on the system the tool is built for (NAME_MAX, and
    // PATH_MAX less its NUL).
    static constexpr std::size_t kFileNameLength = 255;
    static constexpr std::size_t kPathLength = 4095;

    explicit MemoryFiles(std::FILE* output) : output_(output) {}

    // An input file, laid out as the loader reads it (readWholeFile's
    // layout); a file whose read failed (too large) keeps that status.
    void add(const std::string& name, FileBytes bytes);

    bool exists(const std::string& path) const override;
    // An input is handed over whole to its one reader: a run reads its input
    // once, and the loader decodes some formats in place.
    FileBytes read(const char* path, std::size_t spare, std::size_t capacity, std::size_t streamLimit,
                   std::size_t fileLimit) override;
    bool write(const char* path, std::vector<std::uint8_t> bytes) override;

    // The files the run wrote (new ones, and inputs replaced), by name.
    const std::map<std::string, std::vector<std::uint8_t>>& written() const { return written_; }

    struct Place;

private:
    Place find(const std::string& path) const;

    std::map<std::string, FileBytes> inputs_;
    std::set<std::string> folders_; // the folders of the input names, "" the run's own
    std::map<std::string, std::vector<std::uint8_t>> written_;
    std::FILE* output_; // the run's standard output
};

} // namespace vornak
