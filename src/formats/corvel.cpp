#include "formats/corvel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

#include "formats/fxb_file.h"
#include "model/failure.h"

namespace vornak {

using namespace fxb;

namespace {

constexpr std::size_t kGlobalsChunkSize = 68;
constexpr std::size_t kProgramFloats = 144;
constexpr std::size_t kProgramChunkSize = kBlockHeaderSize + 4 * kProgramFloats;
constexpr std::size_t kCombiFloats = 30;
constexpr std::size_t kCombiChunkSize = kBlockHeaderSize + 4 * kCombiFloats;
constexpr std::size_t kChunkStart = kBlockHeaderSize + 4; // header, name and float 0
constexpr std::int32_t kGlobalsFloats = 3;

// What a chunk of each kind carries in its header when written.
struct ChunkKind {
    std::uint32_t fxMagic;
    std::uint32_t version;
    std::uint32_t fxId;
    std::uint32_t fxVersion;
    std::uint32_t count; // numPrograms or numParams
};
constexpr ChunkKind kGlobalsKind{kFxCk, 1, kCorvelChunkId, 1, kGlobalsFloats};
constexpr ChunkKind kProgramKind{kFxCk, 1, kCorvelChunkId, 2, kProgramFloats};
constexpr ChunkKind kCombiKind{kFxCk, 0, kCorvelChunkId, 1, kCombiFloats};

// The reader's failures: each ends the load with its own exit code and no
// message of the tool's.
constexpr const char* kDamaged =
    "The Corvel bank is damaged or cut short: {} (code {code}). Try a fresh copy, or save the bank again from the librarian.";
constexpr const char* kChunkCut = "a program or combi in it is cut short";
constexpr Failure corvelFailure(int code, const char* what) { return {FailureReason::Damaged, code, "", what, kDamaged}; }

const Failure kHeaderCut = corvelFailure(1, "its header is cut short");
const Failure kHeader = corvelFailure(2, "its header is not a Corvel bank header");
const Failure kSettingsCut = corvelFailure(3, "its bank settings are cut short");
const Failure kSettings = corvelFailure(4, "its bank settings are damaged, or its counts are impossible");
const Failure kCounts = corvelFailure(6, "its counts of programs and combis disagree");
const Failure kChunkStartCut = corvelFailure(10, kChunkCut);
const Failure kChunk = corvelFailure(11, "a program or combi in it is damaged");
const Failure kChunkRestCut = corvelFailure(12, kChunkCut);
const Failure* const kFailures[] = {&kHeaderCut, &kHeader, &kSettingsCut, &kSettings,
                                    &kCounts, &kChunkStartCut, &kChunk, &kChunkRestCut};

void putHeader(std::uint8_t* chunk, const ChunkKind& kind, std::uint32_t count) {
    setHostWord(chunk + kChunkMagic, kCcnK);
    setHostWord(chunk + kByteSize, 0);
    setHostWord(chunk + kFxMagic, kind.fxMagic);
    setHostWord(chunk + kVersion, kind.version);
    setHostWord(chunk + kFxId, kind.fxId);
    setHostWord(chunk + kFxVersion, kind.fxVersion);
    setHostWord(chunk + kNumParams, count);
}

bool isChunkOf(const std::uint8_t* chunk, std::uint32_t fxMagic, std::uint32_t fxId) {
    return hostWord(chunk + kChunkMagic) == kCcnK && hostWord(chunk + kFxMagic) == fxMagic &&
           hostWord(chunk + kFxId) == fxId;
}

void swapIfNeeded(std::uint8_t* p, std::size_t words) {
    if (!hostIsLittleEndian()) return;
    for (std::size_t w = 0; w < words; ++w) swapWord(p + 4 * w);
}

// A float field read as an integer: truncated toward zero; NaN gives 0 and
// values beyond the int range its limits.
std::int32_t floatToInt(float f) {
    if (std::isnan(f)) return 0;
    if (f >= 2147483648.0f) return std::numeric_limits<std::int32_t>::max();
    if (f < -2147483648.0f) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(f);
}

void takeName(char (&name)[kProgramNameSize], const std::uint8_t* chunk, CorvelStream& stream) {
    if (setName(name, reinterpret_cast<const char*>(chunk + kPrgName), kPrgNameSize)) ++stream.namesCut;
}

// The floats of a chunk, field by field: read into an object, or written
// from one. The walks below serve both.
class FloatReader {
public:
    explicit FloatReader(const std::uint8_t* floats) : at_(floats) {}
    void field(std::int32_t& v) {
        v = floatToInt(hostFloat(at_));
        at_ += 4;
    }
    void field(bool& b) {
        std::int32_t v = 0;
        field(v);
        b = v != 0;
    }

private:
    const std::uint8_t* at_;
};

class FloatWriter {
public:
    explicit FloatWriter(std::uint8_t* floats) : at_(floats) {}
    void field(std::int32_t v) {
        setHostFloat(at_, static_cast<float>(v));
        at_ += 4;
    }
    void field(bool b) { field(std::int32_t{b ? 1 : 0}); }

private:
    std::uint8_t* at_;
};

template <typename Fields, typename Value, std::size_t N>
void fields(Fields& f, Value (&values)[N]) {
    for (auto& v : values) f.field(v);
}

// The fields of a program and of a combi, in the order of their chunks; the
// object is const where they are written.
template <typename Fields, typename Program>
void programFields(Program& program, Fields& f) {
    fields(f, program.programValues);
    fields(f, program.groups[0]);
    fields(f, program.groups[1]);
    f.field(program.is2V);
}

template <typename Fields, typename Combi>
void combiFields(Combi& combi, Fields& f) {
    f.field(combi.used);
    fields(f, combi.bk);
    f.field(combi.kbm);
    f.field(combi.firstByte);
    f.field(combi.multi);
    for (auto* group : {&combi.groupA, &combi.groupB}) {
        f.field(group->bkIndex);
        f.field(group->det);
        fields(f, group->split);
    }
}

// Older program chunks (fxVersion 1) lack program value 14 (float 14) and
// group A parameter 14 (float 43); the floats are moved into place.
void moveFromOlderLayout(std::uint8_t* floats) {
    std::uint8_t older[4 * kProgramFloats];
    std::memcpy(older, floats, sizeof older);
    std::memset(floats, 0, sizeof older);
    std::memcpy(floats, older, 4 * 14);
    std::memcpy(floats + 4 * 15, older + 4 * 14, 4 * 28);
    std::memcpy(floats + 4 * 44, older + 4 * 42, 4 * 100);
}

void skipBytes(CorvelStream& stream, std::uint64_t n, const Failure& failure) {
    std::uint8_t scratch[256];
    while (n > 0) {
        const std::size_t step = static_cast<std::size_t>(std::min<std::uint64_t>(n, sizeof scratch));
        stream.read(scratch, step, failure);
        n -= step;
    }
}

void readBank(PpgBank& bank, CorvelStream& stream) {
    std::uint8_t header[kBankHeaderSize];
    stream.read(header, sizeof header, kHeaderCut);
    swapIfNeeded(header, kHeaderWords);
    const std::int32_t chunks = hostInt(header + kNumPrograms);
    if (!isChunkOf(header, kFxBk, kCorvelBankId) || hostInt(header + kFxVersion) < 1 || chunks < 1) fail(kHeader);

    std::uint8_t globals[kGlobalsChunkSize];
    stream.read(globals, sizeof globals, kSettingsCut);
    swapIfNeeded(globals, kHeaderWords);
    const std::int32_t params = hostInt(globals + kNumParams);
    if (!isChunkOf(globals, kFxCk, kCorvelChunkId) || hostInt(globals + kFxVersion) < 1 || params < kGlobalsFloats)
        fail(kSettings);
    swapIfNeeded(globals + kBlockHeaderSize, kGlobalsFloats);
    // Parameters beyond the three known ones are skipped, so that the chunks
    // behind them are read in step.
    skipBytes(stream, 4 * static_cast<std::uint64_t>(params - kGlobalsFloats), kSettingsCut);

    takeName(bank.name, globals, stream);
    std::int32_t programs = 0, combis = 0;
    bool is2V = false;
    FloatReader counts(globals + kBlockHeaderSize);
    counts.field(programs);
    counts.field(combis);
    counts.field(is2V);
    // Counts that the file cannot hold are rejected before anything is
    // allocated: a program chunk takes at least 60 bytes, a combi chunk 176.
    if (programs < 0 || combis < 0 ||
        std::uint64_t(programs) * kChunkStart + std::uint64_t(combis) * kCombiChunkSize > stream.bytesLeft())
        fail(kSettings);
    // No bank is made larger than kMaxBankPrograms programs and combis: a
    // file that holds more is refused when its reading reaches them.
    bank.resize(std::min(programs, kMaxBankPrograms), std::min(combis, kMaxBankPrograms));
    bank.is2V = is2V;
    if (std::int64_t{chunks} != std::int64_t{programs} + combis + 1) fail(kCounts);
    for (int j = 0; j < programs; ++j) {
        if (j == kMaxBankPrograms) fail(kSettings);
        const int cutBefore = stream.namesCut;
        streamCorvel(bank.programs[static_cast<std::size_t>(j)], stream);
        if (stream.namesCut != cutBefore) stream.programNamesCut.push_back(j);
    }
    for (int i = 0; i < combis; ++i) {
        if (i == kMaxBankPrograms) fail(kSettings);
        streamCorvel(bank.combis[static_cast<std::size_t>(i)], stream);
    }
}

// The chunk of a program or combi, from the object.
template <std::size_t Size, typename Object, typename Walk>
void writeChunk(CorvelStream& stream, const ChunkKind& kind, const Object& object, Walk walk) {
    std::uint8_t chunk[Size] = {};
    putHeader(chunk, kind, kind.count);
    putPrgName(chunk, object.name);
    FloatWriter fields(chunk + kBlockHeaderSize);
    walk(object, fields);
    swapIfNeeded(chunk, kHeaderWords);
    swapIfNeeded(chunk + kBlockHeaderSize, kind.count);
    stream.write(chunk, Size);
}

// The object from a chunk that has been read and checked.
template <std::size_t Size, typename Object, typename Walk>
void takeChunk(CorvelStream& stream, std::uint8_t (&chunk)[Size], const ChunkKind& kind, Object& object, Walk walk) {
    swapIfNeeded(chunk + kBlockHeaderSize, kind.count);
    takeName(object.name, chunk, stream);
    FloatReader fields(chunk + kBlockHeaderSize);
    walk(object, fields);
}

// The walks are handed over as lambdas, which the compiler inlines: through a
// function pointer the Corvel export took half as long again.
void writeProgram(const PpgProgram& program, CorvelStream& stream) {
    writeChunk<kProgramChunkSize>(stream, kProgramKind, program,
                                  [](const PpgProgram& p, FloatWriter& f) { programFields(p, f); });
}

void writeCombi(const PpgCombi& combi, CorvelStream& stream) {
    writeChunk<kCombiChunkSize>(stream, kCombiKind, combi, [](const PpgCombi& c, FloatWriter& f) { combiFields(c, f); });
}

void writeBank(const PpgBank& bank, CorvelStream& stream) {
    std::uint8_t header[kBankHeaderSize] = {};
    const std::int64_t chunks = std::int64_t{bank.programCount()} + bank.combiCount() + 1;
    putHeader(header, ChunkKind{kFxBk, 1, kCorvelBankId, 1, 0}, static_cast<std::uint32_t>(chunks));
    swapIfNeeded(header, kHeaderWords);
    stream.write(header, sizeof header);

    std::uint8_t globals[kGlobalsChunkSize] = {};
    putHeader(globals, kGlobalsKind, kGlobalsKind.count);
    putPrgName(globals, bank.name);
    FloatWriter counts(globals + kBlockHeaderSize);
    counts.field(bank.programCount());
    counts.field(bank.combiCount());
    counts.field(bank.is2V);
    swapIfNeeded(globals, kHeaderWords);
    swapIfNeeded(globals + kBlockHeaderSize, kGlobalsFloats);
    stream.write(globals, sizeof globals);

    for (const PpgProgram& program : bank.programs) writeProgram(program, stream);
    for (const PpgCombi& combi : bank.combis) writeCombi(combi, stream);
}

} // namespace

void CorvelStream::read(std::uint8_t* p, std::size_t n, const Failure& shortRead) {
    if (!reading || n > bytesLeft()) fail(shortRead);
    if (n != 0) std::memcpy(p, data_ + at_, n);
    at_ += n;
}

void CorvelStream::write(const std::uint8_t* p, std::size_t n) { out_.insert(out_.end(), p, p + n); }

void streamCorvel(PpgBank& bank, CorvelStream& stream) {
    if (stream.reading)
        readBank(bank, stream);
    else
        writeBank(bank, stream);
}

void streamCorvel(PpgProgram& program, CorvelStream& stream) {
    if (!stream.reading) {
        writeProgram(program, stream);
        return;
    }
    std::uint8_t chunk[kProgramChunkSize] = {};
    stream.read(chunk, kChunkStart, kChunkStartCut);
    swapIfNeeded(chunk, kHeaderWords);
    const std::int32_t version = hostInt(chunk + kFxVersion);
    const std::int32_t params = hostInt(chunk + kNumParams);
    if (!isChunkOf(chunk, kFxCk, kCorvelChunkId) || version > 2 || params < 1 ||
        params > static_cast<std::int32_t>(kProgramFloats))
        fail(kChunk);
    stream.read(chunk + kChunkStart, 4 * static_cast<std::size_t>(params - 1), kChunkRestCut);
    if (version == 1) moveFromOlderLayout(chunk + kBlockHeaderSize);
    takeChunk(stream, chunk, kProgramKind, program, [](PpgProgram& p, FloatReader& f) { programFields(p, f); });
}

void streamCorvel(PpgCombi& combi, CorvelStream& stream) {
    if (!stream.reading) {
        writeCombi(combi, stream);
        return;
    }
    std::uint8_t chunk[kCombiChunkSize] = {};
    stream.read(chunk, kChunkStart, kChunkStartCut);
    swapIfNeeded(chunk, kHeaderWords);
    if (!isChunkOf(chunk, kFxCk, kCorvelChunkId) || hostInt(chunk + kFxVersion) != 1 ||
        hostInt(chunk + kNumParams) != static_cast<std::int32_t>(kCombiFloats))
        fail(kChunk);
    stream.read(chunk + kChunkStart, sizeof chunk - kChunkStart, kChunkRestCut);
    takeChunk(stream, chunk, kCombiKind, combi, [](PpgCombi& c, FloatReader& f) { combiFields(c, f); });
}

std::vector<std::uint8_t> exportCorvel(const PpgBank& bank) {
    CorvelStream stream;
    try {
        writeBank(bank, stream);
    } catch (const std::bad_alloc&) {
        return {};
    }
    return stream.written();
}

namespace {

// A Corvel bank is recognised by its bank header alone and then read from
// the start of the input's bytes.
void readCorvel(LoadInput& in) {
    // The container's copy of the file served only to recognise it.
    in.fxb->clear();
    CorvelStream stream(in.data, in.size);
    streamCorvel(in.bank, stream);
    noteCutNames(in, stream.namesCut, stream.programNamesCut, " (of the bank, its programs or its combis)");
    noteTrailing(in, in.size - stream.bytesLeft(), "the last chunk of the bank");
}

// The whole bank, whatever the range.
SlotUse corvelUse(const PpgBank& bank, int, int) {
    return {0, bank.programCount(), bank.programCount(), 0, 0, bank.combiCount()};
}

// Corvel files always hold the whole bank.
std::vector<std::uint8_t> exportRequested(const PpgBank& bank, const ExportRequest&) { return exportCorvel(bank); }

const char* const kReadsUsage[] = {"Corvel sound banks (.CRV)"};

const InputFormat kInputs[] = {{
    .name = "Corvel bank",
    .magic = fxb::kMagic,
    .fxb = FxbBank::Any,
    .fxId = kCorvelBankId,
    .takesModelHint = false,
    .programNames = true,
    .writtenBy = ExportKind::Corvel,
    .read = readCorvel,
}};

const ExportFormat kExports[] = {{
    .kind = ExportKind::Corvel,
    .letter = 'w',
    .name = "Corvel bank",
    .extension = ".crv",
    .layout = &kCorvelLayout,
    .exporter = exportRequested,
    .readsAs = &kInputs[0],
    .usage = "exports to a Corvel sound bank file",
    .usagePlace = 7,
    .label = "Corvel",
}};

} // namespace

const ExportLayout kCorvelLayout{
    .capacity = kMaxBankPrograms,
    .takesRange = false,
    .groups = 2,
    .keepsNames = true,
    .memoryImage = false,
    .fill = [] { return PpgProgram(); },
    .held = [](const PpgProgram& program, int) { return program; },
    // Its floats hold any whole number of a value's range.
    .steps = [](const Parameter& p) { return HeldSteps{0, p.max, 1}; },
    .use = corvelUse,
};

const FormatModule kCorvelModule{
    .readsUsage = kReadsUsage,
    .inputs = kInputs,
    .exports = kExports,
    .failures = kFailures,
};

} // namespace vornak
