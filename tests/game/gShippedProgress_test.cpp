// Packs open by progress as the shipped edition says: by the player's total stars against each
// pack's "stars2pass", on the shipped descriptions and template player.
#include <string>

#include "game/ZT_SHIPPED_GAME.h"

using namespace ZT_GAME;

namespace
{
class ShippedProgress : public ZT_SHIPPED_GAME
{
};

// "1" for each pack whose first level is open, in pack order.
std::string fOpenPacks(const GG_PLAYER& player)
{
    std::string open;
    for (int32_t id = 0; const GG_PACK* pack = player.fGetPack(id); ++id)
        open += pack->fGetLevelAt(0) && pack->fGetLevelAt(0)->fIsOpen() ? '1' : '0';
    return open;
}
}

TEST_F(ShippedProgress, PacksOpenByTheStarsTheEditionAsksFor)
{
    ASSERT_TRUE(fGetPlayerShell().packLogicStars) << "the shipped edition opens packs by stars";
    struct
    {
        const char* why;
        int pack, levels, errors; // wins of the first levels of a pack, each with that many mistakes
        const char* open;
    } steps[] = {
        {"a fresh player", 0, 0, 0, "1000"},
        {"seven perfect wins give 21 stars: too few for the second pack", 0, 7, 0, "1000"},
        {"the eighth gives 24", 0, 8, 0, "1100"},
        {"the second pack's 16 levels at two stars: 56, over the third pack's 48", 1, 16, 1, "1110"},
        {"worse replays keep the better stars", 1, 16, 5, "1110"},
        {"perfect replays of the second pack: 24 + 48 = 72 opens the last pack", 1, 16, 0, "1111"},
    };
    GG_PLAYER* player = fNewPlayer(L"Progress");
    ASSERT_NE(nullptr, player);
    for (const auto& step : steps)
    {
        SCOPED_TRACE(step.why);
        for (int level = 0; level < step.levels; ++level)
            ASSERT_TRUE(player->fRecordWin(step.pack, level, step.errors, 60.0f));
        EXPECT_EQ(step.open, fOpenPacks(*player)) << player->fGetTotalStars() << " stars";
    }
}
