#pragma once
// The shipped game with the real level screen in place of the stand-in, for the tests of a
// running level: made once, handed to the game object for each test and taken back after.
#include "game/ZT_SHIPPED_GAME.h"

#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PLAYER.h"

namespace ZT_GAME
{
class ZT_SHIPPED_LEVEL : public ZT_SHIPPED_GAME
{
protected:
    inline static GG_GAMEPLAY* screen = nullptr;

    static void TearDownTestSuite()
    {
        delete screen;
        screen = nullptr;
        ZT_SHIPPED_GAME::TearDownTestSuite();
    }
    void SetUp() override
    {
        ZT_SHIPPED_GAME::SetUp();
        if (!loaded)
            return;
        if (!screen)
            screen = new GG_GAMEPLAY;
        game->fSetGameplay(screen);
    }
    void TearDown() override
    {
        game->fEndLevel();
        game->fSetGameplay(level);
        ZT_SHIPPED_GAME::TearDown();
    }

    // A new player who has done the tutorial, which is a subject of its own.
    GG_PLAYER* fNewPlayer(const std::wstring& name)
    {
        GG_PLAYER* player = ZT_SHIPPED_GAME::fNewPlayer(name);
        if (player)
            player->fSetPassedTutorial(true);
        return player;
    }
    // The middle of a cell of the running level, in game pixels; (-1, -1) when there is none.
    ZS_POINT fCentre(int row, int column)
    {
        const GG_ELEMENT* cell = screen->fGetProcess().fGetCell(row, column);
        return cell ? ZS_POINT(int(cell->fGetPositionX()), int(cell->fGetPositionY())) : ZS_POINT(-1, -1);
    }
};
}
