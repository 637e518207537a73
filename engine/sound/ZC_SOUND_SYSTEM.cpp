#include "engine/sound/ZC_SOUND_SYSTEM.h"

namespace ZOR
{
int ZC_SOUND_SYSTEM::fOpen() { return -1; }
void ZC_SOUND_SYSTEM::fUpdateStreams() {}
}
