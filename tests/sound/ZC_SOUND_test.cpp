// Sound logic on openal-soft's null device, which plays in real time to nowhere.
#include <gtest/gtest.h>

#include <malloc.h>

#include <chrono>
#include <list>
#include <map>
#include <memory>
#include <thread>

#include "engine/sound/ZC_SOUND.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"
#include "support/ZT_SOUND.h"

using namespace ZOR;

namespace
{
const std::vector<unsigned char>& fTone(double seconds, int channels = 1)
{
    static std::map<std::pair<double, int>, std::vector<unsigned char>> made;
    auto& ogg = made[{seconds, channels}];
    if (ogg.empty())
        ogg = ZT_TEST::fMakeOgg("synth " + std::to_string(seconds) + " sine 440 vol 0.5", channels);
    return ogg;
}

// Pink noise compresses badly, so its Ogg spans many pages: room to cut and damage it.
const std::vector<unsigned char>& fNoise()
{
    static std::vector<unsigned char> ogg = ZT_TEST::fMakeOgg("synth 2 pinknoise vol 0.5", 2);
    return ogg;
}

int fHeldSources()
{
    ZS_SOUND_LOCK_GUARD guard;
    return zcSOUND_SOURCES;
}

ALint fSourceInt(const ZC_SOUND* sound, ALenum what)
{
    ALint value = -1;
    ZS_SOUND_LOCK_GUARD guard;
    alGetSourcei(sound->fGetSource(), what, &value);
    return value;
}

class SoundTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(system.fOpen(), 1);
        zcFRAME_DELTA = 1.0f / 60.0f;
    }
    void TearDown() override
    {
        thread.reset();
        for (ZC_SOUND* sound : made)
            system.fRemoveSound(sound);
        EXPECT_EQ(fHeldSources(), 0);
    }
    // The sound reads the bytes for its whole life, so they are kept until TearDown removes it.
    ZC_SOUND* fMake(const std::vector<unsigned char>& ogg, bool isStatic)
    {
        kept.push_back(ogg);
        const std::vector<unsigned char>& bytes = kept.back();
        ZC_SOUND* sound = system.fCreateSound(bytes.data(), bytes.size(), 1, isStatic);
        if (sound)
            made.push_back(sound);
        return sound;
    }
    void fStartThread() { thread.reset(new ZT_TEST::ZT_SOUND_THREAD()); }

    ZC_SOUND_SYSTEM system;
    std::vector<ZC_SOUND*> made;
    std::list<std::vector<unsigned char>> kept;
    std::unique_ptr<ZT_TEST::ZT_SOUND_THREAD> thread;
};
}

