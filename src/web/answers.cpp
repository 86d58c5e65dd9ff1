#include "web/answers.h"

#include <algorithm>

#include "formats/sysex.h"
#include "io/memory_files.h"
#include "library/listed_values.h"
#include "library/sounds.h"
#include "listing/listing.h"
#include "web/session.h"
#include "web/text_rule.h"

namespace vornak::web {

namespace {

std::string letterOf(const ExportFormat& format) { return std::string(1, format.switchLetter()); }

std::string nameOf(const char (&name)[kProgramNameSize]) { return textOf(PrintableName(name).text); }

const char* partName(ValuePart part) { return part == ValuePart::Program ? "program" : part == ValuePart::A ? "a" : "b"; }

Json labelsOf(const std::vector<const ListedValue*>& values, bool inGroup) {
    Json labels = Json::array();
    for (const ListedValue* v : values) labels.push_back(parameter(inGroup, v->index).label);
    return labels;
}

// One program's values in the listing's units.
Json valuesOf(int number, const PpgProgram& program) {
    ListedNumbers n = listedNumbers(program);
    return {{"number", number}, {"program", std::move(n.program)}, {"a", std::move(n.groupA)}, {"b", std::move(n.groupB)}};
}

const char* holdsName(DiskFileHolds holds) {
    switch (holds) {
    case DiskFileHolds::Bank: return "bank";
    case DiskFileHolds::NotABank: return "not-a-bank";
    case DiskFileHolds::Unreadable: break;
    }
    return "unreadable";
}

} // namespace

Json notesAnswer(const std::vector<LoadNote>& notes) {
    Json list = Json::array();
    for (const LoadNote& note : notes) list.push_back({{"code", noteCodeName(note.code)}, {"text", textOf(note.text)}});
    return list;
}

Json outcomeAnswer(const LoadOutcome& outcome) {
    return {{"ok", outcome.code == 0},
            {"exitCode", outcome.code},
            {"reason", reasonName(outcome.reason)},
            {"message", textOf(outcome.message)},
            {"explanation", textOf(outcome.explanation)},
            {"format", outcome.formatName()},
            {"holdsNames", outcome.format != nullptr && outcome.format->holdsNames()},
            // A disk image: files are taken out of it (disk() lists them).
            {"holdsFiles", outcome.format != nullptr && outcome.format->takeOut != nullptr},
            {"notes", notesAnswer(outcome.notes)}};
}

Json reportAnswer(const ConversionReport& r, const std::vector<RoundedValue>* rounded, const char* key) {
    Json dropped = Json::array();
    for (const std::string& d : r.dropped) dropped.push_back(textOf(d));
    Json report = {{"letter", letterOf(*r.format)}, {"programs", r.programs}, {"first", r.first},
                   {"slots", r.slots},             {"filled", r.filled},     {"blank", r.blank},
                   {"names", r.names},             {"combis", r.combis},     {"dropped", std::move(dropped)},
                   {"notes", notesAnswer(r.notes)}, {"untrusted", r.untrusted}, {"text", textOf(r.text)}};
    if (rounded != nullptr) {
        Json list = Json::array();
        for (const RoundedValue& v : *rounded)
            list.push_back({{key, v.slot}, {"part", partName(v.part)}, {"label", v.label}, {"asked", v.asked},
                            {"written", v.written}});
        report["rounded"] = std::move(list);
    }
    return report;
}

void putBank(Json& answer, const PpgBank& bank, const LoadOutcome& outcome, const DescribeRequest& asked) {
    const std::size_t n = static_cast<std::size_t>(bank.programCount());
    answer["damage"] = damageName(outcome.damage);
    answer["untrusted"] = outcome.untrusted;
    answer["writesAs"] = outcome.writesAs != nullptr ? Json(letterOf(*outcome.writesAs)) : Json();
    const char letter = modelLetter(bank);
    answer["model"] = std::string("2.") + letter;
    answer["modelName"] = letter == 'V' ? "Waldorf 2.V" : std::string("PPG Wave 2.") + letter;
    answer["bankName"] = nameOf(bank.name);
    answer["programs"] = bank.programCount();
    answer["combis"] = bank.combiCount();
    answer["combisInUse"] = bank.combisInUse();
    Json names = Json::array(), sounds = Json::array(), records = Json::array(), kept = Json::array();
    for (std::size_t p = 0; p < n; ++p) {
        const PpgProgram& program = bank.programs[p];
        names.push_back(nameOf(program.name));
        std::string sound = soundOf(program);
        const KeptSounds both = keptBy2V(program, sound);
        kept.push_back({{"A", both.a}, {"B", both.b}});
        sounds.push_back(std::move(sound));
        records.push_back(recordOf(program));
    }
    answer["names"] = std::move(names);
    answer["sounds"] = std::move(sounds);
    answer["records"] = std::move(records);
    answer["keptBy2V"] = std::move(kept);
    answer["parameterLabels"] = {{"program", labelsOf(listedProgramValues(), false)},
                                 {"group", labelsOf(listedGroupValues(), true)}};
    // Each program asked for once, however often the request lists it, so
    // that the answer grows with the bank, not the request.
    std::vector<char> wanted(n, asked.allParameters ? 1 : 0);
    for (const int p : asked.parameters)
        if (p < bank.programCount()) wanted[static_cast<std::size_t>(p)] = 1;
    Json values = Json::array();
    for (std::size_t p = 0; p < n; ++p)
        if (wanted[p]) values.push_back(valuesOf(static_cast<int>(p), bank.programs[p]));
    answer["parameters"] = std::move(values);
    Json combis = Json::array();
    for (std::size_t c = 0; c < bank.combis.size(); ++c) {
        const PpgCombi& combi = bank.combis[c];
        Json shown = Json::object();
        for (const CombiValue& v : kCombiValues) shown[v.label] = shownValue(combi, v);
        combis.push_back({{"combi", c}, {"used", combi.used != 0}, {"name", nameOf(combi.name)}, {"values", std::move(shown)}});
    }
    answer["combiValues"] = std::move(combis);

    if (!asked.conversions) return;
    Json reports = Json::array();
    const Written& w = asked.written;
    for (const ExportFormat& format : exportFormats()) {
        if (asked.onlyFormat != nullptr && asked.onlyFormat != &format) continue;
        ConversionReport report = reportConversion(format, bank, w.first, w.last, w.group, outcome.namesCut);
        noteUntrusted(report, outcome.untrusted, bank.programCount());
        reports.push_back(reportAnswer(report));
    }
    answer["conversions"] = std::move(reports);
}

Json diskAnswer(const DiskReport& report) {
    const FailureAnswer failure = inText(report.failure);
    Json answer = {{"ok", report.ok()},
                   {"exitCode", failure.exitCode},
                   {"reason", reasonName(failure.reason)},
                   {"message", failure.message},
                   {"explanation", failure.explanation}};
    if (!report.ok()) return answer;
    Json notes = Json::array(), files = Json::array();
    for (const std::string& note : report.notes) notes.push_back(textOf(note));
    for (const DiskFile& f : report.files) {
        files.push_back({{"name", textOf(f.name)},
                         {"date", dateText(f.date)},
                         {"sectors", f.sectors},
                         {"size", f.copied.size()},
                         {"holds", holdsName(f.holds)},
                         {"kind", textOf(f.kind)},
                         {"format", f.format != nullptr ? f.format->name : ""},
                         {"programs", f.programs},
                         {"combis", f.combis},
                         {"why", textOf(f.why)}});
    }
    answer["image"] = imageKindName(report.image);
    answer["label"] = textOf(report.label);
    answer["volume"] = report.volume;
    answer["date"] = dateText(report.date);
    answer["tracks"] = report.geometry.lastTrack + 1;
    answer["sectorsPerTrack"] = report.geometry.sectorsPerTrack;
    answer["freeSectors"] = report.freeSectors;
    answer["banks"] = report.banks();
    answer["notes"] = std::move(notes);
    answer["files"] = std::move(files);
    return answer;
}

FailureAnswer inText(FailureAnswer failure) {
    failure.message = textOf(failure.message);
    failure.explanation = textOf(failure.explanation);
    return failure;
}

Json nothingWritten(const FailureAnswer& failure, bool explained) {
    bytesMade().clear();
    Json answer = {{"ok", false},
                   {"exitCode", failure.exitCode},
                   {"reason", reasonName(failure.reason)},
                   {"message", failure.message}};
    if (explained) answer["explanation"] = failure.explanation;
    answer["size"] = 0;
    return answer;
}

// `capacity` is the most programs a written file holds; `fillSound` the
// sound of the program its files hold in slots the bank has no program
// for, `blankSound` that of a memory image slot left blank (null for a
// format whose files have none); `values` what a file holds of each value
// of the listing, by its label, in the listing's units, or null. The SysEx
// dump has also "dump", the MIDI message it is.
Json formatsAnswer() {
    Json list = Json::array();
    for (const ExportFormat& f : exportFormats()) {
        Json notHeld = Json::array();
        for (const char* label : valuesNotHeld(*f.layout)) notHeld.push_back(label);
        const FillSounds sounds = fillSounds(*f.layout);
        Json values = Json::object();
        for (const bool inGroup : {false, true}) {
            Json held = Json::object();
            for (const ValueRange& v : valueRanges(inGroup)) {
                const HeldSteps steps = heldSteps(*f.layout, v);
                held[v.label()] = steps.held() ? Json{{"min", steps.min},
                                                      {"max", steps.max},
                                                      {"step", steps.step},
                                                      {"rounding", HeldSteps::kRounding},
                                                      {"bankWide", steps.bankWide}}
                                               : Json();
            }
            values[inGroup ? "group" : "program"] = std::move(held);
        }
        Json format = {{"letter", letterOf(f)},
                       {"name", f.name},
                       {"extension", f.extension},
                       {"range", f.takesRange()},
                       {"group", f.takesGroup()},
                       {"capacity", f.capacity()},
                       {"names", f.keepsNames()},
                       {"groups", f.layout->groups},
                       {"valuesNotHeld", std::move(notHeld)},
                       {"fillSound", sounds.fill},
                       {"blankSound", sounds.blank.empty() ? Json() : Json(sounds.blank)},
                       {"values", std::move(values)}};
        if (f.kind == ExportKind::SysEx)
            format["dump"] = {{"header", std::vector<int>(std::begin(kSysExHeader), std::end(kSysExHeader))},
                              {"size", kSysExFileSize}};
        list.push_back(std::move(format));
    }
    return list;
}

// `nameLength` is the most bytes of a program or bank name; `firstProgram`
// and `lastProgram` the range /P gives when it is left out;
// `defaultFormat` compose's output when none is asked for. A file name (a
// part of a path between slashes) holds at most `fileNameLength` bytes and
// a path at most `pathLength`, as on the system the tool is built for. No
// bank holds more than `mostPrograms` programs. `models` are the models a
// memory image may be read as (/2.2, /2.3), with the programs and combis
// its memory holds; `values` the values of the
// listing, in the order of describe's parameterLabels, each with its range
// in the listing's units (the widest any format holds).
Json limitsAnswer() {
    const ExportRequest defaults;
    Json codes = Json::array(), reasons = Json::array(), models = Json::array();
    for (const NoteCode code : noteCodes()) codes.push_back(noteCodeName(code));
    for (const FailureReason reason : failureReasons()) reasons.push_back(reasonName(reason));
    for (const ModelName& m : modelNames()) {
        const bool combis = m.hint == ModelHint::Wave23;
        models.push_back({{"model", m.model},
                          {"number", static_cast<int>(m.hint)},
                          {"name", m.name},
                          {"programs", combis ? kImageProgramsWithCombis : kImageProgramsWithoutCombis},
                          {"combis", combis ? kImageCombis : 0}});
    }
    Json values = Json::object();
    for (const bool inGroup : {false, true}) {
        Json list = Json::array();
        for (const ValueRange& v : valueRanges(inGroup))
            list.push_back({{"label", v.label()}, {"min", v.min}, {"max", v.max}, {"flag", v.flag}});
        values[inGroup ? "group" : "program"] = std::move(list);
    }
    Json combiValues = Json::array();
    for (const CombiValue& v : kCombiValues)
        combiValues.push_back({{"label", v.label}, {"min", 0}, {"max", v.max}, {"flag", false}});
    return {{"inputLimit", inputLimit()},
            {"nameLength", kProgramNameSize - 1},
            {"firstProgram", defaults.rangeStart},
            {"lastProgram", defaults.rangeEnd},
            {"defaultFormat", letterOf(*exportFormat(ComposeRequest{}.format))},
            {"fileNameLength", MemoryFiles::kFileNameLength},
            {"pathLength", MemoryFiles::kPathLength},
            {"mostPrograms", kMaxBankPrograms},
            {"noteCodes", std::move(codes)},
            {"reasons", std::move(reasons)},
            {"models", std::move(models)},
            {"values", std::move(values)},
            {"combiValues", std::move(combiValues)}};
}

} // namespace vornak::web
