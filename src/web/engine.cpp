// The tool as a WebAssembly engine: the library's functions over bytes, for
// the JavaScript side (web/engine/). Each call takes one request, a JSON
// object (requests.h), with its files handed over before it (session.h),
// and answers one JSON object, beside the bytes it made. Every call works
// on a bank in its start-up state, as a new process would have it, so that
// one engine serves any number of calls. Nothing here uses a file system:
// a run of the tool sees its files through MemoryFiles and prints into
// memory; every other call goes through the library.
//
// A request refused (the caller's mistake) is answered {"refused":"why"}.

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "cli/driver.h"
#include "io/memory_files.h"
#include "library/conversions.h"
#include "library/disk.h"
#include "library/edits.h"
#include "library/loader.h"
#include "library/sounds.h"
#include "formats/text.h"
#include "listing/listing.h"
#include "web/answers.h"
#include "web/session.h"

using namespace vornak;
using namespace vornak::web;

namespace {

// The one input of a call that loads a file, read in place. A call given
// none answers as the tool does for a file it cannot open; one that could
// not be held (giveFile) as for a file it has no memory for.
LoadOutcome loadGiven(std::vector<FileBytes>& files, ModelHint hint, PpgBank& bank) {
    if (files.empty()) return failedLoad(kNoInput);
    FileBytes& file = files.front();
    if (file.status != FileBytes::Read) return failedLoad(kTooLarge);
    return loadBuffer(file.data.get(), file.size, hint, bank);
}

// What a call printed, as the tool prints it, into the bytes it answers.
// False when there was no memory for it.
template <typename Print>
bool printed(Print print) {
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* out = ::open_memstream(&text, &size);
    if (out == nullptr) return false;
    print(out);
    const bool whole = std::fclose(out) == 0;
    bytesMade().assign(text, text + (whole ? size : 0));
    std::free(text);
    return whole;
}

// Reads the request, makes the answer, and answers a refusal for a request
// that is not as the call takes it. Every call starts without the bytes of
// the one before.
template <typename Call>
const char* serve(const char* request, std::size_t length, Call call) {
    bytesMade().clear();
    std::vector<FileBytes> files = takeFiles();
    try {
        return call(requestOf(request, length), files);
    } catch (const Refusal& refusal) {
        return refused(refusal);
    }
}

} // namespace

