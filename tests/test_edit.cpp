// Values of a program set by their labels: written by every output format's
// own writer, read back by the tool's reader and shown as the listing shows
// them; the steps each format is said to hold are the ones that come back.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "library/listed_values.h"
#include "library/compose.h"
#include "library/loader.h"
#include "listing/listing.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

ComposeRequest requestOn(const Bytes& source, const ExportFormat& format) {
    ComposeRequest request;
    request.banks.push_back({"dump.syx", source.data(), source.size()});
    request.format = format.kind;
    return request;
}

// The number the listing shows for the value of a program read back.
int listed(const PpgProgram& program, const ValueRange& value, ValuePart part) {
    const ShownValues shown = shownValues(program);
    const std::vector<std::string>& texts = part == ValuePart::Program ? shown.program : part == ValuePart::A ? shown.groupA : shown.groupB;
    const auto& ranges = valueRanges(part != ValuePart::Program);
    return std::atoi(texts[static_cast<std::size_t>(&value - ranges.data())].c_str());
}

// The greatest of min, min + step, ... max not above v (min below it), as
// the writers keep a value between steps: found by walking them.
int heldBelow(const HeldSteps& held, int v) {
    int best = held.min;
    for (int w = held.min; w <= held.max; w += held.step)
        if (w <= v) best = w;
    return best;
}

using Rounded = std::tuple<int, ValuePart, std::string, std::int32_t, std::int32_t>;

} // namespace

// Every label, every value of its range, through every output format: each
// slot sets one value (in both groups, of which a 2.V bank receives A), and
// the file read back lists the held value below it (as the writer keeps a
// value read from any file);
// every value it is said to hold comes back as itself; the report lists
// exactly the values that came back otherwise.
TEST(Edit, EveryValueComesBackAsEachFormatHoldsIt) {
    const Bytes source = readFile(examplePath("demo23.syx"));
    for (const ExportFormat& format : exportFormats()) {
        for (const bool inGroup : {false, true}) {
            for (const ValueRange& value : valueRanges(inGroup)) {
                const std::string where = std::string(1, format.switchLetter()) + " " + value.label();
                const std::vector<ValuePart> parts =
                    inGroup ? std::vector{ValuePart::A, ValuePart::B} : std::vector{ValuePart::Program};
                ComposeRequest request = requestOn(source, format);
                for (std::int32_t asked = value.min; asked <= value.max; ++asked) {
                    ComposeSlot slot{"dump.syx", static_cast<int>(request.slots.size() * 7 % 87), std::nullopt};
                    for (const ValuePart part : parts) slot.set.push_back({part, value.label(), static_cast<double>(asked)});
                    request.slots.emplace_back(std::move(slot));
                }
                const ComposeResult result = compose(request);
                ASSERT_EQ(result.exitCode, 0) << where << ": " << result.message;
                PpgBank back = makeStartupBank();
                ASSERT_EQ(loadFromBytes(result.bytes, back), 0) << where;
                ASSERT_GE(back.programCount(), static_cast<int>(request.slots.size())) << where;

                // A value held once for the bank comes back as the last one
                // set, in every program.
                const HeldSteps held = heldSteps(*format.layout, value);
                std::set<Rounded> expected;
                for (const ValuePart part : parts) {
                    if (!held.held() || (format.takesGroup() && part == ValuePart::B)) continue;
                    std::set<int> cameBack;
                    for (std::size_t s = 0; s < request.slots.size(); ++s) {
                        const std::int32_t asked = value.min + static_cast<std::int32_t>(s);
                        const int written = listed(back.programs[s], value, part);
                        EXPECT_EQ(written, heldBelow(held, held.bankWide ? value.max : asked)) << where << " asked " << asked;
                        cameBack.insert(written);
                        if (written != asked) expected.insert({static_cast<int>(s), part, value.label(), asked, written});
                    }
                    EXPECT_EQ(cameBack.size(), held.bankWide ? 1u : static_cast<std::size_t>((held.max - held.min) / held.step + 1))
                        << where << ": every value said to be held comes back";
                }
                std::set<Rounded> reported;
                for (const RoundedValue& r : result.rounded) reported.insert({r.slot, r.part, r.label, r.asked, r.written});
                EXPECT_EQ(reported, expected) << where;
                EXPECT_EQ(reported.size(), result.rounded.size()) << where << ": each once";
            }
        }
    }
}

