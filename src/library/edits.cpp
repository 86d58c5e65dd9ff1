#include "library/edits.h"

#include <cmath>
#include <new>

#include "formats/text.h"
#include "library/sounds.h"

namespace vornak {

namespace {

void editProgram(PpgBank& bank, const ProgramEdit& edit, ValueSetter& values) {
    if (edit.program < 0 || edit.program >= bank.programCount())
        refuseRequest(cat({"The bank has no program ", edit.program, " (it holds ", bank.programCount(), ", numbered from 0)."}));
    PpgProgram& program = bank.programs[static_cast<std::size_t>(edit.program)];
    const std::string where = whereText("program", static_cast<std::size_t>(edit.program));
    if (edit.sound) {
        PpgProgram sound;
        if (!programOfSound(*edit.sound, sound)) refuseRequest(where + "the sound given is not a sound as a description gives it.");
        setName(sound.name, program.name);
        sound.is2V = program.is2V;
        program = sound;
    }
    values.set(program, edit.program, where, edit.set);
}

void editCombi(PpgBank& bank, const CombiEdit& edit) {
    if (bank.combiCount() == 0)
        refuseRequest(cat({"The bank holds no combis (a Wave 2.2 memory and a 2.V bank have none), so it has no combi ", edit.combi, "."}));
    if (edit.combi < 0 || edit.combi >= bank.combiCount())
        refuseRequest(cat({"The bank has no combi ", edit.combi, " (it holds ", bank.combiCount(), ", numbered from 0)."}));
    PpgCombi& combi = bank.combis[static_cast<std::size_t>(edit.combi)];
    const std::string where = whereText("combi", static_cast<std::size_t>(edit.combi));
    for (const CombiSetting& s : edit.set) {
        const CombiValue* value = combiValue(s.label);
        if (value == nullptr) refuseRequest(where + "a combi has no value \"" + (s.label.size() <= 40 ? s.label : "") + "\".");
        if (!(s.value >= 0 && s.value <= value->max) || s.value != std::floor(s.value))
            refuseRequest(cat({where, value->label, " runs from 0 to ", value->max, ", not ", numberText(s.value), "."}));
        setValue(combi, *value, static_cast<std::int32_t>(s.value));
    }
    if (!edit.set.empty()) combi.used = 1;
}

} // namespace

void applyEdits(PpgBank& bank, const BankEdits& edits, ValueSetter& values) {
    for (const ProgramEdit& edit : edits.programs) editProgram(bank, edit, values);
    for (const CombiEdit& edit : edits.combis) editCombi(bank, edit);
    values.setBankWide(bank, [](int) { return true; });
}

EditedFile writeEdited(PpgBank& bank, const BankEdits& edits, const ExportFormat& format, int first, int last, int group,
                       std::span<const int> namesCut) {
    EditedFile file;
    try {
        ValueSetter values(format, group, "program");
        if (!edits.empty()) applyEdits(bank, edits, values);
        file.bytes = format.exporter(bank, {first, last, group});
        if (file.bytes.empty()) fail(kNoMemory);
        if (edits.empty()) {
            file.report = reportConversion(format, bank, file.bytes, first, last, group, namesCut);
            return file;
        }
        PpgBank back(0, 0);
        file.report = reportConversion(format, bank, file.bytes, first, last, group, namesCut, &back);
        values.collect(back, file.report.first, file.report.programs, file.report, file.rounded);
        file.report.text = reportText(file.report, bank.programCount());
    } catch (const CodeError& error) {
        file = {};
        file.failure = answerOf(error.failure == &kBankNoMemory ? CodeError{&kNoMemory} : error);
    } catch (const std::bad_alloc&) {
        file = {};
        file.failure = answerOf(CodeError{&kNoMemory});
    }
    return file;
}

} // namespace vornak
