#include "library/conversions.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>

#include "library/loader.h"
#include "formats/text.h"

namespace vornak {

namespace {

std::string programsText(int n) { return counted(static_cast<std::uint64_t>(n), "program"); }

// How many of the written programs lose each kind of value.
struct Losses {
    int names = 0;
    int otherGroup = 0;
    int keyboardMode = 0;
    int keyboardSplit = 0;
    int tuning = 0;
    int only2V = 0;
    int corvelOnly = 0;
    int flagBits = 0;
    int rounded = 0;
    int spareBits = 0;
};

bool differ(const std::int32_t* a, const std::int32_t* b, int count) {
    return std::memcmp(a, b, sizeof(std::int32_t) * static_cast<std::size_t>(count)) != 0;
}

void compareProgram(const PpgProgram& wrote, const PpgProgram& back, const ExportFormat& format, int group, Losses& l) {
    if (std::strcmp(wrote.name, back.name) != 0 && !isImageProgramName(wrote.name)) ++l.names;
    const std::int32_t* v = wrote.programValues;
    const std::int32_t* w = back.programValues;
    // The values that only some formats hold are lost only where the program
    // had a value of its own: a default that comes back changed (the PPG
    // default 33025 of program value 11 read from a 2.V bank as 16383) was
    // never the program's own.
    bool only2V = false, corvelOnly = false, flagBits = false, rounded = v[kWavetable] != w[kWavetable];
    // The packed program values and the tuning are counted on their own.
    for (const Parameter& p : kProgramParameters) {
        const int k = p.index;
        if (p.packed() || k == kTuning || v[k] == w[k] || v[k] == kDefaultProgramValues[static_cast<std::size_t>(k)]) continue;
        (p.onlyInCorvel() ? corvelOnly : only2V) = true;
    }
    l.keyboardMode += v[kKeyboardMode] != w[kKeyboardMode];
    l.keyboardSplit += v[kKeyboardSplit] != w[kKeyboardSplit];
    l.tuning += v[kTuning] != w[kTuning];

    // A 2.V bank holds one group; the others hold both.
    const bool oneGroup = format.layout->groups == 1;
    for (int g = 0; g < 2; ++g) {
        if (oneGroup && g != group) continue;
        for (int k = 0; k < kGroupParamCount; ++k) {
            if (wrote.groups[g][k] == back.groups[g][k]) continue;
            if (kGroupParameters[static_cast<std::size_t>(k)].onlyInCorvel())
                corvelOnly = true;
            else if (k == kFlagByte1 || k == kFlagByte2)
                flagBits = true;
            else
                rounded = true;
        }
    }
    const int other = group == kGroupA ? kGroupB : kGroupA;
    if (oneGroup && differ(wrote.groups[other], back.groups[other], kGroupParamCount)) ++l.otherGroup;
    l.only2V += only2V;
    l.corvelOnly += corvelOnly;
    l.flagBits += flagBits;
    l.rounded += rounded;
    l.spareBits += wrote.spareBits != back.spareBits;
}

bool sameCombiValues(const PpgCombi& a, const PpgCombi& b) {
    const auto sameGroup = [](const CombiGroup& x, const CombiGroup& y) {
        return x.bkIndex == y.bkIndex && x.det == y.det && std::equal(x.split, x.split + 7, y.split);
    };
    return a.used == b.used && std::equal(a.bk, a.bk + 8, b.bk) && a.kbm == b.kbm && a.firstByte == b.firstByte &&
           a.multi == b.multi && sameGroup(a.groupA, b.groupA) && sameGroup(a.groupB, b.groupB);
}

std::string combisText(int n) { return counted(static_cast<std::uint64_t>(n), "combi"); }

void compareBank(const PpgBank& bank, const PpgBank& back, int writtenCombis, std::vector<std::string>& dropped) {
    if (bank.name[0] != '\0' && std::strcmp(bank.name, back.name) != 0) dropped.push_back("the bank name");
    const int used = bank.combisInUse();
    const int kept = std::min(writtenCombis, back.combiCount());
    int lostCombis = 0, changedCombis = 0, spareBits = 0;
    bool combiNames = false;
    for (int c = 0; c < bank.combiCount(); ++c) {
        const PpgCombi& combi = bank.combis[static_cast<std::size_t>(c)];
        if (combi.used == 0) continue;
        if (c >= kept) {
            ++lostCombis;
            continue;
        }
        const PpgCombi& again = back.combis[static_cast<std::size_t>(c)];
        if (combi.name[0] != '\0' && std::strcmp(combi.name, again.name) != 0) combiNames = true;
        changedCombis += !sameCombiValues(combi, again);
        spareBits += combi.spare != again.spare;
    }
    if (lostCombis == used && used > 0)
        dropped.push_back(used == 1 ? "the combi" : cat({"all ", combisText(used)}));
    else if (lostCombis > 0)
        dropped.push_back(combisText(lostCombis));
    if (combiNames) dropped.push_back("combi names");
    if (changedCombis > 0) dropped.push_back(cat({"the exact values of ", combisText(changedCombis), " (cut to what the format holds)"}));
    if (spareBits > 0) dropped.push_back(cat({"the unused bits of the records of ", combisText(spareBits)}));
    if (!std::equal(bank.globals, bank.globals + kGlobalCount, back.globals))
        dropped.push_back("the bank-wide 2.V settings (tuning and the others)");
}

void describeLosses(const Losses& l, int group, std::vector<std::string>& dropped) {
    auto add = [&dropped](int n, const std::string& what, const char* why = "") {
        if (n > 0) dropped.push_back(cat({what, " of ", programsText(n), why}));
    };
    add(l.otherGroup, group == kGroupA ? "group B" : "group A");
    add(l.keyboardSplit, "the keyboard split");
    add(l.keyboardMode, "the keyboard mode");
    add(l.tuning, "the tuning");
    add(l.only2V, "the values only a 2.V bank holds");
    add(l.corvelOnly, "the values only a Corvel bank keeps");
    add(l.flagBits, "switch bits that the format cannot hold");
    add(l.rounded, "the exact sound values", " (rounded to what the format holds)");
    add(l.spareBits, "the unused bits of the records");
}

// "87 programs and 1 combi"
std::string bankText(const PpgBank& bank) {
    const int combis = bank.combisInUse();
    return combis > 0 ? cat({programsText(bank.programCount()), " and ", combisText(combis)}) : programsText(bank.programCount());
}

// The image layout written: 100 programs (Wave 2.2) or 87 and the combis
// (Wave 2.3); a file read back without a model switch may say otherwise.
void checkReadingBack(const ExportFormat& format, const LoadOutcome& plain, const PpgBank& asRead, int writtenSlots,
                      ConversionReport& r) {
    const InputFormat& expected = *format.readsAs;
    if (plain.code != 0 || plain.format != &expected) {
        const std::string_view other = plain.formatName();
        r.notes.push_back({NoteCode::ReadsAsOtherFormat,
                           cat({"The tool would read this file as a ", other, ", not as the ", expected.name,
                                " it is: it begins as a ", other, " does, so its programs would not come back",
                                plain.code != 0 ? " (it answers \"" : ".", plain.code != 0 ? plain.message : "",
                                plain.code != 0 ? "\")." : ""})});
        return;
    }
    if (!format.layout->memoryImage || asRead.programCount() == writtenSlots) return;
    const bool wave22 = writtenSlots == kImageProgramsWithoutCombis;
    const std::string_view model = wave22 ? "2" : "3";
    std::string text = cat({"Written as a Wave 2.", model, " memory (", programsText(writtenSlots),
                            "), the file reads back as ", bankText(asRead),
                            wave22 ? ": bytes of programs 87 to 99 stand where a Wave 2.3 marks its combis in use"
                                   : ": a Wave 2.3 memory with no combi in use looks like a Wave 2.2 memory"});
    if (expected.takesModelHint)
        text += cat({". Read it with /2.", model, " (the model switch) to get it back as written."});
    else if (wave22)
        text += cat({". ", expected.name, "s are read by what they hold, so programs ", asRead.programCount(),
                     " to ", writtenSlots - 1, " do not come back."});
    else
        text += cat({". ", expected.name, "s are read by what they hold, so it comes back with programs ", writtenSlots,
                     " to ", asRead.programCount() - 1, " more, made of the bytes where its combis stand."});
    r.notes.push_back({NoteCode::NeedsModelSwitch, std::move(text)});
}

// "program 5", "programs 48 to 86", "programs 3, 5 and 9 to 12": numbers
// ascending, runs of them as ranges.
std::string programsListed(std::span<const int> numbers) {
    std::vector<std::string> runs;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
        runs.push_back(j == i ? cat({numbers[i]}) : cat({numbers[i], " to ", numbers[j]}));
        i = j + 1;
    }
    return cat({numbers.size() == 1 ? "program " : "programs ", listed(runs)});
}

} // namespace

