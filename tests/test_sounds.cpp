// A program's sound as text, how near two sounds are, and the search for
// the sounds nearest to one.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <random>
#include <string_view>

#include "formats/bank_2v.h"
#include "library/format_table.h"
#include "library/sounds.h"
#include "test_support.h"

using namespace vornak;
using namespace vornak::test;

namespace {

// The `count` sounds among `candidates` nearest to `target`, as a search
// over a collection read once finds them.
std::vector<Neighbour> nearestSounds(std::string_view target, const std::vector<std::string_view>& candidates,
                                     std::size_t count) {
    std::string texts;
    for (const std::string_view c : candidates) texts.append(c).append(1, '\n');
    SoundIndex index;
    index.assign(texts);
    return index.nearest(target, count);
}

} // namespace

TEST(Sounds, EqualExactlyWhenThePackedRecordIs) {
    const Read syx = readBytes(readFile(examplePath("demo23.syx")));
    const Read crv = readBytes(readFile(examplePath("demo23.crv")));
    ASSERT_EQ(syx.bank.programCount(), crv.bank.programCount());
    for (int p = 0; p < syx.bank.programCount(); ++p)
        EXPECT_EQ(soundOf(syx.bank.programs[static_cast<std::size_t>(p)]), soundOf(crv.bank.programs[static_cast<std::size_t>(p)]));

    PpgProgram renamed = syx.bank.programs[4];
    setName(renamed.name, "Another name");
    EXPECT_EQ(soundOf(renamed), soundOf(syx.bank.programs[4]));
    EXPECT_EQ(soundOf(renamed).size(), 102u);
    for (const auto& [group, param] : {std::pair{0, 24}, {1, 31}}) {
        PpgProgram changed = syx.bank.programs[4];
        changed.groups[group][param] ^= 1;
        EXPECT_NE(soundOf(changed), soundOf(syx.bank.programs[4])) << group << " " << param;
    }
    PpgProgram wave = syx.bank.programs[4];
    wave.programValues[kWavetable] ^= 1;
    EXPECT_NE(soundOf(wave), soundOf(syx.bank.programs[4]));
}

TEST(Sounds, DifferWhereverTheProgramsDo) {
    const Read v2 = readBytes(readFile(examplePath("demo23-o.fxb")));
    const PpgProgram& base = v2.bank.programs[3];
    PpgProgram finer = base, twoVOnly = base, tuned = base;
    finer.groups[kGroupA][0] = base.groups[kGroupA][0] ^ 1;  // P:3 at a step the record does not keep
    finer.groups[kGroupB][0] = finer.groups[kGroupA][0];
    twoVOnly.programValues[4] += 1;
    tuned.programValues[kTuning] += 1;
    for (const PpgProgram* other : {&finer, &twoVOnly, &tuned}) {
        EXPECT_NE(soundOf(*other), soundOf(base));
        EXPECT_EQ(recordOf(*other), recordOf(base)) << "the instrument would hold them alike";
    }
    PpgProgram renamed = base;
    setName(renamed.name, "Other");
    EXPECT_EQ(soundOf(renamed), soundOf(base));
}

namespace {

// Both groups' kept sounds at once are those found one by one.
void expectBothKept(const PpgProgram& program) {
    const KeptSounds both = keptBy2V(program, soundOf(program));
    EXPECT_EQ(both.a, keptBy2V(program, kGroupA));
    EXPECT_EQ(both.b, keptBy2V(program, kGroupB));
}

} // namespace

// What a 2.V bank keeps of each group, found by the 2.V writer itself: a PPG
// program's group strings are those of the 2.V programs written from it.
TEST(Sounds, KeptBy2VLinksA2VProgramToTheGroupItCameFrom) {
    const PpgBank bank = namedBank();
    for (const ExportFormat& format : exportFormats()) {
        if (format.layout != &k2VLayout) continue;
        for (const int group : {kGroupA, kGroupB}) {
            const std::vector<std::uint8_t> bytes = format.exporter(bank, {0, 255, group});
            const Read v2 = readBytes(Bytes(bytes.begin(), bytes.end()));
            for (int p = 0; p < 87; p += 7) {
                const PpgProgram& from = bank.programs[static_cast<std::size_t>(p)];
                const PpgProgram& written = v2.bank.programs[static_cast<std::size_t>(p)];
                EXPECT_EQ(keptBy2V(written, kGroupA), keptBy2V(from, group)) << format.letter << " " << p;
                EXPECT_EQ(keptBy2V(written, kGroupB), keptBy2V(written, kGroupA)) << "a 2.V program keeps itself";
                expectBothKept(from);
                expectBothKept(written);
            }
        }
    }
    PpgProgram changed = bank.programs[7];
    changed.groups[kGroupB][kGroupFields[11].index] ^= 1; // P:6, kept whole by a 2.V bank
    EXPECT_NE(keptBy2V(changed, kGroupB), keptBy2V(bank.programs[7], kGroupB));
    EXPECT_EQ(keptBy2V(changed, kGroupA), keptBy2V(bank.programs[7], kGroupA));
    expectBothKept(changed);
    // Bits of the record outside its fields are part of the sound, and no
    // 2.V program holds them: a 2.V program that has them keeps all of itself
    // but them.
    PpgProgram spare = readBytes(readFile(examplePath("demo23-o.fxb"))).bank.programs[3];
    spare.spareBits = 1;
    expectBothKept(spare);
}

