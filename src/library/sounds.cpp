#include "library/sounds.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "formats/program_2v.h"
#include "formats/text.h"

namespace vornak {

namespace {

// A program's 143 values in one row: the 29 program values, then group A's
// 57 parameters and group B's. A sound text names a value by its place.
constexpr int kValueCount = kProgramValueCount + 2 * kGroupParamCount;

constexpr int placeOf(int group, int index) {
    return group == kProgramFieldsGroup ? index : kProgramValueCount + group * kGroupParamCount + index;
}

template <typename Program> // PpgProgram or const PpgProgram
auto& valueAt(Program& program, int place) {
    if (place < kProgramValueCount) return program.programValues[place];
    const int g = (place - kProgramValueCount) / kGroupParamCount;
    return program.groups[g][(place - kProgramValueCount) % kGroupParamCount];
}

constexpr const Parameter& parameterAt(int place) {
    return place < kProgramValueCount ? parameter(false, place)
                                      : parameter(true, (place - kProgramValueCount) % kGroupParamCount);
}

// ";p13=45", ";a0=63", ";b39=-2"
constexpr char kGroupTags[] = {'p', 'a', 'b'};

std::string hexOf(const PackedProgram& record) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * record.size());
    for (std::uint8_t b : record) {
        text += kHex[b >> 4];
        text += kHex[b & 0x0F];
    }
    return text;
}

// A value that the sound's record does not give.
struct Extra {
    int place;
    std::int32_t value;
};
// A sound's extras: soundOf writes each place once at most. Held without
// allocating, so that reading sounds throws nothing (in the WebAssembly
// engine a call that may throw costs a trip through JavaScript).
struct Extras {
    std::array<Extra, kValueCount> list;
    int count = 0;
    const Extra* begin() const { return list.data(); }
    const Extra* end() const { return list.data() + count; }
};

