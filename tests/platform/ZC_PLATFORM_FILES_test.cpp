#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>

#include "engine/platform/ZC_PLATFORM_FILES.h"
#include "files/ZT_FILE_FIXTURES.h"
#include "platform/ZT_FILE_CONDITIONS.h"

using namespace ZOR;
using namespace ZT_TEST;

namespace
{
const std::string OLD_BYTES = "the old save, which must survive\n";

struct DurableTest : ::testing::Test
{
    void SetUp() override
    {
        folder = std::string("files/") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        target = folder + "players.save";
    }
    void TearDown() override { fPlatformFailDurableWriteForTests(DURABLE_STEP_NONE); }

    std::set<std::string> fNames() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::string folder;
    std::string target;
};
}

TEST_F(DurableTest, TheFileHoldsExactlyTheNewBytesAndNothingElseIsLeftBeside)
{
    const struct
    {
        const char* why;
        bool old;
        std::string bytes;
    } cases[] = {
        {"a new file", false, std::string("a\0b\n", 4)},
        {"a longer file replaced by a shorter one", true, "short"},
        {"a shorter file replaced by a longer one", true, std::string(100000, 'x')},
        {"no bytes at all", true, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        std::filesystem::remove(target);
        if (c.old)
            fPutFile(target, OLD_BYTES);
        ASSERT_TRUE(fPlatformWriteFileDurably(target, c.bytes));
        EXPECT_EQ(c.bytes, fGetFile(target));
        EXPECT_EQ(std::set<std::string>{"players.save"}, fNames());
    }
}

TEST_F(DurableTest, AFileTheUserCannotWriteIsReplacedThroughTheFolder)
{
    fPutFile(target, OLD_BYTES);
    ASSERT_EQ(0, chmod(target.c_str(), 0444));
    ZT_OBEY_PERMISSIONS obey;
    ASSERT_TRUE(obey.set);
    std::string read;
    ASSERT_TRUE(fPlatformReadFile(target.c_str(), read, 1000));
    EXPECT_EQ(OLD_BYTES, read);
    EXPECT_TRUE(fPlatformWriteFileDurably(target, std::string("new")));
    EXPECT_EQ("new", fGetFile(target));
    // The new file keeps the old one's permissions.
    struct stat info;
    ASSERT_EQ(0, stat(target.c_str(), &info));
    EXPECT_EQ(0444u, info.st_mode & 07777u);
}

TEST_F(DurableTest, AFailedWriteAnswersFalseAndLeavesTheOldFileByteForByte)
{
    const std::string bytes(4096, 'n');
    const struct
    {
        const char* why;
        ZE_DURABLE_STEP step;
        rlim_t sizeLimit; // 0: none
    } cases[] = {
        {"the temporary file cannot be made", DURABLE_STEP_CREATE, 0},
        {"the disk fills halfway", DURABLE_STEP_WRITE, 0},
        {"the flush fails", DURABLE_STEP_SYNC, 0},
        {"the rename fails", DURABLE_STEP_RENAME, 0},
        {"a real file-size limit below the new size", DURABLE_STEP_NONE, 1000},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        fPutFile(target, OLD_BYTES);
        fPlatformFailDurableWriteForTests(c.step);
        bool written;
        {
            ZT_FILE_SIZE_LIMIT limit(c.sizeLimit ? c.sizeLimit : RLIM_INFINITY);
            written = fPlatformWriteFileDurably(target, bytes);
        }
        fPlatformFailDurableWriteForTests(DURABLE_STEP_NONE);
        EXPECT_FALSE(written);
        EXPECT_EQ(OLD_BYTES, fGetFile(target));
        EXPECT_EQ(std::set<std::string>{"players.save"}, fNames());
    }

    // Real refusals: a folder in the file's place, a folder that does not exist.
    std::filesystem::remove(target);
    std::filesystem::create_directories(target + "/inside");
    EXPECT_FALSE(fPlatformWriteFileDurably(target, bytes));
    EXPECT_TRUE(std::filesystem::is_directory(target + "/inside"));
    EXPECT_EQ(std::set<std::string>{"players.save"}, fNames());
    EXPECT_FALSE(fPlatformWriteFileDurably(folder + "missing/players.save", bytes));
}

TEST_F(DurableTest, MovingAsideNeverReplacesWhatIsThere)
{
    fPutFile(folder + "a", "first");
    fPutFile(folder + "b", "second");
    EXPECT_EQ(0, fPlatformMoveFileNoReplace((folder + "a").c_str(), (folder + "b").c_str()));
    EXPECT_EQ("first", fGetFile(folder + "a"));
    EXPECT_EQ("second", fGetFile(folder + "b"));

    EXPECT_EQ(1, fPlatformMoveFileNoReplace((folder + "a").c_str(), (folder + "c").c_str()));
    EXPECT_EQ("first", fGetFile(folder + "c"));
    EXPECT_FALSE(std::filesystem::exists(folder + "a"));
    EXPECT_EQ(-1, fPlatformMoveFileNoReplace((folder + "a").c_str(), (folder + "d").c_str()));
}

TEST_F(DurableTest, ReadingAWholeFileKeepsToItsLimit)
{
    fPutFile(target, OLD_BYTES);
    std::string read = "kept";
    EXPECT_FALSE(fPlatformReadFile(target.c_str(), read, OLD_BYTES.size() - 1));
    EXPECT_EQ("kept", read);
    EXPECT_FALSE(fPlatformReadFile(folder.c_str(), read, 1000));
    EXPECT_FALSE(fPlatformReadFile((folder + "missing").c_str(), read, 1000));
    EXPECT_TRUE(fPlatformReadFile(target.c_str(), read, OLD_BYTES.size()));
    EXPECT_EQ(OLD_BYTES, read);
}
