#include "game/puzzle/GG_SLIDING_CONTROL.h"

#include "engine/bots/ZC_BOT_MOVE.h"

using namespace ZOR;

namespace game
{
GG_SLIDING_CONTROL::~GG_SLIDING_CONTROL()
{
    bots.fDeleteAll();
}

int GG_SLIDING_CONTROL::fUpdate()
{
    bots.fUpdate();
    return 0;
}

void GG_SLIDING_CONTROL::fLoadResources()
{
    if (loaded)
        return;
    GG_BASE_CONTROL::fLoadResources();
    hiddenPlace.y = shownPlace.y;
    hiddenPlace.y += fLoadPictures();
    fSlideToState();
}

void GG_SLIDING_CONTROL::fLoadSlideXml(pugi::xml_node root)
{
    GG_BASE_CONTROL::fLoadXml(root);
    if (pugi::xml_attribute a = root.attribute("speed"))
        speed = a.as_float();
}

ZC_BOT_MOVE* GG_SLIDING_CONTROL::fSlideTo(ZS_TRANSFORM3* transform, ZS_VECTOR2 place)
{
    ZC_BOT_MOVE* move = fCreateBotMove(transform, speed, 0.0f, place.x, place.y, 0.0f, 0.0f);
    bots.fAdd(move);
    return move;
}
}
