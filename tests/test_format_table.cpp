// The format table, walked both ways: from the modules to their rows, and
// from every row the loader, the command line and the reports walk back to
// the one module it belongs to. Adding a format is a module and a row.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "flex_image.h"
#include "formats/flex_disk_module.h"
#include "formats/fxb_file.h"
#include "library/failures.h"
#include "library/format_table.h"
#include "library/loader.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

TEST(FormatTable, EveryRowIsWholeAndBelongsToOneModule) {
    std::map<const InputFormat*, const FormatModule*> inputsOf;
    std::map<const ExportFormat*, const FormatModule*> exportsOf;
    std::set<char> letters;
    std::set<ExportKind> kinds;
    std::set<int> usagePlaces;
    for (const FormatModule* module : formatModules()) {
        EXPECT_FALSE(module->inputs.empty()) << "a module reads its format";
        for (const InputFormat& in : module->inputs) {
            EXPECT_TRUE(inputsOf.emplace(&in, module).second);
            EXPECT_NE(in.read, nullptr) << in.name;
            // Recognised one way: by its magic (an FXB plug-in's by the
            // container's), by a test of its own, or by no header at all.
            const int ways = !in.magic.empty() + (in.recognises != nullptr) + (in.headerless() && in.minimumSize > 0);
            EXPECT_EQ(ways, 1) << in.name;
            EXPECT_TRUE(!in.isFxb() || std::equal(in.magic.begin(), in.magic.end(), fxb::kMagic)) << in.name;
            EXPECT_TRUE(in.writtenBy == ExportKind::None || exportFormat(in.writtenBy) != nullptr) << in.name;
            // A format whose files hold files is told by its structure,
            // before any magic.
            EXPECT_TRUE(in.takeOut == nullptr || in.recognises != nullptr) << in.name;
        }
        for (const ExportFormat& out : module->exports) {
            EXPECT_TRUE(exportsOf.emplace(&out, module).second);
            EXPECT_TRUE(out.letter >= 'a' && out.letter <= 'z' && letters.insert(out.letter).second) << out.letter;
            EXPECT_TRUE(out.kind != ExportKind::None && kinds.insert(out.kind).second) << out.letter;
            EXPECT_TRUE(usagePlaces.insert(out.usagePlace).second) << out.letter;
            EXPECT_EQ(exportFormatForLetter(out.switchLetter()), &out);
            EXPECT_EQ(exportFormat(out.kind), &out);
            ASSERT_TRUE(out.layout != nullptr && out.exporter != nullptr && out.readsAs != nullptr) << out.letter;
            EXPECT_TRUE(out.usage != nullptr && out.label != nullptr) << out.letter;
            EXPECT_EQ(inputsOf.count(out.readsAs), 1u) << out.letter << ": its files read as a row of its own module";
        }
        for (const Failure* failure : module->failures) EXPECT_EQ(std::count(failures().begin(), failures().end(), failure), 1);
    }
    // And back: every row the others walk is a module's, and every export's
    // files read back as the row it names.
    EXPECT_EQ(inputFormats().size(), inputsOf.size());
    for (const InputFormat& in : inputFormats()) EXPECT_EQ(inputsOf.count(&in), 1u) << in.name;
    EXPECT_EQ(exportFormats().size(), exportsOf.size());
    const PpgBank bank = namedBank();
    for (const ExportFormat& out : exportFormats()) {
        ASSERT_EQ(exportsOf.count(&out), 1u) << out.letter;
        const Read back = readBytes(out.exporter(bank, {}));
        ASSERT_EQ(back.outcome.code, 0) << out.letter;
        EXPECT_EQ(back.outcome.format, out.readsAs) << out.letter;
        EXPECT_EQ(inputsOf.at(back.outcome.format), exportsOf.at(&out)) << out.letter;
    }
    EXPECT_EQ(exportFormatForLetter('x'), nullptr);
    EXPECT_EQ(exportFormat(ExportKind::None), nullptr);
}

// Every failure is one row of the one table, with an exit code of its own
// (but a source of a built bank that cannot be read, which fails with the
// source's) and words of its own.
TEST(FormatTable, EveryFailureIsOneRowOfTheTable) {
    std::set<const Failure*> rows;
    std::set<std::string> explanations;
    for (const Failure* failure : failures()) {
        EXPECT_TRUE(rows.insert(failure).second);
        const FailureAnswer a = answerOf(*failure, {"x", "y", "z"});
        EXPECT_FALSE(a.explanation.empty());
        EXPECT_TRUE(explanations.insert(a.explanation).second) << a.explanation;
        EXPECT_TRUE(failure->exitCode != 0 || failure == &kSourceUnread);
    }
    EXPECT_TRUE(rows.count(&kBankNoMemory) && rows.count(&kFxbDamaged) && rows.count(&kNoInput));
}

// A disk image is a module of its own and one row, which holds files: read
// as a whole it is no bank; a file on it, named, is read with its own row.
TEST(FormatTable, ADiskImageIsARowThatHoldsFiles) {
    ASSERT_EQ(kFlexDiskModule.inputs.size(), 1u);
    const InputFormat& disk = kFlexDiskModule.inputs[0];
    EXPECT_EQ(std::count(formatModules().begin(), formatModules().end(), &kFlexDiskModule), 1);
    FlexImage image;
    image.addFile("D001.USR", readFile(examplePath("demo23-a.usr")));
    const Bytes raw = image.raw();
    const Read whole = readBytes(raw);
    EXPECT_EQ(whole.outcome.format, &disk);
    EXPECT_EQ(whole.outcome.code, 1);
    EXPECT_EQ(whole.outcome.reason, FailureReason::NotABank);

    PpgBank bank = makeStartupBank();
    const LoadOutcome member = loadBank(raw.data(), raw.size(), ModelHint::Wave22, bank, "d001.usr");
    EXPECT_EQ(member.code, 0);
    EXPECT_EQ(member.container, &disk);
    ASSERT_NE(member.format, nullptr);
    EXPECT_STREQ(member.format->name, "Waveterm A file");
    EXPECT_EQ(member.writesAs, exportFormat(ExportKind::WavetermA));
    EXPECT_EQ(bank.programCount(), 87) << "a Waveterm A file is read by what it holds, /2.2 or not";
}
