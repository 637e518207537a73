#pragma once
#include <AL/al.h>
#include <AL/alc.h>

#include <cstddef>
#include <vector>

#include "engine/core/ZS_POINT.h"

namespace ZOR
{
class ZC_SOUND;
struct ZS_THREAD;

// Owns the OpenAL device and context, the listener and the list of every sound. Without a
// device the game runs silent: sounds are still made and know their length, nothing plays.
class ZC_SOUND_SYSTEM
{
public:
    ZC_SOUND_SYSTEM();
    // Closes the device; the sounds must have been removed before (the repository does it).
    ~ZC_SOUND_SYSTEM();
    ZC_SOUND_SYSTEM(const ZC_SOUND_SYSTEM&) = delete;
    ZC_SOUND_SYSTEM& operator=(const ZC_SOUND_SYSTEM&) = delete;

    // Opens the default device and sets the listener: 1, or -1 when there is no device.
    int fOpen();
    // A new sound over the Ogg bytes (kept by the caller until the sound is removed), or null
    // when they cannot be opened.
    ZC_SOUND* fCreateSound(const void* bytes, std::size_t size, int bufferCount, bool isStatic);
    // Destroys a listed sound: 1, or -1 when it is not in the list.
    int fRemoveSound(ZC_SOUND* sound);
    // The sound thread's pass: refills streams and counts delayed starts down. Answers how
    // long the thread may wait for the next one, in ms: 10 while a start is delayed or a
    // sound plays whole (its source goes back as soon as it ends); while only streams play,
    // or nothing, 100 (a stream keeps over a quarter of a second queued). A start delayed or
    // a stream begun meanwhile wakes the thread (fWake), so the 10 ms passes begin at once.
    uint32_t fUpdateStreams();
    // The thread that runs the passes, woken by fWake; null: none.
    void fSetThread(ZS_THREAD* thread) { passThread = thread; }
    void fWake();
    void fApplyListenerPosition();
    int fGetDeviceError();

    bool fHasDevice() const { return device != nullptr; }
    std::size_t fGetSoundCount();

private:
    ALCdevice* device = nullptr;
    ALCcontext* context = nullptr;
    ZS_VECTOR3 listenerPosition;
    ZS_VECTOR3 listenerVelocity;
    // Handed to AL_ORIENTATION together as six floats.
    ZS_VECTOR3 listenerAt;
    ZS_VECTOR3 listenerUp;
    int lastDeviceError = 0;
    std::vector<ZC_SOUND*> sounds;
    ZS_THREAD* passThread = nullptr;
};

extern ZC_SOUND_SYSTEM* zcSOUND_SYSTEM;
}
