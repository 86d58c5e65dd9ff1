#include "library/loader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

#include "formats/fxb_file.h"
#include "formats/text.h"

namespace vornak {

namespace {

bool startsWith(const LoadInput& in, std::span<const std::uint8_t> magic) {
    return in.size >= magic.size() && std::equal(magic.begin(), magic.end(), in.data);
}

// Whether the FXB plug-in bank is the row's: the rows that name a plug-in
// are asked first, the rows for any other plug-in after them.
bool claims(const InputFormat& row, const FxbFile& file, bool byIdentifier) {
    if (!row.isFxb() || (row.fxId != 0) != byIdentifier) return false;
    if (byIdentifier && file.headerWord(fxb::kFxId) != row.fxId) return false;
    return row.fxb == FxbBank::Any || (row.fxb == FxbBank::Chunk) == file.isChunkBank;
}

// The row whose test of its own recognises the input, or nullptr.
const InputFormat* recognisedByTest(const LoadInput& in) {
    for (const InputFormat& f : inputFormats())
        if (f.recognises != nullptr && f.recognises({in.data, in.size})) return &f;
    return nullptr;
}

// Recognises the format by the table and returns its row, or nullptr.
const InputFormat* recognise(LoadInput& in, FxbFile& file, LoadOutcome& outcome) {
    if (const InputFormat* tested = recognisedByTest(in)) return tested;
    const auto rows = inputFormats();
    const InputFormat* magicOf = nullptr;
    for (const InputFormat& f : rows)
        if (magicOf == nullptr && !f.magic.empty() && startsWith(in, f.magic)) magicOf = &f;
    if (magicOf == nullptr) {
        for (const InputFormat& f : rows)
            if (f.headerless() && in.size >= f.minimumSize) return &f;
        return nullptr;
    }
    if (!magicOf->isFxb()) return magicOf;
    outcome.fxbContainer = true;
    parseFxbInput(in, file);
    for (const bool byIdentifier : {true, false})
        for (const InputFormat& f : rows)
            if (claims(f, file, byIdentifier)) return &f;
    return nullptr;
}

void readInput(LoadInput& in, LoadOutcome& outcome, std::string_view member);

// The file named `member` in the input (a disk image), read as an input of
// its own in a buffer of the loader's layout. A file that may not be as
// written makes the bank one not to be trusted.
void readMember(LoadInput& in, LoadOutcome& outcome, std::string_view member) {
    const InputFormat* format = recognisedByTest(in);
    if (format == nullptr || format->takeOut == nullptr) fail(kHoldsNoFiles, {std::string(member)});
    outcome.container = format;
    std::string doubt;
    std::vector<std::uint8_t> bytes = format->takeOut({in.data, in.size}, member, doubt);
    const std::size_t size = bytes.size();
    bytes.resize(std::max(size + kLoadSpareBytes, kLoadCapacity));
    LoadInput taken{bytes.data(), size, in.hint, in.bank, in.notes, in.namesCut, in.damage, in.untrusted};
    readInput(taken, outcome, {});
    if (!doubt.empty()) distrust(taken, Damage::Damaged, 0, in.bank.programCount());
}

// Recognises the format and reads it, or the file named in it; failures are
// thrown.
void readInput(LoadInput& in, LoadOutcome& outcome, std::string_view member) {
    if (!member.empty()) return readMember(in, outcome, member);
    FxbFile file;
    const InputFormat* format = recognise(in, file, outcome);
    if (format == nullptr && in.size == 0) fail(kEmptyFile);
    if (format == nullptr) fail(kUnknownFormat, {withThousands(in.size), withThousands(kBankImageSize)});
    outcome.format = format;
    if (!format->takesModelHint) in.hint = ModelHint::Detect;
    in.writtenBy = format->writtenBy;
    format->read(in);
    outcome.writesAs = exportFormat(in.writtenBy);
}

// The outcome of a failure, as the table of failures answers it.
void takeFailure(LoadOutcome& outcome, const CodeError& error) {
    const FailureAnswer a = answerOf(error);
    outcome.code = a.exitCode;
    outcome.reason = a.reason;
    outcome.message = a.message;
    outcome.explanation = a.explanation;
    outcome.notes.clear();
    outcome.damage = Damage::None;
    outcome.untrusted.clear();
}

} // namespace

LoadOutcome loadBuffer(std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank, std::string_view member) {
    LoadOutcome outcome;
    LoadInput input{data, size, hint, bank, outcome.notes, outcome.namesCut, outcome.damage, outcome.untrusted};
    try {
        readInput(input, outcome, member);
        std::vector<int>& untrusted = outcome.untrusted;
        std::sort(untrusted.begin(), untrusted.end());
        untrusted.erase(std::unique(untrusted.begin(), untrusted.end()), untrusted.end());
        return outcome;
    } catch (const CodeError& error) {
        takeFailure(outcome, error);
    } catch (...) {
        takeFailure(outcome, {&kUnexpected});
    }
    return outcome;
}

const char* LoadOutcome::formatName() const {
    if (format != nullptr) return format->name;
    return fxbContainer ? kFxbContainerName : "";
}

LoadOutcome failedLoad(const Failure& failure) {
    LoadOutcome outcome;
    takeFailure(outcome, {&failure});
    return outcome;
}

LoadOutcome loadBank(const std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank, std::string_view member) {
    const std::size_t total = std::max(size + kLoadSpareBytes, kLoadCapacity);
    const std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[total]);
    if (!buffer) return failedLoad(kTooLarge);
    if (size != 0) std::copy_n(data, size, buffer.get());
    std::fill(buffer.get() + size, buffer.get() + total, std::uint8_t{0});
    return loadBuffer(buffer.get(), size, hint, bank, member);
}

} // namespace vornak