std::string reportText(const ConversionReport& r, int bankPrograms) {
    std::string text;
    if (r.programs == 0)
        text = "Writes no program";
    else if (r.programs == bankPrograms)
        text = bankPrograms == 1 ? "Writes the one program" : cat({"Writes all ", programsText(bankPrograms)});
    else if (r.programs == 1)
        text = cat({"Writes 1 of ", programsText(bankPrograms), " (program ", r.first, ")"});
    else
        text = cat({"Writes ", r.programs, " of ", programsText(bankPrograms), " (",
                    r.first, " to ", r.first + r.programs - 1, ")"});
    if (r.filled > 0)
        text += cat({"; ", r.filled, r.filled == 1 ? " slot gets" : " slots get", " the default program"});
    if (r.blank > 0)
        text += cat({"; ", r.blank, r.blank == 1 ? " slot stays" : " slots stay", " blank (zero bytes)"});
    if (!r.untrusted.empty())
        text += cat({"; ", r.untrusted.size(), " cannot be trusted (", programsListed(r.untrusted), "), as the file ",
                     r.untrusted.size() == 1 ? "it comes" : "they come", " from does not wholly and reliably hold ",
                     r.untrusted.size() == 1 ? "it" : "them"});
    // Names lost in the writing come first in `dropped` and are said on their own.
    const bool namesLost = !r.dropped.empty() && r.dropped.front().rfind("program names of ", 0) == 0;
    if (namesLost) text += "; program names are not kept";
    const std::size_t from = namesLost ? 1 : 0;
    if (r.dropped.size() > from) text += "; drops " + listed(std::span(r.dropped).subspan(from));
    text += ".";
    for (const LoadNote& note : r.notes) text += cat({" ", note.text});
    return text;
}

