// The tool as a WebAssembly engine: the library's functions over bytes. Every
// call works on a bank in its start-up state, as a new process would have it,
// so that one engine serves any number of calls. The JavaScript side
// (web/engine/) hands over a call's files with vornak_file, then makes the
// call, and reads its JSON answer and the bytes at vornak_bytes(), both valid
// until the next call. Nothing here uses a file system: a run of the tool
// sees its files through MemoryFiles, and prints into memory.
//
// Text in the answers is bytes: names are shown as the listing shows them
// (control bytes as "?"), bytes from 0x80 up pass unchanged, and the
// JavaScript side decodes them by its one rule for all text of the tool.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "cli/driver.h"
#include "formats/sysex.h"
#include "io/file_io.h"
#include "io/memory_files.h"
#include "library/bank_facts.h"
#include "library/compose.h"
#include "library/conversions.h"
#include "library/failures.h"
#include "library/format_table.h"
#include "library/loader.h"
#include "library/sounds.h"
#include "library/text.h"
#include "listing/listing.h"
#include "model/ppg_bank.h"

using namespace vornak;

namespace {

// A JSON text built piece by piece.
class Json {
public:
    Json& key(const char* name) {
        separate();
        quote(name);
        out_ += ':';
        fresh_ = true;
        return *this;
    }
    Json& string(const std::string& text) {
        separate();
        quote(text);
        return *this;
    }
    Json& name(const char (&text)[kProgramNameSize]) { return string(PrintableName(text).text); }
    Json& number(long long n) {
        separate();
        out_ += std::to_string(n);
        return *this;
    }
    // A number already written as JSON.
    Json& raw(const char* text) {
        separate();
        out_ += text;
        return *this;
    }
    Json& boolean(bool b) {
        separate();
        out_ += b ? "true" : "false";
        return *this;
    }
    Json& open(char bracket) {
        separate();
        out_ += bracket;
        fresh_ = true;
        return *this;
    }
    Json& close(char bracket) {
        out_ += bracket;
        fresh_ = false;
        return *this;
    }
    Json& strings(const std::vector<std::string>& texts) {
        open('[');
        for (const std::string& t : texts) string(t);
        return close(']');
    }
    const std::string& text() const { return out_; }

private:
    void quote(const std::string& text) {
        out_ += '"';
        for (const char c : text) {
            const auto b = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (b < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", b);
                out_ += escaped;
            } else {
                out_ += c;
            }
        }
        out_ += '"';
    }

