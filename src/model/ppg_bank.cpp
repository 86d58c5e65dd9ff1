#include "model/ppg_bank.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <stdexcept>

#include "model/error.h"

namespace vornak {

namespace {

constexpr int kReservedPrograms = 128;

// Grows `items` to `wanted` entries, keeping the first `inUse` and building the
// rest anew; a smaller count keeps the array as it is. Entries beyond the
// count in use are out of use: growing over them again resets them, so the
// storage an array already has is reused instead of allocated afresh.
template <typename T>
void growArray(std::vector<T>& items, std::int32_t& inUse, int wanted) {
    wanted = std::max(wanted, 0);
    if (wanted > inUse) {
        const auto count = static_cast<std::size_t>(wanted);
        const std::size_t held = items.size();
        try {
            if (held < count) items.resize(count);
        } catch (const std::bad_alloc&) {
            raiseCode(1);
        } catch (const std::length_error&) {
            raiseCode(1);
        }
        for (std::size_t i = static_cast<std::size_t>(inUse); i < std::min(held, count); ++i) items[i] = T();
    }
    inUse = wanted;
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

bool PpgBank::resize(int newProgramCount, int newCombiCount) {
    growArray(programs, programCount, newProgramCount);
    growArray(combis, combiCount, newCombiCount);
    return true;
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
    s.slots = std::min(programCount, kImageProgramsWithoutCombis);
    s.combis = std::min(combiCount, kImageCombis);
    if (s.combis > 0 && s.slots > kImageProgramsWithCombis) s.slots = kImageProgramsWithCombis;
    const ProgramRange range = clampRange(first, last, programCount);
    s.first = range.first;
    s.written = std::min(range.count(), s.slots);
    return s;
}

int PpgBank::combisInUse() const {
    return static_cast<int>(std::count_if(combis.begin(), combis.begin() + combiCount,
                                          [](const PpgCombi& c) { return c.used != 0; }));
}

void PpgBank::takeGlobalsFrom(const PpgProgram& program) {
    std::copy_n(program.programValues + kTuning, kGlobalCount, globals);
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
