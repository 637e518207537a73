#include "game/puzzle/GG_GAMEPLAY.h"

namespace game
{
void GG_GAMEPLAY::fOnCorrectCell(GG_ELEMENT*)
{
}

void GG_GAMEPLAY::fOnMistake(GG_ELEMENT*)
{
}

void GG_GAMEPLAY::fCheckWin()
{
}
}
