// A sound set reads its own list through the repository; sounds come from files in the data root.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/sound/ZC_SOUND.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"
#include "engine/soundbanks/ZC_SOUND_SET.h"
#include "files/ZT_FILE_FIXTURES.h"
#include "support/ZT_SOUND.h"

using namespace ZOR;

namespace
{
class SoundSet : public ::testing::Test
{
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        std::string root = fGetFileSystem()->fGetDataRoot();
        for (const fs::path& item : fs::directory_iterator(root))
            fs::remove_all(item);
        std::vector<unsigned char> tone = ZT_TEST::fMakeOgg("synth 0.2 sine 440 vol 0.5", 1);
        ASSERT_FALSE(tone.empty());
        ZT_TEST::fPutFile(root + "tick.ogg", std::string(tone.begin(), tone.end()));
        ZT_TEST::fPutFile(root + "tock.ogg", std::string(tone.begin(), tone.end()));
        ZT_TEST::fPutFile(root + "set.xml", R"(<sounds>
            <s name="tick" path="tick.ogg" buffcount="2" streamed="true"/>
            <s name="tick" path="missing.ogg" buffcount="2" streamed="true"/>
            <s name="tock" path="tock.ogg" buffcount="2" streamed="false"/>
            <s name="lost" path="missing.ogg" buffcount="1" streamed="true"/>
            <s name="half" path="tick.ogg" streamed="true"/>
        </sounds>)");
        ZT_TEST::fPutFile(root + "other.xml", "<music/>");
        ASSERT_EQ(system.fOpen(), 1);
        repository.reset(new ZC_REPOSITORY);
        zcREPOSITORY = repository.get();
        ASSERT_EQ(repository->fRegister("", ""), 1);
    }
    void TearDown() override
    {
        zcREPOSITORY = nullptr;
        repository.reset();
    }
    int fUsers(const char* name)
    {
        ZS_RESOURCE* entry = repository->fFind(name);
        return entry ? entry->count : -1000;
    }

    ZC_SOUND_SYSTEM system;
    std::unique_ptr<ZC_REPOSITORY> repository;
};
}

TEST_F(SoundSet, CompleteEntriesAreFetchedOnceByName)
{
    ZC_SOUND_SET set;
    EXPECT_FALSE(set.fLoad("nothing.xml"));
    EXPECT_FALSE(set.fLoad("other.xml")) << "no \"sounds\" element";
    ASSERT_TRUE(set.fLoad("set.xml"));
    set.fLoadSounds();

    ASSERT_NE(set.fGetSound("tick"), nullptr) << "the first of a repeated name";
    EXPECT_TRUE(set.fGetSound("tick")->fIsStatic());
    ASSERT_NE(set.fGetSound("tock"), nullptr);
    EXPECT_FALSE(set.fGetSound("tock")->fIsStatic());
    EXPECT_TRUE(set.fHasSound("lost")) << "a failed fetch is held as null";
    EXPECT_EQ(set.fGetSound("lost"), nullptr);
    EXPECT_FALSE(set.fHasSound("half")) << "an entry without all four attributes is skipped";
    EXPECT_EQ(fUsers("tick.ogg"), 1);

    set.fLoadSounds();
    EXPECT_EQ(fUsers("tick.ogg"), 1) << "names already held are not fetched again";
}

TEST_F(SoundSet, ReleasedSoundsAreForgottenAndCanBeFetchedAgain)
{
    {
        ZC_SOUND_SET set;
        ASSERT_TRUE(set.fLoad("set.xml"));
        set.fLoadSounds();
        set.fReleaseSounds();
        EXPECT_EQ(fUsers("tick.ogg"), 0);
        EXPECT_EQ(set.fGetSound("tick"), nullptr);
        set.fLoadSounds();
        EXPECT_EQ(fUsers("tick.ogg"), 1);
    }
    EXPECT_EQ(fUsers("tick.ogg"), 0) << "the set hands back what it holds when it goes";
}
