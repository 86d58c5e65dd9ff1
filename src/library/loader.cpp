#include "library/loader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

#include "formats/bank_2v.h"
#include "formats/fxb_file.h"
#include "library/readers.h"
#include "library/text.h"
#include "model/error.h"

namespace vornak {

namespace {

bool startsWith(const LoadInput& in, std::span<const std::uint8_t> magic) {
    return in.size >= magic.size() && std::equal(magic.begin(), magic.end(), in.data);
}

// The FXB container is parsed once for all the plug-in banks it may hold.
void parseFxb(LoadInput& in, FxbFile& file) {
    if (file.parse(in.data, in.size)) {
        in.fxb = &file;
        return;
    }
    const std::uint32_t kind = in.size >= 12 ? bigEndianWord(in.data + fxb::kFxMagic) : 0;
    if (kind == fxb::kFxCk || kind == fxb::kFPCh) fail(Failure::FxbPreset);
    if (in.size >= 12 && kind != fxb::kFxBk && kind != fxb::kFBCh) fail(Failure::FxbNeither);
    fail(Failure::FxbDamaged);
}

// Whether the FXB plug-in bank is the row's: the rows that name a plug-in
// are asked first, the rows for any other plug-in after them.
bool claims(const InputFormat& row, const FxbFile& file, bool byIdentifier) {
    if (!row.isFxb() || (row.fxId != 0) != byIdentifier) return false;
    if (byIdentifier && file.headerWord(fxb::kFxId) != row.fxId) return false;
    return row.fxb == FxbBank::Any || (row.fxb == FxbBank::Chunk) == file.isChunkBank;
}

// Recognises the format by the table and returns its row, or nullptr.
const InputFormat* recognise(LoadInput& in, FxbFile& file, LoadOutcome& outcome) {
    const auto formats = inputFormats();
    const auto magicOf = std::find_if(formats.begin(), formats.end(),
                                      [&](const InputFormat& f) { return !f.magic.empty() && startsWith(in, f.magic); });
    if (magicOf == formats.end()) {
        for (const InputFormat& f : formats)
            if (f.magic.empty() && in.size >= f.minimumSize) return &f;
        return nullptr;
    }
    if (!magicOf->isFxb()) return &*magicOf;
    outcome.fxbContainer = true;
    parseFxb(in, file);
    for (const bool byIdentifier : {true, false})
        for (const InputFormat& f : formats)
            if (claims(f, file, byIdentifier)) return &f;
    return nullptr;
}

// The output format that writes files like the one read: the one whose files
// read as its format; for a Waveterm B file, whose header the writer leaves
// out, the bare image's; for a 2.V chunk bank, the one of its version (a
// chunk bank after V1.2.2 counts its parameters big-endian).
const ExportFormat* writerOf(const InputFormat& format, const FxbFile& file) {
    if (format.kind == InputKind::Bank2VChunk)
        return exportFormat(static_cast<std::int32_t>(file.headerWord(fxb::kFxVersion)) > k2VLittleEndianCountUpTo
                                ? ExportKind::Bank2VChunkV123
                                : ExportKind::Bank2VChunkV1);
    const InputKind kind = format.kind == InputKind::WavetermB ? InputKind::MemoryImage : format.kind;
    for (const ExportFormat& f : exportFormats())
        if (f.readsAs == kind) return &f;
    return nullptr;
}

// Recognises the format and reads it; failures are thrown.
void readInput(LoadInput& in, LoadOutcome& outcome) {
    FxbFile file;
    const InputFormat* format = recognise(in, file, outcome);
    if (format == nullptr && in.size == 0) fail(Failure::EmptyFile);
    if (format == nullptr) fail(Failure::UnknownFormat, {withThousands(in.size), withThousands(kBankImageSize)});
    outcome.format = format;
    if (!format->takesModelHint) in.hint = ModelHint::Detect;
    format->read(in);
    outcome.writesAs = writerOf(*format, file);
}

// The outcome of a failure, as the table of failures answers it.
void takeFailure(LoadOutcome& outcome, const Failed& failed) {
    const FailureAnswer a = failed.answer();
    outcome.code = a.exitCode;
    outcome.reason = a.reason;
    outcome.message = a.message;
    outcome.explanation = a.explanation;
    outcome.notes.clear();
    outcome.damage = Damage::None;
    outcome.untrusted.clear();
}

} // namespace

LoadOutcome loadBuffer(std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank) {
    LoadOutcome outcome;
    LoadInput input{data, size, hint, bank, outcome.notes, outcome.namesCut, outcome.damage, outcome.untrusted};
    try {
        readInput(input, outcome);
        std::vector<int>& untrusted = outcome.untrusted;
        std::sort(untrusted.begin(), untrusted.end());
        untrusted.erase(std::unique(untrusted.begin(), untrusted.end()), untrusted.end());
        return outcome;
    } catch (const Failed& failed) {
        takeFailure(outcome, failed);
    } catch (const CodeError& error) {
        // The format code raises the tool's codes: the Corvel reader its
        // own, the bank 1 when there is no memory for its programs.
        const bool corvel = outcome.format != nullptr && outcome.format->kind == InputKind::Corvel;
        const Failure failure = corvel ? corvelFailure(error.code) : error.code == 1 ? Failure::BankNoMemory : Failure::Unexpected;
        takeFailure(outcome, {failure, {}, failure == Failure::Unexpected ? error.code : 0});
    } catch (...) {
        takeFailure(outcome, {Failure::Unexpected});
    }
    return outcome;
}

const char* LoadOutcome::formatName() const {
    if (format != nullptr) return format->name;
    return fxbContainer ? kFxbContainerName : "";
}

LoadOutcome failedLoad(Failure failure) {
    LoadOutcome outcome;
    takeFailure(outcome, {failure});
    return outcome;
}

LoadOutcome loadBank(const std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank) {
    const std::size_t total = std::max(size + kLoadSpareBytes, kLoadCapacity);
    const std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[total]);
    if (!buffer) return failedLoad(Failure::TooLarge);
    if (size != 0) std::copy_n(data, size, buffer.get());
    std::fill(buffer.get() + size, buffer.get() + total, std::uint8_t{0});
    return loadBuffer(buffer.get(), size, hint, bank);
}

} // namespace vornak
