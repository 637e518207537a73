#include "engine/render/ZC_RENDER.h"

namespace ZOR
{
ZC_RENDER* zcRENDER = nullptr;

ZC_RENDER::ZC_RENDER() { zcRENDER = this; }
ZC_RENDER::~ZC_RENDER() { if (zcRENDER == this) zcRENDER = nullptr; }
int ZC_RENDER::fInit(void*, float, float) { return 1; }
int ZC_RENDER::fSetMode(int, int, bool, bool) { return 1; }
int ZC_RENDER::fBeginFrame() { return 1; }
int ZC_RENDER::fEndFrame() { return 1; }
}
