#include "formats/corvel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

#include "formats/fxb_file.h"
#include "model/error.h"

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

// The floats of one chunk, walked field by field in either direction.
class FloatFields {
public:
    FloatFields(std::uint8_t* floats, bool reading) : at_(floats), reading_(reading) {}
    void field(std::int32_t& v) {
        if (reading_)
            v = floatToInt(hostFloat(at_));
        else
            setHostFloat(at_, static_cast<float>(v));
        at_ += 4;
    }
    void field(bool& b) {
        std::int32_t v = b ? 1 : 0;
        field(v);
        b = v != 0;
    }
    template <std::size_t N>
    void fields(std::int32_t (&values)[N]) {
        for (std::int32_t& v : values) field(v);
    }

private:
    std::uint8_t* at_;
    bool reading_;
};

void programFields(PpgProgram& program, FloatFields& f) {
    f.fields(program.programValues);
    f.fields(program.groups[0]);
    f.fields(program.groups[1]);
    f.field(program.is2V);
}

void combiFields(PpgCombi& combi, FloatFields& f) {
    f.field(combi.used);
    f.fields(combi.bk);
    f.field(combi.kbm);
    f.field(combi.firstByte);
    f.field(combi.multi);
    for (CombiGroup* group : {&combi.groupA, &combi.groupB}) {
        f.field(group->bkIndex);
        f.field(group->det);
        f.fields(group->split);
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

void skipBytes(CorvelStream& stream, std::uint64_t n, int code) {
    std::uint8_t scratch[256];
    while (n > 0) {
        const std::size_t step = static_cast<std::size_t>(std::min<std::uint64_t>(n, sizeof scratch));
        stream.read(scratch, step, code);
        n -= step;
    }
}

void readBank(PpgBank& bank, CorvelStream& stream) {
    std::uint8_t header[kBankHeaderSize];
    stream.read(header, sizeof header, 1);
    swapIfNeeded(header, kHeaderWords);
    const std::int32_t chunks = hostInt(header + kNumPrograms);
    if (!isChunkOf(header, kFxBk, kCorvelBankId) || hostInt(header + kFxVersion) < 1 || chunks < 1) raiseCode(2);

    std::uint8_t globals[kGlobalsChunkSize];
    stream.read(globals, sizeof globals, 3);
    swapIfNeeded(globals, kHeaderWords);
    const std::int32_t params = hostInt(globals + kNumParams);
    if (!isChunkOf(globals, kFxCk, kCorvelChunkId) || hostInt(globals + kFxVersion) < 1 || params < kGlobalsFloats)
        raiseCode(4);
    swapIfNeeded(globals + kBlockHeaderSize, kGlobalsFloats);
    // Parameters beyond the three known ones are skipped, so that the chunks
    // behind them are read in step.
    skipBytes(stream, 4 * static_cast<std::uint64_t>(params - kGlobalsFloats), 3);

    takeName(bank.name, globals, stream);
    std::int32_t programs = 0, combis = 0;
    bool is2V = false;
    FloatFields counts(globals + kBlockHeaderSize, true);
    counts.field(programs);
    counts.field(combis);
    counts.field(is2V);
    // Counts that the file cannot hold are rejected before anything is
    // allocated: a program chunk takes at least 60 bytes, a combi chunk 176.
    if (programs < 0 || combis < 0 ||
        std::uint64_t(programs) * kChunkStart + std::uint64_t(combis) * kCombiChunkSize > stream.bytesLeft())
        raiseCode(4);
    // No bank is made larger than kMaxBankPrograms programs and combis: a
    // file that holds more is refused when its reading reaches them.
    bank.resize(std::min(programs, kMaxBankPrograms), std::min(combis, kMaxBankPrograms));
    bank.is2V = is2V;
    if (std::int64_t{chunks} != std::int64_t{programs} + combis + 1) raiseCode(6);
    for (int j = 0; j < programs; ++j) {
        if (j == kMaxBankPrograms) raiseCode(4);
        const int cutBefore = stream.namesCut;
        streamCorvel(bank.programs[static_cast<std::size_t>(j)], stream);
        if (stream.namesCut != cutBefore) stream.programNamesCut.push_back(j);
    }
    for (int i = 0; i < combis; ++i) {
        if (i == kMaxBankPrograms) raiseCode(4);
        streamCorvel(bank.combis[static_cast<std::size_t>(i)], stream);
    }
}

void writeBank(PpgBank& bank, CorvelStream& stream) {
    std::uint8_t header[kBankHeaderSize] = {};
    const std::int64_t chunks = std::int64_t{bank.programCount} + bank.combiCount + 1;
    putHeader(header, ChunkKind{kFxBk, 1, kCorvelBankId, 1, 0}, static_cast<std::uint32_t>(chunks));
    swapIfNeeded(header, kHeaderWords);
    stream.write(header, sizeof header);

    std::uint8_t globals[kGlobalsChunkSize] = {};
    putHeader(globals, kGlobalsKind, kGlobalsKind.count);
    putPrgName(globals, bank.name);
    FloatFields counts(globals + kBlockHeaderSize, false);
    counts.field(bank.programCount);
    counts.field(bank.combiCount);
    counts.field(bank.is2V);
    swapIfNeeded(globals, kHeaderWords);
    swapIfNeeded(globals + kBlockHeaderSize, kGlobalsFloats);
    stream.write(globals, sizeof globals);

    for (int j = 0; j < bank.programCount; ++j) streamCorvel(bank.programs[static_cast<std::size_t>(j)], stream);
    for (int i = 0; i < bank.combiCount; ++i) streamCorvel(bank.combis[static_cast<std::size_t>(i)], stream);
}

// The name and the floats of a program or combi chunk, in the stream's
// direction. Reading: the chunk has been read and checked; its floats are
// converted and the object is set from them. Writing: the chunk is filled
// from the object, converted and written.
template <std::size_t Size, typename Walk>
void transferChunk(CorvelStream& stream, std::uint8_t (&chunk)[Size], const ChunkKind& kind,
                   char (&name)[kProgramNameSize], Walk walk) {
    std::uint8_t* floats = chunk + kBlockHeaderSize;
    if (stream.reading) {
        swapIfNeeded(floats, kind.count);
        takeName(name, chunk, stream);
    } else {
        putHeader(chunk, kind, kind.count);
        putPrgName(chunk, name);
    }
    FloatFields fields(floats, stream.reading);
    walk(fields);
    if (!stream.reading) {
        swapIfNeeded(chunk, kHeaderWords);
        swapIfNeeded(floats, kind.count);
        stream.write(chunk, Size);
    }
}

} // namespace

void CorvelStream::read(std::uint8_t* p, std::size_t n, int code) {
    if (!reading || n > bytesLeft()) raiseCode(code);
    if (n != 0) std::memcpy(p, data_ + at_, n);
    at_ += n;
}

void CorvelStream::write(const std::uint8_t* p, std::size_t n) {
    if (reading) raiseCode(99);
    try {
        out_.insert(out_.end(), p, p + n);
    } catch (const std::bad_alloc&) {
        raiseCode(99);
    }
}

void streamCorvel(PpgBank& bank, CorvelStream& stream) {
    if (stream.reading)
        readBank(bank, stream);
    else
        writeBank(bank, stream);
}

void streamCorvel(PpgProgram& program, CorvelStream& stream) {
    std::uint8_t chunk[kProgramChunkSize] = {};
    if (stream.reading) {
        stream.read(chunk, kChunkStart, 10);
        swapIfNeeded(chunk, kHeaderWords);
        const std::int32_t version = hostInt(chunk + kFxVersion);
        const std::int32_t params = hostInt(chunk + kNumParams);
        if (!isChunkOf(chunk, kFxCk, kCorvelChunkId) || version > 2 || params < 1 ||
            params > static_cast<std::int32_t>(kProgramFloats))
            raiseCode(11);
        stream.read(chunk + kChunkStart, 4 * static_cast<std::size_t>(params - 1), 12);
        if (version == 1) moveFromOlderLayout(chunk + kBlockHeaderSize);
    }
    transferChunk(stream, chunk, kProgramKind, program.name, [&program](FloatFields& f) { programFields(program, f); });
}

void streamCorvel(PpgCombi& combi, CorvelStream& stream) {
    std::uint8_t chunk[kCombiChunkSize] = {};
    if (stream.reading) {
        stream.read(chunk, kChunkStart, 10);
        swapIfNeeded(chunk, kHeaderWords);
        if (!isChunkOf(chunk, kFxCk, kCorvelChunkId) || hostInt(chunk + kFxVersion) != 1 ||
            hostInt(chunk + kNumParams) != static_cast<std::int32_t>(kCombiFloats))
            raiseCode(11);
        stream.read(chunk + kChunkStart, sizeof chunk - kChunkStart, 12);
    }
    transferChunk(stream, chunk, kCombiKind, combi.name, [&combi](FloatFields& f) { combiFields(combi, f); });
}

namespace {

// The whole bank, whatever the range.
SlotUse corvelUse(const PpgBank& bank, int, int) {
    return {0, bank.programCount, bank.programCount, 0, 0, bank.combiCount};
}

} // namespace

const OutputKind kCorvelOutput{
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

std::vector<std::uint8_t> corvelBytes(const PpgBank& bank) {
    CorvelStream stream;
    try {
        // Writing only reads the bank; the routine is shared with reading.
        streamCorvel(const_cast<PpgBank&>(bank), stream);
    } catch (const CodeError&) {
        return {};
    }
    return stream.written();
}

} // namespace vornak
