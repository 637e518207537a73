#include "engine/sound/ZC_SOUND.h"

#include "engine/sound/ZC_SOUND_SYSTEM.h"

#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <climits>
#include <cstdlib>
#include <new>

namespace ZOR
{
int zcSOUND_SOURCES = 0;

namespace
{
// Bytes decoded per refill of a streamed sound.
const int kStreamBufferSize = 48000;

// A source for a sound, or 0 when 16 are already held (or OpenAL has none to give).
ALuint fAcquireSource()
{
    if (zcSOUND_SOURCES > 15)
        return 0;
    ALuint source = 0;
    alGetError();
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR || source == 0)
        return 0;
    ++zcSOUND_SOURCES;
    return source;
}
}

ZC_SOUND::ZC_SOUND() = default;

ZC_SOUND::~ZC_SOUND()
{
    if (source)
        fStop();
    if (loaded)
    {
        ZS_SOUND_LOCK_GUARD guard;
        fDeleteBuffers();
        alGetError();
    }
    if (decoderOpen)
        ov_clear(decoder.get());
    std::free(decodeBuffer);
}

int ZC_SOUND::fOpen(const void* bytes, std::size_t size, int count, bool makeStatic)
{
    if (decoder)
        return -112;
    bufferCount = count;
    isStatic = makeStatic ? 1 : 0;
    memory.data = static_cast<const unsigned char*>(bytes);
    memory.size = bytes && size <= static_cast<std::size_t>(LLONG_MAX) ? static_cast<std::int64_t>(size) : 0;
    memory.position = 0;

    decoder.reset(new (std::nothrow) OggVorbis_File());
    if (!decoder)
        return -112;
    ov_callbacks callbacks = {fOggMemoryRead, fOggMemorySeek, fOggMemoryClose, fOggMemoryTell};
    if (ov_open_callbacks(&memory, decoder.get(), nullptr, 0, callbacks) < 0)
        return -112;
    decoderOpen = true;

    comment = ov_comment(decoder.get(), -1);
    info = ov_info(decoder.get(), -1);
    if (!info)
        return -112;
    format = info->channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    rate = info->rate > 0 && info->rate <= INT_MAX ? static_cast<int>(info->rate) : 0;
    // An unknown or negative length would make a negative or wrapped buffer size.
    totalSamples = ov_pcm_total(decoder.get(), -1);
    duration = ov_time_total(decoder.get(), -1);
    if (totalSamples < 0 || duration < 0.0 || rate == 0)
        return -112;

    fSetPosition(0.0f, 0.0f, 0.0f);
    active = 0;
    startDelay = 0.0f;

    if (isStatic)
    {
        // Four bytes per sample frame, enough for 16-bit stereo.
        if (totalSamples > INT_MAX / 4)
            return -112;
        bufferSize = static_cast<int>(totalSamples * 4);
        // The sound is not in the list yet, so decoding needs no lock; only OpenAL does.
        long decoded = fDecode(static_cast<std::size_t>(bufferSize));
        if (decoded < 0)
            return -112;
        ZS_SOUND_LOCK_GUARD guard;
        loaded = alcGetCurrentContext();
        if (loaded)
        {
            fCheckAlError();
            fCreateBuffers();
            fCheckAlError();
            fUpload(buffers[0], decoded);
            fCheckAlError();
        }
        // OpenAL keeps its own copy, and a static sound is never decoded again: neither the
        // decoded samples nor the decoder's tables (tens of kilobytes a sound) are kept.
        std::free(decodeBuffer);
        decodeBuffer = nullptr;
        decodeCapacity = 0;
        ov_clear(decoder.get());
        decoderOpen = false;
        comment = nullptr;
        info = nullptr;
    }
    else
    {
        bufferSize = kStreamBufferSize;
        decodeBuffer = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(bufferSize)));
        if (!decodeBuffer)
            return -112;
        decodeCapacity = static_cast<std::size_t>(bufferSize);
        ZS_SOUND_LOCK_GUARD guard;
        loaded = alcGetCurrentContext();
        if (loaded)
            fCheckAlError();
    }
    return 1;
}

