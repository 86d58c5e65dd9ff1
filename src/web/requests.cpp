#include "web/requests.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "io/memory_files.h"
#include "library/sounds.h"
#include "formats/text.h"
#include "web/text_rule.h"

namespace vornak::web {

void refuse(std::string message) { throw Refusal{std::move(message)}; }

namespace {

// A value as a refusal shows it: strings quoted (cut after 60 characters),
// objects and arrays by their kind, a value left out as undefined.
std::string show(const Json* value) {
    if (value == nullptr) return "undefined";
    if (value->is_object()) return "[object Object]";
    if (value->is_array()) return "[object Array]";
    if (!value->is_string()) return value->dump();
    std::string text = value->get<std::string>();
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (++characters > 60) {
            text.resize(i);
            text += "\u2026";
            break;
        }
    }
    return Json(text).dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string joined(std::initializer_list<const char*> words) {
    std::string text;
    for (const char* w : words) text += (text.empty() ? "" : ", ") + std::string(w);
    return text;
}

// An object of options: only the keys listed; a key left out, or null, is
// not given.
class Options {
public:
    Options(const Json* value, std::string what, std::initializer_list<const char*> keys) : what_(std::move(what)) {
        if (value == nullptr || value->is_null()) return;
        if (!value->is_object()) refuse(what_ + " must be an object, not " + show(value));
        for (const auto& item : value->items())
            if (std::none_of(keys.begin(), keys.end(), [&](const char* k) { return item.key() == k; })) {
                const Json key(item.key());
                refuse("unknown key " + show(&key) + " in " + what_ + ": the keys are " + joined(keys));
            }
        object_ = value;
    }

