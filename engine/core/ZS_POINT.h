#pragma once

namespace ZOR
{
// Integer point or size. The value-types work extends this record.
struct ZS_POINT
{
    int x = 0;
    int y = 0;

    ZS_POINT() = default;
    ZS_POINT(int ax, int ay) : x(ax), y(ay) {}
};
}
