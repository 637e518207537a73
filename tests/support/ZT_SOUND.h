#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ZOR
{
struct ZS_THREAD;
}

namespace ZT_TEST
{
// Ogg Vorbis bytes made with sox in the working folder, e.g. fMakeOgg("synth 0.5 sine 440 vol 0.5", 1).
std::vector<unsigned char> fMakeOgg(const std::string& effects, int channels, int rate = 44100);
// Replaces the granule position of the last Ogg page (the stream's claimed length in sample
// frames) and mends the page checksum.
std::vector<unsigned char> fWithClaimedLength(std::vector<unsigned char> ogg, std::int64_t granule);

// A 16-bit PCM wav file as written by openal-soft's wave backend, channels interleaved.
struct ZS_WAV
{
    int rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
};
bool fReadWav(const std::string& path, ZS_WAV& wav);

// What is heard in a wav (first channel): the span between the first and the last sample
// louder than the threshold, its peak and RMS, and the longest quiet run inside it.
struct ZS_HEARD
{
    double start = 0.0;
    double length = 0.0;
    double peak = 0.0;
    double rms = 0.0;
    double longestGap = 0.0;
};
ZS_HEARD fMeasure(const ZS_WAV& wav, int threshold = 1000);

// Waits until the condition holds or the time is up; answers the condition.
bool fWaitFor(const std::function<bool()>& condition, int timeoutMs);

// The game's sound thread over the current sound system (zcSOUND_SYSTEM), for the life of
// the object or until fStop.
class ZT_SOUND_THREAD
{
public:
    ZT_SOUND_THREAD();
    ~ZT_SOUND_THREAD();
    void fStop();

private:
    ZOR::ZS_THREAD* thread = nullptr;
};
}
