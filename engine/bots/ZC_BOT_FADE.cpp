#include "engine/bots/ZC_BOT_FADE.h"

namespace ZOR
{
ZC_BOT_COLOR* fCreateBotColor(ZC_MESH* target, float duration, uint32_t color, float delay)
{
    return new ZC_BOT_COLOR(target, duration, color, delay);
}

ZC_BOT_COLOR_JS* fCreateBotColorJs(ZS_COLOR* target, float duration, uint32_t color, float delay)
{
    return new ZC_BOT_COLOR_JS(target, duration, color, delay);
}
}
