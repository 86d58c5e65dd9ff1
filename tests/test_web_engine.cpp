// The engine's C entry points as the JavaScript side calls them, built
// natively so that the sanitizer build runs them: every request, however
// malformed, is answered with JSON (a refusal in words, or the answer).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "flex_image.h"
#include "test_support.h"

extern "C" {
std::uint8_t* vornak_file(std::size_t size);
char* vornak_text(std::size_t size);
const char* vornak_run(const char* request, std::size_t length);
const char* vornak_listing(const char* request, std::size_t length);
const char* vornak_describe(const char* request, std::size_t length);
const char* vornak_convert(const char* request, std::size_t length);
const char* vornak_compose(const char* request, std::size_t length);
const char* vornak_similar(const char* request, std::size_t length);
const char* vornak_disk(const char* request, std::size_t length);
const std::uint8_t* vornak_bytes();
}

namespace {

using namespace vornak::test;

using Json = nlohmann::json;
using Entry = const char* (*)(const char*, std::size_t);

void give(const Bytes& bytes) {
    std::uint8_t* at = vornak_file(bytes.size());
    ASSERT_NE(at, nullptr);
    if (!bytes.empty()) std::memcpy(at, bytes.data(), bytes.size());
}

Json call(Entry entry, const std::string& request) {
    const char* answer = entry(request.data(), request.size());
    EXPECT_NE(answer, nullptr);
    Json parsed = Json::parse(answer ? answer : "", nullptr, false);
    EXPECT_FALSE(parsed.is_discarded()) << answer;
    return parsed;
}

} // namespace

TEST(WebEngine, EveryMalformedRequestIsRefusedInWords) {
    const Entry entries[] = {vornak_run,     vornak_listing, vornak_describe, vornak_convert,
                             vornak_compose, vornak_similar, vornak_disk};
    const std::string requests[] = {
        "", "{", "[]", "null", "{\"options\":5}", "{\"name\":\"a\\u0000b\"}", "{\"args\":[1],\"files\":[]}",
        "{\"name\":\"x\",\"options\":{\"first\":1e400}}", "{\"name\":\"x\",\"options\":{\"first\":-0.5,\"parameters\":[null]}}",
        "{\"options\":{\"to\":\"S\",\"names\":[\"\\u20ad\"]}}", "{\"request\":{\"programs\":[{\"bank\":\"b\",\"program\":1e20}]},\"banks\":[]}",
        "{\"request\":{\"programs\":[{\"bank\":\"b\",\"program\":0,\"set\":{\"a\":{\"P:3\":1e308}}}]},\"banks\":[\"b\"]}",
        "{\"sound\":\"zz\"}", std::string(100000, '[') + std::string(100000, ']'), "{\"name\":\"../x\"}",
        "{\"name\":\"\xff\"}", "{\"args\":[],\"files\":[\"a\",\"a/b\"]}",
        "{\"options\":{\"to\":\"S\",\"edits\":{\"programs\":{\"99999999999\":{}}}}}",
        "{\"options\":{\"to\":\"W\",\"edits\":{\"programs\":{\"2147483647\":{\"a\":{\"P:3\":1e308}}},"
        "\"combis\":{\"0\":{\"KBM\":-1,\"BK 9\":1}}}}}",
        "{\"options\":{\"to\":\"O\",\"edits\":{\"programs\":{\"3\":{\"sound\":\"00\"}},\"combis\":{\"-1\":{}}}}}",
    };
    for (const Entry entry : entries)
        for (const std::string& request : requests) {
            give(readFile(demoBankPath()));
            const Json answer = call(entry, request);
            EXPECT_TRUE(answer.is_object() || answer.is_array()) << request.substr(0, 80);
        }
    const Json refused = call(vornak_describe, "{\"name\":\"x\",\"options\":{\"frist\":0}}");
    EXPECT_EQ(refused.value("refused", ""), "unknown key \"frist\" in the options of describe: the keys are model, parameters, "
                                             "conversions, first, last, group");
}

