#include "listing/listing.h"

#include <algorithm>

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

// Each program line exists for group A and, continued on the same line, for
// group B; `prefix` is "" for A and four blanks for B.
void printProgram(std::FILE* out, int p, const PpgProgram& program, bool withGroupB, char model, char version) {
    const std::int32_t* v = program.programValues;
    if (program.name[0] != '\0') std::fprintf(out, "PROG:%d \"%s\"\n\n", p, PrintableName(program.name).text);
    std::fprintf(out, "PROG:%-3dWAVETABLE:%2d DTF:0 KEYB-SPLIT:%2d\n", p, v[kWavetable], v[kKeyboardSplit]);
    std::fprintf(out, "KEYB:%d TTUNE:4%02d CASS:0  PPG-WAVE 2.%c V%c\n", v[kKeyboardMode], v[kTuning], model,
                 version);
    std::fputs("\n", out);

    const int groupCount = withGroupB ? 2 : 1;
    auto eachGroup = [&](auto&& line) {
        for (int g = 0; g < groupCount; ++g) line(g == 0 ? "" : "    ", program.groups[g], g == 0 ? 'a' : 'b');
    };
    eachGroup([&](const char* pre, const std::int32_t* q, char) {
        std::fprintf(out, "%sPROG:%-3d UW%d SW%d KW%d KF%d KL%d MW%d MF%d ML%d", pre, p, q[54], q[28], q[26], q[24],
                     q[25], q[45], q[48], q[49]);
    });
    std::fputs("\n", out);
    eachGroup([&](const char* pre, const std::int32_t* q, char letter) {
        std::fprintf(out, "%sGROUP:%c  BD%d BI%d TW%d TF%d TL%d TM%d VF%d VL%d", pre, letter, q[29], q[30], q[53],
                     q[50], q[51], q[52], q[44], q[43]);
    });
    std::fputs("\n\n", out);
    eachGroup([&](const char* pre, const std::int32_t* q, char) {
        std::fprintf(out, "%sPROG:%-3d DETU:%d MO:%d MS:%d EO:%d ES:%d BI:%d", pre, p, q[27], q[47], q[46], q[55],
                     q[56], q[30]);
    });
    std::fputs("\n", out);
    eachGroup([&](const char* pre, const std::int32_t* q, char letter) {
        std::fprintf(out, "%sGROUP:%c  SEMIT:  %2d %2d %2d %2d %2d %2d %2d %2d", pre, letter, q[31], q[32], q[33],
                     q[34], q[35], q[36], q[37], q[38]);
    });
    std::fputs("\n\n", out);
    eachGroup([&](const char* pre, const std::int32_t* q, char) {
        std::fprintf(out, "%sP:%-3d%2d %2d %2d  %2d %2d %2d %2d  %2d  %2d %2d %2d", pre, p, q[15], q[17], q[0], q[7],
                     q[9], q[11], q[13], q[2], q[5], q[1], q[21]);
    });
    std::fputs("\n", out);
    eachGroup([&](const char* pre, const std::int32_t* q, char letter) {
        std::fprintf(out, "%sGR:%c %2d %2d %2d  %2d %2d %2d %2d (%2d) %2d %2d %2d", pre, letter, q[16], q[18], q[20],
                     q[8], q[10], q[12], q[14], q[19], q[3], q[6], q[4]);
    });
    std::fputs("\n\n\n", out);
}

} // namespace

PrintableName::PrintableName(const char (&name)[kProgramNameSize]) {
    for (std::size_t i = 0; i < kProgramNameSize; ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        text[i] = (c != 0 && (c < 0x20 || c == 0x7F)) ? '?' : name[i];
    }
    text[kProgramNameSize - 1] = '\0';
}

char modelLetter(const PpgBank& bank) {
    if (bank.is2V) return 'V';
    return bank.programCount <= kImageProgramsWithCombis ? '3' : '2';
}

void printListing(const PpgBank& bank, int first, int last, std::FILE* out) {
    const int n = bank.programCount;
    // A negative start cannot come from a plain /P switch; it is taken as 0.
    first = std::max(first, 0);
    if (first > n - 1) first = n - 1;
    if (last > n - 1) last = n - 1;
    if (last < first) last = first;

    if (bank.name[0] != '\0') std::fprintf(out, "Bank \"%s\"\n\n", PrintableName(bank.name).text);
    if (bank.combiCount != 0) {
        std::fputs("Combiprograms:\n\n", out);
        for (int c = 0; c < bank.combiCount; ++c) {
            const PpgCombi& combi = bank.combis[static_cast<std::size_t>(c)];
            if (combi.used != 0) printCombi(out, c, combi);
        }
    }
    std::fputs("\nPrograms:\n\n", out);

    const char model = modelLetter(bank);
    const char version = model == 'V' ? '1' : model == '3' ? '6' : '4';
    // An empty bank has no program to list (first is then -1).
    for (int p = std::max(first, 0); p <= last && p < n; ++p)
        printProgram(out, p, bank.programs[static_cast<std::size_t>(p)], !bank.is2V, model, version);
}

} // namespace vornak
