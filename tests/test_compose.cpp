// Banks built from programs of other banks, checked against what the
// tool's exporters write and its readers read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "formats/bank_2v.h"
#include "formats/corvel.h"
#include "formats/memory_image.h"
#include "library/compose.h"
#include "library/format_table.h"
#include "library/listed_values.h"
#include "library/loader.h"
#include "library/sounds.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

// Programs from a SysEx dump, a Corvel bank and a 2.V bank, renamed, one
// twice and one slot empty, into every output: read back by the tool, each
// slot holds its source program as that format holds it.
TEST(Compose, SlotsHoldTheirSourcesInEveryFormat) {
    const PpgBank named = namedBank();
    const std::vector<std::uint8_t> crv = exportCorvel(named);
    ComposeRequest request = requestFrom({{"dump.syx", readFile(examplePath("demo23.syx"))},
                                          {"named.crv", Bytes(crv.begin(), crv.end())},
                                          {"bank.fxb", readFile(examplePath("demo23-n.fxb"))}});
    request.slots = {ComposeSlot{"dump.syx", 10, "Brass"}, ComposeSlot{"named.crv", 3, std::nullopt}, std::nullopt,
                     ComposeSlot{"bank.fxb", 127, "Last one"}, ComposeSlot{"dump.syx", 10, std::nullopt}};
    request.bankName = "Built";
    const Read dump = readBytes(readFile(examplePath("demo23.syx")));
    const Read v2 = readBytes(readFile(examplePath("demo23-n.fxb")));
    const PpgProgram* sources[] = {&dump.bank.programs[10], &named.programs[3], nullptr, &v2.bank.programs[127], &dump.bank.programs[10]};
    const char* names[] = {"Brass", "Sound 3", nullptr, "Last one", "PPG Program 010"};

    for (const ExportFormat& format : exportFormats()) {
        request.format = format.kind;
        const ComposeResult result = compose(request);
        ASSERT_EQ(result.exitCode, 0) << format.letter << result.message;
        const Read back = readBytes(Bytes(result.bytes.begin(), result.bytes.end()));
        ASSERT_EQ(back.outcome.code, 0);
        // The empty slot gets the fill program, as the slots beyond the bank do.
        const ConversionReport& r = result.report;
        EXPECT_EQ(r.programs, 4);
        EXPECT_GE(r.filled, 1);
        EXPECT_EQ(r.programs + r.filled + r.blank, r.slots) << format.letter;
        for (std::size_t k = 0; k < 5; ++k) {
            const PpgProgram& got = back.bank.programs[k];
            const std::string context = std::string(1, format.letter) + " slot " + std::to_string(k);
            if (sources[k] == nullptr) {
                const PpgProgram fill = format.layout == &k2VLayout ? k2VLayout.fill() : imageFillProgram();
                EXPECT_EQ(recordOf(got), recordOf(fill)) << context;
                continue;
            }
            if (format.layout == &k2VLayout) {
                // What a 2.V bank holds of the program: the same program
                // written alone by the same writer.
                PpgBank alone(0, 0);
                alone.resize(1, 0);
                alone.programs[0] = *sources[k];
                const std::vector<std::uint8_t> single = format.exporter(alone, {0, 0, kGroupA});
                const Read one = readBytes(Bytes(single.begin(), single.end()));
                EXPECT_EQ(programFields(got), programFields(one.bank.programs[0])) << context;
            } else {
                EXPECT_EQ(recordOf(got), recordOf(*sources[k])) << context;
            }
            if (!format.layout->memoryImage) {
                EXPECT_STREQ(got.name, names[k]) << context;
            }
            if (format.layout == &kCorvelLayout) {
                EXPECT_EQ(programFields(got), programFields(*sources[k])) << context;
            }
        }
        EXPECT_EQ(std::string(back.bank.name), format.layout == &kCorvelLayout ? "Built" : "");
        EXPECT_EQ(back.bank.combiCount() == 0 || format.layout->memoryImage, true);

        // The same sources only in buffers laid out as the loader reads them,
        // as the engine hands them over: each read in place once (the dump,
        // decoded in place, serves two slots), they make the same file.
        ComposeRequest inPlace = request;
        std::vector<Bytes> buffers;
        buffers.reserve(inPlace.banks.size());
        for (ComposeSource& source : inPlace.banks) {
            Bytes& buffer = buffers.emplace_back(std::max(source.size + kLoadSpareBytes, kLoadCapacity), 0);
            std::copy_n(source.data, source.size, buffer.begin());
            source = {source.name, nullptr, source.size, buffer.data()};
        }
        const ComposeResult fromBuffers = compose(inPlace);
        EXPECT_TRUE(fromBuffers.bytes == result.bytes) << format.letter << fromBuffers.message;
        EXPECT_EQ(fromBuffers.report.text, result.report.text);
    }
}

