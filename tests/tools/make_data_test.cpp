#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
const fs::path SOURCE = ZOR_SOURCE_DIR;

std::string fRead(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::set<std::string> fFiles(const fs::path& root)
{
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files.insert(fs::relative(entry.path(), root).generic_string());
    return files;
}

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
    ASSERT_EQ(0, std::system(command.c_str())) << fRead(log);

    const fs::path shipped = SOURCE / "Resources";
    const std::set<std::string> made = fFiles(copy / "Resources");
    const std::set<std::string> committed = fFiles(shipped);
    int sameMedia = 0;
    int media = 0;
    for (const std::string& file : committed)
    {
        if (!made.count(file))
        {
            ADD_FAILURE() << "Resources/" << file << " is made by no script of tools/make_data.sh";
            continue;
        }
        const std::string ours = fRead(copy / "Resources" / file);
        if (fIsMedia(file))
        {
            ++media;
            sameMedia += ours == fRead(shipped / file);
            EXPECT_FALSE(ours.empty()) << file;
        }
        else
            EXPECT_TRUE(ours == fRead(shipped / file))
                << "Resources/" << file << " differs from what tools/make_data.sh makes: run it and commit the result";
    }
    for (const std::string& file : made)
        EXPECT_TRUE(committed.count(file)) << "tools/make_data.sh makes Resources/" << file << ", which is not committed";
    std::printf("%d pictures and sounds re-made, %d of them the same to the byte\n", media, sameMedia);

    // The kit's sheets and mock-ups, and the levels' contact sheet, are drawn from the new data as well.
    for (const char* sheet : {"kit.png", "kit_screens.png", "contact_sheet.png"})
        EXPECT_TRUE(fs::exists(copy / "build" / sheet)) << sheet << "\n" << fRead(log);
    fs::remove_all(copy);
}
