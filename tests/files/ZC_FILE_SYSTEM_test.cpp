#include <gtest/gtest.h>

#include "engine/core/ZS_CALLBACK.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "files/ZT_FILE_FIXTURES.h"

#include <cstdlib>
#include <optional>
#include <unistd.h>

using namespace ZOR;
using namespace ZT_TEST;
namespace fs = std::filesystem;

namespace
{
std::string fDataRoot()
{
    return fGetFileSystem()->fGetDataRoot();
}

struct ZS_LOADED
{
    int result = 0;
    std::string bytes;
};

ZS_LOADED fLoad(const std::string& group, const std::string& file)
{
    ZS_RESOURCE entry(file);
    entry.group = group;
    ZS_LOADED loaded;
    loaded.result = fGetFileSystem()->fLoadResource(&entry);
    if (loaded.result == 1)
    {
        EXPECT_EQ(RESOURCE_BYTES_READ, entry.kind);
        loaded.bytes = fBytes(entry.data, entry.size);
        fGetFileSystem()->fUnloadBytes(&entry);
        EXPECT_EQ(nullptr, entry.data);
    }
    else
        EXPECT_EQ(nullptr, entry.data);
    return loaded;
}
}

namespace
{
int gFileErrors = 0;
int fCountFileError(void*)
{
    ++gFileErrors;
    return 0;
}

// Starts a file system in a fresh folder, as the program does in a new working directory.
struct FreshStart : ::testing::Test
{
    void SetUp() override
    {
        start = fs::path(fGetFileSystem()->fGetStartFolder()) / "fresh_start";
        fs::remove_all(start);
        fs::create_directories(start);
        ASSERT_EQ(0, chdir(start.c_str()));
        zcON_FILE_ERROR = fCreateCallback(fCountFileError);
        gFileErrors = 0;
        zcLAST_ERROR = "untouched";
    }
    void TearDown() override
    {
        delete zcON_FILE_ERROR;
        zcON_FILE_ERROR = nullptr;
        fs::current_path(fDataRoot());
        fGetFileSystem();
    }
    fs::path start;
};
}

TEST_F(FreshStart, AMissingDataRootIsCreatedAndBecomesTheCurrentFolder)
{
    {
        ZC_FILE_SYSTEM fileSystem;
        EXPECT_EQ(&fileSystem, zcFILE_SYSTEM);
        EXPECT_EQ(start.string() + "/", fileSystem.fGetStartFolder());
        EXPECT_EQ(start.string() + "/Resources/", fileSystem.fGetDataRoot());
        EXPECT_EQ(2, fGetPathKind((start / "Resources").c_str()));
        EXPECT_EQ((start / "Resources").string(), fs::current_path().string());
        EXPECT_EQ((start / "Resources").string(), fileSystem.fGetCurrentFolder());
    }
    // The slot is fired whether or not the folder could be made.
    EXPECT_EQ(1, gFileErrors);
    EXPECT_EQ("untouched", zcLAST_ERROR);

    ASSERT_EQ(0, chdir(start.c_str()));
    ZC_FILE_SYSTEM again;
    EXPECT_EQ(1, gFileErrors);
}

TEST_F(FreshStart, ADataRootThatCannotBeMadeIsReported)
{
    fs::create_symlink("nowhere/at/all", start / "Resources");
    ZC_FILE_SYSTEM fileSystem;
    EXPECT_EQ(1, gFileErrors);
    EXPECT_EQ("Cant create \"Resources\"directory", zcLAST_ERROR);
    EXPECT_EQ(start.string(), fs::current_path().string());
}

TEST(FileSystem, AFolderPackageListsOnlyItsTopLevelFilesSorted)
{
    const std::string pack = fDataRoot() + "listed";
    for (const char* name : {"b.txt", "a.txt", "C.txt", "sub/deep.txt", "other/x.xml"})
        fPutFile(pack + "/" + name, "x");
    std::vector<std::string> files;
    fListFolder(pack.c_str(), files, false, "*");
    EXPECT_EQ((std::vector<std::string>{"C.txt", "a.txt", "b.txt"}), files);
    std::vector<std::string> folders;
    fListFolder(pack.c_str(), folders, true, "*");
    EXPECT_EQ((std::vector<std::string>{"other", "sub"}), folders);
    std::vector<std::string> none;
    fListFolder((pack + "/missing").c_str(), none, false, "*");
    EXPECT_TRUE(none.empty());
}

