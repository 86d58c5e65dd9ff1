#include "formats/notes.h"

#include <array>
#include <cstddef>

namespace vornak {

namespace {

struct NoteName {
    NoteCode code;
    const char* name;
};

constexpr std::array<NoteName, 13> kNoteNames{{
    {NoteCode::BareImage, "bare-image"},
    {NoteCode::ShortDump, "short-dump"},
    {NoteCode::DamagedDump, "damaged-dump"},
    {NoteCode::MissingEnd, "missing-end"},
    {NoteCode::RealTimeBytes, "real-time-bytes"},
    {NoteCode::TrailingBytes, "trailing-bytes"},
    {NoteCode::CountMismatch, "count-mismatch"},
    {NoteCode::PartialImage, "partial-image"},
    {NoteCode::ShortChunk, "short-chunk"},
    {NoteCode::CutNames, "cut-names"},
    {NoteCode::OutOfRange, "out-of-range"},
    {NoteCode::ReadsAsOtherFormat, "reads-as-other-format"},
    {NoteCode::NeedsModelSwitch, "needs-model-switch"},
}};

constexpr auto kNoteCodes = [] {
    std::array<NoteCode, kNoteNames.size()> codes{};
    for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = kNoteNames[i].code;
    return codes;
}();

} // namespace

const char* noteCodeName(NoteCode code) {
    for (const NoteName& n : kNoteNames)
        if (n.code == code) return n.name;
    return "";
}

std::span<const NoteCode> noteCodes() { return kNoteCodes; }

const char* damageName(Damage damage) {
    return damage == Damage::Damaged ? "damaged" : damage == Damage::Cut ? "cut" : "";
}

} // namespace vornak
