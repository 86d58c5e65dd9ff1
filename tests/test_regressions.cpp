// Files that once made the tool misbehave, each named after what it caught,
// loaded by the built tool with the outcome they must have.

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

using namespace vornak::test;

namespace {

struct Regression {
    const char* file;
    int exitCode;
    const char* expected; // a piece of the output after the banner
};

// 2v-switch-int-min.fxb: a 2.V program whose SW parameter is -1e30; reading
// it once overflowed an int while undoing the shift by one. A float so far
// below the range is read as the lowest value, -8388608, shifted by one.
const Regression kRegressions[] = {
    {"2v-switch-int-min.fxb", 0, "PROG:0   UW0 SW-8388609 KW0"},
};

} // namespace

TEST(Regressions, EachFileGivesItsOutcome) {
    for (const Regression& r : kRegressions) {
        const std::string path = std::string(VORNAK_SOURCE_DIR) + "/tests/data/regressions/" + r.file;
        const RunResult run = runTool({path});
        EXPECT_EQ(run.exitCode, r.exitCode) << r.file;
        EXPECT_NE(withoutBanner(run.out).find(r.expected), std::string::npos) << r.file << "\n" << run.out;
    }
}
