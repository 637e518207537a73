#pragma once
#include <AL/al.h>
#include <AL/alc.h>

#include <atomic>
#include <cstddef>
#include <memory>

#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_POINT.h"
#include "engine/core/ZS_THREAD.h"
#include "engine/sound/ZS_OGG_MEMORY.h"

struct OggVorbis_File;
struct vorbis_info;
struct vorbis_comment;

namespace ZOR
{
// Holds zcSOUND_LOCK for a scope: the sound list, every sound's source, buffers, decoder and flags.
class ZS_SOUND_LOCK_GUARD
{
public:
    ZS_SOUND_LOCK_GUARD() { zcSOUND_LOCK.fEnter(); }
    ~ZS_SOUND_LOCK_GUARD() { zcSOUND_LOCK.fLeave(); }
    ZS_SOUND_LOCK_GUARD(const ZS_SOUND_LOCK_GUARD&) = delete;
    ZS_SOUND_LOCK_GUARD& operator=(const ZS_SOUND_LOCK_GUARD&) = delete;
};

// Number of OpenAL sources held by sounds; a sound may take one only while it is at most 15.
extern int zcSOUND_SOURCES;

// One Ogg Vorbis sound decoded from bytes in memory. Static sounds are decoded whole into one
// buffer when opened; streamed sounds are decoded piece by piece into two buffers that the
// sound thread refills. Made and destroyed only through ZC_SOUND_SYSTEM.
class ZC_SOUND
{
public:
    ZC_SOUND();
    ~ZC_SOUND();
    ZC_SOUND(const ZC_SOUND&) = delete;
    ZC_SOUND& operator=(const ZC_SOUND&) = delete;

    // 1, or -112 when the bytes are not a playable Ogg Vorbis stream.
    int fOpen(const void* bytes, std::size_t size, int bufferCount, bool isStatic);
    // Answers the previous active flag: 1 when already playing (nothing done), else 0.
    int fPlay();
    // 0 plays now; any other value is a start delay counted down by the sound thread.
    void fPlayAfter(float seconds);
    void fRestart();
    // Stops, rewinds and gives the source back.
    void fStop();
    // Length of the whole stream in seconds, known with or without a device.
    double fGetDuration() const;
    bool fIsPlaying() const;
    // One step of the sound thread for this sound (called under zcSOUND_LOCK).
    void fUpdate();
    // Whether the next step is wanted within 10 ms: a start is being counted down, a whole
    // sound plays (its source goes back once it ends), or a stream waits for its first fill.
    bool fNeedsQuickPass() const;
    // Moves a playing sound to a PCM sample frame: 1, or -1 when not playing or out of range.
    int fSeek(long long sample);
    void fSetPosition(float x, float y, float z);
    // Keeps the gain for every later play and sets it on the source the sound holds now:
    // 1 when a source took it, else 0.
    int fSetGain(float gain);

    // Started and not yet stopped; what the play lists read without the lock. Seeing it drop
    // also means the sound thread is done with the sound's bytes.
    bool fIsActive() const { return active.load(std::memory_order_acquire) != 0; }
    bool fIsStatic() const { return isStatic != 0; }
    bool fIsLoaded() const { return loaded != nullptr; }
    ALenum fGetFormat() const { return format; }
    int fGetRate() const { return rate; }
    int fGetBufferSize() const { return bufferSize; }
    ALuint fGetSource() const;
    float fGetStartDelay() const;

private:
    // Decodes from the current position into the decode buffer, up to limit bytes: the byte
    // count, or a negative vorbisfile error.
    long fDecode(std::size_t limit);
    void fUpload(ALuint buffer, long count);
    long fFillBuffer(ALuint buffer);
    bool fCheckAlError();
    void fResumeIfStalled();
    void fReleaseSource();
    void fCreateBuffers();
    void fDeleteBuffers();
    void fRewind();
    void fUpdateStream();

    int bufferSize = 0;
    std::unique_ptr<OggVorbis_File> decoder;
    bool decoderOpen = false;
    int bufferCount = 1;
    unsigned char* decodeBuffer = nullptr;
    std::size_t decodeCapacity = 0;
    float playTime = 0.0f;
    vorbis_comment* comment = nullptr;
    vorbis_info* info = nullptr;
    ZS_OGG_MEMORY memory;
    ALenum format = 0;
    ALuint source = 0;
    // Applied whenever the sound takes a source, so a delayed start is never heard at full gain.
    float gain = 1.0f;
    ALuint buffers[2] = {0, 0};
    int rate = 0;
    // Kept for callers; nothing hands it to OpenAL.
    ZS_VECTOR3 position;
    unsigned char isStatic = 0;
    std::atomic<unsigned char> active{0};
    float startDelay = 0.0f;
    ALCcontext* loaded = nullptr;
    long long totalSamples = 0;
    double duration = 0.0;
    // A streamed sound whose decoder has nothing more: what is queued plays out, then it stops.
    bool streamEnded = false;
    // Buffers of a playing stream that are not queued and wait to be filled.
    ALuint freeBuffers[2] = {0, 0};
    int freeCount = 0;
};
}