TEST(WebEngine, NamesCrossByTheTextRuleBothWays) {
    // A name beyond ASCII (é is byte 0xE9, € byte 0x80) written by convert,
    // and read back by describe.
    give(readFile(demoBankPath()));
    const Json written = call(vornak_convert, "{\"options\":{\"to\":\"W\",\"names\":[\"Caf\\u00e9 \\u20ac\"]}}");
    ASSERT_EQ(written.value("ok", false), true) << written.dump();
    const std::size_t size = written.value("size", std::size_t{0});
    const Bytes file(vornak_bytes(), vornak_bytes() + size);
    const Bytes name{'C', 'a', 'f', 0xE9, ' ', 0x80};
    EXPECT_NE(std::search(file.begin(), file.end(), name.begin(), name.end()), file.end());
    give(file);
    const Json described = call(vornak_describe, "{\"name\":\"x\",\"options\":{\"parameters\":false,\"conversions\":false}}");
    EXPECT_EQ(described["names"][0], "Caf\u00e9 \u20ac");
    // Without a file given: as the tool answers a file it cannot open.
    EXPECT_EQ(call(vornak_describe, "{\"name\":\"x\"}").value("exitCode", -1), 1);
}

TEST(WebEngine, ADiskIsListedWithTheBytesOfEachFileAsCopiedOffIt) {
    FlexImage disk;
    const Bytes bank = readFile(examplePath("demo23-a.usr"));
    disk.addFile("D001.USR", bank);
    disk.addFile("README.TXT", Bytes(300, 'x'), {.month = 12, .day = 31, .year = 86});
    const auto loop = disk.addFile("LOOP.USR", bank);
    disk.link(loop[3], loop[1]);
    give(disk.raw());
    const Json listed = call(vornak_disk, "{\"options\":{\"model\":\"2.2\"}}");
    ASSERT_EQ(listed.value("ok", false), true) << listed.dump();
    EXPECT_EQ(listed["label"], "WAVETERM");
    EXPECT_EQ(listed["date"], "07-14-86");
    EXPECT_EQ(listed["banks"], 1);
    const Json& files = listed["files"];
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0]["holds"], "bank");
    EXPECT_EQ(files[0]["format"], "Waveterm A file");
    EXPECT_EQ(files[1]["holds"], "not-a-bank");
    EXPECT_EQ(files[1]["date"], "12-31-86");
    EXPECT_EQ(files[2]["holds"], "unreadable");
    EXPECT_EQ(files[2]["size"], 0);
    // The readable files' bytes, one after another.
    const Bytes first = asCopied(bank), second = asCopied(Bytes(300, 'x'));
    ASSERT_EQ(files[0]["size"], first.size());
    ASSERT_EQ(files[1]["size"], second.size());
    EXPECT_TRUE(std::equal(first.begin(), first.end(), vornak_bytes()));
    EXPECT_TRUE(std::equal(second.begin(), second.end(), vornak_bytes() + first.size()));

    // Described whole, the image says it holds files; a file that is not a
    // disk image is answered as the reader refuses it.
    give(disk.raw());
    EXPECT_EQ(call(vornak_describe, "{\"name\":\"d.dsk\",\"options\":{\"conversions\":false}}")["holdsFiles"], true);
    give(bank);
    const Json notDisk = call(vornak_disk, "{}");
    EXPECT_EQ(notDisk.value("exitCode", 0), 6);
    EXPECT_EQ(notDisk["message"], "Not a disk image");
    EXPECT_FALSE(notDisk.contains("files"));
    EXPECT_EQ(call(vornak_disk, "{}").value("exitCode", 0), 1); // none given
    EXPECT_EQ(call(vornak_disk, "{\"options\":{\"to\":\"S\"}}").value("refused", ""),
              "unknown key \"to\" in the options of disk: the keys are model");
}
