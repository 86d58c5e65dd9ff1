// Inputs that cannot be measured by seeking (pipes, FIFOs) are read to their
// end and then handled exactly like a file with the same bytes.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "cli/command_line.h"
#include "io/file_io.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

TEST(Pipes, ABankThroughAPipeListsAndExportsAsTheFileDoes) {
    TempDir tmp;
    // demo23-m.fxb is longer than the first step of a read from a pipe.
    for (const char* name : {"demo23.syx", "demo23-a.usr", "demo23-b.usr", "demo23-m.fxb", "demo23-o.fxb", "demo23.crv",
                             "demo23.bin"}) {
        const RunResult fromFile = runTool({"-L", "/W" + tmp.path("file.crv"), examplePath(name)});
        const RunResult fromPipe = runToolOnPipe(readFile(examplePath(name)), {"-L", "/W" + tmp.path("pipe.crv")});
        EXPECT_EQ(fromFile.exitCode, 0) << name;
        EXPECT_EQ(fromPipe.exitCode, 0) << name;
        EXPECT_EQ(fromPipe.out, fromFile.out) << name;
        EXPECT_FALSE(readFile(tmp.path("file.crv")).empty()) << name;
        EXPECT_TRUE(readFile(tmp.path("pipe.crv")) == readFile(tmp.path("file.crv"))) << name;
    }

    // A damaged Corvel bank (its header counts one chunk less) ends with the
    // reader's own code either way.
    const Bytes damaged = withWord(readFile(examplePath("demo23.crv")), 24, 107);
    EXPECT_EQ(runToolOnPipe(damaged).exitCode, 6);
    EXPECT_EQ(runToolOn(damaged).exitCode, 6);

    const RunResult empty = runToolOnPipe({});
    EXPECT_EQ(empty.exitCode, 6);
    EXPECT_EQ(withoutBanner(empty.out), "Unknown file format\n");
}

TEST(Pipes, AnAbsoluteFifoPathIsTheInputAndIsOpenedOnce) {
    TempDir tmp;
    const std::string fifo = tmp.path("bank.fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Whether an argument names the input is asked without opening it, which
    // would wait for a writer here.
    EXPECT_TRUE(pathExists(fifo));
    // More bytes than a pipe holds at once: the tool reads while the writer
    // still writes.
    const int writer = startWriter(fifo, readFile(examplePath("demo23-m.fxb")));
    const RunResult r = runTool({fifo}, {.endAfterSeconds = 60});
    EXPECT_TRUE(writerDone(writer)) << "the tool read every byte";
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, runTool({examplePath("demo23-m.fxb")}).out);
}

TEST(Pipes, AReadFromAPipeStopsBeyondItsLimit) {
    constexpr std::size_t kLimit = 100000; // more than one step of the growing read
    Bytes bytes(kLimit + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 % 251 + 1);
    for (const std::size_t size : {kLimit, kLimit + 1}) {
        const FedPipe pipe = feedPipe(prefix(bytes, size));
        const FileBytes read = readWholeFile(("/dev/fd/" + std::to_string(pipe.readEnd)).c_str(), 2, 0, kLimit);
        close(pipe.readEnd);
        writerDone(pipe.writer);
        if (size > kLimit) {
            EXPECT_EQ(read.status, FileBytes::NoMemory);
            continue;
        }
        ASSERT_EQ(read.status, FileBytes::Read);
        ASSERT_EQ(read.size, kLimit);
        EXPECT_TRUE(Bytes(read.data.get(), read.data.get() + kLimit + 2) == join({prefix(bytes, kLimit), Bytes(2, 0)}));
    }
}

// A file's size is known before it is read: above the limit nothing is read.
TEST(Pipes, AFileAboveTheFileLimitIsRefusedLikeAPipe) {
    TempDir tmp;
    const Bytes bytes(6000, 0x11);
    writeFile(tmp.path("bank.bin"), bytes);
    const FileBytes at = readWholeFile(tmp.path("bank.bin").c_str(), 2, 0, kStreamLimit, 6000);
    ASSERT_EQ(at.status, FileBytes::Read);
    EXPECT_TRUE(Bytes(at.data.get(), at.data.get() + at.size) == bytes);
    EXPECT_EQ(readWholeFile(tmp.path("bank.bin").c_str(), 2, 0, kStreamLimit, 5999).status, FileBytes::NoMemory);
}
