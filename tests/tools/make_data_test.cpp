#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "support/ZT_TEXT_FILES.h"

namespace fs = std::filesystem;
using namespace ZT_TEST;

namespace
{
const fs::path SOURCE = ZOR_SOURCE_DIR;

// Pictures and sounds come out of Pillow, FreeType, sox and libvorbis, whose versions may
// differ from the machine that made the shipped ones; everything else is ours to the byte.
bool fIsMedia(const std::string& file)
{
    const std::string extension = fs::path(file).extension().string();
    return extension == ".png" || extension == ".ogg" || extension == ".jpg";
}
}

// The scripts of tools/ (copied, so that they write below a Resources of their own) re-make
// the whole data set from nothing with tools/make_data.sh.
TEST(MakeData, ScriptsReMakeTheShippedDataFromNothing)
{
    ASSERT_TRUE(fs::exists("/usr/bin/python3")) << "/usr/bin/python3 is missing: tools/setup.sh installs python3";
    const fs::path copy = fs::current_path() / "remade";
    fs::remove_all(copy);
    fs::create_directories(copy / "Resources");
    fs::copy(SOURCE / "tools", copy / "tools", fs::copy_options::recursive);
    for (const auto& entry : fs::recursive_directory_iterator(copy / "tools"))
        if (entry.is_directory() && entry.path().filename() == "__pycache__")
            fs::remove_all(entry.path());

    const fs::path log = copy / "make_data.log";
    const std::string command = "bash '" + (copy / "tools/make_data.sh").string() + "' > '" + log.string() + "' 2>&1";
    ASSERT_EQ(0, std::system(command.c_str())) << fReadText(log);

    const fs::path shipped = SOURCE / "Resources";
    const std::set<std::string> made = fFilesUnder(copy / "Resources");
    const std::set<std::string> committed = fFilesUnder(shipped);
    int sameMedia = 0;
    int media = 0;
    for (const std::string& file : committed)
    {
        if (!made.count(file))
        {
            ADD_FAILURE() << "Resources/" << file << " is made by no script of tools/make_data.sh";
            continue;
        }
        const std::string ours = fReadText(copy / "Resources" / file);
        if (fIsMedia(file))
        {
            ++media;
            sameMedia += ours == fReadText(shipped / file);
            EXPECT_FALSE(ours.empty()) << file;
        }
        else
            EXPECT_TRUE(ours == fReadText(shipped / file))
                << "Resources/" << file << " differs from what tools/make_data.sh makes: run it and commit the result";
    }
    for (const std::string& file : made)
        EXPECT_TRUE(committed.count(file)) << "tools/make_data.sh makes Resources/" << file << ", which is not committed";
    std::printf("%d pictures and sounds re-made, %d of them the same to the byte\n", media, sameMedia);

    // The kit's sheets and mock-ups, and the levels' contact sheet, are drawn from the new data as well.
    for (const char* sheet : {"kit.png", "kit_screens.png", "contact_sheet.png"})
        EXPECT_TRUE(fs::exists(copy / "build" / sheet)) << sheet << "\n" << fReadText(log);
    fs::remove_all(copy);
}
