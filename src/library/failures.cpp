#include "library/failures.h"

#include <array>
#include <string_view>

namespace vornak {

namespace {

struct FailureRow {
    Failure failure;
    FailureReason reason;
    int exitCode;
    const char* message;     // "" when the tool prints none
    const char* explanation; // nullptr: the message says it
    const char* within;      // a sentence the explanation is put in, at its "{}"; or nullptr
};

using R = FailureReason;
using F = Failure;

constexpr const char* kFxbFile = "Can't load .fxb file";
constexpr const char* kNot2V = "Not a valid 2.V fxb-file";
constexpr const char* kUnknown = "Unknown file format";
constexpr const char* kChunkCut = "a program or combi in it is cut short";
constexpr const char* kCorvel =
    "The Corvel bank is damaged or cut short: {} (code {code}). Try a fresh copy, or save the bank again from the librarian.";

constexpr std::array<FailureRow, 25> kFailures{{
    {F::NoInput, R::NoInput, 1, "No input file", "The file could not be opened or read. Try choosing it again.", nullptr},
    {F::TooLarge, R::TooLarge, 2, "Error allocating buffer",
     "The file is too large to be held in memory. Close other programs and try again, or check that it is really a "
     "bank file.", nullptr},
    {F::EmptyFile, R::UnknownFormat, 6, kUnknown, "The file is empty.", nullptr},
    {F::UnknownFormat, R::UnknownFormat, 6, kUnknown,
     "The file is none of the formats Vornak reads, and at {} bytes it is too short to be a bare PPG memory image ({} "
     "bytes). Check that it is a bank and not a single program or another kind of file.", nullptr},
    {F::FxbPreset, R::NotABank, 3, kFxbFile,
     "This is a single program (an FXP preset), not a bank. Vornak reads whole banks: save the bank (.fxb) from the "
     "plug-in instead.", nullptr},
    {F::FxbNeither, R::NotABank, 3, kFxbFile,
     "The file starts like an FXB file, but it is neither a bank of programs nor a chunk bank. Vornak reads Waldorf "
     "2.V, Halvic and Corvel banks.", nullptr},
    {F::FxbDamaged, R::Damaged, 3, kFxbFile,
     "The file starts like an FXB bank, but its sizes do not match its contents: it is damaged or cut short. Try a "
     "fresh copy from where it came from.", nullptr},
    {F::HalvicCut, R::Damaged, 3, kFxbFile,
     "The Halvic bank is cut short: its memory area is too small to hold a program memory. Try a fresh copy, or save "
     "the bank again from the plug-in.", nullptr},
    {F::OtherPlugin, R::OtherPlugin, 3, kNot2V,
     "This FXB bank belongs to another plug-in (its identifier is '{}'). Vornak reads Waldorf 2.V, Halvic and Corvel "
     "banks only.", nullptr},
    {F::Damaged2V, R::Damaged, 3, kNot2V,
     "The Waldorf 2.V bank is damaged: its programs do not hold together. Try a fresh copy, or save the bank again "
     "from the plug-in.", nullptr},
    {F::WavetermB, R::Damaged, 5, "Invalid Waveterm B Dxxx.USR file",
     "The file starts like a Waveterm B file (\"WB\"), but it is too short or the length of its data is wrong. Try a "
     "fresh copy from the disk.", nullptr},
    {F::WavetermA, R::Damaged, 5, "Invalid FLEX file",
     "The file starts with byte 02, as Waveterm A (FLEX) files do, but its first load record is damaged. If it is not "
     "a Waveterm A file, it is in a format Vornak does not read.", nullptr},
    {F::CorvelHeaderCut, R::Damaged, 1, "", "its header is cut short", kCorvel},
    {F::CorvelHeader, R::Damaged, 2, "", "its header is not a Corvel bank header", kCorvel},
    {F::CorvelSettingsCut, R::Damaged, 3, "", "its bank settings are cut short", kCorvel},
    {F::CorvelSettings, R::Damaged, 4, "", "its bank settings are damaged, or its counts are impossible", kCorvel},
    {F::CorvelCounts, R::Damaged, 6, "", "its counts of programs and combis disagree", kCorvel},
    {F::CorvelChunkCut, R::Damaged, 10, "", kChunkCut, kCorvel},
    {F::CorvelChunk, R::Damaged, 11, "", "a program or combi in it is damaged", kCorvel},
    {F::CorvelChunkRest, R::Damaged, 12, "", kChunkCut, kCorvel},
    {F::BankNoMemory, R::TooLarge, 1, "",
     "There is not enough memory for the programs this file holds. Close other programs and try again.", nullptr},
    {F::Unexpected, R::Unexpected, 99, "",
     "Vornak could not read this file: an unexpected failure (code {code}). Please keep the file and report it.", nullptr},
    {F::BadRequest, R::BadRequest, 1, "{}", nullptr, nullptr},
    {F::SourceUnread, R::None, 0, "{}the bank{} cannot be read ({}).", nullptr, nullptr},
    {F::NoMemory, R::NoMemory, 1, "The file could not be made: there is not enough memory.", nullptr, nullptr},
}};

constexpr bool rowsInOrder() {
    for (std::size_t i = 0; i < kFailures.size(); ++i)
        if (static_cast<std::size_t>(kFailures[i].failure) != i) return false;
    return true;
}
static_assert(rowsInOrder(), "row k is failure k");

const FailureRow& rowOf(Failure failure) { return kFailures[static_cast<std::size_t>(failure)]; }

// The text with "{code}" made the exit code and each "{}" the next detail.
std::string filledIn(const char* text, int exitCode, const std::vector<std::string>& details) {
    std::string out;
    std::size_t next = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (std::string_view(c).starts_with("{code}")) {
            out += std::to_string(exitCode);
            c += 5;
        } else if (std::string_view(c).starts_with("{}")) {
            if (next < details.size()) out += details[next++];
            ++c;
        } else {
            out += *c;
        }
    }
    return out;
}

} // namespace

FailureAnswer answerOf(Failure failure, const std::vector<std::string>& details) {
    return Failed{failure, details}.answer();
}

FailureAnswer Failed::answer() const {
    const FailureRow& row = rowOf(failure);
    FailureAnswer a;
    a.exitCode = exitCode != 0 ? exitCode : row.exitCode;
    a.reason = reason != FailureReason::None ? reason : row.reason;
    a.message = filledIn(row.message, a.exitCode, details);
    if (row.explanation == nullptr)
        a.explanation = a.message;
    else if (row.within == nullptr)
        a.explanation = filledIn(row.explanation, a.exitCode, details);
    else
        a.explanation = filledIn(row.within, a.exitCode, {row.explanation});
    return a;
}

Failure corvelFailure(int code) {
    for (const FailureRow& row : kFailures)
        if (row.within == kCorvel && row.exitCode == code) return row.failure;
    return Failure::Unexpected;
}

void fail(Failure failure, std::initializer_list<std::string> details) { throw Failed{failure, details}; }

} // namespace vornak
