#include "library/compose.h"

#include <algorithm>
#include <map>
#include <memory>
#include <new>

#include "library/loader.h"
#include "formats/text.h"
#include "library/sounds.h"

namespace vornak {

namespace {

std::string slotText(std::size_t slot) { return whereText("slot", slot); }

ComposeResult failedCompose(const CodeError& error) {
    const FailureAnswer a = answerOf(error);
    ComposeResult result;
    result.exitCode = a.exitCode;
    result.message = a.message;
    result.reason = a.reason;
    return result;
}

void checkName(const std::string& name, const std::string& what) {
    if (std::string problem = nameProblem(name, what); !problem.empty()) refuseRequest(std::move(problem));
}

// The sources, each read once, as the tool reads a file.
class Sources {
public:
    Sources(const std::vector<ComposeSource>& banks, ModelHint hint) : banks_(banks), hint_(hint) {}

    const PpgBank& bank(const std::string& name, std::size_t slot) {
        const auto found = loaded_.find(name);
        if (found != loaded_.end()) return *found->second;
        const auto source = std::find_if(banks_.begin(), banks_.end(), [&](const ComposeSource& s) { return s.name == name; });
        if (source == banks_.end()) refuseRequest(slotText(slot) + "no bank" + quotedText(name) + " was given.");
        auto bank = std::make_unique<PpgBank>(makeStartupBank());
        const LoadOutcome outcome = source->loaderBuffer != nullptr
                                        ? loadBuffer(source->loaderBuffer, source->size, hint_, *bank)
                                        : loadBank(source->data, source->size, hint_, *bank);
        if (outcome.code != 0)
            throw CodeError{&kSourceUnread,
                         {slotText(slot), quotedText(name),
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

} // namespace

ComposeResult compose(const ComposeRequest& request) {
    ComposeResult result;
    try {
        const ExportFormat* format = exportFormat(request.format);
        if (format == nullptr) refuseRequest("There is no output format for the new bank.");
        const std::size_t capacity = static_cast<std::size_t>(format->capacity());
        if (request.slots.empty()) refuseRequest("The new bank has no slots.");
        if (request.slots.size() > capacity)
            refuseRequest(std::string("A ") + format->name + " holds at most " + std::to_string(capacity) +
                   " programs; the new bank has " + std::to_string(request.slots.size()) + " slots.");
        if (request.group != kGroupA && request.group != kGroupB) refuseRequest("The group is A or B.");
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
        ValueSetter values(*format, request.group, "slot");
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
                refuseRequest(slotText(i) + "the bank" + quotedText(slot->bank) + " has no program " + std::to_string(slot->program) +
                       " (it holds " + std::to_string(source.programCount()) + ", numbered from 0).");
            program = source.programs[static_cast<std::size_t>(slot->program)];
            if (sources.untrusted(slot->bank, slot->program)) untrusted.push_back(static_cast<int>(i));
            all2V = all2V && program.is2V;
            if (slot->name) {
                checkName(*slot->name, slotText(i) + "the name");
                setName(program.name, slot->name->c_str());
            }
            values.set(program, static_cast<int>(i), slotText(i), slot->set);
            if (!settingsTaken) {
                bank.takeGlobalsFrom(program);
                settingsTaken = true;
            }
        }
        values.setBankWide(bank, [&](int i) { return request.slots[static_cast<std::size_t>(i)].has_value(); });

        bank.is2V = settingsTaken && all2V;
        result.bytes = format->exporter(bank, {0, bank.programCount() - 1, request.group});
        if (result.bytes.empty()) fail(kNoMemory);
        ConversionReport& report = result.report;
        PpgBank back(0, 0);
        report = reportConversion(*format, bank, result.bytes, 0, bank.programCount() - 1, request.group, {}, &back);
        values.collect(back, 0, back.programCount(), report, result.rounded);
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
