// The sound system on openal-soft's null device, with the sound thread running beside the main thread.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/sound/ZC_SOUND.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"
#include "support/ZT_SOUND.h"

using namespace ZOR;

TEST(SoundSystem, OpeningSetsTheListenerAndPublishesTheSystem)
{
    ZC_SOUND_SYSTEM system;
    EXPECT_EQ(zcSOUND_SYSTEM, &system);
    ASSERT_EQ(system.fOpen(), 1);
    EXPECT_TRUE(system.fHasDevice());
    EXPECT_EQ(system.fGetDeviceError(), ALC_NO_ERROR);
    ALfloat position[3] = {}, orientation[6] = {};
    alGetListenerfv(AL_POSITION, position);
    alGetListenerfv(AL_ORIENTATION, orientation);
    EXPECT_EQ(std::vector<float>(position, position + 3), std::vector<float>({1, 1, 1}));
    EXPECT_EQ(std::vector<float>(orientation, orientation + 6), std::vector<float>({1, 1, 2, 0, 0, 0}));
    system.fApplyListenerPosition();
    EXPECT_EQ(alGetError(), AL_NO_ERROR);
}

TEST(SoundSystem, TheSoundThreadRunsWhileTheMainThreadMakesPlaysAndRemovesSounds)
{
    const std::vector<unsigned char> shortTone = ZT_TEST::fMakeOgg("synth 0.05 sine 440 vol 0.5", 1);
    const std::vector<unsigned char> longTone = ZT_TEST::fMakeOgg("synth 0.6 sine 660 vol 0.5", 2);
    ZC_SOUND_SYSTEM system;
    ASSERT_EQ(system.fOpen(), 1);
    zcFRAME_DELTA = 1.0f / 60.0f;
    ZT_TEST::ZT_SOUND_THREAD thread;

    std::vector<ZC_SOUND*> sounds;
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
    for (int round = 0; std::chrono::steady_clock::now() < end; ++round)
    {
        const std::vector<unsigned char>& ogg = round % 3 ? shortTone : longTone;
        ZC_SOUND* sound = system.fCreateSound(ogg.data(), ogg.size(), 1, round % 2 == 0);
        ASSERT_NE(sound, nullptr);
        sounds.push_back(sound);
        switch (round % 4)
        {
        case 0: sound->fPlay(); break;
        case 1: sound->fPlayAfter(0.03f); break;
        case 2: sound->fRestart(); break;
        default: sound->fPlay(); sound->fSetGain(0.3f); break;
        }
        // Keep a few sounds alive across passes; remove the oldest, playing or not.
        if (sounds.size() > 12)
        {
            EXPECT_EQ(system.fRemoveSound(sounds.front()), 1);
            sounds.erase(sounds.begin());
        }
        if (round % 5 == 0)
            sounds.back()->fStop();
        (void)sounds.front()->fIsActive();
        (void)sounds.front()->fGetDuration();
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    // Only the thread's passes start a delayed sound.
    ZC_SOUND* delayed = system.fCreateSound(longTone.data(), longTone.size(), 1, false);
    ASSERT_NE(delayed, nullptr);
    sounds.push_back(delayed);
    delayed->fPlayAfter(0.05f);
    EXPECT_TRUE(ZT_TEST::fWaitFor([&] { return delayed->fIsActive(); }, 2000));
    for (ZC_SOUND* sound : sounds)
        EXPECT_EQ(system.fRemoveSound(sound), 1);
    thread.fStop();
    EXPECT_EQ(system.fGetSoundCount(), 0u);
    ZS_SOUND_LOCK_GUARD guard;
    EXPECT_EQ(zcSOUND_SOURCES, 0);
}