    // The value given, null included; nullptr when left out.
    const Json* given(const char* key) const {
        if (object_ == nullptr) return nullptr;
        const auto found = object_->find(key);
        return found == object_->end() ? nullptr : &*found;
    }
    // The value given, neither left out nor null.
    const Json* operator[](const char* key) const {
        const Json* value = given(key);
        return value == nullptr || value->is_null() ? nullptr : value;
    }

private:
    const Json* object_ = nullptr;
    std::string what_;
};

const Json* member(const Json& object, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

std::string text(const std::string& what, const Json* value) {
    if (value == nullptr || !value->is_string()) refuse(what + " must be a string, not " + show(value));
    const std::string& s = value->get_ref<const std::string&>();
    if (s.find('\0') != std::string::npos) refuse(what + " holds a NUL character: " + show(value));
    return s;
}

// A whole number from `low` to `high`, or none.
std::optional<long long> wholeNumber(const Json* value, long long low, long long high) {
    if (value == nullptr || !value->is_number()) return std::nullopt;
    if (value->is_number_unsigned()) {
        const auto n = value->get<std::uint64_t>();
        if (n > static_cast<std::uint64_t>(high)) return std::nullopt;
        return static_cast<long long>(n);
    }
    if (value->is_number_integer()) {
        const auto n = value->get<std::int64_t>();
        return n >= low && n <= high ? std::optional<long long>(n) : std::nullopt;
    }
    const double d = value->get<double>();
    if (!(d >= static_cast<double>(low) && d <= static_cast<double>(high)) || d != std::floor(d)) return std::nullopt;
    return static_cast<long long>(d);
}

constexpr long long kIntMax = 2147483647;

int programNumber(const std::string& what, const Json* value) {
    const auto n = wholeNumber(value, 0, kIntMax);
    if (!n) refuse(what + " must be a program number (a whole number from 0), not " + show(value));
    return static_cast<int>(*n);
}

// The /2.x hint: one of the models, by its text or its number; left out,
// the data decide.
ModelHint modelOf(const Options& o) {
    const Json* model = o["model"];
    if (model == nullptr) return ModelHint::Detect;
    std::string names;
    for (const ModelName& m : modelNames()) {
        if ((model->is_string() && model->get_ref<const std::string&>() == m.model) ||
            (model->is_number() && model->get<double>() == static_cast<int>(m.hint)))
            return m.hint;
        names += (names.empty() ? "'" : " or '") + std::string(m.model) + "'";
    }
    refuse("model must be " + names + " (or left out, for the data to decide), not " + show(model));
}

int groupOf(const Options& o) {
    const Json* group = o["group"];
    if (group == nullptr) return kGroupA;
    if (group->is_string() && group->get_ref<const std::string&>() == "A") return kGroupA;
    if (group->is_string() && group->get_ref<const std::string&>() == "B") return kGroupB;
    refuse("group must be 'A' or 'B', not " + show(group));
}

// The range of /P: either end left out is the tool's default; not `first`
// above `last`.
Written writtenOf(const Options& o) {
    Written w;
    const Json* first = o["first"];
    const Json* last = o["last"];
    if (first != nullptr) w.first = programNumber("first", first);
    if (last != nullptr) w.last = programNumber("last", last);
    if (first != nullptr && last != nullptr && w.first > w.last)
        refuse(cat({"first must not be above last, not ", w.first, " and ", w.last}));
    return w;
}

// An output format by its switch letter, in either case; `other` names
// what else the option may be.
const ExportFormat& formatOf(const std::string& what, const Json* letter, const char* other = "") {
    if (letter != nullptr && letter->is_string() && letter->get_ref<const std::string&>().size() == 1)
        if (const ExportFormat* format = exportFormatForLetter(letter->get_ref<const std::string&>()[0])) return *format;
    std::string letters;
    for (const ExportFormat& f : exportFormats()) letters += (letters.empty() ? "" : ", ") + std::string(1, f.switchLetter());
    refuse(what + " must be " + other + "the switch letter of an output format (" + letters + "), not " + show(letter));
}

// Names as the bank model holds them: bytes by the text rule. A character
// that stands for no byte makes the request one that cannot be met, said
// in words (`unmet`, the first such).
std::optional<std::string> nameBytes(const std::string& what, const Json* value, std::string& unmet) {
    const std::string given = text(what, value);
    std::optional<std::string> bytes = bytesOfText(given);
    if (!bytes && unmet.empty()) {
        std::string sentence = what;
        sentence[0] = static_cast<char>(sentence[0] - 'a' + 'A');
        unmet = sentence + " holds a character that a name cannot hold: " + Json(given).dump() + ".";
    }
    return bytes;
}

bool tooLong(const std::string& path) {
    if (path.size() > MemoryFiles::kPathLength) return true;
    for (std::size_t at = 0; at <= path.size();) {
        const std::size_t end = std::min(path.find('/', at), path.size());
        if (end - at > MemoryFiles::kFileNameLength) return true;
        at = end + 1;
    }
    return false;
}

// The names of input files: relative paths below the run's folder ("bank.syx",
// "banks/a.syx") that the tool's system could hold; no name another's folder.
std::vector<std::string> fileNames(const Json* names) {
    if (names == nullptr || !names->is_array()) refuse("the files must be named, not " + show(names));
    std::vector<std::string> checked;
    std::map<std::string, bool> isFolder;
    const auto claim = [&](const std::string& path, bool folder) {
        const auto [at, added] = isFolder.emplace(path, folder);
        const Json shown(path);
        if (!added && at->second != folder) refuse(show(&shown) + " is the name of a file and of a folder");
    };
    for (const Json& given : *names) {
        const std::string name = text("a file name", &given);
        for (std::size_t at = 0; at <= name.size();) {
            const std::size_t end = std::min(name.find('/', at), name.size());
            const std::string_view part(name.data() + at, end - at);
            if (part.empty() || part == "." || part == "..") refuse("not a plain relative file name: " + show(&given));
            if (end < name.size()) claim(name.substr(0, end), true);
            at = end + 1;
        }
        if (tooLong(name))
            refuse(cat({"a file name is too long for the tool's system (at most ", MemoryFiles::kFileNameLength,
                        " bytes between slashes and ", MemoryFiles::kPathLength, " in all, as UTF-8): ", show(&given)}));
        claim(name, false);
        checked.push_back(name);
    }
    return checked;
}

// The one file of describe and listing.
void oneFileName(const Json& request) {
    const Json* name = member(request, "name");
    text("a file name", name);
    Json names = Json::array();
    names.push_back(*name);
    fileNames(&names);
}

// A value set by a label: any whole number (the library says which are
// beyond the label's range).
double wholeValue(const Json& value, const std::string& what) {
    if (!value.is_number() || !std::isfinite(value.get<double>()) || value.get<double>() != std::floor(value.get<double>()))
        refuse(what + " must be a whole number, not " + show(&value));
    return value.get<double>();
}

// New values of a program: program, a and b of `parts`, each an object
// of labels to whole numbers. Which labels there are and what they range
// over the library says (a request that cannot be met); here only the form
// is checked.
std::vector<ValueSetting> settingsOf(const Options& parts, const std::string& where) {
    static constexpr std::pair<const char*, ValuePart> kParts[] = {
        {"program", ValuePart::Program}, {"a", ValuePart::A}, {"b", ValuePart::B}};
    std::vector<ValueSetting> settings;
    for (const auto& [key, part] : kParts) {
        const Json* values = parts[key];
        if (values == nullptr) continue;
        if (!values->is_object())
            refuse(std::string(key) + " in " + where + " must be an object of labels to values, not " + show(values));
        for (const auto& item : values->items()) {
            const Json label(item.key());
            const std::string name = text("a label in " + where, &label);
            settings.push_back({part, name, wholeValue(item.value(), item.key() + " of " + key + " in " + where)});
        }
    }
    return settings;
}

std::vector<ValueSetting> settingsOf(std::size_t slot, const Json* set) {
    const std::string where = cat({"the set of slot ", slot});
    return settingsOf(Options(set, where, {"program", "a", "b"}), where);
}

// A key of an object of edits: a program or combi number as JavaScript
// writes it (0, 12; no sign, no leading zero).
int numberKey(const std::string& what, const std::string& key) {
    const bool digits = std::all_of(key.begin(), key.end(), [](char c) { return c >= '0' && c <= '9'; });
    const bool plain = digits && !key.empty() && key.size() <= 10 && (key.size() == 1 || key[0] != '0') &&
                       std::stoll(key) <= kIntMax;
    if (!plain) {
        const Json shown(key);
        refuse(what + " must be keyed by their numbers (whole numbers from 0), not " + show(&shown));
    }
    return std::stoi(key);
}

// The object of an edit, keyed by numbers.
const Json& editsObject(const Json* value, const std::string& what) {
    if (!value->is_object()) refuse(what + " must be an object keyed by numbers, not " + show(value));
    return *value;
}

// The edits of convert: {programs: {7: {sound, program, a, b}}, combis:
// {2: {"BK 1": 12}}}.
BankEdits editsOf(const Json* given) {
    const Options o(given, "edits", {"programs", "combis"});
    BankEdits edits;
    if (const Json* programs = o["programs"]) {
        for (const auto& item : editsObject(programs, "programs in edits").items()) {
            const int number = numberKey("the programs in edits", item.key());
            const std::string where = cat({"the edits of program ", number});
            if (!item.value().is_object()) refuse(where + " must be an object, not " + show(&item.value()));
            const Options parts(&item.value(), where, {"sound", "program", "a", "b"});
            ProgramEdit edit{number, std::nullopt};
            if (const Json* sound = parts["sound"]) {
                edit.sound = text("sound in " + where, sound);
                PpgProgram program;
                if (edit.sound->find('\n') != std::string::npos || !programOfSound(*edit.sound, program))
                    refuse("sound in " + where + " must be a sound as describe answers it, not " + show(sound));
            }
            edit.set = settingsOf(parts, where);
            edits.programs.push_back(std::move(edit));
        }
    }
    if (const Json* combis = o["combis"]) {
        for (const auto& item : editsObject(combis, "combis in edits").items()) {
            const int number = numberKey("the combis in edits", item.key());
            const std::string where = cat({"the edits of combi ", number});
            if (!item.value().is_object()) refuse(where + " must be an object of labels to values, not " + show(&item.value()));
            CombiEdit edit{number};
            for (const auto& value : item.value().items()) {
                const Json label(value.key());
                const std::string name = text("a label in " + where, &label);
                edit.set.push_back({name, wholeValue(value.value(), value.key() + " in " + where)});
            }
            edits.combis.push_back(std::move(edit));
        }
    }
    return edits;
}

} // namespace

Json requestOf(const char* text, std::size_t length) {
    Json request = Json::parse(text, text + length, nullptr, false);
    if (!request.is_object()) refuse("the request is not a JSON object");
    return request;
}

RunRequest runRequest(const Json& request) {
    RunRequest run;
    const Json* args = member(request, "args");
    if (args == nullptr || !args->is_array()) refuse("args must be an array of strings, not " + show(args));
    for (const Json& arg : *args) run.args.push_back(text("an argument", &arg));
    run.files = fileNames(member(request, "files"));
    return run;
}

DescribeRequest describeRequest(const Json& request) {
    oneFileName(request);
    const Options o(member(request, "options"), "the options of describe",
                    {"model", "parameters", "conversions", "first", "last", "group"});
    DescribeRequest d;
    if (const Json* parameters = o["parameters"]) {
        if (parameters->is_array()) {
            // No bank holds more programs: a longer list is refused before
            // it is walked.
            if (parameters->size() > static_cast<std::size_t>(kMaxBankPrograms))
                refuse(cat({"parameters lists ", parameters->size(), " programs; a bank holds at most ", kMaxBankPrograms}));
            d.allParameters = false;
            for (std::size_t i = 0; i < parameters->size(); ++i) {
                const Json& p = (*parameters)[i];
                if (p.is_null()) refuse(cat({"parameters must list program numbers; entry ", i, " is none"}));
                d.parameters.push_back(programNumber("a program number in parameters", &p));
            }
        } else if (parameters->is_boolean()) {
            d.allParameters = parameters->get<bool>();
        } else {
            refuse("parameters must be true, false or an array of program numbers, not " + show(parameters));
        }
    }
    // Left out, every format's report; null, none.
    if (const Json* conversions = o.given("conversions")) {
        if (conversions->is_null() || conversions->is_boolean())
            d.conversions = conversions->is_boolean() && conversions->get<bool>();
        else
            d.onlyFormat = &formatOf("conversions", conversions, "true, false or ");
    }
    d.written = writtenOf(o);
    d.hint = modelOf(o);
    d.written.group = groupOf(o);
    return d;
}

ListingRequest listingRequest(const Json& request) {
    oneFileName(request);
    const Options o(member(request, "options"), "the options of listing", {"model", "first", "last"});
    ListingRequest l;
    l.written = writtenOf(o);
    l.hint = modelOf(o);
    return l;
}

ConvertRequest convertRequest(const Json& request) {
    const Options o(member(request, "options"), "the options of convert",
                    {"to", "first", "last", "group", "model", "name", "names", "edits"});
    ConvertRequest c;
    if (o["to"] == nullptr) refuse("convert needs the option to: the switch letter of an output format");
    c.format = &formatOf("to", o["to"]);
    const Written given = writtenOf(o);
    c.hint = modelOf(o);
    const int group = groupOf(o);
    // Only what the format takes reaches the writer, as the tool ignores
    // the rest.
    if (c.format->takesRange()) {
        c.written.first = given.first;
        c.written.last = given.last;
    }
    if (c.format->takesGroup()) c.written.group = group;
    const std::string name = o["name"] != nullptr ? text("name", o["name"]) : "bank";
    if (name.empty()) refuse("name must be a file name, not \"\"");
    // The input's name with the format's extension in place of its own (the
    // part from its last dot, unless the dot begins the name or a folder's).
    const std::size_t slash = name.rfind('/');
    const std::size_t dot = name.rfind('.');
    const bool extension = dot != std::string::npos && dot > 0 && (slash == std::string::npos || dot > slash + 1);
    c.fileName = (extension ? name.substr(0, dot) : name) + c.format->extension;
    if (const Json* names = o["names"]) {
        if (!names->is_array() || names->size() > static_cast<std::size_t>(kMaxBankPrograms))
            refuse(cat({"names must be an array of at most ", kMaxBankPrograms, " names or nulls, not ", show(names)}));
        for (std::size_t i = 0; i < names->size(); ++i) {
            const Json& n = (*names)[i];
            c.names.push_back(n.is_null() ? std::nullopt : nameBytes(cat({"the name of program ", i}), &n, c.unmet));
        }
    }
    c.edits = editsOf(o["edits"]);
    c.editsGiven = o["edits"] != nullptr;
    return c;
}

ComposeCall composeRequest(const Json& request) {
    const Options o(member(request, "request"), "the request of compose",
                    {"banks", "programs", "format", "model", "group", "bankName"});
    ComposeCall call;
    call.files = fileNames(member(request, "banks"));
    const Json* programs = o["programs"];
    if (programs == nullptr || !programs->is_array()) refuse("programs must be an array of slots, not " + show(programs));
    if (programs->size() > static_cast<std::size_t>(kMaxBankPrograms))
        refuse(cat({"programs has ", programs->size(), " slots; a bank holds at most ", kMaxBankPrograms, " programs"}));
    ComposeRequest& r = call.compose;
    for (std::size_t i = 0; i < programs->size(); ++i) {
        const Json& given = (*programs)[i];
        if (given.is_null()) {
            r.slots.emplace_back();
            continue;
        }
        const Options s(&given, "a slot", {"bank", "program", "name", "set"});
        ComposeSlot slot;
        slot.bank = text("the bank of a slot", s["bank"]);
        const auto program = wholeNumber(s["program"], -kIntMax - 1, kIntMax);
        if (!program) refuse("the program of a slot must be a whole number, not " + show(s["program"]));
        slot.program = static_cast<int>(*program);
        if (s["name"] != nullptr) {
            std::optional<std::string> name = nameBytes(cat({"the name of slot ", i}), s["name"], call.unmet);
            if (name) slot.name = std::move(*name);
        }
        slot.set = settingsOf(i, s["set"]);
        r.slots.emplace_back(std::move(slot));
    }
    const Json* format = o["format"];
    const Json defaultFormat(std::string(1, exportFormat(r.format)->switchLetter()));
    r.format = formatOf("format", format != nullptr ? format : &defaultFormat).kind;
    if (o["bankName"] != nullptr)
        if (std::optional<std::string> name = nameBytes("the bank name", o["bankName"], call.unmet)) r.bankName = std::move(*name);
    r.modelHint = modelOf(o);
    r.group = groupOf(o);
    return call;
}

DiskRequest diskRequest(const Json& request) {
    const Options o(member(request, "options"), "the options of disk", {"model"});
    return {modelOf(o)};
}

SimilarRequest similarRequest(const Json& request) {
    const Options o(member(request, "options"), "the options of similar", {"count"});
    SimilarRequest s;
    const Json* sound = member(request, "sound");
    if (sound == nullptr || !sound->is_string() || sound->get_ref<const std::string&>().find('\n') != std::string::npos)
        refuse("sound must be a sound as describe answers it, not " + show(sound));
    s.sound = sound->get<std::string>();
    if (const std::string problem = soundProblem(s.sound); !problem.empty())
        refuse("sound must be a sound as describe answers it (" + problem + "), not " + show(sound));
    if (const Json* count = o["count"]) {
        const auto n = wholeNumber(count, 1, kMaxBankPrograms);
        if (!n) refuse(cat({"count must be a whole number from 1 to ", kMaxBankPrograms, ", not ", show(count)}));
        s.count = static_cast<std::size_t>(*n);
    }
    const Json* kept = member(request, "kept");
    s.keptSounds = kept != nullptr && kept->is_boolean() && kept->get<bool>();
    return s;
}

} // namespace vornak::web
