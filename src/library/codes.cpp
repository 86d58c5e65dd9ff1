#include "library/codes.h"

#include <array>
#include <cstddef>

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
constexpr auto kFailureReasons = codesIn<FailureReason, kReasonNames.size(), 1>(kReasonNames);

} // namespace

const char* noteCodeName(NoteCode code) { return nameIn(kNoteNames, code); }

std::span<const NoteCode> noteCodes() { return kNoteCodes; }

const char* reasonName(FailureReason reason) { return nameIn(kReasonNames, reason); }

std::span<const FailureReason> failureReasons() { return kFailureReasons; }

} // namespace vornak
