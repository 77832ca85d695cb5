// The folders under src/ are the layers of the program. A folder may include
// from the folders below it and from its own; the calculation folders may
// include each other. An include that runs upwards (a calculation function
// that reaches for a control, a control that reaches for a handler) breaks the
// picture a reader relies on, so it fails here with its file and line.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Rank of each folder: a file may include from folders of its own rank or below.
const std::map<std::string, int> &layerRanks()
{
    static const std::map<std::string, int> ranks = {
        {"catalogue", 0}, {"corrosion", 0}, {"engine", 0}, {"output", 0}, {"units", 0},
        {"platform", 1},  {"form", 2},      {"window", 3}, {"driver", 4},
    };
    return ranks;
}

// The folder directly under src/ of a path relative to src/, or "" for none.
std::string topFolder(const std::string &relative)
{
    const auto slash = relative.find('/');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

struct UpwardInclude
{
    std::string where; // file:line
    std::string included;
};

std::vector<UpwardInclude> upwardIncludes(const fs::path &srcRoot)
{
    static const std::regex includeLine(R"(^\s*#\s*include\s*"([^"]+)\")");
    std::vector<UpwardInclude> found;
    for (const auto &entry : fs::recursive_directory_iterator(srcRoot)) {
        if (!entry.is_regular_file())
            continue;
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp")
            continue;
        const std::string relative = fs::relative(entry.path(), srcRoot).generic_string();
        const auto own = layerRanks().find(topFolder(relative));
        std::ifstream in(entry.path());
        std::string line;
        int lineNo = 0;
        while (std::getline(in, line)) {
            ++lineNo;
            std::smatch m;
            if (!std::regex_search(line, m, includeLine))
                continue;
            const std::string included = m[1].str();
            const auto target = layerRanks().find(topFolder(included));
            if (target == layerRanks().end())
                continue; // a file of the same folder, named without its folder
            if (own == layerRanks().end() || target->second > own->second)
                found.push_back({"src/" + relative + ":" + std::to_string(lineNo), included});
        }
    }
    return found;
}

TEST(LayerIncludes, NoFolderUnderSrcIncludesFromALayerAboveIt)
{
    const fs::path srcRoot = fs::path(PILECORR_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::is_directory(srcRoot));
    for (const auto &entry : fs::directory_iterator(srcRoot)) {
        if (!entry.is_directory())
            continue;
        const std::string folder = entry.path().filename().string();
        EXPECT_TRUE(layerRanks().count(folder))
            << "src/" << folder << " is not a known layer; give it its place in the order";
    }
    for (const UpwardInclude &u : upwardIncludes(srcRoot))
        ADD_FAILURE() << u.where << " includes \"" << u.included << "\" from a layer above its own";
}

// The check itself must see an upward include: a small tree with one.
TEST(LayerIncludes, ReportsAnUpwardIncludeWithItsFileAndLine)
{
    const fs::path root = fs::temp_directory_path() / "pilecorr-layer-check";
    fs::remove_all(root);
    fs::create_directories(root / "engine");
    fs::create_directories(root / "window");
    std::ofstream(root / "engine" / "calc.cpp") << "#include \"units/format.h\"\n"
                                                   "#include \"engine/other.h\"\n"
                                                   "\n"
                                                   "#include \"window/app.h\"\n";
    std::ofstream(root / "window" / "handlers.cpp") << "#include \"engine/calc.h\"\n"
                                                       "#include \"form/control.h\"\n";
    const std::vector<UpwardInclude> found = upwardIncludes(root);
    fs::remove_all(root);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].where, "src/engine/calc.cpp:4");
    EXPECT_EQ(found[0].included, "window/app.h");
}

} // namespace
