#include "library/compose.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <new>

#include "library/listed_values.h"
#include "library/loader.h"
#include "formats/text.h"
#include "library/sounds.h"

namespace vornak {

namespace {

[[noreturn]] void refuse(std::string why) { fail(kBadRequest, {std::move(why)}); }

std::string slotText(std::size_t slot) { return "Slot " + std::to_string(slot) + ": "; }

// A file name in a message, when it is plain text; else it is left out.
std::string quoted(const std::string& name) {
    const bool plain = !name.empty() && name.size() <= 200 &&
                       std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
    return plain ? " \"" + name + "\"" : "";
}

ComposeResult failedCompose(const CodeError& error) {
    const FailureAnswer a = answerOf(error);
    ComposeResult result;
    result.exitCode = a.exitCode;
    result.message = a.message;
    result.reason = a.reason;
    return result;
}

void checkName(const std::string& name, const std::string& what) {
    if (std::string problem = nameProblem(name, what); !problem.empty()) refuse(std::move(problem));
}

// The sources, each read once, as the tool reads a file.
class Sources {
public:
    Sources(const std::vector<ComposeSource>& banks, ModelHint hint) : banks_(banks), hint_(hint) {}

    const PpgBank& bank(const std::string& name, std::size_t slot) {
        const auto found = loaded_.find(name);
        if (found != loaded_.end()) return *found->second;
        const auto source = std::find_if(banks_.begin(), banks_.end(), [&](const ComposeSource& s) { return s.name == name; });
        if (source == banks_.end()) refuse(slotText(slot) + "no bank" + quoted(name) + " was given.");
        auto bank = std::make_unique<PpgBank>(makeStartupBank());
        const LoadOutcome outcome = source->loaderBuffer != nullptr
                                        ? loadBuffer(source->loaderBuffer, source->size, hint_, *bank)
                                        : loadBank(source->data, source->size, hint_, *bank);
        if (outcome.code != 0)
            throw CodeError{&kSourceUnread,
                         {slotText(slot), quoted(name),
                          outcome.message.empty() ? "code " + std::to_string(outcome.code) : outcome.message},
                         outcome.code, outcome.reason};
        combisInUse_ = combisInUse_ || bank->combisInUse() > 0;
        untrusted_.emplace(name, outcome.untrusted);
        return *loaded_.emplace(name, std::move(bank)).first->second;
    }

