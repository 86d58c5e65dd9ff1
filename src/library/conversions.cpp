#include "library/conversions.h"

#include <algorithm>
#include <cstring>

#include "formats/bank_2v.h"
#include "library/loader.h"

namespace vornak {

namespace {

std::string programsText(int n) { return std::to_string(n) + (n == 1 ? " program" : " programs"); }

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
    const bool oneGroup = format.family == ExportFamily::Bank2V;
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
    if (oneGroup && differ(wrote.groups[0], wrote.groups[1], kGroupParamCount)) ++l.otherGroup;
    l.only2V += only2V;
    l.corvelOnly += corvelOnly;
    l.flagBits += flagBits;
    l.rounded += rounded;
}

void compareBank(const PpgBank& bank, const PpgBank& back, int writtenCombis, std::vector<std::string>& dropped) {
    if (bank.name[0] != '\0' && std::strcmp(bank.name, back.name) != 0) dropped.push_back("the bank name");
    const int used = bank.combisInUse();
    const int kept = std::min(writtenCombis, back.combiCount);
    int lostCombis = 0;
    bool combiNames = false;
    for (int c = 0; c < bank.combiCount; ++c) {
        const PpgCombi& combi = bank.combis[static_cast<std::size_t>(c)];
        if (combi.used == 0) continue;
        if (c >= kept) {
            ++lostCombis;
            continue;
        }
        const PpgCombi& again = back.combis[static_cast<std::size_t>(c)];
        if (combi.name[0] != '\0' && std::strcmp(combi.name, again.name) != 0) combiNames = true;
    }
    if (lostCombis == used && used > 0)
        dropped.push_back(used == 1 ? "the combi" : "all " + std::to_string(used) + " combis");
    else if (lostCombis > 0)
        dropped.push_back(std::to_string(lostCombis) + (lostCombis == 1 ? " combi" : " combis"));
    if (combiNames) dropped.push_back("combi names");
    if (!std::equal(bank.globals, bank.globals + kGlobalCount, back.globals))
        dropped.push_back("the bank-wide 2.V settings (tuning and the others)");
}

void describeLosses(const Losses& l, int group, std::vector<std::string>& dropped) {
    auto add = [&dropped](int n, const std::string& what, const char* why = "") {
        if (n > 0) dropped.push_back(what + " of " + programsText(n) + why);
    };
    add(l.otherGroup, group == 0 ? "group B" : "group A");
    add(l.keyboardSplit, "the keyboard split");
    add(l.keyboardMode, "the keyboard mode");
    add(l.tuning, "the tuning");
    add(l.only2V, "the values only a 2.V bank holds");
    add(l.corvelOnly, "the values only a Corvel bank keeps");
    add(l.flagBits, "switch bits that the format cannot hold");
    add(l.rounded, "the exact sound values", " (rounded to what the format holds)");
}

std::string sentence(const ConversionReport& r, int bankPrograms) {
    std::string text;
    if (r.programs == 0)
        text = "Writes no program";
    else if (r.programs == bankPrograms)
        text = bankPrograms == 1 ? "Writes the one program" : "Writes all " + std::to_string(bankPrograms) + " programs";
    else
        text = "Writes " + std::to_string(r.programs) + " of " + programsText(bankPrograms) + " (" +
               (r.programs == 1 ? "program " + std::to_string(r.first)
                                : std::to_string(r.first) + " to " + std::to_string(r.first + r.programs - 1)) +
               ")";
    if (r.filled > 0)
        text += "; " + std::to_string(r.filled) + (r.filled == 1 ? " slot gets" : " slots get") + " the default program";
    if (r.blank > 0)
        text += "; " + std::to_string(r.blank) + (r.blank == 1 ? " slot stays" : " slots stay") + " blank (zero bytes)";
    // Lost names come first in `dropped` and are said on their own.
    if (!r.names) text += "; program names are not kept";
    const std::size_t from = r.names ? 0 : 1;
    if (r.dropped.size() > from) {
        text += "; drops ";
        for (std::size_t i = from; i < r.dropped.size(); ++i)
            text += (i == from ? "" : i + 1 == r.dropped.size() ? " and " : ", ") + r.dropped[i];
    }
    return text + ".";
}

} // namespace

bool isImageProgramName(const char* name) {
    constexpr std::size_t kPrefixLength = sizeof kImageProgramNamePrefix - 1;
    if (std::strncmp(name, kImageProgramNamePrefix, kPrefixLength) != 0 || std::strlen(name) != kPrefixLength + 3) return false;
    return std::all_of(name + kPrefixLength, name + kPrefixLength + 3, [](char c) { return c >= '0' && c <= '9'; });
}

ConversionReport reportConversion(const ExportFormat& format, const PpgBank& bank, int first, int last, int group) {
    ConversionReport r;
    r.format = &format;
    int fileSlots = 0;
    switch (format.family) {
    case ExportFamily::Image: {
        const ImageSelection s = bank.imageSelection(first, last);
        r.first = s.first;
        r.programs = s.written;
        r.combis = s.combis;
        fileSlots = s.combis > 0 ? kImageProgramsWithCombis : kImageProgramsWithoutCombis;
        r.filled = s.slots - s.written;
        r.blank = fileSlots - s.slots;
        break;
    }
    case ExportFamily::Bank2V: {
        const ProgramRange s = select2V(bank, first, last);
        r.first = s.first;
        r.programs = s.count();
        fileSlots = k2VBankPrograms;
        r.filled = k2VBankPrograms - s.count();
        break;
    }
    case ExportFamily::Corvel:
        r.programs = bank.programCount;
        r.combis = bank.combiCount;
        fileSlots = bank.programCount;
        break;
    }
    r.slots = fileSlots;

    // Written by the format's own writer and read back as the tool reads it;
    // an image with combis is read as a Wave 2.3 memory.
    const std::vector<std::uint8_t> bytes = format.write(bank, {first, last, group});
    PpgBank back = makeStartupBank();
    const ModelHint hint = format.family == ExportFamily::Image ? (r.combis > 0 ? ModelHint::Wave23 : ModelHint::Wave22)
                                                                 : ModelHint::Detect;
    const LoadOutcome reread = loadBank(bytes.data(), bytes.size(), hint, back);
    if (bytes.empty() || reread.code != 0) {
        r.dropped.push_back("everything: the file could not be made");
        r.programs = 0;
        r.names = false;
        r.text = "Cannot be written: the file could not be made.";
        return r;
    }

    Losses losses;
    for (int k = 0; k < r.programs && k < back.programCount; ++k)
        compareProgram(bank.programs[static_cast<std::size_t>(r.first + k)], back.programs[static_cast<std::size_t>(k)],
                       format, group, losses);
    r.names = losses.names == 0;
    if (!r.names) r.dropped.push_back("program names of " + programsText(losses.names));
    describeLosses(losses, group, r.dropped);
    compareBank(bank, back, format.family == ExportFamily::Image ? r.combis : back.combiCount, r.dropped);
    r.text = sentence(r, bank.programCount);
    return r;
}

} // namespace vornak
