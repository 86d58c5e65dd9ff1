// The tool as a WebAssembly engine. Every call is one run on a bank in its
// start-up state, as a new process would have it, so that one engine serves
// any number of runs. The JavaScript side (web/engine/) owns the files in the
// engine's memory file system and collects standard output.

#include <cstdio>
#include <string>

#include "cli/driver.h"
#include "cli/loader.h"
#include "formats/file_io.h"
#include "listing/listing.h"
#include "model/ppg_bank.h"

using namespace vornak;

namespace {

void appendJsonString(std::string& json, const char* text) {
    json += '"';
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '"' || *c == '\\') json += '\\';
        json += *c;
    }
    json += '"';
}

void appendJsonName(std::string& json, const char (&name)[kProgramNameSize]) {
    appendJsonString(json, PrintableName(name).text);
}

// The most an input may bring; until it is set, what the tool allows a pipe.
std::size_t inputLimit = kStreamLimit;

} // namespace

extern "C" {

// argv[0] is the program name, as for main. Answers the exit code.
int vornak_run(int argc, char** argv) {
    PpgBank bank = makeStartupBank();
    const int code = runDriver(argc, argv, bank, inputLimit);
    std::fflush(stdout);
    return code;
}

// Loads the file as the tool would (its message, if any, goes to standard
// output) and answers what it found as JSON text, valid until the next call:
//   {"exitCode":0,"format":"V8 SysEx dump","model":"2.3","bankName":"",
//    "programs":87,"combis":20,"combisInUse":3,"names":["PPG Program 000",...]}
// Names are shown as the listing shows them; bytes from 0x80 up are passed as
// they stand, so the caller decodes the text as it decodes the listing.
const char* vornak_describe(const char* path, int modelHint) {
    static std::string json;
    PpgBank bank = makeStartupBank();
    const char* format = "";
    const int code = loadInputFile(path, modelHint, bank, &format, inputLimit);
    std::fflush(stdout);

    json = "{\"exitCode\":" + std::to_string(code) + ",\"format\":";
    appendJsonString(json, format);
    if (code == 0) {
        const char model[] = {'2', '.', modelLetter(bank), '\0'};
        int combisInUse = 0;
        for (int c = 0; c < bank.combiCount; ++c) combisInUse += bank.combis[static_cast<std::size_t>(c)].used != 0;
        json += ",\"model\":";
        appendJsonString(json, model);
        json += ",\"bankName\":";
        appendJsonName(json, bank.name);
        json += ",\"programs\":" + std::to_string(bank.programCount) + ",\"combis\":" +
                std::to_string(bank.combiCount) + ",\"combisInUse\":" + std::to_string(combisInUse) + ",\"names\":[";
        for (int p = 0; p < bank.programCount; ++p) {
            if (p != 0) json += ',';
            appendJsonName(json, bank.programs[static_cast<std::size_t>(p)].name);
        }
        json += ']';
    }
    json += '}';
    return json.c_str();
}

// Every later run and description refuses an input of more than `bytes`
// bytes, as one there is no memory for ("Error allocating buffer", 2).
void vornak_limit_input(std::size_t bytes) { inputLimit = bytes; }

} // extern "C"