TEST_F(SoundTest, OpeningReadsTheStreamOrRefusesIt)
{
    const std::vector<unsigned char>& noise = fNoise();
    std::vector<unsigned char> damaged = noise;
    for (std::size_t i = damaged.size() / 3; i < damaged.size() / 3 + 400; ++i)
        damaged[i] ^= 0x5A;
    const std::vector<unsigned char> junk(5000, 0x41);
    struct
    {
        const char* name;
        std::vector<unsigned char> bytes;
        bool isStatic;
        int answer;
        ALenum format;
        double duration;
    } cases[] = {
        {"mono static", fTone(0.2), true, 1, AL_FORMAT_MONO16, 0.2},
        {"mono streamed", fTone(0.2), false, 1, AL_FORMAT_MONO16, 0.2},
        {"stereo", fTone(0.2, 2), true, 1, AL_FORMAT_STEREO16, 0.2},
        {"three channels are uploaded as stereo", fTone(0.2, 3), true, 1, AL_FORMAT_STEREO16, 0.2},
        {"junk", junk, true, -112, 0, 0.0},
        {"empty", {}, true, -112, 0, 0.0},
        {"headers cut short", std::vector<unsigned char>(noise.begin(), noise.begin() + 200), true, -112, 0, 0.0},
        // A cut stream keeps its complete pages and knows their length.
        {"cut in the middle", std::vector<unsigned char>(noise.begin(), noise.begin() + noise.size() / 2), true, 1,
         AL_FORMAT_STEREO16, -1.0},
        {"damaged in the middle", damaged, true, 1, AL_FORMAT_STEREO16, -1.0},
        // A length whose four bytes per frame do not fit a buffer size is refused, not wrapped.
        {"claims 600000000 frames", ZT_TEST::fWithClaimedLength(noise, 600000000), true, -112, 0, 0.0},
        {"claims 2^62 frames", ZT_TEST::fWithClaimedLength(noise, std::int64_t(1) << 62), true, -112, 0, 0.0},
        // A streamed sound needs no buffer of that size.
        {"streamed claims 600000000 frames", ZT_TEST::fWithClaimedLength(noise, 600000000), false, 1, AL_FORMAT_STEREO16,
         600000000 / 44100.0},
        // The buffer is sized from the claim, but only what decodes is kept.
        {"claims 1000000 frames", ZT_TEST::fWithClaimedLength(noise, 1000000), true, 1, AL_FORMAT_STEREO16,
         1000000 / 44100.0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        ZC_SOUND sound;
        ASSERT_EQ(sound.fOpen(c.bytes.data(), c.bytes.size(), 3, c.isStatic), c.answer);
        if (c.answer != 1)
            continue;
        EXPECT_EQ(sound.fGetFormat(), c.format);
        EXPECT_EQ(sound.fGetRate(), 44100);
        EXPECT_EQ(sound.fGetBufferSize(), c.isStatic ? int(4 * sound.fGetDuration() * 44100 + 0.5) : 48000);
        if (c.duration >= 0.0)
            EXPECT_NEAR(sound.fGetDuration(), c.duration, 0.001);
        else
            EXPECT_TRUE(sound.fGetDuration() > 0.1 && sound.fGetDuration() <= 2.0) << sound.fGetDuration();
        EXPECT_TRUE(sound.fIsLoaded());
        // A static sound holds its decoded samples: its source plays at once, not out of an empty buffer.
        EXPECT_EQ(sound.fPlay(), 0);
        EXPECT_EQ(sound.fIsPlaying(), c.isStatic);
        sound.fStop();
    }
}

// Once its samples are in OpenAL's buffer a static sound is never decoded again: it keeps
// no decoder (its tables are tens of kilobytes), only what OpenAL holds of its samples.
TEST_F(SoundTest, AStaticSoundKeepsNoDecoderOnceItsSamplesAreUploaded)
{
    auto inUse = [] {
        const struct mallinfo2 m = mallinfo2();
        return double(m.uordblks + m.hblkhd);
    };
    const std::vector<unsigned char> ogg = fTone(0.05, 2);
    ZC_SOUND* warm = fMake(ogg, true); // OpenAL's first buffer and the codec's first use
    ASSERT_NE(warm, nullptr);
    const double before = inUse();
    const int count = 8;
    for (int i = 0; i < count; ++i)
        ASSERT_NE(fMake(ogg, true), nullptr);
    const double perSound = (inUse() - before) / count - double(ogg.size());
    const double samples = 0.05 * 44100 * 4;
    EXPECT_LT(perSound, samples + 4096) << "bytes held by each static sound beyond its file";
    EXPECT_EQ(warm->fPlay(), 0);
    EXPECT_TRUE(warm->fIsPlaying());
}

TEST_F(SoundTest, BytesThatDoNotOpenLeaveNothingInTheList)
{
    const std::vector<unsigned char> junk(300, 7);
    EXPECT_EQ(system.fCreateSound(junk.data(), junk.size(), 1, true), nullptr);
    EXPECT_EQ(system.fCreateSound(nullptr, 100, 1, false), nullptr);
    EXPECT_EQ(system.fGetSoundCount(), 0u);
    ZC_SOUND* sound = fMake(fTone(0.2), true);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(system.fGetSoundCount(), 1u);
    made.clear();
    EXPECT_EQ(system.fRemoveSound(sound), 1);
    EXPECT_EQ(system.fRemoveSound(sound), -1);
    EXPECT_EQ(system.fRemoveSound(nullptr), -1);
    EXPECT_EQ(system.fGetSoundCount(), 0u);
}

TEST_F(SoundTest, SixteenSoundsPlayAtOnceAndASeventeenthWaitsForAFreeSource)
{
    std::vector<ZC_SOUND*> sounds;
    for (int i = 0; i < 17; ++i)
        sounds.push_back(fMake(fTone(2.0), i % 2 == 0));
    for (int i = 0; i < 16; ++i)
    {
        EXPECT_EQ(sounds[i]->fPlay(), 0);
        EXPECT_TRUE(sounds[i]->fIsActive());
    }
    EXPECT_EQ(fHeldSources(), 16);
    EXPECT_EQ(sounds[16]->fPlay(), 0);
    EXPECT_FALSE(sounds[16]->fIsActive());
    EXPECT_EQ(sounds[16]->fGetSource(), 0u);
    EXPECT_EQ(fHeldSources(), 16);

    sounds[3]->fStop();
    EXPECT_FALSE(sounds[3]->fIsActive());
    EXPECT_EQ(sounds[16]->fPlay(), 0);
    EXPECT_TRUE(sounds[16]->fIsActive());
    EXPECT_EQ(fHeldSources(), 16);
}

TEST_F(SoundTest, PlayOnAPlayingSoundChangesNothingAndRestartStartsOver)
{
    ZC_SOUND* sound = fMake(fTone(2.0), true);
    EXPECT_EQ(sound->fPlay(), 0);
    EXPECT_TRUE(sound->fIsPlaying());
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ALint before = fSourceInt(sound, AL_SAMPLE_OFFSET);
    EXPECT_GT(before, 4410);
    EXPECT_EQ(sound->fPlay(), 1);
    EXPECT_GE(fSourceInt(sound, AL_SAMPLE_OFFSET), before);
    sound->fRestart();
    EXPECT_TRUE(sound->fIsPlaying());
    EXPECT_LT(fSourceInt(sound, AL_SAMPLE_OFFSET), before);
}

TEST_F(SoundTest, StopGivesTheSourceBackAndTheNextPlayStartsFromTheBeginning)
{
    fStartThread();
    for (bool isStatic : {true, false})
    {
        SCOPED_TRACE(isStatic ? "static" : "streamed");
        ZC_SOUND* sound = fMake(fTone(0.4), isStatic);
        sound->fStop();  // stopping a stopped sound does nothing
        EXPECT_EQ(sound->fPlay(), 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        EXPECT_TRUE(sound->fIsActive());
        sound->fStop();
        EXPECT_FALSE(sound->fIsActive());
        EXPECT_EQ(sound->fGetSource(), 0u);
        EXPECT_EQ(fHeldSources(), 0);

        // From the beginning, the whole 0.4 s is played again before the sound ends.
        auto begin = std::chrono::steady_clock::now();
        EXPECT_EQ(sound->fPlay(), 0);
        EXPECT_TRUE(ZT_TEST::fWaitFor([&] { return !sound->fIsActive(); }, 3000));
        double activeFor = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        EXPECT_GT(activeFor, 0.38);
        EXPECT_EQ(fHeldSources(), 0);
    }
}

TEST_F(SoundTest, AnEndedSoundGivesItsSourceBackAndPlaysAgain)
{
    fStartThread();
    for (bool isStatic : {true, false})
    {
        SCOPED_TRACE(isStatic ? "static" : "streamed");
        ZC_SOUND* sound = fMake(fTone(0.1), isStatic);
        EXPECT_EQ(sound->fPlay(), 0);
        EXPECT_TRUE(ZT_TEST::fWaitFor([&] { return !sound->fIsActive(); }, 2000));
        EXPECT_EQ(sound->fGetSource(), 0u);
        EXPECT_EQ(fHeldSources(), 0);
        EXPECT_EQ(sound->fPlay(), 0);
        EXPECT_TRUE(sound->fIsActive());
        EXPECT_TRUE(ZT_TEST::fWaitFor([&] { return !sound->fIsActive(); }, 2000));
    }
}

TEST_F(SoundTest, ADelayedStartBeginsInThePassWhereTheGatheredFrameTimesReachIt)
{
    // Passes are run by hand here, each counting one frame of 0.02 s.
    zcFRAME_DELTA = 0.02f;
    struct
    {
        float first;
        float second;  // 0: not used
        int passes;    // passes until the sound plays; -1: it never does
    } cases[] = {
        {0.0f, 0.0f, 0},
        {0.05f, 0.0f, 3},
        {0.04f, 0.0f, 2},
        {1.0f, 0.03f, 2},    // a new delay replaces a pending one
        {-1.0f, 0.0f, -1},   // a negative delay is kept and never starts the sound
        {-1.0f, 0.01f, 1},   // ... until another delayed start
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.first << " then " << c.second);
        ZC_SOUND* sound = fMake(fTone(1.0), false);
        sound->fPlayAfter(c.first);
        if (c.second != 0.0f)
            sound->fPlayAfter(c.second);
        int passes = 0;
        while (!sound->fIsActive() && passes < 10)
        {
            system.fUpdateStreams();
            ++passes;
        }
        EXPECT_EQ(sound->fIsActive() ? passes : -1, c.passes);
        if (c.passes > 0)
        {
            EXPECT_EQ(sound->fGetStartDelay(), 0.0f);
        }
        sound->fStop();
    }
}

// The thread passes every 10 ms only while a sound needs it, and every 100 ms otherwise: an
// idle game with its music on woke it a hundred times a second for a refill every half second.
TEST_F(SoundTest, ThePassAsksForTheNextWithinTenMillisecondsOnlyWhileASoundNeedsIt)
{
    EXPECT_EQ(system.fUpdateStreams(), 100u) << "nothing at all";
    ZC_SOUND* music = fMake(fTone(2.0), false);
    ZC_SOUND* click = fMake(fTone(0.2), true);
    EXPECT_EQ(system.fUpdateStreams(), 100u) << "nothing playing";
    music->fPlay();
    EXPECT_TRUE(music->fNeedsQuickPass()) << "a stream not yet filled";
    EXPECT_EQ(system.fUpdateStreams(), 100u) << "a stream filled, over a quarter of a second queued";
    EXPECT_TRUE(music->fIsPlaying());
    click->fPlayAfter(0.5f);
    EXPECT_EQ(system.fUpdateStreams(), 10u) << "a start counted down";
    click->fPlayAfter(0.0f);
    EXPECT_EQ(system.fUpdateStreams(), 10u) << "a whole sound playing";
    ASSERT_TRUE(ZT_TEST::fWaitFor([&] {
        system.fUpdateStreams();
        return !click->fIsActive();
    }, 2000));
    EXPECT_EQ(system.fUpdateStreams(), 100u) << "the whole sound ended, its source back";
    EXPECT_EQ(fHeldSources(), 1);
}

// On the thread: a delayed start wakes it from its long wait, so the countdown begins at once
// (without the wake its first pass came anywhere up to 100 ms later).
TEST_F(SoundTest, ADelayedStartWakesTheThreadFromItsLongWait)
{
    fStartThread();
    ZC_SOUND* music = fMake(fTone(3.0), false);
    ASSERT_EQ(music->fPlay(), 0);
    ASSERT_TRUE(ZT_TEST::fWaitFor([&] { return music->fIsPlaying(); }, 1000));
    ZC_SOUND* click = fMake(fTone(0.2), true);
    for (int i = 0; i < 5; ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(130)); // the thread is in a long wait
        const auto asked = std::chrono::steady_clock::now();
        click->fPlayAfter(1000.0f);
        ASSERT_TRUE(ZT_TEST::fWaitFor([&] {
            ZS_SOUND_LOCK_GUARD guard;
            return click->fGetStartDelay() < 1000.0f;
        }, 1000));
        EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(60)) << i;
        click->fPlayAfter(-1.0f); // kept, never counted
    }
}