// Reads a sound text: its record and its extras, in the order written
// (places rising). False for a text that is no sound.
bool parseSound(std::string_view sound, PackedProgram& record, Extras& extras) noexcept {
    // The value of each lower-case hexadecimal digit; 16 for anything else.
    static constexpr auto kDigit = [] {
        std::array<std::uint8_t, 256> digit{};
        digit.fill(16);
        for (int c = 0; c < 10; ++c) digit['0' + c] = static_cast<std::uint8_t>(c);
        for (int c = 0; c < 6; ++c) digit['a' + c] = static_cast<std::uint8_t>(10 + c);
        return digit;
    }();
    extras.count = 0;
    if (sound.size() < 2 * record.size()) return false;
    for (std::size_t i = 0; i < record.size(); ++i) {
        const unsigned hi = kDigit[static_cast<unsigned char>(sound[2 * i])];
        const unsigned lo = kDigit[static_cast<unsigned char>(sound[2 * i + 1])];
        if (hi > 15 || lo > 15) return false;
        record[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    // (string_view's substr may throw, which costs a call through JavaScript
    // in the WebAssembly engine; this does not.)
    for (std::string_view rest(sound.data() + 2 * record.size(), sound.size() - 2 * record.size()); !rest.empty();) {
        const auto tag = std::find(std::begin(kGroupTags), std::end(kGroupTags), rest.size() > 1 ? rest[1] : '\0');
        const std::size_t equals = rest.find('=');
        const std::size_t end = std::min(rest.find(';', 1), rest.size());
        if (rest[0] != ';' || tag == std::end(kGroupTags) || equals > end) return false;
        const int group = static_cast<int>(tag - std::begin(kGroupTags)) - 1;
        int index = 0;
        std::int32_t value = 0;
        const auto [atEquals, indexError] = std::from_chars(rest.data() + 2, rest.data() + equals, index);
        const auto [atEnd, valueError] = std::from_chars(rest.data() + equals + 1, rest.data() + end, value);
        const int count = group == kProgramFieldsGroup ? kProgramValueCount : kGroupParamCount;
        if (indexError != std::errc() || atEquals != rest.data() + equals || index < 0 || index >= count ||
            valueError != std::errc() || atEnd != rest.data() + end || extras.count == kValueCount)
            return false;
        extras.list[static_cast<std::size_t>(extras.count++)] = {placeOf(group, index), value};
        rest.remove_prefix(end);
    }
    return true;
}

// How a value's difference counts: over its range, as one whole value (the
// wavetable), switch by switch (the flag bytes), or not at all unless
// nothing else differs (values derived from others). Distances are counted
// in whole units, 2^24 to a whole value, so that adding them up is exact
// and cheap; a step of a value is 2^24 / range units.
enum class Measure : std::uint8_t { Range, Whole, Switches, Derived };
constexpr std::uint64_t kWhole = std::uint64_t{1} << 24;
struct Weighing {
    Measure measure;
    std::uint64_t perStep;
};

constexpr auto kWeighing = [] {
    std::array<Weighing, kValueCount> weighing{};
    for (int place = 0; place < kValueCount; ++place) {
        const Parameter& p = parameterAt(place);
        Weighing& w = weighing[static_cast<std::size_t>(place)];
        if (p.from >= 0)
            w = {Measure::Derived, 0};
        else if (!p.inGroup && p.index == kWavetable)
            w = {Measure::Whole, 0};
        else if (p.inGroup && (p.index == kFlagByte1 || p.index == kFlagByte2))
            w = {Measure::Switches, 0};
        else
            w = {Measure::Range, kWhole / static_cast<std::uint64_t>(p.max)};
    }
    return weighing;
}();

// Adds one value's difference; derived values are counted apart.
void weigh(const Weighing& w, std::int32_t a, std::int32_t b, std::uint64_t& units, int& derived) noexcept {
    if (a == b) return;
    switch (w.measure) {
    case Measure::Range: {
        const auto step = static_cast<std::uint64_t>(std::abs(static_cast<std::int64_t>(a) - b));
        units += step * w.perStep;
        break;
    }
    case Measure::Whole: units += kWhole; break;
    case Measure::Switches: units += static_cast<std::uint64_t>(std::popcount(static_cast<std::uint32_t>(a ^ b))) * kWhole; break;
    case Measure::Derived: ++derived; break;
    }
}
void weigh(int place, std::int32_t a, std::int32_t b, std::uint64_t& units, int& derived) noexcept {
    weigh(kWeighing[static_cast<std::size_t>(place)], a, b, units, derived);
}

double distanceOf(std::uint64_t units) { return static_cast<double>(units) / static_cast<double>(kWhole); }

// The record's fields in storage order, with their places and weighings.
constexpr std::size_t kFieldCount = kProgramFields.size() + 2 * kGroupFields.size();
constexpr auto kFieldPlaces = [] {
    std::array<int, kFieldCount> places{};
    std::size_t f = 0;
    walkPackedFields([&](int group, const ParamField& row, unsigned) { places[f++] = placeOf(group, row.index); });
    return places;
}();
constexpr auto kFieldWeighing = [] {
    std::array<Weighing, kFieldCount> weighing{};
    for (std::size_t f = 0; f < kFieldCount; ++f) weighing[f] = kWeighing[static_cast<std::size_t>(kFieldPlaces[f])];
    return weighing;
}();
constexpr auto kFieldsHeaviestFirst = [] {
    std::array<std::size_t, kFieldCount> order{};
    std::size_t n = 0;
    for (const Measure m : {Measure::Switches, Measure::Whole, Measure::Range})
        for (std::size_t f = 0; f < kFieldCount; ++f)
            if (kFieldWeighing[f].measure == m) order[n++] = f;
    return order;
}();
// The field at each place, -1 for a place no field has.
constexpr auto kFieldAt = [] {
    std::array<int, kValueCount> fields{};
    fields.fill(-1);
    for (std::size_t f = 0; f < kFieldCount; ++f) fields[static_cast<std::size_t>(kFieldPlaces[f])] = static_cast<int>(f);
    return fields;
}();
// A field's value fits a byte: its mask times its scale is at most 255.
static_assert(std::all_of(kGroupFields.begin(), kGroupFields.end(), [](const ParamField& f) { return f.mask * f.scale <= 255; }));

// The values a sound has where its extras say nothing and no field is: the
// default program's.
std::array<std::int32_t, kValueCount> defaultValues() {
    const PpgProgram program;
    std::array<std::int32_t, kValueCount> v{};
    for (int place = 0; place < kValueCount; ++place) v[static_cast<std::size_t>(place)] = valueAt(program, place);
    return v;
}

// One sound as the index holds it: its text, its record's field values,
// and its extras (places rising); a text that is no sound is marked so.
struct Entry {
    std::string_view text;
    std::uint32_t firstExtra;
    std::uint32_t extraCount;
    bool valid;
};

} // namespace

// Sounds read once, searched many times: the fields take a byte each, the
// extras are kept in one list for all.
struct SoundIndex::Data {
    std::string texts;
    std::vector<Entry> entries;
    std::vector<std::uint8_t> fields; // kFieldCount for each entry
    std::vector<Extra> extras;
    std::array<std::int32_t, kValueCount> defaults = defaultValues();

    const std::uint8_t* fieldsOf(std::size_t e) const noexcept { return &fields[e * kFieldCount]; }
    const Extra* extrasOf(std::size_t e) const noexcept { return extras.data() + entries[e].firstExtra; }
    const Extra* extrasEnd(std::size_t e) const noexcept { return extrasOf(e) + entries[e].extraCount; }

    // The value of a place of an entry: its extra, its field or the default.
    std::int32_t valueAt(std::size_t e, int place) const noexcept {
        for (const Extra* x = extrasOf(e); x != extrasEnd(e); ++x)
            if (x->place == place) return x->value;
        const int field = kFieldAt[static_cast<std::size_t>(place)];
        return field >= 0 ? fieldsOf(e)[field] : defaults[static_cast<std::size_t>(place)];
    }
};

namespace {

// The distance in units of entry a of one index and entry b of another, or
// any number beyond `limit` once it is sure to be. Values derived from the
// fields are not looked at: where nothing else differs, the caller
// measures the programs themselves.
std::uint64_t distanceBetween(const SoundIndex::Data& da, std::size_t a, const SoundIndex::Data& db, std::size_t b,
                              std::uint64_t limit) noexcept {
    std::uint64_t units = 0;
    int derived = 0;
    const std::uint8_t* x = da.fieldsOf(a);
    const std::uint8_t* y = db.fieldsOf(b);
    // The flag bytes and the wavetable weigh most: counted first, they end
    // the count soonest for a sound that is not near.
    for (std::size_t k = 0; k < kFieldCount && units <= limit; ++k) {
        const std::size_t f = kFieldsHeaviestFirst[k];
        weigh(kFieldWeighing[f], x[f], y[f], units, derived);
    }
    if (units > limit) return units;
    // Then the places either sound has an extra for, once each.
    const Extra *i = da.extrasOf(a), *iEnd = da.extrasEnd(a), *j = db.extrasOf(b), *jEnd = db.extrasEnd(b);
    while (i != iEnd || j != jEnd) {
        const int place = j == jEnd || (i != iEnd && i->place < j->place) ? i->place : j->place;
        const int field = kFieldAt[static_cast<std::size_t>(place)];
        if (field >= 0) {
            // The fields' own values were counted above: these count instead.
            std::uint64_t counted = 0;
            weigh(kFieldWeighing[static_cast<std::size_t>(field)], x[field], y[field], counted, derived);
            units -= counted;
        }
        weigh(place, da.valueAt(a, place), db.valueAt(b, place), units, derived);
        if (i != iEnd && i->place == place) ++i;
        if (j != jEnd && j->place == place) ++j;
    }
    return units;
}

} // namespace

SoundIndex::SoundIndex() : data_(std::make_unique<Data>()) {}
SoundIndex::~SoundIndex() = default;

namespace {

// Reads one sound into an entry, its fields and its extras, places rising;
// answers how many extras it has (no more than the text has ';'). Nothing in it
// may throw, for the loop over a whole collection (see SoundIndex::search).
std::uint32_t readEntry(Entry& entry, std::uint8_t* fields, Extra* extras) noexcept {
    PackedProgram record{};
    Extras read;
    entry.valid = parseSound(entry.text, record, read);
    if (!entry.valid) return 0;
    std::size_t f = 0;
    readPackedFields(record.data(), [&](int, int, std::int32_t value) { fields[f++] = static_cast<std::uint8_t>(value); });
    for (int k = 1; k < read.count; ++k)
        for (int j = k; j > 0 && read.list[static_cast<std::size_t>(j)].place < read.list[static_cast<std::size_t>(j - 1)].place; --j)
            std::swap(read.list[static_cast<std::size_t>(j)], read.list[static_cast<std::size_t>(j - 1)]);
    // soundOf names each place once at most.
    for (int k = 1; k < read.count; ++k)
        if (read.list[static_cast<std::size_t>(k)].place == read.list[static_cast<std::size_t>(k - 1)].place) entry.valid = false;
    std::copy(read.begin(), read.end(), extras);
    return static_cast<std::uint32_t>(read.count);
}

} // namespace

void SoundIndex::assign(std::string_view texts) {
    Data& d = *data_;
    d.texts.assign(texts);
    const std::size_t count = static_cast<std::size_t>(std::count(d.texts.begin(), d.texts.end(), '\n')) +
                              (!d.texts.empty() && d.texts.back() != '\n');
    d.entries.assign(count, Entry{});
    d.fields.assign(count * kFieldCount, 0);
    // Every extra begins with ';': the list has room for all of them.
    d.extras.assign(static_cast<std::size_t>(std::count(d.texts.begin(), d.texts.end(), ';')), Extra{});
    std::size_t at = 0, extras = 0;
    for (std::size_t e = 0; e < count; ++e) {
        Entry& entry = d.entries[e];
        const std::size_t end = std::min(d.texts.find('\n', at), d.texts.size());
        entry.text = std::string_view(d.texts.data() + at, end - at);
        at = end + 1;
        entry.firstExtra = static_cast<std::uint32_t>(extras);
        entry.extraCount = readEntry(entry, &d.fields[e * kFieldCount], d.extras.data() + extras);
        extras += entry.extraCount;
    }
}

std::size_t SoundIndex::size() const { return data_->entries.size(); }

std::vector<Neighbour> SoundIndex::nearest(std::string_view target, std::size_t count) const {
    // The target is read into an index of its own, so that it is measured
    // as the candidates are.
    SoundIndex one;
    one.assign(target);
    const Data& t = *one.data_;
    const Data& d = *data_;
    if (count == 0 || !t.entries[0].valid) return {};
    std::vector<Neighbour> best(std::min(count, d.entries.size()));
    best.resize(search(t, best.data(), best.size()));
    return best;
}

// Nothing in this loop allocates or may throw: in the WebAssembly engine a
// call that may throw is a trip through JavaScript, and the loop runs over
// a whole collection.
std::size_t SoundIndex::search(const Data& target, Neighbour* best, std::size_t count) const noexcept {
    const Data& d = *data_;
    const auto closer = [](const Neighbour& a, const Neighbour& b) {
        return a.distance < b.distance || (a.distance == b.distance && a.index < b.index);
    };
    std::size_t found = 0;
    std::uint64_t limit = std::numeric_limits<std::uint64_t>::max();
    for (std::size_t i = 0; i < d.entries.size(); ++i) {
        const Entry& entry = d.entries[i];
        if (!entry.valid || entry.text == target.entries[0].text) continue;
        const std::uint64_t units = distanceBetween(target, 0, d, i, limit);
        if (units > limit) continue;
        Neighbour n{i, distanceOf(units)};
        if (units == 0) {
            // Only values derived from the fields can differ: measure the programs.
            PpgProgram a, b;
            programOfSound(target.entries[0].text, a);
            programOfSound(entry.text, b);
            n.distance = soundDistance(a, b);
        }
        if (found == count && !closer(n, best[count - 1])) continue;
        std::size_t at = found < count ? found++ : count - 1;
        for (; at > 0 && closer(n, best[at - 1]); --at) best[at] = best[at - 1];
        best[at] = n;
        if (found == count) limit = static_cast<std::uint64_t>(best[count - 1].distance * static_cast<double>(kWhole));
    }
    return found;
}

std::string recordOf(const PpgProgram& program) {
    PackedProgram record{};
    program.encode(record.data());
    return hexOf(record);
}

std::string soundOf(const PpgProgram& program) {
    PackedProgram record{};
    program.encode(record.data());
    const PpgProgram recorded(record.data());
    std::string text = hexOf(record);
    for (int place = 0; place < kValueCount; ++place) {
        const std::int32_t value = valueAt(program, place);
        if (value == valueAt(recorded, place)) continue;
        const bool inGroup = place >= kProgramValueCount;
        const int group = inGroup ? (place - kProgramValueCount) / kGroupParamCount : kProgramFieldsGroup;
        text += ';';
        text += kGroupTags[group + 1];
        text += std::to_string(parameterAt(place).index);
        text += '=';
        text += std::to_string(value);
    }
    return text;
}

bool programOfSound(std::string_view sound, PpgProgram& program) noexcept {
    PackedProgram record{};
    Extras extras;
    if (!parseSound(sound, record, extras)) return false;
    program.decode(record.data(), true);
    for (const Extra& e : extras) valueAt(program, e.place) = e.value;
    return true;
}

std::string soundProblem(std::string_view sound) {
    PackedProgram record{};
    Extras extras;
    if (!parseSound(sound, record, extras)) return "it is no sound";
    // The record's fields hold values within their ranges; the extras may not.
    for (const Extra& e : extras) {
        const Parameter& p = parameterAt(e.place);
        if (e.value >= 0 && e.value <= p.max) continue;
        const int group = e.place < kProgramValueCount ? -1 : (e.place - kProgramValueCount) / kGroupParamCount;
        return cat({group < 0 ? "program value " : group == 0 ? "group A's parameter " : "group B's parameter ", p.index, " is ",
                    e.value, ", beyond 0 to ", p.max});
    }
    return {};
}

std::string keptBy2V(const PpgProgram& program, int group) { return soundOf(heldBy2V(program, group)); }

namespace {

// Whether two programs have the same sound: soundOf reads the values and
// the record's spare bits alone.
bool sameSound(const PpgProgram& a, const PpgProgram& b) noexcept {
    return a.spareBits == b.spareBits &&
           std::equal(std::begin(a.programValues), std::end(a.programValues), std::begin(b.programValues)) &&
           std::equal(std::begin(a.groups[0]), std::end(a.groups[0]), std::begin(b.groups[0])) &&
           std::equal(std::begin(a.groups[1]), std::end(a.groups[1]), std::begin(b.groups[1]));
}

} // namespace

KeptSounds keptBy2V(const PpgProgram& program, const std::string& sound) {
    const PpgProgram heldA = heldBy2V(program, kGroupA);
    const PpgProgram heldB = heldBy2V(program, kGroupB);
    KeptSounds kept;
    kept.a = sameSound(heldA, program) ? sound : soundOf(heldA);
    kept.b = sameSound(heldB, program) ? sound : sameSound(heldB, heldA) ? kept.a : soundOf(heldB);
    return kept;
}

double soundDistance(const PpgProgram& a, const PpgProgram& b) noexcept {
    std::uint64_t units = 0;
    int derived = 0;
    for (int place = 0; place < kValueCount; ++place) weigh(place, valueAt(a, place), valueAt(b, place), units, derived);
    return units > 0 ? distanceOf(units) : derived;
}

} // namespace vornak