extern "C" {

// Hands over a file of `size` bytes for the next call (the request names
// them in the order given): answers where its bytes go, for the caller to
// fill; null for a file above the input limit, or one there is no memory
// for, which the call answers as the tool answers an input it has no
// memory for.
std::uint8_t* vornak_file(std::size_t size) { return giveFile(size); }

// Hands over the text of the sounds the next similar call searches.
char* vornak_text(std::size_t size) { return giveText(size); }

const std::uint8_t* vornak_bytes() { return bytesMade().data(); }

// One run of the tool: {"args":[...],"files":[names]}, args without the
// program name. Answers {"exitCode":0,"output":1234,"files":[{"name":7,
// "size":10245},...]} and at vornak_bytes() what it printed, then for each
// file it wrote its name (UTF-8) and its bytes. Null when there is no
// memory for the output.
const char* vornak_run(const char* request, std::size_t length) {
    return serve(request, length, [](const Json& r, std::vector<FileBytes>& given) -> const char* {
        const RunRequest run = runRequest(r);
        std::vector<const char*> argv{"vornak"};
        for (const std::string& arg : run.args) argv.push_back(arg.c_str());
        int code = 0;
        std::vector<std::pair<std::string, std::vector<std::uint8_t>>> written;
        const bool whole = printed([&](std::FILE* out) {
            MemoryFiles files(out);
            for (std::size_t i = 0; i < run.files.size() && i < given.size(); ++i)
                files.add(run.files[i], std::move(given[i]));
            PpgBank bank = makeStartupBank();
            code = runDriver(static_cast<int>(argv.size()), argv.data(), bank, inputLimit(), files, out);
            written.assign(files.written().begin(), files.written().end());
        });
        if (!whole) return nullptr;
        Json files = Json::array();
        std::vector<std::uint8_t>& bytes = bytesMade();
        const std::size_t output = bytes.size();
        for (const auto& [name, content] : written) {
            files.push_back({{"name", name.size()}, {"size", content.size()}});
            bytes.insert(bytes.end(), name.begin(), name.end());
            bytes.insert(bytes.end(), content.begin(), content.end());
        }
        return answer({{"ok", code == 0}, {"exitCode", code}, {"output", output}, {"files", std::move(files)}});
    });
}

// The tool's listing of the file given, as it prints it for
// `vornak [/P…] [/2.x] name`: {"name":...,"options":{...}}. Answers
// {"ok":true,"exitCode":0,"output":1234}, what it printed at vornak_bytes().
const char* vornak_listing(const char* request, std::size_t length) {
    return serve(request, length, [](const Json& r, std::vector<FileBytes>& given) -> const char* {
        const ListingRequest asked = listingRequest(r);
        PpgBank bank = makeStartupBank();
        const LoadOutcome outcome = loadGiven(given, asked.hint, bank);
        const bool whole = printed([&](std::FILE* out) {
            printBanner(out);
            if (!outcome.message.empty()) std::fprintf(out, "%s\n", outcome.message.c_str());
            if (outcome.code == 0) printListing(bank, asked.written.first, asked.written.last, out);
        });
        if (!whole) return nullptr;
        return answer({{"ok", outcome.code == 0}, {"exitCode", outcome.code}, {"output", bytesMade().size()}});
    });
}

// Loads the file given as the tool would and says what it holds:
// {"name":...,"options":{...}}, answered as VornakDescription declares.
const char* vornak_describe(const char* request, std::size_t length) {
    return serve(request, length, [](const Json& r, std::vector<FileBytes>& given) {
        const DescribeRequest asked = describeRequest(r);
        PpgBank bank = makeStartupBank();
        const LoadOutcome outcome = loadGiven(given, asked.hint, bank);
        Json described = outcomeAnswer(outcome);
        if (outcome.code == 0) putBank(described, bank, outcome, asked);
        return answer(described);
    });
}

// Writes the bank of the file given in another format, as the tool's export
// writes it, with new names and the edits (writeEdited) where given:
// {"options":{...}}. Answers {"ok":true,...,"size":10245,"fileName":
// "bank.fxb","keeps":{...},"notes":[...]}, the file's bytes at
// vornak_bytes(); or why not. With edits, "keeps" has "rounded":[...].
const char* vornak_convert(const char* request, std::size_t length) {
    return serve(request, length, [](const Json& r, std::vector<FileBytes>& given) {
        const ConvertRequest asked = convertRequest(r);
        if (!asked.unmet.empty()) return answer(nothingWritten(answerOf(kBadRequest, {asked.unmet}), true));
        PpgBank bank = makeStartupBank();
        LoadOutcome outcome = loadGiven(given, asked.hint, bank);
        if (outcome.code != 0)
            return answer(nothingWritten(inText({outcome.code, outcome.reason, outcome.message, outcome.explanation}), true));
        for (std::size_t p = 0; p < asked.names.size() && p < static_cast<std::size_t>(bank.programCount()); ++p) {
            if (!asked.names[p]) continue;
            // A name given anew is the program's, also where the file's was cut.
            const std::string problem = renameProgram(bank, static_cast<int>(p), *asked.names[p], outcome.namesCut);
            if (!problem.empty()) return answer(nothingWritten(inText(answerOf(kBadRequest, {problem})), true));
        }
        const Written& w = asked.written;
        EditedFile file = writeEdited(bank, asked.edits, *asked.format, w.first, w.last, w.group, outcome.namesCut);
        if (file.failure.exitCode != 0) return answer(nothingWritten(inText(file.failure), true));
        bytesMade() = std::move(file.bytes);
        ConversionReport& keeps = file.report;
        noteUntrusted(keeps, outcome.untrusted, bank.programCount());
        return answer({{"ok", true},
                       {"exitCode", 0},
                       {"reason", ""},
                       {"message", ""},
                       {"explanation", ""},
                       {"size", bytesMade().size()},
                       {"fileName", asked.fileName},
                       {"keeps", reportAnswer(keeps, asked.editsGiven ? &file.rounded : nullptr, "program")},
                       {"notes", notesAnswer(outcome.notes)}});
    });
}

// Builds a bank from programs of the banks given and writes it:
// {"request":{...},"banks":[names]}. Answers {"ok":true,...,"size":10245,
// "report":{...,"rounded":[...]},"sounds":[...],"records":[...]}, the
// file's bytes at vornak_bytes(); or why not.
const char* vornak_compose(const char* request, std::size_t length) {
    return serve(request, length, [](const Json& r, std::vector<FileBytes>& given) {
        ComposeCall call = composeRequest(r);
        if (!call.unmet.empty()) return answer(nothingWritten(answerOf(kBadRequest, {call.unmet}), false));
        for (std::size_t i = 0; i < call.files.size() && i < given.size(); ++i) {
            FileBytes& file = given[i];
            // As the tool answers an input it cannot hold.
            if (file.status != FileBytes::Read) return answer(nothingWritten(inText(answerOf(kTooLarge)), false));
            // Held as the loader reads it, each is read in place, once.
            call.compose.banks.push_back({call.files[i], file.data.get(), file.size, file.data.get()});
        }
        ComposeResult result = compose(call.compose);
        if (result.exitCode != 0)
            return answer(nothingWritten(inText({result.exitCode, result.reason, result.message, ""}), false));
        bytesMade() = std::move(result.bytes);
        return answer({{"ok", true},
                       {"exitCode", 0},
                       {"reason", ""},
                       {"message", ""},
                       {"size", bytesMade().size()},
                       {"report", reportAnswer(result.report, &result.rounded)},
                       {"sounds", std::move(result.sounds)},
                       {"records", std::move(result.records)}});
    });
}

// What the disk image given holds, as the tool lists it for `vornak
// disk.dsk`: {"options":{"model":...}}, answered as VornakDisk declares;
// at vornak_bytes() the bytes of each readable file, as copied off the
// disk, one after another in directory order (each file's "size").
const char* vornak_disk(const char* request, std::size_t length) {
    return serve(request, length, [](const Json& r, std::vector<FileBytes>& given) {
        const DiskRequest asked = diskRequest(r);
        DiskReport report;
        if (given.empty() || given.front().status != FileBytes::Read) {
            report.failure = answerOf(given.empty() ? kNoInput : kTooLarge);
            return answer(diskAnswer(report));
        }
        const FileBytes& file = given.front();
        report = readDisk({file.data.get(), file.size}, asked.hint, true);
        const Json disk = diskAnswer(report);
        std::vector<std::uint8_t>& bytes = bytesMade();
        for (DiskFile& f : report.files) {
            bytes.insert(bytes.end(), f.copied.begin(), f.copied.end());
            std::vector<std::uint8_t>().swap(f.copied);
        }
        return answer(disk);
    });
}

// The sounds nearest to a sound, nearest first: {"sound":...,"options":
// {...},"kept":false}, the sounds searched handed over as one text, a line
// each (vornak_text); with "kept" those of the last call again (they are
// kept, read, until other sounds come). Answers [{"index":4,
// "distance":0.0317},...].
const char* vornak_similar(const char* request, std::size_t length) {
    static SoundIndex index;
    // The sounds handed over are this call's, whether it is refused or not.
    const std::string sounds = takeText();
    return serve(request, length, [&sounds](const Json& r, std::vector<FileBytes>&) {
        const SimilarRequest asked = similarRequest(r);
        if (!asked.keptSounds) index.assign(sounds);
        Json found = Json::array();
        for (const Neighbour& n : index.nearest(asked.sound, asked.count)) {
            char distance[32];
            std::snprintf(distance, sizeof distance, "%.6g", n.distance);
            found.push_back({{"index", n.index}, {"distance", std::strtod(distance, nullptr)}});
        }
        return answer(found);
    });
}

const char* vornak_formats() { return answer(formatsAnswer()); }

const char* vornak_limits() { return answer(limitsAnswer()); }

// Every later call refuses an input of more than `bytes` bytes, as one there
// is no memory for ("Error allocating buffer", 2).
void vornak_limit_input(std::size_t bytes) { inputLimit() = bytes; }

} // extern "C"
