#include "library/value_setting.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "formats/text.h"
#include "library/failures.h"
#include "library/listed_values.h"

namespace vornak {

namespace {

const char* partText(ValuePart part) {
    return part == ValuePart::Program ? "the program" : part == ValuePart::A ? "group A" : "group B";
}

int groupOf(ValuePart part) { return part == ValuePart::B ? kGroupB : kGroupA; }

} // namespace

void refuseRequest(std::string why) { fail(kBadRequest, {std::move(why)}); }

std::string quotedText(const std::string& text) {
    const bool plain = !text.empty() && text.size() <= 200 &&
                       std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    return plain ? " \"" + text + "\"" : "";
}

std::string numberText(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.16g", v);
    return text;
}

std::string whereText(const char* noun, std::size_t number) {
    std::string text = cat({noun, " ", number, ": "});
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

ValueSetter::ValueSetter(const ExportFormat& format, int writtenGroup, std::string noun)
    : format_(format), writtenGroup_(writtenGroup), noun_(std::move(noun)) {}

void ValueSetter::set(PpgProgram& program, int number, const std::string& where, const std::vector<ValueSetting>& settings) {
    for (const ValueSetting& s : settings) {
        const bool inGroup = s.part != ValuePart::Program;
        const ValueRange* value = valueRange(inGroup, s.label);
        if (value == nullptr) refuseRequest(where + partText(s.part) + " has no value" + quotedText(s.label) + ".");
        if (!(s.value >= value->min && s.value <= value->max) || s.value != std::floor(s.value))
            refuseRequest(cat({where, value->label(), " of ", partText(s.part), " runs from ", value->min, " to ", value->max,
                        ", not ", numberText(s.value), "."}));
        const int group = groupOf(s.part);
        const HeldSteps steps = heldSteps(*format_.layout, *value);
        const bool held = steps.held() && (!inGroup || format_.layout->groups == 2 || group == writtenGroup_);
        const auto asked = static_cast<std::int32_t>(s.value);
        // Kept as the file keeps it, so that the bank written is what the
        // file gives back; a value above what the file holds is left to the
        // writer, which writes what it writes of the same value read from
        // any file (a 2.V bank's KEYB 7 as 7/3, read back as 3).
        const std::int32_t kept = held && asked <= steps.max ? steps.written(asked) : asked;
        program.setValue(*value->row, group, kept - value->row->listingOffset);
        if (held) edits_.push_back({number, s.part, value, asked});
        if (held && steps.bankWide && globalOf(*value->row) >= 0) {
            std::erase_if(bankWide_, [&](const BankWide& b) { return b.value == value; });
            bankWide_.push_back({number, value, kept});
        }
    }
}

void ValueSetter::setBankWide(PpgBank& bank, const std::function<bool(int)>& counts) {
    for (BankWide& b : bankWide_) {
        for (int i = 0; i < bank.programCount(); ++i) {
            const std::int32_t own = bank.programs[static_cast<std::size_t>(i)].value(*b.value->row, kGroupA) +
                                     b.value->row->listingOffset;
            if (counts(i) && i != b.program && own != b.held)
                b.replaced.push_back({i, ValuePart::Program, b.value->label(), own, b.held});
        }
        bank.setGlobal(globalOf(*b.value->row), b.held - b.value->row->listingOffset);
    }
}

void ValueSetter::collect(const PpgBank& back, int first, int count, ConversionReport& report,
                          std::vector<RoundedValue>& rounded) const {
    // The values set, as the file gives them back (the report says when a
    // program does not come back).
    const int given = std::min(count, back.programCount());
    const auto writtenBack = [&](int program, ValuePart part, const ValueRange& value) -> std::optional<std::int32_t> {
        if (program < first || program - first >= given) return std::nullopt;
        return back.programs[static_cast<std::size_t>(program - first)].value(*value.row, groupOf(part)) +
               value.row->listingOffset;
    };
    for (const Edit& e : edits_) {
        const std::optional<std::int32_t> written = writtenBack(e.program, e.part, *e.value);
        if (written && *written != e.asked) rounded.push_back({e.program, e.part, e.value->label(), e.asked, *written});
    }
    // The other programs' own values that one set for the bank replaced.
    for (const BankWide& b : bankWide_) {
        if (b.replaced.empty()) continue;
        for (RoundedValue r : b.replaced) {
            const std::optional<std::int32_t> written = writtenBack(r.slot, r.part, *b.value);
            const bool ownEdit = std::any_of(edits_.begin(), edits_.end(),
                                             [&](const Edit& e) { return e.program == r.slot && e.value == b.value; });
            if (!written || ownEdit || *written == r.asked) continue;
            r.written = *written;
            rounded.push_back(r);
        }
        report.dropped.push_back(cat({"the own ", b.value->label(), " of ", counted(b.replaced.size(), "program"), " (a ",
                                      format_.name, " holds one ", b.value->label(), " for the whole bank: ", b.held,
                                      ", set on ", noun_, " ", b.program, ", reaches every program)"}));
    }
}

} // namespace vornak
