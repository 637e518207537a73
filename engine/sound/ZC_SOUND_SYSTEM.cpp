#include "engine/sound/ZC_SOUND_SYSTEM.h"

#include <algorithm>
#include <new>

#include <AL/efx.h>

#include "engine/core/ZS_THREAD.h"
#include "engine/sound/ZC_SOUND.h"

namespace ZOR
{
ZC_SOUND_SYSTEM* zcSOUND_SYSTEM = nullptr;

ZC_SOUND_SYSTEM::ZC_SOUND_SYSTEM()
{
    zcSOUND_SYSTEM = this;
}

ZC_SOUND_SYSTEM::~ZC_SOUND_SYSTEM()
{
    ZS_SOUND_LOCK_GUARD guard;
    if (device)
    {
        alcMakeContextCurrent(nullptr);
        if (context)
            alcDestroyContext(context);
        alcCloseDevice(device);
    }
    context = nullptr;
    device = nullptr;
    if (zcSOUND_SYSTEM == this)
        zcSOUND_SYSTEM = nullptr;
}

int ZC_SOUND_SYSTEM::fOpen()
{
    if (device)
        return 1;
    device = alcOpenDevice(nullptr);
    if (!device)
        return -1;
    ZS_SOUND_LOCK_GUARD guard;
    // No effect sends: nothing here uses effects, and each send is mixed and held per voice.
    const ALCint attributes[] = {ALC_MAX_AUXILIARY_SENDS, 0, 0};
    context = alcCreateContext(device, attributes);
    lastDeviceError = alcGetError(device);
    // A failed context is not looked at further: sounds then find no current context and stay silent.
    alcMakeContextCurrent(context);

    listenerPosition.fSet(1.0f, 1.0f, 1.0f);
    listenerVelocity.fSet(0.0f, 0.0f, 0.0f);
    listenerAt.fSet(1.0f, 1.0f, 2.0f);
    listenerUp.fSet(0.0f, 0.0f, 0.0f);
    if (context)
    {
        const float position[3] = {listenerPosition.x, listenerPosition.y, listenerPosition.z};
        const float velocity[3] = {listenerVelocity.x, listenerVelocity.y, listenerVelocity.z};
        const float orientation[6] = {listenerAt.x, listenerAt.y, listenerAt.z, listenerUp.x, listenerUp.y, listenerUp.z};
        alListenerfv(AL_POSITION, position);
        alListenerfv(AL_VELOCITY, velocity);
        alListenerfv(AL_ORIENTATION, orientation);
        alGetError();
    }
    lastDeviceError = alcGetError(device);
    return 1;
}

ZC_SOUND* ZC_SOUND_SYSTEM::fCreateSound(const void* bytes, std::size_t size, int bufferCount, bool isStatic)
{
    ZC_SOUND* sound = new (std::nothrow) ZC_SOUND();
    if (!sound)
        return nullptr;
    if (sound->fOpen(bytes, size, bufferCount, isStatic) != 1)
    {
        delete sound;
        return nullptr;
    }
    ZS_SOUND_LOCK_GUARD guard;
    sounds.push_back(sound);
    return sound;
}

int ZC_SOUND_SYSTEM::fRemoveSound(ZC_SOUND* sound)
{
    ZS_SOUND_LOCK_GUARD guard;
    auto found = std::find(sounds.begin(), sounds.end(), sound);
    if (!sound || found == sounds.end())
        return -1;
    delete sound;
    sounds.erase(found);
    return 1;
}

uint32_t ZC_SOUND_SYSTEM::fUpdateStreams()
{
    // Every wake-up of the thread costs, also when it finds nothing to do: an idle game with
    // its music on woke it 100 times a second for a refill every half second.
    uint32_t wait = 100;
    if (!device)
        return wait;
    ZS_SOUND_LOCK_GUARD guard;
    // The count is read again after each sound.
    for (std::size_t i = 0; i < sounds.size(); ++i)
    {
        sounds[i]->fUpdate();
        if (sounds[i]->fNeedsQuickPass())
            wait = 10;
    }
    return wait;
}

void ZC_SOUND_SYSTEM::fWake()
{
    fWakeThread(passThread);
}

void ZC_SOUND_SYSTEM::fApplyListenerPosition()
{
    ZS_SOUND_LOCK_GUARD guard;
    if (context)
        alListener3f(AL_POSITION, listenerPosition.x, listenerPosition.y, listenerPosition.z);
}

int ZC_SOUND_SYSTEM::fGetDeviceError()
{
    return zcSOUND_SYSTEM ? alcGetError(zcSOUND_SYSTEM->device) : ALC_INVALID_DEVICE;
}

std::size_t ZC_SOUND_SYSTEM::fGetSoundCount()
{
    ZS_SOUND_LOCK_GUARD guard;
    return sounds.size();
}
}
