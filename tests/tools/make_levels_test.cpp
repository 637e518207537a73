#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "support/ZT_TEST_ENV.h"
#include "support/ZT_TEXT_FILES.h"

namespace fs = std::filesystem;
using namespace ZT_TEST;

namespace
{
const std::string SOURCE = ZOR_SOURCE_DIR;
const char* const PYTHON = "/usr/bin/python3";

// Runs a script of tools/ with its arguments; the exit status, with the output in *log.
int fRunScript(const std::string& script, const std::string& arguments, std::string* log)
{
    const fs::path output = fs::current_path() / (script + ".log");
    const std::string command = std::string(PYTHON) + " '" + SOURCE + "/tools/" + script + "' " + arguments + " > '" +
                                output.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    *log = fReadText(output);
    return status;
}
}

TEST(MakeLevels, ReMakesTheShippedLevelDataByteForByte)
{
    ASSERT_TRUE(fs::exists(PYTHON)) << PYTHON << " is missing: tools/setup.sh installs python3";
    const fs::path made = fs::current_path() / "made";
    fs::remove_all(made);
    std::string log;
    ASSERT_EQ(0, fRunScript("make_levels.py", "--out '" + made.string() + "'", &log)) << log;

    const fs::path shipped = fs::path(SOURCE) / "Resources";
    const std::set<std::string> files = fFilesUnder(made);
    ASSERT_GE(files.size(), 62u) << log;
    for (const std::string& file : files)
    {
        ASSERT_TRUE(fs::exists(shipped / file)) << file << " is made but not in Resources: run tools/make_levels.py";
        EXPECT_TRUE(fReadText(made / file) == fReadText(shipped / file))
            << file << " differs from what tools/make_levels.py makes: run it and commit the result";
    }
    // Nor may Resources hold level files that no picture makes any more.
    for (const std::string& file : fFilesUnder(shipped / "data/share/levels"))
        EXPECT_TRUE(files.count("data/share/levels/" + file)) << "data/share/levels/" << file << " has no picture";
}

TEST(MakeLevels, ContactSheetDrawsEveryLevel)
{
    ASSERT_TRUE(fs::exists(PYTHON)) << PYTHON << " is missing: tools/setup.sh installs python3";
    // Left with the tests' other pictures, for anyone to look at.
    const fs::path sheet = fs::path(ZT_TEST::fOutputDir()) / "contact_sheet.png";
    fs::remove(sheet);
    std::string log;
    ASSERT_EQ(0, fRunScript("contact_sheet.py", "'" + sheet.string() + "'", &log)) << log;
    ASSERT_TRUE(fs::exists(sheet)) << log;
    const std::string png = fReadText(sheet);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), png.substr(0, 8));
    EXPECT_NE(std::string::npos, log.find(" levels drawn")) << log;
}
