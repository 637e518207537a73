// Sound banks over openal-soft's null device (plays in real time to nowhere), with short
// Ogg files made by sox at test time.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <filesystem>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/ZC_TIMER.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/sound/ZC_SOUND.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "files/ZT_FILE_FIXTURES.h"
#include "support/ZT_SOUND.h"

using namespace ZOR;

namespace
{
const char* kSoundXml = R"(<sound>
  <group name="music">
    <track name="old" path="old.ogg"/>
  </group>
  <group name="sounds">
    <sound name="click" path="click.ogg" streamed="true" cnt_buffers="3" looped="true"/>
    <sound name="win" path="data/share/main/other win.ogg" streamed="no"/>
    <!-- a comment is no description -->
    <sound name="click" path="click2.ogg" streamed="Yes"/>
  </group>
  <group name="music">
    <track name="b" path="b.ogg"/>
    <track name="a" path="a.ogg"/>
    <track name="c" path="c.ogg"/>
  </group>
  <group>
    <sound path="nameless.ogg"/>
  </group>
</sound>)";

const std::vector<unsigned char>& fTone(double seconds)
{
    static std::map<double, std::vector<unsigned char>> made;
    std::vector<unsigned char>& ogg = made[seconds];
    if (ogg.empty())
        ogg = ZT_TEST::fMakeOgg("synth " + std::to_string(seconds) + " sine 440 vol 0.5", 1);
    return ogg;
}

float fGain(const ZC_SOUND* sound)
{
    ZS_SOUND_LOCK_GUARD guard;
    ALfloat gain = -1.0f;
    alGetSourcef(sound->fGetSource(), AL_GAIN, &gain);
    return gain;
}

// Seconds into the sound that its source has played.
float fOffset(const ZC_SOUND* sound)
{
    ZS_SOUND_LOCK_GUARD guard;
    ALfloat seconds = -1.0f;
    alGetSourcef(sound->fGetSource(), AL_SEC_OFFSET, &seconds);
    return seconds;
}

class Banks : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(system.fOpen(), 1);
        zcFRAME_DELTA = 1.0f / 60.0f;
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(kSoundXml));
        ASSERT_EQ(manager.fLoad(doc.child("sound")), 1);
    }
    void TearDown() override
    {
        thread.reset();
        // The descriptions point at sounds the test made: forget them before they go.
        for (auto& group : manager.groups)
            for (auto& desc : group.second->descriptions)
                desc.second->sound = nullptr;
        for (ZC_SOUND* sound : made)
            system.fRemoveSound(sound);
    }
    // Gives a description a static sound made here, as the repository would.
    ZC_SOUND* fGive(const char* group, const char* name, double seconds)
    {
        kept.push_back(fTone(seconds));
        ZC_SOUND* sound = system.fCreateSound(kept.back().data(), kept.back().size(), 1, true);
        if (!sound)
            return nullptr;
        made.push_back(sound);
        ZS_SOUND_DESC* desc = manager.fFindGroup(group)->fFind(name);
        if (desc)
            desc->sound = sound;
        return sound;
    }
    void fFrames(int n, float delta)
    {
        zcFRAME_DELTA = delta;
        for (int i = 0; i < n; ++i)
            manager.fUpdatePlayLists();
    }

    ZC_SOUND_SYSTEM system;
    ZC_SOUND_MANAGER manager;
    std::vector<ZC_SOUND*> made;
    std::list<std::vector<unsigned char>> kept;
    std::unique_ptr<ZT_TEST::ZT_SOUND_THREAD> thread;
};
}

TEST_F(Banks, SoundXmlGivesGroupsAndDescriptions)
{
    ASSERT_EQ(manager.fGetGroupCount(), 3);
    EXPECT_NE(manager.fFindGroup(""), nullptr) << "a group without a name is the empty name";
    EXPECT_EQ(manager.fCountSounds(), 3 + 2 + 1);

    ZS_SOUND_GROUP* music = manager.fFindGroup("music");
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->fFind("old"), nullptr) << "the later group of the same name is the one used";
    std::vector<std::string> order;
    for (auto& d : music->descriptions)
        order.push_back(d.first);
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(music->volume, 1.0f);
    EXPECT_EQ(music->playListOn, 0);

    ZS_SOUND_GROUP* sounds = manager.fFindGroup("sounds");
    ASSERT_EQ(sounds->fGetCount(), 2);
    struct
    {
        const char* name;
        const char* path;
        int streamed, bufferCount, looped;
    } expected[] = {
        {"click", "click2.ogg", 1, 0, 0}, // the repeated name replaced the first click
        {"win", "data/share/main/other win.ogg", 0, 0, 0},
    };
    for (const auto& e : expected)
    {
        ZS_SOUND_DESC* d = sounds->fFind(e.name);
        ASSERT_NE(d, nullptr) << e.name;
        EXPECT_EQ(d->name, e.name);
        EXPECT_EQ(d->path, e.path);
        EXPECT_EQ(d->streamed, e.streamed) << e.name;
        EXPECT_EQ(d->bufferCount, e.bufferCount) << e.name;
        EXPECT_EQ(d->looped, e.looped) << e.name;
        EXPECT_EQ(d->sound, nullptr) << "nothing is fetched while reading";
    }
}

