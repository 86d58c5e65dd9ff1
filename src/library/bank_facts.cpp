#include "library/bank_facts.h"

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

} // namespace

const std::vector<const ListedValue*>& listedProgramValues() {
    static const std::vector<const ListedValue*> values = valuesOnce(kProgramLines);
    return values;
}

const std::vector<const ListedValue*>& listedGroupValues() {
    static const std::vector<const ListedValue*> values = valuesOnce(kGroupLines);
    return values;
}

std::vector<const char*> valuesNotHeld(const OutputKind& output) {
    std::vector<const char*> labels;
    const auto add = [&](const std::vector<const ListedValue*>& values, bool inGroup) {
        for (const ListedValue* v : values) {
            const Parameter& p = parameter(inGroup, v->index);
            if (!output.holds(p)) labels.push_back(p.label);
        }
    };
    add(listedProgramValues(), false);
    add(listedGroupValues(), true);
    return labels;
}

FillSounds fillSounds(const OutputKind& output) {
    const std::string fill = soundOf(output.held(output.fill(), kGroupA));
    if (!output.memoryImage) return {fill, ""};
    const PackedProgram blank{};
    return {fill, soundOf(PpgProgram(blank.data()))};
}

ShownValues shownValues(const PpgProgram& program) {
    return {shown(listedProgramValues(), program.programValues), shown(listedGroupValues(), program.groups[0]),
            shown(listedGroupValues(), program.groups[1])};
}

} // namespace vornak
