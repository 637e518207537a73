// Opens any bytes as an Ogg Vorbis sound from memory, static and streamed, and plays a little of each.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/sound/ZC_SOUND.h"
#include "engine/sound/ZC_SOUND_SYSTEM.h"

using namespace ZOR;

// libvorbisfile 1.3.7 itself loses the serial-number list of a second chained stream whose
// headers fail to read (8 bytes a time); that is not ours to mend.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libvorbisfile.so\n";
}

extern "C" const char* __lsan_default_options()
{
    return "print_suppressions=0";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The null device (ALSOFT_DRIVERS=null) gives the OpenAL paths a context; without one the
    // decoding is still exercised.
    static ZC_SOUND_SYSTEM system;
    system.fOpen();
    zcFRAME_DELTA = 0.01f;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The sound reads the bytes for its whole life, as it does the repository's copy.
    std::vector<std::uint8_t> bytes(data, data + size);
    for (bool isStatic : {true, false})
    {
        ZC_SOUND* sound = zcSOUND_SYSTEM->fCreateSound(bytes.data(), bytes.size(), 1, isStatic);
        if (!sound)
            continue;
        sound->fGetDuration();
        sound->fPlay();
        for (int pass = 0; pass < 4; ++pass)
            zcSOUND_SYSTEM->fUpdateStreams();
        sound->fSeek(1);
        zcSOUND_SYSTEM->fUpdateStreams();
        sound->fStop();
        zcSOUND_SYSTEM->fRemoveSound(sound);
    }
    return 0;
}
