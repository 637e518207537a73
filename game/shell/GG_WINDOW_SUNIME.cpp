#include "game/shell/GG_WINDOW_SUNIME.h"

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gWindowParts.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
void GG_WINDOW_SUNIME::fOnShowBegin()
{
    const GG_PLAYER* player = fCurrentPlayer();
    if (!player)
        return;
    if (ZC_GUI_WLABEL* stars = fFindWidget<ZC_GUI_WLABEL>(fGetGui(), 1))
        stars->fSetText(fFloatToWString(float(player->fGetTotalStars())));
    scoreLabel = fFindWidget<ZC_GUI_WLABEL>(fGetGui(), 2);
    fUpdateScoreLabel();
}

void GG_WINDOW_SUNIME::fUpdateContent()
{
    elapsed += zcFRAME_DELTA;
    if (elapsed < 1.0f)
        return;
    elapsed = 0.0f;
    fUpdateScoreLabel();
}

void GG_WINDOW_SUNIME::fUpdateScoreLabel()
{
    const GG_PLAYER* player = fCurrentPlayer();
    if (scoreLabel && player)
        scoreLabel->fSetText(fFloatToWString(float(player->statistic.score)));
}
}
