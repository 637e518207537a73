#pragma once

namespace ZOR
{
// Stand-in sound system until the real one lands: no device, nothing plays.
class ZC_SOUND_SYSTEM
{
public:
    int fOpen();
    void fUpdateStreams();
};
}