TEST_F(SoundTest, SeekAndGainActOnlyOnAPlayingSoundWithinItsLength)
{
    for (bool isStatic : {true, false})
    {
        SCOPED_TRACE(isStatic ? "static" : "streamed");
        ZC_SOUND* sound = fMake(fTone(1.0), isStatic);
        EXPECT_EQ(sound->fSeek(100), -1);
        EXPECT_EQ(sound->fSetGain(0.5f), 0);
        ASSERT_EQ(sound->fPlay(), 0);
        EXPECT_EQ(sound->fSeek(-1), -1);
        EXPECT_EQ(sound->fSeek(44100), -1);
        EXPECT_EQ(sound->fSeek(44099), 1);
        EXPECT_TRUE(sound->fIsActive());
        EXPECT_EQ(sound->fSetGain(0.25f), 1);
        ALfloat gain = 0.0f;
        alGetSourcef(sound->fGetSource(), AL_GAIN, &gain);
        EXPECT_FLOAT_EQ(gain, 0.25f);
        sound->fStop();
    }
}

TEST_F(SoundTest, ADamagedStreamPlaysWhatItCanAndThenStops)
{
    fStartThread();
    std::vector<unsigned char> damaged = fNoise();
    // Everything after the first third is garbage: the decoder meets nothing but holes there.
    for (std::size_t i = damaged.size() / 3; i < damaged.size(); ++i)
        damaged[i] = static_cast<unsigned char>(i * 37);
    for (bool isStatic : {true, false})
    {
        SCOPED_TRACE(isStatic ? "static" : "streamed");
        ZC_SOUND* sound = fMake(damaged, isStatic);
        ASSERT_NE(sound, nullptr);
        EXPECT_EQ(sound->fPlay(), 0);
        EXPECT_TRUE(ZT_TEST::fWaitFor([&] { return !sound->fIsActive(); }, 3000));
        EXPECT_EQ(fHeldSources(), 0);
    }
}
