#pragma once

namespace ZOR
{
// Stand-in until the window layer's desktop size lands.
inline void fRenderDesktopSize(int* width, int* height)
{
    *width = 1024;
    *height = 768;
}
}
