// The sound banks of the default data set: sound.xml and its Ogg files loaded from Resources
// through the repository, the way the game loads them, on openal-soft's null device.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <memory>
#include <string>

#include "engine/core/ZC_TIMER.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/sound/ZC_SOUND.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "support/ZT_SOUND.h"
#include "support/ZT_TEST_ENV.h"

using namespace ZOR;

namespace
{
class ShippedBanks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(system.fOpen(), 1);
        zcFRAME_DELTA = 1.0f / 60.0f;
        savedRoot = fGetFileSystem()->fGetDataRoot();
        fGetFileSystem()->fSetDataRoot((ZT_TEST::fDataDir() + "/../../Resources/").c_str());
        repository = std::make_unique<ZC_REPOSITORY>();
        zcREPOSITORY = repository.get();
        ASSERT_EQ(repository->fRegister("data/share/main/other", ""), 1);
        ASSERT_EQ(repository->fRegister("data/share/sound", ""), 1);
        pugi::xml_document* doc = repository->fGetXml("data/share/main/other sound.xml");
        ASSERT_NE(doc, nullptr);
        ASSERT_EQ(manager.fLoad(doc->child("sound")), 1);
        repository->fReleaseXml(doc);
        ASSERT_EQ(manager.fLoadGroup("music"), 1);
        ASSERT_EQ(manager.fLoadGroup("sounds"), 1);
    }
    void TearDown() override
    {
        thread.reset();
        for (const char* group : {"music", "sounds"})
        {
            manager.fReleaseGroup(group);
            manager.fClearGroup(group);
        }
        repository->fCollect();
        zcREPOSITORY = nullptr;
        repository.reset();
        fGetFileSystem()->fSetDataRoot(savedRoot.c_str());
    }

    ZC_SOUND_SYSTEM system;
    ZC_SOUND_MANAGER manager;
    std::unique_ptr<ZC_REPOSITORY> repository;
    std::unique_ptr<ZT_TEST::ZT_SOUND_THREAD> thread;
    std::string savedRoot;
};
}

TEST_F(ShippedBanks, EverySoundLoadsEffectsWholeAndMusicStreamed)
{
    ZS_SOUND_GROUP* music = manager.fFindGroup("music");
    ZS_SOUND_GROUP* sounds = manager.fFindGroup("sounds");
    ASSERT_NE(music, nullptr);
    ASSERT_NE(sounds, nullptr);
    EXPECT_GE(music->fGetCount(), 2);

    struct
    {
        ZS_SOUND_GROUP* group;
        bool wholeInMemory;
        double minSeconds, maxSeconds;
    } kinds[] = {{music, false, 25.0, 70.0}, {sounds, true, 0.02, 4.0}};
    for (const auto& kind : kinds)
        for (const auto& entry : kind.group->descriptions)
        {
            SCOPED_TRACE(entry.first);
            const ZC_SOUND* sound = entry.second->sound;
            ASSERT_NE(sound, nullptr) << entry.second->path;
            EXPECT_EQ(sound->fIsStatic(), kind.wholeInMemory);
            EXPECT_GE(sound->fGetDuration(), kind.minSeconds);
            EXPECT_LE(sound->fGetDuration(), kind.maxSeconds);
        }
}

TEST_F(ShippedBanks, TheLevelScreensSoundsPlayByName)
{
    for (const char* name : {"fulltileclick", "emptytileclick", "errorclick", "levelwin", "levelloose", "levelshow",
                             "click"})
    {
        SCOPED_TRACE(name);
        EXPECT_GT(manager.fGetSoundLength("sounds", name), 0.0f);
        EXPECT_EQ(manager.fPlaySound("sounds", name), 1);
        ZC_SOUND* sound = manager.fFindGroup("sounds")->fFind(name)->sound;
        EXPECT_TRUE(sound->fIsActive());
    }
    // The win jingle lowers the music for its own length: long enough to be heard, short
    // enough not to swallow the result window's stars.
    EXPECT_GT(manager.fGetSoundLength("sounds", "levelwin"), 1.5f);
    EXPECT_LT(manager.fGetSoundLength("sounds", "levelwin"), 4.0f);
}

TEST_F(ShippedBanks, MusicPlayListStartsOnItsFirstTrackAndStreams)
{
    thread = std::make_unique<ZT_TEST::ZT_SOUND_THREAD>();
    ASSERT_EQ(manager.fStartPlayList("music", 2.5f), 1);
    ZS_SOUND_GROUP* music = manager.fFindGroup("music");
    ZC_SOUND* first = music->descriptions.begin()->second->sound;
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->fIsActive());
    // Refilled by the sound thread well past its first two buffers, it is still playing.
    ASSERT_FALSE(ZT_TEST::fWaitFor([&] { return !first->fIsActive(); }, 1500));
}