long ZC_SOUND::fDecode(std::size_t limit)
{
    std::size_t count = 0;
    for (;;)
    {
        // ov_read answers an error when the room is smaller than one sample frame, so ask
        // only for whole frames of the current link.
        vorbis_info* current = ov_info(decoder.get(), -1);
        std::size_t frame = current && current->channels > 0 ? 2u * static_cast<std::size_t>(current->channels) : 2u;
        if (limit - count < frame)
            break;
        if (decodeCapacity - count < frame)
        {
            // A static sound's claimed length can be far larger than what the bytes decode
            // to, so its buffer grows with the decoded data instead of trusting the claim.
            std::size_t grown = decodeCapacity < 65536 ? 65536 : decodeCapacity * 2;
            if (grown > limit)
                grown = limit;
            unsigned char* larger = static_cast<unsigned char*>(std::realloc(decodeBuffer, grown));
            if (!larger)
                return OV_EFAULT;
            decodeBuffer = larger;
            decodeCapacity = grown;
        }
        std::size_t room = decodeCapacity - count;
        room -= room % frame;
        if (room > static_cast<std::size_t>(INT_MAX))
            room = static_cast<std::size_t>(INT_MAX) - static_cast<std::size_t>(INT_MAX) % frame;
        int section = 0;
        long got = ov_read(decoder.get(), reinterpret_cast<char*>(decodeBuffer + count), static_cast<int>(room), 0, 2, 1,
                           &section);
        if (got == 0)
            break;
        // A hole is data lost in the bytes; the decoder has already resynchronised past it.
        if (got == OV_HOLE)
            continue;
        if (got < 0)
            return got;
        count += static_cast<std::size_t>(got);
    }
    return static_cast<long>(count);
}

void ZC_SOUND::fUpload(ALuint buffer, long count)
{
    // OpenAL refuses a size that is not whole frames of the format it is given.
    long frame = format == AL_FORMAT_MONO16 ? 2 : 4;
    count -= count % frame;
    if (count <= 0 || !buffer)
        return;
    alBufferData(buffer, format, decodeBuffer, static_cast<ALsizei>(count), rate);
    // Errors of the upload itself are dropped.
    alGetError();
}

long ZC_SOUND::fFillBuffer(ALuint buffer)
{
    long count = fDecode(static_cast<std::size_t>(bufferSize));
    if (count > 0)
        fUpload(buffer, count);
    return count;
}

bool ZC_SOUND::fCheckAlError()
{
    if (alGetError() == AL_NO_ERROR)
        return false;
    fStop();
    return true;
}

void ZC_SOUND::fReleaseSource()
{
    if (!source)
        return;
    alDeleteSources(1, &source);
    source = 0;
    --zcSOUND_SOURCES;
}

void ZC_SOUND::fCreateBuffers()
{
    alGenBuffers(1, &buffers[0]);
    alGenBuffers(1, &buffers[1]);
}

void ZC_SOUND::fDeleteBuffers()
{
    for (ALuint& buffer : buffers)
    {
        if (buffer)
            alDeleteBuffers(1, &buffer);
        buffer = 0;
    }
}

void ZC_SOUND::fRewind()
{
    if (decoderOpen && ov_pcm_seek(decoder.get(), 0) < 0)
        ov_raw_seek(decoder.get(), 0);
}

int ZC_SOUND::fPlay()
{
    if (!loaded)
        return 0;
    ZS_SOUND_LOCK_GUARD guard;
    if (active)
        return 1;
    ALuint taken = fAcquireSource();
    if (!taken)
        return 0;
    source = taken;
    active = 1;
    alSourcef(source, AL_GAIN, gain);
    if (isStatic)
    {
        alSourcei(source, AL_BUFFER, static_cast<ALint>(buffers[0]));
        if (fCheckAlError())
            return 0;
        alSourcePlay(source);
        fCheckAlError();
    }
    else
    {
        // Nothing is queued yet: the sound thread fills a buffer on its next pass and starts
        // the source then, so no empty or stale buffer is ever played.
        fCreateBuffers();
        freeBuffers[0] = buffers[1];
        freeBuffers[1] = buffers[0];
        freeCount = 2;
        streamEnded = false;
        fCheckAlError();
        if (zcSOUND_SYSTEM)
            zcSOUND_SYSTEM->fWake();
    }
    return 0;
}

void ZC_SOUND::fPlayAfter(float seconds)
{
    if (seconds == 0.0f)
    {
        fPlay();
        return;
    }
    ZS_SOUND_LOCK_GUARD guard;
    startDelay = seconds;
    if (zcSOUND_SYSTEM)
        zcSOUND_SYSTEM->fWake();
}

void ZC_SOUND::fRestart()
{
    ZS_SOUND_LOCK_GUARD guard;
    fStop();
    fPlay();
}

