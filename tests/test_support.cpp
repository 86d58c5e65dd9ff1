#include "test_support.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

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

RunResult runTool(const std::vector<std::string>& args) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
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
    // Bits a packed record does not carry: program bits 205..210 (byte 25
    // bits 5..7, byte 26 bits 0..2) and 401..407 (byte 50 bits 1..7); combi
    // bytes 16 and 28..30, bits 6..7 of byte 25, bits 4..7 of byte 26, and any
    // marker other than 0x55.
    BankImage out{};
    const int programs = withCombis ? kImageProgramsWithCombis : kImageProgramsWithoutCombis;
    for (int j = 0; j < programs; ++j) {
        const std::size_t at = static_cast<std::size_t>(51 * j);
        for (std::size_t k = 0; k < 51; ++k) out[at + k] = image[at + k];
        out[at + 25] &= 0x1F;
        out[at + 26] &= 0xF8;
        out[at + 50] &= 0x01;
    }
    if (withCombis)
        for (int i = 0; i < kImageCombis; ++i) {
            const std::size_t at = static_cast<std::size_t>(kCombiAreaOffset + 32 * i);
            for (std::size_t k = 0; k < 32; ++k) out[at + k] = image[at + k];
            out[at + 16] = 0;
            out[at + 25] &= 0x3F;
            out[at + 26] &= 0x0F;
            out[at + 28] = out[at + 29] = out[at + 30] = 0;
            if (out[at + 31] != 0x55) out[at + 31] = 0;
        }
    return out;
}

std::string demoBankPath() { return std::string(VORNAK_SOURCE_DIR) + "/examples/demo23.bin"; }

} // namespace vornak::test
