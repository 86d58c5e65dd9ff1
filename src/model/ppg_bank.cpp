#include "model/ppg_bank.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <stdexcept>

#include "model/failure.h"

namespace vornak {

namespace {

constexpr int kReservedPrograms = 128;

// Sets the count of `items`: growing keeps the entries there are and adds
// new ones; shrinking drops the entries beyond the count, whose storage a
// later growth reuses.
template <typename T>
void setCount(std::vector<T>& items, int wanted) {
    try {
        items.resize(static_cast<std::size_t>(std::max(wanted, 0)));
    } catch (const std::bad_alloc&) {
        fail(kBankNoMemory);
    } catch (const std::length_error&) {
        fail(kBankNoMemory);
    }
}

} // namespace

PpgBank::PpgBank(int programCount, int combiCount) {
    std::copy(kDefaultGlobals.begin(), kDefaultGlobals.end(), globals);
    // Room for the largest bank a PPG or 2.V file holds, so that loading one
    // grows the arrays in place. Reserved memory is not touched until used.
    programs.reserve(static_cast<std::size_t>(std::max(programCount, kReservedPrograms)));
    combis.reserve(static_cast<std::size_t>(std::max(combiCount, kImageCombis)));
    resize(programCount, combiCount);
}

void PpgBank::resize(int newProgramCount, int newCombiCount) {
    setCount(programs, newProgramCount);
    setCount(combis, newCombiCount);
}

void PpgBank::loadImage(const std::uint8_t* image, ModelHint hint) {
    int usedCombis = 0;
    if (hint == ModelHint::Wave23) {
        usedCombis = kImageCombis;
    } else if (hint != ModelHint::Wave22) {
        for (int i = 0; i < kImageCombis; ++i)
            if (image[kCombiAreaOffset + kPackedCombiSize * i + 31] == kCombiUsedMarker) ++usedCombis;
    }
    const bool withCombis = usedCombis > 0;
    const int n = withCombis ? kImageProgramsWithCombis : kImageProgramsWithoutCombis;

    resize(0, 0);
    resize(n, withCombis ? kImageCombis : 0);
    for (int j = 0; j < n; ++j) {
        PpgProgram& program = programs[static_cast<std::size_t>(j)];
        program.decode(image + kPackedProgramSize * j, true);
        setImageProgramName(program, j);
        program.is2V = false;
    }
    if (withCombis)
        for (int i = 0; i < kImageCombis; ++i)
            combis[static_cast<std::size_t>(i)].decode(image + kCombiAreaOffset + kPackedCombiSize * i);
    is2V = false;
}

void setImageProgramName(PpgProgram& program, int j) {
    char label[kProgramNameSize];
    std::snprintf(label, sizeof label, "%s%03d", kImageProgramNamePrefix, j);
    setName(program.name, label);
}

PpgProgram imageFillProgram() {
    PpgProgram empty;
    setName(empty.name, "Empty");
    return empty;
}

ProgramRange clampRange(int first, int last, int programCount) {
    if (programCount <= 0) return {};
    // A negative start cannot come from a plain /P switch; it is taken as 0.
    first = std::clamp(first, 0, programCount - 1);
    last = std::clamp(last, first, programCount - 1);
    return {first, last};
}

ImageSelection PpgBank::imageSelection(int first, int last) const {
    ImageSelection s;
    s.slots = std::min(programCount(), kImageProgramsWithoutCombis);
    s.combis = std::min(combiCount(), kImageCombis);
    if (s.combis > 0 && s.slots > kImageProgramsWithCombis) s.slots = kImageProgramsWithCombis;
    const ProgramRange range = clampRange(first, last, programCount());
    s.first = range.first;
    s.written = std::min(range.count(), s.slots);
    return s;
}

int PpgBank::combisInUse() const {
    return static_cast<int>(std::count_if(combis.begin(), combis.end(), [](const PpgCombi& c) { return c.used != 0; }));
}

void PpgBank::takeGlobalsFrom(const PpgProgram& program) {
    std::copy_n(program.programValues + kFirstGlobalValue, kGlobalCount, globals);
}

void PpgBank::setGlobal(int k, std::int32_t value) {
    globals[k] = value;
    for (PpgProgram& program : programs) program.programValues[kFirstGlobalValue + k] = value;
}

void PpgBank::storeImage(std::uint8_t* image, int first, int last) const {
    const ImageSelection s = imageSelection(first, last);
    for (int k = 0; k < s.written; ++k)
        programs[static_cast<std::size_t>(s.first + k)].encode(image + kPackedProgramSize * k);
    if (s.written < s.slots) {
        const PpgProgram empty = imageFillProgram();
        for (int k = s.written; k < s.slots; ++k) empty.encode(image + kPackedProgramSize * k);
    }
    if (s.combis > 0) {
        for (int i = 0; i < s.combis; ++i)
            combis[static_cast<std::size_t>(i)].encode(image + kCombiAreaOffset + kPackedCombiSize * i);
        const PpgCombi cleared;
        for (int i = s.combis; i < kImageCombis; ++i)
            cleared.encode(image + kCombiAreaOffset + kPackedCombiSize * i);
    }
}

} // namespace vornak
