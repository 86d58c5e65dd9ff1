#include "test_support.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "cli/input.h"

namespace vornak::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vornak-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir_, ec);
}

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

RunResult runTool(const std::vector<std::string>& args, const RunOptions& options) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        if (options.input >= 0) dup2(options.input, STDIN_FILENO);
        if (options.endAfterSeconds > 0) alarm(options.endAfterSeconds);
        if (options.fileSizeLimit >= 0) {
            const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit), static_cast<rlim_t>(options.fileSizeLimit)};
            signal(SIGXFSZ, SIG_IGN);
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
        }
        std::vector<char*> argv;
        static std::string binary = VORNAK_BINARY;
        argv.push_back(binary.data());
        std::vector<std::string> copies(args);
        for (std::string& a : copies) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    RunResult result{-1, {}};
    char chunk[4096];
    ssize_t n;
    while ((n = read(pipeFds[0], chunk, sizeof chunk)) > 0) result.out.append(chunk, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

namespace {

// Forks a process that opens its target with `open`, writes the bytes to it
// and ends: 0 when every byte was written.
template <typename Open>
int spawnWriter(const Bytes& bytes, Open open) {
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid != 0) return pid;
    signal(SIGPIPE, SIG_IGN); // a reader that stops early ends the writing, not the process
    const int fd = open();
    std::size_t done = 0;
    while (fd >= 0 && done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    _exit(fd >= 0 && done == bytes.size() && close(fd) == 0 ? 0 : 1);
}

} // namespace

int startWriter(const std::string& path, const Bytes& bytes) {
    return spawnWriter(bytes, [&path] { return open(path.c_str(), O_WRONLY); });
}

bool writerDone(int pid) {
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

FedPipe feedPipe(const Bytes& bytes) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    const int writer = spawnWriter(bytes, [&fds] {
        close(fds[0]);
        return fds[1];
    });
    close(fds[1]);
    return {fds[0], writer};
}

RunResult runToolOnPipe(const Bytes& input, const std::vector<std::string>& switches) {
    const FedPipe pipe = feedPipe(input);
    std::vector<std::string> args(switches);
    args.push_back("/dev/stdin");
    const RunResult result = runTool(args, {.input = pipe.readEnd});
    close(pipe.readEnd);
    writerDone(pipe.writer);
    return result;
}

std::string withoutBanner(const std::string& out) {
    std::size_t pos = 0;
    for (int line = 0; line < 4 && pos != std::string::npos; ++line) {
        pos = out.find('\n', pos);
        if (pos != std::string::npos) ++pos;
    }
    return pos == std::string::npos ? std::string() : out.substr(pos);
}

BankImage randomImage(std::mt19937& rng, int combis) {
    BankImage image{};
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : image) b = static_cast<std::uint8_t>(byte(rng));
    if (combis >= 0)
        for (int i = 0; i < kImageCombis; ++i)
            image[static_cast<std::size_t>(kCombiAreaOffset + 32 * i + 31)] = i < combis ? 0x55 : 0x00;
    return image;
}

BankImage canonicalImage(const BankImage& image, bool withCombis) {
    // Programs and combis are carried bit for bit, the bits no value holds
    // too; the bytes between them are not: 4437..4479 with combis,
    // 5100..5119 without.
    BankImage out = image;
    const std::size_t programsEnd = 51 * (withCombis ? 87 : 100);
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(programsEnd),
              out.begin() + (withCombis ? kCombiAreaOffset : kBankImageSize), 0);
    return out;
}

PpgBank bankFrom(const BankImage& image) {
    PpgBank bank(87, 20);
    bank.loadImage(image.data(), ModelHint::Detect);
    return bank;
}

std::string demoBankPath() { return examplePath("demo23.bin"); }

std::string examplePath(const std::string& name) { return std::string(VORNAK_SOURCE_DIR) + "/examples/" + name; }

std::string corpusPath(const std::string& relative) {
    return std::string(VORNAK_SOURCE_DIR) + "/../shared/corpus/" + relative;
}

