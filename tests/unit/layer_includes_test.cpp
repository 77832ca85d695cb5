// The folders under src/ are the layers of the program. A folder may include
// from the folders below it and from its own; the calculation folders may
// include each other. An include that runs upwards (a calculation function
// that reaches for a control, a control that reaches for a handler) breaks the
// picture a reader relies on, so it fails here with its file and line. The
// build refuses most of them too; this check also sees the ways around it: a
// relative include ("../window/app.h"), a project header in angle brackets,
// and a Qt header of another module than QtCore.

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
    std::string why;
};

// Whether a Qt header named in angle brackets (<QString>, <QtCore/QString>,
// <QtGui/QPainter>, <QPainter>) belongs to QtCore: QtCore's own include folder
// holds it.
bool isQtCoreHeader(const std::string &name, const fs::path &qtCoreDir)
{
    const auto slash = name.find('/');
    if (slash != std::string::npos)
        return name.substr(0, slash) == "QtCore" && fs::exists(qtCoreDir / name.substr(slash + 1));
    return fs::exists(qtCoreDir / name);
}

std::vector<UpwardInclude> upwardIncludes(const fs::path &srcRoot, const fs::path &qtCoreDir)
{
    static const std::regex includeLine(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
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
            const bool quoted = m[1].str() == "\"";
            const std::string included = m[2].str();
            const std::string where = "src/" + relative + ":" + std::to_string(lineNo);
            const auto target = layerRanks().find(topFolder(included));
            if (included.find("..") != std::string::npos ||
                included.find('\\') != std::string::npos) {
                found.push_back({where, included, "names a path relative to its own folder"});
                continue;
            }
            if (!quoted) {
                if (target != layerRanks().end())
                    found.push_back({where, included, "names a project header in angle brackets"});
                else if (included[0] == 'Q' && !isQtCoreHeader(included, qtCoreDir))
                    found.push_back({where, included, "needs a Qt module other than QtCore"});
                continue;
            }
            if (target == layerRanks().end())
                continue; // a file of the same folder, named without its folder
            if (own == layerRanks().end() || target->second > own->second)
                found.push_back({where, included, "comes from a layer above its own"});
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
    ASSERT_TRUE(fs::exists(fs::path(PILECORR_QTCORE_INCLUDE_DIR) / "QString"));
    for (const UpwardInclude &u : upwardIncludes(srcRoot, PILECORR_QTCORE_INCLUDE_DIR))
        ADD_FAILURE() << u.where << " includes \"" << u.included << "\": it " << u.why;
}

// The check itself must see each kind of upward include: a small tree with
// one of each beside includes that are allowed.
TEST(LayerIncludes, ReportsEachWayUpWithItsFileAndLine)
{
    const fs::path root = fs::temp_directory_path() / "pilecorr-layer-check";
    fs::remove_all(root);
    fs::create_directories(root / "engine");
    fs::create_directories(root / "window");
    std::ofstream(root / "engine" / "calc.cpp") << "#include \"units/format.h\"\n"
                                                   "#include \"engine/other.h\"\n"
                                                   "#include <QString>\n"
                                                   "#include <QtCore/QLocale>\n"
                                                   "#include <vector>\n"
                                                   "#include \"window/app.h\"\n"
                                                   "#include \"../window/app.h\"\n"
                                                   "#include <window/app.h>\n"
                                                   "#include <QPainter>\n"
                                                   "#include <QtGui/QColor>\n";
    std::ofstream(root / "window" / "handlers.cpp") << "#include \"engine/calc.h\"\n"
                                                       "#include \"form/control.h\"\n";
    const std::vector<UpwardInclude> found = upwardIncludes(root, PILECORR_QTCORE_INCLUDE_DIR);
    fs::remove_all(root);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"src/engine/calc.cpp:6", "window/app.h"},  {"src/engine/calc.cpp:7", "../window/app.h"},
        {"src/engine/calc.cpp:8", "window/app.h"},  {"src/engine/calc.cpp:9", "QPainter"},
        {"src/engine/calc.cpp:10", "QtGui/QColor"},
    };
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(found[i].where, expected[i].first) << i;
        EXPECT_EQ(found[i].included, expected[i].second) << i;
    }
}

} // namespace
