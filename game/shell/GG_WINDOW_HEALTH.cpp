#include "game/shell/GG_WINDOW_HEALTH.h"

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gWindowParts.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kFeedback = "FeedBack_Heart";
}

void fCallHideHeartFeedback(void* panel)
{
    if (panel)
        static_cast<GG_WINDOW_HEALTH*>(panel)->fHideHeartFeedback();
}

GG_WINDOW_HEALTH::GG_WINDOW_HEALTH(pugi::xml_node element) : G_WINDOW(element)
{
    countLabel = fFindWidget<ZC_GUI_WLABEL>(fGetGui(), 1);
    countdownLabel = fFindWidget<ZC_GUI_WLABEL>(fGetGui(), 2);
    // The factory translates the labels after this: the text is still the key here.
    if (countdownLabel)
        fullText = fLiteralLabelText(fLocalText(pugi::as_utf8(countdownLabel->fGetText())));
    // A layout without them still opens; only the missing line stays empty.
    if (!countLabel)
        fLogMissingPart(fGetName(), 1, "heart count label");
    if (!countdownLabel)
        fLogMissingPart(fGetName(), 2, "refill countdown label");
}

GG_WINDOW_HEALTH::~GG_WINDOW_HEALTH() = default;

void GG_WINDOW_HEALTH::fUpdateLabels()
{
    const gPlayers* players = fGetPlayers();
    GG_PLAYER* player = players ? players->fGetCurrentPlayer() : nullptr;
    if (!player)
        return;
    const GG_HEALTH& health = player->fGetHealth();
    if (countLabel)
        countLabel->fSetText(fFloatToWString(float(health.count)));
    if (countdownLabel)
        countdownLabel->fSetText(health.countdown <= 0.0 ? fullText : fFormatTime(float(health.countdown)));
}

void GG_WINDOW_HEALTH::fOnShowBegin()
{
    fUpdateLabels();
}

void GG_WINDOW_HEALTH::fUpdateContent()
{
    elapsed += zcFRAME_DELTA;
    if (elapsed < 1.0f)
        return;
    elapsed = 0.0f;
    fUpdateLabels();
}

void GG_WINDOW_HEALTH::fOnGuiEvent(int)
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (G_WINDOW* feedback = windows ? windows->fShowWindow(kFeedback, false) : nullptr)
        feedback->fSetEventCallback(WE_SHOWN, this, fCallHideHeartFeedback);
}

void GG_WINDOW_HEALTH::fHideHeartFeedback()
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (G_WINDOW* feedback = windows ? windows->fHideWindow(kFeedback, false) : nullptr)
        feedback->fSetEventCallback(WE_SHOWN, nullptr, nullptr);
}
}