std::string nameProblem(const std::string& name, const std::string& what) {
    if (name.size() > kProgramNameSize - 1)
        return cat({what, " is ", name.size(), " characters long; a name holds at most ", kProgramNameSize - 1, "."});
    for (char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) return cat({what, " holds a control character, which a name cannot hold."});
    }
    return {};
}

std::string renameProgram(PpgBank& bank, int program, const std::string& name, std::vector<int>& namesCut) {
    if (program < 0 || program >= bank.programCount()) return cat({"The bank has no program ", program, "."});
    std::string problem = nameProblem(name, cat({"The name of program ", program}));
    if (!problem.empty()) return problem;
    setName(bank.programs[static_cast<std::size_t>(program)].name, name.c_str());
    std::erase(namesCut, program);
    return {};
}

void noteUntrusted(ConversionReport& r, std::span<const int> untrusted, int bankPrograms) {
    r.untrusted.clear();
    for (const int p : untrusted)
        if (p >= r.first && p < r.first + r.programs) r.untrusted.push_back(p);
    if (!r.untrusted.empty()) r.text = reportText(r, bankPrograms);
}

bool isImageProgramName(const char* name) {
    constexpr std::size_t kPrefixLength = sizeof kImageProgramNamePrefix - 1;
    if (std::strncmp(name, kImageProgramNamePrefix, kPrefixLength) != 0 || std::strlen(name) != kPrefixLength + 3) return false;
    return std::all_of(name + kPrefixLength, name + kPrefixLength + 3, [](char c) { return c >= '0' && c <= '9'; });
}

