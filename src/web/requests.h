#pragma once

// The engine's requests, one JSON object a call, read and checked here:
// what the JavaScript side passes through from its caller, with the bytes
// of the files handed over apart (session.h). A request that is not of the
// shape its call takes is refused in words that name what was given and
// what is expected (web/vornak.d.ts declares the shapes for callers); a
// request of the right shape that cannot be met (a name that no bytes
// stand for) is answered, not refused.

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "library/compose.h"
#include "library/edits.h"
#include "library/format_table.h"

namespace vornak::web {

// Keys in the order they were given and written.
using Json = nlohmann::ordered_json;

// The caller's mistake. The JavaScript side throws it as a TypeError with
// the code bad-option.
struct Refusal {
    std::string message;
};
[[noreturn]] void refuse(std::string message);

// The text of a request: a JSON object.
Json requestOf(const char* text, std::size_t length);

// A range of programs as /P gives it, and the group of /G.
struct Written {
    int first = 0;
    int last = kDefaultRangeEnd;
    int group = kGroupA;
};

struct RunRequest {
    std::vector<std::string> args;
    std::vector<std::string> files; // the names of the files handed over, in order
};
RunRequest runRequest(const Json& request);

// The values asked for: every program's, none, or those listed.
struct DescribeRequest {
    ModelHint hint = ModelHint::Detect;
    bool allParameters = true;
    std::vector<int> parameters;
    bool conversions = true;
    const ExportFormat* onlyFormat = nullptr; // the one report asked for; none for all
    Written written;
};
DescribeRequest describeRequest(const Json& request);

struct ListingRequest {
    ModelHint hint = ModelHint::Detect;
    Written written;
};
ListingRequest listingRequest(const Json& request);

struct ConvertRequest {
    const ExportFormat* format = nullptr;
    ModelHint hint = ModelHint::Detect;
    Written written;     // what the format takes of the range and group; the tool's defaults for the rest
    std::string fileName; // the file written: the input's name with the format's extension
    std::vector<std::optional<std::string>> names; // new names as bytes, by program number
    BankEdits edits;      // new sounds and values of programs and combis, in the order given
    bool editsGiven = false; // whether the request has edits (even none): its report says what was rounded
    std::string unmet;   // why the request cannot be met, when a name stands for no bytes
};
ConvertRequest convertRequest(const Json& request);

struct ComposeCall {
    ComposeRequest compose;        // its sources named, their bytes not yet given
    std::vector<std::string> files; // the names of the banks handed over, in order
    std::string unmet;             // why the request cannot be met, when a name stands for no bytes
};
ComposeCall composeRequest(const Json& request);

// A disk image, read with the loader's model hint for the files on it.
struct DiskRequest {
    ModelHint hint = ModelHint::Detect;
};
DiskRequest diskRequest(const Json& request);

struct SimilarRequest {
    std::string sound;
    std::size_t count = 5;
    bool keptSounds = false; // search the sounds of the last call, kept read
};
SimilarRequest similarRequest(const Json& request);

} // namespace vornak::web
