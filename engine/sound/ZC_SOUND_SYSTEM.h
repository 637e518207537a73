#pragma once
#include <AL/al.h>
#include <AL/alc.h>

#include <cstddef>
#include <vector>

#include "engine/core/ZS_POINT.h"

namespace ZOR
{
class ZC_SOUND;

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
    // The sound thread's pass, every 10 ms: refills streams and counts delayed starts down.
    void fUpdateStreams();
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
};

extern ZC_SOUND_SYSTEM* zcSOUND_SYSTEM;
}