TEST(Sounds, ReadBackAndMeasuredByTheirValues) {
    const Read dump = readBytes(readFile(examplePath("demo23-o.fxb")));
    std::vector<std::string> sounds;
    for (int p = 0; p < dump.bank.programCount(); ++p) {
        const PpgProgram& program = dump.bank.programs[static_cast<std::size_t>(p)];
        PpgProgram again;
        ASSERT_TRUE(programOfSound(soundOf(program), again));
        EXPECT_EQ(soundOf(again), soundOf(program)) << p;
        EXPECT_EQ(soundDistance(again, program), 0.0);
        sounds.push_back(soundOf(program));
    }
    PpgProgram ignored;
    for (const char* junk : {"", "zz", "00;p1=2", ";p99=1"}) EXPECT_FALSE(programOfSound(junk, ignored)) << junk;
    EXPECT_FALSE(programOfSound(sounds[0] + ";q1=2", ignored));
    EXPECT_FALSE(programOfSound(sounds[0] + ";a57=2", ignored));
    EXPECT_FALSE(programOfSound(sounds[0] + ";p1=99999999999", ignored));

    // One step of one value is nearer than any other program of the bank:
    // P:3, which the record keeps at every other step, so that the sound
    // says the value beside its record.
    PpgProgram step = dump.bank.programs[20];
    for (const int g : {kGroupA, kGroupB}) step.groups[g][0] += step.groups[g][0] < 63 ? 1 : -1;
    std::vector<std::string_view> candidates(sounds.begin(), sounds.end());
    const std::string stepped = soundOf(step);
    candidates.push_back(stepped);
    const std::vector<Neighbour> nearest = nearestSounds(sounds[20], candidates, 5);
    ASSERT_EQ(nearest.size(), 5u);
    EXPECT_EQ(nearest[0].index, candidates.size() - 1);
    EXPECT_DOUBLE_EQ(nearest[0].distance, soundDistance(dump.bank.programs[20], step));
    EXPECT_NE(stepped.find(";a0="), std::string::npos);
    PpgProgram far = step;
    for (const int g : {kGroupA, kGroupB}) far.groups[g][0] += far.groups[g][0] < 60 ? 3 : -3; // another record too
    const std::string farSound = soundOf(far);
    EXPECT_DOUBLE_EQ(nearestSounds(stepped, {farSound}, 1).at(0).distance, soundDistance(step, far));
    EXPECT_TRUE(std::ranges::none_of(nearest, [&](const Neighbour& n) { return candidates[n.index] == sounds[20]; }))
        << "the same sound is not its own neighbour";
    EXPECT_TRUE(std::ranges::is_sorted(nearest, {}, &Neighbour::distance));
    // The search, which reads sounds without making programs of them,
    // measures as soundDistance does (2.V programs have values beyond their
    // records).
    for (const Neighbour& n : nearestSounds(sounds[7], candidates, 20)) {
        PpgProgram other;
        ASSERT_TRUE(programOfSound(candidates[n.index], other));
        EXPECT_DOUBLE_EQ(n.distance, soundDistance(dump.bank.programs[7], other)) << n.index;
    }
}

// The search, which stops measuring a sound once it is further than those
// found, finds what measuring every sound and sorting them finds: random
// programs, with values beyond their records, copies and near copies.
TEST(Sounds, SearchFindsWhatAPlainSearchFinds) {
    std::mt19937 rng(29);
    const auto pick = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    std::vector<PpgProgram> programs;
    for (int i = 0; i < 400; ++i) {
        PpgProgram p;
        if (!programs.empty() && pick(3) == 0) {
            p = programs[static_cast<std::size_t>(pick(static_cast<int>(programs.size())))];
        } else {
            PackedProgram record{};
            for (std::uint8_t& b : record) b = static_cast<std::uint8_t>(rng());
            p.decode(record.data(), true);
        }
        for (int changes = pick(4); changes > 0; --changes) {
            const bool inGroup = pick(2) == 1;
            const int index = pick(inGroup ? kGroupParamCount : kProgramValueCount);
            const Parameter& row = parameter(inGroup, index);
            std::int32_t& value = inGroup ? p.groups[pick(2)][index] : p.programValues[index];
            value = pick(2) == 0 ? pick(row.max + 1) : std::clamp(value + pick(3) - 1, 0, row.max);
        }
        programs.push_back(p);
    }
    std::vector<std::string> sounds;
    for (const PpgProgram& p : programs) sounds.push_back(soundOf(p));
    const std::vector<std::string_view> candidates(sounds.begin(), sounds.end());

    for (const std::size_t target : {0u, 7u, 123u, 399u}) {
        std::vector<Neighbour> plain;
        for (std::size_t i = 0; i < sounds.size(); ++i)
            if (sounds[i] != sounds[target]) plain.push_back({i, soundDistance(programs[target], programs[i])});
        std::ranges::stable_sort(plain, {}, &Neighbour::distance);
        for (const std::size_t count : {1u, 5u, 40u}) {
            const std::vector<Neighbour> found = nearestSounds(sounds[target], candidates, count);
            ASSERT_EQ(found.size(), count) << target;
            for (std::size_t k = 0; k < count; ++k) {
                EXPECT_EQ(found[k].index, plain[k].index) << target << " " << count << " " << k;
                EXPECT_EQ(found[k].distance, plain[k].distance) << target << " " << count << " " << k;
            }
        }
    }
}
