#include "game/shell/gWindowParts.h"

#include "game/puzzle/gPlayers.h"
#include "game/shell/gGame.h"

namespace game
{
GG_PLAYER* fCurrentPlayer()
{
    const gPlayers* players = fGetPlayers();
    return players ? players->fGetCurrentPlayer() : nullptr;
}

void fPlayGameSound(const char* name)
{
    if (gGame* game = fGetGameInstance())
        game->fPlaySound(name);
}
}