void ZC_SOUND::fStop()
{
    if (!loaded)
        return;
    ZS_SOUND_LOCK_GUARD guard;
    if (!source)
        return;
    fRewind();
    // Errors while stopping are read and dropped: the sound is being stopped anyway.
    alSourceStop(source);
    alGetError();
    fReleaseSource();
    alGetError();
    if (!isStatic)
    {
        fDeleteBuffers();
        alGetError();
        freeCount = 0;
        streamEnded = false;
    }
    active = 0;
}

double ZC_SOUND::fGetDuration() const
{
    return duration;
}

bool ZC_SOUND::fIsPlaying() const
{
    ZS_SOUND_LOCK_GUARD guard;
    if (!loaded || !source || !active)
        return false;
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

ALuint ZC_SOUND::fGetSource() const
{
    ZS_SOUND_LOCK_GUARD guard;
    return source;
}

float ZC_SOUND::fGetStartDelay() const
{
    ZS_SOUND_LOCK_GUARD guard;
    return startDelay;
}

void ZC_SOUND::fUpdate()
{
    ZS_SOUND_LOCK_GUARD guard;
    if (startDelay > 0.0f)
    {
        // The main loop's last frame time, not the 10 ms of the pass.
        startDelay -= zcFRAME_DELTA;
        if (startDelay <= 0.0f)
        {
            startDelay = 0.0f;
            fPlay();
        }
        return;
    }
    if (!loaded || !source || !active)
        return;
    if (isStatic)
    {
        if (!fIsPlaying())
            fStop();
        return;
    }
    fUpdateStream();
}

bool ZC_SOUND::fNeedsQuickPass() const
{
    if (startDelay > 0.0f)
        return true;
    if (!loaded || !source || !active)
        return false;
    return isStatic || freeCount == 2;
}

void ZC_SOUND::fUpdateStream()
{
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    if (fCheckAlError())
        return;
    // Take back every buffer the source has finished (all of them once it has run dry), so
    // that starting it again never replays old audio.
    while (processed-- > 0 && freeCount < 2)
    {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source, 1, &buffer);
        if (fCheckAlError())
            return;
        freeBuffers[freeCount++] = buffer;
    }
    // At most one decode per sound per pass.
    if (!streamEnded && freeCount > 0)
    {
        ALuint buffer = freeBuffers[freeCount - 1];
        long filled = fFillBuffer(buffer);
        if (filled > 0)
        {
            alSourceQueueBuffers(source, 1, &buffer);
            if (fCheckAlError())
                return;
            --freeCount;
        }
        else
        {
            // The end of the data, or a decode error: what is queued still plays, then the
            // sound stops instead of staying active with nothing to play.
            streamEnded = true;
        }
    }
    ALint queued = 0;
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    if (fCheckAlError())
        return;
    if (queued == 0)
    {
        if (streamEnded)
            fStop();
        return;
    }
    fResumeIfStalled();
    playTime += zcFRAME_DELTA;
}

void ZC_SOUND::fResumeIfStalled()
{
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state != AL_PLAYING)
    {
        alSourcePlay(source);
        fCheckAlError();
    }
}

int ZC_SOUND::fSeek(long long sample)
{
    if (!loaded)
        return -1;
    ZS_SOUND_LOCK_GUARD guard;
    if (!source || sample < 0 || sample >= totalSamples)
        return -1;
    if (isStatic)
    {
        // The whole sound is in the buffer: move the source within it.
        alSourcei(source, AL_SAMPLE_OFFSET, static_cast<ALint>(sample));
        return fCheckAlError() ? -1 : 1;
    }
    // Drop what is queued so that the old position is not heard; the next pass refills from
    // the new position and starts the source again.
    alSourceStop(source);
    if (fCheckAlError())
        return -1;
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    while (processed-- > 0 && freeCount < 2)
    {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source, 1, &buffer);
        freeBuffers[freeCount++] = buffer;
    }
    if (fCheckAlError())
        return -1;
    streamEnded = false;
    if (ov_pcm_seek(decoder.get(), sample) < 0)
    {
        fStop();
        return -1;
    }
    if (zcSOUND_SYSTEM)
        zcSOUND_SYSTEM->fWake();
    return 1;
}

void ZC_SOUND::fSetPosition(float x, float y, float z)
{
    position.fSet(x, y, z);
}

int ZC_SOUND::fSetGain(float newGain)
{
    if (!loaded)
        return 0;
    ZS_SOUND_LOCK_GUARD guard;
    gain = newGain;
    if (!source)
        return 0;
    alGetError();
    alSourcef(source, AL_GAIN, gain);
    return alGetError() == AL_NO_ERROR ? 1 : 0;
}
}
