// A property rather than a crash: whatever bank an input loads, writing it in
// each output format and reading that back gives the same bank again, as far
// as the format can carry it. A difference aborts.
//
// - SysEx, Waveterm A/B and Halvic carry the memory image (and Halvic the
//   tuning byte); compared image to image.
// - 2.V banks carry one group of up to 128 programs and the values within
//   each parameter's 0..max, the name, and the globals; negative values (a
//   damaged file's) too, down to the lowest a float below 0 is read as.
// - Corvel carries every field, each as a float.
// - A conversion report's claims are what reading the file back gives: it
//   warns exactly when the file does not read back as written (as another
//   format, or as the other model), and names it says are kept come back.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "library/conversions.h"
#include "library/format_table.h"
#include "library/loader.h"
#include "formats/corvel.h"
#include "formats/fxb_file.h"
#include "formats/halvic.h"
#include "formats/sysex.h"
#include "formats/bank_2v.h"
#include "formats/program_2v.h"
#include "formats/waveterm.h"
#include "fuzz_support.h"

using namespace vornak;

namespace {

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "round trip lost: %s\n", what);
    std::abort();
}

bool sameName(const char* a, const char* b) { return std::strncmp(a, b, kProgramNameSize - 1) == 0; }

// Reads written bytes back as the tool reads a file.
void readBack(const std::vector<std::uint8_t>& bytes, PpgBank& back, const char* what) {
    check(!bytes.empty(), what);
    check(loadBank(bytes.data(), bytes.size(), ModelHint::Detect, back).code == 0, what);
}

void checkImageFormats(const PpgBank& bank) {
    BankImage expected{};
    bank.storeImage(expected.data(), 0, 255);

    std::vector<std::uint8_t> file = exportSysEx(bank, 0, 255);
    check(file.size() == kSysExFileSize, "SysEx size");
    decodeSysEx(file.data(), file.size());
    check(std::memcmp(file.data(), expected.data(), kBankImageSize) == 0, "SysEx image");

    std::vector<std::uint8_t> work(kWorkImageSize, 0);
    file = exportWavetermA(bank, 0, 255);
    check(parseWavetermA(file.data(), file.size(), work.data()), "Waveterm A parse");
    check(std::memcmp(work.data(), expected.data(), kBankImageSize) == 0, "Waveterm A image");

    file = exportWavetermB(bank, 0, 255);
    check(file.size() == kBankImageSize && std::memcmp(file.data(), expected.data(), kBankImageSize) == 0,
          "Waveterm B image");

    file = exportHalvic(bank, 0, 255);
    FxbFile fxb;
    check(fxb.parse(file.data(), file.size()) && fxb.isChunkBank, "Halvic parse");
    const std::uint8_t* chunk = fxb.chunkData();
    check(std::memcmp(chunk + kHalvicImageOffset, expected.data(), kBankImageSize) == 0, "Halvic image");
    check(chunk[kHalvicTuningOffset] == (bank.globals[0] & 0xFF), "Halvic tuning");
}

// The values a 2.V parameter gives back as themselves, negative ones (from a
// damaged file) included.
bool inRange(std::int32_t v, std::int32_t max) { return v >= k2VLowestValue && v <= max; }

void check2VProgram(const PpgProgram& sent, const PpgProgram& got, int group) {
    const std::int32_t* g = sent.groups[group];
    check(sameName(sent.name, got.name), "2.V name");
    for (const Param2V& row : k2VParamMap) {
        const std::int32_t v = row.inGroup ? g[row.index] : sent.programValues[row.index];
        if (!inRange(v, row.max)) continue;
        if (row.inGroup)
            check(got.groups[0][row.index] == v && got.groups[1][row.index] == v, "2.V group value");
        else
            check(got.programValues[row.index] == v, "2.V program value");
    }
    // SW: 0 stands for 3, so -1 comes back as 3.
    if (g[kSwitch] != -1 && g[kSwitch] >= k2VLowestValue - 1 && g[kSwitch] <= 3)
        check(got.groups[0][kSwitch] == g[kSwitch], "2.V SW");
    bool modeCarried = true;
    for (int c = 0; c < 3; ++c) modeCarried = modeCarried && inRange(g[kModeComponent0 + c], k2VModeMax[static_cast<std::size_t>(c)]);
    if (modeCarried)
        for (int c = 0; c < 3; ++c) check(got.groups[1][kModeComponent0 + c] == g[kModeComponent0 + c], "2.V mode");
    for (int table = 0; table < 2; ++table)
        for (int b = 0; b < 8; ++b) {
            if (flagParamIndices[table][b] == 0) continue;
            const bool on = ((g[kFlagByte1 + table] >> b) & 1) != 0;
            check(((got.groups[0][kFlagByte1 + table] >> b) & 1) == on, "2.V flag");
            const std::int32_t target = flagBitTargets[table][b];
            if (on && g[target] < 0 && g[target] >= k2VLowestValue) check(got.groups[0][target] == g[target], "2.V negative flag");
        }
    check(got.is2V, "2.V program flag");
}