// A label the listing does not show, and a value beyond its range, are
// refused with the slot, the label and the range named; nothing is written.
TEST(Edit, RefusesUnknownLabelsAndValuesOutOfRange) {
    const Bytes source = readFile(examplePath("demo23.syx"));
    struct Case {
        ValuePart part;
        const char* label;
        double value;
        const char* message;
    } cases[] = {
        {ValuePart::Program, "P:3", 10, "Slot 1: the program has no value \"P:3\"."},
        {ValuePart::B, "KEYB", 1, "Slot 1: group B has no value \"KEYB\"."},
        {ValuePart::A, "P:3", 64, "Slot 1: P:3 of group A runs from 0 to 63, not 64."},
        {ValuePart::Program, "TTUNE", 40, "Slot 1: TTUNE of the program runs from 400 to 499, not 40."},
        {ValuePart::Program, "TTUNE", 500, "Slot 1: TTUNE of the program runs from 400 to 499, not 500."},
        {ValuePart::Program, "KEYB", 1e20, "Slot 1: KEYB of the program runs from 0 to 15, not 1e+20."},
        {ValuePart::Program, "KEYB", 2.5, "Slot 1: KEYB of the program runs from 0 to 15, not 2.5."},
        {ValuePart::Program, "KEYB", std::nan(""), "Slot 1: KEYB of the program runs from 0 to 15, not nan."},
    };
    for (const Case& c : cases) {
        ComposeRequest request = requestOn(source, *exportFormat(ExportKind::Corvel));
        request.slots.emplace_back(ComposeSlot{"dump.syx", 0, std::nullopt});
        ComposeSlot slot{"dump.syx", 1, std::nullopt};
        slot.set = {{ValuePart::A, "P:3", 10}, {c.part, c.label, c.value}};
        request.slots.emplace_back(std::move(slot));
        const ComposeResult result = compose(request);
        EXPECT_EQ(result.exitCode, 1) << c.label;
        EXPECT_EQ(result.reason, FailureReason::BadRequest) << c.label;
        EXPECT_EQ(result.message, c.message);
        EXPECT_TRUE(result.bytes.empty()) << c.label;
    }
}

// The listing shows each value as its number plus the value's offset, over
// the whole range: the units in which values are set.
TEST(Edit, ListingUnitsAreTheStoredValuePlusTheOffset) {
    for (const bool inGroup : {false, true})
        for (const ValueRange& value : valueRanges(inGroup))
            for (std::int32_t v = 0; v <= value.row->max; ++v)
                ASSERT_EQ(std::atoi(shownValue(*value.listed, v).c_str()), v + value.min) << value.label() << " " << v;
}

// A bank written in each format reads back as written by that format; a
// Waveterm B file with its header is written again as the bare image.
TEST(Edit, EachFileSaysWhichFormatWritesItsLike) {
    const Bytes source = readFile(examplePath("demo23.syx"));
    PpgBank bank = makeStartupBank();
    ASSERT_EQ(loadFromBytes(source, bank), 0);
    for (const ExportFormat& format : exportFormats()) {
        const std::vector<std::uint8_t> bytes = format.exporter(bank, {});
        PpgBank back = makeStartupBank();
        const LoadOutcome outcome = loadBank(bytes.data(), bytes.size(), ModelHint::Detect, back);
        ASSERT_EQ(outcome.code, 0) << format.letter;
        EXPECT_EQ(outcome.writesAs, &format) << format.letter;
    }
    Bytes headed(102, 0);
    headed[0] = 'W';
    headed[1] = 'B';
    headed[20] = kBankImageSize >> 8;
    headed[21] = kBankImageSize & 0xFF;
    headed.resize(headed.size() + kBankImageSize, 0);
    PpgBank back = makeStartupBank();
    const LoadOutcome outcome = loadBank(headed.data(), headed.size(), ModelHint::Detect, back);
    ASSERT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.writesAs, exportFormat(ExportKind::WavetermB));
}
