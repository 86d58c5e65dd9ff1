#include "library/loader.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "formats/fxb_file.h"
#include "library/readers.h"
#include "model/error.h"

namespace vornak {

namespace {

// A code and the name the engine answers it by; every code of a kind, in
// one table that both names them and lists them.
template <typename Code>
struct Named {
    Code code;
    const char* name;
};

template <typename Code, std::size_t N>
const char* nameIn(const std::array<Named<Code>, N>& table, Code code) {
    for (const Named<Code>& n : table)
        if (n.code == code) return n.name;
    return "";
}

// The codes of a table, from its row `First` on.
template <typename Code, std::size_t N, std::size_t First = 0>
constexpr std::array<Code, N - First> codesIn(const std::array<Named<Code>, N>& table) {
    std::array<Code, N - First> codes{};
    for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = table[i + First].code;
    return codes;
}

constexpr std::array<Named<NoteCode>, 11> kNoteNames{{
    {NoteCode::BareImage, "bare-image"},
    {NoteCode::ShortDump, "short-dump"},
    {NoteCode::DamagedDump, "damaged-dump"},
    {NoteCode::MissingEnd, "missing-end"},
    {NoteCode::TrailingBytes, "trailing-bytes"},
    {NoteCode::CountMismatch, "count-mismatch"},
    {NoteCode::PartialImage, "partial-image"},
    {NoteCode::ShortChunk, "short-chunk"},
    {NoteCode::CutNames, "cut-names"},
    {NoteCode::ReadsAsOtherFormat, "reads-as-other-format"},
    {NoteCode::NeedsModelSwitch, "needs-model-switch"},
}};
constexpr auto kNoteCodes = codesIn(kNoteNames);

constexpr std::array<Named<FailureReason>, 10> kReasonNames{{
    {FailureReason::None, ""},
    {FailureReason::NoInput, "no-input"},
    {FailureReason::TooLarge, "too-large"},
    {FailureReason::UnknownFormat, "unknown-format"},
    {FailureReason::NotABank, "not-a-bank"},
    {FailureReason::OtherPlugin, "other-plugin"},
    {FailureReason::Damaged, "damaged"},
    {FailureReason::Unexpected, "unexpected"},
    {FailureReason::BadRequest, "bad-request"},
    {FailureReason::NoMemory, "no-memory"},
}};
// Every reason of a failure: all but None.
constexpr auto kFailureReasons = codesIn<FailureReason, kReasonNames.size(), 1>(kReasonNames);

bool startsWith(const LoadInput& in, std::span<const std::uint8_t> magic) {
    return in.size >= magic.size() && std::equal(magic.begin(), magic.end(), in.data);
}

// The FXB container is parsed once for all the plug-in banks it may hold.
void parseFxb(LoadInput& in, FxbFile& file) {
    in.outcome.fxbContainer = true;
    if (file.parse(in.data, in.size)) {
        in.fxb = &file;
        return;
    }
    const std::uint32_t kind = in.size >= 12 ? bigEndianWord(in.data + fxb::kFxMagic) : 0;
    if (kind == fxb::kFxCk || kind == fxb::kFPCh)
        fail(in, FailureReason::NotABank, "Can't load .fxb file", 3,
             "This is a single program (an FXP preset), not a bank. Vornak reads whole banks: save the bank "
             "(.fxb) from the plug-in instead.");
    if (in.size >= 12 && kind != fxb::kFxBk && kind != fxb::kFBCh)
        fail(in, FailureReason::NotABank, "Can't load .fxb file", 3,
             "The file starts like an FXB file, but it is neither a bank of programs nor a chunk bank. Vornak "
             "reads Waldorf 2.V, Halvic and Corvel banks.");
    fail(in, FailureReason::Damaged, "Can't load .fxb file", 3,
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
const InputFormat* recognise(LoadInput& in, FxbFile& file) {
    const auto formats = inputFormats();
    const auto magicOf = std::find_if(formats.begin(), formats.end(),
                                      [&](const InputFormat& f) { return !f.magic.empty() && startsWith(in, f.magic); });
    if (magicOf == formats.end()) {
        for (const InputFormat& f : formats)
            if (f.magic.empty() && in.size >= f.minimumSize) return &f;
        return nullptr;
    }
    if (!magicOf->isFxb()) return &*magicOf;
    parseFxb(in, file);
    for (const bool byIdentifier : {true, false})
        for (const InputFormat& f : formats)
            if (claims(f, file, byIdentifier)) return &f;
    return nullptr;
}

// Recognises the format and reads it; failures are thrown.
void readInput(LoadInput& in) {
    FxbFile file;
    const InputFormat* format = recognise(in, file);
    if (format == nullptr)
        fail(in, FailureReason::UnknownFormat, "Unknown file format", 6,
             in.size == 0 ? "The file is empty."
                          : "The file is none of the formats Vornak reads, and at " + withThousands(in.size) +
                                " bytes it is too short to be a bare PPG memory image (" +
                                withThousands(kBankImageSize) +
                                " bytes). Check that it is a bank and not a single program or another kind of file.");
    in.outcome.format = format;
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

// Loads from a buffer laid out as LoadInput says.
LoadOutcome loadBuffer(std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank) {
    LoadOutcome outcome;
    LoadInput input{data, size, hint, bank, outcome};
    try {
        readInput(input);
        return outcome;
    } catch (const ReadFailure& failure) {
        outcome.code = failure.code;
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

} // namespace

const char* noteCodeName(NoteCode code) { return nameIn(kNoteNames, code); }

std::span<const NoteCode> noteCodes() { return kNoteCodes; }

const char* reasonName(FailureReason reason) { return nameIn(kReasonNames, reason); }

std::span<const FailureReason> failureReasons() { return kFailureReasons; }

const char* LoadOutcome::formatName() const {
    if (format != nullptr) return format->name;
    return fxbContainer ? kFxbContainerName : "";
}

LoadOutcome readFailure(FileBytes::Status status) {
    LoadOutcome outcome;
    if (status == FileBytes::NoMemory) {
        outcome.code = 2;
        outcome.reason = FailureReason::TooLarge;
        outcome.message = "Error allocating buffer";
        outcome.explanation = "The file is too large to be held in memory. Close other programs and try again, or "
                              "check that it is really a bank file.";
    } else {
        outcome.code = 1;
        outcome.reason = FailureReason::NoInput;
        outcome.message = "No input file";
        outcome.explanation = "The file could not be opened or read. Try choosing it again.";
    }
    return outcome;
}

LoadOutcome loadInPlace(FileBytes& file, ModelHint hint, PpgBank& bank) {
    if (file.status != FileBytes::Read) return readFailure(file.status);
    return loadBuffer(file.data.get(), file.size, hint, bank);
}

LoadOutcome loadBank(const std::uint8_t* data, std::size_t size, ModelHint hint, PpgBank& bank) {
    FileBytes copy = copyWhole(data, size, kLoadSpare, kLoadCapacity);
    return loadInPlace(copy, hint, bank);
}

LoadOutcome loadFile(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit) {
    FileBytes file = readWholeFile(path, kLoadSpare, kLoadCapacity, std::min(kStreamLimit, inputLimit), inputLimit);
    return loadInPlace(file, hint, bank);
}

int loadInputFile(const char* path, ModelHint hint, PpgBank& bank, std::size_t inputLimit) {
    const LoadOutcome outcome = loadFile(path, hint, bank, inputLimit);
    if (!outcome.message.empty()) std::printf("%s\n", outcome.message.c_str());
    return outcome.code;
}

} // namespace vornak