TEST(Compose, AWholeBankInOrderIsTheToolsOwnExport) {
    for (const auto& [file, letter] : {std::pair{"demo23-o.fxb", 'o'}, {"demo23-n.fxb", 'n'}, {"demo23.crv", 'w'}}) {
        const Bytes bytes = readFile(examplePath(file));
        const Read source = readBytes(bytes);
        ComposeRequest request = requestFrom({{file, bytes}});
        for (int p = 0; p < source.bank.programCount(); ++p) request.slots.push_back(ComposeSlot{file, p, std::nullopt});
        request.format = exportFormatForLetter(letter)->kind;
        const ComposeResult result = compose(request);
        ASSERT_EQ(result.exitCode, 0) << result.message;
        // A built bank holds no combis: the Corvel bank is compared without them.
        PpgBank expected = source.bank;
        expected.resize(expected.programCount(), 0);
        const std::vector<std::uint8_t> tool = exportFormatForLetter(letter)->exporter(expected, {});
        EXPECT_TRUE(result.bytes == tool) << file;
    }
}

TEST(Compose, RefusesWhatItCannotBuild) {
    const Bytes dump = readFile(examplePath("demo23.syx"));
    auto attempt = [&](std::vector<std::optional<ComposeSlot>> slots, char format = 's', std::optional<std::string> bankName = {}) {
        ComposeRequest request = requestFrom({{"dump.syx", dump}, {"bad.syx", Bytes(10, 0)}});
        request.slots = std::move(slots);
        const ExportFormat* output = exportFormatForLetter(format);
        request.format = output != nullptr ? output->kind : ExportKind::None;
        request.bankName = std::move(bankName);
        return compose(request);
    };
    struct Case {
        ComposeResult result;
        int code;
        const char* words;
    };
    const Case cases[] = {
        {attempt({ComposeSlot{"missing.syx", 0, {}}}), 1, "no bank \"missing.syx\" was given"},
        {attempt({ComposeSlot{"dump.syx", 87, {}}}), 1, "has no program 87 (it holds 87"},
        {attempt({ComposeSlot{"dump.syx", -1, {}}}), 1, "has no program -1"},
        {attempt({ComposeSlot{"bad.syx", 0, {}}}), 6, "cannot be read (Unknown file format)"},
        {attempt(std::vector<std::optional<ComposeSlot>>(101)), 1, "holds at most 100 programs; the new bank has 101"},
        {attempt(std::vector<std::optional<ComposeSlot>>(129), 'n'), 1, "at most 128"},
        {attempt({}), 1, "no slots"},
        {attempt({ComposeSlot{"dump.syx", 0, std::string(28, 'x')}}), 1, "28 characters long; a name holds at most 27"},
        {attempt({ComposeSlot{"dump.syx", 0, std::string("a\tb")}}), 1, "control character"},
        {attempt({std::nullopt}, 'q'), 1, "no output format"},
        {attempt({std::nullopt}, 's', std::string(40, 'b')), 1, "The bank name is 40 characters long"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result.exitCode, c.code) << c.words;
        // A source that cannot be read answers its load's reason; the rest is the request's.
        EXPECT_EQ(std::string(reasonName(c.result.reason)), c.code == 6 ? "unknown-format" : "bad-request") << c.words;
        EXPECT_NE(c.result.message.find(c.words), std::string::npos) << c.result.message;
        EXPECT_TRUE(c.result.bytes.empty()) << c.words;
    }
    const ComposeResult full = attempt(std::vector<std::optional<ComposeSlot>>(100));
    EXPECT_EQ(full.exitCode, 0) << "a memory image has room for 100 programs";
}

// A Halvic bank holds one tuning for the whole bank: its layout says so, and
// a TTUNE set on one slot reaches every program of the file, whichever slot
// it is set on; the report says whose own tuning it replaced.
TEST(Compose, AValueHeldOnceForTheBankReachesEveryProgram) {
    const ExportFormat& halvic = *exportFormat(ExportKind::Halvic);
    const HeldSteps steps = heldSteps(*halvic.layout, *valueRange(false, "TTUNE"));
    EXPECT_TRUE(steps.held() && steps.bankWide);
    EXPECT_EQ(std::make_pair(steps.min, steps.max), std::make_pair(400, 499));
    EXPECT_FALSE(heldSteps(*exportFormat(ExportKind::Bank2VChunkV1)->layout, *valueRange(false, "TTUNE")).bankWide);

    for (const int on : {0, 1}) {
        ComposeRequest request = requestFrom({{"dump.syx", readFile(examplePath("demo23.syx"))}});
        request.format = ExportKind::Halvic;
        request.slots = {ComposeSlot{"dump.syx", 0, std::nullopt}, ComposeSlot{"dump.syx", 1, std::nullopt}, std::nullopt};
        request.slots[static_cast<std::size_t>(on)]->set = {{ValuePart::Program, "TTUNE", 445}};
        const ComposeResult result = compose(request);
        ASSERT_EQ(result.exitCode, 0) << result.message;
        const Read back = readBytes(result.bytes);
        for (const PpgProgram& program : back.bank.programs) EXPECT_EQ(program.programValues[kTuning], 45) << on;
        ASSERT_EQ(result.rounded.size(), 1u) << on;
        const RoundedValue& other = result.rounded[0];
        EXPECT_EQ(std::make_tuple(other.slot, other.part, other.label, other.asked, other.written),
                  std::make_tuple(1 - on, ValuePart::Program, std::string("TTUNE"), 440, 445));
        EXPECT_TRUE(drops(result.report, "the own TTUNE of 1 program (a Halvic bank holds one TTUNE for the whole bank: "
                                         "445, set on slot " + std::to_string(on) + ", reaches every program)"))
            << result.report.text;
    }
}