void check2V(const PpgBank& bank, Layout2V layout, int group) {
    PpgBank back(87, 20);
    readBack(export2V(bank, 0, 255, group, layout), back, "2.V load");
    check(back.programCount() == k2VBankPrograms && back.is2V, "2.V bank");
    const int sent = bank.programCount() < k2VBankPrograms ? bank.programCount() : k2VBankPrograms;
    for (int i = 0; i < sent; ++i) check2VProgram(bank.programs[static_cast<std::size_t>(i)], back.programs[static_cast<std::size_t>(i)], group);
    for (int i = sent; i < k2VBankPrograms; ++i) check(std::strcmp(back.programs[static_cast<std::size_t>(i)].name, "Basic 2.2") == 0, "2.V fill");
    if (layout != Layout2V::ParameterBank) {
        for (int k = 0; k < kGlobalCount; ++k)
            if (inRange(bank.globals[k], k2VGlobalMax[static_cast<std::size_t>(k)])) check(back.globals[k] == bank.globals[k], "2.V globals");
    }
}

std::int32_t asFloat(std::int32_t v) {
    const float f = static_cast<float>(v);
    return f >= 2147483648.0f ? 2147483647 : static_cast<std::int32_t>(f);
}

void checkCorvel(const PpgBank& bank) {
    PpgBank back(87, 20);
    readBack(exportCorvel(bank), back, "Corvel load");
    check(sameName(bank.name, back.name) && bank.is2V == back.is2V, "Corvel bank");
    check(back.programCount() == bank.programCount() && back.combiCount() == bank.combiCount(), "Corvel counts");
    for (int j = 0; j < bank.programCount(); ++j) {
        const PpgProgram& a = bank.programs[static_cast<std::size_t>(j)];
        const PpgProgram& b = back.programs[static_cast<std::size_t>(j)];
        check(sameName(a.name, b.name) && a.is2V == b.is2V, "Corvel program");
        for (int k = 0; k < kProgramValueCount; ++k) check(asFloat(a.programValues[k]) == b.programValues[k], "Corvel value");
        for (int g = 0; g < 2; ++g)
            for (int k = 0; k < kGroupParamCount; ++k) check(asFloat(a.groups[g][k]) == b.groups[g][k], "Corvel group");
    }
    for (int i = 0; i < bank.combiCount(); ++i) {
        const PpgCombi& a = bank.combis[static_cast<std::size_t>(i)];
        const PpgCombi& b = back.combis[static_cast<std::size_t>(i)];
        check(sameName(a.name, b.name), "Corvel combi name");
        check(asFloat(a.used) == b.used && asFloat(a.kbm) == b.kbm && asFloat(a.firstByte) == b.firstByte &&
                  asFloat(a.multi) == b.multi,
              "Corvel combi");
        for (int k = 0; k < 8; ++k) check(asFloat(a.bk[k]) == b.bk[k], "Corvel combi bk");
        const CombiGroup* ga[2] = {&a.groupA, &a.groupB};
        const CombiGroup* gb[2] = {&b.groupA, &b.groupB};
        for (int g = 0; g < 2; ++g) {
            check(asFloat(ga[g]->bkIndex) == gb[g]->bkIndex && asFloat(ga[g]->det) == gb[g]->det, "Corvel combi group");
            for (int k = 0; k < 7; ++k) check(asFloat(ga[g]->split[k]) == gb[g]->split[k], "Corvel combi split");
        }
    }
}

void checkReports(const PpgBank& bank, int group) {
    for (const ExportFormat& format : exportFormats()) {
        const ConversionReport r = reportConversion(format, bank, 0, kDefaultRangeEnd, group);
        const std::vector<std::uint8_t> bytes = format.exporter(bank, {0, kDefaultRangeEnd, group});
        PpgBank back(87, 20);
        const LoadOutcome plain = loadBank(bytes.data(), bytes.size(), ModelHint::Detect, back);
        const bool asWritten = plain.code == 0 && plain.format == format.readsAs &&
                               (!format.layout->memoryImage || back.programCount() == r.slots);
        check(r.notes.empty() == asWritten, "report on reading back");
        if (!asWritten || !r.names || !format.keepsNames()) continue;
        for (int k = 0; k < r.programs && k < back.programCount(); ++k)
            check(std::strcmp(bank.programs[static_cast<std::size_t>(r.first + k)].name,
                              back.programs[static_cast<std::size_t>(k)].name) == 0,
                  "report on names");
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::silenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PpgBank bank(87, 20);
    if (loadBank(data, size, ModelHint::Detect, bank).code != 0) return 0;
    checkImageFormats(bank);
    const int group = size != 0 && (data[0] & 1) ? kGroupB : kGroupA;
    for (const Layout2V layout : {Layout2V::ParameterBank, Layout2V::ChunkBankV1, Layout2V::ChunkBankV123})
        check2V(bank, layout, group);
    checkCorvel(bank);
    // Reports write and read every format once more: banks of a few hundred
    // programs at most (a header may announce 65536).
    if (bank.programCount() <= 256) checkReports(bank, group);
    return 0;
}