TEST(FileSystem, ReadingAnEntryFromAFolderOrAZip)
{
    fPutFile(fDataRoot() + "pack/ten.txt", "0123456789");
    ASSERT_EQ(0, fZip(fDataRoot() + "pack", "", "../pack.zip", "ten.txt"));

    const ZS_LOADED fromFolder = fLoad("pack", "ten.txt");
    ASSERT_EQ(1, fromFolder.result);
    EXPECT_EQ(std::string("0123456789\0", 11), fromFolder.bytes);  // a counted terminating zero
    const ZS_LOADED fromZip = fLoad("pack.zip", "ten.txt");
    ASSERT_EQ(1, fromZip.result);
    EXPECT_EQ("0123456789", fromZip.bytes);

    fPutFile(fDataRoot() + "loose.txt", "loose");
    EXPECT_EQ(std::string("loose\0", 6), fLoad("", "loose.txt").bytes);

    const std::pair<std::pair<const char*, const char*>, int> failures[] = {
        {{"nopack", "ten.txt"}, -1},
        {{"pack", "absent.txt"}, -108},
        {{"pack", ""}, -108},          // the folder itself is no file
        {{"pack.zip", "absent.txt"}, -108},
    };
    for (const auto& f : failures)
        EXPECT_EQ(f.second, fLoad(f.first.first, f.first.second).result) << f.first.first << " " << f.first.second;
}

TEST(FileSystem, CreatingAFolderChain)
{
    const std::string base = fDataRoot() + "chain";
    fs::remove_all(base);
    fs::create_directories(base + "/a");
    EXPECT_TRUE(fCreateFolders((base + "/a/b/c").c_str()));
    EXPECT_EQ(2, fGetPathKind((base + "/a/b/c").c_str()));
    EXPECT_TRUE(fCreateFolders((base + "/a/b").c_str()));
    EXPECT_TRUE(fCreateFolders((base + "\\x\\y/").c_str()));
    EXPECT_EQ(2, fGetPathKind((base + "/x/y").c_str()));
    fPutFile(base + "/file", "");
    EXPECT_FALSE(fCreateFolders((base + "/file/under").c_str()));
}

TEST(FileSystem, AppDataFolderFollowsTheXdgRules)
{
    const auto fKeep = [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto fSet = [](const char* name, const std::optional<std::string>& value) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    };
    const auto xdg = fKeep("XDG_DATA_HOME");
    const auto home = fKeep("HOME");
    struct Case
    {
        std::optional<std::string> xdg, home;
        const char* expected;
    };
    const Case cases[] = {
        {std::string("/data/x"), std::string("/home/u"), "/data/x"},
        {std::nullopt, std::string("/home/u"), "/home/u/.local/share"},
        {std::string(""), std::string("/home/u"), "/home/u/.local/share"},
        {std::string("relative"), std::string("/home/u"), "/home/u/.local/share"},
        {std::nullopt, std::nullopt, nullptr},
    };
    for (const Case& c : cases)
    {
        fSet("XDG_DATA_HOME", c.xdg);
        fSet("HOME", c.home);
        const char* folder = fGetAppDataFolder();
        if (c.expected)
            EXPECT_STREQ(c.expected, folder);
        else
            EXPECT_EQ(nullptr, folder);
    }
    fSet("XDG_DATA_HOME", xdg);
    fSet("HOME", home);
}

TEST(FileSystem, TreeCopyAndDeleteStayInsideTheTree)
{
    const std::string base = fDataRoot() + "trees";
    fs::remove_all(base);
    fPutFile(base + "/source/a.txt", "a");
    fPutFile(base + "/source/sub/b.txt", "b");
    fPutFile(base + "/outside/keep.txt", "keep");
    fs::create_directory_symlink(fs::absolute(base + "/outside"), base + "/source/link");

    EXPECT_TRUE(fCopyPath((base + "/copy").c_str(), (base + "/source").c_str()));
    EXPECT_EQ("b", fGetFile(base + "/copy/sub/b.txt"));
    EXPECT_TRUE(fDeletePath((base + "/source").c_str()));
    EXPECT_EQ(0, fGetPathKind((base + "/source").c_str()));
    EXPECT_EQ("keep", fGetFile(base + "/outside/keep.txt"));
    EXPECT_FALSE(fDeletePath((base + "/source").c_str()));
    EXPECT_FALSE(fCopyPath((base + "/x").c_str(), (base + "/source").c_str()));
}

TEST(FileSystem, SmallFileOperationsReportFailures)
{
    const std::string base = fDataRoot() + "small";
    fs::remove_all(base);
    const std::string text = "saved";
    EXPECT_EQ(1, fWriteFile((base + ".txt").c_str(), text.data(), text.size()));
    char read[5];
    EXPECT_EQ(1, fReadFile((base + ".txt").c_str(), read, 5));
    EXPECT_EQ(-1, fReadFile((base + ".txt").c_str(), read, 6));
    // A write the disk refuses is no saved file.
    EXPECT_EQ(-1, fWriteFile("/dev/full", text.data(), text.size()));

    EXPECT_TRUE(fClearFile((base + ".txt").c_str()));
    EXPECT_EQ("", fGetFile(base + ".txt"));
    EXPECT_FALSE(fClearFile((base + "/missing.txt").c_str()));
    EXPECT_FALSE(fClearFile("no_slash.txt"));

    fPutFile(base + "/from.txt", "from");
    fPutFile(base + "/taken.txt", "taken");
    EXPECT_FALSE(fMoveFile((base + "/taken.txt").c_str(), (base + "/from.txt").c_str()));
    EXPECT_TRUE(fMoveFile((base + "/to.txt").c_str(), (base + "/from.txt").c_str()));
    EXPECT_EQ("from", fGetFile(base + "/to.txt"));
}
