#include "library/bank_facts.h"

#include <algorithm>

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

void addDifferences(std::string& text, char tag, const std::int32_t* values, const std::int32_t* recorded, int count) {
    for (int k = 0; k < count; ++k)
        if (values[k] != recorded[k]) text += ';' + std::string(1, tag) + std::to_string(k) + '=' + std::to_string(values[k]);
}

} // namespace

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
    addDifferences(text, 'p', program.programValues, recorded.programValues, kProgramValueCount);
    addDifferences(text, 'a', program.groups[kGroupA], recorded.groups[kGroupA], kGroupParamCount);
    addDifferences(text, 'b', program.groups[kGroupB], recorded.groups[kGroupB], kGroupParamCount);
    return text;
}

const std::vector<const ListedValue*>& listedProgramValues() {
    static const std::vector<const ListedValue*> values = valuesOnce(kProgramLines);
    return values;
}

const std::vector<const ListedValue*>& listedGroupValues() {
    static const std::vector<const ListedValue*> values = valuesOnce(kGroupLines);
    return values;
}

ShownValues shownValues(const PpgProgram& program) {
    return {shown(listedProgramValues(), program.programValues), shown(listedGroupValues(), program.groups[0]),
            shown(listedGroupValues(), program.groups[1])};
}

} // namespace vornak
