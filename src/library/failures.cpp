#include "library/failures.h"

#include <string_view>

#include "formats/fxb_file.h"
#include "library/format_table.h"

namespace vornak {

namespace {

using R = FailureReason;

constexpr const char* kUnknown = "Unknown file format";

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

const Failure kNoInput{R::NoInput, 1, "No input file", "The file could not be opened or read. Try choosing it again.", nullptr};
const Failure kTooLarge{R::TooLarge, 2, "Error allocating buffer",
                        "The file is too large to be held in memory. Close other programs and try again, or check that "
                        "it is really a bank file.",
                        nullptr};
const Failure kEmptyFile{R::UnknownFormat, 6, kUnknown, "The file is empty.", nullptr};
const Failure kUnknownFormat{
    R::UnknownFormat, 6, kUnknown,
    "The file is none of the formats Vornak reads, and at {} bytes it is too short to be a bare PPG memory image ({} "
    "bytes). Check that it is a bank and not a single program or another kind of file.",
    nullptr};
const Failure kUnexpected{R::Unexpected, 99, "",
                          "Vornak could not read this file: an unexpected failure (code {code}). Please keep the file and "
                          "report it.",
                          nullptr};
const Failure kBadRequest{R::BadRequest, 1, "{}", nullptr, nullptr};
const Failure kSourceUnread{R::None, 0, "{}the bank{} cannot be read ({}).", nullptr, nullptr};
const Failure kNoMemory{R::NoMemory, 1, "The file could not be made: there is not enough memory.", nullptr, nullptr};
const Failure kHoldsNoFiles{R::NoInput, 1, "No input file: the file is not a disk image, so it holds no file named {}",
                            "Only a disk image holds files to be named after its name and a slash; this file is not "
                            "one, so it holds no file named {}.",
                            nullptr};

std::span<const Failure* const> failures() {
    static const std::vector<const Failure*> all = [] {
        std::vector<const Failure*> rows{&kNoInput,    &kTooLarge,  &kEmptyFile,    &kUnknownFormat, &kUnexpected,
                                         &kBadRequest, &kNoMemory,  &kSourceUnread, &kBankNoMemory,  &kFxbPreset,
                                         &kFxbNeither, &kFxbDamaged, &kHoldsNoFiles};
        for (const FormatModule* module : formatModules()) rows.insert(rows.end(), module->failures.begin(), module->failures.end());
        return rows;
    }();
    return all;
}

FailureAnswer answerOf(const CodeError& error) {
    const Failure& row = *error.failure;
    FailureAnswer a;
    a.exitCode = error.code();
    a.reason = error.reason != FailureReason::None ? error.reason : row.reason;
    a.message = filledIn(row.message, a.exitCode, error.details);
    if (row.explanation == nullptr)
        a.explanation = a.message;
    else if (row.within == nullptr)
        a.explanation = filledIn(row.explanation, a.exitCode, error.details);
    else
        a.explanation = filledIn(row.within, a.exitCode, {row.explanation});
    return a;
}

FailureAnswer answerOf(const Failure& failure, const std::vector<std::string>& details) {
    return answerOf(CodeError{&failure, details});
}

} // namespace vornak
