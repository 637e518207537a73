#include "game/shell/gLevelExit.h"

#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"

using namespace ZOR_GF;

namespace game
{
namespace
{
const char* const kFade = "Fade_Transition";
}

void fRunBehindFade(void* data, G_WINDOW::ZF_EVENT continuation)
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (G_WINDOW* fade = windows ? windows->fShowWindow(kFade, false) : nullptr)
        fade->fSetEventCallback(WE_SHOWN, data, continuation);
    else
        continuation(data); // no fade declared: the scene changes at once
}

void fLeaveLevel(const char* self, bool toPacks)
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (windows)
        windows->fHideWindow(self, false);
    if (gGame* game = fGetGameInstance())
    {
        game->fEndLevel();
        game->fUnloadGameplay();
        const GG_PACK_DESC* pack = toPacks ? nullptr : game->fGetCurrentPack();
        if (pack)
            game->fShowLevelsScene(pack->fGetId(), true);
        else
            game->fShowPacksScene();
    }
    if (G_WINDOW* fade = windows ? windows->fHideWindow(kFade, false) : nullptr)
        fade->fSetEventCallback(WE_SHOWN, nullptr, nullptr);
}

void fAskRestart(const char* question, const char* fallback, void* data, G_WINDOW_CONFIRM::ZF_ANSWER answer)
{
    G_WINDOW_MANAGER* windows = fGetWindowManager();
    if (!windows)
        return;
    G_WINDOW* shown = windows->fShowWindow(question, false);
    if (!shown)
        shown = windows->fShowWindow(fallback, false);
    if (G_WINDOW_CONFIRM* confirm = dynamic_cast<G_WINDOW_CONFIRM*>(shown))
        confirm->fSetAnswerCallback(data, answer);
}
}
