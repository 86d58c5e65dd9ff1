#include "library/loader.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

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
    if (kind == fxb::kFxCk || kind == fxb::kFPCh)
        fail(FailureReason::NotABank, "Can't load .fxb file", 3,
             "This is a single program (an FXP preset), not a bank. Vornak reads whole banks: save the bank "
             "(.fxb) from the plug-in instead.");
    if (in.size >= 12 && kind != fxb::kFxBk && kind != fxb::kFBCh)
        fail(FailureReason::NotABank, "Can't load .fxb file", 3,
             "The file starts like an FXB file, but it is neither a bank of programs nor a chunk bank. Vornak "
             "reads Waldorf 2.V, Halvic and Corvel banks.");
    fail(FailureReason::Damaged, "Can't load .fxb file", 3,
         "The file starts like an FXB bank, but its sizes do not match its contents: it is damaged or cut short. "
         "Try a fresh copy from where it came from.");
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

// Recognises the format and reads it; failures are thrown.
void readInput(LoadInput& in, LoadOutcome& outcome) {
    FxbFile file;
    const InputFormat* format = recognise(in, file, outcome);
    if (format == nullptr)
        fail(FailureReason::UnknownFormat, "Unknown file format", 6,
             in.size == 0 ? "The file is empty."
                          : "The file is none of the formats Vornak reads, and at " + withThousands(in.size) +
                                " bytes it is too short to be a bare PPG memory image (" +
                                withThousands(kBankImageSize) +
                                " bytes). Check that it is a bank and not a single program or another kind of file.");
    outcome.format = format;
    if (!format->takesModelHint) in.hint = ModelHint::Detect;
    format->read(in);
}

// The Corvel reader's codes come without a message.
std::string corvelExplanation(int code) {
    const char* what = "it could not be read";
    switch (code) {
    case 1: what = "its header is cut short"; break;
    case 2: what = "its header is not a Corvel bank header"; break;
    case 3: what = "its bank settings are cut short"; break;
    case 4: what = "its bank settings are damaged, or its counts are impossible"; break;
    case 6: what = "its counts of programs and combis disagree"; break;
    case 10:
    case 12: what = "a program or combi in it is cut short"; break;
    case 11: what = "a program or combi in it is damaged"; break;
    default: break;
    }
    return std::string("The Corvel bank is damaged or cut short: ") + what +
           " (code " + std::to_string(code) + "). Try a fresh copy, or save the bank again from the librarian.";
}

} // namespace

LoadOutcome loadBuffer(std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank) {
    LoadOutcome outcome;
    LoadInput input{data, size, hint, bank, outcome.notes, outcome.namesCut};
    try {
        readInput(input, outcome);
        return outcome;
    } catch (const ReadFailure& failure) {
        outcome.code = failure.code;
        outcome.reason = failure.reason;
        outcome.message = failure.message;
        outcome.explanation = failure.explanation;
    } catch (const CodeError& error) {
        outcome.code = error.code;
        outcome.reason = FailureReason::Damaged;
        if (outcome.format != nullptr && outcome.format->kind == InputKind::Corvel)
            outcome.explanation = corvelExplanation(error.code);
    } catch (...) {
        outcome.code = 99;
        outcome.reason = FailureReason::Unexpected;
    }
    if (outcome.explanation.empty())
        outcome.explanation = "Vornak could not read this file: an unexpected failure (code " + std::to_string(outcome.code) +
                              "). Please keep the file and report it.";
    outcome.notes.clear();
    return outcome;
}

const char* LoadOutcome::formatName() const {
    if (format != nullptr) return format->name;
    return fxbContainer ? kFxbContainerName : "";
}

LoadOutcome unreadInput(FailureReason reason) {
    LoadOutcome outcome;
    outcome.reason = reason;
    if (reason == FailureReason::TooLarge) {
        outcome.code = 2;
        outcome.message = "Error allocating buffer";
        outcome.explanation = "The file is too large to be held in memory. Close other programs and try again, or "
                              "check that it is really a bank file.";
    } else {
        outcome.code = 1;
        outcome.message = "No input file";
        outcome.explanation = "The file could not be opened or read. Try choosing it again.";
    }
    return outcome;
}

LoadOutcome loadBank(const std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank) {
    const std::size_t total = std::max(size + kLoadSpareBytes, kLoadCapacity);
    const std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[total]);
    if (!buffer) return unreadInput(FailureReason::TooLarge);
    if (size != 0) std::copy_n(data, size, buffer.get());
    std::fill(buffer.get() + size, buffer.get() + total, std::uint8_t{0});
    return loadBuffer(buffer.get(), size, hint, bank);
}

} // namespace vornak
