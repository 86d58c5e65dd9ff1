// The bank listing: exact text of every kind of line, and which programs a
// range lists.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "listing/listing.h"

using namespace vornak;

namespace {

std::string listing(const PpgBank& bank, int first, int last) {
    std::FILE* f = std::tmpfile();
    printListing(bank, first, last, f);
    std::string text;
    std::rewind(f);
    for (int c; (c = std::fgetc(f)) != EOF;) text.push_back(static_cast<char>(c));
    std::fclose(f);
    return text;
}

int countOf(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

PpgBank demoBank() {
    PpgBank bank(1, 2);
    std::strcpy(bank.name, "Demo");
    PpgCombi& c = bank.combis[0];
    c.used = 1;
    std::strcpy(c.name, "Split");
    for (int i = 0; i < 8; ++i) c.bk[i] = i + 1;
    c.kbm = 0x85;
    c.multi = 2;
    c.groupA.bkIndex = 1;
    c.groupA.det = 2;
    c.groupB.bkIndex = 3;
    c.groupB.det = 1;
    for (int j = 0; j < 7; ++j) {
        c.groupA.split[j] = 36 + j;
        c.groupB.split[j] = 48 + j;
    }
    bank.combis[1].bk[0] = 77; // not in use: not listed
    return bank;
}

const char* const kDefaultProgramBlock =
    "PROG:0 \"Basic\"\n\n"
    "PROG:0  WAVETABLE: 0 DTF:0 KEYB-SPLIT: 0\n"
    "KEYB:0 TTUNE:440 CASS:0  PPG-WAVE 2.3 V6\n"
    "\n"
    "PROG:0   UW0 SW3 KW0 KF0 KL4 MW0 MF0 ML0    PROG:0   UW0 SW3 KW0 KF0 KL4 MW0 MF0 ML0\n"
    "GROUP:a  BD1 BI1 TW0 TF0 TL0 TM0 VF0 VL0    GROUP:b  BD1 BI1 TW0 TF0 TL0 TM0 VF0 VL0\n\n"
    "PROG:0   DETU:0 MO:1 MS:1 EO:0 ES:0 BI:1    PROG:0   DETU:0 MO:1 MS:1 EO:0 ES:0 BI:1\n"
    "GROUP:a  SEMIT:  12 12 12 12 12 12 12 12    GROUP:b  SEMIT:  12 12 12 12 12 12 12 12\n\n"
    "P:0   0  0 32   0 32  0  6  63   0  0  0    P:0   0  0 32   0 32  0  6  63   0  0  0\n"
    "GR:a  0 32 32   0 32 63  6 ( 0)  0 62 58    GR:b  0 32 32   0 32 63  6 ( 0)  0 62 58\n\n\n";

} // namespace

TEST(Listing, EveryKindOfLine) {
    const std::string expected = std::string("Bank \"Demo\"\n\n") +
                                 "Combiprograms:\n\n"
                                 "CP:0  \"Split\"\n\n"
                                 "CP:0  BK: 1a  2a  3a  4a  5a  6a  7a  8a\n"
                                 "GR:a=BK:1 DET:2 KBM:5 SPL#1 KEY:36 DTF:0    GR:b=BK:3 DET:1 KBM:5 SPL#1 KEY:48 DTF:0\n"
                                 "MULTI:2   SPL:36 37 38 39 40 41 42          MULTI:2   SPL:48 49 50 51 52 53 54\n"
                                 "\n"
                                 "\nPrograms:\n\n" +
                                 kDefaultProgramBlock;
    EXPECT_EQ(listing(demoBank(), 0, 255), expected);
}

TEST(Listing, Bank2VShowsGroupAOnly) {
    PpgBank bank(1, 0);
    bank.is2V = true;
    bank.programs[0].name[0] = '\0';
    bank.programs[0].programValues[kTuning] = 5;
    const std::string expected = "\nPrograms:\n\n"
                                 "PROG:0  WAVETABLE: 0 DTF:0 KEYB-SPLIT: 0\n"
                                 "KEYB:0 TTUNE:405 CASS:0  PPG-WAVE 2.V V1\n"
                                 "\n"
                                 "PROG:0   UW0 SW3 KW0 KF0 KL4 MW0 MF0 ML0\n"
                                 "GROUP:a  BD1 BI1 TW0 TF0 TL0 TM0 VF0 VL0\n\n"
                                 "PROG:0   DETU:0 MO:1 MS:1 EO:0 ES:0 BI:1\n"
                                 "GROUP:a  SEMIT:  12 12 12 12 12 12 12 12\n\n"
                                 "P:0   0  0 32   0 32  0  6  63   0  0  0\n"
                                 "GR:a  0 32 32   0 32 63  6 ( 0)  0 62 58\n\n\n";
    EXPECT_EQ(listing(bank, 0, 255), expected);
}

TEST(Listing, ModelLineFollowsTheProgramCount) {
    EXPECT_EQ(countOf(listing(PpgBank(87, 0), 0, 0), "PPG-WAVE 2.3 V6"), 1);
    EXPECT_EQ(countOf(listing(PpgBank(88, 0), 0, 0), "PPG-WAVE 2.2 V4"), 1);
}

TEST(Listing, RangesAreClampedToTheBank) {
    const PpgBank bank(87, 20);
    struct Case {
        int first, last, from, to;
    } cases[] = {{0, 255, 0, 86}, {87, 255, 86, 86}, {90, 3, 86, 86}, {5, 0, 5, 5}, {-5, 2, 0, 2}, {10, 12, 10, 12}};
    for (const Case& c : cases) {
        const std::string text = listing(bank, c.first, c.last);
        EXPECT_EQ(countOf(text, "WAVETABLE"), c.to - c.from + 1) << c.first << "-" << c.last;
        EXPECT_NE(text.find("PROG:" + std::to_string(c.from) + " "), std::string::npos);
        EXPECT_NE(text.find("PROG:" + std::to_string(c.to) + " "), std::string::npos);
    }
    EXPECT_EQ(countOf(listing(PpgBank(100, 0), 0, 255), "WAVETABLE"), 100);
}

TEST(Listing, HeadersOnlyWhereThereIsNothingToList) {
    EXPECT_EQ(listing(PpgBank(87, 20), 0, 0).substr(0, 35), "Combiprograms:\n\n\nPrograms:\n\nPROG:0 ");
    EXPECT_EQ(listing(PpgBank(0, 0), 0, 255), "\nPrograms:\n\n");
    EXPECT_EQ(listing(PpgBank(0, 0), -3, -9), "\nPrograms:\n\n");
}
