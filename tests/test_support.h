#pragma once

// Helpers shared by the tests: temporary folders, whole-file I/O, runs of the
// built tool, and random memory images.

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "model/ppg_bank.h"

namespace vornak::test {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder below the system's temporary folder, removed with its contents.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    const std::filesystem::path& dir() const { return dir_; }

private:
    std::filesystem::path dir_;
};

Bytes readFile(const std::string& path);
void writeFile(const std::string& path, const Bytes& bytes);

struct RunResult {
    int exitCode;
    std::string out;
};

// Runs the built tool with the given arguments (no shell interpretation of
// them) and collects its standard output.
RunResult runTool(const std::vector<std::string>& args);

// The banner's first line and the empty line after it frame every run; this
// strips the three banner lines and the empty line.
std::string withoutBanner(const std::string& out);

// A 5120-byte image of random bytes with the combi markers chosen by `combis`:
// -1 leaves them random (rarely 0x55), otherwise the first `combis` slots are
// marked in use and the rest not.
BankImage randomImage(std::mt19937& rng, int combis);

// The image as the model can carry it: gaps and bits outside the packed fields
// cleared (what a load followed by a store gives).
BankImage canonicalImage(const BankImage& image, bool withCombis);

std::string demoBankPath();

} // namespace vornak::test
