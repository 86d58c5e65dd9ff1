#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/ppg_combi.h"
#include "model/ppg_program.h"

namespace vornak {

// The PPG Wave program memory, 5120 bytes, as the V8, Waveterm and Halvic
// formats carry it:
//   0     51 x N   packed programs, N = 87 with combis, 100 without
//   4437  43       with combis: unused
//   4480  20 x 32  with combis: packed combis (byte 31 = 0x55 when in use)
//   5100  20       without combis: unused
constexpr int kBankImageSize = 5120;
constexpr int kCombiAreaOffset = 4480;
constexpr int kImageProgramsWithCombis = 87;
constexpr int kImageProgramsWithoutCombis = 100;
constexpr int kImageCombis = 20;

using BankImage = std::array<std::uint8_t, kBankImageSize>;

// The most programs, and the most combis, a bank is made with from a count
// in a file, far beyond any real bank (a PPG memory holds 100 programs and
// 20 combis, a 2.V bank 128 programs): every reader refuses a larger count,
// and one that the file's bytes cannot hold, before anything is allocated.
// A bank of that many programs takes about 40 MB.
constexpr std::int32_t kMaxBankPrograms = 65536;

// How to read a memory image: as a Wave 2.2 (/2.2) or a Wave 2.3 (/2.3)
// memory, or as the combi markers in it say. The values are the digit the
// switch gives.
enum class ModelHint : int { Detect = -1, Wave22 = 2, Wave23 = 3 };

// A program range as /P gives it (first and last, numbered from 0), held to
// the bank: a first below 0 counts as 0; a first or last beyond the bank is
// its last program; a last below the first is the first. `count` is how
// many programs the range holds: 0 only for an empty bank.
struct ProgramRange {
    int first = 0;
    int last = -1;
    int count() const { return last - first + 1; }
};
ProgramRange clampRange(int first, int last, int programCount);

// The range that /P leaves when it is not given: every program.
constexpr int kDefaultRangeEnd = 255;

// The bank's globals start as the default program's values 13..23.
inline constexpr std::array<std::int32_t, kGlobalCount> kDefaultGlobals = [] {
    std::array<std::int32_t, kGlobalCount> globals{};
    for (std::size_t k = 0; k < globals.size(); ++k) globals[k] = kDefaultProgramValues[kFirstGlobalValue + k];
    return globals;
}();

// What storing a bank into a memory image writes: programs first ..
// first + written - 1 into slots 0 .. written - 1, the fill program into the
// slots from written up to `slots`, and `combis` combis; image slots from
// `slots` on are not written (they stay zero).
struct ImageSelection {
    int first = 0;
    int written = 0;
    int slots = 0;
    int combis = 0;
};

// The program that fills the image slots a bank has no program for: the
// default program, named "Empty" (the name is not part of the image).
PpgProgram imageFillProgram();

// A memory image stores no names: loading one names program j
// "PPG Program 012" (for j = 12), this prefix and three digits.
inline constexpr char kImageProgramNamePrefix[] = "PPG Program ";
void setImageProgramName(PpgProgram& program, int j);

class PpgBank {
public:
    PpgBank(int programs, int combis);

    // Sets the counts in use; growing keeps the first programCount()
    // (combiCount()) entries and makes the new ones default programs (cleared
    // combis). Throws the CodeError kBankNoMemory when there is no memory for
    // the larger arrays. Negative counts are taken as 0.
    void resize(int programCount, int combiCount);
    // The programs and combis in use: every entry of the arrays.
    int programCount() const { return static_cast<int>(programs.size()); }
    int combiCount() const { return static_cast<int>(combis.size()); }
    // Replaces every program and combi from a memory image. Model 2 or 3 fixes
    // the layout; any other value decides it from the combi markers.
    void loadImage(const std::uint8_t* image, ModelHint hint);
    // Stores programs first..last (clamped to the bank) and every combi into a
    // zero-filled image.
    void storeImage(std::uint8_t* image, int first, int last) const;
    // The programs and slots that storeImage writes for first..last.
    ImageSelection imageSelection(int first, int last) const;
    // How many combis are marked in use.
    int combisInUse() const;
    // The bank's globals and every program's values 13..23 stand for the same
    // settings; these two are where one is made from the other. The globals
    // from a program's values (the first program of a 2.V parameter bank, or
    // of a bank built from others):
    void takeGlobalsFrom(const PpgProgram& program);
    // Global k (program value 13 + k) for the bank and every program in it,
    // where a file holds it once for the bank (a Halvic bank's tuning).
    void setGlobal(int k, std::int32_t value);

    char name[kProgramNameSize] = {};
    bool is2V = false;
    std::vector<PpgProgram> programs;
    std::vector<PpgCombi> combis;
    std::int32_t globals[kGlobalCount] = {};
};

// The bank a run of the tool starts with, before a reader fills it: 87
// default programs and 20 cleared combis.
inline PpgBank makeStartupBank() { return PpgBank(kImageProgramsWithCombis, kImageCombis); }

} // namespace vornak
