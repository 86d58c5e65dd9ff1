#pragma once

// Helpers shared by the tests: temporary folders, whole-file I/O, runs of the
// built tool, and random memory images.

#include <cstdint>

#include <gtest/gtest.h>
#include <filesystem>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "library/compose.h"
#include "library/conversions.h"
#include "library/loader.h"
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

struct RunOptions {
    long long fileSizeLimit = -1; // RLIMIT_FSIZE, SIGXFSZ ignored: a write past it fails with EFBIG
    int input = -1;               // the tool's standard input; -1: the test's own
    unsigned endAfterSeconds = 0; // SIGALRM ends a tool that waits forever; 0: none
};

// Runs the built tool with the given arguments (no shell interpretation of
// them) and collects its standard output.
RunResult runTool(const std::vector<std::string>& args, const RunOptions& options = {});

// Starts a process that writes the bytes to the file at `path` (a FIFO: once
// a reader has opened it) and ends; answers its process id.
int startWriter(const std::string& path, const Bytes& bytes);
// Waits for a process from startWriter; true when it wrote every byte.
bool writerDone(int pid);

// A pipe that another process fills with the bytes and then closes: its read
// end and the writer's process id.
struct FedPipe {
    int readEnd;
    int writer;
};
FedPipe feedPipe(const Bytes& bytes);

// Runs the built tool with "/dev/stdin" as its input file, a pipe that
// another process fills with the bytes.
RunResult runToolOnPipe(const Bytes& input, const std::vector<std::string>& switches = {});

// The banner's first line and the empty line after it frame every run; this
// strips the three banner lines and the empty line.
std::string withoutBanner(const std::string& out);

// A 5120-byte image of random bytes with the combi markers chosen by `combis`:
// -1 leaves them random (rarely 0x55), otherwise the first `combis` slots are
// marked in use and the rest not.
BankImage randomImage(std::mt19937& rng, int combis);

// The image as the model can carry it: the bytes between the programs and
// the combis, or after the programs, cleared (what a load followed by a
// store gives).
BankImage canonicalImage(const BankImage& image, bool withCombis);

// A start-up bank that has loaded the image, its layout decided by the combi markers.
PpgBank bankFrom(const BankImage& image);

std::string demoBankPath();
// A file of examples/: the demo bank in every format the tool writes.
std::string examplePath(const std::string& name);

// A file of the shared corpus of real banks, found beside the source tree.
std::string corpusPath(const std::string& relative);

// A model hint by the digit of /2.x (-1: none), as the test tables give it.
inline ModelHint hintOf(int digit) { return static_cast<ModelHint>(digit); }

// Loads the bytes through the tool's loader, as an input file; answers its code.
int loadFromBytes(const Bytes& bytes, PpgBank& bank, int modelHint = -1);

// Runs the built tool on the bytes as its input file, after the switches.
RunResult runToolOn(const Bytes& input, const std::vector<std::string>& switches = {});

// Hand-made FXB-style files, every word big-endian, built without the code
// under test.
std::uint32_t tag(const char* fourChars); // as the big-endian word it reads as
void appendWord(Bytes& b, std::uint32_t v);
void appendFloat(Bytes& b, float f);
void putWord(Bytes& b, std::size_t at, std::uint32_t v);
std::uint32_t wordAt(const Bytes& b, std::size_t at);
float floatAt(const Bytes& b, std::size_t at);
Bytes join(const std::vector<Bytes>& parts);
Bytes withWord(Bytes b, std::size_t at, std::uint32_t v); // a copy with one word replaced
Bytes prefix(const Bytes& b, std::size_t n);              // the first n bytes
// The 156-byte bank header: seven words, then 128 zero bytes.
Bytes fxbHeader(std::uint32_t byteSize, const char* fxMagic, std::int32_t version, std::uint32_t fxId,
                std::uint32_t fxVersion, std::int32_t numPrograms);
// A program block: "CcnK", byteSize 48 + 4n, the given words, numParams n, the
// name NUL-padded to 28 bytes, then the n floats.
Bytes fxbBlock(const char* fxMagic, std::uint32_t version, std::uint32_t fxId, std::uint32_t fxVersion,
               const std::string& name, const std::vector<float>& params);

// Every value of a program (program values, group A, group B, is2V) and of a
// combi (used, bk, kbm, firstByte, multi, then bkIndex, det and split of group
// a and b), in that order.
std::vector<std::int32_t> programFields(const PpgProgram& p);
std::vector<std::int32_t> combiFields(const PpgCombi& c);
// Names, flags, counts and every value of every program and combi.
void expectSameBank(const PpgBank& got, const PpgBank& want, const std::string& context = "");
// What a 2.V bank gives back of program `src` exported from group `group`:
// its name, the carried program values (held at their maximum), the group in
// both groups less the two flag bits and group parameter 39 it cannot carry,
// and the 2.V flag.
void expectCarriedBy2V(const PpgProgram& got, const PpgProgram& src, int group, const std::string& context);

// The demo bank in every format the tool writes, as examples/ holds them.
inline const char* const kExamples[] = {"demo23.syx", "demo23-a.usr", "demo23-b.usr", "demo23.bin", "demo23-f.fxb",
                                        "demo23-n.fxb", "demo23-o.fxb", "demo23-m.fxb", "demo23.crv"};

// A bank loaded by the library from bytes, and what the loading gave.
struct Read {
    PpgBank bank = makeStartupBank();
    LoadOutcome outcome;
};
Read readBytes(const Bytes& bytes, int hint = -1);

// The codes of the notes, by name.
std::vector<std::string> codes(const LoadOutcome& o);
::testing::AssertionResult hasNote(const LoadOutcome& o, const std::string& code, const std::string& words);
// Whether one of the report's `dropped` says the words.
bool drops(const ConversionReport& r, const std::string& words);

// A Corvel bank that holds what only Corvel keeps: names, a bank name,
// program values 24..28, group parameter 39, and groups A and B that differ.
PpgBank namedBank();

// A compose request over the files (held until the next call).
ComposeRequest requestFrom(const std::vector<std::pair<std::string, Bytes>>& files);

} // namespace vornak::test