ConversionReport reportConversion(const ExportFormat& format, const PpgBank& bank, int first, int last, int group,
                                  std::span<const int> namesCut) {
    return reportConversion(format, bank, format.exporter(bank, {first, last, group}), first, last, group, namesCut);
}

ConversionReport reportConversion(const ExportFormat& format, const PpgBank& bank, const std::vector<std::uint8_t>& bytes,
                                  int first, int last, int group, std::span<const int> namesCut, PpgBank* readBack) {
    ConversionReport r;
    r.format = &format;
    const SlotUse use = format.layout->use(bank, first, last);
    r.first = use.first;
    r.programs = use.programs;
    r.slots = use.slots;
    r.filled = use.filled;
    r.blank = use.blank;
    r.combis = use.combis;

    // Read back as the tool reads a file given to it.
    PpgBank plain = makeStartupBank();
    const LoadOutcome reread = loadBank(bytes.data(), bytes.size(), ModelHint::Detect, plain);
    // Only a bare memory image, having no header, can be taken for another
    // format (and then fail as one); any other file that does not read back
    // could not be made.
    const bool bareImage = format.readsAs->headerless() && bytes.size() >= kBankImageSize;
    if (bytes.empty() || (reread.code != 0 && !bareImage)) {
        r.dropped.push_back("everything: the file could not be made");
        r.programs = 0;
        r.names = false;
        r.text = "Cannot be written: the file could not be made.";
        return r;
    }
    checkReadingBack(format, reread, plain, r.slots, r);

    // The values are compared with the file read as what it was written as:
    // the memory image in the layout written, where the format takes a
    // model switch.
    // A second bank is made only for a file read so.
    std::optional<PpgBank> asWritten;
    const InputFormat& written = *format.readsAs;
    const ModelHint layout = r.combis > 0 ? ModelHint::Wave23 : ModelHint::Wave22;
    const PpgBank* read = &plain;
    if (reread.code != 0 || reread.format != &written) {
        asWritten.emplace(makeStartupBank()).loadImage(bytes.data(), layout);
        read = &*asWritten;
    } else if (format.layout->memoryImage && written.takesModelHint && plain.programCount() != r.slots) {
        loadBank(bytes.data(), bytes.size(), layout, asWritten.emplace(makeStartupBank()));
        read = &*asWritten;
    }
    const PpgBank& back = *read;
    if (readBack != nullptr) *readBack = back;

    Losses losses;
    const int compared = std::min(r.programs, back.programCount());
    for (int k = 0; k < compared; ++k)
        compareProgram(bank.programs[static_cast<std::size_t>(r.first + k)], back.programs[static_cast<std::size_t>(k)],
                       format, group, losses);
    // The names written that were cut when the file was read.
    std::ptrdiff_t cut = 0;
    if (format.keepsNames())
        cut = std::count_if(namesCut.begin(), namesCut.end(), [&](int p) { return p >= r.first && p < r.first + r.programs; });
    r.names = losses.names == 0 && cut == 0;
    if (losses.names > 0) r.dropped.push_back(cat({"program names of ", programsText(losses.names)}));
    if (compared < r.programs)
        r.dropped.push_back(cat({programsText(r.programs - compared), " (", r.first + compared, " to ",
                                 r.first + r.programs - 1, ")"}));
    if (cut > 0)
        r.dropped.push_back(cat({"the characters beyond 27 of ", counted(static_cast<std::uint64_t>(cut), "name"),
                                 " (cut when the file was read)"}));
    describeLosses(losses, group, r.dropped);
    compareBank(bank, back, r.combis, r.dropped);
    r.text = reportText(r, bank.programCount());
    return r;
}

} // namespace vornak
