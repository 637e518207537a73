#include "support/ZT_SOUND.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZS_THREAD.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"

// openal-soft's mixer thread syncs with its callers through atomics that ThreadSanitizer does
// not see in the uninstrumented library; only races inside it are set aside.
extern "C" const char* __tsan_default_suppressions()
{
    return "race:libopenal.so\n";
}

namespace ZT_TEST
{
std::vector<unsigned char> fMakeOgg(const std::string& effects, int channels, int rate)
{
    std::string name = "made_" + std::to_string(std::hash<std::string>()(effects)) + "_" + std::to_string(channels) + "_" +
                       std::to_string(rate) + ".ogg";
    std::string command = "sox -q -n -r " + std::to_string(rate) + " -c " + std::to_string(channels) + " " + name + " " + effects;
    if (std::system(command.c_str()) != 0)
        return {};
    std::ifstream file(name, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

namespace
{
std::uint32_t fOggCrc(const unsigned char* data, std::size_t size)
{
    std::uint32_t crc = 0;
    for (std::size_t i = 0; i < size; ++i)
    {
        crc ^= static_cast<std::uint32_t>(data[i]) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    }
    return crc;
}
}

std::vector<unsigned char> fWithClaimedLength(std::vector<unsigned char> ogg, std::int64_t granule)
{
    std::size_t page = std::string::npos;
    for (std::size_t i = 0; i + 27 <= ogg.size(); ++i)
        if (std::memcmp(&ogg[i], "OggS", 4) == 0)
            page = i;
    if (page == std::string::npos)
        return ogg;
    std::uint64_t value = static_cast<std::uint64_t>(granule);
    for (int i = 0; i < 8; ++i)
        ogg[page + 6 + i] = static_cast<unsigned char>(value >> (8 * i));
    std::size_t segments = ogg[page + 26];
    std::size_t size = 27 + segments;
    for (std::size_t i = 0; i < segments; ++i)
        size += ogg[page + 27 + i];
    std::memset(&ogg[page + 22], 0, 4);
    std::uint32_t crc = fOggCrc(&ogg[page], size);
    for (int i = 0; i < 4; ++i)
        ogg[page + 22 + i] = static_cast<unsigned char>(crc >> (8 * i));
    return ogg;
}

bool fReadWav(const std::string& path, ZS_WAV& wav)
{
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return false;
    auto u16 = [&](std::size_t at) { return static_cast<unsigned>(bytes[at] | bytes[at + 1] << 8); };
    auto u32 = [&](std::size_t at) { return static_cast<std::uint32_t>(u16(at) | u16(at + 2) << 16); };
    int bits = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size())
    {
        std::size_t size = u32(at + 4);
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && at + 24 <= bytes.size())
        {
            wav.channels = static_cast<int>(u16(at + 10));
            wav.rate = static_cast<int>(u32(at + 12));
            bits = static_cast<int>(u16(at + 22));
        }
        else if (std::memcmp(&bytes[at], "data", 4) == 0)
        {
            // A file whose device was not closed still says 0 here: take what is there.
            std::size_t end = size && at + 8 + size <= bytes.size() ? at + 8 + size : bytes.size();
            for (std::size_t i = at + 8; i + 1 < end; i += 2)
                wav.samples.push_back(static_cast<std::int16_t>(u16(i)));
            break;
        }
        at += 8 + size + (size & 1);
    }
    return bits == 16 && wav.channels > 0 && wav.rate > 0;
}

ZS_HEARD fMeasure(const ZS_WAV& wav, int threshold)
{
    ZS_HEARD heard;
    std::size_t frames = wav.channels ? wav.samples.size() / static_cast<std::size_t>(wav.channels) : 0;
    auto at = [&](std::size_t frame) { return std::abs(static_cast<int>(wav.samples[frame * static_cast<std::size_t>(wav.channels)])); };
    std::size_t first = frames, last = 0;
    for (std::size_t i = 0; i < frames; ++i)
        if (at(i) > threshold)
        {
            if (first == frames)
                first = i;
            last = i;
        }
    if (first == frames)
        return heard;
    double sum = 0.0;
    std::size_t gap = 0, longest = 0;
    for (std::size_t i = first; i <= last; ++i)
    {
        int value = at(i);
        sum += static_cast<double>(value) * value;
        heard.peak = std::max(heard.peak, value / 32768.0);
        gap = value > threshold ? 0 : gap + 1;
        longest = std::max(longest, gap);
    }
    heard.start = static_cast<double>(first) / wav.rate;
    heard.length = static_cast<double>(last + 1 - first) / wav.rate;
    heard.rms = std::sqrt(sum / static_cast<double>(last + 1 - first)) / 32768.0;
    heard.longestGap = static_cast<double>(longest) / wav.rate;
    return heard;
}

bool fWaitFor(const std::function<bool()>& condition, int timeoutMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition())
    {
        if (std::chrono::steady_clock::now() > end)
            return condition();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

ZT_SOUND_THREAD::ZT_SOUND_THREAD()
{
    ZOR::zcGAME_SOUND_SYSTEM = ZOR::zcSOUND_SYSTEM;
    thread = ZOR::fStartThread(ZOR::fSoundThreadMain, nullptr);
    // As the game's loop does: a sound that needs a pass soon wakes the thread.
    if (ZOR::zcSOUND_SYSTEM)
        ZOR::zcSOUND_SYSTEM->fSetThread(thread);
}

ZT_SOUND_THREAD::~ZT_SOUND_THREAD()
{
    fStop();
}

void ZT_SOUND_THREAD::fStop()
{
    if (ZOR::zcSOUND_SYSTEM)
        ZOR::zcSOUND_SYSTEM->fSetThread(nullptr);
    ZOR::fReleaseThread(thread);
    thread = nullptr;
    ZOR::zcGAME_SOUND_SYSTEM = nullptr;
}
}