int loadFromBytes(const Bytes& bytes, PpgBank& bank, int modelHint) {
    TempDir tmp;
    writeFile(tmp.path("input"), bytes);
    return loadInputFile(tmp.path("input").c_str(), hintOf(modelHint), bank);
}

RunResult runToolOn(const Bytes& input, const std::vector<std::string>& switches) {
    TempDir tmp;
    writeFile(tmp.path("input"), input);
    std::vector<std::string> args(switches);
    args.push_back(tmp.path("input"));
    return runTool(args);
}

std::uint32_t tag(const char* t) {
    return (std::uint32_t(std::uint8_t(t[0])) << 24) | (std::uint32_t(std::uint8_t(t[1])) << 16) |
           (std::uint32_t(std::uint8_t(t[2])) << 8) | std::uint32_t(std::uint8_t(t[3]));
}

void appendWord(Bytes& b, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) b.push_back(static_cast<std::uint8_t>(v >> shift));
}

void appendFloat(Bytes& b, float f) {
    std::uint32_t v;
    std::memcpy(&v, &f, 4);
    appendWord(b, v);
}

void putWord(Bytes& b, std::size_t at, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
}

std::uint32_t wordAt(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) | (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

float floatAt(const Bytes& b, std::size_t at) {
    const std::uint32_t v = wordAt(b, at);
    float f;
    std::memcpy(&f, &v, 4);
    return f;
}

Bytes join(const std::vector<Bytes>& parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes withWord(Bytes b, std::size_t at, std::uint32_t v) {
    putWord(b, at, v);
    return b;
}

Bytes prefix(const Bytes& b, std::size_t n) { return Bytes(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n)); }

Bytes fxbHeader(std::uint32_t byteSize, const char* fxMagic, std::int32_t version, std::uint32_t fxId,
                std::uint32_t fxVersion, std::int32_t numPrograms) {
    Bytes b;
    for (std::uint32_t w : {tag("CcnK"), byteSize, tag(fxMagic), static_cast<std::uint32_t>(version), fxId, fxVersion,
                            static_cast<std::uint32_t>(numPrograms)})
        appendWord(b, w);
    b.resize(156, 0);
    return b;
}

Bytes fxbBlock(const char* fxMagic, std::uint32_t version, std::uint32_t fxId, std::uint32_t fxVersion,
               const std::string& name, const std::vector<float>& params) {
    const auto n = static_cast<std::uint32_t>(params.size());
    Bytes b;
    for (std::uint32_t w : {tag("CcnK"), 48 + 4 * n, tag(fxMagic), version, fxId, fxVersion, n}) appendWord(b, w);
    b.insert(b.end(), name.begin(), name.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(28, name.size())));
    b.resize(56, 0);
    for (float f : params) appendFloat(b, f);
    return b;
}

std::vector<std::int32_t> programFields(const PpgProgram& p) {
    std::vector<std::int32_t> v(p.programValues, p.programValues + kProgramValueCount);
    for (const auto& group : p.groups) v.insert(v.end(), group, group + kGroupParamCount);
    v.push_back(p.is2V ? 1 : 0);
    return v;
}

std::vector<std::int32_t> combiFields(const PpgCombi& c) {
    std::vector<std::int32_t> v{c.used};
    v.insert(v.end(), c.bk, c.bk + 8);
    v.insert(v.end(), {c.kbm, c.firstByte, c.multi});
    for (const CombiGroup* g : {&c.groupA, &c.groupB}) {
        v.insert(v.end(), {g->bkIndex, g->det});
        v.insert(v.end(), g->split, g->split + 7);
    }
    return v;
}

