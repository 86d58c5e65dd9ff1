#include "web/session.h"

#include <exception>
#include <utility>

#include "library/loader.h"

namespace vornak::web {

namespace {

std::vector<FileBytes> gFiles;
std::string gText;
std::vector<std::uint8_t> gBytes;
std::string gAnswer;
std::size_t gInputLimit = kStreamLimit;

} // namespace

std::uint8_t* giveFile(std::size_t size) {
    FileBytes bytes;
    bytes.status = FileBytes::NoMemory;
    if (size <= gInputLimit) bytes = reserveWhole(size, kLoadSpareBytes, kLoadCapacity);
    gFiles.push_back(std::move(bytes));
    return gFiles.back().data.get();
}

std::vector<FileBytes> takeFiles() { return std::exchange(gFiles, {}); }

char* giveText(std::size_t size) {
    try {
        gText.assign(size, '\0');
    } catch (const std::exception&) {
        return nullptr;
    }
    return gText.data();
}

std::string takeText() { return std::exchange(gText, {}); }

std::vector<std::uint8_t>& bytesMade() { return gBytes; }

const char* answer(const Json& json) {
    // Every text in an answer is UTF-8 (the library's by the text rule).
    gAnswer = json.dump(-1, ' ', false, Json::error_handler_t::replace);
    return gAnswer.c_str();
}

const char* refused(const Refusal& refusal) {
    gBytes.clear();
    return answer(Json{{"refused", refusal.message}});
}

std::size_t& inputLimit() { return gInputLimit; }

} // namespace vornak::web