    bool combisInUse() const { return combisInUse_; }
    // Whether the bank read (by `bank` before) does not wholly and reliably hold the program.
    bool untrusted(const std::string& name, int program) const {
        const std::vector<int>& list = untrusted_.at(name);
        return std::binary_search(list.begin(), list.end(), program);
    }

private:
    const std::vector<ComposeSource>& banks_;
    ModelHint hint_;
    std::map<std::string, std::unique_ptr<PpgBank>> loaded_;
    std::map<std::string, std::vector<int>> untrusted_;
    bool combisInUse_ = false;
};

// A value set, as it was asked and written.
struct Edit {
    int slot;
    ValuePart part;
    const ValueRange* value;
    std::int32_t asked;
};

const char* partText(ValuePart part) {
    return part == ValuePart::Program ? "the program" : part == ValuePart::A ? "group A" : "group B";
}

int groupOf(ValuePart part) { return part == ValuePart::B ? kGroupB : kGroupA; }

// A number as a person writes it: 64, 1e+20, 2.5, nan.
std::string numberText(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.16g", v);
    return text;
}

// A value set that the format holds once for the whole bank (a Halvic
// bank's tuning), as it holds it: the last one set of a value reaches every
// program.
struct BankWide {
    int slot;
    const ValueRange* value;
    std::int32_t held; // in the listing's units
};

// Sets the slot's new values, each as the format holds it; `edits` receives
// those the file holds, to be read back, and `bankWide` those it holds once
// for the bank.
void setValues(PpgProgram& program, std::size_t slot, const std::vector<ValueSetting>& set, const ExportFormat& format,
               int writtenGroup, std::vector<Edit>& edits, std::vector<BankWide>& bankWide) {
    for (const ValueSetting& s : set) {
        const bool inGroup = s.part != ValuePart::Program;
        const ValueRange* value = valueRange(inGroup, s.label);
        if (value == nullptr) refuse(slotText(slot) + partText(s.part) + " has no value" + quoted(s.label) + ".");
        if (!(s.value >= value->min && s.value <= value->max) || s.value != std::floor(s.value))
            refuse(cat({slotText(slot), value->label(), " of ", partText(s.part), " runs from ", value->min, " to ",
                        value->max, ", not ", numberText(s.value), "."}));
        const int group = groupOf(s.part);
        const HeldSteps steps = heldSteps(*format.layout, *value);
        const bool held = steps.held() && (!inGroup || format.layout->groups == 2 || group == writtenGroup);
        const auto asked = static_cast<std::int32_t>(s.value);
        const std::int32_t kept = held ? steps.nearest(asked) : asked;
        program.setValue(*value->row, group, kept - value->row->listingOffset);
        if (held) edits.push_back({static_cast<int>(slot), s.part, value, asked});
        if (held && steps.bankWide && globalOf(*value->row) >= 0) {
            std::erase_if(bankWide, [&](const BankWide& b) { return b.value == value; });
            bankWide.push_back({static_cast<int>(slot), value, kept});
        }
    }
}

// The programs of the other slots whose own value a value held once for the
// bank replaces: their own values, in the listing's units, and the one that
// replaces them.
std::vector<RoundedValue> replacedBy(const BankWide& b, const PpgBank& bank,
                                     const std::vector<std::optional<ComposeSlot>>& slots) {
    std::vector<RoundedValue> replaced;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const std::int32_t own = bank.programs[i].value(*b.value->row, kGroupA) + b.value->row->listingOffset;
        if (slots[i] && static_cast<int>(i) != b.slot && own != b.held)
            replaced.push_back({static_cast<int>(i), ValuePart::Program, b.value->label(), own, b.held});
    }
    return replaced;
}

} // namespace