void expectSameBank(const PpgBank& got, const PpgBank& want, const std::string& context) {
    EXPECT_STREQ(got.name, want.name) << context;
    EXPECT_EQ(got.is2V, want.is2V) << context;
    ASSERT_EQ(got.programCount(), want.programCount()) << context;
    ASSERT_EQ(got.combiCount(), want.combiCount()) << context;
    for (std::size_t j = 0; j < static_cast<std::size_t>(want.programCount()); ++j) {
        EXPECT_STREQ(got.programs[j].name, want.programs[j].name) << context << " program " << j;
        EXPECT_EQ(programFields(got.programs[j]), programFields(want.programs[j])) << context << " program " << j;
    }
    for (std::size_t i = 0; i < static_cast<std::size_t>(want.combiCount()); ++i) {
        EXPECT_STREQ(got.combis[i].name, want.combis[i].name) << context << " combi " << i;
        EXPECT_EQ(combiFields(got.combis[i]), combiFields(want.combis[i])) << context << " combi " << i;
    }
}

void expectCarriedBy2V(const PpgProgram& got, const PpgProgram& src, int group, const std::string& context) {
    // The maximum of each program value in a 2.V block; -1: not carried.
    static constexpr std::int32_t kMax[kProgramValueCount] = {31,    3,  -1,  127, 127, 1,   1,   1,   1,   4,
                                                              16383, 16383, 16383, 99, 16383, 63, 127, 127, 127, 127,
                                                              127,   127, 127, 127, -1,  -1,  -1,  -1,  -1};
    PpgProgram want;
    for (int k = 0; k < kProgramValueCount; ++k) want.programValues[k] = kMax[k] < 0 ? 0 : std::min(src.programValues[k], kMax[k]);
    for (auto& g : want.groups) {
        std::copy(src.groups[group], src.groups[group] + kGroupParamCount, g);
        g[kFlagByte1] &= ~0x40;
        g[kFlagByte2] &= ~0x08;
        g[39] = 0;
    }
    want.is2V = true;
    EXPECT_STREQ(got.name, src.name) << context;
    EXPECT_EQ(programFields(got), programFields(want)) << context;
}

Read readBytes(const Bytes& bytes, int hint) {
    Read r;
    r.outcome = loadBank(bytes.data(), bytes.size(), hintOf(hint), r.bank);
    return r;
}

std::vector<std::string> codes(const LoadOutcome& o) {
    std::vector<std::string> c;
    for (const LoadNote& n : o.notes) c.push_back(noteCodeName(n.code));
    return c;
}

::testing::AssertionResult hasNote(const LoadOutcome& o, const std::string& code, const std::string& words) {
    for (const LoadNote& n : o.notes)
        if (noteCodeName(n.code) == code && n.text.find(words) != std::string::npos) return ::testing::AssertionSuccess();
    std::string all;
    for (const LoadNote& n : o.notes) all += std::string(noteCodeName(n.code)) + ": " + n.text + "\n";
    return ::testing::AssertionFailure() << "no note " << code << " saying \"" << words << "\" in:\n" << all;
}

bool drops(const ConversionReport& r, const std::string& words) {
    return std::ranges::any_of(r.dropped, [&](const std::string& d) { return d.find(words) != std::string::npos; });
}

PpgBank namedBank() {
    const Bytes bytes = readFile(examplePath("demo23.bin"));
    BankImage image{};
    std::copy_n(bytes.begin(), image.size(), image.begin());
    PpgBank bank = bankFrom(image);
    setName(bank.name, "Pads and Basses");
    for (int p = 0; p < bank.programCount(); ++p) {
        PpgProgram& program = bank.programs[static_cast<std::size_t>(p)];
        setName(program.name, ("Sound " + std::to_string(p)).c_str());
        if (p % 3 == 0) program.programValues[25] = 7;
    }
    bank.programs[1].groups[1][39] = 5;
    return bank;
}

ComposeRequest requestFrom(const std::vector<std::pair<std::string, Bytes>>& files) {
    static std::vector<std::pair<std::string, Bytes>> kept;
    kept = files;
    ComposeRequest request;
    for (const auto& [name, bytes] : kept) request.banks.push_back({name, bytes.data(), bytes.size()});
    return request;
}

} // namespace vornak::test
