#include "listing/listing.h"

#include <algorithm>
#include <vector>

#include "listing/listing_table.h"

namespace vornak {

namespace {

void printCombi(std::FILE* out, int c, const PpgCombi& combi) {
    if (combi.name[0] != '\0') std::fprintf(out, "CP:%-3d\"%s\"\n\n", c, PrintableName(combi.name).text);
    const std::int32_t* bk = combi.bk;
    std::fprintf(out, "CP:%-3dBK:%2da %2da %2da %2da %2da %2da %2da %2da\n", c, bk[0], bk[1], bk[2], bk[3],
                 bk[4], bk[5], bk[6], bk[7]);
    const int kbm = combi.kbm & 0x7F;
    const CombiGroup& a = combi.groupA;
    const CombiGroup& b = combi.groupB;
    std::fprintf(out,
                 "GR:a=BK:%d DET:%d KBM:%d SPL#1 KEY:%2d DTF:0    GR:b=BK:%d DET:%d KBM:%d SPL#1 KEY:%2d DTF:0\n",
                 a.bkIndex, a.det, kbm, a.split[0], b.bkIndex, b.det, kbm, b.split[0]);
    std::fprintf(out,
                 "MULTI:%d   SPL:%2d %2d %2d %2d %2d %2d %2d          MULTI:%d   SPL:%2d %2d %2d %2d %2d %2d %2d\n",
                 combi.multi, a.split[0], a.split[1], a.split[2], a.split[3], a.split[4], a.split[5], a.split[6],
                 combi.multi, b.split[0], b.split[1], b.split[2], b.split[3], b.split[4], b.split[5], b.split[6]);
    std::fputs("\n", out);
}

// What each value of the lines prints before its number, its label in
// place, in the order of the lines.
std::vector<std::string> textsBefore(std::span<const ListedLine> lines, bool inGroup) {
    std::vector<std::string> texts;
    for (const ListedLine& line : lines)
        for (const ListedValue& value : line.values)
            texts.push_back(value.labelled ? std::string(value.before) + parameter(inGroup, value.index).label + value.joint
                                           : value.before);
    return texts;
}

void printValues(std::FILE* out, std::span<const ListedValue> values, const std::string* before, const std::int32_t* source) {
    for (const ListedValue& value : values) {
        std::fputs((before++)->c_str(), out);
        std::fprintf(out, value.shown, source[value.index]);
        std::fputs(value.after, out);
    }
}

// Program lines print once; each group line prints for group A and, when the
// bank shows group B, continues on the same line after four blanks.
void printProgram(std::FILE* out, int p, const PpgProgram& program, bool withGroupB, char model, char version) {
    static const std::vector<std::string> programTexts = textsBefore(kProgramLines, false);
    static const std::vector<std::string> groupTexts = textsBefore(kGroupLines, true);
    if (program.name[0] != '\0') std::fprintf(out, "PROG:%d \"%s\"\n\n", p, PrintableName(program.name).text);
    const std::string* before = programTexts.data();
    for (const ListedLine& line : kProgramLines) {
        if (line.numbered) std::fprintf(out, line.head, p);
        printValues(out, line.values, before, program.programValues);
        before += line.values.size();
        std::fputs(line.tail, out);
    }
    std::fprintf(out, " CASS:0  PPG-WAVE 2.%c V%c\n\n", model, version);

    const int groupCount = withGroupB ? 2 : 1;
    before = groupTexts.data();
    for (const ListedLine& line : kGroupLines) {
        for (int g = 0; g < groupCount; ++g) {
            if (g == 1) std::fputs("    ", out);
            if (line.numbered)
                std::fprintf(out, line.head, p);
            else
                std::fprintf(out, line.head, g == 0 ? 'a' : 'b');
            printValues(out, line.values, before, program.groups[g]);
        }
        before += line.values.size();
        std::fputs(line.tail, out);
    }
}

} // namespace

PrintableName::PrintableName(const char (&name)[kProgramNameSize]) {
    for (std::size_t i = 0; i < kProgramNameSize; ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        text[i] = (c != 0 && (c < 0x20 || c == 0x7F)) ? '?' : name[i];
    }
    text[kProgramNameSize - 1] = '\0';
}

std::string shownValue(const ListedValue& value, std::int32_t v) {
    char text[24];
    std::snprintf(text, sizeof text, value.shown, v);
    std::string shown(text);
    shown.erase(0, shown.find_first_not_of(' '));
    return shown;
}

char modelLetter(const PpgBank& bank) {
    if (bank.is2V) return 'V';
    return bank.programCount() <= kImageProgramsWithCombis ? '3' : '2';
}

void printListing(const PpgBank& bank, int first, int last, std::FILE* out) {
    const ProgramRange range = clampRange(first, last, bank.programCount());

    if (bank.name[0] != '\0') std::fprintf(out, "Bank \"%s\"\n\n", PrintableName(bank.name).text);
    if (!bank.combis.empty()) {
        std::fputs("Combiprograms:\n\n", out);
        for (int c = 0; c < bank.combiCount(); ++c) {
            const PpgCombi& combi = bank.combis[static_cast<std::size_t>(c)];
            if (combi.used != 0) printCombi(out, c, combi);
        }
    }
    std::fputs("\nPrograms:\n\n", out);

    const char model = modelLetter(bank);
    const char version = model == 'V' ? '1' : model == '3' ? '6' : '4';
    for (int p = range.first; p <= range.last; ++p)
        printProgram(out, p, bank.programs[static_cast<std::size_t>(p)], !bank.is2V, model, version);
}

} // namespace vornak