    // A comma before every value or key but the first of its object or array.
    void separate() {
        if (!fresh_) out_ += ',';
        fresh_ = false;
    }
    std::string out_;
    bool fresh_ = true;
};

std::string gAnswer;
std::vector<std::uint8_t> gBytes;

// The files of the next call, in the order they were given.
struct GivenFile {
    std::string name;
    FileBytes bytes;
};
std::vector<GivenFile> gFiles;

// A call takes the files given for it; the next call starts without any.
std::vector<GivenFile> takeFiles() { return std::exchange(gFiles, {}); }

// The one input of a call that loads a file, read in place. A call given
// none answers as the tool does for a file it cannot open; one that could
// not be held (vornak_file) as for a file it has no memory for.
LoadOutcome loadGiven(ModelHint hint, PpgBank& bank) {
    std::vector<GivenFile> files = takeFiles();
    if (files.empty()) return failedLoad(Failure::NoInput);
    FileBytes& file = files.front().bytes;
    if (file.status != FileBytes::Read) return failedLoad(Failure::TooLarge);
    return loadBuffer(file.data.get(), file.size, hint, bank);
}
// The most an input may bring; until it is set, what the tool allows a pipe.
std::size_t gInputLimit = kStreamLimit;

const char* answer(const Json& json) {
    gAnswer = json.text();
    return gAnswer.c_str();
}

// The model hint as the JavaScript side passes it: the number of one of
// limits()' models, or -1.
ModelHint hintOf(int number) {
    for (const ModelName& m : modelNames())
        if (static_cast<int>(m.hint) == number) return m.hint;
    return ModelHint::Detect;
}

std::string letterOf(const ExportFormat& format) { return std::string(1, format.switchLetter()); }

// The output format of a switch letter as the JavaScript side passes it (a
// character code); none for a code beyond ASCII, whatever its low byte.
const ExportFormat* outputOf(int letter) {
    return letter > 0 && letter < 0x80 ? exportFormatForLetter(static_cast<char>(letter)) : nullptr;
}

std::string noOutputText(int letter) { return cat({"There is no output format '", std::string(1, static_cast<char>(letter)), "'."}); }

// The answer of a call that writes a file, when nothing is written:
// {"exitCode":1,"reason":"bad-request","message":"...","size":0}, with the
// "explanation" after the message when `explained`.
const char* writesNothing(Json& json, const FailureAnswer& failure, bool explained = false) {
    gBytes.clear();
    json.key("exitCode").number(failure.exitCode).key("reason").string(reasonName(failure.reason));
    json.key("message").string(failure.message);
    if (explained) json.key("explanation").string(failure.explanation);
    json.key("size").number(0).close('}');
    return answer(json);
}

const char* badRequest(Json& json, const std::string& why) { return writesNothing(json, answerOf(Failure::BadRequest, {why})); }

void putNotes(Json& json, const std::vector<LoadNote>& notes) {
    json.key("notes").open('[');
    for (const LoadNote& note : notes)
        json.open('{').key("code").string(noteCodeName(note.code)).key("text").string(note.text).close('}');
    json.close(']');
}

const char* partName(ValuePart part) { return part == ValuePart::Program ? "program" : part == ValuePart::A ? "a" : "b"; }

// The report, and for a compose the values set that were rounded.
void putReport(Json& json, const ConversionReport& r, const std::vector<RoundedValue>* rounded = nullptr) {
    json.open('{');
    json.key("letter").string(letterOf(*r.format));
    json.key("programs").number(r.programs).key("first").number(r.first).key("slots").number(r.slots);
    json.key("filled").number(r.filled).key("blank").number(r.blank).key("names").boolean(r.names);
    json.key("combis").number(r.combis).key("dropped").strings(r.dropped);
    putNotes(json, r.notes);
    json.key("text").string(r.text);
    if (rounded != nullptr) {
        json.key("rounded").open('[');
        for (const RoundedValue& v : *rounded) {
            json.open('{').key("slot").number(v.slot).key("part").string(partName(v.part)).key("label").string(v.label);
            json.key("asked").number(v.asked).key("written").number(v.written).close('}');
        }
        json.close(']');
    }
    json.close('}');
}

void putLabels(Json& json, const std::vector<const ListedValue*>& values, bool inGroup) {
    json.open('[');
    for (const ListedValue* v : values) json.string(parameter(inGroup, v->index).label);
    json.close(']');
}

void putOutcome(Json& json, const LoadOutcome& outcome) {
    json.key("exitCode").number(outcome.code).key("reason").string(reasonName(outcome.reason));
    json.key("message").string(outcome.message).key("explanation").string(outcome.explanation);
    json.key("format").string(outcome.formatName());
    json.key("holdsNames").boolean(outcome.format != nullptr && outcome.format->holdsNames());
    putNotes(json, outcome.notes);
}

// How far the bank that loaded can be trusted.
void putDamage(Json& json, const LoadOutcome& outcome) {
    json.key("damage").string(damageName(outcome.damage)).key("untrusted").open('[');
    for (const int p : outcome.untrusted) json.number(p);
    json.close(']');
}

// What a description holds beside the bank's facts.
struct DescribeRequest {
    // The programs whose values are asked for, each once whatever the
    // request repeats, so the answer grows with the bank, not the request.
    std::vector<char> parameterPrograms;
    bool allParameters = false;
    bool conversions = false;
    char onlyFormat = 0; // the switch letter of the one report asked for; 0 for all
    int first = 0;
    int last = kDefaultRangeEnd;
    int group = kGroupA;
    std::vector<int> namesCut; // the programs whose names were cut to 27 characters when the file was read
};

void putBank(Json& json, const PpgBank& bank, const DescribeRequest& asked) {
    const std::size_t n = static_cast<std::size_t>(bank.programCount);
    const char letter = modelLetter(bank);
    json.key("model").string(std::string("2.") + letter);
    json.key("modelName").string(letter == 'V' ? "Waldorf 2.V" : std::string("PPG Wave 2.") + letter);
    json.key("bankName").name(bank.name);
    json.key("programs").number(bank.programCount).key("combis").number(bank.combiCount);
    json.key("combisInUse").number(bank.combisInUse());
    json.key("names").open('[');
    for (std::size_t p = 0; p < n; ++p) json.name(bank.programs[p].name);
    json.close(']');
    std::vector<std::string> sounds(n);
    json.key("sounds").open('[');
    for (std::size_t p = 0; p < n; ++p) json.string(sounds[p] = soundOf(bank.programs[p]));
    json.close(']');
    json.key("records").open('[');
    for (std::size_t p = 0; p < n; ++p) json.string(recordOf(bank.programs[p]));
    json.close(']');
    json.key("keptBy2V").open('[');
    for (std::size_t p = 0; p < n; ++p) {
        const KeptSounds kept = keptBy2V(bank.programs[p], sounds[p]);
        json.open('{').key("A").string(kept.a).key("B").string(kept.b).close('}');
    }
    json.close(']');

    json.key("parameterLabels").open('{');
    json.key("program");
    putLabels(json, listedProgramValues(), false);
    json.key("group");
    putLabels(json, listedGroupValues(), true);
    json.close('}');
    json.key("parameters").open('[');
    auto put = [&](std::size_t p) {
        const ShownValues v = shownValues(bank.programs[p]);
        json.open('{').key("number").number(static_cast<long long>(p));
        json.key("program").strings(v.program).key("a").strings(v.groupA).key("b").strings(v.groupB).close('}');
    };
    for (std::size_t p = 0; p < n; ++p)
        if (asked.allParameters || (p < asked.parameterPrograms.size() && asked.parameterPrograms[p])) put(p);
    json.close(']');

    if (!asked.conversions) return;
    json.key("conversions").open('[');
    for (const ExportFormat& format : exportFormats())
        if (asked.onlyFormat == 0 || format.switchLetter() == asked.onlyFormat)
            putReport(json, reportConversion(format, bank, asked.first, asked.last, asked.group, asked.namesCut));
    json.close(']');
}

} // namespace

