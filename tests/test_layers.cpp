// The sources' includes. Which layer may include which is the build's to
// enforce (each layer finds only its own headers and those of the layers it
// links); what it cannot see is checked here: every include names a header
// by its layer's folder, and no units (a header and its source) include one
// another in a circle.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// "library/loader" for src/library/loader.h and src/library/loader.cpp.
using Unit = std::string;
using Graph = std::map<Unit, std::set<Unit>>;

Graph includesOfSources(std::vector<std::string>& badIncludes) {
    const fs::path src = fs::path(VORNAK_SOURCE_DIR) / "src";
    const std::regex include(R"(^\s*#\s*include\s*"([^"]*)\")");
    const std::regex byLayer(R"(^[a-z]+/[a-z_0-9]+\.h$)");
    Graph graph;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
        const fs::path& path = entry.path();
        if (!entry.is_regular_file() || (path.extension() != ".h" && path.extension() != ".cpp")) continue;
        const Unit unit = path.parent_path().filename().string() + "/" + path.stem().string();
        graph[unit];
        std::ifstream in(path);
        std::smatch m;
        for (std::string line; std::getline(in, line);) {
            if (!std::regex_search(line, m, include)) continue;
            const std::string header = m[1];
            if (!std::regex_match(header, byLayer) || !fs::exists(src / header)) {
                badIncludes.push_back(unit + ": " + header);
                continue;
            }
            const Unit to = header.substr(0, header.size() - 2);
            if (to != unit) graph[unit].insert(to);
        }
    }
    return graph;
}

// A circle of units, as "a -> b -> a"; empty when there is none.
std::string findCircle(const Graph& graph) {
    enum class Mark { New, Open, Done };
    std::map<Unit, Mark> marks;
    std::vector<Unit> path;
    std::string circle;
    const auto visit = [&](const auto& self, const Unit& unit) -> bool {
        marks[unit] = Mark::Open;
        path.push_back(unit);
        for (const Unit& next : graph.at(unit)) {
            if (marks[next] == Mark::Open) {
                for (auto it = std::find(path.begin(), path.end(), next); it != path.end(); ++it) circle += *it + " -> ";
                circle += next;
                return true;
            }
            if (marks[next] == Mark::New && self(self, next)) return true;
        }
        path.pop_back();
        marks[unit] = Mark::Done;
        return false;
    };
    for (const auto& [unit, edges] : graph)
        if (marks[unit] == Mark::New && visit(visit, unit)) break;
    return circle;
}

} // namespace

TEST(Layers, IncludesNameHeadersByLayerAndMakeNoCircle) {
    std::vector<std::string> badIncludes;
    const Graph graph = includesOfSources(badIncludes);
    ASSERT_GT(graph.size(), 20u) << "the sources were not found";
    EXPECT_TRUE(badIncludes.empty()) << "not a header of src/ by its layer's folder: " << badIncludes.front();
    EXPECT_EQ(findCircle(graph), "");

    // The check finds a circle where there is one.
    Graph planted = graph;
    planted["model/ppg_program"].insert("model/ppg_bank");
    EXPECT_NE(findCircle(planted), "");
}
