#pragma once
#include "engine/core/ZS_COLOR.h"

namespace ZOR
{
// Stand-in renderer until the real one lands: it accepts every frame and draws nothing.
class ZC_RENDER
{
public:
    ZC_RENDER();
    ~ZC_RENDER();

    int fInit(void* window, float nearPlane, float farPlane);
    int fSetMode(int width, int height, bool fullScreen, bool useDesktopSize);
    int fBeginFrame();
    int fEndFrame();

    ZS_COLOR clearColor{0xFF444444u};
};

extern ZC_RENDER* zcRENDER;
}
