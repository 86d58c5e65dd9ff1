// A run of the tool over MemoryFiles (the files of a run in the WebAssembly
// engine) answers as a run in a folder of the system's that holds the same
// files: the same exit code, output and files written, for paths through
// folders, through a file as if it were one, too long, or onto the input.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "cli/driver.h"
#include "flex_image.h"
#include "io/memory_files.h"
#include "library/loader.h"
#include "test_support.h"

namespace vornak {
namespace {

using test::Bytes;

struct Outcome {
    int code = 0;
    std::string out;
    std::map<std::string, Bytes> written;
};

using Files = std::map<std::string, Bytes>;

// Runs the driver, printing into memory, through `files`.
Outcome runWith(const std::vector<std::string>& args, FileAccess& files) {
    std::vector<const char*> argv{"vornak"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = ::open_memstream(&text, &size);
    PpgBank bank = makeStartupBank();
    Outcome o;
    o.code = runDriver(static_cast<int>(argv.size()), argv.data(), bank, SIZE_MAX, files, out);
    std::fclose(out);
    o.out.assign(text, size);
    std::free(text);
    return o;
}

Outcome inMemory(const std::vector<std::string>& args, const Files& inputs) {
    MemoryFiles files(nullptr);
    for (const auto& [name, bytes] : inputs) {
        FileBytes staged = reserveWhole(bytes.size(), kLoadSpareBytes, kLoadCapacity);
        std::copy(bytes.begin(), bytes.end(), staged.data.get());
        files.add(name, std::move(staged));
    }
    Outcome o = runWith(args, files);
    for (const auto& [name, bytes] : files.written()) o.written[name] = bytes;
    return o;
}

// In a folder of its own, as the working folder; a file written is one that
// is new, or an input replaced (another inode) or changed.
Outcome onSystem(const std::vector<std::string>& args, const Files& inputs) {
    test::TempDir dir;
    std::map<std::string, ino_t> given;
    for (const auto& [name, bytes] : inputs) {
        std::filesystem::create_directories(std::filesystem::path(dir.path(name)).parent_path());
        test::writeFile(dir.path(name), bytes);
        struct stat s;
        ::stat(dir.path(name).c_str(), &s);
        given[name] = s.st_ino;
    }
    const auto home = std::filesystem::current_path();
    std::filesystem::current_path(dir.path(""));
    Outcome o = runWith(args, systemFiles());
    std::filesystem::current_path(home);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path(""))) {
        if (!entry.is_regular_file()) continue;
        const std::string name = std::filesystem::relative(entry.path(), dir.path("")).string();
        struct stat s;
        ::stat(entry.path().c_str(), &s);
        const Bytes bytes = test::readFile(entry.path().string());
        const auto input = inputs.find(name);
        if (input == inputs.end() || given[name] != s.st_ino || input->second != bytes) o.written[name] = bytes;
    }
    return o;
}

// A FLEX disk holding the demo bank as a Waveterm A file.
Bytes demoDisk() {
    test::FlexImage disk;
    disk.addFile("D001.USR", test::readFile(test::examplePath("demo23-a.usr")));
    return disk.raw();
}

TEST(MemoryFiles, RunsAsInAFolderOfTheSystem) {
    const Bytes dump = test::readFile(test::demoBankPath());
    const Files inputs{{"in.syx", dump}, {"sub/x", dump}, {"sub/disk.dsk", demoDisk()}};
    const std::vector<std::vector<std::string>> runs{
        {"/Sout.syx", "in.syx"},       {"/Wout.crv", "-L", "sub/x"},      {"/S./sub/../out.syx", "in.syx"},
        {"/Ssub/new.syx", "./in.syx"}, {"/Oin.syx", "in.syx"},            {"/Sin.syx/", "in.syx"},
        {"/Sin.syx/../out.syx", "in.syx"}, {"/Smissing/../out.syx", "in.syx"}, {"/Ssub", "in.syx"},
        {"/Snone/out.syx", "in.syx"},  {"/S" + std::string(256, 'x'), "in.syx"}, {"/S/dev/null", "in.syx"},
        {"in.syx/"},                   {"sub/./x"},                       {"sub//x"},
        {"sub/x/."},                   {"sub"},                           {"missing.syx"},
        {"-v", std::string(300, 'y')}, {"sub/../in.syx"},
        {"sub/disk.dsk"},              {"/Sout.syx", "sub/disk.dsk/d001.usr"}, {"sub/disk.dsk/NONE.USR"},
        {"/Ssub", "sub/disk.dsk"},     {"sub/disk.dsk/."},                {"in.syx/D001.USR"},
    };
    for (const auto& args : runs) {
        std::string label;
        for (const std::string& a : args) label += a.substr(0, 40) + " ";
        const Outcome system = onSystem(args, inputs);
        const Outcome memory = inMemory(args, inputs);
        EXPECT_EQ(memory.code, system.code) << label;
        EXPECT_EQ(memory.out, system.out) << label;
        EXPECT_EQ(memory.written, system.written) << label;
    }
}

// A file on a disk image is read through the memory files as the file
// copied off the disk.
TEST(MemoryFiles, ReadsAFileOnADiskImage) {
    const Outcome fromDisk = inMemory({"/Sout.syx", "disk.dsk/D001.USR"}, {{"disk.dsk", demoDisk()}});
    const Outcome fromFile =
        inMemory({"/Sout.syx", "D001.USR"}, {{"D001.USR", test::asCopied(test::readFile(test::examplePath("demo23-a.usr")))}});
    EXPECT_EQ(fromDisk.code, 0);
    EXPECT_EQ(fromDisk.out, fromFile.out);
    ASSERT_EQ(fromDisk.written.count("out.syx"), 1u);
    EXPECT_EQ(fromDisk.written, fromFile.written);
}

} // namespace
} // namespace vornak
