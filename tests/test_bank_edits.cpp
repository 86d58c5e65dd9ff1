// Edits of a bank read, written whole: each combi value by its label lands
// in its own bits of the record and is read back by the tool's reader in
// every format that holds combis; a combi edited is in use.

#include <gtest/gtest.h>

#include <string>

#include "library/edits.h"
#include "library/loader.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

TEST(BankEdits, EachCombiValueComesBackByItsLabelAloneInEveryFormatThatHoldsCombis) {
    const Bytes source = readFile(examplePath("demo23.syx"));
    for (const ExportKind kind : {ExportKind::SysEx, ExportKind::Corvel}) {
        const ExportFormat& format = *exportFormat(kind);
        for (const CombiValue& value : kCombiValues) {
            for (const std::int32_t v : {value.max, value.max / 2 + 1}) {
                PpgBank bank = makeStartupBank();
                ASSERT_EQ(loadFromBytes(source, bank), 0);
                const PpgCombi before = bank.combis[4];
                ASSERT_EQ(before.used, 0);
                const EditedFile file = writeEdited(bank, {{}, {{4, {{value.label, static_cast<double>(v)}}}}}, format, 0, 255,
                                                    kGroupA, {});
                ASSERT_EQ(file.failure.exitCode, 0) << file.failure.message;
                PpgBank back = makeStartupBank();
                ASSERT_EQ(loadFromBytes(file.bytes, back), 0);
                const PpgCombi& again = back.combis[4];
                EXPECT_EQ(again.used, 1) << value.label;
                for (const CombiValue& other : kCombiValues)
                    EXPECT_EQ(shownValue(again, other), &other == &value ? v : shownValue(before, other))
                        << format.letter << " " << value.label << " = " << v << ": " << other.label;
                EXPECT_EQ(again.kbm & 0x80, before.kbm & 0x80) << "KBM keeps its top bit";
            }
        }
    }
}

// A refused edit writes nothing and says why; an edit with no values changes
// nothing, and the file is the plain conversion's.
TEST(BankEdits, RefusedEditsWriteNothingAndEmptyOnesChangeNothing) {
    const Bytes source = readFile(examplePath("demo23.syx"));
    const ExportFormat& sysex = *exportFormat(ExportKind::SysEx);
    PpgBank bank = makeStartupBank();
    ASSERT_EQ(loadFromBytes(source, bank), 0);
    const EditedFile none = writeEdited(bank, {{{3, std::nullopt, {}}}, {{4, {}}}}, sysex, 0, 255, kGroupA, {});
    EXPECT_EQ(none.bytes, Bytes(source.begin(), source.end()));
    EXPECT_EQ(bank.combis[4].used, 0);
    const EditedFile refused = writeEdited(bank, {{{3, std::string("0"), {}}}, {}}, sysex, 0, 255, kGroupA, {});
    EXPECT_EQ(refused.failure.exitCode, 1);
    EXPECT_EQ(refused.failure.reason, FailureReason::BadRequest);
    EXPECT_EQ(refused.failure.message, "Program 3: the sound given is not a sound as a description gives it.");
    EXPECT_TRUE(refused.bytes.empty());
}
