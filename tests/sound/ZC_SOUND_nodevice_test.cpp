// With no sound device the game runs silent: sounds exist and know their length, nothing plays.
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZS_THREAD.h"
#include "engine/sound/ZC_SOUND.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"
#include "support/ZT_SOUND.h"

using namespace ZOR;

namespace
{
// OpenAL reads its driver list at its first use; a driver that does not exist leaves no device.
const bool kNoDevice = [] {
    setenv("ALSOFT_DRIVERS", "none_here", 1);
    return true;
}();
}

TEST(SoundWithoutDevice, SoundsAreMeasuredButNothingPlays)
{
    ZC_SOUND_SYSTEM system;
    EXPECT_EQ(system.fOpen(), -1);
    EXPECT_FALSE(system.fHasDevice());

    const std::vector<unsigned char> tone = ZT_TEST::fMakeOgg("synth 0.5 sine 440 vol 0.5", 1);
    for (bool isStatic : {true, false})
    {
        SCOPED_TRACE(isStatic ? "static" : "streamed");
        ZC_SOUND* sound = system.fCreateSound(tone.data(), tone.size(), 1, isStatic);
        ASSERT_NE(sound, nullptr);
        EXPECT_FALSE(sound->fIsLoaded());
        EXPECT_NEAR(sound->fGetDuration(), 0.5, 0.001);
        EXPECT_EQ(sound->fPlay(), 0);
        EXPECT_FALSE(sound->fIsActive());
        EXPECT_FALSE(sound->fIsPlaying());
        sound->fRestart();
        sound->fPlayAfter(0.01f);
        zcFRAME_DELTA = 0.1f;
        for (int i = 0; i < 5; ++i)
            system.fUpdateStreams();
        EXPECT_FALSE(sound->fIsActive());
        EXPECT_EQ(sound->fSeek(10), -1);
        EXPECT_EQ(sound->fSetGain(0.5f), 0);
        sound->fStop();
        EXPECT_EQ(system.fRemoveSound(sound), 1);
    }
    const std::vector<unsigned char> junk(64, 0);
    EXPECT_EQ(system.fCreateSound(junk.data(), junk.size(), 1, true), nullptr);
    system.fApplyListenerPosition();
    EXPECT_EQ(zcSOUND_SOURCES, 0);
}

TEST(SoundWithoutDevice, TheGameStartsWithAWarningAndRunsSilent)
{
    const std::vector<unsigned char> tone = ZT_TEST::fMakeOgg("synth 0.25 sine 440 vol 0.5", 2);
    zcGAME = ZC_GAME::fGetGame();
    testing::internal::CaptureStderr();
    zcGAME->fStart("silent");
    std::string logged = testing::internal::GetCapturedStderr();
    EXPECT_NE(logged.find("[message box] Warning: No sound device has been detected. The game will continue without audio."),
              std::string::npos)
        << logged;
    ASSERT_NE(zcGAME_SOUND_SYSTEM, nullptr);
    EXPECT_FALSE(zcGAME_SOUND_SYSTEM->fHasDevice());

    // The sound thread passes over sounds that can never play.
    zcGAME->soundThread = fStartThread(fSoundThreadMain, nullptr);
    ZC_SOUND* sound = zcGAME_SOUND_SYSTEM->fCreateSound(tone.data(), tone.size(), 1, false);
    ASSERT_NE(sound, nullptr);
    EXPECT_NEAR(sound->fGetDuration(), 0.25, 0.001);
    EXPECT_EQ(sound->fPlay(), 0);
    sound->fPlayAfter(0.5f);
    EXPECT_EQ(zcGAME_SOUND_SYSTEM->fRemoveSound(sound), 1);
    EXPECT_EQ(zcGAME->fShutdown(), 1);
    EXPECT_EQ(zcGAME_SOUND_SYSTEM, nullptr);
}