extern "C" {

// Adds a file of `size` bytes named `name` (UTF-8) to the files of the next
// call, and answers where its bytes go: a buffer in the loader's layout, for
// the caller to fill. Null for a file above the input limit, or one there is
// no memory for: the call answers it as the tool answers an input it has no
// memory for.
std::uint8_t* vornak_file(const char* name, std::size_t size) {
    FileBytes bytes;
    bytes.status = FileBytes::NoMemory;
    if (size <= gInputLimit) bytes = reserveWhole(size, kLoadSpareBytes, kLoadCapacity);
    gFiles.push_back({name, std::move(bytes)});
    return gFiles.back().bytes.data.get();
}

// One run of the tool: argv[0] is the program name, as for main; the run's
// folder holds the files given and nothing else. Answers
//   {"exitCode":0,"output":1234,"files":[{"name":7,"size":10245},...]}
// and at vornak_bytes() what it printed (`output` bytes), then for each file
// it wrote (new, or an input replaced) its name (UTF-8, `name` bytes) and its
// bytes. Null when there is no memory for the output.
const char* vornak_run(int argc, char** argv) {
    std::vector<GivenFile> given = takeFiles();
    char* printed = nullptr;
    std::size_t printedSize = 0;
    std::FILE* out = ::open_memstream(&printed, &printedSize);
    if (out == nullptr) return nullptr;
    MemoryFiles files(out);
    for (GivenFile& file : given) files.add(file.name, std::move(file.bytes));
    PpgBank bank = makeStartupBank();
    const int code = runDriver(argc, argv, bank, gInputLimit, files, out);
    const bool whole = std::fclose(out) == 0;
    gBytes.assign(printed, printed + (whole ? printedSize : 0));
    std::free(printed);
    Json json;
    json.open('{').key("exitCode").number(code).key("output").number(static_cast<long long>(gBytes.size()));
    json.key("files").open('[');
    for (const auto& [name, bytes] : files.written()) {
        json.open('{').key("name").number(static_cast<long long>(name.size()));
        json.key("size").number(static_cast<long long>(bytes.size())).close('}');
        gBytes.insert(gBytes.end(), name.begin(), name.end());
        gBytes.insert(gBytes.end(), bytes.begin(), bytes.end());
    }
    json.close(']').close('}');
    return whole ? answer(json) : nullptr;
}

// Loads the file given as the tool would and answers what it found as JSON:
//   {"exitCode":0,"reason":"","message":"","explanation":"","format":"V8 SysEx dump",
//    "holdsNames":false,"notes":[{"code":"short-dump","text":"..."}],
//    "damage":"cut","untrusted":[49,50,...,86],"writesAs":"S",
//    "model":"2.3","modelName":"PPG Wave 2.3","bankName":"","programs":87,"combis":20,"combisInUse":3,
//    "names":[...],"sounds":[...],"records":[...],"keptBy2V":[{"A":"...","B":"..."},...],
//    "parameterLabels":{"program":[...],"group":[...]},
//    "parameters":[{"number":0,"program":[...],"a":[...],"b":[...]},...],
//    "conversions":[{"letter":"S","programs":87,...,"notes":[...],"text":"..."},...]}
// Everything from "damage" on only for a bank that loaded; "reason" is the
// failure's code (FailureReason). "damage" is "cut" for a file that ends
// before all its data, "damaged" for one whose data are broken, else "";
// "untrusted" the programs the file does not wholly and reliably hold;
// "writesAs" the switch letter of the output format whose files are of this
// file's format and layout, or null.
// Parameters are
// given for every program when `programCount` is negative, else for the
// `programCount` program numbers at `programs`. Conversions only when
// `conversions` is not 0 (1 for every format, or the character of one
// format's switch letter for that one), for the range `first`..`last` and the
// group, as /P and /G give them.
const char* vornak_describe(int modelHint, const int* programs, int programCount, int conversions, int first, int last,
                            int group) {
    PpgBank bank = makeStartupBank();
    const LoadOutcome outcome = loadGiven(hintOf(modelHint), bank);
    Json json;
    json.open('{');
    putOutcome(json, outcome);
    if (outcome.code == 0) {
        putDamage(json, outcome);
        json.key("writesAs");
        if (outcome.writesAs != nullptr)
            json.string(letterOf(*outcome.writesAs));
        else
            json.raw("null");
        DescribeRequest asked;
        asked.parameterPrograms.assign(static_cast<std::size_t>(bank.programCount), 0);
        for (int i = 0; i < programCount; ++i)
            if (programs[i] >= 0 && programs[i] < bank.programCount) asked.parameterPrograms[static_cast<std::size_t>(programs[i])] = 1;
        asked.allParameters = programCount < 0;
        asked.namesCut = outcome.namesCut;
        asked.conversions = conversions != 0;
        if (conversions > 1) asked.onlyFormat = static_cast<char>(conversions);
        asked.first = first;
        asked.last = last;
        asked.group = group;
        putBank(json, bank, asked);
    }
    json.close('}');
    return answer(json);
}

// Loads the file given as the tool would, gives its programs new names
// (`names[i]` for program i, a null one keeps its own; none at all when
// `names` is null) and writes the bank in the format of the switch letter
// `format`, for the range and group, as the tool's export writes it. Answers
//   {"exitCode":0,"reason":"","message":"","explanation":"","size":10245,
//    "keeps":{...},"notes":[...]}
// `keeps` the conversion report of the bank as written, `notes` the input's;
// the file's bytes are at vornak_bytes(). A file that does not load answers
// its outcome, a name the bank cannot hold "bad-request", a file that could
// not be made "no-memory", each with size 0 and no report.
const char* vornak_convert(int format, int modelHint, int first, int last, int group, int nameCount, char** names) {
    PpgBank bank = makeStartupBank();
    const LoadOutcome outcome = loadGiven(hintOf(modelHint), bank);
    const ExportFormat* output = outputOf(format);
    Json json;
    json.open('{');
    if (outcome.code != 0)
        return writesNothing(json, {outcome.code, outcome.reason, outcome.message, outcome.explanation}, true);
    std::string problem = output == nullptr ? noOutputText(format) : "";
    for (int p = 0; names != nullptr && problem.empty() && p < nameCount && p < bank.programCount; ++p)
        if (names[p] != nullptr) {
            problem = nameProblem(names[p], cat({"The name of program ", p}));
            setName(bank.programs[static_cast<std::size_t>(p)].name, names[p]);
        }
    if (!problem.empty()) return writesNothing(json, answerOf(Failure::BadRequest, {problem}), true);
    gBytes = output->write(bank, {first, last, group});
    if (gBytes.empty()) return writesNothing(json, answerOf(Failure::NoMemory), true);
    json.key("exitCode").number(0).key("reason").string("").key("message").string("").key("explanation").string("");
    json.key("size").number(static_cast<long long>(gBytes.size())).key("keeps");
    putReport(json, reportConversion(*output, bank, gBytes, first, last, group, outcome.namesCut));
    putNotes(json, outcome.notes);
    json.close('}');
    return answer(json);
}

// The output formats as data:
//   [{"letter":"S","name":"V8 SysEx dump","extension":".syx","range":true,
//     "group":false,"capacity":100,"names":false,"groups":2,"valuesNotHeld":["TTUNE"],
//     "fillSound":"...","blankSound":"..."},...]
// `capacity` is the most programs a written file holds; `names` whether the
// format keeps program names. `fillSound` is the sound (as describe answers
// sounds) of the program its files hold in slots the bank has no program
// for, `blankSound` that of a memory image slot left blank (null for a
// format whose files have none). `values` says, for each value of the
// listing by its label ({"program":{"WAVETABLE":...},"group":{"P:3":...}}),
// what a file holds of it: {"min":0,"max":62,"step":2} in the listing's
// units, or null where it holds none of it. The SysEx dump has also "dump": {"header":
// [240,41,1,13],"size":10245}, the MIDI message it is.
const char* vornak_formats() {
    Json json;
    json.open('[');
    for (const ExportFormat& f : exportFormats()) {
        json.open('{').key("letter").string(letterOf(f)).key("name").string(f.name);
        json.key("extension").string(f.extension).key("range").boolean(f.takesRange()).key("group").boolean(f.takesGroup());
        json.key("capacity").number(f.capacity()).key("names").boolean(f.keepsNames());
        json.key("groups").number(f.output->groups).key("valuesNotHeld").open('[');
        for (const char* label : valuesNotHeld(*f.output)) json.string(label);
        json.close(']');
        const FillSounds sounds = fillSounds(*f.output);
        json.key("fillSound").string(sounds.fill).key("blankSound");
        if (sounds.blank.empty())
            json.raw("null");
        else
            json.string(sounds.blank);
        json.key("values").open('{');
        for (const bool inGroup : {false, true}) {
            json.key(inGroup ? "group" : "program").open('{');
            for (const ValueRange& v : valueRanges(inGroup)) {
                json.key(v.label());
                const HeldSteps steps = heldSteps(*f.output, v);
                if (steps.held())
                    json.open('{').key("min").number(steps.min).key("max").number(steps.max).key("step").number(steps.step).close('}');
                else
                    json.raw("null");
            }
            json.close('}');
        }
        json.close('}');
        // A dump is one MIDI message: what it begins with, and its size.
        if (f.kind == ExportKind::SysEx) {
            json.key("dump").open('{').key("header").open('[');
            for (const std::uint8_t b : kSysExHeader) json.number(b);
            json.close(']').key("size").number(static_cast<long long>(kSysExFileSize)).close('}');
        }
        json.close('}');
    }
    json.close(']');
    return answer(json);
}

// Builds a bank from programs of the files given (the banks, by their names)
// and writes it in the format of the switch letter `format`. Slot i is
// program `slotPrograms[i]` of the bank named `slotBanks[i]`, renamed to
// `slotNames[i]` unless that is null; a null `slotBanks[i]` is a slot the
// format fills. Setting k gives slot `setSlots[k]` the value `setValues[k]`
// (a whole number, in the listing's units) for the label `setLabels[k]` of
// its program's own values (`setParts[k]` 0) or of group A's (1) or B's (2).
// Answers
//   {"exitCode":0,"reason":"","message":"","size":10245,"report":{...,"rounded":[
//     {"slot":0,"part":"a","label":"P:3","asked":41,"written":42},...]}}
// with the file's bytes at vornak_bytes().
const char* vornak_compose(int slotCount, char** slotBanks, const int* slotPrograms, char** slotNames, int format,
                           int modelHint, int group, const char* bankName, int setCount, const int* setSlots,
                           const int* setParts, char** setLabels, const double* setValues) {
    std::vector<GivenFile> files = takeFiles();
    ComposeRequest request;
    Json json;
    json.open('{');
    // No bank holds more programs: a larger request is refused before
    // anything is made of it.
    if (slotCount > kMaxBankPrograms)
        return badRequest(json, cat({"A bank holds at most ", withThousands(kMaxBankPrograms), " programs; the new bank has ",
                                     withThousands(static_cast<std::uint64_t>(slotCount)), " slots."}));
    for (const GivenFile& file : files) {
        // As the tool answers an input it cannot hold.
        if (file.bytes.status != FileBytes::Read) return writesNothing(json, answerOf(Failure::TooLarge));
        // Held as the loader reads it, each is read in place, once.
        request.banks.push_back({file.name, file.bytes.data.get(), file.bytes.size, file.bytes.data.get()});
    }
    for (int s = 0; s < slotCount; ++s) {
        if (slotBanks[s] == nullptr) {
            request.slots.emplace_back();
            continue;
        }
        ComposeSlot slot{slotBanks[s], slotPrograms[s], std::nullopt};
        if (slotNames[s] != nullptr) slot.name = slotNames[s];
        request.slots.emplace_back(std::move(slot));
    }
    for (int k = 0; k < setCount; ++k) {
        const int s = setSlots[k];
        if (s < 0 || s >= slotCount || !request.slots[static_cast<std::size_t>(s)])
            return badRequest(json, cat({"Slot ", s, " has no program to set values of."}));
        const ValuePart part = setParts[k] == 1 ? ValuePart::A : setParts[k] == 2 ? ValuePart::B : ValuePart::Program;
        request.slots[static_cast<std::size_t>(s)]->set.push_back({part, setLabels[k] != nullptr ? setLabels[k] : "", setValues[k]});
    }
    const ExportFormat* output = outputOf(format);
    if (output == nullptr) return badRequest(json, noOutputText(format));
    request.format = output->kind;
    request.modelHint = hintOf(modelHint);
    request.group = group;
    if (bankName != nullptr) request.bankName = bankName;

    ComposeResult result = compose(request);
    gBytes = std::move(result.bytes);
    json.key("exitCode").number(result.exitCode).key("reason").string(reasonName(result.reason));
    json.key("message").string(result.message);
    json.key("size").number(static_cast<long long>(gBytes.size()));
    if (result.exitCode == 0) {
        json.key("report");
        putReport(json, result.report, &result.rounded);
    }
    json.close('}');
    return answer(json);
}

const std::uint8_t* vornak_bytes() { return gBytes.data(); }

// The `count` sounds among the candidates nearest to `target`: `candidates`
// holds `size` bytes, the sounds one after another, each ended by a line
// break; a null `candidates` searches those of the last call again (they
// are kept, read, until other candidates come). Answers
// [{"index":4,"distance":0.0317},...], nearest first.
const char* vornak_similar(const char* target, const char* candidates, std::size_t size, int count) {
    static SoundIndex index;
    if (candidates != nullptr) index.assign(std::string_view(candidates, size));
    Json json;
    json.open('[');
    for (const Neighbour& n : index.nearest(target, static_cast<std::size_t>(std::max(count, 0)))) {
        char distance[32];
        std::snprintf(distance, sizeof distance, "%.6g", n.distance);
        json.open('{').key("index").number(static_cast<long long>(n.index)).key("distance").raw(distance).close('}');
    }
    json.close(']');
    return answer(json);
}

// Every later call refuses an input of more than `bytes` bytes, as one there
// is no memory for ("Error allocating buffer", 2).
void vornak_limit_input(std::size_t bytes) { gInputLimit = bytes; }

// The engine's limits and defaults, for the JavaScript side to check and
// offer what the tool takes:
//   {"inputLimit":1073741824,"nameLength":27,"firstProgram":0,"lastProgram":255,
//    "defaultFormat":"S","fileNameLength":255,"pathLength":4095,"mostPrograms":65536,
//    "noteCodes":["bare-image",...],"reasons":["no-input",...],
//    "models":[{"model":"2.2","number":2,"name":"PPG Wave 2.2"},...],
//    "values":{"program":[{"label":"WAVETABLE","min":0,"max":31,"flag":false},...],"group":[...]}}
// `inputLimit` is the most bytes an input may hold (until vornak_limit_input
// sets another), `nameLength` the most bytes of a program or bank name,
// `firstProgram` and `lastProgram` the range /P gives when it is left out,
// `defaultFormat` compose's output when none is asked for. A file name (a
// part of a path between slashes) holds at most `fileNameLength` bytes and a
// path at most `pathLength`, as on the system the tool is built for: a
// longer one is refused where a run looks it up. No bank holds more than
// `mostPrograms` programs. `noteCodes` and `reasons` are every code a note
// and a failure's reason may have. `models` are the models a memory image
// may be read as (/2.2, /2.3): a call takes one by its `model` or its
// `number` (the functions here take the number). `values` are the values of
// the listing, in the order of describe's parameterLabels, each with its
// range in the listing's units (the widest any format holds) and whether it
// is a single flag.
const char* vornak_limits() {
    const ExportRequest defaults;
    Json json;
    json.open('{').key("inputLimit").number(static_cast<long long>(gInputLimit));
    json.key("nameLength").number(kProgramNameSize - 1);
    json.key("firstProgram").number(defaults.rangeStart).key("lastProgram").number(defaults.rangeEnd);
    json.key("defaultFormat").string(letterOf(*exportFormat(ComposeRequest{}.format)));
    json.key("fileNameLength").number(static_cast<long long>(MemoryFiles::kFileNameLength));
    json.key("pathLength").number(static_cast<long long>(MemoryFiles::kPathLength));
    json.key("mostPrograms").number(kMaxBankPrograms);
    json.key("noteCodes").open('[');
    for (const NoteCode code : noteCodes()) json.string(noteCodeName(code));
    json.close(']').key("reasons").open('[');
    for (const FailureReason reason : failureReasons()) json.string(reasonName(reason));
    json.close(']').key("models").open('[');
    for (const ModelName& m : modelNames()) {
        json.open('{').key("model").string(m.model).key("number").number(static_cast<int>(m.hint));
        json.key("name").string(m.name).close('}');
    }
    json.close(']').key("values").open('{');
    for (const bool inGroup : {false, true}) {
        json.key(inGroup ? "group" : "program").open('[');
        for (const ValueRange& v : valueRanges(inGroup)) {
            json.open('{').key("label").string(v.label()).key("min").number(v.min).key("max").number(v.max);
            json.key("flag").boolean(v.flag).close('}');
        }
        json.close(']');
    }
    json.close('}').close('}');
    return answer(json);
}

} // extern "C"