TEST_F(Banks, MissingGroupsNamesAndSoundsAnswerAsDocumented)
{
    fGive("sounds", "win", 0.2);
    EXPECT_EQ(manager.fPlaySound("nope", "win"), -1);
    EXPECT_EQ(manager.fPlaySoundDelayed("nope", "win", 1.0f), -1);
    EXPECT_EQ(manager.fSetGroupVolume("nope", 50), -1);
    EXPECT_EQ(manager.fLoadGroup("nope"), 0);
    EXPECT_EQ(manager.fReleaseGroup("nope"), 0);
    EXPECT_EQ(manager.fClearGroup("nope"), 0);
    EXPECT_EQ(manager.fGetSoundLength("nope", "win"), 0.0f);
    EXPECT_EQ(manager.fPlaySound("sounds", "nope"), -1);
    EXPECT_EQ(manager.fPlaySound("sounds", "click"), -1) << "described but not loaded";
    EXPECT_EQ(manager.fPlaySoundDelayed("sounds", "click", 0.0f), -1);
    EXPECT_EQ(manager.fGetSoundLength("sounds", "click"), 0.0f);
    EXPECT_NEAR(manager.fGetSoundLength("sounds", "win"), 0.2f, 0.01f);
}

TEST_F(Banks, NamedSoundsPlayAtTheGroupVolume)
{
    ZC_SOUND* win = fGive("sounds", "win", 2.0);
    ASSERT_NE(win, nullptr);
    ASSERT_EQ(manager.fSetGroupVolume("sounds", 40), 1);
    EXPECT_EQ(manager.fPlaySound("sounds", "win"), 1);
    ASSERT_TRUE(win->fIsActive());
    EXPECT_FLOAT_EQ(fGain(win), 0.4f);

    ASSERT_EQ(manager.fSetGroupVolume("sounds", 50), 1);
    EXPECT_FLOAT_EQ(fGain(win), 0.5f) << "a playing sound takes a new volume at once";

    // Playing again starts over; a delayed play of 0 leaves a playing sound alone.
    ASSERT_TRUE(ZT_TEST::fWaitFor([&] { return fOffset(win) > 0.2f; }, 3000));
    EXPECT_EQ(manager.fPlaySoundDelayed("sounds", "win", 0.0f), 1);
    EXPECT_GT(fOffset(win), 0.2f);
    EXPECT_EQ(manager.fPlaySound("sounds", "win"), 1);
    EXPECT_LT(fOffset(win), 0.15f);
    EXPECT_FLOAT_EQ(fGain(win), 0.5f);

    ASSERT_EQ(manager.fSetGroupVolume("sounds", 0), 1);
    win->fStop();
    EXPECT_EQ(manager.fPlaySound("sounds", "win"), 1) << "silenced, yet answered as played";
    EXPECT_EQ(manager.fPlaySoundDelayed("sounds", "win", 0.5f), 1);
    EXPECT_FALSE(win->fIsActive());
    EXPECT_EQ(win->fGetStartDelay(), 0.0f);
}

// A delayed sound gets its source on the sound thread; it must start at the group volume, not
// at OpenAL's default gain of 1 (delayed effects used to ignore the player's volume).
TEST_F(Banks, ADelayedSoundTakesTheGroupVolumeOnceItStarts)
{
    ZC_SOUND* win = fGive("sounds", "win", 2.0);
    ASSERT_EQ(manager.fSetGroupVolume("sounds", 30), 1);
    ASSERT_EQ(manager.fPlaySoundDelayed("sounds", "win", 0.04f), 1);
    EXPECT_FALSE(win->fIsActive());
    system.fUpdateStreams(); // 1/60 s counted down per pass
    system.fUpdateStreams();
    manager.fUpdatePlayLists();
    EXPECT_FALSE(win->fIsActive());
    system.fUpdateStreams();
    ASSERT_TRUE(win->fIsActive());
    EXPECT_FLOAT_EQ(fGain(win), 0.3f);
}

