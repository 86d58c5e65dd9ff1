#include "model/failure.h"

#include <array>

namespace vornak {

namespace {

struct ReasonName {
    FailureReason reason;
    const char* name;
};

constexpr std::array<ReasonName, 10> kReasonNames{{
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

constexpr auto kFailureReasons = [] {
    std::array<FailureReason, kReasonNames.size() - 1> reasons{};
    for (std::size_t i = 0; i < reasons.size(); ++i) reasons[i] = kReasonNames[i + 1].reason;
    return reasons;
}();

} // namespace

const char* reasonName(FailureReason reason) {
    for (const ReasonName& r : kReasonNames)
        if (r.reason == reason) return r.name;
    return "";
}

std::span<const FailureReason> failureReasons() { return kFailureReasons; }

void fail(const Failure& failure, std::initializer_list<std::string> details) { throw CodeError{&failure, details}; }

const Failure kBankNoMemory{FailureReason::TooLarge, 1, "",
                            "There is not enough memory for the programs this file holds. Close other programs and try again.",
                            nullptr};

} // namespace vornak
