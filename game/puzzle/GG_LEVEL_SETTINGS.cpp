#include "game/puzzle/GG_LEVEL_SETTINGS.h"

namespace game
{
void GG_LEVEL_SETTINGS::fUpdateDerived()
{
    if (blockSize.x != 0)
        blockCount.x = gridSize.x / blockSize.x + (gridSize.x % blockSize.x != 0 ? 1 : 0);
    if (blockSize.y != 0)
        blockCount.y = gridSize.y / blockSize.y + (gridSize.y % blockSize.y != 0 ? 1 : 0);
    const float blockWidth = float(blockSize.x) * cellSize.x;
    const float blockHeight = float(blockSize.y) * cellSize.y;
    // A negative shift opens a gap before every block and after the last one.
    pixelSize.x = int(blockWidth * float(blockCount.x) - float(blockCount.x + 1) * float(blockShift.x));
    pixelSize.y = int(blockHeight * float(blockCount.y) - float(blockCount.y + 1) * float(blockShift.y));
    topLeft = ZOR::ZS_VECTOR2(position.x - float(pixelSize.x) * 0.5f, position.y - float(pixelSize.y) * 0.5f);
    innerCorner = ZOR::ZS_VECTOR2(topLeft.x - float(blockShift.x), topLeft.y - float(blockShift.y));
}
}