TEST_F(Banks, ThePlayListWalksTheGroupInNameOrderAtPeriodBoundaries)
{
    std::map<std::string, ZC_SOUND*> track;
    for (const char* name : {"a", "b", "c"})
        track[name] = fGive("music", name, 3.0);
    ZS_SOUND_GROUP* music = manager.fFindGroup("music");

    ASSERT_EQ(manager.fStartPlayList("music", 2.5f), 1);
    EXPECT_TRUE(track["a"]->fIsActive());
    fFrames(10, 0.5f);
    EXPECT_EQ(music->current->first, "a") << "a playing track is left alone";

    // Each track ends in turn; the next starts at the next boundary, not before.
    const char* expected[] = {"b", "c", "a", "b"};
    for (const char* next : expected)
    {
        music->current->second->sound->fStop();
        fFrames(4, 0.5f);
        EXPECT_FALSE(track[next]->fIsActive()) << next;
        fFrames(1, 0.5f);
        EXPECT_TRUE(track[next]->fIsActive()) << next;
        EXPECT_EQ(music->current->first, next);
    }
}

TEST_F(Banks, ASilentPlayListKeepsMovingWithoutPlaying)
{
    std::map<std::string, ZC_SOUND*> track;
    for (const char* name : {"a", "b", "c"})
        track[name] = fGive("music", name, 3.0);
    ASSERT_EQ(manager.fSetGroupVolume("music", 0), 1);
    ASSERT_EQ(manager.fStartPlayList("music", 1.0f), 1);
    ZS_SOUND_GROUP* music = manager.fFindGroup("music");
    std::string seen;
    for (int i = 0; i < 4; ++i)
    {
        fFrames(1, 1.0f);
        seen += music->current->first;
    }
    EXPECT_EQ(seen, "bcab");
    for (auto& t : track)
        EXPECT_FALSE(t.second->fIsActive()) << t.first;
}

TEST_F(Banks, AnEmptyGroupRefusesItsListButTheTimerRuns)
{
    ASSERT_EQ(manager.fClearGroup("music"), 1);
    EXPECT_EQ(manager.fStartPlayList("music", 2.0f), -1);
    EXPECT_EQ(manager.playListsOn, 1);
    fFrames(3, 0.5f);
    EXPECT_EQ(manager.playListTimer, 1.5f);

    ZC_SOUND_MANAGER fresh;
    EXPECT_EQ(fresh.fStartPlayList("nothing", 2.0f), -1);
    EXPECT_EQ(fresh.playListsOn, 1) << "even a missing group switches the lists on";
}

TEST_F(Banks, ClearingAGroupEndsItsListAndKeepsItsVolume)
{
    fGive("music", "a", 3.0);
    ASSERT_EQ(manager.fSetGroupVolume("music", 70), 1);
    ASSERT_EQ(manager.fStartPlayList("music", 1.0f), 1);
    ASSERT_EQ(manager.fClearGroup("music"), 1);
    ZS_SOUND_GROUP* music = manager.fFindGroup("music");
    ASSERT_NE(music, nullptr);
    EXPECT_EQ(music->fGetCount(), 0);
    EXPECT_EQ(music->playListOn, 0);
    EXPECT_FLOAT_EQ(music->volume, 0.7f);
    fFrames(5, 1.0f); // no step on the cleared group
    EXPECT_EQ(manager.fPlaySound("music", "a"), -1);
}

// The sound thread ends a finished track: a single-track list plays it again, so the music
// repeats although no sound loops.
TEST_F(Banks, MusicRepeatsThroughThePlayList)
{
    ASSERT_EQ(manager.fClearGroup("music"), 1);
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(R"(<g><track name="only" path="only.ogg"/></g>)"));
    manager.fFindGroup("music")->fLoad(doc.child("g"));
    ZC_SOUND* only = fGive("music", "only", 0.1);
    thread.reset(new ZT_TEST::ZT_SOUND_THREAD());

    ASSERT_EQ(manager.fStartPlayList("music", 0.05f), 1);
    ASSERT_TRUE(only->fIsActive());
    ASSERT_TRUE(ZT_TEST::fWaitFor([&] { return !only->fIsActive(); }, 3000)) << "the track ends by itself";
    fFrames(1, 0.05f);
    EXPECT_TRUE(only->fIsActive()) << "and starts again at the next boundary";
}

namespace
{
// The game's way: sound.xml names files that the repository finds in the data root and in
// the mounted group "data/share/main/other".
class BanksFromFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        namespace fs = std::filesystem;
        root = fGetFileSystem()->fGetDataRoot();
        for (const fs::path& item : fs::directory_iterator(root))
            fs::remove_all(item);
        const std::vector<unsigned char>& tone = fTone(0.3);
        std::string bytes(tone.begin(), tone.end());
        ZT_TEST::fPutFile(root + "click2.ogg", bytes);
        ZT_TEST::fPutFile(root + "b.ogg", bytes);
        ZT_TEST::fPutFile(root + "data/share/main/other/win.ogg", bytes);
        ZT_TEST::fPutFile(root + "c.ogg", "not an ogg file");

