#include "library/listed_values.h"

#include <algorithm>

#include "library/sounds.h"
#include "listing/listing.h"

namespace vornak {

namespace {

// The values of the lines, each once (BI is listed twice per group).
std::vector<const ListedValue*> valuesOnce(std::span<const ListedLine> lines) {
    std::vector<const ListedValue*> values;
    for (const ListedLine& line : lines)
        for (const ListedValue& value : line.values)
            if (std::none_of(values.begin(), values.end(), [&](const ListedValue* v) { return v->index == value.index; }))
                values.push_back(&value);
    return values;
}

std::vector<std::string> shown(const std::vector<const ListedValue*>& values, const std::int32_t* source) {
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (const ListedValue* value : values) texts.push_back(shownValue(*value, source[value->index]));
    return texts;
}

std::vector<std::int64_t> numbers(const std::vector<const ListedValue*>& values, bool inGroup, const std::int32_t* source) {
    std::vector<std::int64_t> listed;
    listed.reserve(values.size());
    for (const ListedValue* value : values)
        listed.push_back(std::int64_t{source[value->index]} + parameter(inGroup, value->index).listingOffset);
    return listed;
}

} // namespace

const std::vector<const ListedValue*>& listedProgramValues() {
    static const std::vector<const ListedValue*> values = valuesOnce(kProgramLines);
    return values;
}

const std::vector<const ListedValue*>& listedGroupValues() {
    static const std::vector<const ListedValue*> values = valuesOnce(kGroupLines);
    return values;
}

const std::vector<ValueRange>& valueRanges(bool inGroup) {
    static const auto make = [](const std::vector<const ListedValue*>& values, bool group) {
        std::vector<ValueRange> ranges;
        for (const ListedValue* v : values) {
            const Parameter& p = parameter(group, v->index);
            const bool flag = p.max == 1 && (p.from == kFlagByte1 || p.from == kFlagByte2);
            ranges.push_back({v, &p, p.listingOffset, p.max + p.listingOffset, flag});
        }
        return ranges;
    };
    static const std::vector<ValueRange> program = make(listedProgramValues(), false);
    static const std::vector<ValueRange> group = make(listedGroupValues(), true);
    return inGroup ? group : program;
}

const ValueRange* valueRange(bool inGroup, std::string_view label) {
    for (const ValueRange& v : valueRanges(inGroup))
        if (label == v.label()) return &v;
    return nullptr;
}

HeldSteps heldSteps(const ExportLayout& layout, const ValueRange& value) {
    HeldSteps steps = layout.steps(*value.row);
    if (!steps.held()) return {};
    steps.min += value.row->listingOffset;
    steps.max += value.row->listingOffset;
    return steps;
}

std::vector<const char*> valuesNotHeld(const ExportLayout& layout) {
    std::vector<const char*> labels;
    const auto add = [&](const std::vector<const ListedValue*>& values, bool inGroup) {
        for (const ListedValue* v : values) {
            const Parameter& p = parameter(inGroup, v->index);
            if (!layout.holds(p)) labels.push_back(p.label);
        }
    };
    add(listedProgramValues(), false);
    add(listedGroupValues(), true);
    return labels;
}

FillSounds fillSounds(const ExportLayout& layout) {
    const std::string fill = soundOf(layout.held(layout.fill(), kGroupA));
    if (!layout.memoryImage) return {fill, ""};
    const PackedProgram blank{};
    return {fill, soundOf(PpgProgram(blank.data()))};
}

ShownValues shownValues(const PpgProgram& program) {
    return {shown(listedProgramValues(), program.programValues), shown(listedGroupValues(), program.groups[0]),
            shown(listedGroupValues(), program.groups[1])};
}

ListedNumbers listedNumbers(const PpgProgram& program) {
    return {numbers(listedProgramValues(), false, program.programValues), numbers(listedGroupValues(), true, program.groups[0]),
            numbers(listedGroupValues(), true, program.groups[1])};
}

} // namespace vornak
