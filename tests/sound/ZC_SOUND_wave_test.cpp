// What is heard: openal-soft's wave backend writes everything the device mixes to a wav file,
// which is then measured. The device runs in real time, so every case takes its sound's length.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>

#include "engine/sound/ZC_SOUND.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"
#include "support/ZT_SOUND.h"
#include "support/ZT_TEST_ENV.h"

using namespace ZOR;

namespace
{
// OpenAL reads its configuration at its first use, so it is set before any test runs.
const bool kWaveDevice = [] {
    std::ofstream conf("alsoft_wave.conf");
    conf << "[general]\ndrivers=wave\nchannels=mono\nsample-type=int16\n[wave]\nfile=heard.wav\n";
    conf.close();
    unsetenv("ALSOFT_DRIVERS");
    setenv("ALSOFT_CONF", "alsoft_wave.conf", 1);
    return true;
}();

struct ZS_SESSION
{
    ZT_TEST::ZS_HEARD heard;
    double activeFor = 0.0;
};

// Opens a device, plays the sound (the action may change it while it plays), waits until it
// is no longer active, closes the device and measures the wav.
ZS_SESSION fListen(const std::vector<unsigned char>& ogg, bool isStatic, const std::string& name,
                   const std::function<void(ZC_SOUND*)>& action = {})
{
    ZS_SESSION session;
    std::remove("heard.wav");
    {
        ZC_SOUND_SYSTEM system;
        EXPECT_EQ(system.fOpen(), 1);
        zcFRAME_DELTA = 1.0f / 60.0f;
        ZT_TEST::ZT_SOUND_THREAD thread;
        ZC_SOUND* sound = system.fCreateSound(ogg.data(), ogg.size(), 1, isStatic);
        EXPECT_NE(sound, nullptr);
        if (!sound)
            return session;
        auto begin = std::chrono::steady_clock::now();
        EXPECT_EQ(sound->fPlay(), 0);
        if (action)
            action(sound);
        EXPECT_TRUE(ZT_TEST::fWaitFor([&] { return !sound->fIsActive(); }, 10000));
        session.activeFor = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        thread.fStop();
        system.fRemoveSound(sound);
    }
    ZT_TEST::ZS_WAV wav;
    EXPECT_TRUE(ZT_TEST::fReadWav("heard.wav", wav));
    std::rename("heard.wav", (ZT_TEST::fOutputDir() + "/sound_" + name + ".wav").c_str());
    session.heard = ZT_TEST::fMeasure(wav);
    return session;
}
}

TEST(SoundHeard, TonesAreHeardWholeAtTheirLevelWithoutGaps)
{
    const double fullLevel = 0.5 * 0.7071;
    struct
    {
        const char* name;
        const char* effects;
        bool isStatic;
        std::function<void(ZC_SOUND*)> action;
        double length;
        double level;
    } cases[] = {
        {"static", "synth 0.5 sine 440 vol 0.5", true, {}, 0.5, 1.0},
        // 1.2 s of mono is three refills of the 48000-byte stream buffers.
        {"streamed", "synth 1.2 sine 440 vol 0.5", false, {}, 1.2, 1.0},
        {"static_gain", "synth 0.5 sine 440 vol 0.5", true, [](ZC_SOUND* s) { EXPECT_EQ(s->fSetGain(0.5f), 1); }, 0.5, 0.5},
        {"streamed_gain", "synth 0.5 sine 440 vol 0.5", false, [](ZC_SOUND* s) { EXPECT_EQ(s->fSetGain(0.5f), 1); }, 0.5, 0.5},
        // Seeking to the middle leaves the second half to be heard.
        {"static_seek", "synth 1 sine 440 vol 0.5", true, [](ZC_SOUND* s) { EXPECT_EQ(s->fSeek(22050), 1); }, 0.5, 1.0},
        {"streamed_seek", "synth 1 sine 440 vol 0.5", false, [](ZC_SOUND* s) { EXPECT_EQ(s->fSeek(22050), 1); }, 0.5, 1.0},
    };
    double reference = 0.0;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::vector<unsigned char> ogg = ZT_TEST::fMakeOgg(c.effects, 1);
        ASSERT_FALSE(ogg.empty());
        ZS_SESSION session = fListen(ogg, c.isStatic, c.name, c.action);
        RecordProperty(std::string(c.name) + "_length", std::to_string(session.heard.length));
        RecordProperty(std::string(c.name) + "_rms", std::to_string(session.heard.rms));
        printf("%s: length %.3f peak %.3f rms %.3f gap %.4f active %.3f\n", c.name, session.heard.length, session.heard.peak,
               session.heard.rms, session.heard.longestGap, session.activeFor);
        if (reference == 0.0)
            reference = session.heard.rms;
        EXPECT_NEAR(session.heard.length, c.length, 0.02);
        EXPECT_LT(session.heard.longestGap, 0.005);
        EXPECT_NEAR(session.heard.rms / reference, c.level, 0.05);
        // The device attenuates the tone, but not below half of its own level.
        EXPECT_GT(session.heard.rms, 0.5 * c.level * fullLevel);
        EXPECT_GE(session.activeFor, c.length - 0.02);
        EXPECT_LT(session.activeFor, c.length + 0.3);
    }
}
