#include "formats/bank_2v.h"

#include <algorithm>
#include <cstring>

#include "formats/program_2v.h"
#include "formats/text.h"
#include "model/failure.h"

namespace vornak {

using namespace fxb;

namespace {

constexpr int kGlobalsParamLimit = 50; // fewer parameters: the globals sub-chunk

// Reads the globals a sub-chunk holds: parameter k + 1 carries global k.
void readGlobals(PpgBank& bank, const std::uint8_t* params, std::int32_t count, Read2V& read) {
    for (int k = 0; k < kGlobalCount && k + 1 < count; ++k) {
        const float x = hostFloat(params + 4 * (k + 1));
        const std::int32_t max = k2VGlobalMax[static_cast<std::size_t>(k)];
        read.unsoundGlobals += !paramIsSound(x, max);
        bank.globals[k] = paramToInt(x, max);
    }
}

// Takes what decoding program `p` found.
void tally(Read2V& read, int p, const Decoded2V& found) {
    if (found.nameCut) read.namesCut.push_back(p);
    if (found.unsound == 0) return;
    read.unsound.push_back(p);
    read.unsoundValues += found.unsound;
}

// Walks the sub-chunks of a chunk bank into programs 0 .. n - 1; counts the
// program sub-chunks it read.
void loadChunks(PpgBank& bank, std::uint8_t* chunk, std::uint64_t size, int n, Read2V& read) {
    int next = 0;
    std::uint64_t p = 0;
    Decoder2V decoder;
    while (p < size) {
        if (p + kBlockHeaderSize > size) fail(kDamaged2V);
        std::uint8_t* sub = chunk + p;
        for (std::size_t w = 0; w < 6; ++w) swapWord(sub + 4 * w);
        if (hostWord(sub + kChunkMagic) != kCcnK || hostWord(sub + kFxMagic) != kFPCh || hostWord(sub + kFxId) != k2VFxId)
            fail(kDamaged2V);
        const std::uint8_t* c = sub + kNumParams;
        const bool littleEndian = hostInt(sub + kFxVersion) <= k2VLittleEndianCountUpTo && c[3] == 0;
        const std::uint32_t raw = littleEndian
                                      ? (std::uint32_t{c[3]} << 24 | std::uint32_t{c[2]} << 16 | std::uint32_t{c[1]} << 8 | c[0])
                                      : bigEndianWord(c);
        const auto params = static_cast<std::int32_t>(raw);
        const std::uint64_t byteSize = hostWord(sub + kByteSize);
        if (params < 0) fail(kDamaged2V);
        const std::uint64_t needed = kBlockHeaderSize + 4 * static_cast<std::uint64_t>(params);
        // The sub-chunk must hold its own header and parameters, inside the chunk.
        if (p + needed > size || 8 + byteSize < needed) fail(kDamaged2V);
        for (std::int32_t k = 0; k < params; ++k) swapWord(sub + kBlockHeaderSize + 4 * k);

        if (params < kGlobalsParamLimit) {
            readGlobals(bank, sub + kBlockHeaderSize, params, read);
        } else if (params == k2VParamCount) {
            if (next >= n) fail(kDamaged2V);
            setHostWord(sub + kFxMagic, kFxCk);
            setHostWord(sub + kFxVersion, 1);
            tally(read, next, decoder.decode(bank.programs[static_cast<std::size_t>(next)], sub));
            ++next;
        }
        p += 8 + byteSize;
        if (p > size) fail(kDamaged2V);
    }
    read.programs = next;
}

void loadParams(PpgBank& bank, FxbFile& file, Read2V& read) {
    const std::int32_t n = std::max<std::int32_t>(hostInt(file.image.get() + kNumPrograms), 0);
    // Every block holds 89 parameters at least: a count of more blocks than
    // the image holds, or of more programs than a bank takes, is refused
    // before the programs are made.
    if (n > kMaxBankPrograms || (n > 0 && kBankHeaderSize + std::uint64_t(n) * k2VBlockSize > file.imageSize))
        fail(kDamaged2V);
    bank.resize(0, 0);
    bank.resize(n, 0);
    Decoder2V decoder;
    for (int i = 0; i < n; ++i) {
        // Each block must hold all 89 parameters within the image.
        const std::uint8_t* block = file.programBlock(i);
        if (block == nullptr || hostInt(block + kNumParams) < k2VParamCount ||
            static_cast<std::uint64_t>(block - file.image.get()) + k2VBlockSize > file.imageSize)
            fail(kDamaged2V);
        PpgProgram& program = bank.programs[static_cast<std::size_t>(i)];
        tally(read, i, decoder.decode(program, block));
        if (i == 0) bank.takeGlobalsFrom(program);
    }
    read.programs = n;
}

// The programs first..last, held to the 128 a 2.V bank takes, in slots
// 0 .. count - 1; the fill program in the rest.
SlotUse use2V(const PpgBank& bank, int first, int last) {
    const ProgramRange r = clampRange(first, last, std::min(bank.programCount(), k2VBankPrograms));
    return {r.first, r.count(), k2VBankPrograms, k2VBankPrograms - r.count(), 0, 0};
}

// The default program, named "Basic 2.2".
PpgProgram fill2V() {
    PpgProgram p;
    setName(p.name, "Basic 2.2");
    return p;
}

// A 2.V parameter holds the whole numbers 0..max2V: a value beyond it comes
// back as max2V (KEYB holds 0..3 of 0..15). The mode number travels as its
// components, each of its eight values as its own; a flag byte through its
// single flags, without the bits that have none.
HeldSteps stepsIn2V(const Parameter& p) {
    switch (p.carry2V) {
    case Carry2V::None: return {};
    case Carry2V::Components:
    case Carry2V::Bits: return {0, p.max, 1};
    default: return {0, std::min(p.max, p.max2V), 1};
    }
}

} // namespace

const ExportLayout k2VLayout{
    .capacity = k2VBankPrograms,
    .takesRange = true,
    .groups = 1,
    .keepsNames = true,
    .memoryImage = false,
    .fill = fill2V,
    .held = heldBy2V,
    .steps = stepsIn2V,
    .use = use2V,
};

bool load2V(PpgBank& bank, FxbFile& file, Read2V* stats) {
    if (!file.image || file.headerWord(kFxId) != k2VFxId) return false;
    if (file.isChunkBank) {
        // The bank has as many programs as the header says, whatever the
        // chunk holds; those it does not fill keep what they held.
        const std::int32_t n = hostInt(file.image.get() + kNumPrograms);
        if (n < 1 || n > kMaxBankPrograms) return false;
    }
    Read2V read;
    try {
        if (file.isChunkBank) {
            bank.resize(hostInt(file.image.get() + kNumPrograms), 0);
            loadChunks(bank, file.chunkData(), file.chunkSize(), bank.programCount(), read);
        } else {
            loadParams(bank, file, read);
        }
    } catch (const CodeError&) {
        // Damaged, or no memory for the programs: either way no 2.V bank.
        bank.resize(0, 0);
        return false;
    }
    bank.is2V = true;
    if (stats != nullptr) *stats = read;
    return true;
}

void store2VParams(const PpgBank& bank, FxbFile& file, int rangeStart, int rangeEnd, int group) {
    file.setFxId(k2VFxId);
    file.setFxVersion(1);
    const PpgProgram fill = k2VLayout.fill();
    const SlotUse s = k2VLayout.use(bank, rangeStart, rangeEnd);
    for (int i = 0; i < s.slots; ++i) {
        const PpgProgram& program = i < s.programs ? bank.programs[static_cast<std::size_t>(s.first + i)] : fill;
        encode2V(program, file.programBlock(i), group, 1, false);
    }
}

void store2VChunks(const PpgBank& bank, FxbFile& file, int rangeStart, int rangeEnd, int group,
                   std::uint32_t fxVersion) {
    file.setFxId(k2VFxId);
    file.setFxVersion(fxVersion);
    file.setHeaderWord(kNumPrograms, k2VBankPrograms);
    const PpgProgram fill = k2VLayout.fill();
    const SlotUse s = k2VLayout.use(bank, rangeStart, rangeEnd);

    // The chunk is written big-endian throughout.
    std::uint8_t* globals = file.chunkData();
    std::fill_n(globals, kBlockHeaderSize, 0);
    setBigEndianWord(globals + kChunkMagic, kCcnK);
    setBigEndianWord(globals + kByteSize, k2VGlobalsSubChunkSize - 8);
    setBigEndianWord(globals + kFxMagic, kFPCh);
    setBigEndianWord(globals + kVersion, 1);
    setBigEndianWord(globals + kFxId, k2VFxId);
    setBigEndianWord(globals + kFxVersion, fxVersion);
    setBigEndianWord(globals + kNumParams, 12);
    setBigEndianWord(globals + kBlockHeaderSize, 0); // parameter 0: 0.0
    for (int k = 0; k < kGlobalCount; ++k) {
        const float value = intToParam(bank.globals[k], k2VGlobalMax[static_cast<std::size_t>(k)]);
        std::uint32_t bits;
        std::memcpy(&bits, &value, 4);
        setBigEndianWord(globals + kBlockHeaderSize + 4 * (k + 1), bits);
    }

    std::uint8_t* at = globals + k2VGlobalsSubChunkSize;
    for (int i = 0; i < s.slots; ++i) {
        const PpgProgram& program = i < s.programs ? bank.programs[static_cast<std::size_t>(s.first + i)] : fill;
        const int size = encode2V(program, at, group, fxVersion, true);
        setBigEndianWord(at + kFxMagic, kFPCh);
        at += size;
    }
}

std::vector<std::uint8_t> export2V(const PpgBank& bank, int rangeStart, int rangeEnd, int group, Layout2V layout) {
    FxbFile file;
    if (layout == Layout2V::ParameterBank) {
        if (!file.createParamBank(k2VBankPrograms, k2VParamCount)) return {};
        store2VParams(bank, file, rangeStart, rangeEnd, group);
    } else {
        if (!file.createChunkBank(k2VChunkSize)) return {};
        store2VChunks(bank, file, rangeStart, rangeEnd, group,
                      layout == Layout2V::ChunkBankV1 ? 1u : k2VChunkFxVersionV123);
    }
    return file.fileBytes();
}

namespace {

const Failure kOtherPlugin{
    FailureReason::OtherPlugin, 3, "Not a valid 2.V fxb-file",
    "This FXB bank belongs to another plug-in (its identifier is '{}'). Vornak reads Waldorf 2.V, Halvic and Corvel "
    "banks only.",
    nullptr};

// Four bytes of a file as text, for naming a plug-in by its identifier.
std::string fourChars(const std::uint8_t* p) {
    std::string text;
    for (int i = 0; i < 4; ++i) text += (p[i] >= 0x20 && p[i] < 0x7F) ? static_cast<char>(p[i]) : '?';
    return text;
}

// "program 4", "programs 4, 7 and 9", "12 programs, from 4 to 120": programs
// in ascending order.
std::string programsNamed(const std::vector<int>& programs) {
    constexpr std::size_t kNamedOneByOne = 5;
    if (programs.size() > kNamedOneByOne)
        return cat({programs.size(), " programs, from ", programs.front(), " to ", programs.back()});
    std::vector<std::string> numbers;
    for (const int p : programs) numbers.push_back(std::to_string(p));
    return cat({programs.size() == 1 ? "program " : "programs ", listed(numbers)});
}

// The note on 2.V parameters that are not sound: they stand for no value
// the parameter has.
void noteUnsound(LoadInput& in, const Read2V& read) {
    if (read.unsound.empty() && read.unsoundGlobals == 0) return;
    const int count = read.unsoundValues + read.unsoundGlobals;
    std::string whose = read.unsound.empty() ? "" : cat({"of ", programsNamed(read.unsound)});
    if (read.unsoundGlobals > 0)
        whose += cat({whose.empty() ? "" : " and ", "of the bank's settings (tuning and the others)"});
    distrust(in, Damage::Damaged, 0, 0);
    for (const int p : read.unsound) distrust(in, Damage::Damaged, p, p + 1);
    note(in, NoteCode::OutOfRange,
         cat({withThousands(static_cast<std::uint64_t>(count)), count == 1 ? " parameter " : " parameters ", whose,
              count == 1 ? " stands" : " stand",
              " for no value a 2.V parameter has (not a number, below 0, or above 1 and no value written so), so the "
              "file is damaged or was not written by the plug-in. Vornak reads one that is no number as 0, one below "
              "the range as a negative value, which a PPG memory cannot hold, and one above it as the highest",
              read.unsound.empty() ? "." : read.unsound.size() == 1 ? ": the program cannot be trusted."
                                                                    : ": these programs cannot be trusted."}));
}

// Any FXB bank that no other reader claims is read as a 2.V bank.
void read2V(LoadInput& in) {
    FxbFile& file = *in.fxb;
    Read2V read;
    if (!load2V(in.bank, file, &read)) {
        if (file.headerWord(kFxId) != k2VFxId) fail(kOtherPlugin, {fourChars(in.data + kFxId)});
        fail(kDamaged2V);
    }
    if (read.programs < in.bank.programCount()) {
        distrust(in, Damage::Cut, read.programs, in.bank.programCount());
        note(in, NoteCode::CountMismatch,
             cat({"The bank's header announces ", in.bank.programCount(), " programs, but its data holds ", read.programs,
                  ": the other ", in.bank.programCount() - read.programs, " are default programs."}));
    }
    noteUnsound(in, read);
    noteCutNames(in, static_cast<int>(read.namesCut.size()), read.namesCut, "");
    // A chunk bank of V1.2.3 on counts its parameters big-endian.
    if (file.isChunkBank && static_cast<std::int32_t>(file.headerWord(kFxVersion)) > k2VLittleEndianCountUpTo)
        in.writtenBy = ExportKind::Bank2VChunkV123;
    noteFxbTrailing(in, file);
}

template <Layout2V Layout>
std::vector<std::uint8_t> exportRequested(const PpgBank& bank, const ExportRequest& r) {
    return export2V(bank, r.rangeStart, r.rangeEnd, r.group, Layout);
}

const char* const kReadsUsage[] = {"Wave 2.V Sound Banks (.FXB), Steinberg and Waldorf formats"};

// Any FXB bank of either kind that no other row claims.
const InputFormat kInputs[] = {
    {
        .name = "Waldorf 2.V chunk bank",
        .magic = kMagic,
        .fxb = FxbBank::Chunk,
        .takesModelHint = false,
        .programNames = true,
        .writtenBy = ExportKind::Bank2VChunkV1,
        .read = read2V,
    },
    {
        .name = "Waldorf 2.V parameter bank",
        .magic = kMagic,
        .fxb = FxbBank::Parameters,
        .takesModelHint = false,
        .programNames = true,
        .writtenBy = ExportKind::Bank2VParams,
        .read = read2V,
    },
};

const ExportFormat kExports[] = {
    {
        .kind = ExportKind::Bank2VChunkV1,
        .letter = 'f',
        .name = "Waldorf 2.V bank, up to V1.1",
        .extension = ".fxb",
        .layout = &k2VLayout,
        .exporter = exportRequested<Layout2V::ChunkBankV1>,
        .readsAs = &kInputs[0],
        .usage = "exports to a Waldorf 2.V .FXB sound bank",
        .usagePlace = 0,
        .label = "Waldorf 2.V FXB <= V1.1",
        .echoesGroup = true,
    },
    {
        .kind = ExportKind::Bank2VParams,
        .letter = 'n',
        .name = "Waldorf 2.V bank, V1.2",
        .extension = ".fxb",
        .layout = &k2VLayout,
        .exporter = exportRequested<Layout2V::ParameterBank>,
        .readsAs = &kInputs[1],
        .usage = "exports to a Waldorf 2.V .FXB sound bank (V1.2 format)",
        .usagePlace = 1,
        .label = "Waldorf 2.V FXB >= V1.2",
    },
    {
        .kind = ExportKind::Bank2VChunkV123,
        .letter = 'o',
        .name = "Waldorf 2.V bank, V1.2.3 and later",
        .extension = ".fxb",
        .layout = &k2VLayout,
        .exporter = exportRequested<Layout2V::ChunkBankV123>,
        .readsAs = &kInputs[0],
        .usage = "exports to a Waldorf 2.V .FXB sound bank (>=V1.2.3 format)",
        .usagePlace = 2,
        .label = "Waldorf 2.V FXB >= V1.2.3",
    },
};

const Failure* const kFailures[] = {&kOtherPlugin, &kDamaged2V};

} // namespace

const FormatModule k2VModule{
    .readsUsage = kReadsUsage,
    .inputs = kInputs,
    .exports = kExports,
    .failures = kFailures,
};

} // namespace vornak
