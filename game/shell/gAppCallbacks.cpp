// The game's callbacks on the engine: its main, start-up, per-frame work, focus and shut-down.
#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/render/ZC_RENDER.h"

using namespace ZOR;

namespace game
{
namespace
{
int fOnNothing(void*)
{
    return 0;
}

int fOnInit(void*)
{
    zcGAME->renderRate = 60;
    zcGAME->updateRate = 60;
    // One slow frame must not throw every animation forward.
    zcGAME_TIMER->cap = 1.0f / 30.0f;
    zcGAME_WINDOW->fSetTitle("Nonogram");
    return 1;
}

int fOnClose(void*)
{
    zcGAME->running = false;
    return 0;
}

ZS_CALLBACK** const kSlots[] = {&zcON_UPDATE, &zcON_DRAW, &zcON_INIT, &zcON_KEY_DOWN, &zcON_KEY_UP,
                                &zcON_MOUSE_MOVE, &zcON_END, &zcON_CLOSE, &zcON_DEACTIVATE, &zcON_ACTIVATE};

void fFreeSlots()
{
    for (ZS_CALLBACK** slot : kSlots)
    {
        delete *slot;
        *slot = nullptr;
    }
}

int fOnEnd(void*)
{
    // Freeing the end record while it fires is safe: firing touches it no more.
    fFreeSlots();
    zcGAME->fShutdown();
    return 0;
}

const ZF_CALLBACK kHandlers[] = {fOnNothing, fOnNothing, fOnInit,  fOnNothing, fOnNothing,
                                 fOnNothing, fOnEnd,     fOnClose, fOnNothing, fOnNothing};
static_assert(sizeof(kHandlers) / sizeof(kHandlers[0]) == sizeof(kSlots) / sizeof(kSlots[0]), "one handler per slot");
}

int fGameMain(void*)
{
    zcGAME = ZC_GAME::fGetGame();
    for (size_t i = 0; i < sizeof(kSlots) / sizeof(kSlots[0]); ++i)
    {
        delete *kSlots[i];
        *kSlots[i] = fCreateCallback(kHandlers[i]);
    }
    if (zcGAME->fStart("") < 0)
    {
        fFreeSlots();
        return -100500;
    }
    zcGAME_RENDER->clearColor = ZS_COLOR(0xFF444444u);
    zcGAME->fRun();
    return 100500;
}

namespace
{
const bool kRegistered = (fRegisterGameMain(fGameMain, "Nonogram", "Zorvane"), true);
}
}