ComposeResult compose(const ComposeRequest& request) {
    ComposeResult result;
    try {
        const ExportFormat* format = exportFormat(request.format);
        if (format == nullptr) refuse("There is no output format for the new bank.");
        const std::size_t capacity = static_cast<std::size_t>(format->capacity());
        if (request.slots.empty()) refuse("The new bank has no slots.");
        if (request.slots.size() > capacity)
            refuse(std::string("A ") + format->name + " holds at most " + std::to_string(capacity) +
                   " programs; the new bank has " + std::to_string(request.slots.size()) + " slots.");
        if (request.group != kGroupA && request.group != kGroupB) refuse("The group is A or B.");
        if (request.bankName) checkName(*request.bankName, "The bank name");

        PpgBank bank(0, 0);
        bank.resize(static_cast<int>(request.slots.size()), 0);
        if (request.bankName) setName(bank.name, request.bankName->c_str());
        Sources sources(request.banks, request.modelHint);
        const PpgProgram fill = format->layout->fill();
        bool settingsTaken = false;
        // A bank of 2.V programs stays a 2.V bank, as the tool's Corvel
        // export of a 2.V bank does.
        bool all2V = true;
        std::vector<Edit> edits;
        std::vector<BankWide> bankWide;
        std::vector<int> untrusted;
        for (std::size_t i = 0; i < request.slots.size(); ++i) {
            PpgProgram& program = bank.programs[i];
            const std::optional<ComposeSlot>& slot = request.slots[i];
            if (!slot) {
                program = fill;
                // A memory image stores no names: a fill slot reads back as
                // any image program does, and its report says nothing lost.
                if (format->layout->memoryImage) setImageProgramName(program, static_cast<int>(i));
                continue;
            }
            const PpgBank& source = sources.bank(slot->bank, i);
            if (slot->program < 0 || slot->program >= source.programCount())
                refuse(slotText(i) + "the bank" + quoted(slot->bank) + " has no program " + std::to_string(slot->program) +
                       " (it holds " + std::to_string(source.programCount()) + ", numbered from 0).");
            program = source.programs[static_cast<std::size_t>(slot->program)];
            if (sources.untrusted(slot->bank, slot->program)) untrusted.push_back(static_cast<int>(i));
            all2V = all2V && program.is2V;
            if (slot->name) {
                checkName(*slot->name, slotText(i) + "the name");
                setName(program.name, slot->name->c_str());
            }
            setValues(program, i, slot->set, *format, request.group, edits, bankWide);
            if (!settingsTaken) {
                bank.takeGlobalsFrom(program);
                settingsTaken = true;
            }
        }
        std::vector<std::vector<RoundedValue>> replaced;
        for (const BankWide& b : bankWide) {
            replaced.push_back(replacedBy(b, bank, request.slots));
            bank.setGlobal(globalOf(*b.value->row), b.held - b.value->row->listingOffset);
        }

        bank.is2V = settingsTaken && all2V;
        result.bytes = format->exporter(bank, {0, bank.programCount() - 1, request.group});
        if (result.bytes.empty()) fail(kNoMemory);
        ConversionReport& report = result.report;
        PpgBank back(0, 0);
        report = reportConversion(*format, bank, result.bytes, 0, bank.programCount() - 1, request.group, {}, &back);
        // The values set, as the file gives them back (the report says when a
        // program does not come back).
        const auto writtenBack = [&](int slot, ValuePart part, const ValueRange& value) -> std::optional<std::int32_t> {
            if (slot >= back.programCount()) return std::nullopt;
            return back.programs[static_cast<std::size_t>(slot)].value(*value.row, groupOf(part)) + value.row->listingOffset;
        };
        for (const Edit& e : edits) {
            const std::optional<std::int32_t> written = writtenBack(e.slot, e.part, *e.value);
            if (written && *written != e.asked) result.rounded.push_back({e.slot, e.part, e.value->label(), e.asked, *written});
        }
        // The other programs' own values that one set for the bank replaced.
        for (std::size_t k = 0; k < bankWide.size(); ++k) {
            const BankWide& b = bankWide[k];
            if (replaced[k].empty()) continue;
            for (RoundedValue& r : replaced[k]) {
                const std::optional<std::int32_t> written = writtenBack(r.slot, r.part, *b.value);
                const bool ownEdit = std::any_of(edits.begin(), edits.end(),
                                                 [&](const Edit& e) { return e.slot == r.slot && e.value == b.value; });
                if (!written || ownEdit || *written == r.asked) continue;
                r.written = *written;
                result.rounded.push_back(r);
            }
            report.dropped.push_back(cat({"the own ", b.value->label(), " of ", counted(replaced[k].size(), "program"), " (a ",
                                          format->name, " holds one ", b.value->label(), " for the whole bank: ", b.held,
                                          ", set on slot ", b.slot, ", reaches every program)"}));
        }
        // The slots the format fills hold no program of the request.
        const auto empty = static_cast<int>(std::count(request.slots.begin(), request.slots.end(), std::nullopt));
        report.programs -= empty;
        report.filled += empty;
        if (sources.combisInUse()) report.dropped.push_back("the combis of the source banks (a built bank holds none)");
        report.untrusted = std::move(untrusted);
        report.text = reportText(report, bank.programCount() - empty);
        const int given = std::min(bank.programCount(), back.programCount());
        for (int p = 0; p < given; ++p) {
            result.sounds.push_back(soundOf(back.programs[static_cast<std::size_t>(p)]));
            result.records.push_back(recordOf(back.programs[static_cast<std::size_t>(p)]));
        }
    } catch (const CodeError& error) {
        // The bank's arrays that could not grow (kBankNoMemory) are a file
        // that could not be made.
        return failedCompose(error.failure == &kBankNoMemory ? CodeError{&kNoMemory} : error);
    } catch (const std::bad_alloc&) {
        return failedCompose({&kNoMemory});
    }
    return result;
}

} // namespace vornak
