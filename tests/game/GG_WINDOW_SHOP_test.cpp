// The shop "Shop" as the game makes it from the shipped data.
#include "game/ZT_SHIPPED_GAME.h"
#include "framework/G_TROPHIES.h"
#include "game/shell/GG_WINDOW_SHOP.h"

using namespace ZT_GAME;

namespace
{
class Shop : public ZT_SHIPPED_GAME
{
};
}

TEST_F(Shop, Look)
{
    GG_PLAYER* player = fNewPlayer(L"Shopper");
    player->statistic.score = 450;
    windows->fShowWindow("Shop", false);
    fFrames(8);
    fSaveFrame("shop_at_rest");
}

TEST_F(Shop, LookOthers)
{
    GG_PLAYER* player = fNewPlayer(L"Looker");
    player->statistic.score = 1234;
    player->fGetHealth().fLoseHeart();
    player->fGetHealth().fLoseHeart();
    for (const char* name : {"Heart", "Sumie", "Stars"})
        windows->fShowWindow(name, true);
    fFrames(8);
    fSaveFrame("panels_at_rest");
    fClickAt(150, 44);
    fFrames(4);
    fSaveFrame("panels_feedback");
    windows->fShowWindow("Help", false);
    fFrames(8);
    fSaveFrame("help_page0");
    game->fAwardTrophy(fGetTrophies()->fFindTrophy("pc_tr_without_hint"));
    windows->fHideWindow("Help", true);
    fFrames(10);
    fSaveFrame("trophy_get");
}