        ASSERT_EQ(system.fOpen(), 1);
        repository.reset(new ZC_REPOSITORY);
        zcREPOSITORY = repository.get();
        ASSERT_EQ(repository->fRegister("", ""), 1);
        ASSERT_EQ(repository->fRegister("data/share/main/other", ""), 1);
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(kSoundXml));
        manager.fLoad(doc.child("sound"));
    }
    void TearDown() override
    {
        for (const char* group : {"music", "sounds"})
        {
            manager.fReleaseGroup(group);
            manager.fClearGroup(group);
        }
        zcREPOSITORY = nullptr;
        repository.reset();
    }
    int fUsers(const char* name)
    {
        ZS_RESOURCE* entry = repository->fFind(name);
        return entry ? entry->count : -1000;
    }

    std::string root;
    ZC_SOUND_SYSTEM system;
    std::unique_ptr<ZC_REPOSITORY> repository;
    ZC_SOUND_MANAGER manager;
};
}

TEST_F(BanksFromFiles, LoadingAGroupFetchesItsSoundsWithTheStreamedFlagAsStatic)
{
    ASSERT_EQ(manager.fLoadGroup("sounds"), 1);
    ZS_SOUND_GROUP* sounds = manager.fFindGroup("sounds");
    ZC_SOUND* click = sounds->fFind("click")->sound;
    ZC_SOUND* win = sounds->fFind("win")->sound;
    ASSERT_NE(click, nullptr);
    ASSERT_NE(win, nullptr) << "found in its group";
    EXPECT_TRUE(click->fIsStatic()) << "\"streamed\" true: decoded whole";
    EXPECT_FALSE(win->fIsStatic()) << "no \"streamed\": streamed";
    EXPECT_EQ(fUsers("click2.ogg"), 1);
    EXPECT_EQ(manager.fPlaySound("sounds", "win"), 1);
    EXPECT_TRUE(win->fIsActive());

    // A second load fetches nothing more.
    ASSERT_EQ(manager.fLoadGroup("sounds"), 1);
    EXPECT_EQ(fUsers("click2.ogg"), 1);
}

TEST_F(BanksFromFiles, MissingOrBrokenFilesLeaveTheirSoundsEmpty)
{
    ASSERT_EQ(manager.fLoadGroup("music"), 1);
    ZS_SOUND_GROUP* music = manager.fFindGroup("music");
    EXPECT_EQ(music->fFind("a")->sound, nullptr) << "no file";
    EXPECT_EQ(music->fFind("c")->sound, nullptr) << "not Ogg Vorbis";
    ASSERT_NE(music->fFind("b")->sound, nullptr);
    EXPECT_EQ(manager.fPlaySound("music", "a"), -1);

    // The list passes over the tracks it cannot play.
    ASSERT_EQ(manager.fStartPlayList("music", 1.0f), 1);
    zcFRAME_DELTA = 1.0f;
    manager.fUpdatePlayLists();
    EXPECT_EQ(music->current->first, "b");
    EXPECT_TRUE(music->fFind("b")->sound->fIsActive());

    // A later load tries the missing ones again.
    ZT_TEST::fPutFile(root + "a.ogg", std::string(fTone(0.3).begin(), fTone(0.3).end()));
    ASSERT_EQ(repository->fRegister("", ""), 1);
    ASSERT_EQ(manager.fLoadGroup("music"), 1);
    EXPECT_NE(music->fFind("a")->sound, nullptr);
}

// A released group's descriptions used to keep their handles, which the repository frees at its
// next collect; now they are forgotten: playing answers -1, and loading fetches them again.
TEST_F(BanksFromFiles, AReleasedGroupHandsItsSoundsBackAndPlaysNothing)
{
    ASSERT_EQ(manager.fLoadGroup("sounds"), 1);
    ASSERT_EQ(manager.fReleaseGroup("sounds"), 1);
    EXPECT_EQ(fUsers("click2.ogg"), 0);
    EXPECT_EQ(manager.fFindGroup("sounds")->fFind("click")->sound, nullptr);
    repository->fCollect();
    EXPECT_EQ(manager.fPlaySound("sounds", "click"), -1);
    EXPECT_EQ(manager.fGetSoundLength("sounds", "click"), 0.0f);

    ASSERT_EQ(manager.fLoadGroup("sounds"), 1);
    EXPECT_EQ(fUsers("click2.ogg"), 1);
    EXPECT_EQ(manager.fPlaySound("sounds", "click"), 1);
}

TEST_F(BanksFromFiles, ReadingTheBanksAgainHandsBackWhatTheReplacedGroupsHeld)
{
    ASSERT_EQ(manager.fLoadGroup("sounds"), 1);
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(kSoundXml));
    manager.fLoad(doc.child("sound"));
    EXPECT_EQ(fUsers("click2.ogg"), 0);
    EXPECT_EQ(manager.fFindGroup("sounds")->fFind("click")->sound, nullptr);
}
